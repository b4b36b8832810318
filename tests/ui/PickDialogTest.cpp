// The pick dialogs "Aggiungi Operazione" and "Aggiungi Ricambio", through their real
// controls: each test runs for operations and for parts.

#include "EntryDialogFixture.h"
#include "ModalLoop.h"
#include "ui/WidgetInteraction.h"

#include <QLabel>
#include <QMessageBox>
#include <QTest>

namespace {

// What the two pick dialogs show and say, the operation's beside the part's.
const ForKinds<QString> kCaption{QStringLiteral("Aggiungi Operazione"),
                                 QStringLiteral("Aggiungi Ricambio")};
const ForKinds<QStringList> kTabOrder{
    {QStringLiteral("ListBoxListaOperazioniDisponibili"),
     QStringLiteral("EditNomeOperazioneSelezionata"), QStringLiteral("EditPrezzoOperazione"),
     QStringLiteral("EditCodiceOperazione"), QStringLiteral("ComboBoxCodiceACaricoOperazione"),
     QStringLiteral("ButtonPassaOperazioneARicambio"), QStringLiteral("ButtonAnnulla"),
     QStringLiteral("ButtonNuovaOperazione"), QStringLiteral("ButtonSelezionaOperazione")},
    {QStringLiteral("ListBoxListaRicambiDisponibili"),
     QStringLiteral("EditNomeRicambioSelezionato"), QStringLiteral("EditCodiceRicambio"),
     QStringLiteral("ComboBoxCodiceACaricoRicambio"),
     QStringLiteral("ButtonPassaRicambioAOperazione"), QStringLiteral("ButtonAnnulla"),
     QStringLiteral("ButtonNuovoRicambio"), QStringLiteral("ButtonSelezionaRicambio")}};
// Label name and text; all disabled at opening.
const ForKinds<QList<std::pair<QString, QString>>> kLabels{
    {{QStringLiteral("Label2"), QStringLiteral("Prezzo:")},
     {QStringLiteral("Label3"), QStringLiteral("€")},
     {QStringLiteral("Label1"), QStringLiteral("Cod. Operazione:")},
     {QStringLiteral("Label4"), QStringLiteral("A carico di:")}},
    {{QStringLiteral("Label2"), QStringLiteral("Cod. Ricambio:")},
     {QStringLiteral("Label4"), QStringLiteral("A carico di:")}}};
const ForKinds<QStringList> kButtonCaptions{
    {QStringLiteral("Sposta Operazione nei Ricambi"), QStringLiteral("Annulla"),
     QStringLiteral("Aggiungi Nuova Operazione..."), QStringLiteral("Seleziona")},
    {QStringLiteral("Sposta Ricambio nelle Operazioni"), QStringLiteral("Annulla"),
     QStringLiteral("Aggiungi Nuovo Ricambio..."), QStringLiteral("Seleziona")}};
const ForKinds<int> kNameLimit{1024, 200};
const ForKinds<int> kCodeLimit{7, 15};
const ForKinds<QString> kSelezionaSenzaScelta{
    QStringLiteral("Devi selezionare un'operazione da aggiungere."),
    QStringLiteral("Devi selezionare un ricambio da aggiungere.")};
const ForKinds<QString> kSpostaSenzaScelta{
    QStringLiteral("Devi selezionare un'Operazione da spostare."),
    QStringLiteral("Devi selezionare un Ricambio da spostare.")};
const ForKinds<QString> kDomandaSposta{
    QStringLiteral("Vuoi davvero spostare l'Operazione \"%1\" nella lista dei Ricambi?"),
    QStringLiteral("Vuoi davvero spostare il Ricambio \"%1\" nella lista delle Operazioni?")};

template <typename Record>
class PickDialogTest : public EntryDialogTest<Record> {
protected:
    using Base = EntryDialogTest<Record>;

