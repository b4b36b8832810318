// The search as the running program shows it, in Qt's own modal loops: the dialog hides
// while the window of a date is open, comes back after "Cambia Data..." and searches again.

#include "ModalLoop.h"
#include "RicercaFixture.h"
#include "ui/CercaCommesse.h"
#include "ui/TabellaCommessePerData.h"
#include "ui/WidgetInteraction.h"

#include <gtest/gtest.h>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

class RicercaModalLoopTest : public RicercaTest {
protected:
    WidgetInteraction real;
    ModalLoop loop;
};

TEST_F(RicercaModalLoopTest, CambiaDataBringsTheHiddenDialogBackInItsModalRun) {
    memorizza(QStringLiteral("Tagliando di luglio"), kGiorno);
    const QString scelta = memorizza(QStringLiteral("Frizione di ottobre"), kAltroGiorno);
    TFormTavorno& window = avvia();
    InteractionScope scope(real);
    window.show();

    TFormCercaCommesse* ricerca = nullptr;
    loop.then<TFormCercaCommesse>([&](TFormCercaCommesse& dialog) {
            ricerca = &dialog;
            QTest::mouseClick(dialog.RadioButtonPerDataCreazione, Qt::LeftButton);
            dialog.DatePickerRicercaCommesse->setDate(kGiorno);
            QTest::mouseClick(dialog.ButtonRicercaCommesse, Qt::LeftButton);
        })
        .then<TFormTabellaCommessePerData>([&](TFormTabellaCommessePerData& w) {
            EXPECT_FALSE(ricerca->isVisible());
            EXPECT_EQ(righe(w.CheckListBoxCommessePerData),
                      QStringList{QStringLiteral("Tagliando di luglio")});
            QTest::mouseClick(w.ButtonAltraData, Qt::LeftButton);
        })
        .then<TFormCercaCommesse>([&](TFormCercaCommesse& dialog) {
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_TRUE(dialog.RadioButtonPerDataCreazione->isChecked());
            EXPECT_EQ(dialog.DatePickerRicercaCommesse->date(), kGiorno);
            dialog.DatePickerRicercaCommesse->setDate(kAltroGiorno);
            QTest::mouseClick(dialog.ButtonRicercaCommesse, Qt::LeftButton);
        })
        .then<TFormTabellaCommessePerData>([&](TFormTabellaCommessePerData& w) {
            EXPECT_EQ(w.DataSelezionata, kAltroGiorno);
            evidenzia(w.CheckListBoxCommessePerData, 0);
            QTest::mouseClick(w.ButtonModificaCommessa, Qt::LeftButton);
        });
    loop.run([&] { window.ButtonCercaCommessePerData->click(); });

    EXPECT_TRUE(loop.finished());
    EXPECT_EQ(window.EditIDCommessaDMS->text(), scelta);
    EXPECT_EQ(window.EditDescrizioneCommessa->text(), QStringLiteral("Frizione di ottobre"));
    EXPECT_TRUE(window.isVisible());
    window.hide();
}

}  // namespace
