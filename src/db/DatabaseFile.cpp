#include "db/DatabaseFile.h"

#include "db/DatabaseError.h"
#include "db/SQLConnection.h"

#include <sqlite3.h>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <utility>

namespace DatabaseFile {

QString sqliteFileName(const QString& path) {
    if (std::filesystem::path(path.toStdU16String()).is_relative()) {
        return QStringLiteral("./") + path;
    }
    return path;
}

void requireFileName(const QString& path) {
    if (path.trimmed().isEmpty() || path == QLatin1String(":memory:") ||
        path.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        throw TavornoError(QStringLiteral("\"%1\" non è il percorso di un file: indicare il file "
                                          "del database, per esempio KORVADEX.db.")
                               .arg(path));
    }
}

QString folderOf(const QString& path) {
    return QFileInfo(sqliteFileName(path)).absolutePath();
}

bool folderTakesNewFiles(const QString& path) {
    QTemporaryFile probe(QDir(folderOf(path)).filePath(QStringLiteral(".tavorno-prova-XXXXXX")));
    return probe.open();
}

}  // namespace DatabaseFile

DatabaseHandle::DatabaseHandle(const QString& path, int flags)
    : DatabaseHandle(path, DatabaseFile::sqliteFileName(path).toUtf8(), flags) {}

DatabaseHandle::DatabaseHandle(const QString& path, const QByteArray& sqliteName, int flags) {
    const int rc = sqlite3_open_v2(sqliteName.constData(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString reason = engineError(db_, rc).message();
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw openFailure(path, reason);
    }
}

DatabaseHandle::DatabaseHandle(DatabaseHandle&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)) {}

DatabaseHandle::~DatabaseHandle() {
    sqlite3_close_v2(db_);
}

DatabaseHandle DatabaseHandle::inMemory() {
    return DatabaseHandle(QStringLiteral(":memory:"), QByteArrayLiteral(":memory:"),
                          SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

DatabaseHandle DatabaseHandle::forReading(const QString& path) {
    if (!QFileInfo::exists(DatabaseFile::sqliteFileName(path))) {
        throw DatabaseError(QStringLiteral("Il file \"%1\" non esiste.").arg(path));
    }
    // Read-write without creating: a read-only connection could not remove the log files.
    DatabaseHandle handle(path, SQLITE_OPEN_READWRITE);
    sqlite3_busy_timeout(handle.db_, TSQLConnection::kBusyTimeoutMs);
    // Reading the schema proves the file is a database.
    const int rc =
        sqlite3_exec(handle.db_, "PRAGMA query_only = ON; SELECT count(*) FROM sqlite_master;",
                     nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        throw openFailure(path, engineError(handle.db_, rc).message());
    }
    return handle;
}
