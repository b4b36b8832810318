#include "ui/CercaCommesse.h"

#include "platform/Interaction.h"
#include "ui/Controls.h"
#include "ui/ListaTutteCommesse.h"
#include "ui/TabellaCommessePerData.h"
#include "ui/Tavorno.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton* radioButton(const char* name, const QString& caption) {
    return named(new QRadioButton(caption), name);
}

QDateEdit* searchDatePicker(const char* name, const QString& spokenName) {
    QDateEdit* picker = datePicker(name, QDate(2000, 1, 1), QDate(2200, 12, 31));
    picker->setEnabled(false);
    picker->setAccessibleName(spokenName);
    return picker;
}

}  // namespace

TFormCercaCommesse::TFormCercaCommesse(TFormTavorno& owner, QWidget* parent)
    : ModalDialog(QStringLiteral("Cerca Commesse..."), parent), owner_(owner) {
    setObjectName(QStringLiteral("FormCercaCommesse"));
    buildControls();
    setClientArea(sizeHint().expandedTo(QSize(340, 0)));
    FormCreate();
}

void TFormCercaCommesse::buildControls() {
    RadioButtonPerDataCreazione =
        radioButton("RadioButtonPerDataCreazione", QStringLiteral("Per data di creazione:"));
    DatePickerRicercaCommesse =
        searchDatePicker("DatePickerRicercaCommesse", QStringLiteral("Data di creazione"));
    RadioButtonPerRangeDate =
        radioButton("RadioButtonPerRangeDate", QStringLiteral("Per range di date:"));
    RadioButtonPerRangeDate->setEnabled(false);
    DatePickerRicercaCommesseDown =
        searchDatePicker("DatePickerRicercaCommesseDown", QStringLiteral("Dalla data"));
    Label1 = named(new QLabel(QStringLiteral("-")), "Label1");
    DatePickerRicercaCommesseUp =
        searchDatePicker("DatePickerRicercaCommesseUp", QStringLiteral("Alla data"));
    RadioButtonListaCompleta =
        radioButton("RadioButtonListaCompleta", QStringLiteral("Ottieni Lista Completa"));
    ButtonAnnulla = button("ButtonAnnulla", QStringLiteral("Annulla"));
    ButtonRicercaCommesse = button("ButtonRicercaCommesse", QStringLiteral("Ricerca"));

    // One option per line, each with its date pickers, thin lines in between.
    auto* options = new QGridLayout;
    options->addWidget(RadioButtonPerDataCreazione, 0, 0);
    options->addWidget(DatePickerRicercaCommesse, 0, 1);
    options->addWidget(horizontalRule(), 1, 0, 1, 4);
    options->addWidget(RadioButtonPerRangeDate, 2, 0);
    options->addWidget(DatePickerRicercaCommesseDown, 2, 1);
    options->addWidget(Label1, 2, 2);
    options->addWidget(DatePickerRicercaCommesseUp, 2, 3);
    options->addWidget(horizontalRule(), 3, 0, 1, 4);
    options->addWidget(RadioButtonListaCompleta, 4, 0, 1, 4);
    options->setColumnStretch(4, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonAnnulla);
    buttons->addWidget(ButtonRicercaCommesse);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(options);
    layout->addStretch();
    layout->addLayout(buttons);
    chainTabOrder({RadioButtonPerDataCreazione, DatePickerRicercaCommesse, RadioButtonPerRangeDate,
                   DatePickerRicercaCommesseDown, DatePickerRicercaCommesseUp,
                   RadioButtonListaCompleta, ButtonAnnulla, ButtonRicercaCommesse});

    connectHandler(RadioButtonPerDataCreazione, &QRadioButton::clicked,
                   &TFormCercaCommesse::RadioButtonPerDataCreazioneClick);
    connectHandler(RadioButtonListaCompleta, &QRadioButton::clicked,
                   &TFormCercaCommesse::RadioButtonListaCompletaClick);
    closesWith(ButtonAnnulla, Cancel);
    onClick(ButtonRicercaCommesse, &TFormCercaCommesse::ButtonRicercaCommesseClick);
}

void TFormCercaCommesse::FormCreate() {
    const QDate oggi = QDate::currentDate();
    for (QDateEdit* picker :
         {DatePickerRicercaCommesse, DatePickerRicercaCommesseDown, DatePickerRicercaCommesseUp}) {
        picker->setDate(oggi);
    }
}

int TFormCercaCommesse::exec() {
    int result = Cancel;
    do {
        shownAgain_ = false;
        result = ModalDialog::exec();
    } while (shownAgain_ && isVisible());
    return result;
}

void TFormCercaCommesse::RadioButtonPerDataCreazioneClick() {
    DatePickerRicercaCommesse->setEnabled(true);
    DatePickerRicercaCommesseDown->setEnabled(false);
    DatePickerRicercaCommesseUp->setEnabled(false);
}

void TFormCercaCommesse::RadioButtonListaCompletaClick() {
    DatePickerRicercaCommesse->setEnabled(false);
    DatePickerRicercaCommesseDown->setEnabled(false);
    DatePickerRicercaCommesseUp->setEnabled(false);
}

void TFormCercaCommesse::ButtonRicercaCommesseClick() {
    if (RadioButtonPerDataCreazione->isChecked()) {
        cercaPerData();
    } else if (RadioButtonListaCompleta->isChecked()) {
        cercaTutte();
    }
}

void TFormCercaCommesse::cercaPerData() {
    hide();
    TFormTabellaCommessePerData risultati(owner_, DatePickerRicercaCommesse->date(), &owner_);
    interaction().showModal(risultati);
    FCommessaDaModificare = risultati.CommessaDaModificare();
    if (risultati.ChangeDate()) {
        shownAgain_ = true;
        show();
    } else {
        closeWhenHandlerEnds(Ok);
    }
}

void TFormCercaCommesse::cercaTutte() {
    hide();
    TFormListaTutteCommesse lista(owner_, &owner_);
    interaction().showModal(lista);
    FCommessaDaModificare = lista.CommessaDaModificare();
    closeWhenHandlerEnds(Ok);
}
