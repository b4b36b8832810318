#pragma once

#include "export/ExportStore.h"
#include "model/ClassListaCommesse.h"

#include <QMap>
#include <QStringList>
#include <functional>
#include <vector>

// The job order store as the export sees it, in memory.
class FakeExportStore : public ExportStore {
public:
    QMap<QString, TCliente> clienti;
    QMap<int, TVeicolo> veicoli;
    // The ids of each list marked as sent, one entry per call.
    std::vector<QStringList> marked;
    // Job orders the marking finds deleted: not marked, and returned.
    QStringList deleted;

    QHash<QString, TCliente> getClientiFromDB(const QStringList& idClienti) override;
    QHash<int, TVeicolo> getVeicoliFromDB(const QList<int>& idVeicoli) override;
    QStringList ImpostaCommesseComeInviate(const TListaCommesse& lista,
                                           const std::function<void()>& conLock) override;
};

TCommessa commessa(const QString& id, const QString& idCliente, int idVeicolo,
                   std::vector<TInconveniente> inconvenienti = {});
TInconveniente inconveniente(int id, const QString& descrizione, QChar codiceACarico,
                             QChar tipoIntervento, std::vector<TOperazione> operazioni = {},
                             std::vector<TRicambio> ricambi = {});
TListaCommesse listaCommesse(const std::vector<TCommessa>& commesse);

// Two job orders: 42 of a private customer who gave two consents, with a complaint with an
// operation and one with a part; 43 of a company with no consent time and no complaint.
// `store` gets their customers and vehicles.
TListaCommesse twoJobOrders(FakeExportStore& store);

// The document twoJobOrders gives, as saved.
extern const char kTwoJobOrdersXml[];
