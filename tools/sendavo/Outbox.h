#pragma once

#include "SendavoOptions.h"

#include <QDateTime>
#include <QFile>
#include <QString>
#include <memory>

// A failure to write the outbox or the log.
class DeliveryError : public std::runtime_error {
public:
    explicit DeliveryError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// The file at `path`, open for reading, after checking that it is a well-formed export
// document: root dms:CONTENT in the service namespace. The check reads the file as a
// stream, a part at a time. Throws InputError otherwise.
std::unique_ptr<QFile> openExportDocument(const QString& path);

struct Delivery {
    QString copyPath;
    QString manifestPath;
    qint64 size = 0;
    QString sha256;
};

// Hands the document over: a copy and a manifest in `outboxRoot`/<environment>/, both
// named after the time of receipt. The copy and its SHA-256 are made in one pass over the
// open file, a part at a time, so that a file of any size takes little memory. The manifest
// records the environment, the dealer's VAT number, the brand, the workshop code, the
// time, the file and its size and SHA-256; never the user, the password or the key. A full
// disk is said as such. Throws DeliveryError (InputError when the file cannot be read).
Delivery deliverToOutbox(const QString& outboxRoot, const SendavoOptions& options, QFile& document,
                         const QDateTime& receivedAt);

// Appends one line to the log file. Throws DeliveryError.
void appendLogLine(const QString& logFile, const QString& line);
