#include "TavornoFixture.h"
#include "ui/Configurazione.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

const QString kDomandaChiusura = QStringLiteral("Vuoi davvero chiudere senza salvare la commessa?");

TEST_F(TavornoTest, WithoutADocumentTheWindowStartsEmptyAndReadyToSave) {
    TFormTavorno& window = avvia();

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tavorno 1.0.0.5"));
    EXPECT_EQ(window.size(), QSize(621, 502));
    EXPECT_EQ(window.EditCodiceOfficina->text(), QStringLiteral("0123456"));
    EXPECT_EQ(window.ComboBoxCodiceMercato->currentText(), QStringLiteral("Italia"));
    for (QLineEdit* empty :
         {window.EditDescrizioneCommessa, window.EditIDCommessaDMS, window.EditCodiceScheda,
          window.EditRagioneSociale, window.EditCFPIVA, window.EditIDClienteDMS, window.EditTarga,
          window.EditMVS, window.EditTelaio}) {
        EXPECT_TRUE(empty->text().isEmpty()) << empty->objectName().toStdString();
    }
    EXPECT_TRUE(window.ComboBoxMarche->currentText().isEmpty());
    EXPECT_TRUE(window.ButtonSalvaDatiCommessa->isEnabled());
    EXPECT_TRUE(window.ButtonValorizzaIDClienteDMS->isEnabled());
    EXPECT_FALSE(window.OperazioneDiModificaCommessa);
    EXPECT_EQ(window.ListBoxInconvenienti->count(), 0);
    EXPECT_EQ(window.PageControlCommessa->currentIndex(), 0);
    EXPECT_EQ(window.PIvaCarr, QStringLiteral("01234567890"));
    EXPECT_EQ(window.ApiKey, QStringLiteral("chiave-di-prova"));
    EXPECT_TRUE(script.shown().empty());
}

TEST_F(TavornoTest, ControlsHaveTheirLimitsAndInitialStates) {
    TFormTavorno& window = avvia();
    const std::pair<QLineEdit*, int> limits[] = {{window.EditDescrizioneCommessa, 255},
                                                 {window.EditIDCommessaDMS, 9},
                                                 {window.EditCodiceOfficina, 7},
                                                 {window.EditRagioneSociale, 60},
                                                 {window.EditCFPIVA, 16},
                                                 {window.EditIDClienteDMS, 50},
                                                 {window.EditTarga, 10},
                                                 {window.EditMVS, 7},
                                                 {window.EditTelaio, 8}};
    // The limits count characters, as the checks do: one outside the Basic Multilingual Plane
    // is one, and a paste never leaves half of one.
    const QString bold = QString::fromUtf8("\U0001D400");
    for (const auto& [edit, limit] : limits) {
        edit->clear();
        edit->insert(QStringLiteral("a") + bold.repeated(limit + 100));
        EXPECT_EQ(edit->text(), QStringLiteral("a") + bold.repeated(limit - 1))
            << edit->objectName().toStdString();
        edit->clear();
    }
    EXPECT_FALSE(window.EditIDCommessaDMS->isEnabled());
    EXPECT_FALSE(window.EditCodiceScheda->isEnabled());
    EXPECT_TRUE(window.EditCodiceScheda->isReadOnly());
    EXPECT_FALSE(window.EditCodiceOfficina->isEnabled());
    EXPECT_FALSE(window.EditIDClienteDMS->isEnabled());
    EXPECT_EQ(window.ComboBoxTipoCliente->count(), 2);
    EXPECT_EQ(window.ComboBoxTipoCliente->itemText(0), QStringLiteral("Cliente Privato"));
    EXPECT_EQ(window.ComboBoxTipoCliente->itemText(1), QStringLiteral("Azienda"));
    EXPECT_EQ(window.ButtonConfigurazione->toolTip(), QStringLiteral("Configurazione..."));

    // A text pasted far beyond the limit is cut at the limit.
    window.EditTarga->setFocus();
    window.EditTarga->insert(QString(5000, u'A'));
    EXPECT_EQ(window.EditTarga->text(), QString(10, u'A'));
}

