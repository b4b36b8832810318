#pragma once

#include "model/ClassListaOperazioni.h"
#include "model/ClassListaRicambi.h"

#include <QChar>
#include <QString>
#include <memory>

// One complaint of a job order. Every copy of a complaint refers to the same operation and
// part lists, so a change made through one copy is seen through all of them.
struct TInconveniente {
    int FIdInconveniente = -1;
    QString FIdCommessaDMS;
    QString FDescrizione;
    QChar FCodiceACarico;
    QChar FTipoIntervento;
    std::shared_ptr<TListaOperazioni> FListaOperazioni;
    std::shared_ptr<TListaRicambi> FListaRicambi;

    static TInconveniente Create(int IdInconveniente, const QString& IdCommessaDMS,
                                 const QString& Descrizione, QChar CodiceACarico,
                                 QChar TipoIntervento,
                                 std::shared_ptr<TListaOperazioni> ListaOperazioni,
                                 std::shared_ptr<TListaRicambi> ListaRicambi);
};
