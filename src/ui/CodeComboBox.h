#pragma once

#include "db/ReferenceTables.h"

#include <QComboBox>
#include <functional>

// A reference table as the windows use it: code to shown name, and the lookup that turns a
// shown name back into its code (asked of the database).
struct CodeDictionary {
    MappaCodici names;
    std::function<QString(const QString& name)> codeOf;
};

// The names of a code dictionary in the order the dictionary yields them, one to choose:
// the user cannot type over a choice, so only a listed name ever reaches the lookup.
class CodeComboBox : public QComboBox {
    Q_OBJECT

public:
    CodeComboBox(const char* name, CodeDictionary dictionary);

    // Chooses the name of the pair whose code begins with `code` (when several do, the last);
    // no choice when none does or `code` is the null character.
    void chooseCode(QChar code);
    bool hasChoice() const { return currentIndex() >= 0; }
    // The first character of the chosen name's code, by the lookup; the null character when
    // the lookup finds none.
    QChar chosenCode() const;

private:
    CodeDictionary dictionary_;
};