    // What the detail fields show: name, price (operations), code, charge code name.
    static QStringList fields(const PickDialog& dialog) {
        return {dialog.fields.name->text(),
                dialog.fields.price ? dialog.fields.price->text() : QStringLiteral("-"),
                dialog.fields.code->text(), dialog.fields.chargeCode->currentText()};
    }
    static QString priceOf(const QString& price) {
        return Base::operation ? price : QStringLiteral("-");
    }
};
TYPED_TEST_SUITE(PickDialogTest, EntryKinds, EntryKindNames);

TYPED_TEST(PickDialogTest, OpensOnTheOfferedEntriesWithTheDetailsDisabled) {
    const QString tricky = QStringLiteral("L'\"olio\" \\ 5W-30 ") + QString::fromUtf8("\U0001F6E2");
    this->offer({voce<TypeParam>(QStringLiteral("Tagliando")), voce<TypeParam>(QString()),
                 voce<TypeParam>(tricky)});
    auto dialog = this->openPick();

    EXPECT_EQ(dialog->windowTitle(), kCaption(this->kind));
    EXPECT_EQ(dialog->size(), QSize(595, 287));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_EQ(itemTexts(dialog->offeredList),
              (QStringList{QStringLiteral("Tagliando"), QString(), tricky}));
    EXPECT_EQ(this->scelta(*dialog).id, -1);
    EXPECT_FALSE(dialog->fields.chargeCode->hasChoice());
    EXPECT_EQ(dialog->fields.chargeCode->count(), 3);
    for (const auto& [name, text] : kLabels(this->kind)) {
        const auto* label = dialog->template findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name.toStdString();
        EXPECT_EQ(label->text(), text);
        EXPECT_FALSE(label->isEnabled()) << name.toStdString();
    }
    QStringList captions;
    for (const QPushButton* button :
         {dialog->moveButton, dialog->cancelButton, dialog->newButton, dialog->selectButton}) {
        captions << button->text();
        EXPECT_FALSE(button->isDefault() || button->autoDefault());
    }
    EXPECT_EQ(captions, kButtonCaptions(this->kind));
    const std::pair<QWidget*, bool> enabled[] = {
        {dialog->offeredList, true},  {dialog->fields.name, false},
        {dialog->fields.code, false}, {dialog->fields.chargeCode, false},
        {dialog->moveButton, false},  {dialog->cancelButton, true},
        {dialog->newButton, true},    {dialog->selectButton, false}};
    for (const auto& [control, yes] : enabled) {
        EXPECT_EQ(control->isEnabled(), yes) << control->objectName().toStdString();
    }
    EXPECT_EQ(dialog->fields.price != nullptr, this->operation);
    if (dialog->fields.price != nullptr) {
        EXPECT_FALSE(dialog->fields.price->isEnabled());
    }
    EXPECT_TRUE(dialog->fields.name->font().bold());
    EXPECT_TRUE(this->script.shown().empty());
}

TYPED_TEST(PickDialogTest, TabGoesThroughTheControlsInOrderAndEachFieldTakesItsLimit) {
    this->offer({voce<TypeParam>(QStringLiteral("Tagliando"))});
    auto dialog = this->openPick();
    QApplication::setActiveWindow(dialog.get());
    clickItem(dialog->offeredList, 0);

    dialog->offeredList->setFocus();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < kTabOrder(this->kind).size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order, kTabOrder(this->kind));

    // Limits count characters: one outside the Basic Multilingual Plane is one, never cut.
    const QString clef = QString::fromUtf8("\U0001D11E");
    std::vector<std::pair<QLineEdit*, int>> limits{{dialog->fields.name, kNameLimit(this->kind)},
                                                   {dialog->fields.code, kCodeLimit(this->kind)}};
    if (dialog->fields.price != nullptr) {
        limits.emplace_back(dialog->fields.price, 9);
    }
    for (const auto& [field, limit] : limits) {
        paste(field, QStringLiteral("a") + clef.repeated(limit + 500));
        EXPECT_EQ(field->text(), QStringLiteral("a") + clef.repeated(limit - 1))
            << field->objectName().toStdString();
        paste(field, QString(limit + 500, u'x'));
        EXPECT_EQ(field->text(), QString(limit, u'x')) << field->objectName().toStdString();
    }
}

