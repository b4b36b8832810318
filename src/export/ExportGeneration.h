#pragma once

#include "export/ExportStore.h"
#include "model/ClassListaCommesse.h"

#include <QByteArray>
#include <QString>

// Ids in the export document: "0" characters in front until the text is 9 characters
// long (123 gives 000000123); a longer id is returned as it is.
QString AggiungiZeriIdCommessa(const QString& id);
QString AggiungiZeriIdInconveniente(const QString& id);

// The form of a price in "FIXEDPRICE": "." as separator and, for an integer part of up to
// five digits, three decimals (12,5 gives 12.500); never grown past 10 characters.
QString FormattaPrezzo(const QString& prezzo);

// The export document of the job orders, in list order, as it is saved. The customers and
// vehicles of the job orders are loaded from the store, all at once. Throws without any side
// effect on a customer id that is not a whole number, a missing customer, a price not in the
// stored form (one to five digits, optionally a comma and one to three digits) and a
// database error; each message names the job order.
QByteArray buildExportXml(const TListaCommesse& lista, ExportStore& store);

// Writes the export document of the list atomically to `exportFile`, job order by job
// order as each is built, so that not even a hundred thousand job orders sit in memory as
// one tree. Throws as buildExportXml does, or when writing fails; then the file is as it
// was before.
void writeExportXml(const TListaCommesse& lista, ExportStore& store, const QString& exportFile);

// The generation as "Genera XML Odierno", "Genera XML e Invia..." and the batch export
// run it: writeExportXml to `exportFile` (Paths::exportDocument() in the program).
// - Returns false after showing "Non c'è alcuna Commessa da generare!" when the list is
//   empty; nothing is written.
// - Returns true after showing "XML generato con successo!".
// - Throws TavornoError when the folder of `exportFile` is missing, when building fails or
//   when writing fails; then the file is as it was before.
bool GeneraXML(const TListaCommesse& lista, ExportStore& store, const QString& exportFile);
