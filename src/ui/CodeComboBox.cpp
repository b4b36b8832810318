#include "ui/CodeComboBox.h"

CodeComboBox::CodeComboBox(const char* name, CodeDictionary dictionary)
    : dictionary_(std::move(dictionary)) {
    setObjectName(QString::fromLatin1(name));
    setEditable(false);
    for (const QString& shownName : std::as_const(dictionary_.names)) {
        addItem(shownName);
    }
    setCurrentIndex(-1);
}

void CodeComboBox::chooseCode(QChar code) {
    setCurrentIndex(-1);
    if (code.isNull()) {
        return;
    }
    for (auto pair = dictionary_.names.cbegin(); pair != dictionary_.names.cend(); ++pair) {
        if (pair.key().startsWith(code)) {
            setCurrentIndex(findText(pair.value(), Qt::MatchExactly));
        }
    }
}

QChar CodeComboBox::chosenCode() const {
    const QString code = dictionary_.codeOf(currentText());
    return code.isEmpty() ? QChar() : code.front();
}
