#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3;

// Database files as SQLite is handed them, and the short-lived connections of tavorno-admin.
namespace DatabaseFile {

// The name SQLite is given for a path: a relative path gets "./" in front, so that SQLite
// never reads it as a "file:" URI or as ":memory:" (and Qt never reads ":" as a resource).
QString sqliteFileName(const QString& path);

// Throws TavornoError unless `path` can name a database file to create: not empty, not
// ":memory:" and not a "file:" URI, which SQLite would take for a database without a file.
void requireFileName(const QString& path);

// The folder that holds the database file at `path`, as an absolute path.
QString folderOf(const QString& path);

// True when a file can be made in the folder of the database at `path`, as SQLite must to
// write its journal before it changes the database. Tried with a file made and removed at
// once, so that permissions, access lists and read-only disks all count.
bool folderTakesNewFiles(const QString& path);

}  // namespace DatabaseFile

// A connection of its own to a database file, closed with the object.
class DatabaseHandle {
public:
    // Opens `path` with SQLite's open `flags`. Throws DatabaseError naming the path.
    DatabaseHandle(const QString& path, int flags);
    DatabaseHandle(DatabaseHandle&& other) noexcept;
    ~DatabaseHandle();
    DatabaseHandle(const DatabaseHandle&) = delete;
    DatabaseHandle& operator=(const DatabaseHandle&) = delete;

    // An existing database opened to be read while the program may be using it: a busy
    // database is waited for as long as the program waits; nothing is written; and the
    // connection, able to write, folds a write-ahead log back into the file when it closes,
    // so no -wal or -shm file is left behind that was not there before.
    static DatabaseHandle forReading(const QString& path);
    // An empty database in memory.
    static DatabaseHandle inMemory();

    sqlite3* get() const { return db_; }

private:
    DatabaseHandle(const QString& path, const QByteArray& sqliteName, int flags);

    sqlite3* db_ = nullptr;
};
