// "Salva Commessa" and "Valorizza" through the real window.

#include "TavornoFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kDomandaNuova =
    QStringLiteral("Stai per inserire una nuova Commessa.\r\nVuoi continuare?");
const QString kDomandaSovrascrivi = QStringLiteral(
    "Verranno sovrascritti tutti i dati della Commessa, del Cliente e del Veicolo "
    "corrente.\r\nVuoi davvero continuare?");
const QString kDomandaInviata = QStringLiteral(
    "Questa Commessa risulta già spedita.\r\nVuoi comunque modificare i dati al suo interno?");
const QString kModificaDisabilitata = QStringLiteral(
    "La modifica delle commesse inviate è disabilitata.\r\nPer abilitarla, "
    "recarsi nelle impostazioni del programma.");
const QString kAggiornati = QStringLiteral("Dati aggiornati con successo!");

class SalvataggioTest : public TavornoTest {
protected:
    // The window without a document, filled as the user would fill it.
    TFormTavorno& avviaECompila(const QString& idCliente = QStringLiteral("00012"),
                                const QString& targa = QStringLiteral("FG123HK")) {
        TFormTavorno& window = avvia();
        QTest::keyClicks(window.EditDescrizioneCommessa, QStringLiteral("Tagliando dell'auto"));
        QTest::keyClicks(window.EditRagioneSociale, QStringLiteral("Bianchi Anna"));
        window.ComboBoxTipoCliente->setCurrentIndex(1);
        QTest::keyClicks(window.EditCFPIVA, QStringLiteral("01234567890"));
        window.EditIDClienteDMS->setText(idCliente);
        QTest::keyClicks(window.EditTarga, targa);
        window.ComboBoxMarche->setCurrentText(QStringLiteral("LANCIA"));
        QTest::keyClicks(window.EditMVS, QStringLiteral("3120BXA"));
        QTest::keyClicks(window.EditTelaio, QStringLiteral("87654321"));
        return window;
    }
    qint64 righe(const char* tabella) { return database().count(QString::fromLatin1(tabella)); }
};

TEST_F(SalvataggioTest, ANewJobOrderStoresCardVehicleCustomerAndJobOrder) {
    TFormTavorno& window = avviaECompila();
    script.answer(true);
    window.ButtonSalvaDatiCommessa->click();

    EXPECT_EQ(script.texts(), std::vector<QString>{kDomandaNuova});
    DbProbe db = database();
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Targa, CodiceMarca, MVS, Telaio FROM Veicolo")),
              QStringList{QStringLiteral("FG123HK|70|3120BXA|87654321")});
    EXPECT_EQ(db.rows(QStringLiteral("SELECT IdCliente, RagioneSociale, TipoCliente, "
                                     "CodiceFiscale FROM Cliente")),
              QStringList{QStringLiteral("00012|Bianchi Anna|N|01234567890")});
    // The card and the job order keep the customer id as the number it spells.
    EXPECT_EQ(db.rows(QStringLiteral("SELECT CodiceScheda, IdCliente FROM Scheda")),
              QStringList{QStringLiteral("|12")});
    EXPECT_EQ(db.typeOf(QStringLiteral("SELECT IdCliente FROM Scheda")), QStringLiteral("integer"));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT DescrizioneCommessa, MarketCode, IdCliente, "
                                     "StatoInvio FROM Commessa")),
              QStringList{QStringLiteral("Tagliando dell'auto|380|12|0")});
    EXPECT_EQ(window.EditIDCommessaDMS->text(),
              db.scalar(QStringLiteral("SELECT IDCommessaDMS FROM Commessa")));
    EXPECT_TRUE(window.OperazioneDiModificaCommessa);
    EXPECT_TRUE(window.ButtonSalvaDatiCommessa->isEnabled());
    EXPECT_FALSE(window.ButtonValorizzaIDClienteDMS->isEnabled());
    EXPECT_EQ(window.CommessaSelezionata.FIDCommessaDMS, window.EditIDCommessaDMS->text());
    EXPECT_EQ(window.ClienteSelezionato.FRagioneSociale, QStringLiteral("Bianchi Anna"));

    // Saving again overwrites the stored job order instead of adding one.
    script.clear();
    script.answer(true);
    window.EditDescrizioneCommessa->setText(QStringLiteral("Tagliando e freni"));
    window.ButtonSalvaDatiCommessa->click();
    EXPECT_EQ(script.texts(), (std::vector<QString>{kDomandaSovrascrivi, kAggiornati}));
    EXPECT_EQ(righe("Commessa"), 1);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT DescrizioneCommessa FROM Commessa")),
              QStringLiteral("Tagliando e freni"));
}

