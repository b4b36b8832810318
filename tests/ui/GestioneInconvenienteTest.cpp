// The complaint editor "Gestione Inconveniente" through its real controls, on a stored job
// order of a real database; the operation and part dialogs it opens are driven as a user
// drives them.

#include "InconvenienteFixture.h"
#include "ModalLoop.h"
#include "ui/WidgetInteraction.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QTest>

namespace {

const QString kLunghezza = QStringLiteral(
    "La lunghezza del campo \"Nome Inconveniente\" dev'essere compresa tra 0 e 50 caratteri.");
const QString kTipoMancante = QStringLiteral("È necessario selezionare il tipo di Inconveniente.");
const QString kCaricoMancante =
    QStringLiteral("È necessario selezionare a quale entità sarà in carico l'Inconveniente.");
const QString kAuto = QString::fromUtf8("\U0001F697");  // one character, two UTF-16 units

QStringList comboItems(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

// A stored job order whose complaint "Rumore ai freni" (charge code C, type M) has two
// operations and two parts; the job card offers one more of each.
class GestioneInconvenienteTest : public TavornoTest {
protected:
    void SetUp() override {
        TavornoTest::SetUp();
        memorizzaCommessa(QStringLiteral("004817"), false);
        database().exec(QStringLiteral(
            "INSERT INTO Operazione (Prezzo, CodiceOperazione, Descrizione, CodiceACarico, "
            "IdInconveniente) VALUES ('45,5', 'OP001', 'Pastiglie', 'C', 1), ('12', 'OP002', "
            "'Dischi', 'G', 1);"
            "INSERT INTO Ricambio (CodiceRicambio, Descrizione, CodiceACarico, IdInconveniente) "
            "VALUES ('71754321', 'Pastiglia', 'G', 1), ('55281', 'Disco', 'C', 1);"));
        scriviDocumento(testaNuovaScheda(), QStringLiteral("004817"));
        window = &avvia();
        window->ListaOperazioniDisponibili.Add(TOperazione::Create(
            -1, -1, QStringLiteral("96"), QString(), QStringLiteral("Tagliando"), QChar()));
        window->ListaRicambiDisponibili.Add(TRicambio::Create(
            -1, -1, QStringLiteral("55223416"), QStringLiteral("Filtro olio"), QChar()));
    }

    TInconveniente memorizzato() const { return window->ListaInconvenienti->Get(0).value(); }

    std::unique_ptr<TFormGestioneInconveniente> apri(bool modifica,
                                                     TInconveniente inconveniente = {}) {
        if (modifica && inconveniente.FIdInconveniente < 0) {
            inconveniente = memorizzato();
        }
        auto editor = std::make_unique<TFormGestioneInconveniente>(
            nullptr, window->complaints, window->CommessaSelezionata, modifica,
            window->dizionarioTipiIntervento(), window->dizionarioCodiciACarico(),
            window->ListaOperazioniDisponibili, window->ListaRicambiDisponibili, inconveniente);
        editor->show();
        return editor;
    }

    // Every complaint, operation and part row, to tell whether anything was written.
    QStringList righe() {
        return database().rows(QStringLiteral(
            "SELECT 'I', IdInconveniente, IdCommessa, Descrizione, CodiceACarico, TipoIntervento "
            "FROM Inconveniente UNION ALL SELECT 'O', IdOperazione, Prezzo, CodiceOperazione, "
            "Descrizione, CodiceACarico || IdInconveniente FROM Operazione UNION ALL SELECT 'R', "
            "IdRicambio, CodiceRicambio, Descrizione, CodiceACarico, IdInconveniente FROM "
            "Ricambio ORDER BY 1, 2"));
    }

    TFormTavorno* window = nullptr;
};

TEST_F(GestioneInconvenienteTest, OpensAsDescribed) {
    auto editor = apri(false);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Gestione Inconveniente"));
    EXPECT_EQ(editor->size(), QSize(605, 412));
    EXPECT_EQ(editor->minimumSize(), editor->maximumSize());
    const std::pair<const char*, QString> etichette[] = {
        {"Label1", QStringLiteral("Nome Inconveniente:")},
        {"Label3", QStringLiteral("Tipologia:")},
        {"Label2", QStringLiteral("Codice a Carico:")},
        {"LabelOperazioni", QStringLiteral("OPERAZIONI dell'Inconveniente")},
        {"LabelRicambi", QStringLiteral("RICAMBI dell'Inconveniente")}};
    for (const auto& [nome, testo] : etichette) {
        const auto* label = editor->findChild<QLabel*>(QString::fromLatin1(nome));
        ASSERT_NE(label, nullptr) << nome;
        EXPECT_EQ(label->text(), testo);
    }
    const std::pair<QPushButton*, QString> pulsanti[] = {
        {editor->ButtonRimuoviOperazione, QStringLiteral("Rimuovi")},
        {editor->ButtonModificaOperazione, QStringLiteral("Modifica...")},
        {editor->ButtonAggiungiOperazione, QStringLiteral("Aggiungi...")},
        {editor->ButtonRimuoviRicambio, QStringLiteral("Rimuovi")},
        {editor->ButtonModificaRicambio, QStringLiteral("Modifica...")},
        {editor->ButtonAggiungiRicambio, QStringLiteral("Aggiungi...")},
        {editor->ButtonChiudi, QStringLiteral("Chiudi")},
        {editor->ButtonConferma, QStringLiteral("Conferma")}};
    for (const auto& [pulsante, testo] : pulsanti) {
        EXPECT_EQ(pulsante->text(), testo) << pulsante->objectName().toStdString();
        EXPECT_TRUE(pulsante->isEnabled());
        EXPECT_FALSE(pulsante->autoDefault() || pulsante->isDefault());
    }
    const std::pair<QPushButton*, QString> frecce[] = {
        {editor->ButtonSpostaOperazioneSu, QStringLiteral("ButtonSpostaOperazioneSu")},
        {editor->ButtonSpostaOperazioneGiu, QStringLiteral("ButtonSpostaOperazioneGiù")},
        {editor->ButtonSpostaRicambioSu, QStringLiteral("ButtonSpostaRicambioSu")},
        {editor->ButtonSpostaRicambioGiu, QStringLiteral("ButtonSpostaRicambioGiù")}};
    for (const auto& [freccia, nome] : frecce) {
        EXPECT_EQ(freccia->objectName(), nome);
        EXPECT_FALSE(freccia->isEnabled()) << nome.toStdString();
        EXPECT_EQ(freccia->font().family(), QStringLiteral("Times New Roman"));
        EXPECT_EQ(freccia->font().pixelSize(), 20);
    }
    EXPECT_EQ(editor->ButtonSpostaOperazioneSu->text(), QStringLiteral("↑"));
    EXPECT_EQ(editor->ButtonSpostaRicambioGiu->text(), QStringLiteral("↓"));
    // The rules are one pixel wide; each half is at least 300 pixels high.
    for (const char* nome : {"PanelSeparatorTop", "PanelSeparatorCenter"}) {
        const auto* rule = editor->findChild<QFrame*>(QString::fromLatin1(nome));
        ASSERT_NE(rule, nullptr) << nome;
        EXPECT_EQ(rule->lineWidth(), 1);
    }
    for (const char* nome : {"PanelOperazioni", "PanelRicambi"}) {
        EXPECT_GE(editor->findChild<QWidget*>(QString::fromLatin1(nome))->height(), 300) << nome;
    }

    // The names of the reference tables, in the order of the maps; nothing chosen yet.
    EXPECT_EQ(comboItems(editor->ComboBoxTipoInconveniente), window->MapTipiIntervento.values());
    EXPECT_EQ(comboItems(editor->ComboBoxCodiceACaricoInconveniente),
              window->MapCodiciACarico.values());
    EXPECT_FALSE(editor->ComboBoxTipoInconveniente->hasChoice());
    EXPECT_FALSE(editor->ComboBoxCodiceACaricoInconveniente->hasChoice());
    EXPECT_TRUE(editor->EditNomeInconveniente->text().isEmpty());
    EXPECT_EQ(editor->ListBoxOperazioniInconveniente->count(), 0);
    EXPECT_FALSE(editor->InconvenienteValido());

    // Tab starts at the name and goes through the halves to the bottom buttons.
    QApplication::setActiveWindow(editor.get());
    editor->EditNomeInconveniente->setFocus();
    QStringList ordine{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ordine << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(ordine,
              (QStringList{"EditNomeInconveniente", "ComboBoxTipoInconveniente",
                           "ComboBoxCodiceACaricoInconveniente", "ListBoxOperazioniInconveniente",
                           "ButtonRimuoviOperazione", "ButtonModificaOperazione",
                           "ButtonAggiungiOperazione", "ListBoxRicambiInconveniente",
                           "ButtonRimuoviRicambio", "ButtonModificaRicambio",
                           "ButtonAggiungiRicambio", "ButtonChiudi", "ButtonConferma"}));
    editor->hide();
}

TEST_F(GestioneInconvenienteTest, ChangeModeOpensOnTheComplaint) {
    auto editor = apri(true);
    EXPECT_EQ(editor->EditNomeInconveniente->text(), QStringLiteral("Rumore ai freni"));
    EXPECT_EQ(editor->ComboBoxTipoInconveniente->currentText(), QStringLiteral("Meccanica"));
    EXPECT_EQ(editor->ComboBoxCodiceACaricoInconveniente->currentText(), QStringLiteral("Cliente"));
    EXPECT_EQ(itemTexts(editor->ListBoxOperazioniInconveniente),
              (QStringList{QStringLiteral("Pastiglie"), QStringLiteral("Dischi")}));
    EXPECT_EQ(itemTexts(editor->ListBoxRicambiInconveniente),
              (QStringList{QStringLiteral("Pastiglia"), QStringLiteral("Disco")}));
    editor->hide();

    // A code no pair of the map begins with leaves its box without a choice; an entry
    // without a description is still a line of its own.
    TInconveniente strano = memorizzato();
    strano.FTipoIntervento = u'Z';
    strano.FListaOperazioni->Add(
        TOperazione::Create(-1, -1, QStringLiteral("1"), QStringLiteral("X"), QString(), u'C'));
    editor = apri(true, strano);
    EXPECT_FALSE(editor->ComboBoxTipoInconveniente->hasChoice());
    EXPECT_EQ(editor->ComboBoxCodiceACaricoInconveniente->currentText(), QStringLiteral("Cliente"));
    ASSERT_EQ(editor->ListBoxOperazioniInconveniente->count(), 3);
    const QListWidget* lista = editor->ListBoxOperazioniInconveniente;
    EXPECT_EQ(lista->visualItemRect(lista->item(2)).height(),
              lista->visualItemRect(lista->item(0)).height());
    editor->hide();
}

struct CasoControllo {
    const char* caso;
    QString nome;
    bool tipo;
    bool carico;
    QString messaggio;  // empty: the checks pass
};

// The checks in their order; each failure keeps the window open as it was.
TEST_F(GestioneInconvenienteTest, ConfermaChecksNameTypeAndChargeCodeInThisOrder) {
    const CasoControllo casi[] = {
        {"an empty name", QString(), true, true, kLunghezza},
        {"51 characters", QString(51, u'a'), true, true, kLunghezza},
        {"51 characters, one outside the BMP", QString(50, u'a') + kAuto, true, true, kLunghezza},
        {"neither box: the type first", QString(50, u'a'), false, false, kTipoMancante},
        {"no charge code", QStringLiteral("Freni"), true, false, kCaricoMancante},
        {"50 characters, one outside the BMP", QString(49, u'a') + kAuto, true, true, QString()},
    };
    for (const CasoControllo& caso : casi) {
        SCOPED_TRACE(caso.caso);
        auto editor = apri(false);
        paste(editor->EditNomeInconveniente, caso.nome);
        if (caso.tipo) {
            choose(editor->ComboBoxTipoInconveniente, QStringLiteral("Carrozzeria"));
        }
        if (caso.carico) {
            choose(editor->ComboBoxCodiceACaricoInconveniente, QStringLiteral("Garanzia"));
        }
        script.clear();
        if (caso.messaggio.isEmpty()) {
            script.answer(false, kDomandaNuovoInconveniente);
        }
        click(editor->ButtonConferma);

        const Shown atteso =
            caso.messaggio.isEmpty()
                ? Shown{QStringLiteral("confirm"), QStringLiteral("Domanda:"),
                        kDomandaNuovoInconveniente}
                : Shown{QStringLiteral("message"), QStringLiteral("Errore"), caso.messaggio};
        EXPECT_EQ(script.shown(), std::vector<Shown>{atteso});
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(editor->InconvenienteValido(), caso.messaggio.isEmpty());
        EXPECT_EQ(editor->EditNomeInconveniente->text(), caso.nome);
        editor->hide();
    }
}

// A name whose row left the reference table after the program read it has no code: nothing
// is asked or saved.
TEST_F(GestioneInconvenienteTest, ANameNoLongerInTheReferenceTableIsNotSaved) {
    database().exec(QStringLiteral("DELETE FROM TipoIntervento WHERE IdTipoIntervento = 'C'"));
    const QStringList prima = righe();
    auto editor = apri(false);
    compila(*editor, QStringLiteral("Graffio sulla portiera"), QStringLiteral("Carrozzeria"),
            QStringLiteral("Cliente"));
    const QString rifiuto = QStringLiteral(
        "La tipologia \"Carrozzeria\" non è presente nel database: inconveniente non salvato.");
    script.expectError(rifiuto);
    click(editor->ButtonConferma);
    EXPECT_EQ(script.texts(), std::vector<QString>{rifiuto});
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(editor->HasConfirmedSave());
    EXPECT_EQ(righe(), prima);
    editor->hide();
}

// A complaint with a picked, a new and a changed operation and part, and names with every
// awkward character, is stored whole by one Conferma.
TEST_F(GestioneInconvenienteTest, ANewComplaintIsStoredWithItsOperationsAndParts) {
    const QString nome = QStringLiteral("L'auto \"tira\" a destra \\ ") + kAuto;
    const QString nuova = QStringLiteral("Convergenza dell'\"asse\" \\ ant.");
    const QString ricambioNuovo = QStringLiteral("Tubo \\ \"freno\" d'acciaio ") + kAuto;
    auto editor = apri(false);
    scegliVoce<TOperazione>(script, 0, QStringLiteral("Garanzia"), QStringLiteral("A0101"));
    click(editor->ButtonAggiungiOperazione);
    nuovaVoce<TOperazione>(script, nuova, QStringLiteral("B3312"), QStringLiteral("Cliente"),
                           QStringLiteral("45.5"));
    click(editor->ButtonAggiungiOperazione);
    clickItem(editor->ListBoxOperazioniInconveniente, 0);
    cambiaNome<TOperazione>(script, QStringLiteral("Tagliando 30.000 km"));
    click(editor->ButtonModificaOperazione);
    scegliVoce<TRicambio>(script, 0, QStringLiteral("Interno"));
    click(editor->ButtonAggiungiRicambio);
    nuovaVoce<TRicambio>(script, ricambioNuovo, QStringLiteral("77368212"),
                         QStringLiteral("Cliente"));
    click(editor->ButtonAggiungiRicambio);
    clickItem(editor->ListBoxRicambiInconveniente, 0);
    cambiaNome<TRicambio>(script, QStringLiteral("Filtro olio motore"));
    click(editor->ButtonModificaRicambio);
    EXPECT_EQ(itemTexts(editor->ListBoxOperazioniInconveniente),
              (QStringList{QStringLiteral("Tagliando 30.000 km"), nuova}));
    EXPECT_EQ(itemTexts(editor->ListBoxRicambiInconveniente),
              (QStringList{QStringLiteral("Filtro olio motore"), ricambioNuovo}));
    EXPECT_EQ(window->ListaOperazioniDisponibili.Count(), 0);
    EXPECT_EQ(window->ListaRicambiDisponibili.Count(), 0);

    compila(*editor, nome, QStringLiteral("Carrozzeria"), QStringLiteral("Garanzia"));
    script.clear();
    script.answer(true, kDomandaNuovoInconveniente);
    click(editor->ButtonConferma);

    EXPECT_EQ(script.texts(), std::vector<QString>{kDomandaNuovoInconveniente})
        << "no close question after a confirmed save";
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(editor->InconvenienteValido());
    EXPECT_TRUE(editor->HasConfirmedSave());
    DbProbe db = database();
    const QString id = db.scalar(QStringLiteral("SELECT MAX(IdInconveniente) FROM Inconveniente"));
    EXPECT_EQ(QString::number(editor->Inconveniente().FIdInconveniente), id);
    EXPECT_EQ(db.rows(QStringLiteral("SELECT IdCommessa, Descrizione, CodiceACarico, "
                                     "TipoIntervento FROM Inconveniente WHERE IdInconveniente = ") +
                      id),
              QStringList{window->CommessaSelezionata.FIDCommessaDMS + u'|' + nome +
                          QStringLiteral("|G|C")});
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Prezzo, CodiceOperazione, Descrizione, CodiceACarico "
                                     "FROM Operazione WHERE IdInconveniente = %1 ORDER BY "
                                     "IdOperazione")
                          .arg(id)),
              (QStringList{QStringLiteral("96|A0101|Tagliando 30.000 km|G"),
                           QStringLiteral("45,5|B3312|") + nuova + QStringLiteral("|C")}));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT CodiceRicambio, Descrizione, CodiceACarico FROM "
                                     "Ricambio WHERE IdInconveniente = %1 ORDER BY IdRicambio")
                          .arg(id)),
              (QStringList{QStringLiteral("55223416|Filtro olio motore|I"),
                           QStringLiteral("77368212|") + ricambioNuovo + QStringLiteral("|C")}));
}

