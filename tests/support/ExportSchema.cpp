#include "support/ExportSchema.h"

#include <libxml/parser.h>
#include <libxml/xmlschemas.h>
#include <memory>

namespace {

void collectError(void* errors, xmlErrorPtr error) {
    *static_cast<QString*>(errors) +=
        QStringLiteral("line %1: %2").arg(error->line).arg(QString::fromUtf8(error->message));
}

struct LoadedSchema {
    LoadedSchema() {
        xmlSchemaParserCtxtPtr parser = xmlSchemaNewParserCtxt(TAVORNO_EXPORT_SCHEMA);
        xmlSchemaSetParserStructuredErrors(parser, collectError, &loadErrors);
        schema = xmlSchemaParse(parser);
        xmlSchemaFreeParserCtxt(parser);
    }
    ~LoadedSchema() { xmlSchemaFree(schema); }

    xmlSchemaPtr schema = nullptr;
    QString loadErrors;
};

}  // namespace

QString exportSchemaErrors(const QByteArray& document) {
    static const LoadedSchema loaded;
    if (loaded.schema == nullptr) {
        return QStringLiteral("schema not loaded: ") + loaded.loadErrors;
    }
    std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> doc(
        xmlReadMemory(document.constData(), static_cast<int>(document.size()), "KORVADEX.XML",
                      nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING),
        xmlFreeDoc);
    if (!doc) {
        return QStringLiteral("not well-formed XML");
    }
    QString errors;
    std::unique_ptr<xmlSchemaValidCtxt, decltype(&xmlSchemaFreeValidCtxt)> validator(
        xmlSchemaNewValidCtxt(loaded.schema), xmlSchemaFreeValidCtxt);
    xmlSchemaSetValidStructuredErrors(validator.get(), collectError, &errors);
    if (xmlSchemaValidateDoc(validator.get(), doc.get()) != 0 && errors.isEmpty()) {
        errors = QStringLiteral("invalid");
    }
    return errors;
}
