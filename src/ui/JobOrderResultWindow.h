#pragma once

#include "model/ClassCommessa.h"
#include "model/ClassListaCommesse.h"
#include "ui/ModalDialog.h"

#include <QList>

class CheckableJobOrderModel;
class QLabel;
class QListView;
class QPushButton;
class TFormTavorno;

// What the two result windows share: one checkable line per job order, index for index the
// job orders of the window's list, and the four actions "Modifica questa Commessa..." (the
// highlighted line), "Elimina Commessa" and "Genera XML e Invia..." (the checked lines) and
// "Esci". The highlighted line is the one the user chose by clicking it or moving onto it:
// the list's current line, drawn highlighted. A window is made for one search and left with
// the job order to edit, or with one whose id is empty.
class JobOrderResultWindow : public ModalDialog {
    Q_OBJECT

public:
    // The job order chosen with "Modifica questa Commessa..."; its FIDCommessaDMS is empty
    // when none was chosen.
    const TCommessa& CommessaDaModificare() const { return FCommessaDaModificare; }

    // The highlighted line, -1 when none.
    int highlightedRow() const;

    QPushButton* ButtonModificaCommessa = nullptr;
    QPushButton* ButtonCancellaCommessa = nullptr;
    QPushButton* ButtonEsci = nullptr;
    QPushButton* ButtonGeneraEInvia = nullptr;

protected:
    // `owner` is the main window, whose store, settings and export the window uses.
    JobOrderResultWindow(TFormTavorno& owner, const QString& caption, const char* listName,
                         QWidget* parent);

    // The window's layout: `topBand` (if any) across the top; below it the list, under
    // `listHeading` (if any), with "Modifica questa Commessa..." and "Elimina Commessa" on
    // its right; along the bottom "Esci", then `leaveButtons`, and "Genera XML e Invia..." on
    // the right. The tab order follows.
    void arrange(QWidget* topBand, QLabel* listHeading, const QList<QPushButton*>& leaveButtons);
    // The job orders to show, one line each, none checked or highlighted.
    void fill(TListaCommesse commesse);
    const TListaCommesse& commesse() const;
    QListView* list() const { return list_; }
    TFormTavorno& owner() const { return owner_; }

    virtual void ButtonEsciClick();

private:
    void ButtonModificaCommessaClick();
    void ButtonCancellaCommessaClick();
    void ButtonGeneraEInviaClick();
    // The checked job orders in line order, each with its complaints.
    TListaCommesse checkedJobOrders() const;

    TFormTavorno& owner_;
    TCommessa FCommessaDaModificare;
    QListView* list_ = nullptr;
    CheckableJobOrderModel* model_ = nullptr;
};
