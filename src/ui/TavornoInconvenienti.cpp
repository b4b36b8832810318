// The complaints page: adding, changing and removing the job order's complaints, which the
// complaint editor stores.

#include "platform/Interaction.h"
#include "ui/Controls.h"
#include "ui/GestioneInconveniente.h"
#include "ui/Tavorno.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>

CodeDictionary TFormTavorno::dizionarioTipiIntervento() {
    return {MapTipiIntervento,
            [this](const QString& nome) { return riferimenti_.getIdTipoIntervento(nome); }};
}

CodeDictionary TFormTavorno::dizionarioCodiciACarico() {
    return {MapCodiciACarico,
            [this](const QString& nome) { return riferimenti_.getIdCodiceACarico(nome); }};
}

// A new job order is stored first, without a question; the window edits it from then on,
// whatever the editor's outcome. The plate is checked, looked up and stored in capitals.
void TFormTavorno::ButtonAggiungiInconvenienteClick() {
    if (!VerificaDatiCommessa(true)) {
        return;
    }
    const QString targa = QLocale().toUpper(EditTarga->text());
    TCommessa commessa;
    if (OperazioneDiModificaCommessa) {
        // The stored job order keeps its vehicle; a plate not stored yet gets its row.
        commessa = commessaDallaFinestra();
        commessa.FIdScheda = CommessaSelezionata.FIdScheda;
        commessa.FIdVeicolo = jobOrders.IdVeicoloMemorizzato(veicoloDallaFinestra(targa));
        commessa.FInviata = jobOrders.IsCommessaSent(commessa.FIDCommessaDMS);
    } else {
        memorizzaNuovaCommessa(targa);
        commessa = CommessaSelezionata;
    }
    const TInconveniente nuovo = TInconveniente::Create(-1, QString(), QString(), QChar(), QChar(),
                                                        std::make_shared<TListaOperazioni>(),
                                                        std::make_shared<TListaRicambi>());
    if (apriGestioneInconveniente(commessa, false, nuovo)) {
        ricaricaInconvenienti();
    }
}

void TFormTavorno::ButtonModificaInconvenienteClick() {
    if (ListaInconvenienti->Count() == 0) {
        interaction().showMessage(QStringLiteral("Errore"),
                                  QStringLiteral("Non ci sono Inconvenienti da modificare."));
        return;
    }
    if (selectedRow(ListBoxInconvenienti) < 0) {
        interaction().showMessage(
            QStringLiteral("Errore"),
            QStringLiteral("Devi selezionare un Inconveniente da modificare."));
        return;
    }
    if (!VerificaDatiCommessa(false)) {
        return;
    }
    // The lines are those of the store afterwards, also when the save was declined and the
    // editor's name never stored.
    if (apriGestioneInconveniente(CommessaSelezionata, true, InconvenienteSelezionato)) {
        ricaricaInconvenienti();
    }
}

void TFormTavorno::ButtonRimuoviInconvenienteClick() {
    const int riga = selectedRow(ListBoxInconvenienti);
    if (riga < 0) {
        interaction().showMessage(
            QStringLiteral("Errore"),
            QStringLiteral("Devi selezionare un Inconveniente da eliminare."));
        return;
    }
    if (!interaction().confirm(
            QStringLiteral("Vuoi eliminare definitivamente questo Inconveniente?"))) {
        return;
    }
    complaints.EliminaInconvenienteDalDB(InconvenienteSelezionato);
    ListaInconvenienti->Remove(riga);
    leaveWithoutSelection(ListBoxInconvenienti);
    delete ListBoxInconvenienti->takeItem(riga);
}

void TFormTavorno::ChangeSelection() {
    const int riga = selectedRow(ListBoxInconvenienti);
    if (riga < 0) {
        return;
    }
    if (const std::optional<TInconveniente> inconveniente = ListaInconvenienti->Get(riga)) {
        InconvenienteSelezionato = *inconveniente;
    }
}

bool TFormTavorno::apriGestioneInconveniente(const TCommessa& commessa, bool modifica,
                                             const TInconveniente& inconveniente) {
    TFormGestioneInconveniente editor(nullptr, complaints, commessa, modifica,
                                      dizionarioTipiIntervento(), dizionarioCodiciACarico(),
                                      ListaOperazioniDisponibili, ListaRicambiDisponibili,
                                      inconveniente);
    interaction().showModal(editor);
    return editor.InconvenienteValido();
}

void TFormTavorno::ricaricaInconvenienti() {
    ListaInconvenientiDB = complaints.getListaInconvenientiFromDB(CommessaSelezionata);
    ListaInconvenienti->RemoveAll();
    ListBoxInconvenienti->clear();
    for (const TInconveniente& inconveniente : *ListaInconvenientiDB) {
        ListaInconvenienti->Add(inconveniente);
        ListBoxInconvenienti->addItem(inconveniente.FDescrizione);
    }
}
