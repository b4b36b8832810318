#pragma once

#include <memory>

class TDataModule1;
class TFormCercaCommesse;
class TFormTavorno;

// What start-up makes for the run, in the order it makes them.
struct ProgrammaTavorno {
    std::unique_ptr<TDataModule1> dataModule;
    std::unique_ptr<TFormTavorno> mainWindow;
    // Made once at start and never shown: every search makes its own.
    std::unique_ptr<TFormCercaCommesse> searchDialog;
    bool runEventLoop = false;

    ProgrammaTavorno();
    ~ProgrammaTavorno();
    ProgrammaTavorno(ProgrammaTavorno&&) noexcept;
    ProgrammaTavorno& operator=(ProgrammaTavorno&&) noexcept;
};

// Start-up up to the event loop: the data module, the main window and its set-up, the
// search dialog, the database connection and the reference tables. `runEventLoop` is false when the
// program has to end.
ProgrammaTavorno avviaTavorno();
