#pragma once

#include "model/ClassCliente.h"
#include "model/ClassListaOperazioni.h"
#include "model/ClassListaRicambi.h"

#include <QLocale>
#include <QString>
#include <functional>
#include <optional>

class IniFile;

// What reading the DMS job card document needs from around it.
struct OpzioniLetturaDMS {
    // True when a job card with this code is stored (the job order store's EsisteScheda).
    // Must be set.
    std::function<bool(const QString& codiceScheda)> esisteScheda;
    // Asked when the chassis number is longer than 8 characters: true keeps its last 8
    // characters, false the whole value. By default the confirmation box asks the user.
    std::function<bool()> troncaTelaio = chiediTroncaTelaio;
    // Rates, amounts and prices are in this locale's number format.
    QLocale locale = QLocale::system();

    static bool chiediTroncaTelaio();
};

// What the main window takes from the DMS job card document, named after the control or
// field each value goes to. A value the reading did not reach is empty (std::nullopt) and
// leaves its control as it was.
//
// How the window applies it:
// - documentoPresente false: there is no document; the window starts without a job card.
// - The two lists always replace the window's lists.
// - schedaMemorizzata true: the stored job order is shown (only PIvaCarr, EditCodiceScheda
//   and LabelMarcaModelloVeicolo come from the document); false: a new job order, prefilled
//   with the values present.
// - errore set: the reading stopped there; after applying what is present, the window shows
//   the text in the general error report and skips the rest of its creation.
struct LetturaDocumentoDMS {
    bool documentoPresente = false;

    TListaOperazioni ListaOperazioniDisponibili;
    TListaRicambi ListaRicambiDisponibili;

    std::optional<QString> PIvaCarr;
    std::optional<QString> EditCodiceScheda;
    std::optional<bool> schedaMemorizzata;
    std::optional<QString> LabelMarcaModelloVeicolo;

    // Only for a new job card.
    std::optional<QString> EditRagioneSociale;
    std::optional<QString> EditCFPIVA;
    std::optional<QString> EditTarga;
    std::optional<QString> EditTelaio;       // after the question, possibly over 8
    std::optional<bool> TelaioTroppoLungo;   // more than 8 characters: the question ran
    std::optional<QString> ComboBoxMarche;   // the brand text; empty: no brand
    std::optional<int> ComboBoxTipoCliente;  // -1 no item, 0 "Cliente Privato", 1 "Azienda"
    std::optional<QString> EditIDClienteDMS;
    std::optional<bool> ButtonValorizzaIDClienteDMS;  // true: enabled
    std::optional<TCliente> ClienteSelezionato;

    std::optional<QString> errore;
};

// Reads the document: first its lines (LoadOperazioniERicambi), then its head. An error
// that stops the reading (a value that does not convert, a document that exists but cannot
// be read or has no head, a failing stored-card lookup) ends it at that point and goes into
// `errore`.
LetturaDocumentoDMS leggiDocumentoDMS(const IniFile& documento, const OpzioniLetturaDMS& opzioni);
