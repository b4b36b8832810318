#pragma once

#include "ui/CodeComboBox.h"
#include "ui/EntryDialogFacts.h"
#include "ui/EntryFields.h"
#include "ui/ModalDialog.h"

class QPushButton;

// The window that makes a new operation or part and the one that changes one share their
// controls: name, price (operations only), code and charge code, "Annulla" and "Conferma".
class EntryDetailsDialog : public ModalDialog {
    Q_OBJECT

public:
    // True only after a "Conferma" that went through; then `entry()` is what the dialog
    // hands back.
    bool handedBack() const { return handedBack_; }
    const Entry& entry() const { return entry_; }

    EntryFields fields;
    QPushButton* cancelButton = nullptr;
    QPushButton* confirmButton = nullptr;

protected:
    EntryDetailsDialog(EntryKind kind, const Named& window, QWidget* owner,
                       const CodeDictionary& dictionary);

    EntryKind kind() const { return kind_; }
    void handBack(const Entry& entry) {
        entry_ = entry;
        handedBack_ = true;
    }

private:
    void buildControls();

    const EntryKind kind_;
    Entry entry_;
    bool handedBack_ = false;
};
