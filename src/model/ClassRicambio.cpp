#include "model/ClassRicambio.h"

TRicambio TRicambio::Create(int IdRicambio, int IdInconveniente, const QString& CodiceRicambio,
                            const QString& Descrizione, QChar CodiceACarico) {
    TRicambio ricambio;
    ricambio.FIdRicambio = IdRicambio;
    ricambio.FCodiceRicambio = CodiceRicambio;
    ricambio.FDescrizione = Descrizione;
    ricambio.FCodiceACarico = CodiceACarico;
    ricambio.FIdInconveniente = IdInconveniente;
    return ricambio;
}
