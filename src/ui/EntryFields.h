#pragma once

#include "ui/CodeComboBox.h"
#include "ui/Entry.h"
#include "ui/EntryDialogFacts.h"

class QLineEdit;

// The fields an operation or a part is typed into: the pick dialog's, which show the
// selected entry, and those of the new-entry and change dialogs. The limits are the kind's.
struct EntryFields {
    EntryFields(EntryKind kind, const FieldNames& names, const CodeDictionary& dictionary);

    QLineEdit* name = nullptr;
    QLineEdit* price = nullptr;  // operations only
    QLineEdit* code = nullptr;
    CodeComboBox* chargeCode = nullptr;

    // Shows the entry's price, code and charge code (none when it has none).
    void showDetails(const Entry& entry);
    // Runs the checks of `order` on what the fields hold, and on whether an entry of the
    // window's list is `selected`; shows the first refusal and is true then.
    bool refused(const QList<EntryCheck>& order, bool selected = false) const;
    // What the fields hold, the price as typed; the charge code is looked up by its name.
    Entry entry(int id) const;

private:
    QString priceText() const;

    EntryKind kind_;
};
