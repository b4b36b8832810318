#include "platform/AtomicFile.h"

#include "platform/Errors.h"

#include <QDir>

AtomicFile::AtomicFile(const QString& path) : path_(path), file_(path) {
    // Unbuffered: a short write (a full disk) then shows in write()'s result, while through
    // the buffer it would go unnoticed and commit() would publish a truncated file.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        fail(file_.errorString());
    }
}

void AtomicFile::write(const char* data, qsizetype size) {
    if (file_.write(data, size) != size) {
        fail(file_.error() == QFileDevice::NoError
                 ? QStringLiteral("scrittura incompleta (disco pieno?)")
                 : file_.errorString());
    }
}

void AtomicFile::commit() {
    if (!file_.commit()) {
        fail(file_.errorString());
    }
}

void AtomicFile::fail(const QString& cause) const {
    throw TavornoError(QStringLiteral("Impossibile scrivere il file \"%1\": %2")
                           .arg(QDir::toNativeSeparators(path_), cause));
}
