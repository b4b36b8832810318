#pragma once

#include <memory>

class TDataModule1;
class TFormTavorno;

// What start-up makes for the run, in the order it makes them.
struct ProgrammaTavorno {
    std::unique_ptr<TDataModule1> dataModule;
    std::unique_ptr<TFormTavorno> mainWindow;
    bool runEventLoop = false;

    ProgrammaTavorno();
    ~ProgrammaTavorno();
    ProgrammaTavorno(ProgrammaTavorno&&) noexcept;
    ProgrammaTavorno& operator=(ProgrammaTavorno&&) noexcept;
};

// Start-up up to the event loop: the data module, the main window and its set-up, the
// database connection and the reference tables. `runEventLoop` is false when the program
// has to end.
ProgrammaTavorno avviaTavorno();