TEST_F(TavornoTest, TabOrderFollowsTheFormFromHeaderToBottomBar) {
    TFormTavorno& window = avvia();
    window.show();
    QApplication::setActiveWindow(&window);
    const QList<QWidget*> expected = {window.EditDescrizioneCommessa,
                                      window.ComboBoxCodiceMercato,
                                      window.ButtonConfigurazione,
                                      window.ButtonCercaCommessePerData,
                                      window.PageControlCommessa,
                                      window.EditRagioneSociale,
                                      window.ComboBoxTipoCliente,
                                      window.EditCFPIVA,
                                      window.ButtonValorizzaIDClienteDMS,
                                      window.ButtonPrivacyCliente,
                                      window.EditTarga,
                                      window.ComboBoxMarche,
                                      window.EditMVS,
                                      window.EditTelaio,
                                      window.ButtonChiudi,
                                      window.ButtonGeneraXMLOdierno,
                                      window.ButtonSalvaDatiCommessa};
    QWidget* widget = window.EditDescrizioneCommessa;
    for (qsizetype i = 1; i < expected.size(); ++i) {
        do {
            widget = widget->nextInFocusChain();
        } while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled() ||
                 !widget->isVisibleTo(&window) || widget->focusProxy());
        // The pages take the focus on their tab bar.
        const bool expectedWidget = widget == expected[i] || widget->parentWidget() == expected[i];
        EXPECT_TRUE(expectedWidget) << "after " << expected[i - 1]->objectName().toStdString()
                                    << " came " << widget->objectName().toStdString();
    }
    window.hide();
}

// The label a screen reader announces a field by: the field's buddy, in the same parent.
QString labelOf(const QWidget* control) {
    for (const QLabel* label :
         control->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == control) {
            return label->text();
        }
    }
    return QString();
}

TEST_F(TavornoTest, EveryFieldIsNamedByItsLabel) {
    TFormTavorno& window = avvia();
    const std::pair<QWidget*, const char*> fields[] = {
        {window.EditDescrizioneCommessa, "Descrizione Commessa"},
        {window.EditIDCommessaDMS, "ID Commessa DMS"},
        {window.EditCodiceScheda, "Sk. Lavoro"},
        {window.EditCodiceOfficina, "Codice Officina"},
        {window.ComboBoxCodiceMercato, "Codice Mercato"},
        {window.EditRagioneSociale, "Cognome/Ragione Sociale"},
        {window.ComboBoxTipoCliente, "Tipo Cliente"},
        {window.EditCFPIVA, "Codice Fiscale / P. Iva"},
        {window.EditIDClienteDMS, "Identificativo Cliente DMS"},
        {window.EditTarga, "Targa"},
        {window.ComboBoxMarche, "Marca"},
        {window.EditMVS, "MVS"},
        {window.EditTelaio, "Telaio"}};
    for (const auto& [control, name] : fields) {
        EXPECT_EQ(control->accessibleName(), QString::fromUtf8(name))
            << control->objectName().toStdString();
        EXPECT_TRUE(labelOf(control).startsWith(QString::fromUtf8(name)))
            << control->objectName().toStdString() << " has no label beside it";
    }
    EXPECT_EQ(window.ButtonConfigurazione->accessibleName(), QStringLiteral("Configurazione..."));
}

TEST_F(TavornoTest, EnterPressesOnlyTheFocusedButton) {
    TFormTavorno& window = avvia();
    window.show();
    QApplication::setActiveWindow(&window);
    QTest::keyClick(window.EditTarga, Qt::Key_Return);
    EXPECT_TRUE(script.shown().empty());

    window.ButtonChiudi->setFocus();
    script.answer(false, kDomandaChiusura);
    QTest::keyClick(window.ButtonChiudi, Qt::Key_Return);
    EXPECT_EQ(script.shown(),
              (std::vector<Shown>{{QStringLiteral("question"), QString(), kDomandaChiusura}}));
    window.hide();
}

