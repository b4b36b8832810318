#pragma once

#include <QString>
#include <optional>

// The value of a text that is a whole number and nothing else: decimal digits with an
// optional sign in front ("00123" is 123). No value for any other text, blanks and a
// trailing line break included, or for a number beyond 64 bits.
std::optional<qint64> wholeNumberFromText(const QString& text);
