#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

// A line of the section "corpo" with each text starting at its column (counted from 1),
// blanks in between.
inline QString rigaDiProva(std::initializer_list<std::pair<int, const char*>> campi) {
    QString text;
    for (const auto& [colonna, testo] : campi) {
        const QString value = QString::fromUtf8(testo);
        if (text.size() < colonna - 1 + value.size()) {
            text = text.leftJustified(colonna - 1 + value.size(), u' ');
        }
        text.replace(colonna - 1, value.size(), value);
    }
    return text;
}
