#pragma once

#include "platform/Errors.h"

#include <QString>

// The message of the TavornoError `action` throws, or empty text when it throws none.
template <typename Action>
QString errorOf(Action action) {
    try {
        action();
    } catch (const TavornoError& error) {
        return error.message();
    }
    return QString();
}
