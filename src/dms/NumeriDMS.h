#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// Numbers of the DMS job card document, read and written in the user's locale.

// The decimal number the text holds in the locale's format (its decimal separator, no
// thousands separator, an optional sign and exponent); nothing when the text is not such
// a number or is not finite.
std::optional<double> decimaleDaTesto(const QString& text, const QLocale& locale);

// The whole number the text holds (decimal digits with an optional sign, blanks allowed in
// front); nothing when it is not one or does not fit in an int.
std::optional<int> interoDaTesto(const QString& text);

// Rounded to three decimals as the text "0.000" would show it: the exact value of the
// double, halves away from zero.
double arrotondaATreDecimali(double value);

// General number format: at most 15 significant digits, no trailing zeros, no thousands
// separator, the locale's decimal separator (42.5 gives "42,5" in Italian, 80 gives "80").
QString testoNumeroGenerale(double value, const QLocale& locale);
