#pragma once

#include "model/ClassInconveniente.h"
#include "model/ClassListaOperazioni.h"
#include "model/ClassListaRicambi.h"
#include "model/ClassOperazione.h"
#include "model/ClassRicambio.h"

#include <QChar>
#include <QString>
#include <array>
#include <memory>
#include <type_traits>

class TSQLQuery;
class TestiRipetuti;

// How a row of Inconveniente, Operazione or Ricambio becomes a record and back. The loaders
// of one job order and the loaders of many job orders share these, so both build the very
// same records. Column positions are looked up by name once per opened statement.

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

// Operations and parts are rows of the same shape: their own id as key, some text columns,
// the charge code and the id of their complaint (IdInconveniente). DescrizioneRiga says
// what tells the two apart; everything else about them is written once, over that
// description.

// A text column of an operation or part row.
template <typename Record>
struct ColonnaTesto {
    const char* colonna;
    const char* parametro;  // of the insert and the update
    QString Record::*campo;
    // The name dms-show gives the value when the job card fills it in; none for a value the
    // job card leaves empty.
    const char* nomeDms;
};

// What tells one kind of row from the other.
template <typename Record, typename ListaRecord, size_t numeroTesti>
struct DescrizioneRiga {
    using Lista = ListaRecord;
    const char* tabella;
    const char* colonnaId;
    const char* parametroId;            // of the update
    const char* parametroEliminazione;  // of the deletion
    int Record::*id;
    QChar Record::*codiceACarico;
    QString Record::*descrizione;  // what names the row in a message
    std::shared_ptr<Lista> TInconveniente::*lista;
    std::array<ColonnaTesto<Record>, numeroTesti> testi;
    const char* nonPiuPresente;  // an update that found no row; "%1" is the description
};

template <typename Record>
struct TipoRiga;

template <>
struct TipoRiga<TOperazione> {
    static constexpr DescrizioneRiga<TOperazione, TListaOperazioni, 3> descrizione{
        "Operazione",
        "IdOperazione",
        "IDOPERAZIONE",
        "IDOP",
        &TOperazione::FIdOperazione,
        &TOperazione::FcodiceACarico,
        &TOperazione::Fdescrizione,
        &TInconveniente::FListaOperazioni,
        {{{"Prezzo", "PREZZO", &TOperazione::Fprezzo, "prezzo"},
          {"CodiceOperazione", "CODOPERAZIONE", &TOperazione::Fcodice, nullptr},
          {"Descrizione", "DESCRIZIONE", &TOperazione::Fdescrizione, "descrizione"}}},
        "L'operazione \"%1\" non è più presente nel database: forse è stata eliminata da "
        "un'altra postazione. Inconveniente non salvato."};
};

template <>
struct TipoRiga<TRicambio> {
    static constexpr DescrizioneRiga<TRicambio, TListaRicambi, 2> descrizione{
        "Ricambio",
        "IdRicambio",
        "IDRICAMBIO",
        "IDRIC",
        &TRicambio::FIdRicambio,
        &TRicambio::FCodiceACarico,
        &TRicambio::FDescrizione,
        &TInconveniente::FListaRicambi,
        {{{"CodiceRicambio", "CODRICAMBIO", &TRicambio::FCodiceRicambio, "codice"},
          {"Descrizione", "DESCRIZIONE", &TRicambio::FDescrizione, "descrizione"}}},
        "Il ricambio \"%1\" non è più presente nel database: forse è stato eliminato da "
        "un'altra postazione. Inconveniente non salvato."};
};

// The description of the operation rows or of the part rows, and their list type.
template <typename Record>
constexpr const auto& descrizioneRiga = TipoRiga<Record>::descrizione;
template <typename Record>
using ListaRighe = typename std::remove_cvref_t<decltype(descrizioneRiga<Record>)>::Lista;

// The statements on the rows of one kind. The readers give the columns ColonneRiga takes.
struct IstruzioniRiga {
    QString inserimento;       // parameters set by impostaRiga
    QString aggiornamento;     // the same, and the row's id
    QString eliminazione;      // the row's id
    QString perInconveniente;  // the rows of one complaint, :IDINC
    QString tutte;             // the rows of every complaint, in row id order
    QString perData;           // those of the job orders of one date, :DATECOMM, in row id order
};
template <typename Record>
const IstruzioniRiga& istruzioni();

template <typename Record>
struct ColonneRiga {
    int id;
    std::array<int, descrizioneRiga<Record>.testi.size()> testi;
    int codiceACarico;
    int idInconveniente;
    static ColonneRiga di(const TSQLQuery& query);
};

// The record of the current row. Texts that repeat across rows (prices, codes, catalogue
// descriptions) are shared through `ripetuti`.
template <typename Record>
Record leggiRiga(const TSQLQuery& query, const ColonneRiga<Record>& colonne,
                 TestiRipetuti& ripetuti);

// The values a row is inserted or updated with; the row belongs to the complaint being
// saved, whatever the record says.
template <typename Record>
void impostaRiga(TSQLQuery& query, const Record& riga, int idInconveniente);