struct CasoModo {
    bool modifica;
    QString domanda;
    QString uscita;
};
const CasoModo kModi[] = {{false, kDomandaNuovoInconveniente, kUscitaNuovo},
                          {true, kDomandaModificaInconveniente, kUscitaModifica}};

// No to the save question keeps the window open with what it holds; closing it then asks
// the close question of its mode, however it is closed.
TEST_F(GestioneInconvenienteTest, NoToTheSaveQuestionThenTheCloseQuestionOfTheMode) {
    const QStringList prima = righe();
    for (const CasoModo& modo : kModi) {
        SCOPED_TRACE(modo.modifica ? "change" : "new");
        auto editor = apri(modo.modifica);
        compila(*editor, QStringLiteral("Freni e dischi"), QStringLiteral("Meccanica"),
                QStringLiteral("Interno"));
        script.answer(false, modo.domanda);
        click(editor->ButtonConferma);
        EXPECT_TRUE(editor->isVisible());
        EXPECT_TRUE(editor->InconvenienteValido());
        EXPECT_FALSE(editor->HasConfirmedSave());
        EXPECT_EQ(editor->Inconveniente().FDescrizione, QStringLiteral("Freni e dischi"));
        EXPECT_EQ(editor->Inconveniente().FIdInconveniente, modo.modifica ? 1 : -1);

        script.clear();
        script.answer(false, modo.uscita);
        click(editor->ButtonChiudi);
        EXPECT_TRUE(editor->isVisible());
        script.answer(true, modo.uscita);
        editor->close();
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(script.texts(), (std::vector<QString>{modo.uscita, modo.uscita}));
        EXPECT_TRUE(editor->InconvenienteValido());
    }
    EXPECT_EQ(righe(), prima);
}

