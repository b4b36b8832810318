#include "model/ClassInconveniente.h"

TInconveniente TInconveniente::Create(int IdInconveniente, const QString& IdCommessaDMS,
                                      const QString& Descrizione, QChar CodiceACarico,
                                      QChar TipoIntervento,
                                      std::shared_ptr<TListaOperazioni> ListaOperazioni,
                                      std::shared_ptr<TListaRicambi> ListaRicambi) {
    TInconveniente inconveniente;
    inconveniente.FIdInconveniente = IdInconveniente;
    inconveniente.FIdCommessaDMS = IdCommessaDMS;
    inconveniente.FDescrizione = Descrizione;
    inconveniente.FCodiceACarico = CodiceACarico;
    inconveniente.FTipoIntervento = TipoIntervento;
    inconveniente.FListaOperazioni = std::move(ListaOperazioni);
    inconveniente.FListaRicambi = std::move(ListaRicambi);
    return inconveniente;
}
