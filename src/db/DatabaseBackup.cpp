#include "db/DatabaseBackup.h"

#include "db/DatabaseError.h"
#include "db/DatabaseFile.h"
#include "db/DatabaseSetup.h"

#include <sqlite3.h>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryFile>

namespace {

// Pages copied while the source is held for reading; between two steps the program can
// take its write lock. 256 pages of 4 KB take a few milliseconds.
constexpr int kPagesPerStep = 256;

QString copyPath(const QString& source, const QString& destination, const QDateTime& now) {
    if (!QFileInfo(destination).isDir()) {
        return destination;
    }
    const QFileInfo database(source);
    return QDir(destination)
        .filePath(database.completeBaseName() + u'-' +
                  now.toString(QStringLiteral("yyyyMMdd-HHmmss")) + u'.' + database.suffix());
}

void copyPages(sqlite3* from, sqlite3* to) {
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (backup == nullptr) {
        throw engineError(to, sqlite3_errcode(to));
    }
    // A busy source is waited for by its busy handler within each step; a change committed
    // by another connection makes the next step start the copy again.
    int rc = SQLITE_OK;
    while (rc == SQLITE_OK) {
        rc = sqlite3_backup_step(backup, kPagesPerStep);
    }
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE) {
        throw engineError(to, rc);
    }
}

// A copy that fails the check is a copy of a damaged database: the pages are copied as
// they are.
void requireSound(const QString& path) {
    QStringList problems;
    try {
        problems = DatabaseSetup::integrityProblems(DatabaseHandle::forReading(path).get());
    } catch (const DatabaseError& error) {
        problems << error.message();
    }
    if (!problems.isEmpty()) {
        throw TavornoError(QStringLiteral("La copia non ha superato il controllo di integrità, "
                                          "quindi il database stesso è danneggiato (controllarlo "
                                          "con tavorno-admin check-db): %1")
                               .arg(problems.join(QStringLiteral("; "))));
    }
}

}  // namespace

namespace DatabaseBackup {

QString backupDatabase(const QString& source, const QString& destination, const QDateTime& now) {
    DatabaseFile::requireFileName(destination);
    const QString target = copyPath(source, destination, now);
    if (QFileInfo::exists(DatabaseFile::sqliteFileName(target))) {
        throw TavornoError(
            QStringLiteral("Il file \"%1\" esiste già: non lo sovrascrivo.").arg(target));
    }
    const DatabaseHandle from = DatabaseHandle::forReading(source);

    // Reserves a name beside the copy; SQLite writes into the empty file.
    QTemporaryFile partial(DatabaseFile::sqliteFileName(target) +
                           QStringLiteral(".parziale-XXXXXX"));
    if (!partial.open()) {
        throw TavornoError(QStringLiteral("Impossibile scrivere la copia \"%1\": %2")
                               .arg(target, partial.errorString()));
    }
    partial.close();
    const QString partialPath = partial.fileName();
    const auto removeJournal =
        qScopeGuard([&] { QFile::remove(partialPath + QStringLiteral("-journal")); });
    {
        const DatabaseHandle to(partialPath, SQLITE_OPEN_READWRITE);
        copyPages(from.get(), to.get());
    }
    requireSound(partialPath);

    // A rename never replaces an existing file: one made meanwhile is not overwritten.
    if (!QFile::rename(partialPath, DatabaseFile::sqliteFileName(target))) {
        throw TavornoError(QStringLiteral("Impossibile dare alla copia il nome \"%1\" (il file "
                                          "esiste già o la cartella non si può scrivere).")
                               .arg(target));
    }
    partial.setAutoRemove(false);
    return target;
}

}  // namespace DatabaseBackup
