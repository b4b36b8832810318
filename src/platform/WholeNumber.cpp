#include "platform/WholeNumber.h"

#include <QRegularExpression>

std::optional<qint64> wholeNumberFromText(const QString& text) {
    // Anchored at the very end: "$" alone would also accept a trailing line break.
    static const QRegularExpression wholeNumber(
        QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]+")));
    if (!wholeNumber.match(text).hasMatch()) {
        return std::nullopt;
    }
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}