TYPED_TEST(PickDialogTest, SelectingFillsTheDetailsAndTheSameEntryKeepsWhatWasTyped) {
    this->offer({voce<TypeParam>(QStringLiteral("Freni"), QStringLiteral("B33"), u'C',
                                 QStringLiteral("40,5")),
                 voce<TypeParam>(QStringLiteral("Spia motore"))});
    auto dialog = this->openPick();

    clickItem(dialog->offeredList, 0);
    EXPECT_EQ(this->fields(*dialog),
              (QStringList{QStringLiteral("Freni"), this->priceOf(QStringLiteral("40,5")),
                           QStringLiteral("B33"), QStringLiteral("Cliente")}));
    EXPECT_TRUE(dialog->selectButton->isEnabled());
    EXPECT_TRUE(dialog->moveButton->isEnabled());

    // What the user typed stays when the same entry is clicked again.
    if (dialog->fields.price != nullptr) {
        typeOver(dialog->fields.price, QStringLiteral("99"));
    }
    typeOver(dialog->fields.code, QStringLiteral("TYPED"));
    choose(dialog->fields.chargeCode, QStringLiteral("Interno"));
    clickItem(dialog->offeredList, 0);
    EXPECT_EQ(this->fields(*dialog),
              (QStringList{QStringLiteral("Freni"), this->priceOf(QStringLiteral("99")),
                           QStringLiteral("TYPED"), QStringLiteral("Interno")}));

    // Another entry replaces them all, and one without charge code clears the charge box.
    clickItem(dialog->offeredList, 1);
    EXPECT_EQ(this->fields(*dialog),
              (QStringList{QStringLiteral("Spia motore"), this->priceOf(QStringLiteral("0")),
                           QString(), QString()}));
    EXPECT_FALSE(dialog->fields.chargeCode->hasChoice());

    // The keys select too.
    QTest::keyClick(dialog->offeredList, Qt::Key_Up);
    EXPECT_EQ(dialog->fields.name->text(), QStringLiteral("Freni"));
    EXPECT_TRUE(this->script.shown().empty());
}

