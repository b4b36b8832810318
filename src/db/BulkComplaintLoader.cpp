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
const QString kInconvenientiTutte = QStringLiteral(
    "SELECT Inconveniente.IdInconveniente, Inconveniente.Descrizione, "
    "Inconveniente.CodiceACarico, Inconveniente.TipoIntervento, Commessa.IDCommessaDMS "
    "AS IdGruppo FROM Inconveniente, Commessa WHERE Inconveniente.IdCommessa = "
    "Commessa.IDCommessaDMS ORDER BY Inconveniente.IdInconveniente;");
const QString kInconvenientiPerData = QStringLiteral(
    "SELECT Inconveniente.IdInconveniente, Inconveniente.Descrizione, "
    "Inconveniente.CodiceACarico, Inconveniente.TipoIntervento, Commessa.IDCommessaDMS "
    "AS IdGruppo FROM Inconveniente, Commessa WHERE Inconveniente.IdCommessa = "
    "Commessa.IDCommessaDMS AND Commessa.DataCommessa = :DATECOMM ORDER BY "
    "Inconveniente.IdInconveniente;");

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
    caricaRighe<TOperazione>(dataCommessa, indice);
    caricaRighe<TRicambio>(dataCommessa, indice);
}

void BulkComplaintLoader::caricaInconvenienti(const std::optional<QString>& dataCommessa,
                                              IndiceInconvenienti& indice) {
    TSQLQuery& query = apri(dm_, kInconvenientiTutte, kInconvenientiPerData, dataCommessa);
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
        indice.aggiungi(
            {inconveniente.FIdInconveniente,
             {inconveniente.FListaOperazioni.get(), inconveniente.FListaRicambi.get()}});
        accodamento.aggiungi(commessa->lista.get(), std::move(inconveniente));
    }
    accodamento.chiudi();
}

template <typename Record>
void BulkComplaintLoader::caricaRighe(const std::optional<QString>& dataCommessa,
                                      IndiceInconvenienti& indice) {
    using Lista = ListaRighe<Record>;
    const IstruzioniRiga& sql = istruzioni<Record>();
    TSQLQuery& query = apri(dm_, sql.tutte, sql.perData, dataCommessa);
    auto closeQuery = qScopeGuard([&] { query.close(); });
    const ColonneRiga<Record> colonne = ColonneRiga<Record>::di(query);
    TestiRipetuti ripetuti;
    Accodamento<Lista, Record> accodamento;
    for (; !query.eof(); query.next()) {
        if (const auto* voce = indice.trova(query.fieldInteger(colonne.idInconveniente))) {
            accodamento.aggiungi(std::get<Lista*>(voce->liste),
                                 leggiRiga(query, colonne, ripetuti));
        }
    }
    accodamento.chiudi();
}
