#pragma once

#include "model/ClassCliente.h"
#include "model/ClassCommessa.h"
#include "model/ClassListaCommesse.h"
#include "model/ClassVeicolo.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class ComplaintStore;
class TDataModule1;
class TSQLQuery;

// What a new job order's save wrote: the ids the window keeps.
struct CommessaSalvata {
    int IdScheda;
    int IdVeicolo;
    QString IDCommessaDMS;
    // The customer as its row now stands: the one given, or the one stored before.
    TCliente Cliente;
};

// The rows of a job order other than its complaints: the job card (Scheda), the job order
// (Commessa), its customer (Cliente) and its vehicle (Veicolo). Loaded job orders carry
// the workshop code set here and come with their complaints. Lookups of something that is
// not there give false, 0 or empty text. Customer ids and market codes are whole numbers
// in Scheda and Commessa; any other text is refused before a row is written.
class JobOrderStore {
public:
    JobOrderStore(TDataModule1& dataModule, ComplaintStore& complaints);

    // The workshop code from the settings, given to every job order loaded from now on.
    void setCodiceOfficina(const QString& codiceOfficina) { codiceOfficina_ = codiceOfficina; }

    bool EsisteScheda(const QString& codiceScheda);
    int GetIdSchedaFromScheda(const QString& codiceScheda);
    QString GetCodiceSchedaFromId(int idScheda);

    // The job order of a job card with its complaints and its sent state. A card without a
    // job order gives empty texts, ids 0, the customer id "00000" and no complaint.
    TCommessa getCommessaFromIdScheda(int idScheda);
    // Every job order, respectively those of one date (decimal texts; month and day are
    // padded to two digits), in the order the database returns them, with complaints.
    // FInviata stays false here: IsCommessaSent tells the sent state.
    TListaCommesse getAllCommesseFromDB();
    TListaCommesse getListaCommesseFromDB(const QString& anno, const QString& mese,
                                          const QString& giorno);
    // Every job order but those with the ids `escluse`, as getAllCommesseFromDB gives it,
    // without its complaints (FListaInconvenienti empty): for the list of all job orders,
    // which needs the complaints only of the job orders it exports.
    TListaCommesse getAllCommesseSenzaInconvenienti(const QSet<qint64>& escluse = {});

    bool IsCommessaSent(const QString& idCommessaDMS);
    // The ids of every job order IsCommessaSent finds sent, read with one statement instead
    // of one per job order.
    QSet<qint64> getIdCommesseInviate();
    // Empty text when there is no job order.
    QString getMaxIdCommessa();
    // Returns the new job order's id as text.
    QString InserisciCommessaNelDB(const TCommessa& commessa);
    // The description, stored as typed, and the customer row, together.
    void AggiornaDescrizioneCommessa(const TCommessa& commessa, const TCliente& cliente);

    bool EsisteCliente(const QString& idCliente);
    TCliente getClienteFromDB(const QString& idCliente);
    // The customers of many ids with one statement, by id as stored; an id with no row has no
    // entry. Each is the customer getClienteFromDB gives. One statement instead of one per
    // job order keeps the export of a thousand job orders fast.
    QHash<QString, TCliente> getClientiFromDB(const QStringList& idClienti);
    void InserisciClienteNelDB(const QString& IdCliente, const QString& RagioneSociale,
                               const QString& TipoCliente, const QString& CodiceFiscale,
                               bool MarketingFCA, bool TerzePartiFCA, bool ProfilingFCA,
                               bool MarketingDealer, bool TerzePartiDealer, bool ProfilingDealer);
    // Also stamps the consents' time with the database's current date and time.
    void AggiornaClienteNelDB(const TCliente& cliente);
    // Leading zeros up to five characters; longer ids are returned unchanged.
    static QString AggiungiZeriIdCliente(const QString& idCliente);

    // The plate is matched regardless of letter case (ASCII letters, as the engine compares
    // them); of two rows with one plate the lowest id.
    bool EsisteVeicolo(const QString& targa);
    int GetIdVeicoloFromTarga(const QString& targa);
    // The id of the vehicle with this plate; a plate not stored yet is stored first, with the
    // record's brand, MVS and chassis number.
    int IdVeicoloMemorizzato(const TVeicolo& veicolo);
    TVeicolo getVeicoloFromDB(int idVeicolo);
    // The vehicles of many ids with one statement, by id; an id with no row has no entry.
    QHash<int, TVeicolo> getVeicoliFromDB(const QList<int>& idVeicoli);
    // Returns the new vehicle's id.
    int InserisciVeicoloNelDB(const QString& Targa, const QString& CodiceMarca, const QString& MVS,
                              const QString& Telaio);

    // A new job order, all or nothing: the vehicle unless its plate is stored, the job card,
    // the customer unless its id is stored (a stored customer is left as it is), then the
    // job order row. `commessa` gives the description, market code, job card code and
    // customer id; its ids are ignored.
    CommessaSalvata SalvaNuovaCommessa(const TCommessa& commessa, const TCliente& cliente,
                                       const TVeicolo& veicolo);

    // The lowest customer number not in use, for a customer the DMS gave no code; nothing
    // when there is no customer yet.
    std::optional<qint64> PrimoIdClienteLibero();

    // Deletes the job cards of the job orders, and with them (through the cascading foreign
    // keys) the job orders, their complaints, operations and parts: all of them or, after an
    // error, none.
    void EliminaCommesse(const std::vector<TCommessa>& commesse);

    // Marks every listed job order as sent, in one transaction whose write lock is taken
    // first; `conLock`, when given, runs once the lock is held and before the marks (see
    // ExportStore). Returns the ids of the job orders no longer in the database; the others
    // are marked, all or none.
    QStringList ImpostaCommesseComeInviate(const TListaCommesse& commesse,
                                           const std::function<void()>& conLock = {});

private:
    bool haRighe(const QString& sql, const QString& parametro, const QString& valore);
    qint64 leggiIntero(const QString& sql, const QString& parametro, const QString& valore);
    TListaCommesse caricaCommesse(TSQLQuery& lista, const std::optional<QString>& data,
                                  bool conInconvenienti = true, const QSet<qint64>& escluse = {});
    // At least the job orders the list statement gives.
    int contaCommesse(const std::optional<QString>& data);

    TDataModule1& dm_;
    ComplaintStore& complaints_;
    QString codiceOfficina_;
};
