#pragma once

#include <QChar>
#include <QString>

// One labour operation of a complaint. An id of -1 means: no database row yet.
struct TOperazione {
    int FIdOperazione = -1;
    QString Fprezzo;
    QString Fcodice;
    QChar FcodiceACarico;  // the null character: no charge code
    QString Fdescrizione;
    int FIdInconveniente = -1;

    static TOperazione Create(int IdOperazione, int IdInconveniente, const QString& prezzo,
                              const QString& codice, const QString& descrizione,
                              QChar codiceACarico);

    friend bool operator==(const TOperazione&, const TOperazione&) = default;
};
