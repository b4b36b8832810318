#pragma once

#include "model/ClassCliente.h"
#include "model/ClassListaCommesse.h"
#include "model/ClassVeicolo.h"

#include <QString>

// What the export needs of the job order store: the customer and the vehicle of each job
// order, loaded afresh, and the sent mark. The store's methods of the same names fit it
// one to one.
class ExportStore {
public:
    virtual ~ExportStore() = default;

    // The customer with that id; a customer with an empty id when there is no such row.
    virtual TCliente getClienteFromDB(const QString& idCliente) = 0;
    // The vehicle with that id; an empty vehicle when there is no such row.
    virtual TVeicolo getVeicoloFromDB(int idVeicolo) = 0;
    // Sets StatoInvio 1 for every job order of the list, in one transaction: all of them
    // are marked, or none.
    virtual void ImpostaCommesseComeInviate(const TListaCommesse& lista) = 0;
};
