#include "AdminCommand.h"

#include "app/Settings.h"
#include "db/ComplaintRows.h"
#include "db/ComplaintStore.h"
#include "db/JobOrderStore.h"
#include "db/UnitDB.h"
#include "dms/DocumentoDMS.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace {

// The stored-card check of the dry run, by the job order store on the database
// KORVADEX.ini names. With no usable database the card counts as new, and the reason goes
// to standard error.
bool schedaMemorizzata(const QString& codiceScheda) {
    try {
        TDataModule1 dataModule;
        dataModule.SQLConnection1.setDatabase(Settings::read(QStringLiteral("DBPath")));
        ComplaintStore complaints(dataModule);
        return JobOrderStore(dataModule, complaints).EsisteScheda(codiceScheda);
    } catch (const std::exception& error) {
        printErr(QStringLiteral("Database non utilizzabile, la scheda è considerata nuova: %1")
                     .arg(errorMessage(error)));
        return false;
    }
}

// The operations or parts the job card offers, with the values the job card fills in.
template <typename Record, typename Lista>
QJsonArray righeJson(const Lista& righe) {
    QJsonArray array;
    for (const Record& riga : righe) {
        QJsonObject json;
        for (const ColonnaTesto<Record>& testo : descrizioneRiga<Record>.testi) {
            if (testo.nomeDms != nullptr) {
                json.insert(QLatin1String(testo.nomeDms), riga.*testo.campo);
            }
        }
        array.append(json);
    }
    return array;
}

template <typename Value>
void insertIfRead(QJsonObject& json, const char* key, const std::optional<Value>& value) {
    if (value) {
        json.insert(QLatin1String(key), *value);
    }
}

QJsonObject letturaJson(const LetturaDocumentoDMS& lettura) {
    QJsonObject json;
    json.insert(QStringLiteral("ListaOperazioniDisponibili"),
                righeJson<TOperazione>(lettura.ListaOperazioniDisponibili));
    json.insert(QStringLiteral("ListaRicambiDisponibili"),
                righeJson<TRicambio>(lettura.ListaRicambiDisponibili));
    insertIfRead(json, "stored", lettura.schedaMemorizzata);
    insertIfRead(json, "PIvaCarr", lettura.PIvaCarr);
    insertIfRead(json, "EditCodiceScheda", lettura.EditCodiceScheda);
    insertIfRead(json, "LabelMarcaModelloVeicolo", lettura.LabelMarcaModelloVeicolo);
    insertIfRead(json, "EditRagioneSociale", lettura.EditRagioneSociale);
    insertIfRead(json, "EditCFPIVA", lettura.EditCFPIVA);
    insertIfRead(json, "EditTarga", lettura.EditTarga);
    insertIfRead(json, "EditTelaio", lettura.EditTelaio);
    insertIfRead(json, "TelaioTroppoLungo", lettura.TelaioTroppoLungo);
    insertIfRead(json, "ComboBoxMarche", lettura.ComboBoxMarche);
    insertIfRead(json, "ComboBoxTipoCliente", lettura.ComboBoxTipoCliente);
    insertIfRead(json, "EditIDClienteDMS", lettura.EditIDClienteDMS);
    insertIfRead(json, "ButtonValorizzaIDClienteDMS", lettura.ButtonValorizzaIDClienteDMS);
    json.insert(QStringLiteral("errore"),
                lettura.errore ? QJsonValue(*lettura.errore) : QJsonValue(QJsonValue::Null));
    return json;
}

}  // namespace

int runDmsShow(const QStringList& arguments) {
    if (arguments.size() > 1) {
        printErr(QStringLiteral("Uso: tavorno-admin dms-show [FILE]"));
        return 2;
    }
    const IniFile documento(arguments.isEmpty() ? Paths::dmsDocument() : arguments.first());
    if (!documento.fileExists()) {
        printErr(QStringLiteral("Documento DMS non trovato: %1").arg(documento.path()));
        return 1;
    }
    const OpzioniLetturaDMS opzioni{
        .esisteScheda = schedaMemorizzata,
        // A dry run asks nothing: the whole chassis number is shown, with TelaioTroppoLungo.
        .troncaTelaio = [] { return false; },
    };
    const LetturaDocumentoDMS lettura = leggiDocumentoDMS(documento, opzioni);
    if (!documento.readError().isEmpty()) {
        printErr(lettura.errore.value_or(documento.readError()));
        return 1;
    }
    const QByteArray json = QJsonDocument(letturaJson(lettura)).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    return 0;
}