// A save that fails half-way leaves the database as it was before Conferma; the window
// then asks the close question, and a later Conferma stores the complaint once.
TEST_F(GestioneInconvenienteTest, AFailedSaveWritesNothingAndAsksTheCloseQuestion) {
    for (const CasoModo& modo : kModi) {
        SCOPED_TRACE(modo.modifica ? "change" : "new");
        auto editor = apri(modo.modifica);
        scegliVoce<TRicambio>(script, 0, QStringLiteral("Cliente"));
        click(editor->ButtonAggiungiRicambio);
        compila(*editor, QStringLiteral("Freni e dischi"), QStringLiteral("Meccanica"),
                QStringLiteral("Interno"));
        const QStringList prima = righe();
        database().exec(
            QStringLiteral("CREATE TRIGGER guasto BEFORE INSERT ON Ricambio BEGIN "
                           "SELECT RAISE(ABORT, 'disco pieno'); END;"));
        script.clear();
        script.answer(true, modo.domanda)
            .expectError(QStringLiteral("disco pieno"))
            .answer(false, modo.uscita);
        click(editor->ButtonConferma);

        EXPECT_EQ(script.texts(),
                  (std::vector<QString>{modo.domanda, QStringLiteral("disco pieno"), modo.uscita}));
        EXPECT_TRUE(editor->isVisible());
        EXPECT_FALSE(editor->HasConfirmedSave());
        EXPECT_TRUE(editor->InconvenienteValido());
        EXPECT_EQ(editor->Inconveniente().FIdInconveniente, modo.modifica ? 1 : -1);
        EXPECT_EQ(righe(), prima);

        database().exec(QStringLiteral("DROP TRIGGER guasto;"));
        script.answer(true, modo.domanda);
        click(editor->ButtonConferma);
        EXPECT_FALSE(editor->isVisible());
        const QString id = QString::number(editor->Inconveniente().FIdInconveniente);
        EXPECT_EQ(database().rows(QStringLiteral("SELECT Descrizione FROM Inconveniente WHERE "
                                                 "IdInconveniente = ") +
                                  id),
                  QStringList{QStringLiteral("Freni e dischi")});
        EXPECT_EQ(
            database().rows(
                QStringLiteral("SELECT CodiceRicambio FROM Ricambio WHERE IdInconveniente = %1 AND "
                               "Descrizione = 'Filtro olio'")
                    .arg(id)),
            QStringList{QStringLiteral("55223416")});
        window->ListaRicambiDisponibili.Add(TRicambio::Create(
            -1, -1, QStringLiteral("55223416"), QStringLiteral("Filtro olio"), QChar()));
    }
}

