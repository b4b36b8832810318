#include "export/KORVADEXDmsToQuomix_v4.h"

#include "export/KORVADEXNamespace.h"
#include "platform/Errors.h"
#include "platform/WholeNumber.h"

#include <QByteArray>
#include <QLocale>
#include <QVarLengthArray>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

[[noreturn]] void throwIndexOutOfBounds(int index) {
    throw TavornoError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

// Text as UTF-8 for an attribute value, in one pass and without a heap allocation for the
// short texts of the export. XML 1.0 has no way to write most control characters, not even
// as character references; a blank takes their place so that the document stays well-formed.
using Utf8Text = QVarLengthArray<char, 256>;

bool isXmlChar(char16_t code) {
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code < 0xD800) ||
           (code >= 0xE000 && code <= 0xFFFD);
}

char* putUtf8(char* out, char32_t code) {
    if (code < 0x80) {
        *out++ = static_cast<char>(code);
    } else if (code < 0x800) {
        *out++ = static_cast<char>(0xC0 | (code >> 6));
        *out++ = static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (code >> 12));
        *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (code & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (code >> 18));
        *out++ = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

void toXmlUtf8(Utf8Text& out, const QString& text) {
    // A UTF-16 unit takes at most three bytes (a surrogate pair four for two units): room
    // for the worst case first, so the loop writes without checking the capacity.
    out.resize(3 * text.size());
    char* next = out.data();
    const auto* units = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t code = units[i];
        if (code >= 0x20 && code < 0x80) {  // the common case: printable ASCII
            *next++ = static_cast<char>(code);
        } else if (QChar::isHighSurrogate(code) && i + 1 < size &&
                   QChar::isLowSurrogate(units[i + 1])) {
            next = putUtf8(next, QChar::surrogateToUcs4(code, units[i + 1]));
            ++i;
        } else {
            next = putUtf8(next, isXmlChar(code) ? code : u' ');
        }
    }
    out.resize(next - out.data());
}

QString readText(pugi::xml_node element, const char* name) {
    return QString::fromUtf8(element.attribute(name).value());
}

void writeText(pugi::xml_node element, const char* name, const QString& text) {
    pugi::xml_attribute attribute = element.attribute(name);
    if (!attribute) {
        attribute = element.append_attribute(name);
    }
    Utf8Text value;
    toXmlUtf8(value, text);
    attribute.set_value(value.constData(), static_cast<size_t>(value.size()));
}

