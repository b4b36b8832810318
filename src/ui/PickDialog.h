#pragma once

#include "model/ClassListaOperazioni.h"
#include "model/ClassListaRicambi.h"
#include "ui/CodeComboBox.h"
#include "ui/Entry.h"
#include "ui/EntryDialogFacts.h"
#include "ui/EntryFields.h"
#include "ui/EntryList.h"
#include "ui/ModalDialog.h"

#include <functional>
#include <memory>

class NewEntryDialog;
class QListWidget;
class QPushButton;

// The pick dialog of operations and of parts: it lists the entries still available, lets the
// user complete the one selected and hands it back in place of the entry at its position;
// it also makes new entries, which join the available list, and moves entries over to the
// other list.
class PickDialog : public ModalDialog {
    Q_OBJECT

public:
    // Makes the new-entry dialog that "Aggiungi Nuov..." opens.
    using NewEntryWindow =
        std::function<std::unique_ptr<NewEntryDialog>(QWidget* owner, const CodeDictionary&)>;

    // -1, or the position of the entry that Seleziona replaced by `pickedEntry()`.
    int pickedIndex() const { return pickedIndex_; }
    const Entry& pickedEntry() const { return picked_; }

    QListWidget* offeredList = nullptr;
    EntryFields fields;
    QPushButton* moveButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* newButton = nullptr;
    QPushButton* selectButton = nullptr;

protected:
    PickDialog(EntryKind kind, QWidget* owner, const CodeDictionary& dictionary,
               std::unique_ptr<EntryList> offered, NewEntryWindow newEntryWindow);

    // The other list, where "Sposta..." puts the entry; the caller sets it before showing.
    void setMoveTarget(std::unique_ptr<EntryList> target) { moveTarget_ = std::move(target); }

private:
    void buildControls();
    void FormCreate();
    void ChangeSelection();
    void ButtonSelezionaClick();
    void ButtonNuovaVoceClick();
    void ButtonSpostaClick();

    int selectedRow() const;
    void enableDetails(bool enabled);

    const EntryKind kind_;
    const CodeDictionary dictionary_;
    const std::unique_ptr<EntryList> offered_;
    const NewEntryWindow newEntryWindow_;
    std::unique_ptr<EntryList> moveTarget_;
    QList<QWidget*> details_;  // disabled at opening
    Entry picked_;
    int pickedIndex_ = -1;
};

// The pick dialog of one kind of record, with the constructor and the names its callers
// know, side by side for both kinds: TFormAggiungiOperazione and TFormAggiungiRicambio only
// give it their class. `NewEntry` is the dialog that "Aggiungi Nuov..." opens.
template <typename Record, typename NewEntry>
class PickDialogOf : public PickDialog {
public:
    PickDialogOf(QWidget* AOwner, const CodeDictionary& MapChargeable, TypedList<Record>& offered)
        : PickDialog(entryKindOf<Record>, AOwner, MapChargeable, entryListOf(offered),
                     [&offered](QWidget* owner, const CodeDictionary& dictionary) {
                         return std::make_unique<NewEntry>(owner, dictionary, offered);
                     }) {}

    // The other available list, where "Sposta..." puts an entry: set before showing.
    void setListaRicDisp(TListaRicambi& ListaRicDisp) requires IsOperation<Record> {
        setMoveTarget(entryListOf(ListaRicDisp));
    }
    void setListaOpDisp(TListaOperazioni& ListaOpDisp) requires IsPart<Record> {
        setMoveTarget(entryListOf(ListaOpDisp));
    }

    // The results: -1, or the position of the picked entry; the picked entry.
    int IdOperazioneAggiunta() const requires IsOperation<Record> { return pickedIndex(); }
    int IdRicambioAggiunto() const requires IsPart<Record> { return pickedIndex(); }
    TOperazione Operazione() const requires IsOperation<Record> {
        return recordOf<Record>(pickedEntry());
    }
    TRicambio Ricambio() const requires IsPart<Record> { return recordOf<Record>(pickedEntry()); }
};