// In the change mode the window works on the caller's lists: what it adds is there after a
// close without saving, still without a row.
TEST_F(GestioneInconvenienteTest, ChangeModeEditsTheCallersListsInPlace) {
    const TInconveniente copiaDelChiamante = memorizzato();
    const QStringList prima = righe();
    auto editor = apri(true, copiaDelChiamante);
    scegliVoce<TOperazione>(script, 0, QStringLiteral("Cliente"), QStringLiteral("A0101"));
    click(editor->ButtonAggiungiOperazione);
    scegliVoce<TRicambio>(script, 0, QStringLiteral("Cliente"));
    click(editor->ButtonAggiungiRicambio);
    script.answer(true, kUscitaModifica);
    click(editor->ButtonChiudi);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(editor->InconvenienteValido());

    ASSERT_EQ(copiaDelChiamante.FListaOperazioni->Count(), 3);
    EXPECT_EQ(copiaDelChiamante.FListaOperazioni->Get(2)->Fdescrizione,
              QStringLiteral("Tagliando"));
    EXPECT_EQ(copiaDelChiamante.FListaOperazioni->Get(2)->FIdOperazione, -1);
    EXPECT_EQ(memorizzato().FListaRicambi->Count(), 3) << "the window's own copy shares them";
    EXPECT_EQ(righe(), prima);
}

