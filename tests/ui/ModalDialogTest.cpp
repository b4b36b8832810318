// What every modal window inherits: closing through one close query, results set by
// handlers, the keys, the position.

#include "platform/Errors.h"
#include "support/ScriptedInteraction.h"
#include "ui/Controls.h"
#include "ui/ModalDialog.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

class ProvaDialogo : public ModalDialog {
public:
    explicit ProvaDialogo(bool escapeBound) : ModalDialog(QStringLiteral("Prova")) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(EditNome = lineEdit("EditNome", 10));
        layout->addWidget(ButtonAnnulla = button("ButtonAnnulla", QStringLiteral("Annulla")));
        layout->addWidget(ButtonConferma = button("ButtonConferma", QStringLiteral("Conferma")));
        closesWith(ButtonAnnulla, Cancel);
        onClick(ButtonConferma, &ProvaDialogo::ButtonConfermaClick);
        if (escapeBound) {
            bindEscape(ButtonAnnulla);
        }
        setClientArea(QSize(300, 120));
    }

    QLineEdit* EditNome;
    QPushButton* ButtonAnnulla;
    QPushButton* ButtonConferma;
    bool closeAllowed = true;
    bool failAfterResult = false;
    int conferme = 0;
    int closeQueries = 0;

protected:
    bool FormCloseQuery() override {
        ++closeQueries;
        return closeAllowed;
    }

private:
    void ButtonConfermaClick() {
        ++conferme;
        closeWhenHandlerEnds(Ok);
        if (failAfterResult) {
            throw TavornoError(QStringLiteral("salvataggio fallito"));
        }
    }
};

class ModalDialogTest : public ::testing::Test {
protected:
    ScriptedInteraction script;
};

TEST_F(ModalDialogTest, EveryWayOfClosingAsksTheCloseQuery) {
    struct Caso {
        const char* nome;
        std::function<void(ProvaDialogo&)> chiudi;
        int esito;
    };
    const Caso casi[] = {
        {"cancel button", [](ProvaDialogo& d) { d.ButtonAnnulla->click(); }, ModalDialog::Cancel},
        {"result of a handler", [](ProvaDialogo& d) { d.ButtonConferma->click(); },
         ModalDialog::Ok},
        {"window frame", [](ProvaDialogo& d) { d.close(); }, ModalDialog::Cancel},
        {"bound Escape", [](ProvaDialogo& d) { QTest::keyClick(d.EditNome, Qt::Key_Escape); },
         ModalDialog::Cancel},
    };
    for (const Caso& caso : casi) {
        ProvaDialogo refused(true);
        refused.closeAllowed = false;
        refused.show();
        caso.chiudi(refused);
        EXPECT_TRUE(refused.isVisible()) << caso.nome;
        EXPECT_EQ(refused.closeQueries, 1) << caso.nome;

        ProvaDialogo allowed(true);
        allowed.show();
        caso.chiudi(allowed);
        EXPECT_FALSE(allowed.isVisible()) << caso.nome;
        EXPECT_EQ(allowed.closeQueries, 1) << caso.nome;
        EXPECT_EQ(allowed.result(), caso.esito) << caso.nome;
    }
}

TEST_F(ModalDialogTest, AResultSetBeforeAnErrorStillClosesTheWindow) {
    ProvaDialogo dialog(false);
    dialog.failAfterResult = true;
    dialog.show();
    script.expectError(QStringLiteral("salvataggio fallito"));
    dialog.ButtonConferma->click();

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), ModalDialog::Ok);
}

TEST_F(ModalDialogTest, KeysPressOnlyWhatTheWindowBinds) {
    ProvaDialogo dialog(false);
    dialog.show();
    QApplication::setActiveWindow(&dialog);

    QTest::keyClick(dialog.EditNome, Qt::Key_Escape);
    QTest::keyClick(dialog.EditNome, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.conferme, 0);

    dialog.ButtonConferma->setFocus();
    QTest::keyClick(dialog.ButtonConferma, Qt::Key_Return);
    EXPECT_EQ(dialog.conferme, 1);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ModalDialogTest, FixedSizeCentredOnTheMainWindow) {
    QWidget mainWindow;
    mainWindow.setGeometry(100, 80, 600, 400);
    ModalDialog::setMainWindow(&mainWindow);
    ProvaDialogo dialog(false);
    dialog.show();

    EXPECT_EQ(dialog.size(), QSize(300, 120));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const QPoint offset = dialog.frameGeometry().center() - mainWindow.frameGeometry().center();
    EXPECT_LE(qAbs(offset.x()), 2) << "rounding only";
    EXPECT_LE(qAbs(offset.y()), 2) << "rounding only";
    ModalDialog::setMainWindow(nullptr);
}

}  // namespace
