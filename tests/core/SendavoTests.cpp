#include "ExportFixtures.h"
#include "export/UploaderHandOff.h"
#include "export/WindowsCommandLine.h"
#include "support/ProgramRun.h"
#include "support/WorkFolder.h"

#include <gtest/gtest.h>
#include <QCryptographicHash>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

UploaderSettings dealerSettings() {
    return {QStringLiteral("goldmain"),    QStringLiteral("01234567890"),
            QStringLiteral("chiave-456"),  QStringLiteral("utente.officina"),
            QStringLiteral("segreta-123"), QStringLiteral("50"),
            QStringLiteral("0123456")};
}

// Installs the stand-in in `folder` and runs it, as the program starts it, on `document`
// written as the export file.
ProgramRun sendExport(const WorkFolder& folder, const QByteArray& document,
                      const UploaderSettings& settings = dealerSettings()) {
    const QString program = folder.installUploader();
    const QString file = QDir(folder.dmsFolder()).filePath(QStringLiteral("KORVADEX.XML"));
    writeFile(file, document);
    return runProgram(program, splitWindowsCommandLine(uploaderParameters(settings, file)));
}

}  // namespace

// The export of a day, and one far larger than the part the stand-in reads at a time: each
// copied byte for byte, with the size and checksum of the whole file.
TEST(Sendavo, HandsTheExportOverToTheOutboxWithAManifest) {
    const QByteArray large =
        QByteArray(kTwoJobOrdersXml) + "<!-- " + QByteArray(3 << 20, 'x') + " -->\n";
    for (const QByteArray& document : {QByteArray(kTwoJobOrdersXml), large}) {
        WorkFolder folder;
        const ProgramRun run = sendExport(folder, document);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

        const QDir outbox(folder.path(QStringLiteral("Marlquist/outbox/goldmain")));
        const QStringList copies = outbox.entryList({QStringLiteral("*.XML")}, QDir::Files);
        const QStringList manifests = outbox.entryList({QStringLiteral("*.json")}, QDir::Files);
        ASSERT_EQ(copies.size(), 1);
        ASSERT_EQ(manifests.size(), 1);
        EXPECT_TRUE(readFile(outbox.filePath(copies[0])) == document);

        const QByteArray manifestText = readFile(outbox.filePath(manifests[0]));
        const QJsonObject manifest = QJsonDocument::fromJson(manifestText).object();
        EXPECT_EQ(manifest.value(QStringLiteral("ambiente")).toString(),
                  QStringLiteral("goldmain"));
        EXPECT_EQ(manifest.value(QStringLiteral("partitaIvaConcessionario")).toString(),
                  QStringLiteral("01234567890"));
        EXPECT_EQ(manifest.value(QStringLiteral("marca")).toString(), QStringLiteral("50"));
        EXPECT_EQ(manifest.value(QStringLiteral("codiceOfficina")).toString(),
                  QStringLiteral("0123456"));
        EXPECT_EQ(manifest.value(QStringLiteral("dimensione")).toInteger(), document.size());
        EXPECT_EQ(manifest.value(QStringLiteral("sha256")).toString(),
                  QString::fromLatin1(
                      QCryptographicHash::hash(document, QCryptographicHash::Sha256).toHex()));
        EXPECT_FALSE(manifest.value(QStringLiteral("ricevutoIl")).toString().isEmpty());

        const QByteArray log = readFile(folder.path(QStringLiteral("Marlquist/Sendavo.log")));
        EXPECT_TRUE(log.contains("CONSEGNATO"));
        for (const QByteArray secret : {"segreta-123", "chiave-456"}) {
            EXPECT_FALSE(manifestText.contains(secret));
            EXPECT_FALSE(log.contains(secret));
        }
    }
}

