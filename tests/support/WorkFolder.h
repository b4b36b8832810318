#pragma once

#include <QByteArray>
#include <QDir>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

// A temporary working folder that a test runs in: the current directory for the test's
// lifetime, with helpers for the settings file, a prepared database and the DMS folder
// (which the settings point at through CartellaDMS).
class WorkFolder {
public:
    WorkFolder();
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    QString path(const QString& relative = QString()) const;

    // Writes KORVADEX.ini with section Params holding these keys (and CartellaDMS, unless
    // given) in the order of the map.
    void writeSettings(const QMap<QString, QString>& params);
    // Settings that make a usable program: DBPath to KORVADEX.db and the usual keys.
    void writeDefaultSettings();
    // A database prepared as tavorno-admin init-db prepares one, at KORVADEX.db.
    QString createDatabase(const QString& name = QStringLiteral("KORVADEX.db"));

    QString dmsFolder() const { return path(QStringLiteral("STAMPA")); }
    void writeDmsDocument(const QByteArray& bytes);

    // Installs our uploader stand-in as the program expects it, Marlquist/Sendavo, and
    // returns its path.
    QString installUploader() const;

    static QMap<QString, QString> defaultSettings();

private:
    QTemporaryDir dir_;
    QString previous_;
};

void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
