// The dialogs that make a new operation or part and those that change one, through their
// real controls: each test runs for operations and for parts.

#include "EntryDialogFixture.h"

#include <QLabel>
#include <QTest>

namespace {

const ForKinds<QString> kNuovaCaption{QStringLiteral("Nuova Operazione"),
                                      QStringLiteral("Nuovo Ricambio")};
const ForKinds<QString> kModificaCaption{QStringLiteral("Modifica Operazione..."),
                                         QStringLiteral("Modifica Ricambio...")};
const ForKinds<QSize> kClientArea{QSize(466, 162), QSize(447, 130)};
// Each field in tab order with the text of its label and its limit, then the buttons.
struct Campo {
    QString name;
    QString label;
    int limit;
};
const ForKinds<std::vector<Campo>> kCampi{
    {{QStringLiteral("EditNomeOperazione"), QStringLiteral("Nome Operazione:"), 1024},
     {QStringLiteral("EditPrezzo"), QStringLiteral("Prezzo:"), 9},
     {QStringLiteral("EditCodiceOperazione"), QStringLiteral("Codice Operazione:"), 7},
     {QStringLiteral("ComboBoxCodiceACarico"), QStringLiteral("Codice a Carico:"), 0},
     {QStringLiteral("ButtonAnnulla"), QString(), 0},
     {QStringLiteral("ButtonConferma"), QString(), 0}},
    {{QStringLiteral("EditNomeRicambio"), QStringLiteral("Nome Ricambio:"), 200},
     {QStringLiteral("EditCodiceRicambio"), QStringLiteral("Codice Ricambio:"), 15},
     {QStringLiteral("ComboBoxCodiceACarico"), QStringLiteral("Codice a Carico:"), 0},
     {QStringLiteral("ButtonAnnulla"), QString(), 0},
     {QStringLiteral("ButtonConferma"), QString(), 0}}};
const QString kSalvare = QStringLiteral("Vuoi salvare le modifiche applicate?");

template <typename Record>
class EntryDetailsDialogTest : public EntryDialogTest<Record> {
protected:
    using Base = EntryDialogTest<Record>;

    std::unique_ptr<typename Base::New> openNew() {
        auto dialog =
            std::make_unique<typename Base::New>(nullptr, this->dictionary(), this->offered);
        dialog->show();
        return dialog;
    }

    // Presses Conferma until the window takes the input, each time mending what the message
    // asks for, and returns the messages.
    std::vector<QString> refusals(EntryDetailsDialog& dialog,
                                  const std::function<void()>& afterEachRefusal) {
        return this->refusalsUntilAccepted(dialog, dialog.confirmButton, [&](const QString& m) {
            afterEachRefusal();
            if (m == kCaricoObbligatorio) {
                choose(dialog.fields.chargeCode, QStringLiteral("Garanzia"));
            } else if (m == kPrezzoNonValido) {
                typeOver(dialog.fields.price, QStringLiteral("12.5"));
            } else if (m == kCodiceObbligatorio(this->kind)) {
                typeOver(dialog.fields.code, QStringLiteral("A0101"));
            }
        });
    }

    // Caption, size, and each control in tab order with its label and its limit.
    void expectLayout(EntryDetailsDialog& dialog, const QString& caption) {
        EXPECT_EQ(dialog.windowTitle(), caption);
        EXPECT_EQ(dialog.size(), kClientArea(this->kind));
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
        QApplication::setActiveWindow(&dialog);
        dialog.fields.name->setFocus();
        for (const Campo& campo : kCampi(this->kind)) {
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            EXPECT_EQ(focused->objectName(), campo.name);
            EXPECT_EQ(labelOf(focused), campo.label) << campo.name.toStdString();
            if (auto* field = qobject_cast<QLineEdit*>(focused)) {
                const QString before = field->text();
                paste(field, QString(campo.limit + 100, u'7'));
                EXPECT_EQ(field->text().size(), campo.limit) << campo.name.toStdString();
                paste(field, before);
            }
            QTest::keyClick(focused, Qt::Key_Tab);
        }
    }

