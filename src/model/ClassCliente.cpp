#include "model/ClassCliente.h"

TCliente TCliente::Create(const QString& IdCliente, const QString& RagioneSociale,
                          const QString& CodiceFiscale, const QString& TipoCliente,
                          const QString& DateTimePrivacy, bool MarketingFCA, bool TerzePartiFCA,
                          bool ProfilingFCA, bool MarketingDealer, bool TerzePartiDealer,
                          bool ProfilingDealer) {
    TCliente cliente;
    cliente.FIdCliente = IdCliente;
    cliente.FRagioneSociale = RagioneSociale;
    cliente.FTipoCliente = TipoCliente;
    cliente.FCodiceFiscale = CodiceFiscale;
    cliente.FDataOraCessionePrivacy = DateTimePrivacy;
    cliente.FMarketingFCA = MarketingFCA;
    cliente.FTerzePartiFCA = TerzePartiFCA;
    cliente.FProfilingFCA = ProfilingFCA;
    cliente.FMarketingDealer = MarketingDealer;
    cliente.FTerzePartiDealer = TerzePartiDealer;
    cliente.FProfilingDealer = ProfilingDealer;
    return cliente;
}
