// The complaints page of the main window: "Aggiungi Inconveniente...", "Modifica
// Inconveniente..." and "Rimuovi Inconveniente" through the real window and the real
// complaint editor, on a temporary database; and the whole road of the demo job card from
// the DMS to the export of the day.

#include "InconvenienteFixture.h"
#include "support/ExportSchema.h"
#include "ui/PrivacyCliente.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <pugixml.hpp>

namespace {

const QString kDomandaRimuovi =
    QStringLiteral("Vuoi eliminare definitivamente questo Inconveniente?");
const QString kDomandaNuovaCommessa =
    QStringLiteral("Stai per inserire una nuova Commessa.\r\nVuoi continuare?");

class InconvenientiTest : public TavornoTest {
protected:
    // The program on a new card of the DMS, with the data the card does not give typed in.
    TFormTavorno& avviaSuNuovaScheda(const QString& targa = QString()) {
        scriviDocumento(testaNuovaScheda(), QStringLiteral("004817"));
        TFormTavorno& window = avvia();
        completa(window, targa);
        return window;
    }
    static void completa(TFormTavorno& window, const QString& targa) {
        QTest::keyClicks(window.EditDescrizioneCommessa, QStringLiteral("Tagliando"));
        QTest::keyClicks(window.EditMVS, QStringLiteral("3120BXA"));
        if (!targa.isEmpty()) {
            typeOver(window.EditTarga, targa);
        }
    }

    // The program on the stored job order of card 004817 and its complaint "Rumore ai freni",
    // with more complaints when named.
    TFormTavorno& avviaSuCommessaMemorizzata(const QStringList& altri = {}) {
        const QString id = memorizzaCommessa(QStringLiteral("004817"), false);
        for (const QString& descrizione : altri) {
            database().exec(QStringLiteral("INSERT INTO Inconveniente (IdCommessa, Descrizione, "
                                           "CodiceACarico, TipoIntervento) VALUES (%1, '%2', "
                                           "'G', 'E');")
                                .arg(id, descrizione));
        }
        scriviDocumento(testaNuovaScheda(), QStringLiteral("004817"));
        return avvia();
    }

    // The next editor: named, typed and charged as given, then saved with Si.
    void salvaNuovo(const QString& nome,
                    const std::function<void(TFormGestioneInconveniente&)>& voci = {}) {
        script.onDialog<TFormGestioneInconveniente>(
            [this, nome, voci](TFormGestioneInconveniente& editor) {
                if (voci) {
                    voci(editor);
                }
                compila(editor, nome, QStringLiteral("Meccanica"), QStringLiteral("Cliente"));
                script.answer(true, kDomandaNuovoInconveniente);
                click(editor.ButtonConferma);
            });
    }

    // The next editor, left with Chiudi and Si to the close question of its mode.
    void chiudiSenzaSalvare(const QString& uscita,
                            const std::function<void(TFormGestioneInconveniente&)>& prima = {}) {
        script.onDialog<TFormGestioneInconveniente>(
            [this, uscita, prima](TFormGestioneInconveniente& editor) {
                if (prima) {
                    prima(editor);
                }
                script.answer(true, uscita);
                click(editor.ButtonChiudi);
            });
    }

    qint64 righe(const char* tabella) { return database().count(QString::fromLatin1(tabella)); }
};

// The first complaint of a new DMS card stores the job order at once, without the question
// of "Salva Commessa"; leaving the editor unsaved keeps the window on the stored job order.
TEST_F(InconvenientiTest, TheFirstComplaintOfANewCardStoresTheJobOrderWithoutAQuestion) {
    TFormTavorno& window = avviaSuNuovaScheda();
    chiudiSenzaSalvare(kUscitaNuovo, [&](TFormGestioneInconveniente&) {
        // Stored before the editor opened.
        EXPECT_EQ(righe("Commessa"), 1);
        EXPECT_EQ(window.EditIDCommessaDMS->text(),
                  database().scalar(QStringLiteral("SELECT IDCommessaDMS FROM Commessa")));
    });
    click(window.ButtonAggiungiInconveniente);

    EXPECT_EQ(script.texts(),
              (std::vector<QString>{QStringLiteral("TFormGestioneInconveniente"), kUscitaNuovo}));
    DbProbe db = database();
    EXPECT_EQ(db.rows(QStringLiteral("SELECT CodiceScheda, IdCliente FROM Scheda")),
              QStringList{QStringLiteral("004817|4217")});
    EXPECT_EQ(db.rows(QStringLiteral("SELECT IdCliente, RagioneSociale FROM Cliente")),
              QStringList{QStringLiteral("04217|D'Amico Nicolò")});
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Targa, MVS, Telaio FROM Veicolo")),
              QStringList{QStringLiteral("GE482LT|3120BXA|04567891")});
    EXPECT_EQ(db.rows(QStringLiteral("SELECT DescrizioneCommessa, IdCliente FROM Commessa")),
              QStringList{QStringLiteral("Tagliando|4217")});
    EXPECT_EQ(righe("Inconveniente"), 0);
    EXPECT_EQ(window.ListBoxInconvenienti->count(), 0);
    EXPECT_TRUE(window.OperazioneDiModificaCommessa);
    EXPECT_TRUE(window.ButtonSalvaDatiCommessa->isEnabled());
    EXPECT_FALSE(window.ButtonValorizzaIDClienteDMS->isEnabled());
    EXPECT_EQ(window.CommessaSelezionata.FIDCommessaDMS, window.EditIDCommessaDMS->text());

