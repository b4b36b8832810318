#pragma once

#include "ui/NewEntryDialog.h"

// "Nuovo Ricambio": makes a new part for the available ones.
class TFormNuovoRicambio : public NewEntryDialogOf<TRicambio> {
    Q_OBJECT

public:
    using NewEntryDialogOf::NewEntryDialogOf;  // (AOwner, MapChargeable, PartsList)
};
