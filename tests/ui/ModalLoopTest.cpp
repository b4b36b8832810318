// The message boxes and the windows as the running program shows them: in Qt's own modal
// loop, answered with the keyboard and the mouse.

#include "ModalLoop.h"
#include "support/WorkFolder.h"
#include "ui/AvvioTavorno.h"
#include "ui/Configurazione.h"
#include "ui/PrivacyCliente.h"
#include "ui/Tavorno.h"
#include "ui/WidgetInteraction.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QStringList buttonTexts(const QMessageBox& box) {
    QStringList texts;
    for (const QAbstractButton* button : box.buttons()) {
        texts << button->text();
    }
    texts.sort();
    return texts;
}

class ModalLoopTest : public ::testing::Test {
protected:
    // The program on a working folder without a job card, its main window on screen.
    TFormTavorno& startProgram() {
        folder.writeDefaultSettings();
        folder.createDatabase();
        program = avviaTavorno();
        EXPECT_TRUE(program.runEventLoop);
        program.mainWindow->show();
        return *program.mainWindow;
    }

    WidgetInteraction real;
    InteractionScope scope{real};
    ModalLoop loop;
    WorkFolder folder;
    ProgrammaTavorno program;
};

TEST_F(ModalLoopTest, TheConfirmationBoxAsksDomandaWithSiAsTheDefault) {
    bool enterAnswer = false;
    bool escapeAnswer = true;
    loop.then<QMessageBox>([](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), QStringLiteral("Domanda:"));
            EXPECT_EQ(box.text(), QStringLiteral("Vuoi continuare?\nDavvero?"));
            EXPECT_EQ(buttonTexts(box), (QStringList{QStringLiteral("No"), QStringLiteral("Si")}));
            EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Yes));
            QTest::keyClick(&box, Qt::Key_Return);
        })
        .then<QMessageBox>([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    loop.run([&] {
        enterAnswer = real.confirm(QStringLiteral("Vuoi continuare?\r\nDavvero?"));
        escapeAnswer = real.confirm(QStringLiteral("Ancora?"));
    });
    EXPECT_TRUE(enterAnswer);
    EXPECT_FALSE(escapeAnswer);
}

TEST_F(ModalLoopTest, TheWarningOffersContinuaAndAnnulla) {
    bool continua = false;
    bool annulla = true;
    loop.then<QMessageBox>([](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), QStringLiteral("Attenzione"));
            EXPECT_EQ(buttonTexts(box),
                      (QStringList{QStringLiteral("Annulla"), QStringLiteral("Continua")}));
            EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Ok));
            QTest::keyClick(&box, Qt::Key_Return);
        })
        .then<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Cancel)->click(); });
    loop.run([&] {
        continua = real.confirmWarning(QStringLiteral("Attenzione"), QStringLiteral("Inviata."));
        annulla = real.confirmWarning(QStringLiteral("Attenzione"), QStringLiteral("Inviata."));
    });
    EXPECT_TRUE(continua);
    EXPECT_FALSE(annulla);
}

// The main window is hidden while the settings dialog is open; the error box that closes
// then must not end the program as if the last window had gone.
TEST_F(ModalLoopTest, AnErrorInTheSettingsDialogLeavesTheProgramRunning) {
    TFormTavorno& window = startProgram();

    loop.then<TFormConfigurazione>([](TFormConfigurazione& dialog) {
            dialog.EditSincom->clear();
            // Enter in a field presses no button: the dialog stays open as it was.
            QTest::keyClick(dialog.EditUserFCA, Qt::Key_Return);
            EXPECT_TRUE(dialog.isVisible());
            dialog.ButtonSalva->click();
        })
        .then<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); })
        .then<QMessageBox>([](QMessageBox& box) {
            EXPECT_EQ(box.text(), QStringLiteral("È necessario inserire tutti i parametri."));
            box.button(QMessageBox::Ok)->click();
        })
        .then<TFormConfigurazione>([](TFormConfigurazione& dialog) {
            EXPECT_TRUE(dialog.isVisible());
            dialog.ButtonAnnulla->click();
        });
    int exitCode = -1;
    loop.run([&] {
        QTimer::singleShot(0, [&] {
            window.ButtonConfigurazione->click();
            QCoreApplication::exit(42);
        });
        exitCode = QApplication::exec();
    });

    EXPECT_EQ(exitCode, 42) << "the program ended before the dialog had closed";
    EXPECT_TRUE(loop.finished());
    EXPECT_TRUE(window.isVisible());
    window.hide();
}

// The consents as a keyboard user gives them: Space ticks the focused box, Tab moves on,
// Enter presses the focused button.
TEST_F(ModalLoopTest, ThePrivacyDialogWorksWithTheKeyboardAlone) {
    TFormTavorno& window = startProgram();

    loop.then<TFormPrivacyCliente>([](TFormPrivacyCliente& dialog) {
        dialog.CheckBoxPrivacyMarketingFCA->setFocus();
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
        for (int tab = 0; tab < 4; ++tab) {
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        }
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);  // third parties, dealer
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(dialog.focusWidget(), dialog.ButtonConferma);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    });
    loop.run([&] { window.ButtonPrivacyCliente->click(); });

    EXPECT_TRUE(window.ClienteSelezionato.FMarketingFCA);
    EXPECT_TRUE(window.ClienteSelezionato.FTerzePartiDealer);
    EXPECT_FALSE(window.ClienteSelezionato.FTerzePartiFCA);
    window.hide();
}

}  // namespace
