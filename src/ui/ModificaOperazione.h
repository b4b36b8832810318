#pragma once

#include "ui/ChangeEntryDialog.h"

// "Modifica Operazione...": changes one operation of a complaint.
class TFormModificaOperazione : public ChangeEntryDialogOf<TOperazione> {
    Q_OBJECT

public:
    using ChangeEntryDialogOf::ChangeEntryDialogOf;  // (AOwner, Operation, MapChargeable)
};
