#pragma once

#include <QString>

// The vehicle of a job order.
struct TVeicolo {
    int FIDVeicolo = -1;
    QString FTarga;
    QString FCodiceMarca;
    QString FMVS;
    QString FTelaio;

    static TVeicolo Create(int IdVeicolo, const QString& Targa, const QString& CodiceMarca,
                           const QString& MVS, const QString& Telaio);

    friend bool operator==(const TVeicolo&, const TVeicolo&) = default;
};
