#pragma once

#include "ui/Entry.h"

#include <QList>
#include <QSize>
#include <QString>

// The operation dialogs and the part dialogs are the same three windows: a pick dialog, a
// new-entry dialog and a change dialog. What differs between operations and parts is held
// here, fact by fact, the operation's value beside the part's, and each window is written
// once over these facts.

template <typename Value>
struct ForKinds {
    Value operation;
    Value part;

    const Value& operator()(EntryKind kind) const {
        return kind == EntryKind::Operation ? operation : part;
    }
};

// What a window checks before it accepts the input; each window has its own order.
enum class EntryCheck { Selection, ChargeCode, Price, Code };

// An objectName and the text its control shows (a caption) or is announced by.
struct Named {
    const char* name;
    QString text;
};

// The objectNames of the fields an entry is typed into; no price field for parts.
struct FieldNames {
    const char* name;
    const char* price;
    const char* code;
    const char* chargeCode;
};

// The labels of a window's fields; the price's "Prezzo:" and "€" only for operations, the
// name's only where the name field has one.
struct FieldLabels {
    Named name;
    const char* price;
    const char* euro;
    Named code;
    Named chargeCode;
};

// The question that asks before an entry moves to the other list: its text runs start,
// the entry's description in double quotes, end.
struct MoveQuestion {
    QString start;
    QString end;
};

// Where the code of an entry moved to the other list comes from.
enum class MovedCode { FromCodeField, Stored };

struct EntryDialogFacts {
    // Every window.
    ForKinds<bool> hasPrice;
    ForKinds<int> nameLimit;
    ForKinds<int> codeLimit;
    int priceLimit;
    ForKinds<QString> codeMissing;
    QString chargeCodeMissing;
    QString priceInvalid;

    // The pick dialog.
    ForKinds<Named> pickWindow;
    QSize pickClientArea;
    ForKinds<Named> offeredList;
    ForKinds<FieldNames> pickFields;
    ForKinds<QString> pickNameSpokenName;
    ForKinds<FieldLabels> pickLabels;
    ForKinds<Named> moveButton;
    ForKinds<Named> newButton;
    ForKinds<const char*> selectButton;
    ForKinds<bool> escapeCancels;
    ForKinds<QList<EntryCheck>> pickChecks;
    ForKinds<QString> selectionMissing;
    ForKinds<QString> moveSelectionMissing;
    ForKinds<MoveQuestion> moveQuestion;
    ForKinds<MovedCode> movedCode;

    // The new-entry and change dialogs, which share their controls.
    ForKinds<Named> newEntryWindow;
    ForKinds<Named> changeWindow;
    ForKinds<QSize> detailsClientArea;
    ForKinds<FieldNames> detailsFields;
    ForKinds<FieldLabels> detailsLabels;
    ForKinds<QList<EntryCheck>> newEntryChecks;
    ForKinds<QList<EntryCheck>> changeChecks;
    QString changeQuestion;
};

const EntryDialogFacts& entryDialogFacts();

// What a window has in hand when it checks its input.
struct EnteredValues {
    bool selected = false;
    bool chargeCodeChosen = false;
    QString price;
    QString code;
};

// Runs the checks of `order` on `values` and shows the message of the first that fails, in
// a message box titled "Errore". True when one failed.
bool refusedWithMessage(const QList<EntryCheck>& order, EntryKind kind,
                        const EnteredValues& values);
