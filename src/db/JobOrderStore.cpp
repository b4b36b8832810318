#include "db/JobOrderStore.h"

#include "db/BareValue.h"
#include "db/BulkComplaintLoader.h"
#include "db/ComplaintStore.h"
#include "db/DatabaseError.h"
#include "db/RepeatedTexts.h"
#include "db/TransactionGuard.h"
#include "db/UnitDB.h"
#include "model/ConsensiPrivacy.h"
#include "platform/Errors.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QScopeGuard>
#include <algorithm>
#include <array>
#include <vector>

namespace {

const QString kCodiceCliente = QStringLiteral("Il codice cliente");
const QString kCodiceMercato = QStringLiteral("Il codice mercato");

// A month or day as two digits, as DataCommessa holds it (7 becomes 07).
QString dueCifre(const QString& numero, const QString& cosa) {
    bool ok = false;
    const int valore = numero.toInt(&ok);
    if (!ok || valore < 0) {
        throw ConversionError(
            QStringLiteral("Data non valida: %1 \"%2\" non è un numero.").arg(cosa, numero));
    }
    return QStringLiteral("%1").arg(valore, 2, 10, QLatin1Char('0'));
}

// The six consent columns, each written in `forma` ("%1" stands for the column), joined by
// commas: the customer statements name them in this order.
QString colonneConsensi(const QString& forma) {
    QStringList parti;
    for (const ConsensoPrivacy& consenso : kConsensiPrivacy) {
        parti.append(forma.arg(consenso.colonna));
    }
    return parti.join(QStringLiteral(", "));
}

// The columns the customer and vehicle readers below take.
const QString kColonneCliente =
    QStringLiteral("RagioneSociale, TipoCliente, CodiceFiscale, DataOraCessionePrivacy, ") +
    colonneConsensi(QStringLiteral("%1"));
const QString kColonneVeicolo = QStringLiteral("Targa, CodiceMarca, MVS, Telaio");

// Column positions of the customer and vehicle readers, looked up by name once per opened
// statement: a lookup of a thousand customers would otherwise search ten names per row.
struct ColonneCliente {
    int ragioneSociale;
    int codiceFiscale;
    int tipoCliente;
    int dataOraCessionePrivacy;
    std::array<int, kConsensiPrivacy.size()> consensi;

    static ColonneCliente di(const TSQLQuery& query) {
        ColonneCliente colonne{query.requireColumn(QStringLiteral("RagioneSociale")),
                               query.requireColumn(QStringLiteral("CodiceFiscale")),
                               query.requireColumn(QStringLiteral("TipoCliente")),
                               query.requireColumn(QStringLiteral("DataOraCessionePrivacy")),
                               {}};
        for (size_t i = 0; i < kConsensiPrivacy.size(); ++i) {
            colonne.consensi[i] = query.requireColumn(kConsensiPrivacy[i].colonna);
        }
        return colonne;
    }
};

struct ColonneVeicolo {
    int targa;
    int codiceMarca;
    int mvs;
    int telaio;

    static ColonneVeicolo di(const TSQLQuery& query) {
        return {query.requireColumn(QStringLiteral("Targa")),
                query.requireColumn(QStringLiteral("CodiceMarca")),
                query.requireColumn(QStringLiteral("MVS")),
                query.requireColumn(QStringLiteral("Telaio"))};
    }
};

TCliente clienteDallaRiga(const TSQLQuery& query, const ColonneCliente& colonne,
                          const QString& idCliente) {
    TCliente cliente = TCliente::Create(
        JobOrderStore::AggiungiZeriIdCliente(idCliente), query.fieldText(colonne.ragioneSociale),
        query.fieldText(colonne.codiceFiscale), query.fieldText(colonne.tipoCliente),
        query.fieldText(colonne.dataOraCessionePrivacy), false, false, false, false, false, false);
    for (size_t i = 0; i < kConsensiPrivacy.size(); ++i) {
        cliente.*kConsensiPrivacy[i].campo = query.fieldInteger(colonne.consensi[i]) != 0;
    }
    return cliente;
}

// Each consent of the customer to the parameter named like its column.
void impostaConsensi(TSQLQuery& query, const TCliente& cliente) {
    for (const ConsensoPrivacy& consenso : kConsensiPrivacy) {
        query.setParamBoolean(consenso.colonna, cliente.*consenso.campo);
    }
}

TVeicolo veicoloDallaRiga(const TSQLQuery& query, const ColonneVeicolo& colonne, int idVeicolo) {
    return TVeicolo::Create(idVeicolo, query.fieldText(colonne.targa),
                            query.fieldText(colonne.codiceMarca), query.fieldText(colonne.mvs),
                            query.fieldText(colonne.telaio));
}

// Many ids as one parameter, for "IN (SELECT value FROM json_each(:Ids))".
QString listaJson(const QJsonArray& ids) {
    return QString::fromUtf8(QJsonDocument(ids).toJson(QJsonDocument::Compact));
}

// The form a customer row's id is kept in: the number padded as every reader pads the
// bare id of Scheda and Commessa, so that "42", "042" and "00042" all name the row "00042"
// and the job order finds its customer again.
QString idRigaCliente(const QString& idCliente) {
    return JobOrderStore::AggiungiZeriIdCliente(
        QString::number(requireWholeNumber(idCliente, kCodiceCliente)));
}

}  // namespace

