#include "db/ComplaintStore.h"

#include "db/ComplaintRows.h"
#include "db/DatabaseError.h"
#include "db/RepeatedTexts.h"
#include "db/TransactionGuard.h"
#include "db/UnitDB.h"

#include <QScopeGuard>

int ComplaintStore::SalvaNuovoInconveniente(const TInconveniente& inconveniente) {
    TransactionGuard transaction(dm_.SQLConnection1);
    richiediCommessa(inconveniente.FIdCommessaDMS);
    TInconveniente salvato = inconveniente;
    salvato.FIdInconveniente = InserisciInconvenienteNelDB(inconveniente);
    InserisciOperazioniERicambiNelDB(salvato);
    transaction.commit();
    return salvato.FIdInconveniente;
}

void ComplaintStore::SalvaInconvenienteModificato(const TInconveniente& inconveniente) {
    TransactionGuard transaction(dm_.SQLConnection1);
    AggiornaInconvenienteNelDB(inconveniente);
    AggiornaOperazioniERicambiNelDB(inconveniente);
    transaction.commit();
}

int ComplaintStore::InserisciInconvenienteNelDB(const TInconveniente& inconveniente) {
    // The largest id is the row just written only while no one else can write between the
    // insert and the read.
    TransactionGuard transaction(dm_.SQLConnection1);
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(QStringLiteral(
        "INSERT INTO Inconveniente (IdCommessa, Descrizione, CodiceACarico, TipoIntervento) "
        "VALUES (:IDCOMMESSA, :DESCRIZIONE, :CODICEACARICO, :TIPOINTERVENTO);"));
    query.setParamText(QStringLiteral("IDCOMMESSA"), inconveniente.FIdCommessaDMS);
    query.setParamText(QStringLiteral("DESCRIZIONE"), inconveniente.FDescrizione);
    query.setParamText(QStringLiteral("CODICEACARICO"), testoCodice(inconveniente.FCodiceACarico));
    query.setParamText(QStringLiteral("TIPOINTERVENTO"),
                       testoCodice(inconveniente.FTipoIntervento));
    query.execute();

    query.setSQL(QStringLiteral("SELECT MAX(IdInconveniente) FROM Inconveniente"));
    query.open();
    const int id = static_cast<int>(query.fieldInteger(0));
    query.close();
    transaction.commit();
    return id;
}

void ComplaintStore::AggiornaInconvenienteNelDB(const TInconveniente& inconveniente) {
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(QStringLiteral(
        "UPDATE Inconveniente SET IdCommessa = :IDCOMMESSA, Descrizione = :DESCRIZIONE, "
        "CodiceACarico = :CODICEACARICO, TipoIntervento = :TIPOINTERVENTO WHERE "
        "IdInconveniente = :IDINCONVENIENTE;"));
    query.setParamText(QStringLiteral("IDCOMMESSA"), inconveniente.FIdCommessaDMS);
    query.setParamText(QStringLiteral("DESCRIZIONE"), inconveniente.FDescrizione);
    query.setParamText(QStringLiteral("CODICEACARICO"), testoCodice(inconveniente.FCodiceACarico));
    query.setParamText(QStringLiteral("TIPOINTERVENTO"),
                       testoCodice(inconveniente.FTipoIntervento));
    query.setParamInteger(QStringLiteral("IDINCONVENIENTE"), inconveniente.FIdInconveniente);
    query.execute();
    richiediRigaCambiata(QStringLiteral("L'inconveniente \"%1\" non è più presente nel database: "
                                        "forse è stato eliminato da un'altra postazione. "
                                        "Inconveniente non salvato.")
                             .arg(inconveniente.FDescrizione));
}

void ComplaintStore::InserisciOperazioniERicambiNelDB(const TInconveniente& inconveniente) {
    TransactionGuard transaction(dm_.SQLConnection1);
    salvaRighe<TOperazione>(inconveniente, Salvataggio::inserisciTutte);
    salvaRighe<TRicambio>(inconveniente, Salvataggio::inserisciTutte);
    transaction.commit();
}

void ComplaintStore::AggiornaOperazioniERicambiNelDB(const TInconveniente& inconveniente) {
    TransactionGuard transaction(dm_.SQLConnection1);
    salvaRighe<TOperazione>(inconveniente, Salvataggio::secondoId);
    salvaRighe<TRicambio>(inconveniente, Salvataggio::secondoId);
    transaction.commit();
}

