#pragma once

#include "platform/Errors.h"

// An error reported by the database engine: a file that cannot be opened or is not a
// database, a missing table, a violated constraint, a lock held too long.
class DatabaseError : public TavornoError {
public:
    using TavornoError::TavornoError;
};
