#include "db/TransactionGuard.h"

#include "db/SQLConnection.h"

#include <sqlite3.h>

TransactionGuard::TransactionGuard(TSQLConnection& connection) : connection_(connection) {
    outermost_ = sqlite3_get_autocommit(connection_.handle()) != 0;
    if (outermost_) {
        // IMMEDIATE takes the write lock now, so waiting for another process happens before
        // anything is written rather than half-way through.
        connection_.executeDirect("BEGIN IMMEDIATE;");
    }
}

TransactionGuard::~TransactionGuard() {
    if (outermost_ && !finished_) {
        // Nothing may escape a destructor; a failed rollback leaves SQLite to discard the
        // open transaction when the connection closes.
        sqlite3_exec(connection_.handle(), "ROLLBACK;", nullptr, nullptr, nullptr);
    }
}

void TransactionGuard::commit() {
    if (outermost_ && !finished_) {
        connection_.executeDirect("COMMIT;");
    }
    finished_ = true;
}