// The same for operations and parts.
template <typename Record>
class VociInconvenienteTest : public GestioneInconvenienteTest {};
TYPED_TEST_SUITE(VociInconvenienteTest, EntryKinds, EntryKindNames);

// Without a selection each button says so; an entry with no row goes back to the offered
// entries and is offered again; a stored one is deleted at once after the question, for
// good, and is not offered again.
TYPED_TEST(VociInconvenienteTest, RemovingAnEntry) {
    using L = Lato<TypeParam>;
    const ForKinds<std::pair<Shown, Shown>> senzaScelta{
        {{QStringLiteral("message"), QStringLiteral("Info"),
          QStringLiteral("Devi selezionare un'Operazione da eliminare.")},
         {QStringLiteral("message"), QStringLiteral("Info"),
          QStringLiteral("Devi selezionare un'Operazione da modificare.")}},
        {{QStringLiteral("message"), QStringLiteral("Errore"),
          QStringLiteral("Devi selezionare un Ricambio da eliminare.")},
         {QStringLiteral("message"), QStringLiteral("Info"),
          QStringLiteral("Devi selezionare un Ricambio da modificare.")}}};
    const ForKinds<QString> domanda{
        QStringLiteral("Quest'Operazione verrà eliminata dal Database e non sarà possibile "
                       "recuperarla.\r\nVuoi continuare?"),
        QStringLiteral("Questo Ricambio verrà eliminato dal Database e non sarà possibile "
                       "recuperarlo.\r\nVuoi continuare?")};
    const EntryKind kind = entryKindOf<TypeParam>;
    const QString conta = QStringLiteral("SELECT count(*) FROM ") + L::tabella();
    auto& offerti = L::disponibili(*this->window);
    const QString offerto = entryOf(offerti.Get(0).value()).description;
    auto editor = this->apri(true);
    QListWidget* lista = L::lista(*editor);

    click(L::rimuovi(*editor));
    click(L::modifica(*editor));
    EXPECT_EQ(this->script.shown(),
              (std::vector<Shown>{senzaScelta(kind).first, senzaScelta(kind).second}));

    scegliVoce<TypeParam>(this->script, 0, QStringLiteral("Cliente"), QStringLiteral("A0101"));
    click(L::aggiungi(*editor));
    ASSERT_EQ(lista->count(), 3);
    EXPECT_EQ(offerti.Count(), 0);
    clickItem(lista, 2);
    this->script.clear();
    click(L::rimuovi(*editor));
    EXPECT_TRUE(this->script.shown().empty()) << "no question for an entry without a row";
    EXPECT_EQ(itemTexts(lista).size(), 2);
    EXPECT_TRUE(lista->selectedItems().isEmpty());
    ASSERT_EQ(offerti.Count(), 1);
    this->script.template onDialog<typename L::Pick>([&](PickDialog& dialog) {
        EXPECT_EQ(itemTexts(dialog.offeredList), QStringList{offerto});
        click(dialog.cancelButton);
    });
    click(L::aggiungi(*editor));
    EXPECT_EQ(lista->count(), 2);

    clickItem(lista, 0);
    this->script.answer(false, domanda(kind));
    click(L::rimuovi(*editor));
    EXPECT_EQ(lista->count(), 2);
    EXPECT_EQ(this->database().scalar(conta), QStringLiteral("2"));
    this->script.answer(true, domanda(kind));
    click(L::rimuovi(*editor));
    EXPECT_EQ(this->database().scalar(conta), QStringLiteral("1"));
    EXPECT_EQ(lista->count(), 1);
    EXPECT_EQ(offerti.Count(), 1) << "a deleted entry is not offered again";
    EXPECT_EQ(L::scelte(this->memorizzato())->Count(), 1);

    // The deletion stands although the complaint is not saved.
    this->script.answer(true, kUscitaModifica);
    click(editor->ButtonChiudi);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(this->database().scalar(conta), QStringLiteral("1"));
}

