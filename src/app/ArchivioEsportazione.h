#pragma once

#include "db/JobOrderStore.h"
#include "export/ExportStore.h"

// The job order store as the export sees it.
class ArchivioEsportazione : public ExportStore {
public:
    explicit ArchivioEsportazione(JobOrderStore& store) : store_(store) {}

    QHash<QString, TCliente> getClientiFromDB(const QStringList& idClienti) override {
        return store_.getClientiFromDB(idClienti);
    }
    QHash<int, TVeicolo> getVeicoliFromDB(const QList<int>& idVeicoli) override {
        return store_.getVeicoliFromDB(idVeicoli);
    }
    void ImpostaCommesseComeInviate(const TListaCommesse& lista) override {
        store_.ImpostaCommesseComeInviate(lista);
    }

private:
    JobOrderStore& store_;
};
