#pragma once

#include "model/ClassListaInconvenienti.h"

#include <QString>
#include <memory>

// A job order. Every copy refers to the same complaint list.
struct TCommessa {
    QString FIDCommessaDMS;
    QString FDescrizioneCommessa;
    QString FCodiceOfficina;
    QString FCodiceMercato;
    QString FCodiceScheda;
    QString FDataCommessa;
    QString FIdCliente;
    int FIdScheda = -1;
    int FIdVeicolo = -1;
    std::shared_ptr<TListaInconvenienti> FListaInconvenienti;
    bool FInviata = false;

    static TCommessa Create(const QString& IDCommessaDMS, const QString& DescrizioneCommessa,
                            const QString& CodiceOfficina, const QString& CodiceMercato,
                            const QString& CodiceScheda, const QString& DataCommessa,
                            const QString& IdCliente, int IdScheda, int IdVeicolo,
                            std::shared_ptr<TListaInconvenienti> ListaInconvenienti, bool Inviata);
};
