// "Cerca Commesse...", the window of one date and the list of all job orders, driven as a
// user drives them: options and dates in the search dialog, lines highlighted and checked
// with the mouse and the keyboard, the boxes answered.

#include "RicercaFixture.h"
#include "db/UnitDB.h"
#include "support/ExportSchema.h"
#include "ui/CercaCommesse.h"
#include "ui/ListaTutteCommesse.h"
#include "ui/TabellaCommessePerData.h"

#include <gtest/gtest.h>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <functional>

namespace {

const QString kInfo = QStringLiteral("Info");
const QString kDomandaElimina = QStringLiteral(
    "Verranno eliminate le commesse selezionate e TUTTI gli inconvenienti ad esse "
    "associate.\r\nVuoi continuare?");
const QString kEliminate = QStringLiteral("Commesse eliminate con successo!");
const QString kDomandaGenera = QStringLiteral(
    "Verranno generate e spedite TUTTE le Commesse selezionate.\r\nVuoi continuare?");
const QString kGenerato = QStringLiteral("XML generato con successo!");
const QString kDomandaInvio = QStringLiteral("Vuoi spedire ora tutte le commesse generate?");

Shown modal(const char* window) {
    return {QStringLiteral("modal"), QString(), QString::fromLatin1(window)};
}
Shown info(const QString& text) {
    return {QStringLiteral("message"), kInfo, text};
}
Shown domanda(const QString& text) {
    return {QStringLiteral("confirm"), QStringLiteral("Domanda:"), text};
}

// What the main window shows of the job order it edits, and its state.
QStringList statoFinestra(const TFormTavorno& window) {
    QStringList stato{window.EditDescrizioneCommessa->text(),
                      window.EditIDCommessaDMS->text(),
                      window.EditCodiceScheda->text(),
                      window.EditRagioneSociale->text(),
                      window.EditTarga->text(),
                      window.OperazioneDiModificaCommessa ? "in modifica" : "nuova",
                      window.ButtonSalvaDatiCommessa->isEnabled() ? "Salva" : "-",
                      window.ButtonValorizzaIDClienteDMS->isEnabled() ? "Valorizza" : "-"};
    for (int row = 0; row < window.ListBoxInconvenienti->count(); ++row) {
        stato << window.ListBoxInconvenienti->item(row)->text();
    }
    return stato;
}

// The "IDCOMMESSADMS" of the exported job orders, in document order.
QStringList idEsportati(const QByteArray& xml) {
    QStringList ids;
    static const QRegularExpression id(QStringLiteral("IDCOMMESSADMS=\"0*(\\d+)\""));
    for (auto match = id.globalMatch(QString::fromUtf8(xml)); match.hasNext();) {
        ids << match.next().captured(1);
    }
    return ids;
}

class RicercaCommesseTest : public RicercaTest {
protected:
    // "Cerca Commesse...", "Per data di creazione:" with `data`, "Ricerca", and the window of
    // that date handed to `drive`.
    void cercaPerData(const QDate& data, std::function<void(TFormTabellaCommessePerData&)> drive) {
        script
            .onDialog<TFormCercaCommesse>([data](TFormCercaCommesse& dialog) {
                dialog.RadioButtonPerDataCreazione->click();
                dialog.DatePickerRicercaCommesse->setDate(data);
                dialog.ButtonRicercaCommesse->click();
            })
            .onDialog<TFormTabellaCommessePerData>(std::move(drive));
        window->ButtonCercaCommessePerData->click();
    }

    // "Cerca Commesse...", "Ottieni Lista Completa", "Ricerca", and the list handed to `drive`.
    void cercaTutte(std::function<void(TFormListaTutteCommesse&)> drive) {
        script
            .onDialog<TFormCercaCommesse>([](TFormCercaCommesse& dialog) {
                dialog.RadioButtonListaCompleta->click();
                dialog.ButtonRicercaCommesse->click();
            })
            .onDialog<TFormListaTutteCommesse>(std::move(drive));
        window->ButtonCercaCommessePerData->click();
    }

    QByteArray esportazione() const {
        return readFile(folder.dmsFolder() + QStringLiteral("/KORVADEX.XML"));
    }

