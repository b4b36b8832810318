#pragma once

#include <QString>

// The customer of a job order, with the six privacy consents.
struct TCliente {
    QString FIdCliente;
    QString FRagioneSociale;
    QString FTipoCliente;  // "S" private person, "N" company
    QString FCodiceFiscale;
    QString FDataOraCessionePrivacy;
    bool FMarketingFCA = false;
    bool FTerzePartiFCA = false;
    bool FProfilingFCA = false;
    bool FMarketingDealer = false;
    bool FTerzePartiDealer = false;
    bool FProfilingDealer = false;

    // Mind the order: the fiscal code comes before the customer type here, while the
    // fields hold the type first.
    static TCliente Create(const QString& IdCliente, const QString& RagioneSociale,
                           const QString& CodiceFiscale, const QString& TipoCliente,
                           const QString& DateTimePrivacy, bool MarketingFCA, bool TerzePartiFCA,
                           bool ProfilingFCA, bool MarketingDealer, bool TerzePartiDealer,
                           bool ProfilingDealer);

    friend bool operator==(const TCliente&, const TCliente&) = default;
};