// The changed entry takes the place of the selected one, also when it was selected with the
// keys, under the same id; after a change of an operation each operation's description
// follows in a message box of its own, in list order.
TYPED_TEST(VociInconvenienteTest, ChangingAnEntryKeepsItsPlaceAndItsId) {
    using L = Lato<TypeParam>;
    auto editor = this->apri(true);
    QListWidget* lista = L::lista(*editor);
    scegliVoce<TypeParam>(this->script, 0, QStringLiteral("Cliente"), QStringLiteral("A0101"));
    click(L::aggiungi(*editor));
    const QStringList descrizioni = itemTexts(lista);
    ASSERT_EQ(descrizioni.size(), 3);
    const int idMemorizzato = entryOf(L::scelte(this->memorizzato())->Get(1).value()).id;

    clickItem(lista, 0);
    QTest::keyClick(lista, Qt::Key_Down);
    this->script.clear();
    cambiaNome<TypeParam>(this->script, QStringLiteral("Dischi ventilati"));
    click(L::modifica(*editor));
    const QStringList dopo{descrizioni[0], QStringLiteral("Dischi ventilati"), descrizioni[2]};
    EXPECT_EQ(itemTexts(lista), dopo);
    EXPECT_TRUE(lista->selectedItems().isEmpty());
    std::vector<QString> attesi{QString::fromLatin1(L::Change::staticMetaObject.className()),
                                kDomandaModificaVoce};
    if (L::operazione) {
        attesi.insert(attesi.end(), dopo.begin(), dopo.end());
    }
    EXPECT_EQ(this->script.texts(), attesi);
    const auto scelte = L::scelte(this->memorizzato());
    EXPECT_EQ(entryOf(scelte->Get(1).value()).id, idMemorizzato);

    clickItem(lista, 2);
    cambiaNome<TypeParam>(this->script, QStringLiteral("Nuova voce"));
    click(L::modifica(*editor));
    EXPECT_EQ(entryOf(scelte->Get(2).value()).id, -1) << "an entry without a row stays new";

    this->script.clear();
    this->script.answer(true, kDomandaModificaInconveniente);
    click(editor->ButtonConferma);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(this->database().rows(QStringLiteral("SELECT Descrizione FROM ") + L::tabella() +
                                    QStringLiteral(" ORDER BY rowid")),
              (QStringList{descrizioni[0], QStringLiteral("Dischi ventilati"),
                           QStringLiteral("Nuova voce")}))
        << "updated in place, the new one inserted once";
}

