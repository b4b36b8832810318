#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QVariant>
#include <vector>

struct sqlite3_stmt;
class TSQLConnection;

// A statement of the data module. Its text is prepared once and reused; parameters are set
// by name and bound at every run, never spliced into the text. A query is positioned on its
// first row when opened; a NULL value, and every column of a query that returned no row,
// reads as empty text or 0.
class TSQLQuery {
public:
    explicit TSQLQuery(TSQLConnection& connection, QString sql = QString());
    ~TSQLQuery();
    TSQLQuery(const TSQLQuery&) = delete;
    TSQLQuery& operator=(const TSQLQuery&) = delete;

    // Puts another statement in (the shared general-purpose query does this for every use).
    // Clears the parameters; each text is prepared only the first time it is used.
    void setSQL(const QString& sql);
    const QString& sql() const { return sql_; }

    void setParamText(const QString& name, const QString& value);
    void setParamInteger(const QString& name, qint64 value);
    void setParamBoolean(const QString& name, bool value);

    // Runs the statement afresh with the parameters set and positions on the first row.
    void open();
    // Runs a statement that returns no rows.
    void execute();
    void close();

    bool eof() const { return !onRow_; }
    void next();

    int columnCount() const;
    int columnIndex(const QString& name) const;  // -1 when the result has no such column
    // The position of a column the statement must return; an error naming it otherwise.
    int requireColumn(const QString& name) const;
    // By name; a name the statement does not return is an error, not an empty value.
    QString fieldText(const QString& name) const;
    qint64 fieldInteger(const QString& name) const;
    QString fieldText(int column) const;
    // The UTF-8 bytes of a column of the current row, valid until the query moves on; empty
    // for NULL and when there is no row. For loaders that share repeated texts.
    QByteArrayView fieldUtf8(int column) const;
    qint64 fieldInteger(int column) const;

private:
    struct Prepared {
        sqlite3_stmt* statement = nullptr;
        QHash<QString, int> columns;  // lower-case column name -> index
    };

    void setParam(const QString& name, const QVariant& value);
    Prepared& prepared();
    void run();
    void step();
    [[noreturn]] void fail(int code);

    TSQLConnection& connection_;
    QString sql_;
    QHash<QString, Prepared> cache_;
    Prepared* current_ = nullptr;
    std::vector<std::pair<QString, QVariant>> params_;
    bool onRow_ = false;
};
