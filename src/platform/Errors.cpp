#include "platform/Errors.h"

TavornoError::TavornoError(QString message)
    : message_(std::move(message)), utf8_(message_.toUtf8()) {}

RangeError::RangeError() : TavornoError(QStringLiteral("Argument out of range")) {}

QString errorMessage(const std::exception& error) {
    if (const auto* own = dynamic_cast<const TavornoError*>(&error)) {
        return own->message();
    }
    return QString::fromUtf8(error.what());
}
