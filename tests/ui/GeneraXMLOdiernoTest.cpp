// "Genera XML Odierno": today's job orders into KORVADEX.XML, then the offer to send.

#include "TavornoFixture.h"

#include <QFile>
#include <QPushButton>

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

TEST_F(GeneraXMLOdiernoTest, AnUploaderThatCannotStartMarksNothing) {
    memorizzaCommessa(QStringLiteral("004817"), false);
    TFormTavorno& window = avvia();
    script.answer(true).answer(true);
    window.ButtonGeneraXMLOdierno->click();

    EXPECT_EQ(script.shown().back().kind, QStringLiteral("error"));
    EXPECT_TRUE(script.shown().back().text.contains(QStringLiteral("Sendavo")));
    EXPECT_EQ(statoInvio(), QStringLiteral("0"));
}

TEST_F(GeneraXMLOdiernoTest, ADayWithoutJobOrdersSaysSo) {
    TFormTavorno& window = avvia();
    script.answer(true);
    window.ButtonGeneraXMLOdierno->click();

    EXPECT_EQ(script.texts().back(), QStringLiteral("Non c'è alcuna Commessa da generare!"));
    EXPECT_FALSE(QFile::exists(esportazione()));
}

}  // namespace
