#pragma once

#include "ui/ChangeEntryDialog.h"

// "Modifica Ricambio...": changes one part of a complaint.
class TFormModificaRicambio : public ChangeEntryDialogOf<TRicambio> {
    Q_OBJECT

public:
    using ChangeEntryDialogOf::ChangeEntryDialogOf;  // (AOwner, Part, MapChargeable)
};
