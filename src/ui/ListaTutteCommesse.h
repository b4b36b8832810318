#pragma once

#include "ui/JobOrderResultWindow.h"

// "Lista delle Commesse": every stored job order, or, unless the setting
// "CommesseGiaInviate" allows sent ones, every job order not yet sent.
class TFormListaTutteCommesse : public JobOrderResultWindow {
    Q_OBJECT

public:
    explicit TFormListaTutteCommesse(TFormTavorno& owner, QWidget* parent = nullptr);

    // Index for index the job orders of the lines. Their complaints are not loaded: the
    // export loads them for the job orders it writes.
    const TListaCommesse& ListaCommesse() const { return commesse(); }

    QListView* CheckListBoxListaCommesse = nullptr;

private:
    void FormCreate();
};
