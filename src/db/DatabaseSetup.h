#pragma once

#include <QString>
#include <QStringList>

// Preparing and checking database files for the dealer's IT (tavorno-admin). The program
// itself never creates a table.
namespace DatabaseSetup {

// Writes a new database at `path` from the schema and our reference data. Refuses an
// existing file; on failure no file is left behind. Throws TavornoError.
void createDatabase(const QString& path);

// What the database at `path` lacks compared with the schema: tables, columns, foreign
// keys (with their cascade) and indexes, one Italian line each. Empty when nothing is
// missing. Throws DatabaseError when the file cannot be opened as a database.
QStringList missingSchemaItems(const QString& path);

}  // namespace DatabaseSetup
