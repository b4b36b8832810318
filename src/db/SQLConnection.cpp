#include "db/SQLConnection.h"

#include "db/DatabaseError.h"
#include "db/DatabaseFile.h"

#include <sqlite3.h>
#include <QFileInfo>

TSQLConnection::TSQLConnection() = default;
TSQLConnection::~TSQLConnection() = default;

void TSQLConnection::connect() {
    if (handle_) {
        return;
    }
    if (database_.isEmpty()) {
        throw DatabaseError(QStringLiteral("Nessun database indicato (chiave DBPath)."));
    }
    if (QFileInfo(DatabaseFile::sqliteFileName(database_)).isDir()) {
        throw openFailure(database_, QStringLiteral("Il percorso è una cartella, non un file."));
    }
    // No SQLITE_OPEN_CREATE: a missing file is an error and no file appears.
    DatabaseHandle db(database_, SQLITE_OPEN_READWRITE);
    sqlite3_busy_timeout(db.get(), busyTimeoutMs_);

    // Foreign keys from the start, so deleting a complaint also removes its operations and
    // parts. Reading the schema proves the file is a database.
    const int check =
        sqlite3_exec(db.get(), "PRAGMA foreign_keys = ON; SELECT count(*) FROM sqlite_master;",
                     nullptr, nullptr, nullptr);
    if (check != SQLITE_OK) {
        throw openFailure(database_, engineError(db.get(), check).message());
    }
    if (sqlite3_db_readonly(db.get(), "main") == 1) {
        throw openFailure(
            database_,
            engineFailureText(SQLITE_READONLY, QStringLiteral("il file è in sola lettura")));
    }
    handle_.emplace(std::move(db));
}

void TSQLConnection::setBusyTimeout(int milliseconds) {
    busyTimeoutMs_ = milliseconds;
    if (handle_) {
        sqlite3_busy_timeout(handle_->get(), busyTimeoutMs_);
    }
}

sqlite3* TSQLConnection::handle() {
    connect();
    return handle_->get();
}

void TSQLConnection::executeDirect(const char* sql) {
    sqlite3* db = handle();
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        throw engineError(db, rc);
    }
}

int TSQLConnection::changes() {
    return sqlite3_changes(handle());
}
