#include "support/DbProbe.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <QFile>

DbProbe::DbProbe(const QString& path) : path_(path) {
    if (sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK) {
        ADD_FAILURE() << "cannot open " << path.toStdString() << ": " << sqlite3_errmsg(db_);
    }
    sqlite3_busy_timeout(db_, 5000);
}

DbProbe::~DbProbe() {
    sqlite3_close_v2(db_);
}

void DbProbe::exec(const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        ADD_FAILURE() << "SQL failed: " << (error ? error : "") << "\n" << sql.toStdString();
    }
    sqlite3_free(error);
}

QStringList DbProbe::rows(const QString& sql) {
    QStringList result;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "SQL failed: " << sqlite3_errmsg(db_) << "\n" << sql.toStdString();
        return result;
    }
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        QStringList columns;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            columns << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(statement, i)));
        }
        result << columns.join(u'|');
    }
    // A query that stops on an error must not read as "no rows": the checks of what was
    // left behind would pass.
    if (step != SQLITE_DONE) {
        ADD_FAILURE() << "SQL failed: " << sqlite3_errmsg(db_) << "\n" << sql.toStdString();
    }
    sqlite3_finalize(statement);
    return result;
}

QString DbProbe::scalar(const QString& sql) {
    const QStringList all = rows(sql);
    return all.isEmpty() ? QString() : all.first().section(u'|', 0, 0);
}

qint64 DbProbe::count(const QString& table) {
    return scalar(QStringLiteral("SELECT count(*) FROM ") + table).toLongLong();
}

QString DbProbe::typeOf(const QString& sql) {
    return scalar(QStringLiteral("SELECT typeof((") + sql + QStringLiteral("))"));
}

void DbProbe::damageTable(const QString& table) {
    const qint64 page =
        scalar(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = '%1'").arg(table))
            .toLongLong();
    const qint64 pageSize = scalar(QStringLiteral("PRAGMA page_size")).toLongLong();
    ASSERT_GT(page, 1) << table.toStdString();
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite)) << path_.toStdString();
    ASSERT_TRUE(file.seek((page - 1) * pageSize));
    ASSERT_EQ(file.write(QByteArray(pageSize, '\xFF')), pageSize);
}
