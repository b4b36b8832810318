#pragma once

#include "db/DatabaseFile.h"

#include <QString>
#include <optional>

struct sqlite3;

// The one connection to the SQLite file named by DBPath. It opens an existing file for
// reading and writing and never creates one; it opens on the explicit connect or on the
// first statement, whichever comes first, and stays open for the run.
class TSQLConnection {
public:
    TSQLConnection();
    ~TSQLConnection();
    TSQLConnection(const TSQLConnection&) = delete;
    TSQLConnection& operator=(const TSQLConnection&) = delete;

    // The `Database` setting: the file to open. Has no effect once connected.
    void setDatabase(const QString& path) { database_ = path; }

    // Opens the file unless already open. Throws DatabaseError when the file is missing,
    // is not a SQLite database or cannot be written; the message says what to do.
    void connect();
    bool connected() const { return handle_.has_value(); }

    // The open handle, connecting first if needed.
    sqlite3* handle();

    // Runs statements that return no rows (transaction control, pragmas).
    void executeDirect(const char* sql);

    // How many rows the last INSERT, UPDATE or DELETE changed.
    int changes();

    // How long a statement waits for a lock another process holds before it fails.
    static constexpr int kBusyTimeoutMs = 5000;
    // Changes that wait, also on an open connection (tests shorten it).
    void setBusyTimeout(int milliseconds);

private:
    QString database_;
    int busyTimeoutMs_ = kBusyTimeoutMs;
    std::optional<DatabaseHandle> handle_;
};
