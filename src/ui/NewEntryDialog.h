#pragma once

#include "model/TypedList.h"
#include "ui/EntryDetailsDialog.h"

// The dialog that makes a new operation or part, opened from the pick dialog, which puts
// the new entry into the available list. The price is kept as typed: the pick dialog checks
// and converts it again when the entry is picked.
class NewEntryDialog : public EntryDetailsDialog {
    Q_OBJECT

protected:
    NewEntryDialog(EntryKind kind, QWidget* owner, const CodeDictionary& dictionary);

private:
    void ButtonConfermaClick();
};

// The new-entry dialog of one kind of record, with the constructor and the names its callers
// know: TFormNuovaOperazione and TFormNuovoRicambio only give it their class. The available
// list is not changed here: the pick dialog appends the new entry to it.
template <typename Record>
class NewEntryDialogOf : public NewEntryDialog {
public:
    NewEntryDialogOf(QWidget* AOwner, const CodeDictionary& MapChargeable,
                     TypedList<Record>& /*offered*/)
        : NewEntryDialog(entryKindOf<Record>, AOwner, MapChargeable) {}

    bool NuovaOperazioneAggiunta() const requires IsOperation<Record> { return handedBack(); }
    bool NuovoRicambioAggiunto() const requires IsPart<Record> { return handedBack(); }
    TOperazione Operazione() const requires IsOperation<Record> {
        return recordOf<Record>(entry());
    }
    TRicambio Ricambio() const requires IsPart<Record> { return recordOf<Record>(entry()); }
};
