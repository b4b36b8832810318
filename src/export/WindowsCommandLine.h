#pragma once

#include <QString>
#include <QStringList>

// Splits the arguments part of a command line into words the way a Windows program's
// start-up code does (CommandLineToArgvW and the C runtime), so a program started with an
// argument list elsewhere receives the same words:
// - blanks and tabs outside double quotes separate words;
// - double quotes group and are removed; "" inside quotes is one literal quote;
// - backslashes are literal, except before a double quote: 2n backslashes and a quote give
//   n backslashes and a grouping quote, 2n+1 give n backslashes and a literal quote;
// - an unclosed quote runs to the end of the line; "" alone is an empty word.
QStringList splitWindowsCommandLine(const QString& arguments);