TEST(Sendavo, RefusesBadInputWithAClearMessage) {
    WorkFolder folder;
    const QString program = folder.installUploader();
    const QString good = folder.path(QStringLiteral("good.xml"));
    writeFile(good, kTwoJobOrdersXml);
    writeFile(folder.path(QStringLiteral("truncated.xml")), QByteArray(kTwoJobOrdersXml).left(500));
    writeFile(folder.path(QStringLiteral("other-root.xml")), "<?xml version=\"1.0\"?>\n<a/>\n");
    writeFile(folder.path(QStringLiteral("other-namespace.xml")),
              QByteArray(kTwoJobOrdersXml).replace("DmsToQuomix_v4\"", "DmsToQuomix_v3\""));

    UploaderSettings withBlank = dealerSettings();
    withBlank.UtenteDMS = QStringLiteral("Mario Rossi");
    const struct {
        QString parameters;
        const char* message;
    } cases[] = {
        {uploaderParameters(dealerSettings(), folder.path(QStringLiteral("missing.xml"))),
         "Impossibile leggere il file"},
        {uploaderParameters(dealerSettings(), folder.path(QStringLiteral("truncated.xml"))),
         "non è un XML ben formato"},
        {uploaderParameters(dealerSettings(), folder.path(QStringLiteral("other-root.xml"))),
         "non è un documento KORVADEX"},
        {uploaderParameters(dealerSettings(), folder.path(QStringLiteral("other-namespace.xml"))),
         "non è un documento KORVADEX"},
        // Empty values leave each option followed by the next one, taken as its value.
        {uploaderParameters(UploaderSettings(), good), "Parametro inatteso dopo l'opzione -w"},
        {uploaderParameters(withBlank, good), "Parametro inatteso dopo l'opzione -d"},
        {uploaderParameters(dealerSettings(), good).replace("goldmain", "test"),
         "Ambiente non valido (-e): \"test\""},
        {uploaderParameters(dealerSettings(), good).replace("-w segreta-123", "-w \"\""),
         "Manca la password (-w)"},
        {uploaderParameters(dealerSettings(), good) + " -s 0123456", "Opzione ripetuta: -s"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = runProgram(program, splitWindowsCommandLine(c.parameters));
        EXPECT_EQ(run.exitCode, 2) << c.message;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
    }
    EXPECT_FALSE(QDir(folder.path(QStringLiteral("Marlquist/outbox"))).exists());
}

// The program always passes every option; a command line without one was not made by it.
TEST(Sendavo, RequiresEveryOptionTheProgramPasses) {
    WorkFolder folder;
    const QString program = folder.installUploader();
    const QString good = folder.path(QStringLiteral("good.xml"));
    writeFile(good, kTwoJobOrdersXml);
    const QStringList complete =
        splitWindowsCommandLine(uploaderParameters(dealerSettings(), good));
    const struct {
        const char* option;
        const char* message;
    } cases[] = {
        {"-e", "Manca l'ambiente (-e)"},
        {"-u", "Manca la partita IVA del concessionario (-u)"},
        {"-c", "Manca la chiave di accesso (-c)"},
        {"-d", "Manca l'utente (-d)"},
        {"-w", "Manca la password (-w)"},
        {"-r", "Manca il valore dell'opzione -r (-r)"},
        {"-a", "Manca il valore dell'opzione -a (-a)"},
        {"-b", "Manca la marca (-b)"},
        {"-s", "Manca il codice officina (-s)"},
        {"-t", "Manca il valore dell'opzione -t (-t)"},
        {"--path", "Manca il file da inviare (--path)"},
    };
    for (const auto& c : cases) {
        QStringList arguments = complete;
        const qsizetype at = arguments.indexOf(QString::fromLatin1(c.option));
        ASSERT_GE(at, 0) << c.option;
        arguments.remove(at, 2);
        const ProgramRun run = runProgram(program, arguments);
        EXPECT_EQ(run.exitCode, 2) << c.option;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
    }
    // An option at the end with no word after it has no value either.
    const ProgramRun cut = runProgram(program, complete.mid(0, complete.size() - 1));
    EXPECT_EQ(cut.exitCode, 2);
    EXPECT_TRUE(cut.err.contains(QStringLiteral("Manca il file da inviare (--path)")))
        << cut.err.toStdString();
    EXPECT_FALSE(QDir(folder.path(QStringLiteral("Marlquist/outbox"))).exists());
}

// A password or key may look like an option: the word after an option is its value.
TEST(Sendavo, TakesTheWordAfterAnOptionAsItsValueWhateverItLooksLike) {
    WorkFolder folder;
    UploaderSettings settings = dealerSettings();
    settings.PasswordDMS = QStringLiteral("-c");
    settings.ApiKey = QStringLiteral("--path");
    settings.UtenteDMS = QStringLiteral("-w");
    const ProgramRun run = sendExport(folder, kTwoJobOrdersXml, settings);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QDir(folder.path(QStringLiteral("Marlquist/outbox/goldmain")))
                  .entryList({QStringLiteral("*.XML")}, QDir::Files)
                  .size(),
              1);
}

// The outbox on a disk that fills up: a file system of 256 KB of our own, mounted over the
// outbox in a mount namespace of the run alone (unshare), so no real disk is filled.
TEST(Sendavo, AFullDiskIsSaidAsSuch) {
    WorkFolder folder;
    const QString program = folder.installUploader();
    const QString outbox = folder.path(QStringLiteral("Marlquist/outbox"));
    ASSERT_TRUE(QDir().mkpath(outbox));
    const QString file = folder.path(QStringLiteral("KORVADEX.XML"));
    writeFile(file, QByteArray(kTwoJobOrdersXml) + "<!-- " + QByteArray(1 << 20, 'x') + " -->\n");

    const QStringList onSmallDisk = {
        QStringLiteral("--user"),
        QStringLiteral("--map-root-user"),
        QStringLiteral("--mount"),
        QStringLiteral("sh"),
        QStringLiteral("-c"),
        QStringLiteral("mount -t tmpfs -o size=256k tavorno-disco-pieno \"$0\" && exec \"$@\""),
        outbox};
    const ProgramRun probe =
        runProgram(QStringLiteral("unshare"), onSmallDisk + QStringList{QStringLiteral("true")});
    if (probe.exitCode != 0) {
        GTEST_SKIP() << "no mount namespace here: " << probe.err.toStdString();
    }

    const ProgramRun run =
        runProgram(QStringLiteral("unshare"),
                   onSmallDisk + QStringList{program} +
                       splitWindowsCommandLine(uploaderParameters(dealerSettings(), file)));
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("disco pieno"))) << run.err.toStdString();
    const QByteArray log = readFile(folder.path(QStringLiteral("Marlquist/Sendavo.log")));
    EXPECT_TRUE(log.contains("ERRORE")) << log.toStdString();
    EXPECT_TRUE(log.contains("disco pieno")) << log.toStdString();
}
