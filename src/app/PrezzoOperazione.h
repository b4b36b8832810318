#pragma once

#include <QString>

// The price of an operation as the user types it: one to five digits, optionally one comma
// or one point and one to three digits, and nothing else (no sign, no blank, no thousands
// separator, no line break). An empty price is not valid.
bool prezzoValido(const QString& prezzo);

// The price as it reaches a complaint: every point turned into a comma.
QString prezzoConVirgola(QString prezzo);