TEST_F(SalvataggioTest, EmptyDataGivesThreeMessagesInOrderAndStoresNothing) {
    TFormTavorno& window = avvia();
    window.ComboBoxCodiceMercato->setEditText(QString());
    window.ButtonSalvaDatiCommessa->click();

    EXPECT_EQ(script.texts(),
              (std::vector<QString>{
                  QStringLiteral("Controllare che tutti i dati del Veicolo obbligatori siano "
                                 "inseriti."),
                  QStringLiteral("Controllare che tutti i dati della Commessa obbligatori siano "
                                 "inseriti."),
                  QStringLiteral("Controllare che tutti i dati del Cliente obbligatori siano "
                                 "inseriti.")}));
    for (const Shown& messaggio : script.shown()) {
        EXPECT_EQ(messaggio.title, QStringLiteral("Errore"));
    }
    EXPECT_EQ(righe("Veicolo") + righe("Scheda") + righe("Commessa") + righe("Cliente"), 0);
}

TEST_F(SalvataggioTest, NoToTheQuestionWritesNothing) {
    TFormTavorno& window = avviaECompila();
    script.answer(false);
    window.ButtonSalvaDatiCommessa->click();

    EXPECT_EQ(righe("Veicolo") + righe("Scheda") + righe("Commessa") + righe("Cliente"), 0);
    EXPECT_FALSE(window.OperazioneDiModificaCommessa);
    EXPECT_TRUE(window.ButtonValorizzaIDClienteDMS->isEnabled());
}

TEST_F(SalvataggioTest, AStoredPlateAndAStoredCustomerAreReusedUnchanged) {
    memorizzaCommessa(QStringLiteral("000001"), false);
    TFormTavorno& window = avviaECompila(QStringLiteral("00012"), QStringLiteral("AB123CD"));
    script.answer(true);
    window.ButtonSalvaDatiCommessa->click();

    DbProbe db = database();
    EXPECT_EQ(righe("Veicolo"), 1);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT IdVeicolo FROM Commessa ORDER BY IDCommessaDMS "
                                       "DESC LIMIT 1")),
              db.scalar(QStringLiteral("SELECT IdVeicolo FROM Veicolo")));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT RagioneSociale, TipoCliente FROM Cliente")),
              QStringList{QStringLiteral("Rossi Mario|S")});
}

TEST_F(SalvataggioTest, AFailureInTheMiddleLeavesNoRowBehind) {
    TFormTavorno& window = avviaECompila();
    database().exec(QStringLiteral(
        "CREATE TRIGGER NoCommesse BEFORE INSERT ON Commessa BEGIN SELECT RAISE(ABORT, "
        "'disco pieno'); END;"));
    script.answer(true, kDomandaNuova).expectError(QStringLiteral("disco pieno"));
    window.ButtonSalvaDatiCommessa->click();

    EXPECT_EQ(script.texts(), (std::vector<QString>{kDomandaNuova, QStringLiteral("disco pieno")}));
    EXPECT_EQ(righe("Veicolo") + righe("Scheda") + righe("Commessa") + righe("Cliente"), 0);
    EXPECT_FALSE(window.OperazioneDiModificaCommessa);
    EXPECT_TRUE(window.EditIDCommessaDMS->text().isEmpty());
}

TEST_F(SalvataggioTest, AwkwardTextsAreStoredExactly) {
    const QString descrizione =
        QStringLiteral("Freni \"anteriori\"; l'auto \\ sbanda ") + QString::fromUtf8("\U0001F697");
    const QString nome = QStringLiteral("L'Officina \"Dell'Angelo\" \\ S.r.l.");
    TFormTavorno& window = avviaECompila();
    window.EditDescrizioneCommessa->setText(descrizione);
    window.EditRagioneSociale->setText(nome);
    window.EditTarga->setText(QStringLiteral("fg'12\"3h"));
    script.answer(true);
    window.ButtonSalvaDatiCommessa->click();

    DbProbe db = database();
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT DescrizioneCommessa FROM Commessa")), descrizione);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT RagioneSociale FROM Cliente")), nome);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT Targa FROM Veicolo")), QStringLiteral("fg'12\"3h"));
}

TEST_F(SalvataggioTest, ACustomerIdThatIsNoNumberIsRefusedBeforeAnythingIsWritten) {
    TFormTavorno& window = avviaECompila(QStringLiteral("12; DROP TABLE Cliente"));
    const QString rifiuto = QStringLiteral(
        "Il codice cliente \"12; DROP TABLE Cliente\" non è un numero intero: non posso salvarlo.");
    script.answer(true, kDomandaNuova).expectError(rifiuto);
    window.ButtonSalvaDatiCommessa->click();

    EXPECT_EQ(script.texts(), (std::vector<QString>{kDomandaNuova, rifiuto}));
    EXPECT_EQ(righe("Veicolo") + righe("Scheda") + righe("Commessa") + righe("Cliente"), 0);
}

struct CasoValorizza {
    const char* nome;
    QStringList memorizzati;
    QString atteso;
    bool restaAbilitato;
};

