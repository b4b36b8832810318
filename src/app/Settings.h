#pragma once

#include <QString>

// The settings file KORVADEX.ini in the working folder, section Params. Each reader opens
// the file itself: no settings object is shared between windows.
namespace Settings {

inline const QString kSection = QStringLiteral("Params");

// The value of a key of Params; empty text when the file or the key is missing.
QString read(const QString& key);

// The database path, DBPath. Throws TavornoError, naming the settings file and saying what
// to do, when the file gives none: it is missing, cannot be read or is empty, or it has no
// DBPath.
QString databasePath();

// "true" and "false" in any letter case, or a number (0 false, any other true). Anything
// else, the empty text included, throws ConversionError "'%s' is not a valid boolean value".
bool parseBoolean(const QString& text);

}  // namespace Settings
