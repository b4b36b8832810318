#include "db/ComplaintStore.h"

#include "db/ComplaintRows.h"
#include "db/RepeatedTexts.h"
#include "db/TransactionGuard.h"
#include "db/UnitDB.h"

#include <QScopeGuard>

namespace {

const QString kInserisciOperazione = QStringLiteral(
    "INSERT INTO Operazione (Prezzo, CodiceOperazione, Descrizione, CodiceACarico, "
    "IdInconveniente) VALUES (:PREZZO, :CODOPERAZIONE, :DESCRIZIONE, :CODICEACARICO, "
    ":IDINCONVENIENTE);");
const QString kAggiornaOperazione = QStringLiteral(
    "UPDATE Operazione SET Prezzo = :PREZZO, CodiceOperazione = :CODOPERAZIONE, Descrizione = "
    ":DESCRIZIONE, CodiceACarico = :CODICEACARICO, IdInconveniente = :IDINCONVENIENTE WHERE "
    "IdOperazione = :IDOPERAZIONE;");
const QString kInserisciRicambio = QStringLiteral(
    "INSERT INTO Ricambio (CodiceRicambio, Descrizione, CodiceACarico, IdInconveniente) VALUES "
    "(:CODRICAMBIO, :DESCRIZIONE, :CODICEACARICO, :IDINCONVENIENTE);");
const QString kAggiornaRicambio = QStringLiteral(
    "UPDATE Ricambio SET CodiceRicambio = :CODRICAMBIO, Descrizione = :DESCRIZIONE, "
    "CodiceACarico = :CODICEACARICO, IdInconveniente = :IDINCONVENIENTE WHERE IdRicambio = "
    ":IDRICAMBIO;");

// The values an operation row is inserted or updated with; the row belongs to the complaint
// being saved, whatever the record says.
void impostaOperazione(TSQLQuery& query, const TOperazione& operazione, int idInconveniente) {
    query.setParamText(QStringLiteral("PREZZO"), operazione.Fprezzo);
    query.setParamText(QStringLiteral("CODOPERAZIONE"), operazione.Fcodice);
    query.setParamText(QStringLiteral("DESCRIZIONE"), operazione.Fdescrizione);
    query.setParamText(QStringLiteral("CODICEACARICO"), testoCodice(operazione.FcodiceACarico));
    query.setParamInteger(QStringLiteral("IDINCONVENIENTE"), idInconveniente);
}

void impostaRicambio(TSQLQuery& query, const TRicambio& ricambio, int idInconveniente) {
    query.setParamText(QStringLiteral("CODRICAMBIO"), ricambio.FCodiceRicambio);
    query.setParamText(QStringLiteral("DESCRIZIONE"), ricambio.FDescrizione);
    query.setParamText(QStringLiteral("CODICEACARICO"), testoCodice(ricambio.FCodiceACarico));
    query.setParamInteger(QStringLiteral("IDINCONVENIENTE"), idInconveniente);
}

}  // namespace

int ComplaintStore::SalvaNuovoInconveniente(const TInconveniente& inconveniente) {
    TransactionGuard transaction(dm_.SQLConnection1);
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
}

void ComplaintStore::InserisciOperazioniERicambiNelDB(const TInconveniente& inconveniente) {
    TransactionGuard transaction(dm_.SQLConnection1);
    if (inconveniente.FListaOperazioni) {
        for (const TOperazione& operazione : *inconveniente.FListaOperazioni) {
            inserisciOperazione(operazione, inconveniente.FIdInconveniente);
        }
    }
    if (inconveniente.FListaRicambi) {
        for (const TRicambio& ricambio : *inconveniente.FListaRicambi) {
            inserisciRicambio(ricambio, inconveniente.FIdInconveniente);
        }
    }
    transaction.commit();
}

void ComplaintStore::AggiornaOperazioniERicambiNelDB(const TInconveniente& inconveniente) {
    TransactionGuard transaction(dm_.SQLConnection1);
    if (inconveniente.FListaOperazioni) {
        for (const TOperazione& operazione : *inconveniente.FListaOperazioni) {
            if (operazione.FIdOperazione < 0) {
                inserisciOperazione(operazione, inconveniente.FIdInconveniente);
            } else {
                aggiornaOperazione(operazione, inconveniente.FIdInconveniente);
            }
        }
    }
    if (inconveniente.FListaRicambi) {
        for (const TRicambio& ricambio : *inconveniente.FListaRicambi) {
            if (ricambio.FIdRicambio < 0) {
                inserisciRicambio(ricambio, inconveniente.FIdInconveniente);
            } else {
                aggiornaRicambio(ricambio, inconveniente.FIdInconveniente);
            }
        }
    }
    transaction.commit();
}