TEST_F(SalvataggioTest, ValorizzaProposesTheLowestFreeCustomerNumber) {
    const CasoValorizza casi[] = {
        {"none stored", {}, QStringLiteral("00001"), true},
        {"a gap",
         {QStringLiteral("00001"), QStringLiteral("00002"), QStringLiteral("00004")},
         QStringLiteral("00003"),
         false},
        {"no gap",
         {QStringLiteral("00001"), QStringLiteral("00002"), QStringLiteral("00003")},
         QStringLiteral("00004"),
         false},
    };
    TFormTavorno& window = avvia();
    for (const CasoValorizza& caso : casi) {
        DbProbe db = database();
        db.exec(QStringLiteral("DELETE FROM Cliente"));
        for (const QString& id : caso.memorizzati) {
            db.exec(QStringLiteral("INSERT INTO Cliente (IdCliente) VALUES ('%1')").arg(id));
        }
        window.ButtonValorizzaIDClienteDMS->setEnabled(true);
        window.ButtonValorizzaIDClienteDMS->click();
        EXPECT_EQ(window.EditIDClienteDMS->text(), caso.atteso) << caso.nome;
        EXPECT_EQ(window.ButtonValorizzaIDClienteDMS->isEnabled(), caso.restaAbilitato)
            << caso.nome;
    }
}

class CommessaMemorizzataTest : public SalvataggioTest {
protected:
    TFormTavorno& avviaSuCommessa(bool inviata, const QString& commesseGiaInviate) {
        memorizzaCommessa(QStringLiteral("004817"), inviata);
        scriviDocumento(testaNuovaScheda(), QStringLiteral("004817"));
        settings[QStringLiteral("CommesseGiaInviate")] = commesseGiaInviate;
        return avvia();
    }
};

TEST_F(CommessaMemorizzataTest, OverwriteChangesDescriptionAndCustomerButNotTheVehicle) {
    TFormTavorno& window = avviaSuCommessa(false, QStringLiteral("false"));
    window.EditDescrizioneCommessa->setText(QStringLiteral("Freni e \"tagliando\""));
    window.EditRagioneSociale->setText(QStringLiteral("Rossi Mario S.p.A."));
    window.ComboBoxTipoCliente->setCurrentIndex(1);
    window.EditCFPIVA->setText(QStringLiteral("09876543210"));
    window.EditTarga->setText(QStringLiteral("ZZ999ZZ"));
    script.answer(true);
    window.ButtonSalvaDatiCommessa->click();

    EXPECT_EQ(script.shown(),
              (std::vector<Shown>{
                  {QStringLiteral("confirm"), QStringLiteral("Domanda:"), kDomandaSovrascrivi},
                  {QStringLiteral("message"), QStringLiteral("Info"), kAggiornati}}));
    DbProbe db = database();
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT DescrizioneCommessa FROM Commessa")),
              QStringLiteral("Freni e \"tagliando\""));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT RagioneSociale, TipoCliente, CodiceFiscale FROM "
                                     "Cliente")),
              QStringList{QStringLiteral("Rossi Mario S.p.A.|N|RSSMRA80A01H501U")});
    EXPECT_FALSE(db.scalar(QStringLiteral("SELECT DataOraCessionePrivacy FROM Cliente")).isEmpty());
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Targa FROM Veicolo")),
              QStringList{QStringLiteral("AB123CD")});
}

TEST_F(CommessaMemorizzataTest, ASentJobOrderIsRefusedWhenChangesAreDisabled) {
    script.answer(true);  // the warning at creation
    TFormTavorno& window = avviaSuCommessa(true, QStringLiteral("false"));
    script.clear();
    window.EditDescrizioneCommessa->setText(QStringLiteral("Cambiata"));
    window.ButtonSalvaDatiCommessa->click();

    EXPECT_EQ(script.shown(),
              (std::vector<Shown>{
                  {QStringLiteral("message"), QStringLiteral("Errore"), kModificaDisabilitata}}));
    EXPECT_EQ(database().scalar(QStringLiteral("SELECT DescrizioneCommessa FROM Commessa")),
              QStringLiteral("Tagliando \"A\""));
}

TEST_F(CommessaMemorizzataTest, ASentJobOrderAsksTwiceWhenChangesAreAllowed) {
    TFormTavorno& window = avviaSuCommessa(true, QStringLiteral("true"));
    window.EditDescrizioneCommessa->setText(QStringLiteral("Cambiata"));
    script.answer(true).answer(true);
    window.ButtonSalvaDatiCommessa->click();

    EXPECT_EQ(script.texts(),
              (std::vector<QString>{kDomandaInviata, kDomandaSovrascrivi, kAggiornati}));
    EXPECT_EQ(database().scalar(QStringLiteral("SELECT DescrizioneCommessa FROM Commessa")),
              QStringLiteral("Cambiata"));
}

}  // namespace
