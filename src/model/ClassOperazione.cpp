#include "model/ClassOperazione.h"

TOperazione TOperazione::Create(int IdOperazione, int IdInconveniente, const QString& prezzo,
                                const QString& codice, const QString& descrizione,
                                QChar codiceACarico) {
    TOperazione operazione;
    operazione.FIdOperazione = IdOperazione;
    operazione.Fprezzo = prezzo;
    operazione.Fcodice = codice;
    operazione.FcodiceACarico = codiceACarico;
    operazione.Fdescrizione = descrizione;
    operazione.FIdInconveniente = IdInconveniente;
    return operazione;
}
