// The main window's creation on a DMS job card document: a new card, a stored one, a sent
// one, and a document the reading stops on.

#include "TavornoFixture.h"

#include <sys/stat.h>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString kAvvisoInviata = QStringLiteral(
    "Questa Commessa risulta già inviata, e alcune operazioni potrebbero essere disabilitate.");

TEST_F(TavornoTest, ANewCardPrefillsTheWindow) {
    scriviDocumento(testaNuovaScheda(), QStringLiteral("004817"));
    TFormTavorno& window = avvia();

    EXPECT_EQ(window.EditCodiceScheda->text(), QStringLiteral("004817"));
    EXPECT_EQ(window.EditRagioneSociale->text(), QStringLiteral("D'Amico Nicolò"));
    EXPECT_EQ(window.EditCFPIVA->text(), QStringLiteral("DMCNCL80A01D969K"));
    EXPECT_EQ(window.EditTarga->text(), QStringLiteral("GE482LT"));
    EXPECT_EQ(window.EditTelaio->text(), QStringLiteral("04567891"));
    EXPECT_EQ(window.LabelMarcaModelloVeicolo->text(), QStringLiteral("FIAT PANDA 1.0 Hybrid"));
    EXPECT_EQ(window.ComboBoxMarche->currentText(), QStringLiteral("FIAT"));
    EXPECT_EQ(window.ComboBoxTipoCliente->currentText(), QStringLiteral("Cliente Privato"));
    EXPECT_EQ(window.EditIDClienteDMS->text(), QStringLiteral("04217"));
    EXPECT_EQ(window.ComboBoxCodiceMercato->currentText(), QStringLiteral("Italia"));
    EXPECT_EQ(window.PIvaCarr, QStringLiteral("02468013579"));
    EXPECT_EQ(window.ClienteSelezionato.FTipoCliente, QStringLiteral("S"));
    EXPECT_FALSE(window.ButtonValorizzaIDClienteDMS->isEnabled());
    EXPECT_FALSE(window.ButtonSalvaDatiCommessa->isEnabled());
    EXPECT_FALSE(window.OperazioneDiModificaCommessa);
    EXPECT_TRUE(script.shown().empty());
}

TEST_F(TavornoTest, AChassisLeftLongerThanTheFieldIsShownWhole) {
    QMap<QString, QString> testa = testaNuovaScheda();
    testa[QStringLiteral("Telaio")] = QStringLiteral("ABCDEFGHJ12345678");
    scriviDocumento(testa, QStringLiteral("004817"));
    script.answer(false);
    TFormTavorno& window = avvia();

    EXPECT_EQ(window.EditTelaio->text(), QStringLiteral("ABCDEFGHJ12345678"));
}

