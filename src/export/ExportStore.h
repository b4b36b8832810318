#pragma once

#include "model/ClassCliente.h"
#include "model/ClassListaCommesse.h"
#include "model/ClassVeicolo.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// What the export needs of the job order store: the customers and the vehicles of the job
// orders, loaded afresh, and the sent mark. The store's methods of the same names fit it
// one to one. Customers and vehicles come for the whole list at once, for speed: two
// statements per job order cost a thousand job orders about a quarter of their export.
class ExportStore {
public:
    virtual ~ExportStore() = default;

    // The customers with those ids, by id; an id with no row has no entry.
    virtual QHash<QString, TCliente> getClientiFromDB(const QStringList& idClienti) = 0;
    // The vehicles with those ids, by id; an id with no row has no entry.
    virtual QHash<int, TVeicolo> getVeicoliFromDB(const QList<int>& idVeicoli) = 0;
    // Sets StatoInvio 1 for every job order of the list, in one transaction: all of them
    // are marked, or none.
    virtual void ImpostaCommesseComeInviate(const TListaCommesse& lista) = 0;
};
