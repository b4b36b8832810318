#pragma once

#include "export/KORVADEXDmsToQuomix_v4.h"

#include <QByteArray>
#include <pugixml.hpp>

// The export document. It starts as the three initial lines: the XML declaration, the
// root dms:CONTENT start tag with its namespace declarations and xsi:schemaLocation, and
// the root end tag. Each export builds a document of its own, so nothing of an export
// that stopped half-way can reach the next one.
class ExportDocument {
public:
    ExportDocument();
    ExportDocument(const ExportDocument&) = delete;
    ExportDocument& operator=(const ExportDocument&) = delete;

    // The three initial lines.
    static QByteArray initialText();

    TXMLCommessaList root() { return GetCONTENT(document_); }

    // The document as saved: UTF-8, every element on a line of its own, indented by two
    // blanks per level of nesting.
    QByteArray formattedText() const;

private:
    pugi::xml_document document_;
};
