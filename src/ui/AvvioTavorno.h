#pragma once

#include <memory>

class TDataModule1;
class TFormCercaCommesse;
class TFormPrivacyCliente;
class TFormTavorno;

// What start-up makes for the run, in the order it makes them.
struct ProgrammaTavorno {
    std::unique_ptr<TDataModule1> dataModule;
    std::unique_ptr<TFormTavorno> mainWindow;
    // Made once at start and never shown: every search makes its own.
    std::unique_ptr<TFormCercaCommesse> searchDialog;
    // Made once at start and never shown: every "Privacy Cliente..." makes its own.
    std::unique_ptr<TFormPrivacyCliente> privacyDialog;
    bool runEventLoop = false;
    // The process's exit status when the event loop does not run: non-zero when start-up
    // ended on a failure, so that a launcher can tell it from a normal end.
    int exitStatus = 0;

    ProgrammaTavorno();
    ~ProgrammaTavorno();
    ProgrammaTavorno(ProgrammaTavorno&&) noexcept;
    ProgrammaTavorno& operator=(ProgrammaTavorno&&) noexcept;
};

// Start-up up to the event loop: the data module, the main window, the database connection,
// the window's set-up and the reference tables. `runEventLoop` is false when the program
// has to end.
ProgrammaTavorno avviaTavorno();
