#pragma once

#include <QByteArray>
#include <QString>

// The schema errors of an export document, one per line; empty text when the document is
// valid against data/schema/KORVADEX-DmsToQuomix_v4.xsd.
QString exportSchemaErrors(const QByteArray& document);
