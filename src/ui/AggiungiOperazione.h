#pragma once

#include "ui/NuovaOperazione.h"
#include "ui/PickDialog.h"

// "Aggiungi Operazione": picks one of the available operations for a complaint, or makes one.
class TFormAggiungiOperazione : public PickDialogOf<TOperazione, TFormNuovaOperazione> {
    Q_OBJECT

public:
    using PickDialogOf::PickDialogOf;  // (AOwner, MapChargeable, OperationsList)
};
