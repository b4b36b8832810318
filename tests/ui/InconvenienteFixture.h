#pragma once

// What the tests of the complaint editor and of the complaints page share: the user's hands
// on the editor and on the operation and part dialogs it opens, each dialog handed over by
// the scripted interaction as the editor opens it.

#include "EntryDialogFixture.h"
#include "TavornoFixture.h"
#include "ui/GestioneInconveniente.h"

#include <QLineEdit>

const QString kDomandaNuovoInconveniente =
    QStringLiteral("Vuoi davvero aggiungere questo Inconveniente?");
const QString kDomandaModificaInconveniente = QStringLiteral(
    "Verranno salvate tutte le modifiche apportate a questo Inconveniente\r\ne a tutte le "
    "Operazioni/Ricambi. Vuoi continuare?");
const QString kUscitaNuovo = QStringLiteral(
    "Sei sicuro di voler uscire senza salvare questo inconveniente?\r\nTutte le informazioni "
    "inserite andranno perse.");
const QString kUscitaModifica = QStringLiteral(
    "Sei sicuro di voler uscire senza applicare alcuna modifica\r\na questo inconveniente?");
const QString kDomandaModificaVoce = QStringLiteral("Vuoi salvare le modifiche applicate?");

// The operation and part sides of the editor, for tests that run for both kinds.
template <typename Record>
struct Lato {
    static constexpr bool operazione = IsOperation<Record>;
    using Pick = typename Faces<Record>::Pick;
    using New = typename Faces<Record>::New;
    using Change = typename Faces<Record>::Change;

    static QListWidget* lista(const TFormGestioneInconveniente& e) {
        return operazione ? e.ListBoxOperazioniInconveniente : e.ListBoxRicambiInconveniente;
    }
    static QPushButton* aggiungi(const TFormGestioneInconveniente& e) {
        return operazione ? e.ButtonAggiungiOperazione : e.ButtonAggiungiRicambio;
    }
    static QPushButton* modifica(const TFormGestioneInconveniente& e) {
        return operazione ? e.ButtonModificaOperazione : e.ButtonModificaRicambio;
    }
    static QPushButton* rimuovi(const TFormGestioneInconveniente& e) {
        return operazione ? e.ButtonRimuoviOperazione : e.ButtonRimuoviRicambio;
    }
    static auto& disponibili(TFormTavorno& w) {
        if constexpr (operazione) {
            return w.ListaOperazioniDisponibili;
        } else {
            return w.ListaRicambiDisponibili;
        }
    }
    static std::shared_ptr<typename Faces<Record>::List> scelte(const TInconveniente& i) {
        if constexpr (operazione) {
            return i.FListaOperazioni;
        } else {
            return i.FListaRicambi;
        }
    }
    static QString tabella() {
        return operazione ? QStringLiteral("Operazione") : QStringLiteral("Ricambio");
    }
};

// The name, type and charge code of the complaint, typed and chosen.
inline void compila(TFormGestioneInconveniente& editor, const QString& nome, const QString& tipo,
                    const QString& carico) {
    paste(editor.EditNomeInconveniente, nome);
    choose(editor.ComboBoxTipoInconveniente, tipo);
    choose(editor.ComboBoxCodiceACaricoInconveniente, carico);
}

// The next pick dialog: line `riga` clicked, its charge code chosen, its code typed when
// given, then "Seleziona".
template <typename Record>
void scegliVoce(ScriptedInteraction& script, int riga, const QString& carico,
                const QString& codice = QString()) {
    script.onDialog<typename Lato<Record>::Pick>([=](PickDialog& dialog) {
        clickItem(dialog.offeredList, riga);
        choose(dialog.fields.chargeCode, carico);
        if (!codice.isEmpty()) {
            typeOver(dialog.fields.code, codice);
        }
        click(dialog.selectButton);
    });
}

// The next pick dialog makes a new entry with "Aggiungi Nuov...", then picks it.
template <typename Record>
void nuovaVoce(ScriptedInteraction& script, const QString& nome, const QString& codice,
               const QString& carico, const QString& prezzo = QStringLiteral("80")) {
    script.onDialog<typename Lato<Record>::Pick>(
        [&script, nome, codice, carico, prezzo](PickDialog& dialog) {
            script.onDialog<typename Lato<Record>::New>([=](EntryDetailsDialog& nuova) {
                paste(nuova.fields.name, nome);
                if (nuova.fields.price != nullptr) {
                    typeOver(nuova.fields.price, prezzo);
                }
                typeOver(nuova.fields.code, codice);
                choose(nuova.fields.chargeCode, carico);
                click(nuova.confirmButton);
            });
            click(dialog.newButton);
            clickItem(dialog.offeredList, dialog.offeredList->count() - 1);
            choose(dialog.fields.chargeCode, carico);
            click(dialog.selectButton);
        });
}

// The next change dialog: the name typed over, confirmed with Si.
template <typename Record>
void cambiaNome(ScriptedInteraction& script, const QString& nome) {
    script.onDialog<typename Lato<Record>::Change>([&script, nome](EntryDetailsDialog& dialog) {
        paste(dialog.fields.name, nome);
        script.answer(true, kDomandaModificaVoce);
        click(dialog.confirmButton);
    });
}
