#include "app/Settings.h"

#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"

#include <QDir>
#include <cmath>

namespace Settings {

QString read(const QString& key) {
    return IniFile::read(Paths::settingsFile(), kSection, key);
}

QString databasePath() {
    const IniFile file(Paths::settingsFile());
    const QString where = QDir::toNativeSeparators(file.path());
    const QString whatToDo = QStringLiteral(
        "Tavorno legge le impostazioni dal file KORVADEX.ini della cartella da cui viene "
        "avviato: avviarlo dalla cartella giusta, o ripristinare il file.");
    if (!file.fileExists()) {
        throw TavornoError(QStringLiteral("Il file di configurazione \"%1\" non esiste.\r\n%2")
                               .arg(where, whatToDo));
    }
    if (!file.readError().isEmpty()) {
        throw TavornoError(
            QStringLiteral("Il file di configurazione \"%1\" non si può leggere (%2).\r\n%3")
                .arg(where, file.readError(), whatToDo));
    }
    if (file.isBlank()) {
        throw TavornoError(
            QStringLiteral("Il file di configurazione \"%1\" è vuoto.\r\n%2").arg(where, whatToDo));
    }
    const QString path = file.readString(kSection, QStringLiteral("DBPath"));
    if (path.isEmpty()) {
        throw TavornoError(QStringLiteral("Nel file di configurazione \"%1\" manca il percorso "
                                          "del database (chiave DBPath della sezione [Params]).")
                               .arg(where));
    }
    return path;
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
