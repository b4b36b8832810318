#pragma once

#include <QString>
#include <chrono>
#include <thread>

// Another program holding the database for a moment: once constructed, a connection of its
// own has begun a transaction with `begin` ("BEGIN IMMEDIATE;", "BEGIN EXCLUSIVE;"),
// written a vehicle, and commits `hold` later. The destructor waits for the commit.
class LockHolder {
public:
    LockHolder(const QString& path, const char* begin, std::chrono::milliseconds hold);
    ~LockHolder();
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

private:
    std::thread thread_;
};
