#pragma once

#include "model/ClassCommessa.h"
#include "ui/ModalDialog.h"

class QDateEdit;
class QLabel;
class QPushButton;
class QRadioButton;
class TFormTavorno;

// "Cerca Commesse...": the job orders of one date, or all of them, in a result window, from
// which one job order may be chosen for editing. The search by a range of dates is shown
// but always disabled. Made anew for every search.
class TFormCercaCommesse : public ModalDialog {
    Q_OBJECT

public:
    // `owner` is the main window, whose store and export the result windows use.
    explicit TFormCercaCommesse(TFormTavorno& owner, QWidget* parent = nullptr);

    // The job order chosen in a result window; its FIDCommessaDMS is empty when none was.
    const TCommessa& CommDaModificare() const { return FCommessaDaModificare; }

    // Qt ends the modal run of a dialog that hides; this one hides while a result window is
    // open and comes back after "Cambia Data...", and its run then goes on.
    int exec() override;

    QRadioButton* RadioButtonPerDataCreazione = nullptr;
    QDateEdit* DatePickerRicercaCommesse = nullptr;
    QRadioButton* RadioButtonPerRangeDate = nullptr;
    QDateEdit* DatePickerRicercaCommesseDown = nullptr;
    QLabel* Label1 = nullptr;
    QDateEdit* DatePickerRicercaCommesseUp = nullptr;
    QRadioButton* RadioButtonListaCompleta = nullptr;
    QPushButton* ButtonAnnulla = nullptr;
    QPushButton* ButtonRicercaCommesse = nullptr;

private:
    void buildControls();
    void FormCreate();
    void RadioButtonPerDataCreazioneClick();
    void RadioButtonListaCompletaClick();
    void ButtonRicercaCommesseClick();
    void cercaPerData();
    void cercaTutte();

    TFormTavorno& owner_;
    TCommessa FCommessaDaModificare;
    bool shownAgain_ = false;
};
