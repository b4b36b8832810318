#include "ui/PrivacyCliente.h"

#include "model/ConsensiPrivacy.h"
#include "ui/Controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFrame* pannello(const QString& titolo, DestinatarioPrivacy destinatario,
                 const std::array<QCheckBox*, 6>& caselle) {
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    auto* colonna = new QVBoxLayout(frame);
    auto* intestazione = new QLabel(titolo);
    QFont grande = intestazione->font();
    grande.setPointSize(grande.pointSize() + 1);
    intestazione->setFont(grande);
    intestazione->setAlignment(Qt::AlignCenter);
    colonna->addWidget(intestazione);
    for (size_t i = 0; i < kConsensiPrivacy.size(); ++i) {
        if (kConsensiPrivacy[i].destinatario == destinatario) {
            colonna->addWidget(caselle[i]);
        }
    }
    colonna->addStretch();
    return frame;
}

}  // namespace

TFormPrivacyCliente::TFormPrivacyCliente(const TCliente& Cliente, QWidget* parent)
    : ModalDialog(QStringLiteral("Privacy Cliente..."), parent) {
    setObjectName(QStringLiteral("FormPrivacyCliente"));
    SetPrivacy(Cliente);
    buildControls();
    setClientArea(QSize(520, 168));
    FormCreate();
}

void TFormPrivacyCliente::buildControls() {
    QCheckBox** campi[] = {&CheckBoxPrivacyMarketingFCA,    &CheckBoxPrivacy3thFCA,
                           &CheckBoxPrivacyProfilingFCA,    &CheckBoxPrivacyMarketingDealer,
                           &CheckBoxPrivacy3thDealer,       &CheckBoxPrivacyProfilingDealer};
    for (size_t i = 0; i < kConsensiPrivacy.size(); ++i) {
        const ConsensoPrivacy& consenso = kConsensiPrivacy[i];
        *campi[i] = new QCheckBox(consenso.etichetta);
        (*campi[i])->setObjectName(consenso.casella);
        // Two boxes of each caption: the name says which panel a box belongs to.
        (*campi[i])->setAccessibleName(
            consenso.etichetta + (consenso.destinatario == DestinatarioPrivacy::FCA
                                      ? QStringLiteral(" verso FCA")
                                      : QStringLiteral(" verso Dealer")));
    }
    ButtonAnnulla = button("ButtonAnnulla", QStringLiteral("Annulla"));
    ButtonConferma = button("ButtonConferma", QStringLiteral("Conferma"));

    const std::array<QCheckBox*, 6> boxes = caselle();
    auto* pannelli = new QHBoxLayout;
    pannelli->addWidget(pannello(QStringLiteral("Concessione Privacy verso FCA:"),
                                 DestinatarioPrivacy::FCA, boxes));
    pannelli->addWidget(pannello(QStringLiteral("Concessione Privacy verso Dealer:"),
                                 DestinatarioPrivacy::Dealer, boxes));
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(ButtonAnnulla);
    pulsanti->addStretch();
    pulsanti->addWidget(ButtonConferma);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(pannelli, 1);
    layout->addLayout(pulsanti);

    QList<QWidget*> ordine(boxes.begin(), boxes.end());
    ordine << ButtonAnnulla << ButtonConferma;
    chainTabOrder(ordine);

    onClick(ButtonConferma, &TFormPrivacyCliente::ButtonConfermaClick);
    onClick(ButtonAnnulla, &TFormPrivacyCliente::ButtonAnnullaClick);
}

std::array<QCheckBox*, 6> TFormPrivacyCliente::caselle() const {
    return {CheckBoxPrivacyMarketingFCA,    CheckBoxPrivacy3thFCA,    CheckBoxPrivacyProfilingFCA,
            CheckBoxPrivacyMarketingDealer, CheckBoxPrivacy3thDealer, CheckBoxPrivacyProfilingDealer};
}

void TFormPrivacyCliente::FormCreate() {
    const auto boxes = caselle();
    for (size_t i = 0; i < kConsensiPrivacy.size(); ++i) {
        boxes[i]->setChecked(FPrivacy.*kConsensiPrivacy[i].campo);
    }
}

void TFormPrivacyCliente::ButtonConfermaClick() {
    SetMemorizzazionePrivacy(true);
    const auto boxes = caselle();
    for (size_t i = 0; i < kConsensiPrivacy.size(); ++i) {
        FPrivacy.*kConsensiPrivacy[i].campo = boxes[i]->isChecked();
    }
    closeWhenHandlerEnds(Ok);
}

void TFormPrivacyCliente::ButtonAnnullaClick() {
    SetMemorizzazionePrivacy(false);
    closeWhenHandlerEnds(Cancel);
}
