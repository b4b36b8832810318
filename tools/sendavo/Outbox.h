#pragma once

#include "SendavoOptions.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// A failure to write the outbox or the log.
class DeliveryError : public std::runtime_error {
public:
    explicit DeliveryError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// The content of the file at `path`, after checking that it is a well-formed export
// document: root dms:CONTENT in the service namespace. Throws InputError otherwise.
QByteArray readExportDocument(const QString& path);

struct Delivery {
    QString copyPath;
    QString manifestPath;
    qint64 size = 0;
    QString sha256;
};

// Hands the document over: a copy and a manifest in `outboxRoot`/<environment>/, both
// named after the time of receipt. The manifest records the environment, the dealer's VAT
// number, the brand, the workshop code, the time, the file and its size and SHA-256; never
// the user, the password or the key. Throws DeliveryError.
Delivery deliverToOutbox(const QString& outboxRoot, const SendavoOptions& options,
                         const QByteArray& document, const QDateTime& receivedAt);

// Appends one line to the log file. Throws DeliveryError.
void appendLogLine(const QString& logFile, const QString& line);