    // The next complaint goes to the same job order: no second job order, card or vehicle.
    salvaNuovo(QStringLiteral("Rumore ai freni"));
    click(window.ButtonAggiungiInconveniente);
    EXPECT_EQ(righe("Commessa") + righe("Scheda") + righe("Veicolo"), 3);
    EXPECT_EQ(itemTexts(window.ListBoxInconvenienti),
              QStringList{QStringLiteral("Rumore ai freni")});
    EXPECT_TRUE(window.ListBoxInconvenienti->selectedItems().isEmpty());
}

// Storing the job order fails half-way: nothing is stored, the editor does not open and the
// window stays on the new job order.
TEST_F(InconvenientiTest, AFailureStoringTheJobOrderOpensNoEditorAndStoresNothing) {
    TFormTavorno& window = avviaSuNuovaScheda();
    database().exec(
        QStringLiteral("CREATE TRIGGER guasto BEFORE INSERT ON Commessa BEGIN SELECT "
                       "RAISE(ABORT, 'disco pieno'); END;"));
    script.expectError(QStringLiteral("disco pieno"));
    click(window.ButtonAggiungiInconveniente);

    EXPECT_EQ(script.texts(), std::vector<QString>{QStringLiteral("disco pieno")});
    EXPECT_EQ(righe("Veicolo") + righe("Scheda") + righe("Cliente") + righe("Commessa"), 0);
    EXPECT_FALSE(window.OperazioneDiModificaCommessa);
    EXPECT_TRUE(window.EditIDCommessaDMS->text().isEmpty());
    EXPECT_FALSE(window.ButtonSalvaDatiCommessa->isEnabled());
}

// Adding needs the job order's description, changing does not; without a complaint or a
// selected line "Modifica" and "Rimuovi" say so and open nothing.
TEST_F(InconvenientiTest, WhatTheButtonsRefuse) {
    TFormTavorno& window = avviaSuCommessaMemorizzata();
    window.EditDescrizioneCommessa->clear();
    click(window.ButtonAggiungiInconveniente);
    click(window.ButtonModificaInconveniente);
    click(window.ButtonRimuoviInconveniente);
    EXPECT_EQ(script.shown(),
              (std::vector<Shown>{
                  {QStringLiteral("message"), QStringLiteral("Errore"),
                   QStringLiteral("Controllare che tutti i dati della Commessa obbligatori siano "
                                  "inseriti.")},
                  {QStringLiteral("message"), QStringLiteral("Errore"),
                   QStringLiteral("Devi selezionare un Inconveniente da modificare.")},
                  {QStringLiteral("message"), QStringLiteral("Errore"),
                   QStringLiteral("Devi selezionare un Inconveniente da eliminare.")}}));

    script.clear();
    clickItem(window.ListBoxInconvenienti, 0);
    chiudiSenzaSalvare(kUscitaModifica, [](TFormGestioneInconveniente& editor) {
        EXPECT_EQ(editor.EditNomeInconveniente->text(), QStringLiteral("Rumore ai freni"));
    });
    click(window.ButtonModificaInconveniente);
    EXPECT_EQ(script.texts(), (std::vector<QString>{QStringLiteral("TFormGestioneInconveniente"),
                                                    kUscitaModifica}));

    script.clear();
    clickItem(window.ListBoxInconvenienti, 0);
    script.answer(true, kDomandaRimuovi);
    click(window.ButtonRimuoviInconveniente);
    click(window.ButtonModificaInconveniente);
    EXPECT_EQ(script.shown().back(),
              (Shown{QStringLiteral("message"), QStringLiteral("Errore"),
                     QStringLiteral("Non ci sono Inconvenienti da modificare.")}));
}

