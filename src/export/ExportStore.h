#pragma once

#include "model/ClassCliente.h"
#include "model/ClassListaCommesse.h"
#include "model/ClassVeicolo.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

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
    // Sets StatoInvio 1 for every job order of the list, in one transaction that takes the
    // database's write lock before anything else. `conLock` runs once the lock is held and
    // before anything is marked: the uploader is started there, so that a database busy
    // elsewhere stops the send before the file has gone, and nothing can come between the
    // start and the marks. Throws when the lock cannot be had (then `conLock` has not run),
    // when `conLock` throws or when marking fails; then nothing is marked. Returns the ids of
    // the job orders that are no longer in the database; every other one is marked.
    virtual QStringList ImpostaCommesseComeInviate(const TListaCommesse& lista,
                                                   const std::function<void()>& conLock) = 0;
};
