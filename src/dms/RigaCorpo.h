#pragma once

#include "model/ClassOperazione.h"
#include "model/ClassRicambio.h"

#include <QLocale>
#include <QString>

// One line of the section "corpo" of the DMS job card document: a text of fixed columns.
// Positions count characters from 1, both ends included; a field that reaches past the
// end of the line is cut there, possibly to nothing. Every field is trimmed of blanks and
// control characters except the line code and the payment code.
struct RigaCorpo {
    QString codiceRiga;           // up to the first blank; empty when there is none
    QString testoOperazione;      // between the first and the second "|"
    QString descrizioneRicambio;  // 23 to 82
    QString codicePagamento;      // 84 to 85, selects the rate
    QString codiceRicambio;       // 87 to 101
    QString importo1;             // 117 to 120
    QString importo2;             // 125 to 128
    QString importo3;             // 133 to 136
    QString codiceOperazione;     // 253 to 267

    static RigaCorpo leggi(const QString& riga);

    // The two tests are independent of each other; letter case counts.
    bool isOperazione() const { return codiceRiga.startsWith(QLatin1String("P4R")); }
    bool isRicambio() const { return codiceRiga.startsWith(QLatin1String("P4S")); }
};

// The key of the section "testa" that holds the rate of a payment code; empty when the
// code has no rate.
QString chiaveTariffa(const QString& codicePagamento);

// The offered operation of an operation line. The price is the sum of the three amounts
// times the rate, rounded to three decimals, when the rate is above 0, and 0 otherwise.
// Throws ConversionError when an amount is not a decimal number in the locale, or the
// price comes out too large to be a number.
TOperazione operazioneDaRiga(const RigaCorpo& riga, double tariffa, const QLocale& locale);

// The offered part of a part line.
TRicambio ricambioDaRiga(const RigaCorpo& riga);
