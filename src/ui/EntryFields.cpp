#include "ui/EntryFields.h"

#include "ui/Controls.h"

#include <QLineEdit>

EntryFields::EntryFields(EntryKind kind, const FieldNames& names, const CodeDictionary& dictionary)
    : kind_(kind) {
    const EntryDialogFacts& facts = entryDialogFacts();
    name = lineEdit(names.name, facts.nameLimit(kind));
    if (facts.hasPrice(kind)) {
        price = lineEdit(names.price, facts.priceLimit);
        fitWidthToDigits(price, facts.priceLimit + 1);
    }
    code = lineEdit(names.code, facts.codeLimit(kind));
    fitWidthToDigits(code, facts.codeLimit(kind) + 1);
    chargeCode = new CodeComboBox(names.chargeCode, dictionary);
}

void EntryFields::showDetails(const Entry& entry) {
    if (price != nullptr) {
        showWhole(price, entry.price);
    }
    showWhole(code, entry.code);
    chargeCode->chooseCode(entry.chargeCode);
}

bool EntryFields::refused(const QList<EntryCheck>& order, bool selected) const {
    return refusedWithMessage(order, kind_,
                              {selected, chargeCode->hasChoice(), priceText(), code->text()});
}

Entry EntryFields::entry(int id) const {
    const QChar chosen = chargeCode->chosenCode();
    return {id, name->text(), code->text(), priceText(), chosen};
}

QString EntryFields::priceText() const {
    return price != nullptr ? price->text() : QString();
}
