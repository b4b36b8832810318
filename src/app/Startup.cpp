#include "app/Startup.h"

#include "app/Settings.h"
#include "db/DatabaseError.h"
#include "db/UnitDB.h"
#include "platform/Interaction.h"

namespace {

const QString kImpossibileConnettersi = QStringLiteral(
    "Impossibile Connettersi al Database KORVADEX.db\r\nL'applicazione verrà terminata.");

bool endForUnusableDatabase() {
    interaction().showSimpleMessage(kImpossibileConnettersi);
    interaction().endProgram();
    return false;
}

}  // namespace

bool connettiECaricaRiferimenti(TDataModule1& dataModule, CaricatoriRiferimento& loaders) {
    // An engine error while connecting (missing file, not a database, read-only) ends the
    // program with the same words as a database that fails at its first table.
    try {
        dataModule.SQLConnection1.setDatabase(Settings::read(QStringLiteral("DBPath")));
        dataModule.SQLConnection1.connect();
    } catch (const DatabaseError&) {
        return endForUnusableDatabase();
    } catch (const std::exception& error) {
        interaction().showSimpleMessage(
            QStringLiteral("Connessione al Database Fallita! Exception: ") + errorMessage(error));
    }

    try {
        loaders.CaricaMercati();
        loaders.CaricaMarche();
        loaders.CaricaTipiIntervento();
        loaders.CaricaCodiciACarico();
    } catch (const DatabaseError&) {
        return endForUnusableDatabase();
    } catch (const std::exception& error) {
        interaction().showSimpleMessage(QStringLiteral("Exception raised with message: ") +
                                        errorMessage(error));
    }
    return true;
}
