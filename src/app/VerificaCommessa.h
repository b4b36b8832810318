#pragma once

#include <QString>
#include <QStringList>

// The texts of the main window that a job order must have before it is stored.
struct DatiCommessaDaVerificare {
    QString targa;
    QString marca;
    QString mvs;
    QString telaio;
    QString codiceOfficina;
    QString mercato;
    QString descrizione;
    QString ragioneSociale;
    QString tipoCliente;
    QString codiceFiscale;
    QString idCliente;
};

// The window's checks in three groups, always all three, in the order vehicle, job order,
// customer: for each group that fails, the message of its first failing rule. Empty when
// the data may be stored. Only emptiness and lengths are checked, counted in characters.
QStringList erroriDatiCommessa(const DatiCommessaDaVerificare& dati, bool descrizioneRichiesta);
