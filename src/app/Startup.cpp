#include "app/Startup.h"

#include "app/Settings.h"
#include "db/DatabaseError.h"
#include "db/DatabaseFile.h"
#include "db/DatabaseSetup.h"
#include "db/UnitDB.h"
#include "platform/Interaction.h"

#include <QDir>

namespace {

const QString kImpossibileConnettersi = QStringLiteral(
    "Impossibile Connettersi al Database KORVADEX.db\r\nL'applicazione verrà terminata.");

// Says why, then that the program ends, and ends it.
bool endForUnusableDatabase(const QString& reason) {
    interaction().showMessage(QStringLiteral("Errore"), reason);
    interaction().showSimpleMessage(kImpossibileConnettersi);
    interaction().endProgram();
    return false;
}

// Why the database that the settings name cannot serve the program; empty text when it
// can, and the connection is then open. Throws TavornoError for the settings and the
// engine's failures.
QString motivoDatabaseInutilizzabile(TSQLConnection& connection) {
    const QString path = Settings::databasePath();
    connection.setDatabase(path);
    connection.connect();
    // Without its journal SQLite can read but never save: the first save would fail.
    if (!DatabaseFile::folderTakesNewFiles(path)) {
        return QStringLiteral(
                   "La cartella del database \"%1\" non permette di creare file: il "
                   "database si potrebbe leggere ma nessun salvataggio riuscirebbe, "
                   "perché SQLite vi scrive il giornale delle modifiche.\r\nDare "
                   "all'utente di Tavorno il permesso di scrittura sulla cartella.")
            .arg(QDir::toNativeSeparators(DatabaseFile::folderOf(path)));
    }
    const QStringList missing = DatabaseSetup::missingSchemaItems(
        connection.handle(), DatabaseSetup::SchemaCheck::TablesAndColumns);
    if (!missing.isEmpty()) {
        return QStringLiteral(
                   "Il database \"%1\" non è completo:\r\n  %2\r\nControllarlo con "
                   "tavorno-admin check-db o ripristinarne una copia di sicurezza.")
            .arg(path, missing.join(QStringLiteral("\r\n  ")));
    }
    return QString();
}

}  // namespace

bool connettiDatabase(TDataModule1& dataModule) {
    QString motivo;
    try {
        motivo = motivoDatabaseInutilizzabile(dataModule.SQLConnection1);
    } catch (const TavornoError& error) {
        // The settings and the engine say why; DatabaseError is one of these.
        motivo = error.message();
    } catch (const std::exception& error) {
        interaction().showSimpleMessage(
            QStringLiteral("Connessione al Database Fallita! Exception: ") + errorMessage(error));
    }
    return motivo.isEmpty() || endForUnusableDatabase(motivo);
}

bool caricaRiferimenti(CaricatoriRiferimento& loaders) {
    try {
        loaders.CaricaMercati();
        loaders.CaricaMarche();
        loaders.CaricaTipiIntervento();
        loaders.CaricaCodiciACarico();
    } catch (const DatabaseError& error) {
        return endForUnusableDatabase(error.message());
    } catch (const std::exception& error) {
        interaction().showSimpleMessage(QStringLiteral("Exception raised with message: ") +
                                        errorMessage(error));
    }
    return true;
}
