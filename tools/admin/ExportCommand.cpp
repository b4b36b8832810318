#include "AdminCommand.h"

#include "app/ArchivioEsportazione.h"
#include "app/Settings.h"
#include "db/ComplaintStore.h"
#include "db/JobOrderStore.h"
#include "db/UnitDB.h"
#include "export/ExportGeneration.h"
#include "platform/Errors.h"
#include "platform/Paths.h"

#include <QDate>

namespace {

struct OpzioniExport {
    QDate data;
    QString uscita;
};

// --date YYYY-MM-DD is required; --out FILE defaults to the DMS folder's KORVADEX.XML.
std::optional<OpzioniExport> leggiOpzioni(const QStringList& arguments) {
    OpzioniExport opzioni;
    opzioni.uscita = Paths::exportDocument();
    for (qsizetype i = 0; i < arguments.size(); i += 2) {
        if (i + 1 >= arguments.size()) {
            return std::nullopt;
        }
        const QString& valore = arguments[i + 1];
        if (arguments[i] == QLatin1String("--date")) {
            opzioni.data = QDate::fromString(valore, Qt::ISODate);
            if (!opzioni.data.isValid()) {
                return std::nullopt;
            }
        } else if (arguments[i] == QLatin1String("--out")) {
            opzioni.uscita = valore;
        } else {
            return std::nullopt;
        }
    }
    if (!opzioni.data.isValid()) {
        return std::nullopt;
    }
    return opzioni;
}

}  // namespace

int runExport(const QStringList& arguments) {
    const std::optional<OpzioniExport> opzioni = leggiOpzioni(arguments);
    if (!opzioni) {
        printErr(QStringLiteral("Uso: tavorno-admin export --date AAAA-MM-GG [--out FILE]"));
        return 2;
    }
    try {
        TDataModule1 dataModule;
        dataModule.SQLConnection1.setDatabase(Settings::read(QStringLiteral("DBPath")));
        dataModule.SQLConnection1.connect();
        ComplaintStore complaints(dataModule);
        JobOrderStore jobOrders(dataModule, complaints);
        jobOrders.setCodiceOfficina(Settings::read(QStringLiteral("CodiceOfficina")));
        // The store takes the date as the window passes it: numbers without leading zeros.
        const TListaCommesse lista = jobOrders.getListaCommesseFromDB(
            QString::number(opzioni->data.year()), QString::number(opzioni->data.month()),
            QString::number(opzioni->data.day()));
        ArchivioEsportazione archivio(jobOrders);
        if (!GeneraXML(lista, archivio, opzioni->uscita)) {
            return 1;
        }
        printOut(
            QStringLiteral("%1 commesse esportate in %2").arg(lista.Count()).arg(opzioni->uscita));
        return 0;
    } catch (const std::exception& error) {
        printErr(errorMessage(error));
        return 1;
    }
}
