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

void checkIsExportDocument(const QString& path, const QByteArray& content) {
    QXmlStreamReader reader(content);
    bool rootSeen = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && !rootSeen) {
            rootSeen = true;
            const bool isContent =
                reader.qualifiedName() == QLatin1String(KORVADEXNamespace::kPrefix) +
                                              QLatin1Char(':') +
                                              QLatin1String(KORVADEXNamespace::kRootName) &&
                reader.namespaceUri() == QLatin1String(KORVADEXNamespace::kServiceUri);
            if (!isContent) {
                throw InputError(QStringLiteral("Il file \"%1\" non è un documento KORVADEX: la "
                                                "radice è \"%2\" invece di dms:CONTENT nel "
                                                "namespace %3.")
                                     .arg(path, reader.qualifiedName().toString(),
                                          QLatin1String(KORVADEXNamespace::kServiceUri)));
            }
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

// Unbuffered, so that a short write shows in write()'s result instead of a truncated file
// being committed.
void writeAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size() || !file.commit()) {
        throw DeliveryError(
            QStringLiteral("Impossibile scrivere \"%1\": %2").arg(path, file.errorString()));
    }
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

QByteArray readExportDocument(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw InputError(
            QStringLiteral("Impossibile leggere il file \"%1\": %2").arg(path, file.errorString()));
    }
    const QByteArray content = file.readAll();
    checkIsExportDocument(path, content);
    return content;
}

Delivery deliverToOutbox(const QString& outboxRoot, const SendavoOptions& options,
                         const QByteArray& document, const QDateTime& receivedAt) {
    const QDir folder(QDir(outboxRoot).filePath(options.environment));
    if (!folder.mkpath(QStringLiteral("."))) {
        throw DeliveryError(
            QStringLiteral("Impossibile creare la cartella \"%1\".").arg(folder.path()));
    }
    const QString base = freeBaseName(folder, receivedAt);
    Delivery delivery;
    delivery.copyPath = folder.filePath(base + QStringLiteral(".XML"));
    delivery.manifestPath = folder.filePath(base + QStringLiteral(".json"));
    delivery.size = document.size();
    delivery.sha256 =
        QString::fromLatin1(QCryptographicHash::hash(document, QCryptographicHash::Sha256).toHex());

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
    // The manifest comes last: a copy without its manifest is an unfinished delivery.
    writeAtomically(delivery.copyPath, document);
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
