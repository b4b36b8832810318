#pragma once

#include <QChar>
#include <QString>

// One spare part of a complaint. An id of -1 means: no database row yet.
struct TRicambio {
    int FIdRicambio = -1;
    QString FCodiceRicambio;
    QString FDescrizione;
    QChar FCodiceACarico;  // the null character: no charge code
    int FIdInconveniente = -1;

    static TRicambio Create(int IdRicambio, int IdInconveniente, const QString& CodiceRicambio,
                            const QString& Descrizione, QChar CodiceACarico);

    friend bool operator==(const TRicambio&, const TRicambio&) = default;
};
