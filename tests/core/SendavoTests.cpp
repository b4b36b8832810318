#include "ExportFixtures.h"
#include "export/UploaderHandOff.h"
#include "export/WindowsCommandLine.h"
#include "support/ProgramRun.h"
#include "support/WorkFolder.h"

#include <gtest/gtest.h>
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

}  // namespace

TEST(Sendavo, HandsTheExportOverToTheOutboxWithAManifest) {
    WorkFolder folder;
    const QString program = folder.installUploader();
    const QString file = QDir(folder.dmsFolder()).filePath(QStringLiteral("KORVADEX.XML"));
    writeFile(file, kTwoJobOrdersXml);

    const ProgramRun run =
        runProgram(program, splitWindowsCommandLine(uploaderParameters(dealerSettings(), file)));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    const QDir outbox(folder.path(QStringLiteral("Marlquist/outbox/goldmain")));
    const QStringList copies = outbox.entryList({QStringLiteral("*.XML")}, QDir::Files);
    const QStringList manifests = outbox.entryList({QStringLiteral("*.json")}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    ASSERT_EQ(manifests.size(), 1);
    EXPECT_EQ(readFile(outbox.filePath(copies[0])), QByteArray(kTwoJobOrdersXml));

    const QByteArray manifestText = readFile(outbox.filePath(manifests[0]));
    const QJsonObject manifest = QJsonDocument::fromJson(manifestText).object();
    EXPECT_EQ(manifest.value(QStringLiteral("ambiente")).toString(), QStringLiteral("goldmain"));
    EXPECT_EQ(manifest.value(QStringLiteral("partitaIvaConcessionario")).toString(),
              QStringLiteral("01234567890"));
    EXPECT_EQ(manifest.value(QStringLiteral("marca")).toString(), QStringLiteral("50"));
    EXPECT_EQ(manifest.value(QStringLiteral("codiceOfficina")).toString(),
              QStringLiteral("0123456"));
    EXPECT_EQ(manifest.value(QStringLiteral("dimensione")).toInteger(),
              qint64(qstrlen(kTwoJobOrdersXml)));
    EXPECT_EQ(manifest.value(QStringLiteral("sha256")).toString().size(), 64);
    EXPECT_FALSE(manifest.value(QStringLiteral("ricevutoIl")).toString().isEmpty());

    const QByteArray log = readFile(folder.path(QStringLiteral("Marlquist/Sendavo.log")));
    EXPECT_TRUE(log.contains("CONSEGNATO"));
    for (const QByteArray secret : {"segreta-123", "chiave-456"}) {
        EXPECT_FALSE(manifestText.contains(secret));
        EXPECT_FALSE(log.contains(secret));
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
        {uploaderParameters(UploaderSettings(), good), "Ambiente non valido (-e): \"\""},
        {uploaderParameters(withBlank, good), "Parametro inatteso dopo l'opzione -d"},
        {QStringLiteral("-e production -u 1 -b 2 -s 3"), "Manca il file da inviare (--path)"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = runProgram(program, splitWindowsCommandLine(c.parameters));
        EXPECT_EQ(run.exitCode, 2) << c.message;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
    }
    EXPECT_FALSE(QDir(folder.path(QStringLiteral("Marlquist/outbox"))).exists());
}