JobOrderStore::JobOrderStore(TDataModule1& dataModule, ComplaintStore& complaints)
    : dm_(dataModule), complaints_(complaints) {}

bool JobOrderStore::haRighe(const QString& sql, const QString& parametro, const QString& valore) {
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(sql);
    query.setParamText(parametro, valore);
    query.open();
    const bool trovata = !query.eof();
    query.close();
    return trovata;
}

qint64 JobOrderStore::leggiIntero(const QString& sql, const QString& parametro,
                                  const QString& valore) {
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(sql);
    query.setParamText(parametro, valore);
    query.open();
    const qint64 risultato = query.fieldInteger(0);
    query.close();
    return risultato;
}

bool JobOrderStore::EsisteScheda(const QString& codiceScheda) {
    return haRighe(
        QStringLiteral("SELECT IdScheda FROM Scheda WHERE CodiceScheda = :CodiceScheda;"),
        QStringLiteral("CodiceScheda"), codiceScheda);
}

int JobOrderStore::GetIdSchedaFromScheda(const QString& codiceScheda) {
    return static_cast<int>(leggiIntero(
        QStringLiteral("SELECT IdScheda FROM Scheda WHERE CodiceScheda = :CodiceScheda;"),
        QStringLiteral("CodiceScheda"), codiceScheda));
}

QString JobOrderStore::GetCodiceSchedaFromId(int idScheda) {
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(QStringLiteral("SELECT CodiceScheda FROM Scheda WHERE IdScheda = :IdScheda;"));
    query.setParamInteger(QStringLiteral("IdScheda"), idScheda);
    query.open();
    const QString codice = query.fieldText(QStringLiteral("CodiceScheda"));
    query.close();
    return codice;
}

TCommessa JobOrderStore::getCommessaFromIdScheda(int idScheda) {
    const QString codiceScheda = GetCodiceSchedaFromId(idScheda);
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(QStringLiteral(
        "SELECT IDCommessaDMS, Commessa.IdScheda, DescrizioneCommessa, DataCommessa, "
        "MarketCode, Commessa.IdCliente, Commessa.IdVeicolo, StatoInvio FROM Commessa INNER "
        "JOIN Scheda ON Scheda.IdScheda = Commessa.IdScheda WHERE Scheda.IdScheda = "
        ":IdScheda"));
    query.setParamInteger(QStringLiteral("IdScheda"), idScheda);
    query.open();
    TCommessa commessa =
        TCommessa::Create(query.fieldText(QStringLiteral("IDCommessaDMS")),
                          query.fieldText(QStringLiteral("DescrizioneCommessa")), codiceOfficina_,
                          query.fieldText(QStringLiteral("MarketCode")), codiceScheda,
                          query.fieldText(QStringLiteral("DataCommessa")),
                          AggiungiZeriIdCliente(query.fieldText(QStringLiteral("IdCliente"))),
                          static_cast<int>(query.fieldInteger(QStringLiteral("IdScheda"))),
                          static_cast<int>(query.fieldInteger(QStringLiteral("IdVeicolo"))),
                          nullptr, query.fieldInteger(QStringLiteral("StatoInvio")) != 0);
    query.close();
    commessa.FListaInconvenienti = complaints_.getListaInconvenientiFromDB(commessa);
    return commessa;
}

