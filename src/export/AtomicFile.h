#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` to a temporary file in the folder of `path` and then renames it over
// `path`, so a reader sees either the old file or the whole new one, never a half-written
// one. On any failure the old file stays as it was, the temporary file is removed, and a
// TavornoError names the file and the cause.
void writeFileAtomically(const QString& path, const QByteArray& bytes);
