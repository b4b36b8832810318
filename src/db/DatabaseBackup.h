#pragma once

#include <QDateTime>
#include <QString>

// A copy of the database for safe keeping (tavorno-admin backup).
namespace DatabaseBackup {

// Writes a consistent copy of the database at `source` with SQLite's online backup, while
// the program may be using it: the copy holds every change committed before it was
// finished and none in progress, and the program's saves wait for it at most a moment at a
// time. `destination` is the file to write, or an existing folder, which receives
// <name of the database>-<yyyyMMdd-HHmmss of `now`>.db. An existing file is never
// overwritten. The copy is written under a temporary name, checked with SQLite's integrity
// check, and only then given its name; on failure nothing is left. Returns the path of the
// copy. Throws TavornoError (DatabaseError for the engine's failures).
QString backupDatabase(const QString& source, const QString& destination,
                       const QDateTime& now = QDateTime::currentDateTime());

}  // namespace DatabaseBackup
