#pragma once

class TDataModule1;

// The main window's reference loaders, which start-up runs in this order after the window
// has been created and filled.
class CaricatoriRiferimento {
public:
    virtual ~CaricatoriRiferimento() = default;
    virtual void CaricaMercati() = 0;
    virtual void CaricaMarche() = 0;
    virtual void CaricaTipiIntervento() = 0;
    virtual void CaricaCodiciACarico() = 0;
};

// The start-up steps after the windows exist: connect to the database named by DBPath,
// then load the four reference tables. Reports failures in the simple message box. Returns
// false when the program must end (the database could not be used).
bool connettiECaricaRiferimenti(TDataModule1& dataModule, CaricatoriRiferimento& loaders);
