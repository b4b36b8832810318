#pragma once

#include "model/ClassListaInconvenienti.h"

#include <QHash>
#include <QString>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

class TDataModule1;

// Loads the complaints, operations and parts of many job orders with one statement per
// table instead of 1 + 2n statements per job order, and groups the rows in memory. The
// records, lists and orders are those the per-job-order loaders of the complaint store
// give: the same rows (the same joins), read by the same row readers, each list in the
// order of its row ids, which is the order the per-job-order statements return.
class BulkComplaintLoader {
public:
    explicit BulkComplaintLoader(TDataModule1& dataModule) : dm_(dataModule) {}

    // The complaint list that the job order with this id is to hold; filled by carica().
    std::shared_ptr<TListaInconvenienti> listaPer(qint64 idCommessa, const QString& idCommessaDMS);

    // Reads the complaints of every job order (or, with a date, of that date's job orders)
    // into the lists handed out. Rows of job orders not asked for are skipped.
    void carica(const std::optional<QString>& dataCommessa);

private:
    struct ListaCommessa {
        std::shared_ptr<TListaInconvenienti> lista;
        QString idCommessaDMS;
    };

    // The operation and part lists of the complaints loaded, by complaint id. Complaints
    // are read in increasing id and the operations and parts of one complaint mostly come
    // one after the other, so a lookup usually finds its complaint at or next to the last
    // one found.
    class IndiceInconvenienti {
    public:
        struct Voce {
            qint64 id;
            std::tuple<TListaOperazioni*, TListaRicambi*> liste;
        };
        void aggiungi(const Voce& voce) { voci_.push_back(voce); }
        // Nothing when the complaint was not loaded.
        const Voce* trova(qint64 id);

    private:
        std::vector<Voce> voci_;
        size_t ultima_ = 0;
    };

    void caricaInconvenienti(const std::optional<QString>& dataCommessa,
                             IndiceInconvenienti& indice);
    // The operations or the parts of the complaints loaded.
    template <typename Record>
    void caricaRighe(const std::optional<QString>& dataCommessa, IndiceInconvenienti& indice);

    TDataModule1& dm_;
    QHash<qint64, ListaCommessa> perCommessa_;
};
