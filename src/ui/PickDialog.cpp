#include "ui/PickDialog.h"

#include "app/PrezzoOperazione.h"
#include "platform/Errors.h"
#include "platform/Interaction.h"
#include "ui/Controls.h"
#include "ui/NewEntryDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const EntryDialogFacts& facts = entryDialogFacts();

}  // namespace

PickDialog::PickDialog(EntryKind kind, QWidget* owner, const CodeDictionary& dictionary,
                       std::unique_ptr<EntryList> offered, NewEntryWindow newEntryWindow)
    : ModalDialog(facts.pickWindow(kind).text, owner),
      fields(kind, facts.pickFields(kind), dictionary),
      kind_(kind),
      dictionary_(dictionary),
      offered_(std::move(offered)),
      newEntryWindow_(std::move(newEntryWindow)) {
    setObjectName(QString::fromLatin1(facts.pickWindow(kind).name));
    buildControls();
    setClientArea(facts.pickClientArea);
    FormCreate();
}

void PickDialog::buildControls() {
    offeredList = named(new QListWidget, facts.offeredList(kind_).name);
    offeredList->setAccessibleName(facts.offeredList(kind_).text);
    fields.name->setAccessibleName(facts.pickNameSpokenName(kind_));
    QFont bold = fields.name->font();
    bold.setBold(true);
    fields.name->setFont(bold);
    moveButton = button(facts.moveButton(kind_).name, facts.moveButton(kind_).text);
    cancelButton = button("ButtonAnnulla", QStringLiteral("Annulla"));
    newButton = button(facts.newButton(kind_).name, facts.newButton(kind_).text);
    selectButton = button(facts.selectButton(kind_), QStringLiteral("Seleziona"));

    const FieldLabels& labels = facts.pickLabels(kind_);
    auto* row = new QHBoxLayout;
    details_ = {fields.name};
    if (fields.price != nullptr) {
        auto* priceLabel = named(fieldLabel(QStringLiteral("Prezzo:"), fields.price), labels.price);
        auto* euro = named(new QLabel(QStringLiteral("€")), labels.euro);
        row->addWidget(priceLabel);
        row->addWidget(fields.price);
        row->addWidget(euro);
        row->addSpacing(12);
        details_ << priceLabel << fields.price << euro;
    }
    auto* codeLabel = named(fieldLabel(labels.code.text, fields.code), labels.code.name);
    auto* chargeCodeLabel =
        named(fieldLabel(labels.chargeCode.text, fields.chargeCode), labels.chargeCode.name);
    row->addWidget(codeLabel);
    row->addWidget(fields.code);
    row->addSpacing(12);
    row->addWidget(chargeCodeLabel);
    row->addWidget(fields.chargeCode, 1);
    details_ << codeLabel << fields.code << chargeCodeLabel << fields.chargeCode << moveButton
             << selectButton;

    auto* moveRow = new QHBoxLayout;
    moveRow->addStretch();
    moveRow->addWidget(moveButton);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    buttons->addWidget(newButton);
    buttons->addWidget(selectButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(offeredList, 1);
    layout->addWidget(fields.name);
    layout->addLayout(row);
    layout->addLayout(moveRow);
    layout->addWidget(horizontalRule("Panel1"));
    layout->addLayout(buttons);

    QList<QWidget*> tabOrder{offeredList, fields.name};
    if (fields.price != nullptr) {
        tabOrder << fields.price;
    }
    tabOrder << fields.code << fields.chargeCode << moveButton << cancelButton << newButton
             << selectButton;
    chainTabOrder(tabOrder);

    // A click, also on the entry already selected, or a selection made with the keys.
    connectHandler(offeredList, &QListWidget::itemClicked, &PickDialog::ChangeSelection);
    connectHandler(offeredList, &QListWidget::itemSelectionChanged, &PickDialog::ChangeSelection);
    onClick(selectButton, &PickDialog::ButtonSelezionaClick);
    onClick(newButton, &PickDialog::ButtonNuovaVoceClick);
    onClick(moveButton, &PickDialog::ButtonSpostaClick);
    closesWith(cancelButton, Cancel);
    if (facts.escapeCancels(kind_)) {
        bindEscape(cancelButton);
    }
}

void PickDialog::FormCreate() {
    pickedIndex_ = -1;
    enableDetails(false);
    for (int i = 0; i < offered_->count(); ++i) {
        offeredList->addItem(offered_->at(i).description);
    }
}

int PickDialog::selectedRow() const {
    const QList<QListWidgetItem*> selected = offeredList->selectedItems();
    return selected.isEmpty() ? -1 : offeredList->row(selected.front());
}

void PickDialog::enableDetails(bool enabled) {
    for (QWidget* control : std::as_const(details_)) {
        control->setEnabled(enabled);
    }
}

// Clicking the entry the name field already shows keeps what the user typed; another entry
// fills the fields from the list, where the last entry of that description decides.
void PickDialog::ChangeSelection() {
    const int row = selectedRow();
    if (row < 0) {
        return;
    }
    const QString description = offeredList->item(row)->text();
    if (description == fields.name->text()) {
        return;
    }
    fields.chargeCode->setCurrentIndex(-1);
    showWhole(fields.name, description);
    for (int i = 0; i < offered_->count(); ++i) {
        const Entry entry = offered_->at(i);
        if (entry.description == description) {
            enableDetails(true);
            fields.showDetails(entry);
        }
    }
}

void PickDialog::ButtonSelezionaClick() {
    pickedIndex_ = -1;
    const int row = selectedRow();
    if (fields.refused(facts.pickChecks(kind_), row >= 0)) {
        return;
    }
    // The result is set before the lookup: a failing lookup closes the dialog with nothing
    // picked.
    closeWhenHandlerEnds(Ok);
    picked_ = fields.entry(-1);
    picked_.price = prezzoConVirgola(picked_.price);
    offered_->replace(row, picked_);
    pickedIndex_ = row;
}

void PickDialog::ButtonNuovaVoceClick() {
    const std::unique_ptr<NewEntryDialog> dialog = newEntryWindow_(this, dictionary_);
    interaction().showModal(*dialog);
    if (!dialog->handedBack()) {
        return;
    }
    enableDetails(true);
    offered_->append(dialog->entry());
    offeredList->addItem(dialog->entry().description);
}

// An operation becomes a part with the code in the code field; a part becomes an operation
// with its stored code and no price. The fields keep what they hold.
void PickDialog::ButtonSpostaClick() {
    const int row = selectedRow();
    if (row < 0) {
        interaction().showMessage(QStringLiteral("Info"), facts.moveSelectionMissing(kind_));
        return;
    }
    if (!moveTarget_) {
        throw TavornoError(QStringLiteral("Non è stata indicata la lista in cui spostare."));
    }
    Entry moved = offered_->at(row);
    const MoveQuestion& question = facts.moveQuestion(kind_);
    if (!interaction().confirm(question.start + u'"' + moved.description + u'"' + question.end)) {
        return;
    }
    moved.id = -1;
    if (facts.movedCode(kind_) == MovedCode::FromCodeField) {
        moved.code = fields.code->text();
    }
    moveTarget_->append(moved);
    offered_->remove(row);
    // The list is left without a selection: nothing is selected in the item's place.
    const QSignalBlocker quiet(offeredList);
    delete offeredList->takeItem(row);
    offeredList->setCurrentRow(-1);
}
