#include "dms/NumeriDMS.h"

#include <QRegularExpression>
#include <cmath>

std::optional<double> decimaleDaTesto(const QString& text, const QLocale& locale) {
    QLocale strict = locale;
    strict.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(text, &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> interoDaTesto(const QString& text) {
    static const QRegularExpression wholeNumber(QStringLiteral("\\A *[+-]?[0-9]+\\z"));
    if (!wholeNumber.match(text).hasMatch()) {
        return std::nullopt;
    }
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

double arrotondaATreDecimali(double value) {
    // The shortest way to the exact decimal rounding of the binary value, for any size.
    return QString::number(value, 'f', 3).toDouble() + 0.0;  // + 0.0 turns -0 into 0
}

QString testoNumeroGenerale(double value, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value + 0.0, 'g', 15);
}
