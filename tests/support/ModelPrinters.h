#pragma once

#include "model/ClassOperazione.h"
#include "model/ClassRicambio.h"
#include "support/QtPrinters.h"

#include <ostream>

// Readable failures.
inline void PrintTo(const TOperazione& o, std::ostream* out) {
    *out << "{" << o.FIdOperazione << ", " << o.Fprezzo.toStdString() << ", "
         << o.Fcodice.toStdString() << ", " << o.Fdescrizione.toStdString() << ", "
         << QString(o.FcodiceACarico).toStdString() << ", " << o.FIdInconveniente << "}";
}
inline void PrintTo(const TRicambio& r, std::ostream* out) {
    *out << "{" << r.FIdRicambio << ", " << r.FCodiceRicambio.toStdString() << ", "
         << r.FDescrizione.toStdString() << ", " << QString(r.FCodiceACarico).toStdString() << ", "
         << r.FIdInconveniente << "}";
}
