#pragma once

#include "ui/NuovoRicambio.h"
#include "ui/PickDialog.h"

// "Aggiungi Ricambio": picks one of the available parts for a complaint, or makes one.
class TFormAggiungiRicambio : public PickDialogOf<TRicambio, TFormNuovoRicambio> {
    Q_OBJECT

public:
    using PickDialogOf::PickDialogOf;  // (AOwner, MapChargeable, PartsList)
};
