#include "support/WorkFolder.h"

#include "db/DatabaseSetup.h"

#include <gtest/gtest.h>
#include <QFile>

WorkFolder::WorkFolder() : previous_(QDir::currentPath()) {
    EXPECT_TRUE(dir_.isValid());
    QDir(dir_.path()).mkpath(QStringLiteral("STAMPA"));
    QDir::setCurrent(dir_.path());
}

WorkFolder::~WorkFolder() {
    QDir::setCurrent(previous_);
}

QString WorkFolder::path(const QString& relative) const {
    return relative.isEmpty() ? dir_.path() : QDir(dir_.path()).filePath(relative);
}

QMap<QString, QString> WorkFolder::defaultSettings() {
    return {
        {QStringLiteral("DBPath"), QStringLiteral("KORVADEX.db")},
        {QStringLiteral("CodiceOfficina"), QStringLiteral("0123456")},
        {QStringLiteral("api-key"), QStringLiteral("chiave-di-prova")},
        {QStringLiteral("UtenteDMS"), QStringLiteral("utente.officina")},
        {QStringLiteral("PasswordDMS"), QStringLiteral("segreta")},
        {QStringLiteral("MarcaAutorizzata"), QStringLiteral("50")},
        {QStringLiteral("Enviroment"), QStringLiteral("goldmain")},
        {QStringLiteral("CommesseGiaInviate"), QStringLiteral("false")},
        {QStringLiteral("Piva"), QStringLiteral("01234567890")},
    };
}

void WorkFolder::writeSettings(const QMap<QString, QString>& params) {
    QByteArray text = "[Params]\n";
    if (!params.contains(QStringLiteral("CartellaDMS"))) {
        text += "CartellaDMS=" + dmsFolder().toUtf8() + "\n";
    }
    for (auto it = params.begin(); it != params.end(); ++it) {
        text += it.key().toUtf8() + "=" + it.value().toUtf8() + "\n";
    }
    writeFile(path(QStringLiteral("KORVADEX.ini")), text);
}

void WorkFolder::writeDefaultSettings() {
    writeSettings(defaultSettings());
}

QString WorkFolder::createDatabase(const QString& name) {
    const QString file = path(name);
    DatabaseSetup::createDatabase(file);
    return file;
}

void WorkFolder::writeDmsDocument(const QByteArray& bytes) {
    writeFile(QDir(dmsFolder()).filePath(QStringLiteral("DOCT.ini")), bytes);
}

QString WorkFolder::installUploader() const {
    const QString program = path(QStringLiteral("Marlquist/Sendavo"));
    EXPECT_TRUE(QDir(path()).mkpath(QStringLiteral("Marlquist")));
    EXPECT_TRUE(QFile::copy(QStringLiteral(TAVORNO_SENDAVO_PATH), program));
    return program;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}
