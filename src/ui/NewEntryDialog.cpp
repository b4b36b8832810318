#include "ui/NewEntryDialog.h"

#include <QPushButton>

NewEntryDialog::NewEntryDialog(EntryKind kind, QWidget* owner, const CodeDictionary& dictionary)
    : EntryDetailsDialog(kind, entryDialogFacts().newEntryWindow(kind), owner, dictionary) {
    onClick(confirmButton, &NewEntryDialog::ButtonConfermaClick);
}

void NewEntryDialog::ButtonConfermaClick() {
    if (fields.refused(entryDialogFacts().newEntryChecks(kind()))) {
        return;
    }
    // The result is set before the lookup: a failing lookup closes the dialog with no entry.
    closeWhenHandlerEnds(Ok);
    handBack(fields.entry(-1));
}