// The editor and the dialogs it opens in Qt's own modal loops, as the running program
// shows them: from "Aggiungi Inconveniente..." to the new line of the main window.
TEST_F(GestioneInconvenienteTest, AddingAComplaintInTheRealModalLoops) {
    WidgetInteraction real;
    InteractionScope scope(real);
    ModalLoop loop;
    window->show();
    loop.then<TFormGestioneInconveniente>([](TFormGestioneInconveniente& editor) {
            compila(editor, QStringLiteral("Spia motore"), QStringLiteral("Elettrico/Elettronico"),
                    QStringLiteral("Garanzia"));
            click(editor.ButtonAggiungiOperazione);
        })
        .then<TFormAggiungiOperazione>([](TFormAggiungiOperazione& dialog) {
            clickItem(dialog.offeredList, 0);
            choose(dialog.fields.chargeCode, QStringLiteral("Garanzia"));
            typeOver(dialog.fields.code, QStringLiteral("C5504"));
            click(dialog.selectButton);
        })
        .then<TFormGestioneInconveniente>([](TFormGestioneInconveniente& editor) {
            EXPECT_EQ(itemTexts(editor.ListBoxOperazioniInconveniente),
                      QStringList{QStringLiteral("Tagliando")});
            click(editor.ButtonConferma);
        })
        .then<QMessageBox>([](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), QStringLiteral("Domanda:"));
            EXPECT_EQ(box.text(), QStringLiteral("Vuoi davvero aggiungere questo Inconveniente?"));
            box.button(QMessageBox::Yes)->click();
        });
    loop.run([&] { click(window->ButtonAggiungiInconveniente); });

    EXPECT_TRUE(loop.finished());
    EXPECT_EQ(itemTexts(window->ListBoxInconvenienti),
              (QStringList{QStringLiteral("Rumore ai freni"), QStringLiteral("Spia motore")}));
    EXPECT_EQ(database().rows(QStringLiteral(
                  "SELECT Operazione.CodiceOperazione FROM Operazione JOIN Inconveniente USING "
                  "(IdInconveniente) WHERE Inconveniente.Descrizione = 'Spia motore'")),
              QStringList{QStringLiteral("C5504")});
    window->hide();
}

}  // namespace