double decimalFromText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return 0.0;
    }
    if (trimmed.compare(QLatin1String("NaN"), Qt::CaseInsensitive) == 0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (trimmed.compare(QLatin1String("INF"), Qt::CaseInsensitive) == 0) {
        return std::numeric_limits<double>::infinity();
    }
    if (trimmed.compare(QLatin1String("-INF"), Qt::CaseInsensitive) == 0) {
        return -std::numeric_limits<double>::infinity();
    }
    bool ok = false;
    const double value = trimmed.toDouble(&ok);  // always "." as separator
    if (!ok) {
        throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
    return value;
}

QString decimalToText(double value) {
    if (std::isnan(value)) {
        return QStringLiteral("NaN");
    }
    if (std::isinf(value)) {
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    }
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

// The name of a new child: the parent's prefix, so the child is in the parent's namespace.
// Kept on the stack: every element of the document is named this way.
class QualifiedName {
public:
    QualifiedName(pugi::xml_node parent, const char* localName) {
        const char* parentName = parent.name();
        const char* colon = std::strchr(parentName, ':');
        if (colon != nullptr) {
            name_.append(parentName, colon - parentName + 1);
        }
        name_.append(localName, static_cast<qsizetype>(std::strlen(localName)) + 1);
    }
    const char* constData() const { return name_.constData(); }

private:
    QVarLengthArray<char, 64> name_;
};

// The n-th child (0 first) or, at the number of children, an empty node (append).
pugi::xml_node childAtPosition(pugi::xml_node parent, int position, bool& found) {
    found = position >= 0;
    pugi::xml_node child = parent.first_child();
    for (int i = 0; found && i < position; ++i) {
        if (!child) {
            found = false;
        } else {
            child = child.next_sibling();
        }
    }
    return child;
}

pugi::xml_node insertChild(pugi::xml_node parent, const QualifiedName& name,
                           pugi::xml_node before) {
    return before ? parent.insert_child_before(name.constData(), before)
                  : parent.append_child(name.constData());
}

}  // namespace

qint64 int64FromText(const QString& text) {
    const std::optional<qint64> value = wholeNumberFromText(text);
    if (!value) {
        throw ConversionError(
            QStringLiteral("'%1' is not a valid integer value for %2 type").arg(text, "Int64"));
    }
    return *value;
}

template <>
QString XMLAttribute<QString>::get() const {
    return readText(element_, name_);
}

template <>
void XMLAttribute<QString>::set(const QString& value) const {
    writeText(element_, name_, value);
}

template <>
qint64 XMLAttribute<qint64>::get() const {
    return int64FromText(readText(element_, name_));
}

template <>
void XMLAttribute<qint64>::set(const qint64& value) const {
    writeText(element_, name_, QString::number(value));
}

template <>
double XMLAttribute<double>::get() const {
    return decimalFromText(readText(element_, name_));
}

template <>
void XMLAttribute<double>::set(const double& value) const {
    writeText(element_, name_, decimalToText(value));
}

pugi::xml_node XMLElementView::createChild(const char* localName, int position) const {
    bool found = false;
    const pugi::xml_node before = childAtPosition(element_, position, found);
    if (!found) {
        throwIndexOutOfBounds(position);
    }
    return insertChild(element_, QualifiedName(element_, localName), before);
}

pugi::xml_node XMLElementView::appendChild(const char* localName) const {
    return insertChild(element_, QualifiedName(element_, localName), pugi::xml_node());
}

pugi::xml_node XMLElementView::child(const char* localName) const {
    const QualifiedName name(element_, localName);
    pugi::xml_node parent = element_;
    const pugi::xml_node existing = parent.child(name.constData());
    return existing ? existing : parent.append_child(name.constData());
}

namespace XMLListItems {

int count(pugi::xml_node list, const char* itemName) {
    const QualifiedName name(list, itemName);
    int result = 0;
    for (pugi::xml_node item = list.child(name.constData()); item;
         item = item.next_sibling(name.constData())) {
        ++result;
    }
    return result;
}

pugi::xml_node at(pugi::xml_node list, const char* itemName, int index) {
    const QualifiedName name(list, itemName);
    pugi::xml_node item = list.child(name.constData());
    for (int i = 0; item && i < index; ++i) {
        item = item.next_sibling(name.constData());
    }
    if (index < 0 || !item) {
        throwIndexOutOfBounds(index);
    }
    return item;
}

pugi::xml_node insert(pugi::xml_node list, const char* itemName, int index) {
    const int itemCount = count(list, itemName);
    if (index < 0 || index > itemCount) {
        throwIndexOutOfBounds(index);
    }
    const QualifiedName name(list, itemName);
    const pugi::xml_node before = index < itemCount ? at(list, itemName, index) : pugi::xml_node();
    return insertChild(list, name, before);
}

}  // namespace XMLListItems

TXMLCommessaList GetCONTENT(pugi::xml_document& document) {
    const pugi::xml_node root = document.document_element();
    const QByteArray prefix(KORVADEXNamespace::kPrefix);
    const bool isContent = root &&
                           QByteArray(root.name()) == prefix + ':' + KORVADEXNamespace::kRootName &&
                           QByteArray(root.attribute(("xmlns:" + prefix).constData()).value()) ==
                               KORVADEXNamespace::kServiceUri;
    if (!isContent) {
        throw TavornoError(
            QStringLiteral("Il documento di esportazione non ha la radice dms:CONTENT."));
    }
    return TXMLCommessaList(root);
}
