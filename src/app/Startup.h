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

// The connect step, run before the main window's creation uses the database: the settings
// file must be readable and name a database that opens, whose folder takes new files
// (SQLite writes its journal there) and that holds every table and column of the schema.
// Otherwise shows why, then the message that the program ends, and ends it. Returns false
// when the program must end.
bool connettiDatabase(TDataModule1& dataModule);

// The reference step: the four reference tables, in order. An engine error ends the program
// as the connect step does; any other failure is reported in the simple message box and
// the program goes on. Returns false when the program must end.
bool caricaRiferimenti(CaricatoriRiferimento& loaders);
