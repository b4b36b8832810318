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

    // The same text written piece by piece, so that a large export never sits whole in
    // memory (a hundred thousand job orders take more than a gigabyte as a tree): the start
    // (declaration and root start tag), then, as often as wanted, the root's children built
    // since, which leave the document once written, and at last the root end tag. With
    // children written, the pieces together are what formattedText() gives for the whole
    // document; without, they are the three initial lines.
    static void writeStart(pugi::xml_writer& out);
    void writeChildrenAndRemove(pugi::xml_writer& out);
    static void writeEnd(pugi::xml_writer& out);

private:
    pugi::xml_document document_;
};
