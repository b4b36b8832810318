#include "db/DatabaseSetup.h"

#include "db/DatabaseError.h"
#include "db/DatabaseFile.h"
#include "db/EmbeddedSql.h"

#include <sqlite3.h>
#include <QFile>
#include <QSet>

namespace {

void exec(sqlite3* db, const char* sql) {
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        throw engineError(db, rc);
    }
}

// Every row of a query, each as a list of texts.
QList<QStringList> rows(sqlite3* db, const QString& sql) {
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr);
    if (rc != SQLITE_OK) {
        throw engineError(db, rc);
    }
    QList<QStringList> result;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        QStringList row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            row << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(statement, i)));
        }
        result << row;
    }
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE) {
        throw engineError(db, rc);
    }
    return result;
}

struct ForeignKey {
    QString column;
    QString parentTable;
    QString parentColumn;
    QString onDelete;
};

struct TableShape {
    QStringList columns;
    QList<ForeignKey> foreignKeys;
    QSet<QString> indexedColumns;  // lower-case first columns of indexes, keys included
};

QString quoted(const QString& name) {
    return u'"' + QString(name).replace(u'"', "\"\"") + u'"';
}

TableShape shapeOf(sqlite3* db, const QString& table, DatabaseSetup::SchemaCheck check) {
    TableShape shape;
    for (const QStringList& row : rows(db, "PRAGMA table_info(" + quoted(table) + ")")) {
        shape.columns << row.at(1);
        // The INTEGER PRIMARY KEY is the rowid itself: lookups on it need no index.
        if (row.at(5) == QLatin1String("1") &&
            row.at(2).compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0) {
            shape.indexedColumns.insert(row.at(1).toLower());
        }
    }
    if (check == DatabaseSetup::SchemaCheck::TablesAndColumns) {
        return shape;
    }
    for (const QStringList& row : rows(db, "PRAGMA foreign_key_list(" + quoted(table) + ")")) {
        shape.foreignKeys << ForeignKey{row.at(3), row.at(2), row.at(4), row.at(6)};
    }
    for (const QStringList& index : rows(db, "PRAGMA index_list(" + quoted(table) + ")")) {
        const auto columns = rows(db, "PRAGMA index_info(" + quoted(index.at(1)) + ")");
        if (!columns.isEmpty()) {
            shape.indexedColumns.insert(columns.first().at(2).toLower());
        }
    }
    return shape;
}

QStringList tablesOf(sqlite3* db) {
    QStringList tables;
    for (const QStringList& row : rows(db, QStringLiteral("SELECT name FROM sqlite_master WHERE "
                                                          "type = 'table' AND name NOT LIKE "
                                                          "'sqlite_%' ORDER BY rowid"))) {
        tables << row.at(0);
    }
    return tables;
}

bool containsName(const QStringList& names, const QString& name) {
    return names.contains(name, Qt::CaseInsensitive);
}

// The reference tables are read by column position, so their column order matters.
const QStringList kReferenceTables = {QStringLiteral("Mercati"), QStringLiteral("Marche"),
                                      QStringLiteral("TipoIntervento"),
                                      QStringLiteral("CodiceACarico")};

// What `have` lacks of `want` beyond its columns: column order, foreign keys, indexes.
QStringList missingConstraints(const QString& table, const TableShape& want,
                               const TableShape& have) {
    QStringList missing;
    if (kReferenceTables.contains(table)) {
        for (int i = 0; i < want.columns.size(); ++i) {
            if (i >= have.columns.size() ||
                have.columns.at(i).compare(want.columns.at(i), Qt::CaseInsensitive) != 0) {
                missing << QStringLiteral("colonna %1 della tabella %2 non in posizione %3")
                               .arg(want.columns.at(i), table)
                               .arg(i + 1);
            }
        }
    }
    for (const ForeignKey& key : want.foreignKeys) {
        const bool present =
            std::any_of(have.foreignKeys.begin(), have.foreignKeys.end(), [&](const ForeignKey& k) {
                return k.column.compare(key.column, Qt::CaseInsensitive) == 0 &&
                       k.parentTable.compare(key.parentTable, Qt::CaseInsensitive) == 0 &&
                       k.parentColumn.compare(key.parentColumn, Qt::CaseInsensitive) == 0 &&
                       k.onDelete.compare(key.onDelete, Qt::CaseInsensitive) == 0;
            });
        if (!present) {
            missing << QStringLiteral("chiave esterna mancante: %1.%2 -> %3.%4 ON DELETE %5")
                           .arg(table, key.column, key.parentTable, key.parentColumn, key.onDelete);
        }
    }
    for (const QString& column : want.columns) {
        if (want.indexedColumns.contains(column.toLower()) &&
            !have.indexedColumns.contains(column.toLower())) {
            missing << QStringLiteral("indice mancante: %1(%2)").arg(table, column);
        }
    }
    return missing;
}

}  // namespace

namespace DatabaseSetup {

void createDatabase(const QString& path) {
    DatabaseFile::requireFileName(path);
    if (QFile::exists(DatabaseFile::sqliteFileName(path))) {
        throw TavornoError(
            QStringLiteral("Il file \"%1\" esiste già: non lo sovrascrivo.").arg(path));
    }
    try {
        DatabaseHandle db(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        exec(db.get(), "BEGIN;");
        exec(db.get(), kSchemaSql);
        exec(db.get(), kReferenceDataSql);
        exec(db.get(), "COMMIT;");
    } catch (...) {
        QFile::remove(DatabaseFile::sqliteFileName(path));
        throw;
    }
}

QStringList missingSchemaItems(sqlite3* db, SchemaCheck check) {
    const DatabaseHandle expected = DatabaseHandle::inMemory();
    exec(expected.get(), kSchemaSql);
    const QStringList actualTables = tablesOf(db);
    // An empty file opens as a database without tables; one line says it all.
    if (actualTables.isEmpty()) {
        return {QStringLiteral("tutte le tabelle: il database è vuoto")};
    }

    QStringList missing;
    for (const QString& table : tablesOf(expected.get())) {
        if (!containsName(actualTables, table)) {
            missing << QStringLiteral("tabella mancante: %1").arg(table);
            continue;
        }
        const TableShape want = shapeOf(expected.get(), table, check);
        const TableShape have = shapeOf(db, table, check);
        for (const QString& column : want.columns) {
            if (!containsName(have.columns, column)) {
                missing << QStringLiteral("colonna mancante: %1.%2").arg(table, column);
            }
        }
        if (check == SchemaCheck::Complete) {
            missing << missingConstraints(table, want, have);
        }
    }
    return missing;
}

QStringList integrityProblems(sqlite3* db) {
    QStringList problems;
    for (const QStringList& row : rows(db, QStringLiteral("PRAGMA integrity_check"))) {
        if (row.value(0) != QLatin1String("ok")) {
            problems << row.value(0);
        }
    }
    return problems;
}

DatabaseCheck checkDatabase(const QString& path) {
    const DatabaseHandle db = DatabaseHandle::forReading(path);
    return {missingSchemaItems(db.get(), SchemaCheck::Complete), integrityProblems(db.get())};
}

}  // namespace DatabaseSetup
