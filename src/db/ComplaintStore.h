#pragma once

#include "db/ComplaintRows.h"
#include "model/ClassCommessa.h"
#include "model/ClassInconveniente.h"
#include "model/ClassListaInconvenienti.h"
#include "model/ClassListaOperazioni.h"
#include "model/ClassListaRicambi.h"

#include <memory>

class TDataModule1;

// The complaints of a job order with their labour operations and spare parts: the rows of
// Inconveniente, Operazione and Ricambio. Records with id -1 have no row yet and are
// inserted; the others are updated. Values are always bound, so apostrophes and quotes are
// stored as typed. Each operation that writes several rows lands whole or not at all.
class ComplaintStore {
public:
    explicit ComplaintStore(TDataModule1& dataModule) : dm_(dataModule) {}

    // A new complaint and, in the same transaction, its operations and parts. Returns the
    // complaint's new id; the records in the lists keep -1. A job order whose row is gone
    // (deleted at another workstation) stops the save with a DatabaseError naming it.
    int SalvaNuovoInconveniente(const TInconveniente& inconveniente);
    // A stored complaint and its operations and parts (inserted or updated by their ids).
    // A complaint, operation or part whose row is gone (deleted at another workstation)
    // stops the save with a DatabaseError naming it, and nothing of it is written.
    void SalvaInconvenienteModificato(const TInconveniente& inconveniente);

    // The complaint row alone; returns its new id.
    int InserisciInconvenienteNelDB(const TInconveniente& inconveniente);
    // Throws DatabaseError when the complaint's row is gone.
    void AggiornaInconvenienteNelDB(const TInconveniente& inconveniente);
    // Every operation and part of the complaint, under the complaint's id (whatever id the
    // operation or part itself carries).
    void InserisciOperazioniERicambiNelDB(const TInconveniente& inconveniente);
    // As above, but an operation or part with an id of 0 or more updates its row; one whose
    // row is gone is a DatabaseError.
    void AggiornaOperazioniERicambiNelDB(const TInconveniente& inconveniente);

    void EliminaOperazioneDalDB(const TOperazione& operazione);
    void EliminaRicambioDalDB(const TRicambio& ricambio);
    // Its operations and parts go with it through the cascading foreign keys.
    void EliminaInconvenienteDalDB(const TInconveniente& inconveniente);

    // The complaints of one job order in the order the database returns them, each with
    // its operations and parts; empty, never missing, when there is none.
    std::shared_ptr<TListaInconvenienti> getListaInconvenientiFromDB(const TCommessa& commessa);
    std::shared_ptr<TListaOperazioni> getListaOperazioniFromDB(int idInconveniente);
    std::shared_ptr<TListaRicambi> getListaRicambiFromDB(int idInconveniente);

private:
    // An operation or part with an id of 0 or more has a row to update, unless all are new.
    enum class Salvataggio { inserisciTutte, secondoId };
    template <typename Record>
    void salvaRighe(const TInconveniente& inconveniente, Salvataggio salvataggio);
    template <typename Record>
    void eliminaRiga(const Record& riga);
    template <typename Record>
    std::shared_ptr<ListaRighe<Record>> caricaRighe(int idInconveniente);
    void richiediCommessa(const QString& idCommessaDMS);
    // An update that changed no row found its row deleted: an error with this message, so
    // the save is not reported as done.
    void richiediRigaCambiata(const QString& messaggio);

    TDataModule1& dm_;
};
