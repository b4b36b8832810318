#include "Outbox.h"

#include "export/KORVADEXNamespace.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QXmlStreamReader>

namespace {

// Read a part at a time, for the check and for the copy.
constexpr qint64 kChunkSize = 256 * 1024;

// The root must be dms:CONTENT in the service namespace.
void checkRoot(const QString& path, const QXmlStreamReader& reader) {
    const bool isContent =
        reader.qualifiedName() == QLatin1String(KORVADEXNamespace::kPrefix) + QLatin1Char(':') +
                                      QLatin1String(KORVADEXNamespace::kRootName) &&
        reader.namespaceUri() == QLatin1String(KORVADEXNamespace::kServiceUri);
    if (!isContent) {
        throw InputError(QStringLiteral("Il file \"%1\" non è un documento KORVADEX: la radice è "
                                        "\"%2\" invece di dms:CONTENT nel namespace %3.")
                             .arg(path, reader.qualifiedName().toString(),
                                  QLatin1String(KORVADEXNamespace::kServiceUri)));
    }
}

void checkIsExportDocument(const QString& path, QIODevice& content) {
    // Fed a part at a time: reading the device itself, the reader asks for a few KB at a time
    // and takes twice as long.
    QXmlStreamReader reader;
    bool rootSeen = false;
    for (bool more = true; more;) {
        const QByteArray part = content.read(kChunkSize);
        more = !part.isEmpty();
        reader.addData(part);
        while (!reader.atEnd()) {
            reader.readNext();
            if (reader.isStartElement() && !rootSeen) {
                rootSeen = true;
                checkRoot(path, reader);
            }
        }
        // The document ended, or is broken; only a part that ends too soon waits for more.
        if (reader.error() != QXmlStreamReader::PrematureEndOfDocumentError) {
            break;
        }
    }
    if (reader.hasError()) {
        throw InputError(QStringLiteral("Il file \"%1\" non è un XML ben formato: %2 (riga %3, "
                                        "colonna %4).")
                             .arg(path, reader.errorString())
                             .arg(reader.lineNumber())
                             .arg(reader.columnNumber()));
    }
}

DeliveryError writeFailure(const QString& path, const QFileDevice& file) {
    // Qt reports a full disk as a resource error; its text alone is not always clear.
    const QString reason = file.error() == QFileDevice::ResourceError
                               ? QStringLiteral("disco pieno")
                               : file.errorString();
    return DeliveryError(QStringLiteral("Impossibile scrivere \"%1\": %2").arg(path, reason));
}

// A short write is repeated with the rest, so that the write that fails says why.
void writeAll(QSaveFile& file, QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0) {
            throw writeFailure(file.fileName(), file);
        }
        bytes = bytes.sliced(written);
    }
}

// Unbuffered, so that a failed write shows in write()'s result instead of a truncated file
// being committed.
void openForWriting(QSaveFile& file) {
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        throw writeFailure(file.fileName(), file);
    }
}

void commit(QSaveFile& file) {
    if (!file.commit()) {
        throw writeFailure(file.fileName(), file);
    }
}

void writeAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    openForWriting(file);
    writeAll(file, bytes);
    commit(file);
}

// Copies the whole of `source` into the delivery's copy, and notes its size and SHA-256.
void copyWithChecksum(QFile& source, Delivery& delivery) {
    if (!source.seek(0)) {
        throw InputError(QStringLiteral("Impossibile leggere il file \"%1\": %2")
                             .arg(source.fileName(), source.errorString()));
    }
    QCryptographicHash sha256(QCryptographicHash::Sha256);
    QSaveFile copy(delivery.copyPath);
    openForWriting(copy);
    QByteArray chunk(kChunkSize, Qt::Uninitialized);
    qint64 read = 0;
    while ((read = source.read(chunk.data(), kChunkSize)) > 0) {
        const QByteArrayView part(chunk.constData(), read);
        sha256.addData(part);
        writeAll(copy, part);
        delivery.size += read;
    }
    if (read < 0) {
        throw InputError(QStringLiteral("Impossibile leggere il file \"%1\": %2")
                             .arg(source.fileName(), source.errorString()));
    }
    commit(copy);
    delivery.sha256 = QString::fromLatin1(sha256.result().toHex());
}

// A name no earlier delivery has taken: the time of receipt, then a counter if needed.
QString freeBaseName(const QDir& folder, const QDateTime& receivedAt) {
    const QString stamp =
        QStringLiteral("KORVADEX-") + receivedAt.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString base = stamp;
    for (int n = 2; folder.exists(base + QStringLiteral(".XML")); ++n) {
        base = stamp + QLatin1Char('-') + QString::number(n);
    }
    return base;
}

}  // namespace

std::unique_ptr<QFile> openExportDocument(const QString& path) {
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly)) {
        throw InputError(QStringLiteral("Impossibile leggere il file \"%1\": %2")
                             .arg(path, file->errorString()));
    }
    checkIsExportDocument(path, *file);
    return file;
}

Delivery deliverToOutbox(const QString& outboxRoot, const SendavoOptions& options, QFile& document,
                         const QDateTime& receivedAt) {
    const QDir folder(QDir(outboxRoot).filePath(options.environment));
    if (!folder.mkpath(QStringLiteral("."))) {
        throw DeliveryError(
            QStringLiteral("Impossibile creare la cartella \"%1\".").arg(folder.path()));
    }
    const QString base = freeBaseName(folder, receivedAt);
    Delivery delivery;
    delivery.copyPath = folder.filePath(base + QStringLiteral(".XML"));
    delivery.manifestPath = folder.filePath(base + QStringLiteral(".json"));
    // The manifest comes last: a copy without its manifest is an unfinished delivery.
    copyWithChecksum(document, delivery);
    const QJsonObject manifest{
        {QStringLiteral("ambiente"), options.environment},
        {QStringLiteral("partitaIvaConcessionario"), options.dealerVat},
        {QStringLiteral("marca"), options.brand},
        {QStringLiteral("codiceOfficina"), options.workshop},
        {QStringLiteral("ricevutoIl"), receivedAt.toString(Qt::ISODateWithMs)},
        {QStringLiteral("fileOriginale"), QFileInfo(options.path).absoluteFilePath()},
        {QStringLiteral("file"), QFileInfo(delivery.copyPath).fileName()},
        {QStringLiteral("dimensione"), delivery.size},
        {QStringLiteral("sha256"), delivery.sha256},
    };
    writeAtomically(delivery.manifestPath, QJsonDocument(manifest).toJson());
    return delivery;
}

void appendLogLine(const QString& logFile, const QString& line) {
    QFile file(logFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text) ||
        file.write((line + QLatin1Char('\n')).toUtf8()) < 0 || !file.flush()) {
        throw DeliveryError(QStringLiteral("Impossibile scrivere il registro \"%1\": %2")
                                .arg(logFile, file.errorString()));
    }
}