    // The text of the label whose buddy `control` is, beside it in the same parent.
    static QString labelOf(const QWidget* control) {
        for (const QLabel* label : control->parentWidget()->findChildren<QLabel*>()) {
            if (label->buddy() == control) {
                return label->text();
            }
        }
        return QString();
    }
};
TYPED_TEST_SUITE(EntryDetailsDialogTest, EntryKinds, EntryKindNames);

TYPED_TEST(EntryDetailsDialogTest, TheNewEntryDialogOpensEmpty) {
    auto dialog = this->openNew();
    this->expectLayout(*dialog, kNuovaCaption(this->kind));
    EXPECT_TRUE(dialog->fields.name->text().isEmpty());
    EXPECT_TRUE(dialog->fields.code->text().isEmpty());
    EXPECT_FALSE(dialog->fields.chargeCode->hasChoice());
    EXPECT_EQ(dialog->fields.chargeCode->count(), 3);
    EXPECT_FALSE(this->aggiunta(*dialog).fatto);
    click(dialog->cancelButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(this->aggiunta(*dialog).fatto);
}

TYPED_TEST(EntryDetailsDialogTest, TheChangeDialogOpensOnTheEntry) {
    const TypeParam changing = voce<TypeParam>(QStringLiteral("L'olio \"nuovo\""),
                                               QStringLiteral("K2"), u'I', QStringLiteral("8,25"));
    auto dialog = this->openChange(changing);
    EXPECT_EQ(dialog->fields.name->text(), QStringLiteral("L'olio \"nuovo\""));
    EXPECT_EQ(dialog->fields.code->text(), QStringLiteral("K2"));
    EXPECT_EQ(dialog->fields.chargeCode->currentText(), QStringLiteral("Interno"));
    if (dialog->fields.price != nullptr) {
        EXPECT_EQ(dialog->fields.price->text(), QStringLiteral("8,25"));
    }
    EXPECT_FALSE(this->modifica(*dialog).fatto);
    this->expectLayout(*dialog, kModificaCaption(this->kind));

    // A charge code that no key begins with leaves the box without a choice.
    auto unknown = this->openChange(voce<TypeParam>(QStringLiteral("X"), QString(), u'Z'));
    EXPECT_FALSE(unknown->fields.chargeCode->hasChoice());
    EXPECT_TRUE(this->script.shown().empty());
}

TYPED_TEST(EntryDetailsDialogTest, TheNewEntryDialogChecksInItsOrderAndKeepsThePriceAsTyped) {
    auto dialog = this->openNew();
    const std::vector<QString> messages = this->refusals(*dialog, [&] {
        EXPECT_FALSE(this->aggiunta(*dialog).fatto);
        EXPECT_TRUE(dialog->isVisible());
    });

    const ForKinds<std::vector<QString>> order{
        {kCaricoObbligatorio, kCodiceObbligatorio.operation, kPrezzoNonValido},
        {kCaricoObbligatorio, kCodiceObbligatorio.part}};
    EXPECT_EQ(messages, order(this->kind));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(this->aggiunta(*dialog).fatto);
    // The name may be empty; the price stays as typed.
    EXPECT_EQ(this->aggiunta(*dialog).record,
              voce<TypeParam>(QString(), QStringLiteral("A0101"), u'G', QStringLiteral("12.5")));
    EXPECT_EQ(this->offered.Count(), 0) << "the pick dialog adds the new entry";
}

TYPED_TEST(EntryDetailsDialogTest, TheChangeDialogChecksInItsOrderAndKeepsTheId) {
    Entry stored{57, QStringLiteral("Olio"), QString(), QString(), QChar()};
    auto dialog = this->openChange(recordOf<TypeParam>(stored));
    this->script.answer(true, kSalvare);
    const std::vector<QString> messages = this->refusals(*dialog, [&] {
        EXPECT_FALSE(this->modifica(*dialog).fatto);
        EXPECT_TRUE(dialog->isVisible());
    });

    const ForKinds<std::vector<QString>> order{
        {kCaricoObbligatorio, kPrezzoNonValido, kCodiceObbligatorio.operation},
        {kCaricoObbligatorio, kCodiceObbligatorio.part}};
    EXPECT_EQ(messages, order(this->kind));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(this->modifica(*dialog).fatto);
    // Same id, no complaint, the price with a comma.
    stored.code = QStringLiteral("A0101");
    stored.chargeCode = u'G';
    stored.price = this->operation ? QStringLiteral("12,5") : QString();
    EXPECT_EQ(this->modifica(*dialog).record, recordOf<TypeParam>(stored));
}

TYPED_TEST(EntryDetailsDialogTest, NoToTheQuestionKeepsTheChangeDialogOpenAsItWas) {
    auto dialog = this->openChange(
        voce<TypeParam>(QStringLiteral("Olio"), QStringLiteral("K2"), u'C', QStringLiteral("5")));
    paste(dialog->fields.name, QString::fromUtf8("Olio \U0001F6E2 sintetico"));
    this->script.answer(false, kSalvare);
    click(dialog->confirmButton);

    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(this->modifica(*dialog).fatto);
    EXPECT_EQ(dialog->fields.name->text(), QString::fromUtf8("Olio \U0001F6E2 sintetico"));
    EXPECT_TRUE(this->asked.isEmpty()) << "no lookup before the answer";

    // Closing by the frame hands nothing back either.
    dialog->close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(this->modifica(*dialog).fatto);
}

TYPED_TEST(EntryDetailsDialogTest, AFailingLookupClosesTheNewEntryDialogButNotTheChangeDialog) {
    this->lookupFails = true;
    auto nuovo = this->openNew();
    this->fillValid(*nuovo);
    this->script.expectError(QStringLiteral("database is locked"));
    click(nuovo->confirmButton);
    EXPECT_FALSE(nuovo->isVisible());
    EXPECT_FALSE(this->aggiunta(*nuovo).fatto);

    auto change = this->openChange(voce<TypeParam>(QStringLiteral("Olio")));
    this->fillValid(*change);
    this->script.answer(true, kSalvare).expectError(QStringLiteral("database is locked"));
    click(change->confirmButton);
    EXPECT_TRUE(change->isVisible());
    EXPECT_FALSE(this->modifica(*change).fatto);
}

}  // namespace
