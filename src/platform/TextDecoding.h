#pragma once

#include <QByteArray>
#include <QString>

// Bytes that are valid UTF-8 are read as UTF-8 (a leading byte order mark dropped);
// anything else as Windows-1252, the code page a DMS on Windows writes in.
QString decodeDocumentText(const QByteArray& bytes);

// Windows-1252 as Windows itself maps it: the five bytes the code page leaves undefined
// become the control characters of the same value, so no byte is ever lost.
QString decodeWindows1252(const QByteArray& bytes);