// A complaint added and then changed in the same run: its operations and parts are updated
// in their rows, not stored a second time.
TEST_F(InconvenientiTest, AddingThenChangingTheSameComplaintUpdatesItsRows) {
    TFormTavorno& window = avviaSuCommessaMemorizzata();
    window.ListaOperazioniDisponibili.Add(TOperazione::Create(
        -1, -1, QStringLiteral("96"), QString(), QStringLiteral("Tagliando"), QChar()));
    window.ListaRicambiDisponibili.Add(TRicambio::Create(-1, -1, QStringLiteral("55223416"),
                                                         QStringLiteral("Filtro olio"), QChar()));
    salvaNuovo(QStringLiteral("Spia motore"), [this](TFormGestioneInconveniente& editor) {
        scegliVoce<TOperazione>(script, 0, QStringLiteral("Garanzia"), QStringLiteral("A0101"));
        click(editor.ButtonAggiungiOperazione);
        scegliVoce<TRicambio>(script, 0, QStringLiteral("Garanzia"));
        click(editor.ButtonAggiungiRicambio);
    });
    click(window.ButtonAggiungiInconveniente);
    ASSERT_EQ(itemTexts(window.ListBoxInconvenienti),
              (QStringList{QStringLiteral("Rumore ai freni"), QStringLiteral("Spia motore")}));

    clickItem(window.ListBoxInconvenienti, 1);
    script.onDialog<TFormGestioneInconveniente>([this](TFormGestioneInconveniente& editor) {
        clickItem(editor.ListBoxOperazioniInconveniente, 0);
        cambiaNome<TOperazione>(script, QStringLiteral("Tagliando completo"));
        click(editor.ButtonModificaOperazione);
        paste(editor.EditNomeInconveniente, QStringLiteral("Spia motore accesa"));
        script.answer(true, kDomandaModificaInconveniente);
        click(editor.ButtonConferma);
    });
    click(window.ButtonModificaInconveniente);

    DbProbe db = database();
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Descrizione, CodiceOperazione FROM Operazione")),
              QStringList{QStringLiteral("Tagliando completo|A0101")});
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Descrizione FROM Ricambio")),
              QStringList{QStringLiteral("Filtro olio")});
    EXPECT_EQ(
        itemTexts(window.ListBoxInconvenienti),
        (QStringList{QStringLiteral("Rumore ai freni"), QStringLiteral("Spia motore accesa")}));
    EXPECT_TRUE(window.ListBoxInconvenienti->selectedItems().isEmpty());
    EXPECT_GT(window.ListaInconvenienti->Get(1)->FListaOperazioni->Get(0)->FIdOperazione, 0)
        << "the window holds the complaint as stored, with the ids of its rows";
}

// Removing the second of three complaints: the line and its complaint go together, so the
// line now second is the former third.
// A customer the database knows keeps its consents when a new card of it is stored: the
// window takes them from the row, and overwriting the job order stores them unchanged.
TEST_F(InconvenientiTest, AReturningCustomerKeepsItsStoredConsents) {
    database().exec(QStringLiteral(
        "INSERT INTO Cliente (IdCliente, RagioneSociale, TipoCliente, CodiceFiscale, "
        "DataOraCessionePrivacy, PrivacyMarketingFCA, Privacy3thDealer) VALUES ('04217', "
        "'D''Amico Nicolò', 'S', 'DMCNCL80A01D969K', '2026-01-15 10:00:00', 1, 1);"));
    TFormTavorno& window = avviaSuNuovaScheda();
    EXPECT_FALSE(window.ClienteSelezionato.FMarketingFCA) << "the card gives no consent";
    chiudiSenzaSalvare(kUscitaNuovo);
    click(window.ButtonAggiungiInconveniente);
    EXPECT_TRUE(window.ClienteSelezionato.FMarketingFCA);
    EXPECT_TRUE(window.ClienteSelezionato.FTerzePartiDealer);

    script.answer(true, QStringLiteral("Verranno sovrascritti tutti i dati della Commessa, del "
                                       "Cliente e del Veicolo corrente.\r\nVuoi davvero "
                                       "continuare?"));
    click(window.ButtonSalvaDatiCommessa);
    EXPECT_EQ(database().rows(QStringLiteral(
                  "SELECT PrivacyMarketingFCA, Privacy3thFCA, PrivacyProfilingFCA, "
                  "PrivacyMarketingDealer, Privacy3thDealer, PrivacyProfilingDealer FROM Cliente")),
              QStringList{QStringLiteral("1|0|0|0|1|0")});
}

