#include "db/BulkComplaintLoader.h"

#include "db/ComplaintRows.h"
#include "db/RepeatedTexts.h"
#include "db/UnitDB.h"

#include <QScopeGuard>

namespace {

// The joins of the per-job-order statements, for all job orders or for those of one date.
// Ordering by row id costs nothing on the plain table scan and gives each list the order
// of the per-job-order statements, which walk their index in row id order.
struct Istruzioni {
    QString inconvenienti;
    QString operazioni;
    QString ricambi;
};

const Istruzioni kTutte{
    QStringLiteral(
        "SELECT Inconveniente.IdInconveniente, Inconveniente.Descrizione, "
        "Inconveniente.CodiceACarico, Inconveniente.TipoIntervento, Commessa.IDCommessaDMS "
        "AS IdGruppo FROM Inconveniente, Commessa WHERE Inconveniente.IdCommessa = "
        "Commessa.IDCommessaDMS ORDER BY Inconveniente.IdInconveniente;"),
    QStringLiteral(
        "SELECT Operazione.IdOperazione, Operazione.Prezzo, Operazione.CodiceOperazione, "
        "Operazione.Descrizione, Operazione.CodiceACarico, Operazione.IdInconveniente, "
        "Inconveniente.IdInconveniente AS IdGruppo FROM Operazione, Inconveniente WHERE "
        "Inconveniente.IdInconveniente = Operazione.IdInconveniente ORDER BY "
        "Operazione.IdOperazione;"),
    QStringLiteral(
        "SELECT Ricambio.IdRicambio, Ricambio.CodiceRicambio, Ricambio.Descrizione, "
        "Ricambio.CodiceACarico, Ricambio.IdInconveniente, Inconveniente.IdInconveniente AS "
        "IdGruppo FROM Ricambio, Inconveniente WHERE Inconveniente.IdInconveniente = "
        "Ricambio.IdInconveniente ORDER BY Ricambio.IdRicambio;")};

const Istruzioni kPerData{
    QStringLiteral(
        "SELECT Inconveniente.IdInconveniente, Inconveniente.Descrizione, "
        "Inconveniente.CodiceACarico, Inconveniente.TipoIntervento, Commessa.IDCommessaDMS "
        "AS IdGruppo FROM Inconveniente, Commessa WHERE Inconveniente.IdCommessa = "
        "Commessa.IDCommessaDMS AND Commessa.DataCommessa = :DATECOMM ORDER BY "
        "Inconveniente.IdInconveniente;"),
    QStringLiteral(
        "SELECT Operazione.IdOperazione, Operazione.Prezzo, Operazione.CodiceOperazione, "
        "Operazione.Descrizione, Operazione.CodiceACarico, Operazione.IdInconveniente, "
        "Inconveniente.IdInconveniente AS IdGruppo FROM Operazione, Inconveniente, Commessa "
        "WHERE Inconveniente.IdInconveniente = Operazione.IdInconveniente AND "
        "Inconveniente.IdCommessa = Commessa.IDCommessaDMS AND Commessa.DataCommessa = "
        ":DATECOMM ORDER BY Operazione.IdOperazione;"),
    QStringLiteral(
        "SELECT Ricambio.IdRicambio, Ricambio.CodiceRicambio, Ricambio.Descrizione, "
        "Ricambio.CodiceACarico, Ricambio.IdInconveniente, Inconveniente.IdInconveniente AS "
        "IdGruppo FROM Ricambio, Inconveniente, Commessa WHERE Inconveniente.IdInconveniente "
        "= Ricambio.IdInconveniente AND Inconveniente.IdCommessa = Commessa.IDCommessaDMS AND "
        "Commessa.DataCommessa = :DATECOMM ORDER BY Ricambio.IdRicambio;")};

// Opens one of the statements on the shared query, for all job orders or for a date.
TSQLQuery& apri(TDataModule1& dm, const QString& tutte, const QString& perData,
                const std::optional<QString>& dataCommessa) {
    TSQLQuery& query = dm.SQLQueryGeneric;
    query.setSQL(dataCommessa ? perData : tutte);
    if (dataCommessa) {
        query.setParamText(QStringLiteral("DATECOMM"), *dataCommessa);
    }
    query.open();
    return query;
}

}  // namespace

