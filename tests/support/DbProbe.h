#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

// Looks into a database file from outside the program, with a connection of its own, to
// check what the program wrote.
class DbProbe {
public:
    explicit DbProbe(const QString& path);
    ~DbProbe();
    DbProbe(const DbProbe&) = delete;
    DbProbe& operator=(const DbProbe&) = delete;

    // Runs statements (set-up of a fixture); fails the test on error.
    void exec(const QString& sql);
    // The first column of the first row as text ("" when no row or NULL).
    QString scalar(const QString& sql);
    qint64 count(const QString& table);
    // Every row, each column as text, joined with "|".
    QStringList rows(const QString& sql);
    // The SQLite type name of the first column of the first row ("integer", "text", ...).
    QString typeOf(const QString& sql);

    // Overwrites the first page of a table in the file with garbage, as a disk fault would;
    // the table of tables stays readable.
    void damageTable(const QString& table);

private:
    QString path_;
    struct sqlite3* db_ = nullptr;
};
