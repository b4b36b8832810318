#pragma once

#include "ui/EntryDetailsDialog.h"

// The dialog that changes an operation or part of a complaint: it opens on a copy of the
// entry and, once the user confirms, hands back the changed entry under the same id.
class ChangeEntryDialog : public EntryDetailsDialog {
    Q_OBJECT

protected:
    ChangeEntryDialog(EntryKind kind, QWidget* owner, const Entry& original,
                      const CodeDictionary& dictionary);

private:
    void FormCreate();
    void ButtonConfermaClick();

    const Entry original_;
};

// The change dialog of one kind of record, with the constructor and the names its callers
// know: TFormModificaOperazione and TFormModificaRicambio only give it their class.
template <typename Record>
class ChangeEntryDialogOf : public ChangeEntryDialog {
public:
    ChangeEntryDialogOf(QWidget* AOwner, const Record& changing,
                        const CodeDictionary& MapChargeable)
        : ChangeEntryDialog(entryKindOf<Record>, AOwner, entryOf(changing), MapChargeable) {}

    bool EditedOperazione() const requires IsOperation<Record> { return handedBack(); }
    bool EditedRicambio() const requires IsPart<Record> { return handedBack(); }
    TOperazione OperazioneModificata() const requires IsOperation<Record> {
        return recordOf<Record>(entry());
    }
    TRicambio RicambioModificato() const requires IsPart<Record> {
        return recordOf<Record>(entry());
    }
};
