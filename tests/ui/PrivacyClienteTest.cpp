// The customer's six privacy consents: the dialog, and "Privacy Cliente..." on a stored and
// on a new job order.

#include "TavornoFixture.h"
#include "ui/PrivacyCliente.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The boxes of the dialog and the consents they show, in the dialog's tab order.
struct Casella {
    const char* nome;
    bool TCliente::*consenso;
    const char* colonna;
};
const Casella kCaselle[] = {
    {"CheckBoxPrivacyMarketingFCA", &TCliente::FMarketingFCA, "PrivacyMarketingFCA"},
    {"CheckBoxPrivacy3thFCA", &TCliente::FTerzePartiFCA, "Privacy3thFCA"},
    {"CheckBoxPrivacyProfilingFCA", &TCliente::FProfilingFCA, "PrivacyProfilingFCA"},
    {"CheckBoxPrivacyMarketingDealer", &TCliente::FMarketingDealer, "PrivacyMarketingDealer"},
    {"CheckBoxPrivacy3thDealer", &TCliente::FTerzePartiDealer, "Privacy3thDealer"},
    {"CheckBoxPrivacyProfilingDealer", &TCliente::FProfilingDealer, "PrivacyProfilingDealer"}};

QCheckBox* casella(const QWidget& dialog, const char* nome) {
    return dialog.findChild<QCheckBox*>(QString::fromLatin1(nome));
}

TEST(PrivacyClienteDialogTest, EachBoxShowsAndSetsItsOwnConsent) {
    ScriptedInteraction script;
    for (const Casella& sola : kCaselle) {
        TCliente cliente;
        cliente.FIdCliente = QStringLiteral("00012");
        cliente.*sola.consenso = true;
        TFormPrivacyCliente dialog(cliente);
        for (const Casella& c : kCaselle) {
            ASSERT_NE(casella(dialog, c.nome), nullptr) << c.nome;
            EXPECT_EQ(casella(dialog, c.nome)->isChecked(), &c == &sola) << sola.nome;
        }

        // Conferma hands back exactly the ticked boxes: here the one of the next consent.
        const Casella& altra = kCaselle[(&sola - kCaselle + 1) % std::size(kCaselle)];
        casella(dialog, sola.nome)->click();
        casella(dialog, altra.nome)->click();
        dialog.show();
        dialog.ButtonConferma->click();

        TCliente atteso = cliente;
        atteso.*sola.consenso = false;
        atteso.*altra.consenso = true;
        EXPECT_TRUE(dialog.MemorizzazionePrivacy()) << sola.nome;
        EXPECT_EQ(dialog.Privacy(), atteso) << sola.nome;
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(PrivacyClienteDialogTest, CaptionSizeAndTabOrder) {
    TFormPrivacyCliente dialog{TCliente()};
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Privacy Cliente..."));
    EXPECT_EQ(dialog.size(), QSize(520, 168));
    QList<QWidget*> ordine;
    for (const Casella& c : kCaselle) {
        ordine << casella(dialog, c.nome);
    }
    ordine << dialog.ButtonAnnulla << dialog.ButtonConferma;
    for (qsizetype i = 1; i < ordine.size(); ++i) {
        QWidget* next = ordine[i - 1]->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus)) {
            next = next->nextInFocusChain();
        }
        EXPECT_EQ(next, ordine[i]) << "after " << ordine[i - 1]->objectName().toStdString();
    }
}

class PrivacyTest : public TavornoTest {
protected:
    // Ticks the marketing boxes and leaves the dialog with `chiudi`.
    void cambiaConsensi(const std::function<void(TFormPrivacyCliente&)>& chiudi) {
        script.onDialog<TFormPrivacyCliente>([chiudi](TFormPrivacyCliente& dialog) {
            dialog.CheckBoxPrivacyMarketingFCA->click();
            dialog.CheckBoxPrivacyMarketingDealer->click();
            chiudi(dialog);
        });
    }
    QString rigaCliente() {
        return database().rows(QStringLiteral(
                                   "SELECT PrivacyMarketingFCA, Privacy3thFCA, "
                                   "PrivacyProfilingFCA, PrivacyMarketingDealer, "
                                   "Privacy3thDealer, PrivacyProfilingDealer, "
                                   "DataOraCessionePrivacy IS NOT NULL AND "
                                   "DataOraCessionePrivacy <> '' FROM Cliente"))
            .join(u';');
    }
};