TEST_F(InconvenientiTest, RemovingTheSecondOfThreeThenSelectingTheNewSecond) {
    TFormTavorno& window = avviaSuCommessaMemorizzata(
        {QStringLiteral("Spia motore"), QStringLiteral("Vibrazioni al volante")});
    clickItem(window.ListBoxInconvenienti, 1);
    script.answer(false, kDomandaRimuovi);
    click(window.ButtonRimuoviInconveniente);
    EXPECT_EQ(righe("Inconveniente"), 3);
    EXPECT_EQ(window.ListBoxInconvenienti->count(), 3);

    script.answer(true, kDomandaRimuovi);
    click(window.ButtonRimuoviInconveniente);
    EXPECT_EQ(
        database().rows(QStringLiteral("SELECT Descrizione FROM Inconveniente")),
        (QStringList{QStringLiteral("Rumore ai freni"), QStringLiteral("Vibrazioni al volante")}));
    EXPECT_EQ(
        itemTexts(window.ListBoxInconvenienti),
        (QStringList{QStringLiteral("Rumore ai freni"), QStringLiteral("Vibrazioni al volante")}));
    EXPECT_EQ(window.ListaInconvenienti->Count(), 2);
    EXPECT_TRUE(window.ListBoxInconvenienti->selectedItems().isEmpty());

    clickItem(window.ListBoxInconvenienti, 1);
    EXPECT_EQ(window.InconvenienteSelezionato.FDescrizione,
              QStringLiteral("Vibrazioni al volante"));
    // With the keys as with the mouse.
    QTest::keyClick(window.ListBoxInconvenienti, Qt::Key_Up);
    EXPECT_EQ(window.InconvenienteSelezionato.FDescrizione, QStringLiteral("Rumore ai freni"));
}

// An editor closed on a complaint whose checks passed but whose save was declined adds no
// line, in either mode; the lines are always the stored complaints.
TEST_F(InconvenientiTest, ADeclinedSaveAddsOrChangesNoLine) {
    TFormTavorno& window = avviaSuCommessaMemorizzata();
    const auto declina = [this](const QString& domanda, const QString& uscita) {
        script.onDialog<TFormGestioneInconveniente>([=, this](TFormGestioneInconveniente& editor) {
            compila(editor, QStringLiteral("Mai salvato"), QStringLiteral("Meccanica"),
                    QStringLiteral("Cliente"));
            script.answer(false, domanda).answer(true, uscita);
            click(editor.ButtonConferma);
            click(editor.ButtonChiudi);
        });
    };
    declina(kDomandaNuovoInconveniente, kUscitaNuovo);
    click(window.ButtonAggiungiInconveniente);
    clickItem(window.ListBoxInconvenienti, 0);
    declina(kDomandaModificaInconveniente, kUscitaModifica);
    click(window.ButtonModificaInconveniente);

    EXPECT_EQ(itemTexts(window.ListBoxInconvenienti),
              QStringList{QStringLiteral("Rumore ai freni")});
    EXPECT_EQ(database().rows(QStringLiteral("SELECT Descrizione FROM Inconveniente")),
              QStringList{QStringLiteral("Rumore ai freni")});
}

// The job order was deleted at another workstation while the window showed it: the
// complaint is refused with a message and nothing is written.
TEST_F(InconvenientiTest, AJobOrderDeletedElsewhereTakesNoComplaint) {
    TFormTavorno& window = avviaSuCommessaMemorizzata();
    database().exec(QStringLiteral("PRAGMA foreign_keys = ON; DELETE FROM Scheda;"));
    const QString rifiuto =
        QStringLiteral(
            "La commessa %1 non è più presente nel database: forse è stata eliminata "
            "da un'altra postazione. Inconveniente non salvato.")
            .arg(window.CommessaSelezionata.FIDCommessaDMS);
    script.onDialog<TFormGestioneInconveniente>([&](TFormGestioneInconveniente& editor) {
        compila(editor, QStringLiteral("Spia motore"), QStringLiteral("Meccanica"),
                QStringLiteral("Cliente"));
        script.answer(true, kDomandaNuovoInconveniente)
            .expectError(rifiuto)
            .answer(true, kUscitaNuovo);
        click(editor.ButtonConferma);
    });
    click(window.ButtonAggiungiInconveniente);

    EXPECT_EQ(righe("Inconveniente") + righe("Operazione") + righe("Ricambio"), 0);
    EXPECT_EQ(window.ListBoxInconvenienti->count(), 0) << "the lines are what the store holds";
}

