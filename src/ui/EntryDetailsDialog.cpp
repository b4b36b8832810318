#include "ui/EntryDetailsDialog.h"

#include "ui/Controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

EntryDetailsDialog::EntryDetailsDialog(EntryKind kind, const Named& window, QWidget* owner,
                                       const CodeDictionary& dictionary)
    : ModalDialog(window.text, owner),
      fields(kind, entryDialogFacts().detailsFields(kind), dictionary),
      kind_(kind) {
    setObjectName(QString::fromLatin1(window.name));
    buildControls();
    setClientArea(entryDialogFacts().detailsClientArea(kind));
}

void EntryDetailsDialog::buildControls() {
    cancelButton = button("ButtonAnnulla", QStringLiteral("Annulla"));
    confirmButton = button("ButtonConferma", QStringLiteral("Conferma"));

    const FieldLabels& labels = entryDialogFacts().detailsLabels(kind_);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(3, 1);
    int row = 0;
    const auto addRow = [grid, &row](const Named& label, QWidget* control, int columns) {
        grid->addWidget(named(fieldLabel(label.text, control), label.name), row, 0);
        grid->addWidget(control, row, 1, 1, columns);
        ++row;
    };
    addRow(labels.name, fields.name, 3);
    if (fields.price != nullptr) {
        grid->addWidget(named(new QLabel(QStringLiteral("€")), labels.euro), row, 2);
        addRow({labels.price, QStringLiteral("Prezzo:")}, fields.price, 1);
    }
    addRow(labels.code, fields.code, 1);
    addRow(labels.chargeCode, fields.chargeCode, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelButton);
    buttons->addWidget(confirmButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);

    QList<QWidget*> tabOrder{fields.name};
    if (fields.price != nullptr) {
        tabOrder << fields.price;
    }
    tabOrder << fields.code << fields.chargeCode << cancelButton << confirmButton;
    chainTabOrder(tabOrder);

    closesWith(cancelButton, Cancel);
}
