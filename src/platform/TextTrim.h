#pragma once

#include <QString>

// The text without the blanks and control characters (every character up to U+0020) at
// both ends. Unlike QString::trimmed, it keeps other Unicode spaces and removes every
// control character, as the DMS document's fields are meant to be cleaned.
QString trimBlanksAndControls(const QString& text);
