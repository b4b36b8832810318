#include "db/BareValue.h"

#include "platform/Errors.h"

#include <QRegularExpression>

qint64 requireWholeNumber(const QString& text, const QString& what) {
    // Anchored at the very end: "$" alone would also accept a trailing line break.
    static const QRegularExpression wholeNumber(
        QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]+")));
    bool ok = false;
    qint64 value = 0;
    if (wholeNumber.match(text).hasMatch()) {
        value = text.toLongLong(&ok);
    }
    if (!ok) {
        throw ConversionError(
            QStringLiteral("%1 \"%2\" non è un numero intero: non posso salvarlo.")
                .arg(what, text));
    }
    return value;
}