TListaCommesse JobOrderStore::getAllCommesseFromDB() {
    return caricaCommesse(dm_.SQLQueryGetListaTutteCommesse, std::nullopt);
}

TListaCommesse JobOrderStore::getAllCommesseSenzaInconvenienti(const QSet<qint64>& escluse) {
    return caricaCommesse(dm_.SQLQueryGetListaTutteCommesse, std::nullopt, false, escluse);
}

TListaCommesse JobOrderStore::getListaCommesseFromDB(const QString& anno, const QString& mese,
                                                     const QString& giorno) {
    const QString data = anno + u'-' + dueCifre(mese, QStringLiteral("il mese")) + u'-' +
                         dueCifre(giorno, QStringLiteral("il giorno"));
    dm_.SQLQueryGetListaCommessePerData.setParamText(QStringLiteral("DATECOMM"), data);
    return caricaCommesse(dm_.SQLQueryGetListaCommessePerData, data);
}

int JobOrderStore::contaCommesse(const std::optional<QString>& data) {
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(
        data ? QStringLiteral("SELECT count(*) FROM Commessa WHERE DataCommessa = :DATECOMM")
             : QStringLiteral("SELECT count(*) FROM Commessa"));
    if (data) {
        query.setParamText(QStringLiteral("DATECOMM"), *data);
    }
    query.open();
    const int righe = static_cast<int>(query.fieldInteger(0));
    query.close();
    return righe;
}

TListaCommesse JobOrderStore::caricaCommesse(TSQLQuery& query, const std::optional<QString>& data,
                                             bool conInconvenienti, const QSet<qint64>& escluse) {
    TListaCommesse commesse;
    // Room for every job order at once: a list of a hundred thousand grown step by step
    // would take its memory from the system several times over.
    commesse.Reserve(std::max(0, contaCommesse(data) - static_cast<int>(escluse.size())));
    BulkComplaintLoader inconvenienti(dm_);
    {
        query.open();
        auto closeQuery = qScopeGuard([&] { query.close(); });
        const int idCommessa = query.requireColumn(QStringLiteral("IDCommessaDMS"));
        const int descrizione = query.requireColumn(QStringLiteral("DescrizioneCommessa"));
        const int codiceScheda = query.requireColumn(QStringLiteral("CodiceScheda"));
        const int idScheda = query.requireColumn(QStringLiteral("IdScheda"));
        const int dataCommessa = query.requireColumn(QStringLiteral("DataCommessa"));
        const int marketCode = query.requireColumn(QStringLiteral("MarketCode"));
        const int idCliente = query.requireColumn(QStringLiteral("IdCliente"));
        const int idVeicolo = query.requireColumn(QStringLiteral("IdVeicolo"));
        // Many job orders share a date and a market.
        TestiRipetuti ripetuti;
        for (; !query.eof(); query.next()) {
            if (escluse.contains(query.fieldInteger(idCommessa))) {
                continue;
            }
            TCommessa commessa =
                TCommessa::Create(QString(), QString(), QString(), QString(), QString(), QString(),
                                  QString(), -1, -1, nullptr, false);
            commessa.FIDCommessaDMS = query.fieldText(idCommessa);
            commessa.FDescrizioneCommessa = query.fieldText(descrizione);
            commessa.FCodiceOfficina = codiceOfficina_;
            commessa.FCodiceMercato = ripetuti.testo(query, marketCode);
            commessa.FDataCommessa = ripetuti.testo(query, dataCommessa);
            commessa.FIdCliente = AggiungiZeriIdCliente(query.fieldText(idCliente));
            commessa.FCodiceScheda = query.fieldText(codiceScheda);
            commessa.FIdScheda = static_cast<int>(query.fieldInteger(idScheda));
            commessa.FIdVeicolo = static_cast<int>(query.fieldInteger(idVeicolo));
            if (conInconvenienti) {
                commessa.FListaInconvenienti =
                    inconvenienti.listaPer(query.fieldInteger(idCommessa), commessa.FIDCommessaDMS);
            }
            commesse.Add(std::move(commessa));
        }
    }
    if (conInconvenienti) {
        inconvenienti.carica(data);
    }
    return commesse;
}

