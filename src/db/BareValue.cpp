#include "db/BareValue.h"

#include "platform/Errors.h"
#include "platform/WholeNumber.h"

qint64 requireWholeNumber(const QString& text, const QString& what) {
    const std::optional<qint64> value = wholeNumberFromText(text);
    if (!value) {
        throw ConversionError(
            QStringLiteral("%1 \"%2\" non è un numero intero: non posso salvarlo.")
                .arg(what, text));
    }
    return *value;
}
