#pragma once

#include "model/ClassCliente.h"
#include "ui/ModalDialog.h"

#include <array>

class QCheckBox;
class QPushButton;

// The six privacy consents of one customer, towards FCA and towards the dealer. Conferma
// hands them back in `Privacy` with `MemorizzazionePrivacy` set; any other way of closing
// leaves `MemorizzazionePrivacy` false.
class TFormPrivacyCliente : public ModalDialog {
    Q_OBJECT

public:
    explicit TFormPrivacyCliente(const TCliente& Cliente, QWidget* parent = nullptr);

    const TCliente& Privacy() const { return FPrivacy; }
    void SetPrivacy(const TCliente& cliente) { FPrivacy = cliente; }
    bool MemorizzazionePrivacy() const { return FMemorizzazionePrivacy; }
    void SetMemorizzazionePrivacy(bool memorizzata) { FMemorizzazionePrivacy = memorizzata; }

    QCheckBox* CheckBoxPrivacyMarketingFCA = nullptr;
    QCheckBox* CheckBoxPrivacy3thFCA = nullptr;
    QCheckBox* CheckBoxPrivacyProfilingFCA = nullptr;
    QCheckBox* CheckBoxPrivacyMarketingDealer = nullptr;
    QCheckBox* CheckBoxPrivacy3thDealer = nullptr;
    QCheckBox* CheckBoxPrivacyProfilingDealer = nullptr;
    QPushButton* ButtonAnnulla = nullptr;
    QPushButton* ButtonConferma = nullptr;

private:
    void buildControls();
    void FormCreate();
    void ButtonConfermaClick();
    void ButtonAnnullaClick();

    // The boxes in the order of the consents.
    std::array<QCheckBox*, 6> caselle() const;

    TCliente FPrivacy;
    bool FMemorizzazionePrivacy = false;
};
