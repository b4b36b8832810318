#include "platform/Paths.h"

#include "platform/IniFile.h"

#include <QDir>

namespace Paths {

QString settingsFile() {
    return QDir::current().filePath(QStringLiteral("KORVADEX.ini"));
}

QString dmsFolder() {
    const QString configured =
        IniFile::read(settingsFile(), QStringLiteral("Params"), QStringLiteral("CartellaDMS"));
    if (!configured.isEmpty()) {
        return QDir::cleanPath(QDir::current().absoluteFilePath(configured));
    }
#ifdef Q_OS_WIN
    return QStringLiteral("C:/IDAPI/STAMPA");
#else
    return QDir::home().filePath(QStringLiteral("IDAPI/STAMPA"));
#endif
}

QString dmsDocument() {
    return QDir(dmsFolder()).filePath(QStringLiteral("DOCT.ini"));
}

QString exportDocument() {
    return QDir(dmsFolder()).filePath(QStringLiteral("KORVADEX.XML"));
}

QString uploaderProgram() {
#ifdef Q_OS_WIN
    return QDir::current().filePath(QStringLiteral("Marlquist/Sendavo.exe"));
#else
    return QDir::current().filePath(QStringLiteral("Marlquist/Sendavo"));
#endif
}

}  // namespace Paths
