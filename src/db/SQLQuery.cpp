#include "db/SQLQuery.h"

#include "db/DatabaseError.h"
#include "db/SQLConnection.h"

#include <sqlite3.h>

TSQLQuery::TSQLQuery(TSQLConnection& connection, QString sql)
    : connection_(connection), sql_(std::move(sql)) {}

TSQLQuery::~TSQLQuery() {
    for (Prepared& p : cache_) {
        sqlite3_finalize(p.statement);
    }
}

void TSQLQuery::setSQL(const QString& sql) {
    close();
    sql_ = sql;
    current_ = nullptr;
    params_.clear();
}

void TSQLQuery::setParam(const QString& name, const QVariant& value) {
    for (auto& [existing, stored] : params_) {
        if (existing == name) {
            stored = value;
            return;
        }
    }
    params_.emplace_back(name, value);
}

void TSQLQuery::setParamText(const QString& name, const QString& value) {
    setParam(name, QVariant(value));
}

void TSQLQuery::setParamInteger(const QString& name, qint64 value) {
    setParam(name, QVariant(value));
}

void TSQLQuery::setParamBoolean(const QString& name, bool value) {
    setParamInteger(name, value ? 1 : 0);
}

TSQLQuery::Prepared& TSQLQuery::prepared() {
    if (current_ != nullptr) {
        return *current_;
    }
    auto it = cache_.find(sql_);
    if (it == cache_.end()) {
        sqlite3* db = connection_.handle();
        Prepared p;
        const QByteArray text = sql_.toUtf8();
        const int rc = sqlite3_prepare_v2(db, text.constData(), static_cast<int>(text.size()) + 1,
                                          &p.statement, nullptr);
        if (rc != SQLITE_OK) {
            const DatabaseError error = engineError(db, rc);
            sqlite3_finalize(p.statement);
            throw error;
        }
        const int count = sqlite3_column_count(p.statement);
        for (int i = 0; i < count; ++i) {
            const QString name = QString::fromUtf8(sqlite3_column_name(p.statement, i)).toLower();
            if (!p.columns.contains(name)) {
                p.columns.insert(name, i);
            }
        }
        it = cache_.insert(sql_, p);
    }
    current_ = &it.value();
    return *current_;
}

void TSQLQuery::run() {
    close();
    sqlite3_stmt* statement = prepared().statement;
    sqlite3_clear_bindings(statement);
    for (const auto& [name, value] : params_) {
        const QByteArray placeholder = (u':' + name).toUtf8();
        const int index = sqlite3_bind_parameter_index(statement, placeholder.constData());
        if (index == 0) {
            throw DatabaseError(QStringLiteral("Parametro \"%1\" non presente nell'istruzione: %2")
                                    .arg(name, sql_));
        }
        int rc = SQLITE_OK;
        if (value.typeId() == QMetaType::QString) {
            const QByteArray utf8 = value.toString().toUtf8();
            rc = sqlite3_bind_text(statement, index, utf8.constData(),
                                   static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
        } else {
            rc = sqlite3_bind_int64(statement, index, value.toLongLong());
        }
        if (rc != SQLITE_OK) {
            fail(rc);
        }
    }
    step();
}

void TSQLQuery::step() {
    const int rc = sqlite3_step(current_->statement);
    if (rc == SQLITE_ROW) {
        onRow_ = true;
    } else if (rc == SQLITE_DONE) {
        onRow_ = false;
    } else {
        fail(rc);
    }
}

void TSQLQuery::fail(int code) {
    const DatabaseError error = engineError(connection_.handle(), code);
    if (current_ != nullptr) {
        sqlite3_reset(current_->statement);
    }
    onRow_ = false;
    throw error;
}

void TSQLQuery::open() {
    run();
}

void TSQLQuery::execute() {
    run();
    close();
}

void TSQLQuery::close() {
    if (current_ != nullptr) {
        sqlite3_reset(current_->statement);
    }
    onRow_ = false;
}

void TSQLQuery::next() {
    if (onRow_) {
        step();
    }
}

int TSQLQuery::columnCount() const {
    return current_ == nullptr ? 0 : sqlite3_column_count(current_->statement);
}

int TSQLQuery::columnIndex(const QString& name) const {
    if (current_ == nullptr) {
        return -1;
    }
    return current_->columns.value(name.toLower(), -1);
}

QString TSQLQuery::fieldText(int column) const {
    if (!onRow_ || column < 0) {
        return QString();
    }
    const auto* text =
        reinterpret_cast<const char*>(sqlite3_column_text(current_->statement, column));
    if (text == nullptr) {
        return QString();
    }
    return QString::fromUtf8(text, sqlite3_column_bytes(current_->statement, column));
}

QByteArrayView TSQLQuery::fieldUtf8(int column) const {
    if (!onRow_ || column < 0) {
        return QByteArrayView();
    }
    const auto* text =
        reinterpret_cast<const char*>(sqlite3_column_text(current_->statement, column));
    return QByteArrayView(text,
                          text == nullptr ? 0 : sqlite3_column_bytes(current_->statement, column));
}

qint64 TSQLQuery::fieldInteger(int column) const {
    if (!onRow_ || column < 0) {
        return 0;
    }
    return sqlite3_column_int64(current_->statement, column);
}

int TSQLQuery::requireColumn(const QString& name) const {
    const int index = columnIndex(name);
    if (index < 0) {
        throw DatabaseError(
            QStringLiteral("Colonna \"%1\" non presente nel risultato di: %2").arg(name, sql_));
    }
    return index;
}

QString TSQLQuery::fieldText(const QString& name) const {
    return fieldText(requireColumn(name));
}

qint64 TSQLQuery::fieldInteger(const QString& name) const {
    return fieldInteger(requireColumn(name));
}
