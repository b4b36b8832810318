#include "ui/Entry.h"

Entry entryOf(const TOperazione& operazione) {
    return {operazione.FIdOperazione, operazione.Fdescrizione, operazione.Fcodice,
            operazione.Fprezzo, operazione.FcodiceACarico};
}

Entry entryOf(const TRicambio& ricambio) {
    return {ricambio.FIdRicambio, ricambio.FDescrizione, ricambio.FCodiceRicambio, QString(),
            ricambio.FCodiceACarico};
}

template <>
TOperazione recordOf<TOperazione>(const Entry& entry) {
    return TOperazione::Create(entry.id, -1, entry.price, entry.code, entry.description,
                               entry.chargeCode);
}

template <>
TRicambio recordOf<TRicambio>(const Entry& entry) {
    return TRicambio::Create(entry.id, -1, entry.code, entry.description, entry.chargeCode);
}
