#pragma once

#include "db/ComplaintStore.h"
#include "model/ClassCommessa.h"
#include "model/ClassInconveniente.h"
#include "model/ClassListaOperazioni.h"
#include "model/ClassListaRicambi.h"
#include "ui/CodeComboBox.h"
#include "ui/Entry.h"
#include "ui/ModalDialog.h"

#include <functional>
#include <memory>

class QLineEdit;
class QListWidget;
class QPushButton;

// "Gestione Inconveniente": one complaint of the job order, new or stored: its name, its
// intervention type, its charge code, its labour operations and its spare parts. Operations
// and parts are picked from the lists the job card offers (the caller's, changed in place),
// made or changed in the operation and part dialogs. Conferma saves the complaint with its
// operations and parts, all or nothing; a stored operation or part the user removes is
// deleted at once, after a question.
//
// To change a complaint the window works on the very operation and part lists of the record
// handed in: every add, change or removal is seen at once through the caller's copies of
// that complaint, whether or not it is saved afterwards.
class TFormGestioneInconveniente : public ModalDialog {
    Q_OBJECT

public:
    // `ModificaInconveniente` false: a new complaint of `Commessa` (the content of
    // `Inconvenience` is not used); true: a change of the stored `Inconvenience`.
    // `MapInconvenienceType` and `MapChargeable` are the intervention types and the charge
    // codes; `OperationsList` and `PartsList` the operations and parts still offered.
    TFormGestioneInconveniente(QWidget* AOwner, ComplaintStore& store, const TCommessa& Commessa,
                               bool ModificaInconveniente,
                               const CodeDictionary& MapInconvenienceType,
                               const CodeDictionary& MapChargeable,
                               TListaOperazioni& OperationsList, TListaRicambi& PartsList,
                               const TInconveniente& Inconvenience);

    // The complaint as handed in, or as the last Conferma that passed the checks changed or
    // made it (with its new id once a new complaint is saved).
    const TInconveniente& Inconveniente() const { return FInconveniente; }
    void SetInconveniente(const TInconveniente& inconveniente) { FInconveniente = inconveniente; }
    // True when the last Conferma passed the checks, whether or not the save was confirmed.
    bool InconvenienteValido() const { return FInconvenienteValido; }
    void SetInconvenienteValido(bool valido) { FInconvenienteValido = valido; }
    // True once a save the user confirmed has gone through; false after a declined one.
    bool HasConfirmedSave() const { return FHasConfirmedSave; }

    QLineEdit* EditNomeInconveniente = nullptr;
    CodeComboBox* ComboBoxTipoInconveniente = nullptr;
    CodeComboBox* ComboBoxCodiceACaricoInconveniente = nullptr;
    QListWidget* ListBoxOperazioniInconveniente = nullptr;
    QPushButton* ButtonRimuoviOperazione = nullptr;
    QPushButton* ButtonModificaOperazione = nullptr;
    QPushButton* ButtonAggiungiOperazione = nullptr;
    QPushButton* ButtonSpostaOperazioneSu = nullptr;
    QPushButton* ButtonSpostaOperazioneGiu = nullptr;
    QListWidget* ListBoxRicambiInconveniente = nullptr;
    QPushButton* ButtonRimuoviRicambio = nullptr;
    QPushButton* ButtonModificaRicambio = nullptr;
    QPushButton* ButtonAggiungiRicambio = nullptr;
    QPushButton* ButtonSpostaRicambioSu = nullptr;
    QPushButton* ButtonSpostaRicambioGiu = nullptr;
    QPushButton* ButtonChiudi = nullptr;
    QPushButton* ButtonConferma = nullptr;

protected:
    bool FormCloseQuery() override;

private:
    void buildControls();
    QWidget* buildEntryHalf(EntryKind kind, QListWidget*& list, QPushButton*& remove,
                            QPushButton*& change, QPushButton*& add, QPushButton*& up,
                            QPushButton*& down);
    void connectHandlers();
    void FormCreate();

    void ChangeSelectionOperazioni();
    void ChangeSelectionRicambi();
    void ButtonAggiungiOperazioneClick();
    void ButtonAggiungiRicambioClick();
    void ButtonModificaOperazioneClick();
    void ButtonModificaRicambioClick();
    void ButtonRimuoviOperazioneClick();
    void ButtonRimuoviRicambioClick();
    void ButtonConfermaClick();

    // The two lists work alike; these do it for the operations or the parts.
    template <typename Record>
    void mostraScelte();
    template <typename Record>
    void selezione();
    template <typename Record>
    void aggiungi();
    template <typename Record>
    void modifica();
    template <typename Record>
    void rimuovi();
    template <typename Record>
    TypedList<Record>& scelte();
    template <typename Record>
    TypedList<Record>& disponibili();
    template <typename Record>
    Record& selezionato();
    template <typename Record>
    QListWidget* listBox() const;

    // The first check that the window's data fails, or empty text.
    QString rifiuto() const;
    // Asks `domanda`; Yes closes the window once the handler has ended and runs `salva`.
    void salvaSeConfermato(const QString& domanda, const std::function<void()>& salva);

    ComplaintStore& store_;
    const TCommessa Commessa;
    const bool ModificaInconveniente;
    TInconveniente FInconveniente;
    bool FInconvenienteValido = false;
    bool FHasConfirmedSave = false;
    const CodeDictionary MapTipiIntervento;
    const CodeDictionary MapCodiciACarico;
    TListaOperazioni& ListaOperazioniDisponibili;
    TListaRicambi& ListaRicambiDisponibili;
    std::shared_ptr<TListaOperazioni> ListaOperazioniScelte;
    std::shared_ptr<TListaRicambi> ListaRicambiScelti;
    TOperazione OperazioneSelezionata;
    TRicambio RicambioSelezionato;
};