template <typename Record>
void ComplaintStore::salvaRighe(const TInconveniente& inconveniente, Salvataggio salvataggio) {
    constexpr const auto& tipo = descrizioneRiga<Record>;
    const std::shared_ptr<ListaRighe<Record>>& righe = inconveniente.*tipo.lista;
    if (!righe) {
        return;
    }
    const IstruzioniRiga& sql = istruzioni<Record>();
    TSQLQuery& query = dm_.SQLQueryGeneric;
    for (const Record& riga : *righe) {
        const bool nuova = salvataggio == Salvataggio::inserisciTutte || riga.*tipo.id < 0;
        query.setSQL(nuova ? sql.inserimento : sql.aggiornamento);
        impostaRiga(query, riga, inconveniente.FIdInconveniente);
        if (!nuova) {
            query.setParamInteger(QString::fromLatin1(tipo.parametroId), riga.*tipo.id);
        }
        query.execute();
        if (!nuova) {
            richiediRigaCambiata(
                QString::fromUtf8(tipo.nonPiuPresente).arg(riga.*tipo.descrizione));
        }
    }
}

// The engine would refuse the complaint of a missing job order only as a broken foreign key.
void ComplaintStore::richiediCommessa(const QString& idCommessaDMS) {
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(
        QStringLiteral("SELECT IDCommessaDMS FROM Commessa WHERE IDCommessaDMS = :IdCommessa"));
    query.setParamText(QStringLiteral("IdCommessa"), idCommessaDMS);
    query.open();
    const bool presente = !query.eof();
    query.close();
    if (!presente) {
        throw DatabaseError(QStringLiteral("La commessa %1 non è più presente nel database: forse "
                                           "è stata eliminata da un'altra postazione. "
                                           "Inconveniente non salvato.")
                                .arg(idCommessaDMS));
    }
}

void ComplaintStore::richiediRigaCambiata(const QString& messaggio) {
    if (dm_.SQLConnection1.changes() == 0) {
        throw DatabaseError(messaggio);
    }
}

template <typename Record>
void ComplaintStore::eliminaRiga(const Record& riga) {
    constexpr const auto& tipo = descrizioneRiga<Record>;
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(istruzioni<Record>().eliminazione);
    query.setParamInteger(QString::fromLatin1(tipo.parametroEliminazione), riga.*tipo.id);
    query.execute();
}

void ComplaintStore::EliminaOperazioneDalDB(const TOperazione& operazione) {
    eliminaRiga(operazione);
}

void ComplaintStore::EliminaRicambioDalDB(const TRicambio& ricambio) {
    eliminaRiga(ricambio);
}

void ComplaintStore::EliminaInconvenienteDalDB(const TInconveniente& inconveniente) {
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(QStringLiteral("DELETE FROM Inconveniente WHERE IdInconveniente = :IDINC;"));
    query.setParamInteger(QStringLiteral("IDINC"), inconveniente.FIdInconveniente);
    query.execute();
}

std::shared_ptr<TListaInconvenienti> ComplaintStore::getListaInconvenientiFromDB(
    const TCommessa& commessa) {
    auto lista = std::make_shared<TListaInconvenienti>();
    TSQLQuery& query = dm_.SQLQueryGetListaInconvenientiFromIdCommessaDMS;
    query.setParamText(QStringLiteral("IDCOMMDMS"), commessa.FIDCommessaDMS);
    query.open();
    auto closeQuery = qScopeGuard([&] { query.close(); });
    const ColonneInconveniente colonne = ColonneInconveniente::di(query);
    for (; !query.eof(); query.next()) {
        TInconveniente inconveniente = leggiInconveniente(query, colonne, commessa.FIDCommessaDMS);
        inconveniente.FListaOperazioni = getListaOperazioniFromDB(inconveniente.FIdInconveniente);
        inconveniente.FListaRicambi = getListaRicambiFromDB(inconveniente.FIdInconveniente);
        lista->Add(std::move(inconveniente));
    }
    return lista;
}

std::shared_ptr<TListaOperazioni> ComplaintStore::getListaOperazioniFromDB(int idInconveniente) {
    return caricaRighe<TOperazione>(idInconveniente);
}

std::shared_ptr<TListaRicambi> ComplaintStore::getListaRicambiFromDB(int idInconveniente) {
    return caricaRighe<TRicambio>(idInconveniente);
}

template <typename Record>
std::shared_ptr<ListaRighe<Record>> ComplaintStore::caricaRighe(int idInconveniente) {
    auto lista = std::make_shared<ListaRighe<Record>>();
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(istruzioni<Record>().perInconveniente);
    query.setParamInteger(QStringLiteral("IDINC"), idInconveniente);
    query.open();
    auto closeQuery = qScopeGuard([&] { query.close(); });
    const ColonneRiga<Record> colonne = ColonneRiga<Record>::di(query);
    TestiRipetuti ripetuti;
    for (; !query.eof(); query.next()) {
        lista->Add(leggiRiga(query, colonne, ripetuti));
    }
    return lista;
}