// The plate the complaint path stores is in capitals, and a plate already stored in another
// letter case is the same vehicle: no second row, never vehicle 0.
TEST_F(InconvenientiTest, ThePlateOfTheFirstComplaintIsOneVehicleInCapitals) {
    const struct {
        const char* caso;
        const char* memorizzata;  // stored before, as "Salva Commessa" stores it: as typed
        QString digitata;
        QString attesa;
    } casi[] = {
        {"a new plate typed in small letters", nullptr, QStringLiteral("ge482lt"),
         QStringLiteral("GE482LT")},
        {"stored in small letters, typed so", "fg123hk", QStringLiteral("fg123hk"),
         QStringLiteral("fg123hk")},
        {"stored in capitals, typed in small letters", "FG123HK", QStringLiteral("fG123hK"),
         QStringLiteral("FG123HK")},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.caso);
        WorkFolder cartella;
        cartella.createDatabase();
        cartella.writeSettings(settings);
        DbProbe db(cartella.path(QStringLiteral("KORVADEX.db")));
        if (caso.memorizzata != nullptr) {
            db.exec(QStringLiteral("INSERT INTO Veicolo (Targa, CodiceMarca, MVS, Telaio) VALUES "
                                   "('%1', '50', '3120BXA', '04567891');")
                        .arg(QString::fromLatin1(caso.memorizzata)));
        }
        QMap<QString, QString> testa = testaNuovaScheda();
        testa[QStringLiteral("Targa")] = caso.digitata;
        QByteArray documento = "[testa]\n";
        for (auto it = testa.begin(); it != testa.end(); ++it) {
            documento += it.key().toUtf8() + "=" + it.value().toUtf8() + "\n";
        }
        cartella.writeDmsDocument(documento + "[DatiScheda]\nCodiceScheda=004817\n");
        ProgrammaTavorno programma = avviaTavorno();
        ASSERT_TRUE(programma.runEventLoop);
        TFormTavorno& window = *programma.mainWindow;
        completa(window, QString());
        chiudiSenzaSalvare(kUscitaNuovo);
        click(window.ButtonAggiungiInconveniente);

        EXPECT_EQ(db.rows(QStringLiteral("SELECT Targa FROM Veicolo")), QStringList{caso.attesa});
        EXPECT_EQ(db.scalar(QStringLiteral("SELECT IdVeicolo FROM Commessa")),
                  db.scalar(QStringLiteral("SELECT IdVeicolo FROM Veicolo")));
        EXPECT_EQ(db.scalar(QStringLiteral("SELECT IdVeicolo FROM Scheda")),
                  db.scalar(QStringLiteral("SELECT IdVeicolo FROM Veicolo")));
    }
}