void ComplaintStore::inserisciOperazione(const TOperazione& operazione, int idInconveniente) {
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(kInserisciOperazione);
    impostaOperazione(query, operazione, idInconveniente);
    query.execute();
}

void ComplaintStore::aggiornaOperazione(const TOperazione& operazione, int idInconveniente) {
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(kAggiornaOperazione);
    impostaOperazione(query, operazione, idInconveniente);
    query.setParamInteger(QStringLiteral("IDOPERAZIONE"), operazione.FIdOperazione);
    query.execute();
}

void ComplaintStore::inserisciRicambio(const TRicambio& ricambio, int idInconveniente) {
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(kInserisciRicambio);
    impostaRicambio(query, ricambio, idInconveniente);
    query.execute();
}

void ComplaintStore::aggiornaRicambio(const TRicambio& ricambio, int idInconveniente) {
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(kAggiornaRicambio);
    impostaRicambio(query, ricambio, idInconveniente);
    query.setParamInteger(QStringLiteral("IDRICAMBIO"), ricambio.FIdRicambio);
    query.execute();
}

void ComplaintStore::eliminaRiga(const QString& sql, const QString& parametro, int id) {
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(sql);
    query.setParamInteger(parametro, id);
    query.execute();
}

void ComplaintStore::EliminaOperazioneDalDB(const TOperazione& operazione) {
    eliminaRiga(QStringLiteral("DELETE FROM Operazione WHERE IdOperazione = :IDOP;"),
                QStringLiteral("IDOP"), operazione.FIdOperazione);
}

void ComplaintStore::EliminaRicambioDalDB(const TRicambio& ricambio) {
    eliminaRiga(QStringLiteral("DELETE FROM Ricambio WHERE IdRicambio = :IDRIC;"),
                QStringLiteral("IDRIC"), ricambio.FIdRicambio);
}

void ComplaintStore::EliminaInconvenienteDalDB(const TInconveniente& inconveniente) {
    eliminaRiga(QStringLiteral("DELETE FROM Inconveniente WHERE IdInconveniente = :IDINC;"),
                QStringLiteral("IDINC"), inconveniente.FIdInconveniente);
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
    auto lista = std::make_shared<TListaOperazioni>();
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(QStringLiteral(
        "SELECT IdOperazione, Prezzo, Operazione.CodiceOperazione, Operazione.Descrizione, "
        "Operazione.CodiceACarico, Operazione.IdInconveniente FROM Operazione, Inconveniente "
        "WHERE Inconveniente.IdInconveniente = Operazione.IdInconveniente AND "
        "Operazione.IdInconveniente = :IDINC;"));
    query.setParamInteger(QStringLiteral("IDINC"), idInconveniente);
    query.open();
    auto closeQuery = qScopeGuard([&] { query.close(); });
    const ColonneOperazione colonne = ColonneOperazione::di(query);
    TestiRipetuti ripetuti;
    for (; !query.eof(); query.next()) {
        lista->Add(leggiOperazione(query, colonne, ripetuti));
    }
    return lista;
}

std::shared_ptr<TListaRicambi> ComplaintStore::getListaRicambiFromDB(int idInconveniente) {
    auto lista = std::make_shared<TListaRicambi>();
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(QStringLiteral(
        "SELECT IdRicambio, CodiceRicambio, Ricambio.Descrizione, Ricambio.CodiceACarico, "
        "Ricambio.IdInconveniente FROM Ricambio, Inconveniente WHERE "
        "Inconveniente.IdInconveniente = Ricambio.IdInconveniente AND Ricambio.IdInconveniente "
        "= :IDINC;"));
    query.setParamInteger(QStringLiteral("IDINC"), idInconveniente);
    query.open();
    auto closeQuery = qScopeGuard([&] { query.close(); });
    const ColonneRicambio colonne = ColonneRicambio::di(query);
    TestiRipetuti ripetuti;
    for (; !query.eof(); query.next()) {
        lista->Add(leggiRicambio(query, colonne, ripetuti));
    }
    return lista;
}
