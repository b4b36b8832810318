// "Genera XML Odierno": today's job orders into KORVADEX.XML, then the offer to send.

#include "TavornoFixture.h"
#include "support/ExportSchema.h"
#include "support/ProgramRun.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

namespace {

const QString kDomandaOdierno = QStringLiteral(
    "Verranno generate e spedite TUTTE le Commesse create oggi.\r\nVuoi continuare?");
const QString kGenerato = QStringLiteral("XML generato con successo!");
const QString kDomandaInvio = QStringLiteral("Vuoi spedire ora tutte le commesse generate?");

class GeneraXMLOdiernoTest : public TavornoTest {
protected:
    QString esportazione() const { return folder.dmsFolder() + QStringLiteral("/KORVADEX.XML"); }
    QString statoInvio() {
        return database().scalar(QStringLiteral("SELECT StatoInvio FROM Commessa"));
    }
};

TEST_F(GeneraXMLOdiernoTest, NoToTheQuestionDoesNothing) {
    memorizzaCommessa(QStringLiteral("004817"), false);
    TFormTavorno& window = avvia();
    script.answer(false);
    window.ButtonGeneraXMLOdierno->click();

    EXPECT_EQ(script.texts(), std::vector<QString>{kDomandaOdierno});
    EXPECT_FALSE(QFile::exists(esportazione()));
}

TEST_F(GeneraXMLOdiernoTest, TodaysJobOrdersAreWrittenAndNotMarkedUnlessSent) {
    const QString id = memorizzaCommessa(QStringLiteral("004817"), false);
    TFormTavorno& window = avvia();
    script.answer(true).answer(false);
    window.ButtonGeneraXMLOdierno->click();

    EXPECT_EQ(script.texts(), (std::vector<QString>{kDomandaOdierno, kGenerato, kDomandaInvio}));
    const QByteArray xml = readFile(esportazione());
    EXPECT_TRUE(xml.contains("Rumore ai freni"));
    EXPECT_TRUE(xml.contains(QStringLiteral("%1").arg(id, 9, u'0').toUtf8()));
    EXPECT_EQ(statoInvio(), QStringLiteral("0"));
}

// The whole road on one machine: the window writes the document, the uploader stand-in
// receives it in its outbox, the job order reads as sent, and the batch export of the same
// date writes the same document.
TEST_F(GeneraXMLOdiernoTest, TheDocumentReachesTheUploadersOutbox) {
    memorizzaCommessa(QStringLiteral("004817"), false);
    folder.installUploader();
    TFormTavorno& window = avvia();
    script.answer(true).answer(true);
    window.ButtonGeneraXMLOdierno->click();

    const QByteArray xml = readFile(esportazione());
    EXPECT_EQ(exportSchemaErrors(xml), QString());
    EXPECT_EQ(statoInvio(), QStringLiteral("1"));
    const QDir outbox(folder.path(QStringLiteral("Marlquist/outbox/goldmain")));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !outbox.entryList({QStringLiteral("*.json")}, QDir::Files).isEmpty(); },
        20000));
    const QStringList copie = outbox.entryList({QStringLiteral("*.XML")}, QDir::Files);
    ASSERT_EQ(copie.size(), 1);
    EXPECT_EQ(readFile(outbox.filePath(copie.first())), xml);

    const QString batch = folder.path(QStringLiteral("batch.xml"));
    const ProgramRun admin =
        runProgram(QStringLiteral(TAVORNO_ADMIN_PATH),
                   {QStringLiteral("export"), QStringLiteral("--date"),
                    QDate::currentDate().toString(Qt::ISODate), QStringLiteral("--out"), batch},
                   folder.path());
    EXPECT_EQ(admin.exitCode, 0) << admin.err.toStdString();
    EXPECT_EQ(readFile(batch), xml);
}

TEST_F(GeneraXMLOdiernoTest, AnUploaderThatCannotStartMarksNothing) {
    memorizzaCommessa(QStringLiteral("004817"), false);
    TFormTavorno& window = avvia();
    script.answer(true).answer(true).expectError();
    window.ButtonGeneraXMLOdierno->click();

    const std::vector<QString> testi = script.texts();
    ASSERT_EQ(testi.size(), 4u);
    EXPECT_EQ(std::vector<QString>(testi.begin(), testi.begin() + 3),
              (std::vector<QString>{kDomandaOdierno, kGenerato, kDomandaInvio}));
    EXPECT_TRUE(testi[3].contains(QStringLiteral("Sendavo"))) << testi[3].toStdString();
    EXPECT_EQ(statoInvio(), QStringLiteral("0"));
}

TEST_F(GeneraXMLOdiernoTest, ADayWithoutJobOrdersSaysSo) {
    TFormTavorno& window = avvia();
    script.answer(true);
    window.ButtonGeneraXMLOdierno->click();

    EXPECT_EQ(script.texts(), (std::vector<QString>{kDomandaOdierno,
                                                    QStringLiteral("Non c'è alcuna Commessa da "
                                                                   "generare!")}));
    EXPECT_FALSE(QFile::exists(esportazione()));
}

}  // namespace