// From the demo job card to the export of the day: a complaint with a picked, a new and a
// changed operation and part, another complaint changed (a part added, a stored operation
// deleted, its name changed), a third removed, the customer's consents stored; the export
// carries exactly that and is valid against the schema.
TEST_F(InconvenientiTest, FromTheDemoCardToTheExportOfTheDay) {
    scriviDocumentoDemo();
    TFormTavorno& window = avvia();
    ASSERT_FALSE(window.OperazioneDiModificaCommessa);
    ASSERT_EQ(window.ListaOperazioniDisponibili.Count(), 3);
    ASSERT_EQ(window.ListaRicambiDisponibili.Count(), 5);
    QTest::keyClicks(window.EditDescrizioneCommessa, QStringLiteral("Tagliando e freni"));
    QTest::keyClicks(window.EditMVS, QStringLiteral("3120BXA"));

    salvaNuovo(QStringLiteral("Tagliando 30.000 km"), [this](TFormGestioneInconveniente& e) {
        scegliVoce<TOperazione>(script, 0, QStringLiteral("Cliente"), QStringLiteral("A010101"));
        click(e.ButtonAggiungiOperazione);
        nuovaVoce<TOperazione>(script, QStringLiteral("Controllo livelli e pressione gomme"),
                               QStringLiteral("A020101"), QStringLiteral("Cliente"),
                               QStringLiteral("12.5"));
        click(e.ButtonAggiungiOperazione);
        clickItem(e.ListBoxOperazioniInconveniente, 0);
        cambiaNome<TOperazione>(script, QStringLiteral("Tagliando 30.000 km con olio e filtri"));
        click(e.ButtonModificaOperazione);
        scegliVoce<TRicambio>(script, 0, QStringLiteral("Cliente"));
        click(e.ButtonAggiungiRicambio);
        nuovaVoce<TRicambio>(script, QStringLiteral("Liquido lavavetri"), QStringLiteral("9000123"),
                             QStringLiteral("Cliente"));
        click(e.ButtonAggiungiRicambio);
        clickItem(e.ListBoxRicambiInconveniente, 0);
        cambiaNome<TRicambio>(script, QStringLiteral("Filtro olio motore originale"));
        click(e.ButtonModificaRicambio);
    });
    click(window.ButtonAggiungiInconveniente);
    // The job card's lines left: operations B3312010, C5504010; parts olio, filtro aria,
    // pastiglie, lampada.
    salvaNuovo(QStringLiteral("Rumore ai freni in frenata"), [this](TFormGestioneInconveniente& e) {
        scegliVoce<TOperazione>(script, 0, QStringLiteral("Garanzia"), QStringLiteral("B331201"));
        click(e.ButtonAggiungiOperazione);
        scegliVoce<TRicambio>(script, 2, QStringLiteral("Garanzia"));
        click(e.ButtonAggiungiRicambio);
    });
    click(window.ButtonAggiungiInconveniente);
    salvaNuovo(QStringLiteral("Spia motore accesa"), [this](TFormGestioneInconveniente& e) {
        scegliVoce<TOperazione>(script, 0, QStringLiteral("Garanzia"), QStringLiteral("C550401"));
        click(e.ButtonAggiungiOperazione);
    });
    click(window.ButtonAggiungiInconveniente);
    ASSERT_EQ(window.ListBoxInconvenienti->count(), 3);

    clickItem(window.ListBoxInconvenienti, 1);
    script.onDialog<TFormGestioneInconveniente>([this](TFormGestioneInconveniente& e) {
        scegliVoce<TRicambio>(script, 2, QStringLiteral("Garanzia"));  // the lamp
        click(e.ButtonAggiungiRicambio);
        clickItem(e.ListBoxOperazioniInconveniente, 0);
        script.answer(true);  // the stored operation is deleted at once
        click(e.ButtonRimuoviOperazione);
        paste(e.EditNomeInconveniente, QStringLiteral("Rumore ai freni anteriori"));
        script.answer(true, kDomandaModificaInconveniente);
        click(e.ButtonConferma);
    });
    click(window.ButtonModificaInconveniente);
    clickItem(window.ListBoxInconvenienti, 2);
    script.answer(true, kDomandaRimuovi);
    click(window.ButtonRimuoviInconveniente);

    script.onDialog<TFormPrivacyCliente>([](TFormPrivacyCliente& dialog) {
        dialog.CheckBoxPrivacyMarketingFCA->click();
        dialog.CheckBoxPrivacyProfilingDealer->click();
        dialog.ButtonConferma->click();
    });
    click(window.ButtonPrivacyCliente);

    script.answer(true).answer(false);  // generate today's, do not send
    script.clear();
    click(window.ButtonGeneraXMLOdierno);
    EXPECT_EQ(script.texts().at(1), QStringLiteral("XML generato con successo!"));

    DbProbe db = database();
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Descrizione, CodiceACarico, TipoIntervento FROM "
                                     "Inconveniente ORDER BY IdInconveniente")),
              (QStringList{QStringLiteral("Tagliando 30.000 km|C|M"),
                           QStringLiteral("Rumore ai freni anteriori|C|M")}));
    const QStringList operazioni{
        QStringLiteral("Tagliando 30.000 km|96|A010101|Tagliando 30.000 km con olio e filtri|C"),
        QStringLiteral("Tagliando 30.000 km|12,5|A020101|Controllo livelli e pressione gomme|C")};
    EXPECT_EQ(db.rows(QStringLiteral(
                  "SELECT Inconveniente.Descrizione, Prezzo, CodiceOperazione, "
                  "Operazione.Descrizione, Operazione.CodiceACarico FROM Operazione JOIN "
                  "Inconveniente USING (IdInconveniente) ORDER BY IdOperazione")),
              operazioni)
        << "the removed complaint's operation went with it, the deleted one at once";
    const QStringList ricambi{
        QStringLiteral("Tagliando 30.000 km|55223416|Filtro olio motore originale|C"),
        QStringLiteral("Tagliando 30.000 km|9000123|Liquido lavavetri|C"),
        QStringLiteral("Rumore ai freni anteriori|77368212|SERIE PASTIGLIE FRENO ANTERIORI|G"),
        QStringLiteral("Rumore ai freni anteriori|46774203|LAMPADA H7 FANALE ANTERIORE SX|G")};
    EXPECT_EQ(db.rows(QStringLiteral(
                  "SELECT Inconveniente.Descrizione, CodiceRicambio, Ricambio.Descrizione, "
                  "Ricambio.CodiceACarico FROM Ricambio JOIN Inconveniente USING "
                  "(IdInconveniente) ORDER BY IdRicambio")),
              ricambi);
    EXPECT_EQ(db.rows(QStringLiteral(
                  "SELECT PrivacyMarketingFCA, Privacy3thFCA, PrivacyProfilingFCA, "
                  "PrivacyMarketingDealer, Privacy3thDealer, PrivacyProfilingDealer FROM Cliente")),
              QStringList{QStringLiteral("1|0|0|0|0|1")});
    const QString consenso =
        db.scalar(QStringLiteral("SELECT DataOraCessionePrivacy FROM Cliente"));
    ASSERT_FALSE(consenso.isEmpty());

    const QByteArray xml = readFile(folder.dmsFolder() + QStringLiteral("/KORVADEX.XML"));
    ASSERT_EQ(exportSchemaErrors(xml), QString());
    pugi::xml_document documento;
    ASSERT_TRUE(documento.load_buffer(xml.constData(), static_cast<size_t>(xml.size())));
    const pugi::xml_node commessa = documento.document_element().first_child();
    EXPECT_EQ(QString::fromUtf8(commessa.attribute("IDCOMMESSADMS").value()),
              window.EditIDCommessaDMS->text().rightJustified(9, u'0'));
    EXPECT_STREQ(commessa.first_element_by_path("dms:Vehicle").attribute("PLATE").value(),
                 "GE482LT");
    QStringList esportati;
    for (const pugi::xml_node inconveniente :
         commessa.child("dms:Inconveniences").children("dms:Inconvenience")) {
        const QString nome = QString::fromUtf8(inconveniente.attribute("DESCRIPTION").value());
        for (const pugi::xml_node operazione :
             inconveniente.child("dms:Operations").children("dms:Operation")) {
            esportati << nome + u'|' +
                             QString::fromUtf8(operazione.attribute("FIXEDPRICE").value()) + u'|' +
                             QString::fromUtf8(operazione.attribute("DESCRIPTION").value());
        }
        for (const pugi::xml_node parte : inconveniente.child("dms:Parts").children("dms:Part")) {
            esportati << nome + u'|' + QString::fromUtf8(parte.attribute("PARTCODE").value());
        }
    }
    EXPECT_EQ(esportati,
              (QStringList{QStringLiteral("Tagliando 30.000 km|96.000|Tagliando 30.000 km con olio "
                                          "e filtri"),
                           QStringLiteral("Tagliando 30.000 km|12.500|Controllo livelli e "
                                          "pressione gomme"),
                           QStringLiteral("Tagliando 30.000 km|55223416"),
                           QStringLiteral("Tagliando 30.000 km|9000123"),
                           QStringLiteral("Rumore ai freni anteriori|77368212"),
                           QStringLiteral("Rumore ai freni anteriori|46774203")}));
    QStringList privacy;
    for (const pugi::xml_node riga : commessa.child("dms:PrivacyUe").children("dms:Privacy")) {
        privacy << QString::fromUtf8(riga.attribute("Status").value());
        EXPECT_EQ(QString::fromUtf8(riga.attribute("PermDate").value()),
                  QString(consenso).replace(u' ', u'T'));
    }
    EXPECT_EQ(privacy, (QStringList{"G", "F", "F", "F", "F", "G"}));
}

}  // namespace