    TFormTavorno* window = nullptr;
};

TEST_F(RicercaCommesseTest, TheDialogOpensWithNoOptionAndRicercaAloneDoesNothing) {
    window = &avvia();
    const QStringList prima = statoFinestra(*window);
    const QDate oggi = QDate::currentDate();
    // Start-up makes one dialog of its own, never shown.
    ASSERT_TRUE(program.searchDialog);
    EXPECT_FALSE(program.searchDialog->isVisible());
    EXPECT_EQ(program.searchDialog->DatePickerRicercaCommesse->date(), oggi);

    script.onDialog<TFormCercaCommesse>([&](TFormCercaCommesse& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Cerca Commesse..."));
        for (QRadioButton* opzione :
             {dialog.RadioButtonPerDataCreazione, dialog.RadioButtonPerRangeDate,
              dialog.RadioButtonListaCompleta}) {
            EXPECT_FALSE(opzione->isChecked()) << opzione->objectName().toStdString();
        }
        EXPECT_TRUE(dialog.RadioButtonPerDataCreazione->isEnabled());
        EXPECT_FALSE(dialog.RadioButtonPerRangeDate->isEnabled());
        EXPECT_TRUE(dialog.RadioButtonListaCompleta->isEnabled());
        EXPECT_EQ(dialog.Label1->text(), QStringLiteral("-"));
        for (QDateEdit* picker :
             {dialog.DatePickerRicercaCommesse, dialog.DatePickerRicercaCommesseDown,
              dialog.DatePickerRicercaCommesseUp}) {
            SCOPED_TRACE(picker->objectName().toStdString());
            EXPECT_FALSE(picker->isEnabled());
            EXPECT_EQ(picker->date(), oggi);
            EXPECT_EQ(picker->minimumDate(), QDate(2000, 1, 1));
            EXPECT_EQ(picker->maximumDate(), QDate(2200, 12, 31));
            EXPECT_EQ(picker->displayFormat(), QStringLiteral("dd/MM/yyyy"));
        }
        dialog.DatePickerRicercaCommesse->setDate(QDate(1999, 12, 31));
        EXPECT_EQ(dialog.DatePickerRicercaCommesse->date(), QDate(2000, 1, 1));
        EXPECT_EQ(dialog.DatePickerRicercaCommesse->text(), QStringLiteral("01/01/2000"));

        dialog.ButtonRicercaCommesse->click();
        EXPECT_TRUE(dialog.isVisible());

        // What each option enables.
        const struct {
            QRadioButton* opzione;
            bool dataCreazione;
        } clic[] = {{dialog.RadioButtonPerDataCreazione, true},
                    {dialog.RadioButtonListaCompleta, false},
                    {dialog.RadioButtonPerDataCreazione, true}};
        for (const auto& c : clic) {
            // On the option's caption, where the user clicks.
            QTest::mouseClick(c.opzione, Qt::LeftButton, Qt::NoModifier,
                              QPoint(10, c.opzione->height() / 2));
            EXPECT_EQ(dialog.DatePickerRicercaCommesse->isEnabled(), c.dataCreazione);
            EXPECT_FALSE(dialog.DatePickerRicercaCommesseDown->isEnabled());
            EXPECT_FALSE(dialog.DatePickerRicercaCommesseUp->isEnabled());
        }
        dialog.ButtonAnnulla->click();
    });
    window->ButtonCercaCommessePerData->click();

    EXPECT_EQ(script.shown(), std::vector<Shown>{modal("TFormCercaCommesse")});
    EXPECT_EQ(statoFinestra(*window), prima);
}

TEST_F(RicercaCommesseTest, ADateWithoutJobOrdersGivesAnEmptyWindowThatClosesBoth) {
    memorizza(QStringLiteral("Tagliando"), kGiorno);
    window = &avvia();
    const QStringList prima = statoFinestra(*window);
    const std::pair<const char*, std::function<void(TFormTabellaCommessePerData&)>> uscite[] = {
        {"Esci", [](TFormTabellaCommessePerData& w) { w.ButtonEsci->click(); }},
        {"cornice", [](TFormTabellaCommessePerData& w) { w.close(); }},
    };
    for (const auto& [uscita, esci] : uscite) {
        SCOPED_TRACE(uscita);
        script.clear();
        cercaPerData(kAltroGiorno, [&](TFormTabellaCommessePerData& w) {
            EXPECT_EQ(w.windowTitle(), QStringLiteral("Risultati Ricerca Commesse"));
            EXPECT_EQ(w.Label1->text(), QStringLiteral("Data:"));
            EXPECT_EQ(w.LabelDataCercata->text(),
                      QLocale::system().toString(kAltroGiorno, QLocale::ShortFormat));
            EXPECT_EQ(w.Label2->text(), QStringLiteral("Commesse Trovate:"));
            EXPECT_EQ(w.CheckListBoxCommessePerData->model()->rowCount(), 0);
            EXPECT_EQ(w.ListaCommessePerData().Count(), 0);
            EXPECT_TRUE(w.CommessaDaModificare().FIDCommessaDMS.isEmpty());
            esci(w);
            EXPECT_FALSE(w.ChangeDate());
        });
        EXPECT_EQ(script.shown(), (std::vector<Shown>{modal("TFormCercaCommesse"),
                                                      modal("TFormTabellaCommessePerData")}));
        EXPECT_EQ(statoFinestra(*window), prima);
    }
}

TEST_F(RicercaCommesseTest, CambiaDataBringsTheDialogBackAndASecondSearchOpensTheNewDate) {
    memorizza(QStringLiteral("Tagliando di luglio"), kGiorno);
    memorizza(QStringLiteral("Freni di ottobre"), kAltroGiorno);
    const QString scelta = memorizza(QStringLiteral("Frizione di ottobre"), kAltroGiorno);
    memorizza(QStringLiteral("Tagliando di ottobre, già inviata"), kAltroGiorno, 1);
    window = &avvia();

    TFormCercaCommesse* ricerca = nullptr;
    script
        .onDialog<TFormCercaCommesse>([&](TFormCercaCommesse& dialog) {
            ricerca = &dialog;
            dialog.RadioButtonPerDataCreazione->click();
            dialog.DatePickerRicercaCommesse->setDate(kGiorno);
            dialog.ButtonRicercaCommesse->click();
            // Back as the user left it.
            ASSERT_TRUE(dialog.isVisible());
            EXPECT_TRUE(dialog.RadioButtonPerDataCreazione->isChecked());
            EXPECT_TRUE(dialog.DatePickerRicercaCommesse->isEnabled());
            EXPECT_EQ(dialog.DatePickerRicercaCommesse->date(), kGiorno);
            dialog.DatePickerRicercaCommesse->setDate(kAltroGiorno);
            dialog.ButtonRicercaCommesse->click();
        })
        .onDialog<TFormTabellaCommessePerData>([&](TFormTabellaCommessePerData& w) {
            EXPECT_FALSE(ricerca->isVisible());
            EXPECT_EQ(w.DataSelezionata, kGiorno);
            EXPECT_EQ(righe(w.CheckListBoxCommessePerData),
                      QStringList{QStringLiteral("Tagliando di luglio")});
            w.ButtonAltraData->click();
            EXPECT_TRUE(w.ChangeDate());
        })
        .onDialog<TFormTabellaCommessePerData>([&](TFormTabellaCommessePerData& w) {
            // Every job order of the date, sent or not.
            EXPECT_EQ(righe(w.CheckListBoxCommessePerData),
                      (QStringList{QStringLiteral("Freni di ottobre"),
                                   QStringLiteral("Frizione di ottobre"),
                                   QStringLiteral("Tagliando di ottobre, già inviata")}));
            spuntaConSpazio(w.CheckListBoxCommessePerData, 0);
            evidenzia(w.CheckListBoxCommessePerData, 1);
            w.ButtonModificaCommessa->click();
        });
    window->ButtonCercaCommessePerData->click();

    EXPECT_EQ(script.shown(),
              (std::vector<Shown>{modal("TFormCercaCommesse"), modal("TFormTabellaCommessePerData"),
                                  modal("TFormTabellaCommessePerData")}));
    EXPECT_EQ(statoFinestra(*window),
              (QStringList{QStringLiteral("Frizione di ottobre"), scelta, QStringLiteral("SK3"),
                           QStringLiteral("Rossi Mario"), QStringLiteral("AB123CD"),
                           QStringLiteral("in modifica"), QStringLiteral("Salva"),
                           QStringLiteral("-"), QStringLiteral("Rumore n. 3")}));
    EXPECT_EQ(window->CommessaSelezionata.FIDCommessaDMS, scelta);
}

TEST_F(RicercaCommesseTest, TheHighlightedLineIsOpenedWhateverIsChecked) {
    const QStringList ids = {memorizza(QStringLiteral("Prima"), kGiorno),
                             memorizza(QStringLiteral("Seconda"), kGiorno),
                             memorizza(QStringLiteral("Terza"), kAltroGiorno)};
    window = &avvia();
    cercaTutte([&](TFormListaTutteCommesse& w) {
        QListView* list = w.CheckListBoxListaCommesse;
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Lista delle Commesse"));
        EXPECT_EQ(righe(list), (QStringList{"Prima", "Seconda", "Terza"}));
        EXPECT_EQ(idDietroLeRighe(w.ListaCommesse()), ids);
        // No line is highlighted or checked at opening, also once the list has the focus.
        list->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(w.highlightedRow(), -1);
        EXPECT_EQ(righeSpuntate(list), QStringList());
        w.ButtonModificaCommessa->click();
        ASSERT_TRUE(w.isVisible());

        spuntaConClic(list, 0);
        spuntaConSpazio(list, 2);
        spuntaConSpazio(list, 1);
        QTest::keyClick(list, Qt::Key_Space);  // and off again
        EXPECT_EQ(righeSpuntate(list), (QStringList{"Prima", "Terza"}));
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(w.highlightedRow(), 1);
        w.ButtonModificaCommessa->click();
    });

    EXPECT_EQ(script.shown(),
              (std::vector<Shown>{
                  modal("TFormCercaCommesse"), modal("TFormListaTutteCommesse"),
                  info(QStringLiteral("Non è stata selezionata alcuna commessa da modificare."))}));
    EXPECT_EQ(window->EditIDCommessaDMS->text(), ids[1]);
    EXPECT_EQ(window->EditDescrizioneCommessa->text(), QStringLiteral("Seconda"));
    EXPECT_TRUE(window->OperazioneDiModificaCommessa);
    EXPECT_TRUE(window->ButtonSalvaDatiCommessa->isEnabled());
    EXPECT_FALSE(window->ButtonValorizzaIDClienteDMS->isEnabled());
}

TEST_F(RicercaCommesseTest, TwoAdjacentCheckedLinesGoWithEverythingTheyHold) {
    const QStringList ids = {memorizza(QStringLiteral("Prima"), kGiorno),
                             memorizza(QStringLiteral("Dell'Orto \"B\""), kGiorno),
                             memorizza(QStringLiteral("Terza"), kGiorno),
                             memorizza(QStringLiteral("Quarta"), kGiorno)};
    window = &avvia();
    script.answer(true, kDomandaElimina);
    cercaPerData(kGiorno, [&](TFormTabellaCommessePerData& w) {
        spuntaConSpazio(w.CheckListBoxCommessePerData, 1);
        spuntaConClic(w.CheckListBoxCommessePerData, 2);
        w.ButtonCancellaCommessa->click();
        EXPECT_EQ(righe(w.CheckListBoxCommessePerData), (QStringList{"Prima", "Quarta"}));
        EXPECT_EQ(idDietroLeRighe(w.ListaCommessePerData()), (QStringList{ids[0], ids[3]}));
        EXPECT_EQ(righeSpuntate(w.CheckListBoxCommessePerData), QStringList());
        w.ButtonEsci->click();
    });

    EXPECT_EQ(script.shown(),
              (std::vector<Shown>{modal("TFormCercaCommesse"), modal("TFormTabellaCommessePerData"),
                                  domanda(kDomandaElimina), info(kEliminate)}));
    EXPECT_EQ(idMemorizzati(), (QStringList{ids[0], ids[3]}));
    DbProbe db = database();
    for (const char* tabella : {"Scheda", "Inconveniente", "Operazione", "Ricambio"}) {
        EXPECT_EQ(db.count(QString::fromLatin1(tabella)), 2) << tabella;
    }
}

TEST_F(RicercaCommesseTest, DeletingNothing) {
    const QString id = memorizza(QStringLiteral("Tagliando"), kGiorno);
    window = &avvia();
    const struct {
        const char* caso;
        QDate data;
        bool si;
        std::vector<Shown> dopoLaDomanda;
    } casi[] = {
        {"No alla domanda", kGiorno, false, {}},
        {"nessuna riga spuntata", kGiorno, true, {info(kEliminate)}},
        {"nessuna riga",
         kAltroGiorno,
         true,
         {info(QStringLiteral("Non è selezionata alcuna commessa."))}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        script.clear();
        script.answer(c.si, kDomandaElimina);
        cercaPerData(c.data, [&](TFormTabellaCommessePerData& w) {
            const QStringList prima = righe(w.CheckListBoxCommessePerData);
            w.ButtonCancellaCommessa->click();
            EXPECT_EQ(righe(w.CheckListBoxCommessePerData), prima);
            w.ButtonEsci->click();
        });
        std::vector<Shown> attesi{modal("TFormCercaCommesse"), modal("TFormTabellaCommessePerData"),
                                  domanda(kDomandaElimina)};
        attesi.insert(attesi.end(), c.dopoLaDomanda.begin(), c.dopoLaDomanda.end());
        EXPECT_EQ(script.shown(), attesi);
        EXPECT_EQ(idMemorizzati(), QStringList{id});
    }
}

// A failure on the way leaves every line and every job order where it was.
TEST_F(RicercaCommesseTest, AFailedDeletionDeletesNothingAndRemovesNoLine) {
    const QStringList ids = {memorizza(QStringLiteral("Prima"), kGiorno),
                             memorizza(QStringLiteral("Seconda"), kGiorno),
                             memorizza(QStringLiteral("Terza"), kGiorno)};
    database().exec(
        QStringLiteral("CREATE TRIGGER Guasto BEFORE DELETE ON Scheda WHEN "
                       "OLD.CodiceScheda = 'SK1' BEGIN SELECT RAISE(ABORT, 'disco "
                       "guasto'); END;"));
    window = &avvia();
    script.answer(true, kDomandaElimina)
        .expectError(QStringLiteral("Impossibile eliminare le commesse selezionate.\r\ndisco "
                                    "guasto\r\nNessuna commessa è stata eliminata."));
    cercaPerData(kGiorno, [&](TFormTabellaCommessePerData& w) {
        for (int row : {0, 1, 2}) {
            spuntaConSpazio(w.CheckListBoxCommessePerData, row);
        }
        w.ButtonCancellaCommessa->click();
        EXPECT_EQ(righe(w.CheckListBoxCommessePerData), (QStringList{"Prima", "Seconda", "Terza"}));
        EXPECT_EQ(idDietroLeRighe(w.ListaCommessePerData()), ids);
        EXPECT_EQ(righeSpuntate(w.CheckListBoxCommessePerData).size(), 3);
        w.ButtonEsci->click();
    });
    EXPECT_EQ(idMemorizzati(), ids);
    EXPECT_EQ(database().count(QStringLiteral("Operazione")), 3);
}

// Another program holds the database: the deletion waits, then says so and deletes nothing;
// once the database is free it goes through.
TEST_F(RicercaCommesseTest, ALockedDatabaseDeletesNothingUntilItIsFree) {
    const QStringList ids = {memorizza(QStringLiteral("Prima"), kGiorno),
                             memorizza(QStringLiteral("Seconda"), kGiorno)};
    window = &avvia();
    program.dataModule->SQLConnection1.setBusyTimeout(200);
    DbProbe altroProgramma = database();
    altroProgramma.exec(QStringLiteral("BEGIN IMMEDIATE;"));
    script.answer(true, kDomandaElimina).expectError().answer(true, kDomandaElimina);
    cercaPerData(kGiorno, [&](TFormTabellaCommessePerData& w) {
        spuntaConSpazio(w.CheckListBoxCommessePerData, 0);
        spuntaConSpazio(w.CheckListBoxCommessePerData, 1);
        w.ButtonCancellaCommessa->click();
        EXPECT_EQ(righe(w.CheckListBoxCommessePerData), (QStringList{"Prima", "Seconda"}));
        altroProgramma.exec(QStringLiteral("ROLLBACK;"));
        EXPECT_EQ(idMemorizzati(), ids);

        w.ButtonCancellaCommessa->click();
        EXPECT_EQ(righe(w.CheckListBoxCommessePerData), QStringList());
        w.ButtonEsci->click();
    });
    const QString errore = script.shown().at(3).text;
    EXPECT_TRUE(errore.startsWith(QStringLiteral("Impossibile eliminare le commesse selezionate.")))
        << errore.toStdString();
    EXPECT_TRUE(errore.contains(QStringLiteral("database is locked"))) << errore.toStdString();
    EXPECT_TRUE(errore.endsWith(QStringLiteral("\r\nNessuna commessa è stata eliminata.")));
    EXPECT_EQ(script.shown().back(), info(kEliminate));
    EXPECT_EQ(idMemorizzati(), QStringList());
}

TEST_F(RicercaCommesseTest, TheListOfAllJobOrdersLeavesOutSentOnesByDefault) {
    const QString nonInviata = memorizza(QStringLiteral("Da inviare"), kGiorno);
    const QString inviata = memorizza(QStringLiteral("Già inviata"), kGiorno, 1);
    window = &avvia();
    cercaTutte([&](TFormListaTutteCommesse& w) {
        EXPECT_EQ(righe(w.CheckListBoxListaCommesse), QStringList{"Da inviare"});
        EXPECT_EQ(idDietroLeRighe(w.ListaCommesse()), QStringList{nonInviata});
        w.ButtonEsci->click();
    });
    cercaPerData(kGiorno, [&](TFormTabellaCommessePerData& w) {
        EXPECT_EQ(idDietroLeRighe(w.ListaCommessePerData()), (QStringList{nonInviata, inviata}));
        w.ButtonEsci->click();
    });
}

TEST_F(RicercaCommesseTest, TheListOfAllJobOrdersShowsSentOnesWhenTheSettingAllows) {
    const QStringList ids = {memorizza(QStringLiteral("Da inviare"), kGiorno),
                             memorizza(QStringLiteral("Già inviata"), kAltroGiorno, 1)};
    settings[QStringLiteral("CommesseGiaInviate")] = QStringLiteral("true");
    window = &avvia();
    cercaTutte([&](TFormListaTutteCommesse& w) {
        EXPECT_EQ(righe(w.CheckListBoxListaCommesse), (QStringList{"Da inviare", "Già inviata"}));
        EXPECT_EQ(idDietroLeRighe(w.ListaCommesse()), ids);
        w.ButtonEsci->click();
    });
}

// The sent marks are read with one statement; what stays is what asking IsCommessaSent for
// each job order and removing the sent ones keeps, whatever StatoInvio holds.
TEST_F(RicercaCommesseTest, TheSentFilterKeepsWhatTheWalkOverEveryJobOrderKeeps) {
    const QStringList stati = {"0", "1", "2", "-1", "'1'", "'sì'", "'0'", "0.0", "'3 volte'", "0"};
    for (int i = 0; i < stati.size(); ++i) {
        const QString id = memorizza(QStringLiteral("Commessa %1").arg(i), kGiorno);
        database().exec(QStringLiteral("UPDATE Commessa SET StatoInvio = %1 WHERE IDCommessaDMS "
                                       "= %2;")
                            .arg(stati[i], id));
    }
    window = &avvia();
    TListaCommesse attese = window->jobOrders.getAllCommesseFromDB();
    for (int i = 0; i < attese.Count();) {
        if (window->jobOrders.IsCommessaSent(attese.Get(i)->FIDCommessaDMS)) {
            attese.Remove(i);
        } else {
            ++i;
        }
    }
    ASSERT_EQ(idDietroLeRighe(attese).size(), 5);

    cercaTutte([&](TFormListaTutteCommesse& w) {
        ASSERT_EQ(w.ListaCommesse().Count(), attese.Count());
        auto atteso = attese.begin();
        int row = 0;
        for (const TCommessa& c : w.ListaCommesse()) {
            SCOPED_TRACE(c.FIDCommessaDMS.toStdString());
            const auto campi = [](const TCommessa& x) {
                return QStringList{x.FIDCommessaDMS,
                                   x.FDescrizioneCommessa,
                                   x.FCodiceOfficina,
                                   x.FCodiceMercato,
                                   x.FCodiceScheda,
                                   x.FDataCommessa,
                                   x.FIdCliente,
                                   QString::number(x.FIdScheda),
                                   QString::number(x.FIdVeicolo),
                                   x.FInviata ? "1" : "0"};
            };
            EXPECT_EQ(campi(c), campi(*atteso));
            EXPECT_EQ(righe(w.CheckListBoxListaCommesse)[row++], atteso->FDescrizioneCommessa);
            ++atteso;
        }
        w.ButtonEsci->click();
    });
}

TEST_F(RicercaCommesseTest, TwoCheckedLinesAreExportedInLineOrderAndTheWindowStaysAsItWas) {
    const QStringList ids = {memorizza(QStringLiteral("Prima"), kGiorno),
                             memorizza(QStringLiteral("Seconda"), kGiorno),
                             memorizza(QStringLiteral("Terza"), kGiorno)};
    folder.installUploader();
    window = &avvia();
    script.answer(true, kDomandaGenera).answer(true, kDomandaGenera).answer(true, kDomandaInvio);
    cercaPerData(kGiorno, [&](TFormTabellaCommessePerData& w) {
        QListView* list = w.CheckListBoxCommessePerData;
        w.ButtonGeneraEInvia->click();
        spuntaConSpazio(list, 2);
        spuntaConClic(list, 0);
        w.ButtonGeneraEInvia->click();
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(righe(list), (QStringList{"Prima", "Seconda", "Terza"}));
        EXPECT_EQ(righeSpuntate(list), (QStringList{"Prima", "Terza"}));
        EXPECT_EQ(idDietroLeRighe(w.ListaCommessePerData()), ids);
        w.ButtonEsci->click();
    });

    EXPECT_EQ(script.shown(),
              (std::vector<Shown>{modal("TFormCercaCommesse"),
                                  modal("TFormTabellaCommessePerData"),
                                  domanda(kDomandaGenera),
                                  {QStringLiteral("message"), QStringLiteral("Errore"),
                                   QStringLiteral("Non c'è alcuna Commessa da generare!")},
                                  domanda(kDomandaGenera),
                                  info(kGenerato),
                                  domanda(kDomandaInvio)}));
    EXPECT_EQ(idEsportati(esportazione()), (QStringList{ids[0], ids[2]}));
    EXPECT_EQ(
        database().rows(QStringLiteral("SELECT StatoInvio FROM Commessa ORDER BY IDCommessaDMS")),
        (QStringList{"1", "0", "1"}));
}

// The list of all job orders loads no complaints; those it exports are loaded then, and the
// document is the one the full load gives.
TEST_F(RicercaCommesseTest, TheListOfAllJobOrdersExportsWhatTheFullLoadExports) {
    const QStringList ids = {memorizza(QStringLiteral("Prima"), kGiorno),
                             memorizza(QStringLiteral("Seconda"), kAltroGiorno),
                             memorizza(QStringLiteral("Terza"), kGiorno)};
    database().exec(
        QStringLiteral(
            "INSERT INTO Inconveniente (IdCommessa, Descrizione, CodiceACarico, TipoIntervento) "
            "VALUES (%1, 'Spia accesa', 'G', 'E');"
            "INSERT INTO Ricambio (CodiceRicambio, Descrizione, CodiceACarico, IdInconveniente) "
            "VALUES ('55281', 'Sensore', 'G', (SELECT MAX(IdInconveniente) FROM Inconveniente));")
            .arg(ids[2]));
    window = &avvia();
    script.answer(true, kDomandaGenera).answer(false, kDomandaInvio);
    cercaTutte([&](TFormListaTutteCommesse& w) {
        EXPECT_FALSE(w.ListaCommesse().begin()->FListaInconvenienti);
        spuntaConSpazio(w.CheckListBoxListaCommesse, 2);
        spuntaConSpazio(w.CheckListBoxListaCommesse, 0);
        w.ButtonGeneraEInvia->click();
        w.ButtonEsci->click();
    });
    const QByteArray dallaLista = esportazione();
    EXPECT_EQ(exportSchemaErrors(dallaLista), QString());
    EXPECT_TRUE(dallaLista.contains("Sensore"));

    TListaCommesse caricateTutte;
    for (const TCommessa& commessa : window->jobOrders.getAllCommesseFromDB()) {
        if (commessa.FIDCommessaDMS != ids[1]) {
            caricateTutte.Add(commessa);
        }
    }
    script.answer(false, kDomandaInvio);
    window->GeneraXMLEInvia(caricateTutte);
    EXPECT_EQ(esportazione(), dallaLista);
}

// Another workstation deleted the job order after the list was read: the main window says
// so and keeps what it showed, instead of showing an empty job order as stored.
TEST_F(RicercaCommesseTest, AJobOrderDeletedElsewhereIsNotOpened) {
    memorizza(QStringLiteral("Prima"), kGiorno);
    const QString eliminata = memorizza(QStringLiteral("Seconda"), kGiorno);
    window = &avvia();
    const QStringList prima = statoFinestra(*window);
    cercaTutte([&](TFormListaTutteCommesse& w) {
        database().exec(QStringLiteral("DELETE FROM Scheda WHERE CodiceScheda = 'SK2';"));
        evidenzia(w.CheckListBoxListaCommesse, 1);
        w.ButtonModificaCommessa->click();
    });
    EXPECT_EQ(script.shown(),
              (std::vector<Shown>{modal("TFormCercaCommesse"),
                                  modal("TFormListaTutteCommesse"),
                                  {QStringLiteral("message"), QStringLiteral("Errore"),
                                   QStringLiteral("La commessa %1 non è più presente nel "
                                                  "database: è stata eliminata dopo la ricerca.")
                                       .arg(eliminata)}}));
    EXPECT_EQ(statoFinestra(*window), prima);
}

// Whatever a description holds, its line is one line of text as tall as any other, and the
// list and the window keep their size.
TEST_F(RicercaCommesseTest, EveryDescriptionShowsOnOneLine) {
    const QStringList descrizioni = {
        QStringLiteral("Tagliando"),
        QStringLiteral("Dell'Orto \"Special\" 'A'"),
        QStringLiteral("Prima riga\r\nseconda\nterza\rquarta\u2028quinta"),
        QStringLiteral("Fuori dal piano di base: \U0001F697 \U0001D53D"),
        QString(1000, u'M'),
    };
    for (const QString& descrizione : descrizioni) {
        memorizza(descrizione, kGiorno);
    }
    window = &avvia();
    cercaPerData(kGiorno, [&](TFormTabellaCommessePerData& w) {
        const QSize finestra = w.size();
        QListView* list = w.CheckListBoxCommessePerData;
        const QSize vista = list->size();
        EXPECT_EQ(righe(list),
                  (QStringList{descrizioni[0], descrizioni[1],
                               QStringLiteral("Prima riga seconda terza quarta quinta"),
                               descrizioni[3], descrizioni[4]}));
        const int altezza = list->visualRect(list->model()->index(0, 0)).height();
        for (int row = 0; row < descrizioni.size(); ++row) {
            SCOPED_TRACE(row);
            const QModelIndex index = list->model()->index(row, 0);
            EXPECT_EQ(list->visualRect(index).height(), altezza);
            EXPECT_LE(list->visualRect(index).width(), list->viewport()->width());
            EXPECT_EQ((w.ListaCommessePerData().begin() + row)->FDescrizioneCommessa,
                      descrizioni[row]);
        }
        EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
        EXPECT_EQ(list->size(), vista);
        EXPECT_EQ(w.size(), finestra);
        w.ButtonEsci->click();
    });
}

}  // namespace
