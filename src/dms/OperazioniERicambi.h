#pragma once

#include "model/ClassListaOperazioni.h"
#include "model/ClassListaRicambi.h"

#include <QLocale>

class IniFile;

// Builds the operations and parts that the DMS job card offers from the lines r000, r001,
// ... of its section "corpo", in counter order, up to the first missing key.
// Both lists are first made empty (also without a document). Throws ConversionError, with
// the line's key in the message, when a rate or an amount is not a decimal number in the
// locale; the lists then keep the lines read before.
void LoadOperazioniERicambi(const IniFile& documento, TListaOperazioni& ListaOperazioniDisponibili,
                            TListaRicambi& ListaRicambiDisponibili,
                            const QLocale& locale = QLocale::system());

// The key of the line with this counter: "r" and at least three digits (r007, r100, r1000).
QString chiaveRigaCorpo(int contatore);
