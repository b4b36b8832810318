#include "db/SQLConnection.h"

#include "db/DatabaseError.h"

#include <sqlite3.h>
#include <QFileInfo>
#include <filesystem>

namespace {

QString engineMessage(sqlite3* db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

}  // namespace

TSQLConnection::~TSQLConnection() {
    if (handle_ != nullptr) {
        sqlite3_close_v2(handle_);
    }
}

void TSQLConnection::connect() {
    if (handle_ != nullptr) {
        return;
    }
    if (database_.isEmpty()) {
        throw DatabaseError(QStringLiteral("Nessun database indicato (chiave DBPath)."));
    }
    const QString failure = QStringLiteral("Impossibile aprire il database \"%1\": %2");
    // A relative setting is taken from the working folder; "./" in front keeps SQLite from
    // reading it as a "file:" URI or as ":memory:" (and Qt from reading ":" as a resource).
    QString fileName = database_;
    if (std::filesystem::path(database_.toStdU16String()).is_relative()) {
        fileName.prepend(QStringLiteral("./"));
    }
    if (QFileInfo(fileName).isDir()) {
        throw DatabaseError(failure.arg(database_, QStringLiteral("è una cartella")));
    }

    sqlite3* db = nullptr;
    // No SQLITE_OPEN_CREATE: a missing file is an error and no file appears.
    const int rc =
        sqlite3_open_v2(fileName.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const QString message =
            db != nullptr ? engineMessage(db) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close_v2(db);
        throw DatabaseError(failure.arg(database_, message));
    }
    sqlite3_busy_timeout(db, busyTimeoutMs_);

    // Foreign keys from the start, so deleting a complaint also removes its operations and
    // parts. Reading the schema proves the file is a database.
    char* error = nullptr;
    const int check =
        sqlite3_exec(db, "PRAGMA foreign_keys = ON; SELECT count(*) FROM sqlite_master;", nullptr,
                     nullptr, &error);
    if (check != SQLITE_OK) {
        const QString message = QString::fromUtf8(error != nullptr ? error : sqlite3_errstr(check));
        sqlite3_free(error);
        sqlite3_close_v2(db);
        throw DatabaseError(failure.arg(database_, message));
    }
    if (sqlite3_db_readonly(db, "main") == 1) {
        sqlite3_close_v2(db);
        throw DatabaseError(failure.arg(database_, QStringLiteral("il file è in sola lettura")));
    }
    handle_ = db;
}

void TSQLConnection::setBusyTimeout(int milliseconds) {
    busyTimeoutMs_ = milliseconds;
    if (handle_ != nullptr) {
        sqlite3_busy_timeout(handle_, busyTimeoutMs_);
    }
}

sqlite3* TSQLConnection::handle() {
    connect();
    return handle_;
}

void TSQLConnection::executeDirect(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(handle(), sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error != nullptr ? error : "");
        sqlite3_free(error);
        throw DatabaseError(message.isEmpty() ? engineMessage(handle_) : message);
    }
}

int TSQLConnection::changes() {
    return sqlite3_changes(handle());
}