TEST_F(TavornoTest, AStoredCardShowsTheStoredJobOrderAndTheDocumentsVehicleLabel) {
    const QString id = memorizzaCommessa(QStringLiteral("004817"), false);
    scriviDocumento(testaNuovaScheda(), QStringLiteral("004817"));
    TFormTavorno& window = avvia();

    EXPECT_TRUE(window.OperazioneDiModificaCommessa);
    EXPECT_TRUE(window.ButtonSalvaDatiCommessa->isEnabled());
    EXPECT_EQ(window.EditIDCommessaDMS->text(), id);
    EXPECT_EQ(window.EditDescrizioneCommessa->text(), QStringLiteral("Tagliando \"A\""));
    EXPECT_EQ(window.EditRagioneSociale->text(), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(window.EditIDClienteDMS->text(), QStringLiteral("00012"));
    EXPECT_EQ(window.ComboBoxTipoCliente->currentText(), QStringLiteral("Cliente Privato"));
    EXPECT_EQ(window.EditTarga->text(), QStringLiteral("AB123CD"));
    EXPECT_EQ(window.ComboBoxMarche->currentText(), QStringLiteral("JEEP"));
    EXPECT_EQ(window.EditMVS->text(), QStringLiteral("1690AXB"));
    EXPECT_EQ(window.LabelMarcaModelloVeicolo->text(), QStringLiteral("FIAT PANDA 1.0 Hybrid"));
    ASSERT_EQ(window.ListBoxInconvenienti->count(), 1);
    EXPECT_EQ(window.ListBoxInconvenienti->item(0)->text(), QStringLiteral("Rumore ai freni"));
    EXPECT_EQ(window.ListaInconvenienti->Count(), 1);
    EXPECT_EQ(window.CommessaSelezionata.FCodiceOfficina, QStringLiteral("0123456"));
    EXPECT_TRUE(script.shown().empty());
}

class CommessaInviataTest : public TavornoTest {
protected:
    // Starts the program on the document of a stored, sent job order.
    void avviaSuCommessaInviata(const QString& commesseGiaInviate) {
        memorizzaCommessa(QStringLiteral("004817"), true);
        scriviDocumento(testaNuovaScheda(), QStringLiteral("004817"));
        settings[QStringLiteral("CommesseGiaInviate")] = commesseGiaInviate;
        folder.writeSettings(settings);
        program = avviaTavorno();
    }
    const Shown avviso{QStringLiteral("warning"), QStringLiteral("Attenzione"), kAvvisoInviata};
};

TEST_F(CommessaInviataTest, ContinuaOpensTheJobOrder) {
    script.answer(true);
    avviaSuCommessaInviata(QStringLiteral("false"));
    EXPECT_TRUE(program.runEventLoop);
    EXPECT_EQ(script.shown(), std::vector<Shown>{avviso});
    EXPECT_EQ(program.mainWindow->EditRagioneSociale->text(), QStringLiteral("Rossi Mario"));
}

TEST_F(CommessaInviataTest, AnnullaEndsTheProgram) {
    script.answer(false);
    avviaSuCommessaInviata(QStringLiteral("false"));
    EXPECT_FALSE(program.runEventLoop);
    EXPECT_TRUE(script.ended());
    EXPECT_EQ(program.exitStatus, 0) << "the user's choice is no failure";
}

TEST_F(CommessaInviataTest, NoWarningWhenSentJobOrdersMayBeChanged) {
    avviaSuCommessaInviata(QStringLiteral("true"));
    EXPECT_TRUE(program.runEventLoop);
    EXPECT_TRUE(script.shown().empty());
}

TEST_F(TavornoTest, ABrandThatIsNoNumberStopsTheReadingAndTheWindowStillOpens) {
    QMap<QString, QString> testa = testaNuovaScheda();
    testa[QStringLiteral("CodMarcaCobol")] = QStringLiteral("FIAT");
    scriviDocumento(testa, QStringLiteral("004817"));
    const QString errore = QStringLiteral(
        "Documento DMS: \"CodMarcaCobol\" vale \"FIAT\", che non è un numero intero valido; la "
        "marca e i dati del cliente non sono stati letti.");
    script.expectError(errore);
    TFormTavorno& window = avvia();

    EXPECT_EQ(script.shown(), (std::vector<Shown>{{QStringLiteral("error"), QString(), errore}}));
    EXPECT_EQ(window.EditTarga->text(), QStringLiteral("GE482LT")) << "read before the brand";
    EXPECT_TRUE(window.ComboBoxTipoCliente->currentText().isEmpty());
    EXPECT_TRUE(window.EditIDClienteDMS->text().isEmpty());
    EXPECT_FALSE(window.ButtonValorizzaIDClienteDMS->isEnabled());
    EXPECT_EQ(window.ComboBoxCodiceMercato->currentText(), QStringLiteral("Italia"));
}

// The uploader is given the dealer's VAT number of the settings when the document that
// should carry it cannot be read.
TEST_F(TavornoTest, AnUnreadableDocumentIsReportedAndTheSettingsGiveTheVatNumber) {
    ASSERT_TRUE(QDir().mkpath(QDir(folder.dmsFolder()).filePath(QStringLiteral("DOCT.ini"))));
    script.expectError();
    TFormTavorno& window = avvia();

    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].kind, QStringLiteral("error"));
    EXPECT_EQ(window.PIvaCarr, QStringLiteral("01234567890"));
}

// A FIFO in place of the document would keep the program waiting before its window shows.
TEST_F(TavornoTest, AFifoInPlaceOfTheDocumentIsReportedWithoutWaiting) {
    const QString fifo = QDir(folder.dmsFolder()).filePath(QStringLiteral("DOCT.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    script.expectError();
    TFormTavorno& window = avvia();

    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].kind, QStringLiteral("error"));
    EXPECT_TRUE(script.shown()[0].text.contains(QStringLiteral("non è un file regolare")))
        << script.shown()[0].text.toStdString();
    EXPECT_EQ(window.PIvaCarr, QStringLiteral("01234567890"));
}

}  // namespace