TEST_F(TavornoTest, ChiudiAndEscAskBeforeEndingTheProgram) {
    TFormTavorno& window = avvia();
    script.answer(false);
    window.ButtonChiudi->click();
    EXPECT_FALSE(script.ended());

    script.answer(true);
    QTest::keyClick(window.EditTarga, Qt::Key_Escape);
    EXPECT_EQ(script.shown(),
              (std::vector<Shown>{{QStringLiteral("question"), QString(), kDomandaChiusura},
                                  {QStringLiteral("question"), QString(), kDomandaChiusura},
                                  {QStringLiteral("end"), QString(), QString()}}));
}

TEST_F(TavornoTest, AFlagThatIsNoBooleanIsReportedAndCreationGoesOn) {
    settings[QStringLiteral("CommesseGiaInviate")] = QStringLiteral("forse");
    script.expectError(QStringLiteral("'forse' is not a valid boolean value"));
    TFormTavorno& window = avvia();

    EXPECT_EQ(script.shown(),
              (std::vector<Shown>{{QStringLiteral("error"), QString(),
                                   QStringLiteral("'forse' is not a valid boolean value")}}));
    EXPECT_FALSE(window.GestisciCommesseInviate);
    EXPECT_EQ(window.EditCodiceOfficina->text(), QStringLiteral("0123456"));
    EXPECT_EQ(window.ComboBoxCodiceMercato->currentText(), QStringLiteral("Italia"));
}

TEST_F(TavornoTest, TrueInCapitalsCountsAsTrue) {
    settings[QStringLiteral("CommesseGiaInviate")] = QStringLiteral("TRUE");
    EXPECT_TRUE(avvia().GestisciCommesseInviate);
}

TEST_F(TavornoTest, SettingsAreReadAgainAfterTheDialogAndTheWindowComesBack) {
    TFormTavorno& window = avvia();
    window.show();
    script.onDialog<TFormConfigurazione>([&](TFormConfigurazione& configurazione) {
        EXPECT_FALSE(window.isVisible()) << "the main window is hidden while the dialog is open";
        EXPECT_EQ(configurazione.ComboBoxMarcaAutorizzata->currentText(), QStringLiteral("FIAT"));
        configurazione.EditSincom->setText(QStringLiteral("7777777"));
        configurazione.CheckBoxVisualizzaCommesseInviate->setChecked(true);
        configurazione.CheckBoxEnviroment->setChecked(true);
        configurazione.ButtonSalva->click();
    });
    script.answer(true, QStringLiteral("Vuoi salvare le modifiche applicate?"));
    window.ButtonConfigurazione->click();

    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.EditCodiceOfficina->text(), QStringLiteral("7777777"));
    EXPECT_EQ(window.CodiceOfficina, QStringLiteral("7777777"));
    EXPECT_TRUE(window.GestisciCommesseInviate);
    EXPECT_EQ(window.Enviroment, QStringLiteral("goldmain")) << "read at start-up only";
    window.hide();
}

TEST_F(TavornoTest, CancelledDialogStillRereadsAndABadFlagKeepsThePreviousOne) {
    TFormTavorno& window = avvia();
    script.onDialog<TFormConfigurazione>([&](TFormConfigurazione& dialog) {
        QMap<QString, QString> changed = settings;
        changed[QStringLiteral("CodiceOfficina")] = QStringLiteral("5555555");
        changed[QStringLiteral("UtenteDMS")] = QStringLiteral("altro.utente");
        changed[QStringLiteral("CommesseGiaInviate")] = QStringLiteral("boh");
        folder.writeSettings(changed);
        dialog.ButtonAnnulla->click();
    });
    script.expectError(QStringLiteral("'boh' is not a valid boolean value"));
    window.ButtonConfigurazione->click();

    EXPECT_EQ(script.shown(),
              (std::vector<Shown>{
                  {QStringLiteral("modal"), QString(), QStringLiteral("TFormConfigurazione")},
                  {QStringLiteral("error"), QString(),
                   QStringLiteral("'boh' is not a valid boolean value")}}));
    EXPECT_EQ(window.UtenteDMS, QStringLiteral("altro.utente"));
    EXPECT_FALSE(window.GestisciCommesseInviate);
    EXPECT_EQ(window.EditCodiceOfficina->text(), QStringLiteral("0123456"))
        << "not refreshed after the failed flag";
}

}  // namespace
