#pragma once

#include <QString>
#include <QStringList>

struct sqlite3;

// Preparing and checking database files for the dealer's IT (tavorno-admin) and for
// start-up. The program itself never creates a table.
namespace DatabaseSetup {

// Writes a new database at `path` from the schema and our reference data. Refuses an
// existing file and a path that names no file; on failure no file is left behind. Throws
// TavornoError.
void createDatabase(const QString& path);

// How far a database is compared with the schema.
enum class SchemaCheck {
    // Tables and columns: what the program cannot work without; cheap enough for every start.
    TablesAndColumns,
    // Also the column order of the reference tables, the foreign keys with their cascade,
    // and the indexes.
    Complete,
};

// What the open database lacks compared with the schema, one Italian line each (for
// example "tabella mancante: Scheda"). Empty when nothing is missing. Throws DatabaseError.
QStringList missingSchemaItems(sqlite3* db, SchemaCheck check);

// What SQLite's integrity check finds wrong in the file, one line each; empty when the file
// is sound. Throws DatabaseError when the check cannot run.
QStringList integrityProblems(sqlite3* db);

// The whole check of tavorno-admin check-db on the file at `path`, read while the program
// may be using it.
struct DatabaseCheck {
    QStringList missing;  // missingSchemaItems, Complete
    QStringList damage;   // integrityProblems
};
DatabaseCheck checkDatabase(const QString& path);

}  // namespace DatabaseSetup
