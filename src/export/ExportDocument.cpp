#include "export/ExportDocument.h"

#include "export/KORVADEXNamespace.h"
#include "platform/Errors.h"

namespace {

class ByteArrayWriter : public pugi::xml_writer {
public:
    explicit ByteArrayWriter(QByteArray& bytes) : bytes_(bytes) {}
    void write(const void* data, size_t size) override {
        const qsizetype needed = bytes_.size() + static_cast<qsizetype>(size);
        // Doubling, as the appends alone would reallocate the whole text for every chunk
        // pugixml hands over.
        if (needed > bytes_.capacity()) {
            bytes_.reserve(2 * needed);
        }
        bytes_.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }

private:
    QByteArray& bytes_;
};

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
    const QByteArray uri(KORVADEXNamespace::kServiceUri);
    const QByteArray prefix(KORVADEXNamespace::kPrefix);
    return "<?xml version=\"1.0\"?>\n<" + prefix + ':' + KORVADEXNamespace::kRootName +
           " xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\""
           " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
           " xmlns:" +
           prefix + "=\"" + uri + "\" xsi:schemaLocation=\"" + uri + ' ' +
           KORVADEXNamespace::kLocalSchemaPath + "\">\n</" + prefix + ':' +
           KORVADEXNamespace::kRootName + ">\n";
}

QByteArray ExportDocument::formattedText() const {
    QByteArray bytes;
    ByteArrayWriter writer(bytes);
    document_.save(writer, "  ", pugi::format_indent, pugi::encoding_utf8);
    return bytes;
}