TEST_F(PrivacyTest, ConfermaOnAStoredJobOrderStoresTheConsentsAtOnceWithTheirTime) {
    memorizzaCommessa(QStringLiteral("004817"), false);
    scriviDocumento(testaNuovaScheda(), QStringLiteral("004817"));
    TFormTavorno& window = avvia();
    ASSERT_TRUE(window.OperazioneDiModificaCommessa);
    cambiaConsensi([](TFormPrivacyCliente& dialog) { dialog.ButtonConferma->click(); });
    window.ButtonPrivacyCliente->click();

    EXPECT_TRUE(window.ClienteSelezionato.FMarketingFCA);
    EXPECT_TRUE(window.ClienteSelezionato.FMarketingDealer);
    EXPECT_FALSE(window.ClienteSelezionato.FTerzePartiFCA);
    EXPECT_EQ(window.ClienteSelezionato.FRagioneSociale, QStringLiteral("Rossi Mario"));
    EXPECT_EQ(rigaCliente(), QStringLiteral("1|0|0|1|0|0|1"));
}

TEST_F(PrivacyTest, AnnullaOrTheFrameChangeNothing) {
    memorizzaCommessa(QStringLiteral("004817"), false);
    scriviDocumento(testaNuovaScheda(), QStringLiteral("004817"));
    TFormTavorno& window = avvia();
    const TCliente prima = window.ClienteSelezionato;
    const QString rigaPrima = rigaCliente();
    cambiaConsensi([](TFormPrivacyCliente& dialog) { dialog.ButtonAnnulla->click(); });
    window.ButtonPrivacyCliente->click();
    cambiaConsensi([](TFormPrivacyCliente& dialog) { dialog.close(); });
    window.ButtonPrivacyCliente->click();

    EXPECT_EQ(window.ClienteSelezionato, prima);
    EXPECT_EQ(rigaCliente(), rigaPrima);
    // Reopened, the dialog shows the consents as they were.
    script.onDialog<TFormPrivacyCliente>([](TFormPrivacyCliente& dialog) {
        EXPECT_FALSE(dialog.CheckBoxPrivacyMarketingFCA->isChecked());
        dialog.ButtonAnnulla->click();
    });
    window.ButtonPrivacyCliente->click();
}

// On a new job order the consents wait in the window's customer and are stored with the new
// customer row; its consent time stays empty until the row is first updated.
TEST_F(PrivacyTest, OnANewJobOrderTheConsentsAreStoredWithTheNewCustomer) {
    TFormTavorno& window = avvia();
    cambiaConsensi([](TFormPrivacyCliente& dialog) { dialog.ButtonConferma->click(); });
    window.ButtonPrivacyCliente->click();
    EXPECT_EQ(database().count(QStringLiteral("Cliente")), 0);

    QTest::keyClicks(window.EditDescrizioneCommessa, QStringLiteral("Tagliando"));
    QTest::keyClicks(window.EditRagioneSociale, QStringLiteral("Bianchi Anna"));
    window.ComboBoxTipoCliente->setCurrentIndex(0);
    QTest::keyClicks(window.EditCFPIVA, QStringLiteral("BNCNNA80A41H501X"));
    window.ButtonValorizzaIDClienteDMS->click();
    QTest::keyClicks(window.EditTarga, QStringLiteral("FG123HK"));
    window.ComboBoxMarche->setCurrentText(QStringLiteral("FIAT"));
    QTest::keyClicks(window.EditMVS, QStringLiteral("3120BXA"));
    QTest::keyClicks(window.EditTelaio, QStringLiteral("87654321"));
    script.answer(true, QStringLiteral("Stai per inserire una nuova Commessa.\r\nVuoi continuare?"));
    window.ButtonSalvaDatiCommessa->click();
    EXPECT_EQ(rigaCliente(), QStringLiteral("1|0|0|1|0|0|0"));

    cambiaConsensi([](TFormPrivacyCliente& dialog) { dialog.ButtonConferma->click(); });
    window.ButtonPrivacyCliente->click();
    EXPECT_EQ(rigaCliente(), QStringLiteral("0|0|0|0|0|0|1"));
}

}  // namespace
