#include "db/DatabaseSetup.h"

#include "db/DatabaseError.h"
#include "db/EmbeddedSql.h"

#include <sqlite3.h>
#include <QFile>
#include <QSet>

namespace {

// Owns a raw handle for the short-lived connections of the admin commands.
class Handle {
public:
    Handle(const QString& path, int flags) {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr) != SQLITE_OK) {
            const QString message = QString::fromUtf8(sqlite3_errmsg(db_));
            sqlite3_close_v2(db_);
            db_ = nullptr;
            throw DatabaseError(
                QStringLiteral("Impossibile aprire il database \"%1\": %2").arg(path, message));
        }
    }
    ~Handle() { sqlite3_close_v2(db_); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    void exec(const char* sql) {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
            const QString message = QString::fromUtf8(error);
            sqlite3_free(error);
            throw DatabaseError(message);
        }
    }

    // Every row of a query, each as a list of texts.
    QList<QStringList> rows(const QString& sql) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &statement, nullptr) !=
            SQLITE_OK) {
            throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(db_)));
        }
        QList<QStringList> result;
        int rc = SQLITE_OK;
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
            throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(db_)));
        }
        return result;
    }

private:
    sqlite3* db_ = nullptr;
};

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

TableShape shapeOf(Handle& db, const QString& table) {
    TableShape shape;
    for (const QStringList& row : db.rows("PRAGMA table_info(" + quoted(table) + ")")) {
        shape.columns << row.at(1);
        // The INTEGER PRIMARY KEY is the rowid itself: lookups on it need no index.
        if (row.at(5) == QLatin1String("1") &&
            row.at(2).compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0) {
            shape.indexedColumns.insert(row.at(1).toLower());
        }
    }
    for (const QStringList& row : db.rows("PRAGMA foreign_key_list(" + quoted(table) + ")")) {
        shape.foreignKeys << ForeignKey{row.at(3), row.at(2), row.at(4), row.at(6)};
    }
    for (const QStringList& index : db.rows("PRAGMA index_list(" + quoted(table) + ")")) {
        const auto columns = db.rows("PRAGMA index_info(" + quoted(index.at(1)) + ")");
        if (!columns.isEmpty()) {
            shape.indexedColumns.insert(columns.first().at(2).toLower());
        }
    }
    return shape;
}

QStringList tablesOf(Handle& db) {
    QStringList tables;
    for (const QStringList& row : db.rows(QStringLiteral(
             "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' "
             "ORDER BY rowid"))) {
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

}  // namespace

namespace DatabaseSetup {

void createDatabase(const QString& path) {
    if (QFile::exists(path)) {
        throw TavornoError(
            QStringLiteral("Il file \"%1\" esiste già: non lo sovrascrivo.").arg(path));
    }
    try {
        Handle db(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        db.exec("BEGIN;");
        db.exec(kSchemaSql);
        db.exec(kReferenceDataSql);
        db.exec("COMMIT;");
    } catch (...) {
        QFile::remove(path);
        throw;
    }
}

QStringList missingSchemaItems(const QString& path) {
    Handle expected(QStringLiteral(":memory:"), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    expected.exec(kSchemaSql);
    if (!QFile::exists(path)) {
        throw DatabaseError(QStringLiteral("Il file \"%1\" non esiste.").arg(path));
    }
    Handle actual(path, SQLITE_OPEN_READONLY);
    const QStringList actualTables = tablesOf(actual);

    QStringList missing;
    for (const QString& table : tablesOf(expected)) {
        if (!containsName(actualTables, table)) {
            missing << QStringLiteral("tabella mancante: %1").arg(table);
            continue;
        }
        const TableShape want = shapeOf(expected, table);
        const TableShape have = shapeOf(actual, table);
        for (const QString& column : want.columns) {
            if (!containsName(have.columns, column)) {
                missing << QStringLiteral("colonna mancante: %1.%2").arg(table, column);
            }
        }
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
            const bool present = std::any_of(
                have.foreignKeys.begin(), have.foreignKeys.end(), [&](const ForeignKey& k) {
                    return k.column.compare(key.column, Qt::CaseInsensitive) == 0 &&
                           k.parentTable.compare(key.parentTable, Qt::CaseInsensitive) == 0 &&
                           k.parentColumn.compare(key.parentColumn, Qt::CaseInsensitive) == 0 &&
                           k.onDelete.compare(key.onDelete, Qt::CaseInsensitive) == 0;
                });
            if (!present) {
                missing << QStringLiteral("chiave esterna mancante: %1.%2 -> %3.%4 ON DELETE %5")
                               .arg(table, key.column, key.parentTable, key.parentColumn,
                                    key.onDelete);
            }
        }
        for (const QString& column : want.columns) {
            if (want.indexedColumns.contains(column.toLower()) &&
                !have.indexedColumns.contains(column.toLower())) {
                missing << QStringLiteral("indice mancante: %1(%2)").arg(table, column);
            }
        }
    }
    return missing;
}

}  // namespace DatabaseSetup
