#include "app/Settings.h"

#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"

#include <cmath>

namespace Settings {

QString read(const QString& key) {
    return IniFile::read(Paths::settingsFile(), kSection, key);
}

bool parseBoolean(const QString& text) {
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    if (isNumber && std::isfinite(number)) {
        return number != 0.0;
    }
    throw ConversionError(QStringLiteral("'%1' is not a valid boolean value").arg(text));
}

}  // namespace Settings
