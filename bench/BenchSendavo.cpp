// Measures the uploader stand-in on a large export: it copies the file and its checksum a
// part at a time, so its peak memory must not grow with the file. Writes an export document
// of the size asked for (in MB, default 256) into a temporary folder, runs a copy of Sendavo
// there, and reports the time and the peak memory of its process (ru_maxrss).
//
//   tavorno-bench-sendavo [MB]

#include "Verdetti.h"
#include "export/KORVADEXNamespace.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <vector>

extern char** environ;

namespace {

constexpr double kTargetPeakMB = 64.0;

// A well-formed export document of about `megabytes` MB: the root and many job orders' worth
// of elements.
bool writeExport(const QString& path, qint64 megabytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<dms:CONTENT "
                                 "xmlns:dms=\"") +
               KORVADEXNamespace::kServiceUri + "\">\n");
    const QByteArray element = "  <dms:RepairOrder Id=\"" + QByteArray(40, '7') +
                               "\" Description=\"Tagliando con sostituzione filtri\"/>\n";
    const qint64 bytes = megabytes << 20;
    for (qint64 written = 0; written < bytes; written += element.size()) {
        file.write(element);
    }
    file.write("</dms:CONTENT>\n");
    return file.error() == QFileDevice::NoError;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 256;
    QTemporaryDir dir;
    const QString program = QDir(dir.path()).filePath(QStringLiteral("Marlquist/Sendavo"));
    const QString exportFile = QDir(dir.path()).filePath(QStringLiteral("KORVADEX.XML"));
    if (megabytes <= 0 || !dir.isValid() || !QDir(dir.path()).mkpath(QStringLiteral("Marlquist")) ||
        !QFile::copy(QStringLiteral(TAVORNO_SENDAVO_PATH), program) ||
        !writeExport(exportFile, megabytes)) {
        QTextStream(stderr) << "Uso: tavorno-bench-sendavo [MB] (MB > 0, spazio per il file)\n";
        return 2;
    }

    const QStringList arguments =
        QStringList{program} +
        QStringLiteral(
            "-e goldmain -u 01234567890 -c chiave -d utente -w segreta -r 1000 -a "
            "QIRTA -b 50 -s 0123456 -t VORNEX --path")
            .split(u' ') +
        QStringList{exportFile};
    std::vector<QByteArray> words;
    for (const QString& argument : arguments) {
        words.push_back(argument.toLocal8Bit());
    }
    std::vector<char*> argvChild;
    for (const QByteArray& word : words) {
        argvChild.push_back(const_cast<char*>(word.constData()));
    }
    argvChild.push_back(nullptr);

    QElapsedTimer timer;
    timer.start();
    pid_t child = 0;
    if (posix_spawn(&child, argvChild[0], nullptr, nullptr, argvChild.data(), environ) != 0) {
        QTextStream(stderr) << "Impossibile avviare " << program << '\n';
        return 1;
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    const double peakMB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux

    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        QTextStream(stderr) << "Sendavo non è terminato con successo (stato "
                            << (WIFEXITED(status) ? WEXITSTATUS(status) : -1) << ")\n";
        return 1;
    }
    Verdetti verdetti;
    const qint64 megabyteFile = QFile(exportFile).size() / (1 << 20);
    verdetti.confronto(QStringLiteral("Sendavo su un file di %1 MB, durata").arg(megabyteFile),
                       seconds, QStringLiteral("s"));
    verdetti.sotto(QStringLiteral("Sendavo su un file di %1 MB, picco di memoria (ru_maxrss)")
                       .arg(megabyteFile),
                   peakMB, kTargetPeakMB, QStringLiteral("MB"));
    return verdetti.esito();
}
