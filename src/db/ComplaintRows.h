#pragma once

#include "model/ClassInconveniente.h"
#include "model/ClassOperazione.h"
#include "model/ClassRicambio.h"

#include <QChar>
#include <QString>

class TSQLQuery;
class TestiRipetuti;

// How a row of Inconveniente, Operazione or Ricambio becomes a record. The loaders of one
// job order and the loaders of many job orders share these, so both build the very same
// records. Column positions are looked up by name once per opened statement.

// A charge code or intervention type is stored as a one-character text; the null character
// (no code) is stored as empty text and an empty or NULL value reads back as the null
// character.
QString testoCodice(QChar codice);
QChar leggiCodice(const TSQLQuery& query, int colonna);

struct ColonneInconveniente {
    int idInconveniente;
    int descrizione;
    int codiceACarico;
    int tipoIntervento;
    static ColonneInconveniente di(const TSQLQuery& query);
};
// The complaint of the current row, with no lists; FIdCommessaDMS is the job order's id as
// the caller holds it, not the row's.
TInconveniente leggiInconveniente(const TSQLQuery& query, const ColonneInconveniente& colonne,
                                  const QString& idCommessaDMS);

struct ColonneOperazione {
    int idOperazione;
    int prezzo;
    int codiceOperazione;
    int descrizione;
    int codiceACarico;
    int idInconveniente;
    static ColonneOperazione di(const TSQLQuery& query);
};
// Price, code and description are texts that repeat across operations: shared through
// `ripetuti`.
TOperazione leggiOperazione(const TSQLQuery& query, const ColonneOperazione& colonne,
                            TestiRipetuti& ripetuti);

struct ColonneRicambio {
    int idRicambio;
    int codiceRicambio;
    int descrizione;
    int codiceACarico;
    int idInconveniente;
    static ColonneRicambio di(const TSQLQuery& query);
};
// Code and description are shared through `ripetuti`.
TRicambio leggiRicambio(const TSQLQuery& query, const ColonneRicambio& colonne,
                        TestiRipetuti& ripetuti);
