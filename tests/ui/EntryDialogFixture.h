#pragma once

// What the tests of the operation and part dialogs share: the windows of each kind, the
// offered lists, the charge codes, and the user's hands on the real controls. Every test
// runs once for operations and once for parts.

#include "db/DatabaseError.h"
#include "support/ModelPrinters.h"
#include "support/ScriptedInteraction.h"
#include "ui/AggiungiOperazione.h"
#include "ui/AggiungiRicambio.h"
#include "ui/ModificaOperazione.h"
#include "ui/ModificaRicambio.h"
#include "ui/NuovaOperazione.h"
#include "ui/NuovoRicambio.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <memory>
#include <type_traits>

// The three windows and the two lists of one kind of record.
template <typename Record>
struct Faces {
    static constexpr bool operation = IsOperation<Record>;
    using Pick = std::conditional_t<operation, TFormAggiungiOperazione, TFormAggiungiRicambio>;
    using New = std::conditional_t<operation, TFormNuovaOperazione, TFormNuovoRicambio>;
    using Change = std::conditional_t<operation, TFormModificaOperazione, TFormModificaRicambio>;
    using List = std::conditional_t<operation, TListaOperazioni, TListaRicambi>;
    using OtherList = std::conditional_t<operation, TListaRicambi, TListaOperazioni>;
};

using EntryKinds = ::testing::Types<TOperazione, TRicambio>;

struct EntryKindNames {
    template <typename Record>
    static std::string GetName(int) {
        return IsOperation<Record> ? "Operazioni" : "Ricambi";
    }
};

// Charge codes as the reference table holds them.
inline const MappaCodici kCodiciACarico = {{QStringLiteral("C"), QStringLiteral("Cliente")},
                                           {QStringLiteral("G"), QStringLiteral("Garanzia")},
                                           {QStringLiteral("I"), QStringLiteral("Interno")}};

const QString kCaricoObbligatorio = QStringLiteral("Codice a carico obbligatorio.");
const QString kPrezzoNonValido =
    QStringLiteral("Formato del prezzo non valido. (5 Interi, \",\" o \".\", 3 Decimali)");
const ForKinds<QString> kCodiceObbligatorio{QStringLiteral("Codice Operazione obbligatorio."),
                                            QStringLiteral("Codice Ricambio obbligatorio.")};

// A record of either kind with no row yet; the price only counts for operations.
template <typename Record>
Record voce(const QString& descrizione, const QString& codice = QString(),
            QChar codiceACarico = QChar(), const QString& prezzo = QStringLiteral("0")) {
    if constexpr (IsOperation<Record>) {
        return TOperazione::Create(-1, -1, prezzo, codice, descrizione, codiceACarico);
    } else {
        return TRicambio::Create(-1, -1, codice, descrizione, codiceACarico);
    }
}

template <typename Record>
std::vector<Record> contents(const TypedList<Record>& list) {
    return std::vector<Record>(list.begin(), list.end());
}

// The user's hands. Pasting replaces the whole text of the field with the clipboard's.
void paste(QLineEdit* field, const QString& text);
// Types `text` over the whole text of the field, key by key (an empty text deletes it).
void typeOver(QLineEdit* field, const QString& text);
// Opens the combo box's list and clicks `name` in it.
void choose(QComboBox* box, const QString& name);
void clickItem(QListWidget* list, int row);
void click(QPushButton* button);
QStringList itemTexts(const QListWidget* list);

template <typename Record>
class EntryDialogTest : public ::testing::Test {
protected:
    using Pick = typename Faces<Record>::Pick;
    using New = typename Faces<Record>::New;
    using Change = typename Faces<Record>::Change;
    static constexpr bool operation = IsOperation<Record>;
    static constexpr EntryKind kind = entryKindOf<Record>;

    // The dictionary as the complaint editor builds it; the lookup answers by name, as the
    // database does, and fails while `lookupFails` is set.
    CodeDictionary dictionary() {
        return {kCodiciACarico, [this](const QString& nome) {
                    asked << nome;
                    if (lookupFails) {
                        throw DatabaseError(QStringLiteral("database is locked"));
                    }
                    return kCodiciACarico.key(nome);
                }};
    }

    void offer(const std::vector<Record>& records) {
        for (const Record& record : records) {
            offered.Add(record);
        }
    }

    // The pick dialog on the offered list, with the other list set, shown.
    std::unique_ptr<Pick> openPick() {
        auto dialog = std::make_unique<Pick>(nullptr, dictionary(), offered);
        if constexpr (operation) {
            dialog->setListaRicDisp(other);
        } else {
            dialog->setListaOpDisp(other);
        }
        dialog->show();
        return dialog;
    }

    std::unique_ptr<Change> openChange(const Record& record) {
        auto dialog = std::make_unique<Change>(nullptr, record, dictionary());
        dialog->show();
        return dialog;
    }

    // The results, read under the names the complaint editor reads: the picked position,
    // or whether an entry was handed back, and the record.
    struct Scelta {
        int id;
        Record record;
    };
    struct Esito {
        bool fatto;
        Record record;
    };
    static Scelta scelta(const Pick& dialog) {
        if constexpr (operation) {
            return {dialog.IdOperazioneAggiunta(), dialog.Operazione()};
        } else {
            return {dialog.IdRicambioAggiunto(), dialog.Ricambio()};
        }
    }
    static Esito aggiunta(const New& dialog) {
        if constexpr (operation) {
            return {dialog.NuovaOperazioneAggiunta(), dialog.Operazione()};
        } else {
            return {dialog.NuovoRicambioAggiunto(), dialog.Ricambio()};
        }
    }
    static Esito modifica(const Change& dialog) {
        if constexpr (operation) {
            return {dialog.EditedOperazione(), dialog.OperazioneModificata()};
        } else {
            return {dialog.EditedRicambio(), dialog.RicambioModificato()};
        }
    }

    // Fills the fields a window checks with what passes: a charge code, a price, a code.
    template <typename Dialog>
    static void fillValid(Dialog& dialog) {
        choose(dialog.fields.chargeCode, QStringLiteral("Garanzia"));
        if (dialog.fields.price != nullptr) {
            typeOver(dialog.fields.price, QStringLiteral("12.5"));
        }
        typeOver(dialog.fields.code, QStringLiteral("A0101"));
    }

    // Presses `confirm` until the window closes, each time mending what the message it
    // showed asks for, and returns the messages in order. `mend` gets each message.
    std::vector<QString> refusalsUntilAccepted(QDialog& dialog, QPushButton* confirm,
                                               const std::function<void(const QString&)>& mend) {
        std::vector<QString> messages;
        for (int attempt = 0; attempt < 6 && dialog.isVisible(); ++attempt) {
            script.clear();
            click(confirm);
            if (!dialog.isVisible()) {
                break;
            }
            EXPECT_EQ(script.shown().size(), 1u);
            if (script.shown().empty()) {
                break;
            }
            EXPECT_EQ(script.shown().front().title, QStringLiteral("Errore"));
            messages.push_back(script.shown().front().text);
            mend(messages.back());
        }
        return messages;
    }

    ScriptedInteraction script;
    typename Faces<Record>::List offered;
    typename Faces<Record>::OtherList other;
    QStringList asked;
    bool lookupFails = false;
};