bool JobOrderStore::IsCommessaSent(const QString& idCommessaDMS) {
    return leggiIntero(
               QStringLiteral("SELECT StatoInvio FROM Commessa WHERE IDCommessaDMS = :IdCommessa"),
               QStringLiteral("IdCommessa"), idCommessaDMS) != 0;
}

QSet<qint64> JobOrderStore::getIdCommesseInviate() {
    TSQLQuery& query = dm_.SQLQueryGeneric;
    // Rows holding the integer 0 are not sent; every other value is read as IsCommessaSent
    // reads it.
    query.setSQL(
        QStringLiteral("SELECT IDCommessaDMS, StatoInvio FROM Commessa WHERE StatoInvio IS NOT 0"));
    query.open();
    auto closeQuery = qScopeGuard([&] { query.close(); });
    QSet<qint64> inviate;
    for (; !query.eof(); query.next()) {
        if (query.fieldInteger(1) != 0) {
            inviate.insert(query.fieldInteger(0));
        }
    }
    return inviate;
}

QString JobOrderStore::getMaxIdCommessa() {
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(QStringLiteral("SELECT MAX(IDCommessaDMS) FROM Commessa"));
    query.open();
    const QString id = query.fieldText(0);
    query.close();
    return id;
}

QString JobOrderStore::InserisciCommessaNelDB(const TCommessa& commessa) {
    const qint64 codiceMercato = requireWholeNumber(commessa.FCodiceMercato, kCodiceMercato);
    const qint64 idCliente = requireWholeNumber(commessa.FIdCliente, kCodiceCliente);
    // The largest id is the row just written only while no one else can write in between.
    TransactionGuard transaction(dm_.SQLConnection1);
    TSQLQuery& query = dm_.SQLQueryInsertCommessa;
    query.setParamInteger(QStringLiteral("IdScheda"), commessa.FIdScheda);
    query.setParamText(QStringLiteral("DescrizioneCommessa"), commessa.FDescrizioneCommessa);
    query.setParamInteger(QStringLiteral("MarketCode"), codiceMercato);
    query.setParamInteger(QStringLiteral("IdCliente"), idCliente);
    query.setParamInteger(QStringLiteral("IdVeicolo"), commessa.FIdVeicolo);
    query.execute();
    const QString id = getMaxIdCommessa();
    transaction.commit();
    return id;
}

void JobOrderStore::AggiornaDescrizioneCommessa(const TCommessa& commessa,
                                                const TCliente& cliente) {
    const qint64 idCommessa =
        requireWholeNumber(commessa.FIDCommessaDMS, QStringLiteral("Il numero della commessa"));
    TransactionGuard transaction(dm_.SQLConnection1);
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(
        QStringLiteral("UPDATE Commessa SET DescrizioneCommessa = :Descrizione WHERE "
                       "IDCommessaDMS = :IdCommessa;"));
    query.setParamText(QStringLiteral("Descrizione"), commessa.FDescrizioneCommessa);
    query.setParamInteger(QStringLiteral("IdCommessa"), idCommessa);
    query.execute();
    // An update that finds no row would otherwise be reported as saved.
    if (dm_.SQLConnection1.changes() == 0) {
        throw DatabaseError(
            QStringLiteral("La commessa %1 non è presente nel database: dati non aggiornati.")
                .arg(commessa.FIDCommessaDMS));
    }
    AggiornaClienteNelDB(cliente);
    transaction.commit();
}

bool JobOrderStore::EsisteCliente(const QString& idCliente) {
    return haRighe(QStringLiteral("SELECT IdCliente FROM Cliente WHERE IdCliente = :IdCliente"),
                   QStringLiteral("IdCliente"), idRigaCliente(idCliente));
}

TCliente JobOrderStore::getClienteFromDB(const QString& idCliente) {
    const QString idRiga = idRigaCliente(idCliente);
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(QStringLiteral("SELECT ") + kColonneCliente +
                 QStringLiteral(" FROM Cliente WHERE IdCliente = :IdCliente"));
    query.setParamText(QStringLiteral("IdCliente"), idRiga);
    query.open();
    TCliente cliente = clienteDallaRiga(query, ColonneCliente::di(query), idRiga);
    query.close();
    return cliente;
}

