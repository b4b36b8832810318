#include "export/AtomicFile.h"

#include "platform/Errors.h"

#include <QDir>
#include <QSaveFile>

namespace {

[[noreturn]] void throwNotWritten(const QString& path, const QString& cause) {
    throw TavornoError(QStringLiteral("Impossibile scrivere il file \"%1\": %2")
                           .arg(QDir::toNativeSeparators(path), cause));
}

}  // namespace

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered: a short write (a full disk) then shows in write()'s result, while through
    // the buffer it would go unnoticed and commit() would publish a truncated file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        throwNotWritten(path, file.errorString());
    }
    if (file.write(bytes) != bytes.size()) {
        throwNotWritten(path, file.error() == QFileDevice::NoError
                                  ? QStringLiteral("scrittura incompleta (disco pieno?)")
                                  : file.errorString());
    }
    if (!file.commit()) {
        throwNotWritten(path, file.errorString());
    }
}