TYPED_TEST(PickDialogTest, AnEmptyNameIsALineTheUserCanPick) {
    this->offer({voce<TypeParam>(QString(), QStringLiteral("X1"), u'G'),
                 voce<TypeParam>(QStringLiteral("Freni"))});
    auto dialog = this->openPick();
    ASSERT_EQ(dialog->offeredList->count(), 2);
    EXPECT_EQ(dialog->offeredList->visualItemRect(dialog->offeredList->item(0)).height(),
              dialog->offeredList->visualItemRect(dialog->offeredList->item(1)).height())
        << "as tall as a line with a name";

    // Its text is the empty name field's: nothing changes.
    clickItem(dialog->offeredList, 0);
    EXPECT_FALSE(dialog->fields.code->isEnabled());
    EXPECT_TRUE(dialog->fields.code->text().isEmpty());

    clickItem(dialog->offeredList, 1);
    clickItem(dialog->offeredList, 0);
    EXPECT_EQ(this->fields(*dialog),
              (QStringList{QString(), this->priceOf(QStringLiteral("0")), QStringLiteral("X1"),
                           QStringLiteral("Garanzia")}));
    click(dialog->selectButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(this->scelta(*dialog).id, 0);
    EXPECT_EQ(this->scelta(*dialog).record.FIdInconveniente, -1);
}

TYPED_TEST(PickDialogTest, TheLastEqualDescriptionFillsButSelezionaReplacesTheSelectedPosition) {
    this->offer({voce<TypeParam>(QStringLiteral("Filtro"), QStringLiteral("F1"), u'C',
                                 QStringLiteral("10")),
                 voce<TypeParam>(QStringLiteral("Olio")),
                 voce<TypeParam>(QStringLiteral("Filtro"), QStringLiteral("F2"), u'I',
                                 QStringLiteral("20"))});
    const TypeParam last = this->offered.Get(2).value();
    auto dialog = this->openPick();

    clickItem(dialog->offeredList, 0);
    EXPECT_EQ(this->fields(*dialog),
              (QStringList{QStringLiteral("Filtro"), this->priceOf(QStringLiteral("20")),
                           QStringLiteral("F2"), QStringLiteral("Interno")}));
    click(dialog->selectButton);

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(this->scelta(*dialog).id, 0);
    const TypeParam picked = this->scelta(*dialog).record;
    EXPECT_EQ(picked, voce<TypeParam>(QStringLiteral("Filtro"), QStringLiteral("F2"), u'I',
                                      QStringLiteral("20")));
    EXPECT_EQ(this->offered.Count(), 3);
    EXPECT_EQ(this->offered.Get(0).value(), picked);
    EXPECT_EQ(this->offered.Get(2).value(), last);
    EXPECT_EQ(this->asked, QStringList{QStringLiteral("Interno")});
}

TYPED_TEST(PickDialogTest, SelezionaChecksInItsOrderAndHandsBackWhatWasTyped) {
    this->offer({voce<TypeParam>(QStringLiteral("Olio"), QStringLiteral("S1"))});
    auto dialog = this->openPick();
    // Seleziona is enabled, with nothing selected, once a new entry has been made.
    using New = typename TestFixture::New;
    this->script.template onDialog<New>([&](New& nuovo) {
        this->fillValid(nuovo);
        click(nuovo.confirmButton);
    });
    click(dialog->newButton);
    const std::vector<QString> messages =
        this->refusalsUntilAccepted(*dialog, dialog->selectButton, [&](const QString& message) {
            if (message == kSelezionaSenzaScelta(this->kind)) {
                // Selected, then everything the window checks emptied.
                clickItem(dialog->offeredList, 0);
                if (dialog->fields.price != nullptr) {
                    typeOver(dialog->fields.price, QString());
                }
                typeOver(dialog->fields.code, QString());
            } else if (message == kCaricoObbligatorio) {
                choose(dialog->fields.chargeCode, QStringLiteral("Garanzia"));
            } else if (message == kPrezzoNonValido) {
                typeOver(dialog->fields.price, QStringLiteral("12.5"));
            } else if (message == kCodiceObbligatorio(this->kind)) {
                typeOver(dialog->fields.code, QStringLiteral("A0101"));
            }
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(this->scelta(*dialog).id, -1);
        });

    const ForKinds<std::vector<QString>> order{
        {kSelezionaSenzaScelta.operation, kCaricoObbligatorio, kPrezzoNonValido,
         kCodiceObbligatorio.operation},
        {kSelezionaSenzaScelta.part, kCaricoObbligatorio, kCodiceObbligatorio.part}};
    EXPECT_EQ(messages, order(this->kind));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(this->scelta(*dialog).id, 0);
    EXPECT_EQ(this->offered.Count(), 2);
    // The price reaches the complaint with a comma.
    EXPECT_EQ(this->scelta(*dialog).record,
              voce<TypeParam>(QStringLiteral("Olio"), QStringLiteral("A0101"), u'G',
                              QStringLiteral("12,5")));
}

TYPED_TEST(PickDialogTest, NamesComeBackAsTypedAndEveryRefusalKeepsTheFields) {
    const QString names[] = {QStringLiteral("Sostituzione dell'olio"),
                             QStringLiteral("Kit \"distribuzione\""),
                             QStringLiteral("C:\\percorso\\ricambio"),
                             QString::fromUtf8("Spia \U0001F6A8 accesa"), QString()};
    for (const QString& name : names) {
        this->offered.Add(voce<TypeParam>(QStringLiteral("Olio")));
        auto dialog = this->openPick();
        clickItem(dialog->offeredList, dialog->offeredList->count() - 1);
        paste(dialog->fields.name, name);
        typeOver(dialog->fields.code, QString());
        choose(dialog->fields.chargeCode, QStringLiteral("Cliente"));
        const QStringList typed = this->fields(*dialog);
        this->script.clear();
        click(dialog->selectButton);
        EXPECT_EQ(this->script.texts(), std::vector<QString>{kCodiceObbligatorio(this->kind)});
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(this->fields(*dialog), typed);

        typeOver(dialog->fields.code, QStringLiteral("Z9"));
        click(dialog->selectButton);
        EXPECT_FALSE(dialog->isVisible()) << name.toStdString();
        EXPECT_EQ(this->scelta(*dialog).record.FIdInconveniente, -1);
        EXPECT_EQ(entryOf(this->scelta(*dialog).record).description, name);
    }
}

TYPED_TEST(PickDialogTest, MovingGivesTheOtherListAnEntryWithTheCodeOfItsRule) {
    // An operation moved takes the code in the code field; a part its stored code.
    const ForKinds<bool> takesTypedCode{true, false};
    for (const bool typeCode : {false, true}) {
        this->offered = {};
        this->other = {};
        this->offer({voce<TypeParam>(QStringLiteral("Pastiglie \"ant.\""), QStringLiteral("S1"),
                                     u'C', QStringLiteral("80")),
                     voce<TypeParam>(QStringLiteral("Olio"))});
        auto dialog = this->openPick();
        clickItem(dialog->offeredList, 0);
        if (typeCode) {
            typeOver(dialog->fields.code, QStringLiteral("T1"));
        }
        // The moved entry keeps its own charge code, not the one chosen.
        choose(dialog->fields.chargeCode, QStringLiteral("Interno"));
        const QStringList shown = this->fields(*dialog);
        const QString question =
            kDomandaSposta(this->kind).arg(QStringLiteral("Pastiglie \"ant.\""));
        this->script.clear();
        this->script.answer(true, question);
        click(dialog->moveButton);

        const QString code =
            typeCode && takesTypedCode(this->kind) ? QStringLiteral("T1") : QStringLiteral("S1");
        ASSERT_EQ(this->other.Count(), 1) << typeCode;
        const Entry moved = entryOf(this->other.Get(0).value());
        EXPECT_EQ(moved.id, -1);
        EXPECT_EQ(moved.description, QStringLiteral("Pastiglie \"ant.\""));
        EXPECT_EQ(moved.code, code) << typeCode;
        EXPECT_EQ(moved.chargeCode, QChar(u'C'));
        EXPECT_TRUE(moved.price.isEmpty()) << "an operation made from a part has no price";
        EXPECT_EQ(this->other.Get(0).value().FIdInconveniente, -1);
        EXPECT_EQ(contents(this->offered),
                  std::vector<TypeParam>{voce<TypeParam>(QStringLiteral("Olio"))});
        EXPECT_EQ(itemTexts(dialog->offeredList), QStringList{QStringLiteral("Olio")});
        EXPECT_TRUE(dialog->offeredList->selectedItems().isEmpty());
        EXPECT_EQ(this->fields(*dialog), shown);
        EXPECT_TRUE(dialog->fields.code->isEnabled());
        EXPECT_EQ(this->asked, QStringList()) << "a move looks up no charge code";
    }
}

TYPED_TEST(PickDialogTest, AfterAMoveNothingIsSelectedForSelezionaOrAnotherMove) {
    this->offer({voce<TypeParam>(QStringLiteral("Olio"), QStringLiteral("S1"), u'C'),
                 voce<TypeParam>(QStringLiteral("Filtro"))});
    auto dialog = this->openPick();

    // No to the question changes nothing.
    clickItem(dialog->offeredList, 0);
    this->script.answer(false);
    click(dialog->moveButton);
    EXPECT_EQ(this->offered.Count(), 2);
    EXPECT_EQ(this->other.Count(), 0);

    this->script.answer(true);
    click(dialog->moveButton);
    this->fillValid(*dialog);
    this->script.clear();
    click(dialog->moveButton);
    click(dialog->selectButton);
    EXPECT_EQ(this->script.shown(),
              (std::vector<Shown>{{QStringLiteral("message"), QStringLiteral("Info"),
                                   kSpostaSenzaScelta(this->kind)},
                                  {QStringLiteral("message"), QStringLiteral("Errore"),
                                   kSelezionaSenzaScelta(this->kind)}}));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(this->other.Count(), 1);
    EXPECT_EQ(itemTexts(dialog->offeredList), QStringList{QStringLiteral("Filtro")});
    EXPECT_EQ(this->scelta(*dialog).id, -1);
}

TYPED_TEST(PickDialogTest, WithoutTheOtherListAMoveIsAnErrorThatChangesNothing) {
    this->offer({voce<TypeParam>(QStringLiteral("Olio"))});
    typename TestFixture::Pick dialog(nullptr, this->dictionary(), this->offered);
    dialog.show();
    clickItem(dialog.offeredList, 0);
    this->script.expectError(QStringLiteral("Non è stata indicata la lista in cui spostare."));
    click(dialog.moveButton);

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(this->offered.Count(), 1);
    EXPECT_EQ(dialog.offeredList->count(), 1);
}

TYPED_TEST(PickDialogTest, ANewEntryJoinsTheAvailableListAndStaysThereAfterCancelling) {
    this->offer({voce<TypeParam>(QStringLiteral("Olio"))});
    auto dialog = this->openPick();
    // A refusal first: the new-entry dialog stays open with what was typed.
    using New = typename TestFixture::New;
    this->script.template onDialog<New>([&](New& nuovo) {
        typeOver(nuovo.fields.name, QStringLiteral("Rabbocco liquido \"blu\""));
        typeOver(nuovo.fields.code, QStringLiteral("N7"));
        click(nuovo.confirmButton);
        EXPECT_TRUE(nuovo.isVisible());
        EXPECT_FALSE(this->aggiunta(nuovo).fatto);
        EXPECT_EQ(nuovo.fields.code->text(), QStringLiteral("N7"));
        choose(nuovo.fields.chargeCode, QStringLiteral("Cliente"));
        if (nuovo.fields.price != nullptr) {
            typeOver(nuovo.fields.price, QStringLiteral("7.5"));
        }
        click(nuovo.confirmButton);
    });
    click(dialog->newButton);

    // Kept as typed, point and all: the pick dialog converts the price when it is picked.
    const TypeParam made = voce<TypeParam>(QStringLiteral("Rabbocco liquido \"blu\""),
                                           QStringLiteral("N7"), u'C', QStringLiteral("7.5"));
    EXPECT_EQ(itemTexts(dialog->offeredList),
              (QStringList{QStringLiteral("Olio"), QStringLiteral("Rabbocco liquido \"blu\"")}));
    EXPECT_TRUE(dialog->offeredList->selectedItems().isEmpty());
    EXPECT_TRUE(dialog->fields.code->isEnabled()) << "a new entry enables the details";
    EXPECT_EQ(contents(this->offered),
              (std::vector<TypeParam>{voce<TypeParam>(QStringLiteral("Olio")), made}));

    click(dialog->cancelButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(this->scelta(*dialog).id, -1);
    auto next = this->openPick();
    EXPECT_EQ(itemTexts(next->offeredList).last(), QStringLiteral("Rabbocco liquido \"blu\""));
}

TYPED_TEST(PickDialogTest, EscapeCancelsOnlyThePickingOfOperations) {
    auto dialog = this->openPick();
    QTest::keyClick(dialog->offeredList, Qt::Key_Escape);
    EXPECT_EQ(dialog->isVisible(), !this->operation);
    if (dialog->isVisible()) {
        click(dialog->cancelButton);
    }
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TYPED_TEST(PickDialogTest, AFailingLookupClosesTheDialogWithNothingPicked) {
    this->offer({voce<TypeParam>(QStringLiteral("Olio"))});
    const std::vector<TypeParam> before = contents(this->offered);
    auto dialog = this->openPick();
    clickItem(dialog->offeredList, 0);
    this->fillValid(*dialog);
    this->lookupFails = true;
    this->script.expectError(QStringLiteral("database is locked"));
    click(dialog->selectButton);

    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(this->scelta(*dialog).id, -1);
    EXPECT_EQ(contents(this->offered), before);
}

// The price rule, one table through both dialogs that accept a price.
class PrezzoTest : public EntryDialogTest<TOperazione> {};

TEST_F(PrezzoTest, PickAndChangeAcceptTheSamePricesAndHandThemBackWithAComma) {
    struct Caso {
        QString typed;
        QString handedBack;  // empty: refused
    };
    const Caso casi[] = {{QStringLiteral("12"), QStringLiteral("12")},
                         {QStringLiteral("12,5"), QStringLiteral("12,5")},
                         {QStringLiteral("12.5"), QStringLiteral("12,5")},
                         {QStringLiteral("12345,123"), QStringLiteral("12345,123")},
                         {QStringLiteral("123456"), QString()},
                         {QStringLiteral("1,2345"), QString()},
                         {QStringLiteral(",5"), QString()},
                         {QStringLiteral("12."), QString()},
                         {QStringLiteral("1.000,50"), QString()},
                         {QStringLiteral("-5"), QString()},
                         {QStringLiteral("1 2"), QString()},
                         {QString(), QString()},
                         {QStringLiteral("12\n"), QString()},
                         {QString::fromUtf8("١٢"), QString()}};
    const TOperazione operazione = TOperazione::Create(
        31, 4, QStringLiteral("0"), QStringLiteral("A01"), QStringLiteral("Tagliando"), u'C');
    for (const Caso& caso : casi) {
        const bool accepted = !caso.handedBack.isEmpty();
        const std::string row = caso.typed.toStdString();

        offered = {};
        offer({operazione});
        auto pick = openPick();
        clickItem(pick->offeredList, 0);
        paste(pick->fields.price, caso.typed);
        script.clear();
        click(pick->selectButton);
        EXPECT_EQ(pick->isVisible(), !accepted) << row;
        EXPECT_EQ(script.texts(),
                  accepted ? std::vector<QString>{} : std::vector<QString>{kPrezzoNonValido})
            << row;
        if (accepted) {
            EXPECT_EQ(pick->Operazione().Fprezzo, caso.handedBack) << row;
        } else {
            EXPECT_EQ(pick->fields.price->text(), caso.typed) << row;
        }

        auto change = openChange(operazione);
        paste(change->fields.price, caso.typed);
        script.clear();
        if (accepted) {
            script.answer(true, QStringLiteral("Vuoi salvare le modifiche applicate?"));
        }
        click(change->confirmButton);
        EXPECT_EQ(change->isVisible(), !accepted) << row;
        EXPECT_EQ(change->EditedOperazione(), accepted) << row;
        if (accepted) {
            EXPECT_EQ(change->OperazioneModificata().Fprezzo, caso.handedBack) << row;
        } else {
            EXPECT_EQ(script.texts(), std::vector<QString>{kPrezzoNonValido}) << row;
            click(change->cancelButton);
        }
    }
}

// The pick dialog, the new-operation dialog and an error box as the running program shows
// them, in Qt's own modal loops.
TEST(PickDialogModalLoopTest, NewOperationRefusedThenMadeAndTheDialogLeftWithEscape) {
    WidgetInteraction real;
    InteractionScope scope(real);
    TListaOperazioni offered;
    offered.Add(voce<TOperazione>(QStringLiteral("Tagliando")));
    TListaRicambi parts;
    TFormAggiungiOperazione dialog(
        nullptr, {kCodiciACarico, [](const QString& nome) { return kCodiciACarico.key(nome); }},
        offered);
    dialog.setListaRicDisp(parts);

    ModalLoop loop;
    loop.then<TFormAggiungiOperazione>([](TFormAggiungiOperazione& pick) { click(pick.newButton); })
        .then<TFormNuovaOperazione>([](TFormNuovaOperazione& nuova) {
            typeOver(nuova.fields.name, QStringLiteral("Lavaggio"));
            click(nuova.confirmButton);
        })
        .then<QMessageBox>([](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), QStringLiteral("Errore"));
            EXPECT_EQ(box.text(), kCaricoObbligatorio);
            QTest::keyClick(&box, Qt::Key_Return);
        })
        .then<TFormNuovaOperazione>([](TFormNuovaOperazione& nuova) {
            EXPECT_EQ(nuova.fields.name->text(), QStringLiteral("Lavaggio"));
            choose(nuova.fields.chargeCode, QStringLiteral("Interno"));
            typeOver(nuova.fields.code, QStringLiteral("L1"));
            typeOver(nuova.fields.price, QStringLiteral("15"));
            click(nuova.confirmButton);
        })
        .then<TFormAggiungiOperazione>([](TFormAggiungiOperazione& pick) {
            EXPECT_EQ(itemTexts(pick.offeredList),
                      (QStringList{QStringLiteral("Tagliando"), QStringLiteral("Lavaggio")}));
            QTest::keyClick(pick.offeredList, Qt::Key_Escape);
        });
    int result = -1;
    loop.run([&] { result = interaction().showModal(dialog); });

    EXPECT_TRUE(loop.finished());
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(dialog.IdOperazioneAggiunta(), -1);
    EXPECT_EQ(offered.Count(), 2);
}

}  // namespace
