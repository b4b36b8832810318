#include "db/BulkComplaintLoader.h"

#include "db/ComplaintRows.h"
#include "db/RepeatedTexts.h"
#include "db/UnitDB.h"

#include <QScopeGuard>
#include <algorithm>

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

// Appends records to their lists. The records of one list mostly come one after the other;
// such a run is put into its list with one allocation instead of one per doubling. chiudi()
// puts in the last run.
template <typename Lista, typename Record>
class Accodamento {
public:
    void aggiungi(Lista* lista, Record&& record) {
        if (lista != lista_) {
            chiudi();
            lista_ = lista;
        }
        inAttesa_.push_back(std::move(record));
    }

    void chiudi() {
        if (lista_ == nullptr) {
            return;
        }
        lista_->Reserve(lista_->Count() + static_cast<int>(inAttesa_.size()));
        for (Record& record : inAttesa_) {
            lista_->Add(std::move(record));
        }
        inAttesa_.clear();
        lista_ = nullptr;
    }

private:
    Lista* lista_ = nullptr;
    std::vector<Record> inAttesa_;
};

}  // namespace

std::shared_ptr<TListaInconvenienti> BulkComplaintLoader::listaPer(qint64 idCommessa,
                                                                   const QString& idCommessaDMS) {
    ListaCommessa& voce = perCommessa_[idCommessa];
    if (!voce.lista) {
        voce = {std::make_shared<TListaInconvenienti>(), idCommessaDMS};
    }
    return voce.lista;
}

const BulkComplaintLoader::IndiceInconvenienti::Voce*
BulkComplaintLoader::IndiceInconvenienti::trova(qint64 id) {
    for (size_t vicina = ultima_; vicina < voci_.size() && vicina <= ultima_ + 1; ++vicina) {
        if (voci_[vicina].id == id) {
            ultima_ = vicina;
            return &voci_[vicina];
        }
    }
    const auto trovata =
        std::lower_bound(voci_.begin(), voci_.end(), id,
                         [](const Voce& voce, qint64 cercato) { return voce.id < cercato; });
    if (trovata == voci_.end() || trovata->id != id) {
        return nullptr;
    }
    ultima_ = static_cast<size_t>(trovata - voci_.begin());
    return &*trovata;
}

void BulkComplaintLoader::carica(const std::optional<QString>& dataCommessa) {
    IndiceInconvenienti indice;
    caricaInconvenienti(dataCommessa, indice);
    caricaOperazioni(dataCommessa, indice);
    caricaRicambi(dataCommessa, indice);
}

void BulkComplaintLoader::caricaInconvenienti(const std::optional<QString>& dataCommessa,
                                              IndiceInconvenienti& indice) {
    TSQLQuery& query = apri(dm_, kTutte.inconvenienti, kPerData.inconvenienti, dataCommessa);
    auto closeQuery = qScopeGuard([&] { query.close(); });
    const ColonneInconveniente colonne = ColonneInconveniente::di(query);
    const int gruppo = query.requireColumn(QStringLiteral("IdGruppo"));
    Accodamento<TListaInconvenienti, TInconveniente> accodamento;
    for (; !query.eof(); query.next()) {
        const auto commessa = perCommessa_.constFind(query.fieldInteger(gruppo));
        if (commessa == perCommessa_.cend()) {
            continue;
        }
        TInconveniente inconveniente = leggiInconveniente(query, colonne, commessa->idCommessaDMS);
        inconveniente.FListaOperazioni = std::make_shared<TListaOperazioni>();
        inconveniente.FListaRicambi = std::make_shared<TListaRicambi>();
        indice.aggiungi({inconveniente.FIdInconveniente, inconveniente.FListaOperazioni.get(),
                         inconveniente.FListaRicambi.get()});
        accodamento.aggiungi(commessa->lista.get(), std::move(inconveniente));
    }
    accodamento.chiudi();
}

void BulkComplaintLoader::caricaOperazioni(const std::optional<QString>& dataCommessa,
                                           IndiceInconvenienti& indice) {
    TSQLQuery& query = apri(dm_, kTutte.operazioni, kPerData.operazioni, dataCommessa);
    auto closeQuery = qScopeGuard([&] { query.close(); });
    const ColonneOperazione colonne = ColonneOperazione::di(query);
    const int gruppo = query.requireColumn(QStringLiteral("IdGruppo"));
    TestiRipetuti ripetuti;
    Accodamento<TListaOperazioni, TOperazione> accodamento;
    for (; !query.eof(); query.next()) {
        if (const auto* liste = indice.trova(query.fieldInteger(gruppo))) {
            accodamento.aggiungi(liste->operazioni, leggiOperazione(query, colonne, ripetuti));
        }
    }
    accodamento.chiudi();
}

void BulkComplaintLoader::caricaRicambi(const std::optional<QString>& dataCommessa,
                                        IndiceInconvenienti& indice) {
    TSQLQuery& query = apri(dm_, kTutte.ricambi, kPerData.ricambi, dataCommessa);
    auto closeQuery = qScopeGuard([&] { query.close(); });
    const ColonneRicambio colonne = ColonneRicambio::di(query);
    const int gruppo = query.requireColumn(QStringLiteral("IdGruppo"));
    TestiRipetuti ripetuti;
    Accodamento<TListaRicambi, TRicambio> accodamento;
    for (; !query.eof(); query.next()) {
        if (const auto* liste = indice.trova(query.fieldInteger(gruppo))) {
            accodamento.aggiungi(liste->ricambi, leggiRicambio(query, colonne, ripetuti));
        }
    }
    accodamento.chiudi();
}
