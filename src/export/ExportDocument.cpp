#include "export/ExportDocument.h"

#include "export/KORVADEXNamespace.h"
#include "export/XmlWriters.h"
#include "platform/Errors.h"

namespace {

// The first two initial lines: the declaration and the root start tag.
QByteArray startText() {
    const QByteArray uri(KORVADEXNamespace::kServiceUri);
    const QByteArray prefix(KORVADEXNamespace::kPrefix);
    return "<?xml version=\"1.0\"?>\n<" + prefix + ':' + KORVADEXNamespace::kRootName +
           " xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\""
           " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
           " xmlns:" +
           prefix + "=\"" + uri + "\" xsi:schemaLocation=\"" + uri + ' ' +
           KORVADEXNamespace::kLocalSchemaPath + "\">\n";
}

// The last initial line: the root end tag.
QByteArray endText() {
    return "</" + QByteArray(KORVADEXNamespace::kPrefix) + ':' + KORVADEXNamespace::kRootName +
           ">\n";
}

void writeBytes(pugi::xml_writer& out, const QByteArray& bytes) {
    out.write(bytes.constData(), static_cast<size_t>(bytes.size()));
}

const char kIndent[] = "  ";

}  // namespace

ExportDocument::ExportDocument() {
    const QByteArray text = initialText();
    const pugi::xml_parse_result parsed =
        document_.load_buffer(text.constData(), static_cast<size_t>(text.size()),
                              pugi::parse_default | pugi::parse_declaration, pugi::encoding_utf8);
    if (!parsed) {
        throw TavornoError(QStringLiteral("Documento iniziale di esportazione non valido: %1")
                               .arg(QString::fromUtf8(parsed.description())));
    }
}

QByteArray ExportDocument::initialText() {
    return startText() + endText();
}

QByteArray ExportDocument::formattedText() const {
    QByteArray bytes;
    ByteArrayXmlWriter writer(bytes);
    document_.save(writer, kIndent, pugi::format_indent, pugi::encoding_utf8);
    return bytes;
}

void ExportDocument::writeStart(pugi::xml_writer& out) {
    writeBytes(out, startText());
}

void ExportDocument::writeChildrenAndRemove(pugi::xml_writer& out) {
    pugi::xml_node content = document_.document_element();
    while (const pugi::xml_node child = content.first_child()) {
        // Depth 1: indented as a child of the root in the whole document.
        child.print(out, kIndent, pugi::format_indent, pugi::encoding_utf8, 1);
        content.remove_child(child);
    }
}

void ExportDocument::writeEnd(pugi::xml_writer& out) {
    writeBytes(out, endText());
}
