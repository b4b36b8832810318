#include "ui/ChangeEntryDialog.h"

#include "app/PrezzoOperazione.h"
#include "platform/Interaction.h"
#include "ui/Controls.h"

#include <QPushButton>

ChangeEntryDialog::ChangeEntryDialog(EntryKind kind, QWidget* owner, const Entry& original,
                                     const CodeDictionary& dictionary)
    : EntryDetailsDialog(kind, entryDialogFacts().changeWindow(kind), owner, dictionary),
      original_(original) {
    onClick(confirmButton, &ChangeEntryDialog::ButtonConfermaClick);
    FormCreate();
}

void ChangeEntryDialog::FormCreate() {
    showWhole(fields.name, original_.description);
    fields.showDetails(original_);
}

void ChangeEntryDialog::ButtonConfermaClick() {
    if (fields.refused(entryDialogFacts().changeChecks(kind())) ||
        !interaction().confirm(entryDialogFacts().changeQuestion)) {
        return;
    }
    Entry changed = fields.entry(original_.id);
    changed.price = prezzoConVirgola(changed.price);
    handBack(changed);
    closeWhenHandlerEnds(Ok);
}
