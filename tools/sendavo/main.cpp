// Sendavo stand-in: receives the export file as the real uploader would be told to send it,
// and hands it over into an outbox beside itself, so the whole road from the DMS document
// to the outbox runs on one machine. Exit status: 0 handed over, 2 bad input, 1 the outbox
// or the log could not be written.

#include "Outbox.h"
#include "SendavoOptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {

const QString kUsage = QStringLiteral(
    "Uso: Sendavo -e production|goldmain -u PARTITA_IVA -c CHIAVE -d UTENTE -w PASSWORD "
    "-r 1000 -a QIRTA -b MARCA -s CODICE_OFFICINA -t VORNEX --path FILE");

void printErr(const QString& text) {
    QTextStream(stderr) << "Sendavo: " << text << '\n';
}

// The log records every run; when it cannot be written, that is said too.
void log(const QString& logFile, const QDateTime& time, const QString& text) {
    try {
        appendLogLine(logFile, time.toString(Qt::ISODateWithMs) + QLatin1Char('\t') + text);
    } catch (const DeliveryError& error) {
        printErr(error.message());
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QDir home(QCoreApplication::applicationDirPath());
    const QString logFile = home.filePath(QStringLiteral("Sendavo.log"));
    const QDateTime now = QDateTime::currentDateTime();
    const auto refuse = [&](const QString& message, bool showUsage) {
        log(logFile, now, QStringLiteral("RIFIUTATO\t") + message);
        printErr(message);
        if (showUsage) {
            printErr(kUsage);
        }
        return 2;
    };

    SendavoOptions options;
    try {
        options = parseSendavoOptions(application.arguments().mid(1));
    } catch (const InputError& error) {
        return refuse(error.message(), true);
    }
    try {
        const std::unique_ptr<QFile> document = openExportDocument(options.path);
        const Delivery delivery =
            deliverToOutbox(home.filePath(QStringLiteral("outbox")), options, *document, now);
        log(logFile, now,
            QStringLiteral("CONSEGNATO\t%1\t%2\t%3 byte\tsha256 %4")
                .arg(options.environment, QDir::toNativeSeparators(delivery.copyPath))
                .arg(delivery.size)
                .arg(delivery.sha256));
        QTextStream(stdout) << "Sendavo: file consegnato in "
                            << QDir::toNativeSeparators(delivery.copyPath) << '\n';
        return 0;
    } catch (const InputError& error) {
        return refuse(error.message(), false);
    } catch (const DeliveryError& error) {
        log(logFile, now, QStringLiteral("ERRORE\t") + error.message());
        printErr(error.message());
        return 1;
    }
}
