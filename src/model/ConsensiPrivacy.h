#pragma once

#include "model/ClassCliente.h"

#include <QString>
#include <array>

// Whom a consent is given to: the panel of the privacy dialog that shows it.
enum class DestinatarioPrivacy { FCA, Dealer };

// One of the six privacy consents of a customer, with every name it goes by: the store,
// the export and the privacy dialog all take them from here, so none can pair a box, a
// column or an export row with the wrong consent.
struct ConsensoPrivacy {
    bool TCliente::*campo;             // the record's flag
    QString colonna;                   // the column of Cliente
    QString casella;                   // the objectName of the dialog's check box
    QString etichetta;                 // the check box's caption
    DestinatarioPrivacy destinatario;  // the dialog's panel
    // What the export writes into the consent's "Privacy" element.
    QString idEntity;
    QString entity;
    QString idChannel;
    QString channel;
};

// In the order of TCliente's flags and of its Create parameters, which is also the tab order
// of the dialog and the order of the export's rows: marketing FCA, third parties FCA,
// profiling FCA, marketing dealer, third parties dealer, profiling dealer. Defined in the
// header, so that a file that includes it may also use it in its own file-level objects.
inline const std::array<ConsensoPrivacy, 6> kConsensiPrivacy = {{
    {&TCliente::FMarketingFCA, QStringLiteral("PrivacyMarketingFCA"),
     QStringLiteral("CheckBoxPrivacyMarketingFCA"), QStringLiteral("Marketing"),
     DestinatarioPrivacy::FCA, QStringLiteral("1"), QStringLiteral("FCA"), QStringLiteral("A"),
     QStringLiteral("Marketing")},
    {&TCliente::FTerzePartiFCA, QStringLiteral("Privacy3thFCA"),
     QStringLiteral("CheckBoxPrivacy3thFCA"), QStringLiteral("Terze Parti"),
     DestinatarioPrivacy::FCA, QStringLiteral("1"), QStringLiteral("FCA"), QStringLiteral("B"),
     QStringLiteral("3th")},
    {&TCliente::FProfilingFCA, QStringLiteral("PrivacyProfilingFCA"),
     QStringLiteral("CheckBoxPrivacyProfilingFCA"), QStringLiteral("Profilazione"),
     DestinatarioPrivacy::FCA, QStringLiteral("1"), QStringLiteral("FCA"), QStringLiteral("C"),
     QStringLiteral("Profiling")},
    {&TCliente::FMarketingDealer, QStringLiteral("PrivacyMarketingDealer"),
     QStringLiteral("CheckBoxPrivacyMarketingDealer"), QStringLiteral("Marketing"),
     DestinatarioPrivacy::Dealer, QStringLiteral("2"), QStringLiteral("Dealer"),
     QStringLiteral("A"), QStringLiteral("Marketing")},
    {&TCliente::FTerzePartiDealer, QStringLiteral("Privacy3thDealer"),
     QStringLiteral("CheckBoxPrivacy3thDealer"), QStringLiteral("Terze Parti"),
     DestinatarioPrivacy::Dealer, QStringLiteral("2"), QStringLiteral("Dealer"),
     QStringLiteral("B"), QStringLiteral("3th")},
    {&TCliente::FProfilingDealer, QStringLiteral("PrivacyProfilingDealer"),
     QStringLiteral("CheckBoxPrivacyProfilingDealer"), QStringLiteral("Profilazione"),
     DestinatarioPrivacy::Dealer, QStringLiteral("2"), QStringLiteral("Dealer"),
     QStringLiteral("C"), QStringLiteral("Profiling")},
}};