std::shared_ptr<TListaInconvenienti> BulkComplaintLoader::listaPer(qint64 idCommessa,
                                                                   const QString& idCommessaDMS) {
    ListaCommessa& voce = perCommessa_[idCommessa];
    if (!voce.lista) {
        voce = {std::make_shared<TListaInconvenienti>(), idCommessaDMS};
    }
    return voce.lista;
}

void BulkComplaintLoader::carica(const std::optional<QString>& dataCommessa) {
    QHash<qint64, ListeInconveniente> perInconveniente;
    caricaInconvenienti(dataCommessa, perInconveniente);
    caricaOperazioni(dataCommessa, perInconveniente);
    caricaRicambi(dataCommessa, perInconveniente);
}

void BulkComplaintLoader::caricaInconvenienti(const std::optional<QString>& dataCommessa,
                                              QHash<qint64, ListeInconveniente>& perInconveniente) {
    TSQLQuery& query = apri(dm_, kTutte.inconvenienti, kPerData.inconvenienti, dataCommessa);
    auto closeQuery = qScopeGuard([&] { query.close(); });
    const ColonneInconveniente colonne = ColonneInconveniente::di(query);
    const int gruppo = query.requireColumn(QStringLiteral("IdGruppo"));
    for (; !query.eof(); query.next()) {
        const auto commessa = perCommessa_.constFind(query.fieldInteger(gruppo));
        if (commessa == perCommessa_.cend()) {
            continue;
        }
        TInconveniente inconveniente = leggiInconveniente(query, colonne, commessa->idCommessaDMS);
        inconveniente.FListaOperazioni = std::make_shared<TListaOperazioni>();
        inconveniente.FListaRicambi = std::make_shared<TListaRicambi>();
        perInconveniente.insert(
            query.fieldInteger(colonne.idInconveniente),
            {inconveniente.FListaOperazioni.get(), inconveniente.FListaRicambi.get()});
        commessa->lista->Add(std::move(inconveniente));
    }
}

void BulkComplaintLoader::caricaOperazioni(
    const std::optional<QString>& dataCommessa,
    const QHash<qint64, ListeInconveniente>& perInconveniente) {
    TSQLQuery& query = apri(dm_, kTutte.operazioni, kPerData.operazioni, dataCommessa);
    auto closeQuery = qScopeGuard([&] { query.close(); });
    const ColonneOperazione colonne = ColonneOperazione::di(query);
    const int gruppo = query.requireColumn(QStringLiteral("IdGruppo"));
    TestiRipetuti ripetuti;
    for (; !query.eof(); query.next()) {
        const auto liste = perInconveniente.constFind(query.fieldInteger(gruppo));
        if (liste != perInconveniente.cend()) {
            liste->operazioni->Add(leggiOperazione(query, colonne, ripetuti));
        }
    }
}

void BulkComplaintLoader::caricaRicambi(const std::optional<QString>& dataCommessa,
                                        const QHash<qint64, ListeInconveniente>& perInconveniente) {
    TSQLQuery& query = apri(dm_, kTutte.ricambi, kPerData.ricambi, dataCommessa);
    auto closeQuery = qScopeGuard([&] { query.close(); });
    const ColonneRicambio colonne = ColonneRicambio::di(query);
    const int gruppo = query.requireColumn(QStringLiteral("IdGruppo"));
    TestiRipetuti ripetuti;
    for (; !query.eof(); query.next()) {
        const auto liste = perInconveniente.constFind(query.fieldInteger(gruppo));
        if (liste != perInconveniente.cend()) {
            liste->ricambi->Add(leggiRicambio(query, colonne, ripetuti));
        }
    }
}
