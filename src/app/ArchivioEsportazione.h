#pragma once

#include "db/JobOrderStore.h"
#include "export/ExportStore.h"

// The job order store as the export sees it.
class ArchivioEsportazione : public ExportStore {
public:
    explicit ArchivioEsportazione(JobOrderStore& store) : store_(store) {}

    TCliente getClienteFromDB(const QString& idCliente) override {
        return store_.getClienteFromDB(idCliente);
    }
    TVeicolo getVeicoloFromDB(int idVeicolo) override { return store_.getVeicoloFromDB(idVeicolo); }
    void ImpostaCommesseComeInviate(const TListaCommesse& lista) override {
        store_.ImpostaCommesseComeInviate(lista);
    }

private:
    JobOrderStore& store_;
};
