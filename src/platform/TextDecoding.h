#pragma once

#include <QByteArray>
#include <QString>

// A text that starts with a UTF-16 byte order mark (little or big endian) is read as
// UTF-16 of that order. Otherwise, after dropping a UTF-8 byte order mark, bytes that are
// valid UTF-8 are read as UTF-8 and anything else as Windows-1252, the code page a DMS on
// Windows writes in.
QString decodeDocumentText(const QByteArray& bytes);

// Windows-1252 as Windows itself maps it: the five bytes the code page leaves undefined
// become the control characters of the same value, so no byte is ever lost.
QString decodeWindows1252(const QByteArray& bytes);
