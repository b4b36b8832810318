#pragma once

#include <QSaveFile>
#include <QString>

// A file replaced as a whole: written to a temporary file in its folder, then renamed over
// it by commit(), so a reader sees either the old file or the whole new one, never a
// half-written one. On any failure, and when the object goes away without commit(), the old
// file stays as it was and the temporary file is removed. Failures throw a TavornoError
// naming the file and the cause.
class AtomicFile {
public:
    explicit AtomicFile(const QString& path);
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void write(const char* data, qsizetype size);
    void commit();

private:
    [[noreturn]] void fail(const QString& cause) const;

    QString path_;
    QSaveFile file_;
};
