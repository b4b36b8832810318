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
    QStringList ImpostaCommesseComeInviate(const TListaCommesse& lista,
                                           const std::function<void()>& conLock) override {
        return store_.ImpostaCommesseComeInviate(lista, conLock);
    }

private:
    JobOrderStore& store_;
};