QHash<QString, TCliente> JobOrderStore::getClientiFromDB(const QStringList& idClienti) {
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(QStringLiteral("SELECT IdCliente, ") + kColonneCliente +
                 QStringLiteral(" FROM Cliente WHERE IdCliente IN (SELECT value FROM "
                                "json_each(:IdClienti))"));
    query.setParamText(QStringLiteral("IdClienti"),
                       listaJson(QJsonArray::fromStringList(idClienti)));
    QHash<QString, TCliente> clienti;
    clienti.reserve(idClienti.size());
    query.open();
    auto closeQuery = qScopeGuard([&] { query.close(); });
    const int idCliente = query.requireColumn(QStringLiteral("IdCliente"));
    const ColonneCliente colonne = ColonneCliente::di(query);
    for (; !query.eof(); query.next()) {
        const QString id = query.fieldText(idCliente);
        clienti.insert(id, clienteDallaRiga(query, colonne, id));
    }
    return clienti;
}

void JobOrderStore::InserisciClienteNelDB(const QString& IdCliente, const QString& RagioneSociale,
                                          const QString& TipoCliente, const QString& CodiceFiscale,
                                          bool MarketingFCA, bool TerzePartiFCA, bool ProfilingFCA,
                                          bool MarketingDealer, bool TerzePartiDealer,
                                          bool ProfilingDealer) {
    // The id goes bare into Scheda and Commessa, and "Valorizza" counts on numbers.
    const QString idRiga = idRigaCliente(IdCliente);
    const TCliente cliente = TCliente::Create(idRiga, RagioneSociale, CodiceFiscale, TipoCliente,
                                              QString(), MarketingFCA, TerzePartiFCA, ProfilingFCA,
                                              MarketingDealer, TerzePartiDealer, ProfilingDealer);
    static const QString inserimento =
        QStringLiteral(
            "INSERT INTO Cliente (IdCliente, RagioneSociale, TipoCliente, "
            "CodiceFiscale, ") +
        colonneConsensi(QStringLiteral("%1")) +
        QStringLiteral(") VALUES (:IdCliente, :RagioneSociale, :TipoCliente, :CodiceFiscale, ") +
        colonneConsensi(QStringLiteral(":%1")) + QStringLiteral(");");
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(inserimento);
    query.setParamText(QStringLiteral("IdCliente"), idRiga);
    query.setParamText(QStringLiteral("RagioneSociale"), cliente.FRagioneSociale);
    query.setParamText(QStringLiteral("TipoCliente"), cliente.FTipoCliente);
    query.setParamText(QStringLiteral("CodiceFiscale"), cliente.FCodiceFiscale);
    impostaConsensi(query, cliente);
    query.execute();
}

void JobOrderStore::AggiornaClienteNelDB(const TCliente& cliente) {
    const QString idRiga = idRigaCliente(cliente.FIdCliente);
    static const QString aggiornamento =
        QStringLiteral(
            "UPDATE Cliente SET RagioneSociale = :RagioneSociale, TipoCliente = "
            ":TipoCliente, DataOraCessionePrivacy = datetime('now'), ") +
        colonneConsensi(QStringLiteral("%1 = :%1")) +
        QStringLiteral(" WHERE IdCliente = :IdCliente ;");
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(aggiornamento);
    query.setParamText(QStringLiteral("RagioneSociale"), cliente.FRagioneSociale);
    query.setParamText(QStringLiteral("TipoCliente"), cliente.FTipoCliente);
    impostaConsensi(query, cliente);
    query.setParamText(QStringLiteral("IdCliente"), idRiga);
    query.execute();
    if (dm_.SQLConnection1.changes() == 0) {
        throw DatabaseError(
            QStringLiteral("Il cliente \"%1\" non è presente nel database: dati non aggiornati.")
                .arg(cliente.FIdCliente));
    }
}

QString JobOrderStore::AggiungiZeriIdCliente(const QString& idCliente) {
    return idCliente.rightJustified(5, QLatin1Char('0'));
}

// A plate names its vehicle whatever the letter case it was typed or stored in, so that a
// plate stored as typed by "Salva Commessa" and one stored in capitals are the same
// vehicle. Where older data holds one plate in two rows, the first row stored counts.
bool JobOrderStore::EsisteVeicolo(const QString& targa) {
    return haRighe(
        QStringLiteral("SELECT IdVeicolo FROM Veicolo WHERE Targa = :Targa COLLATE NOCASE LIMIT 1"),
        QStringLiteral("Targa"), targa);
}

