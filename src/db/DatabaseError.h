#pragma once

#include "platform/Errors.h"

struct sqlite3;

// An error reported by the database engine: a file that cannot be opened or is not a
// database, a missing table, a violated constraint, a lock held too long.
class DatabaseError : public TavornoError {
public:
    using TavornoError::TavornoError;
};

// What the user is told of an engine failure with this SQLite result code: for the failures
// a workshop meets (a database in use by another program, a file that is no database, a
// damaged database, a disk error, a full disk, a file that cannot be written or opened) an
// Italian sentence saying what happened and what to do, then on a line of its own the
// engine's text; for any other code the engine's text alone.
QString engineFailureText(int code, const QString& engineText);

// The error of the last failure on `db`, which returned `code`.
DatabaseError engineError(sqlite3* db, int code);

// A database file that could not be opened, with the reason on the next line.
DatabaseError openFailure(const QString& path, const QString& reason);
