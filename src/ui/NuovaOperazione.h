#pragma once

#include "ui/NewEntryDialog.h"

// "Nuova Operazione": makes a new operation for the available ones.
class TFormNuovaOperazione : public NewEntryDialogOf<TOperazione> {
    Q_OBJECT

public:
    using NewEntryDialogOf::NewEntryDialogOf;  // (AOwner, MapChargeable, OperationsList)
};