int JobOrderStore::GetIdVeicoloFromTarga(const QString& targa) {
    return static_cast<int>(
        leggiIntero(QStringLiteral("SELECT IdVeicolo FROM Veicolo WHERE Targa = :Targa COLLATE "
                                   "NOCASE ORDER BY IdVeicolo LIMIT 1;"),
                    QStringLiteral("Targa"), targa));
}

int JobOrderStore::IdVeicoloMemorizzato(const TVeicolo& veicolo) {
    return EsisteVeicolo(veicolo.FTarga)
               ? GetIdVeicoloFromTarga(veicolo.FTarga)
               : InserisciVeicoloNelDB(veicolo.FTarga, veicolo.FCodiceMarca, veicolo.FMVS,
                                       veicolo.FTelaio);
}

TVeicolo JobOrderStore::getVeicoloFromDB(int idVeicolo) {
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(QStringLiteral("SELECT ") + kColonneVeicolo +
                 QStringLiteral(" FROM Veicolo WHERE IdVeicolo = :IdVeicolo"));
    query.setParamInteger(QStringLiteral("IdVeicolo"), idVeicolo);
    query.open();
    TVeicolo veicolo = veicoloDallaRiga(query, ColonneVeicolo::di(query), idVeicolo);
    query.close();
    return veicolo;
}

QHash<int, TVeicolo> JobOrderStore::getVeicoliFromDB(const QList<int>& idVeicoli) {
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(QStringLiteral("SELECT IdVeicolo, ") + kColonneVeicolo +
                 QStringLiteral(" FROM Veicolo WHERE IdVeicolo IN (SELECT value FROM "
                                "json_each(:IdVeicoli))"));
    QJsonArray ids;
    for (const int id : idVeicoli) {
        ids.append(id);
    }
    query.setParamText(QStringLiteral("IdVeicoli"), listaJson(ids));
    QHash<int, TVeicolo> veicoli;
    veicoli.reserve(idVeicoli.size());
    query.open();
    auto closeQuery = qScopeGuard([&] { query.close(); });
    const int idVeicolo = query.requireColumn(QStringLiteral("IdVeicolo"));
    const ColonneVeicolo colonne = ColonneVeicolo::di(query);
    for (; !query.eof(); query.next()) {
        const int id = static_cast<int>(query.fieldInteger(idVeicolo));
        veicoli.insert(id, veicoloDallaRiga(query, colonne, id));
    }
    return veicoli;
}

int JobOrderStore::InserisciVeicoloNelDB(const QString& Targa, const QString& CodiceMarca,
                                         const QString& MVS, const QString& Telaio) {
    TransactionGuard transaction(dm_.SQLConnection1);
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(
        QStringLiteral("INSERT INTO Veicolo (Targa, CodiceMarca, MVS, Telaio) VALUES "
                       "(:Targa, :CodiceMarca, :MVS, :Telaio);"));
    query.setParamText(QStringLiteral("Targa"), Targa);
    query.setParamText(QStringLiteral("CodiceMarca"), CodiceMarca);
    query.setParamText(QStringLiteral("MVS"), MVS);
    query.setParamText(QStringLiteral("Telaio"), Telaio);
    query.execute();
    query.setSQL(QStringLiteral("SELECT MAX(IdVeicolo) FROM Veicolo"));
    query.open();
    const int id = static_cast<int>(query.fieldInteger(0));
    query.close();
    transaction.commit();
    return id;
}

