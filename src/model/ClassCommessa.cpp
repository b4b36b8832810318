#include "model/ClassCommessa.h"

TCommessa TCommessa::Create(const QString& IDCommessaDMS, const QString& DescrizioneCommessa,
                            const QString& CodiceOfficina, const QString& CodiceMercato,
                            const QString& CodiceScheda, const QString& DataCommessa,
                            const QString& IdCliente, int IdScheda, int IdVeicolo,
                            std::shared_ptr<TListaInconvenienti> ListaInconvenienti, bool Inviata) {
    TCommessa commessa;
    commessa.FIDCommessaDMS = IDCommessaDMS;
    commessa.FDescrizioneCommessa = DescrizioneCommessa;
    commessa.FCodiceOfficina = CodiceOfficina;
    commessa.FCodiceMercato = CodiceMercato;
    commessa.FCodiceScheda = CodiceScheda;
    commessa.FDataCommessa = DataCommessa;
    commessa.FIdCliente = IdCliente;
    commessa.FIdScheda = IdScheda;
    commessa.FIdVeicolo = IdVeicolo;
    commessa.FListaInconvenienti = std::move(ListaInconvenienti);
    commessa.FInviata = Inviata;
    return commessa;
}