CommessaSalvata JobOrderStore::SalvaNuovaCommessa(const TCommessa& commessa,
                                                  const TCliente& cliente,
                                                  const TVeicolo& veicolo) {
    // Refused before anything is written.
    const qint64 idCliente = requireWholeNumber(commessa.FIdCliente, kCodiceCliente);
    requireWholeNumber(commessa.FCodiceMercato, kCodiceMercato);
    requireWholeNumber(cliente.FIdCliente, kCodiceCliente);

    TransactionGuard transaction(dm_.SQLConnection1);
    CommessaSalvata salvata{};
    salvata.IdVeicolo = IdVeicoloMemorizzato(veicolo);

    TSQLQuery& scheda = dm_.SQLQueryInsertScheda;
    scheda.setParamText(QStringLiteral("CodiceScheda"), commessa.FCodiceScheda);
    scheda.setParamInteger(QStringLiteral("IdCliente"), idCliente);
    scheda.setParamInteger(QStringLiteral("IdVeicolo"), salvata.IdVeicolo);
    scheda.execute();
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(QStringLiteral("SELECT Max(IdScheda) FROM Scheda;"));
    query.open();
    salvata.IdScheda = static_cast<int>(query.fieldInteger(0));
    query.close();

    if (!EsisteCliente(cliente.FIdCliente)) {
        InserisciClienteNelDB(cliente.FIdCliente, cliente.FRagioneSociale, cliente.FTipoCliente,
                              cliente.FCodiceFiscale, cliente.FMarketingFCA, cliente.FTerzePartiFCA,
                              cliente.FProfilingFCA, cliente.FMarketingDealer,
                              cliente.FTerzePartiDealer, cliente.FProfilingDealer);
    }
    salvata.Cliente = getClienteFromDB(cliente.FIdCliente);

    TCommessa nuova = commessa;
    nuova.FIdScheda = salvata.IdScheda;
    nuova.FIdVeicolo = salvata.IdVeicolo;
    salvata.IDCommessaDMS = InserisciCommessaNelDB(nuova);
    transaction.commit();
    return salvata;
}

std::optional<qint64> JobOrderStore::PrimoIdClienteLibero() {
    std::vector<qint64> usati;
    {
        TSQLQuery& query = dm_.SQLQueryGeneric;
        query.setSQL(QStringLiteral("SELECT IdCliente FROM Cliente ORDER BY IdCliente;"));
        query.open();
        auto closeQuery = qScopeGuard([&] { query.close(); });
        for (; !query.eof(); query.next()) {
            const QString id = query.fieldText(QStringLiteral("IdCliente"));
            bool ok = false;
            usati.push_back(id.toLongLong(&ok));
            if (!ok) {
                throw ConversionError(
                    QStringLiteral("Il codice cliente \"%1\" presente nel database non è un "
                                   "numero intero: impossibile proporre un nuovo codice.")
                        .arg(id));
            }
        }
    }
    if (usati.empty()) {
        return std::nullopt;
    }
    // By number, not by text: as text 100000 comes before 99999.
    std::sort(usati.begin(), usati.end());
    qint64 libero = 1;
    for (const qint64 id : usati) {
        if (id == libero) {
            ++libero;
        } else if (id > libero) {
            break;
        }
    }
    return libero;
}

void JobOrderStore::EliminaCommesse(const std::vector<TCommessa>& commesse) {
    try {
        // Foreign keys can be switched on only outside a transaction; the connection has had
        // them on since it opened, so the cascade below also holds without this.
        TSQLQuery& pragma = dm_.SQLQueryGeneric;
        pragma.setSQL(QStringLiteral("PRAGMA foreign_keys = ON;"));
        pragma.execute();
        TransactionGuard transaction(dm_.SQLConnection1);
        TSQLQuery& elimina = dm_.SQLQueryEliminaScheda;
        for (const TCommessa& commessa : commesse) {
            elimina.setParamInteger(QStringLiteral("IDSCHE"), commessa.FIdScheda);
            elimina.execute();
        }
        transaction.commit();
    } catch (const DatabaseError& error) {
        throw DatabaseError(QStringLiteral("Impossibile eliminare le commesse selezionate.\r\n%1"
                                           "\r\nNessuna commessa è stata eliminata.")
                                .arg(error.message()));
    }
}

QStringList JobOrderStore::ImpostaCommesseComeInviate(const TListaCommesse& commesse,
                                                      const std::function<void()>& conLock) {
    TransactionGuard transaction(dm_.SQLConnection1);
    if (conLock) {
        conLock();
    }
    QStringList assenti;
    TSQLQuery& query = dm_.SQLQueryImpostaCommessaComeInviata;
    for (const TCommessa& commessa : commesse) {
        query.setParamInteger(QStringLiteral("Stato"), 1);
        query.setParamText(QStringLiteral("IDCOMM"), commessa.FIDCommessaDMS);
        query.execute();
        query.close();
        // Deleted since it was exported: there is nothing to mark, and the others must be
        // marked all the same, or they would be sent a second time.
        if (dm_.SQLConnection1.changes() == 0) {
            assenti.append(commessa.FIDCommessaDMS);
        }
    }
    transaction.commit();
    return assenti;
}
