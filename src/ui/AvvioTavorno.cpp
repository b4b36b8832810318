#include "ui/AvvioTavorno.h"

#include "app/Startup.h"
#include "db/UnitDB.h"
#include "platform/Interaction.h"
#include "ui/CercaCommesse.h"
#include "ui/Tavorno.h"

#include <QGuiApplication>

ProgrammaTavorno::ProgrammaTavorno() = default;
ProgrammaTavorno::~ProgrammaTavorno() = default;
ProgrammaTavorno::ProgrammaTavorno(ProgrammaTavorno&&) noexcept = default;
ProgrammaTavorno& ProgrammaTavorno::operator=(ProgrammaTavorno&&) noexcept = default;

ProgrammaTavorno avviaTavorno() {
    ProgrammaTavorno program;
    program.dataModule = std::make_unique<TDataModule1>();
    program.mainWindow = std::make_unique<TFormTavorno>(*program.dataModule);
    // Only closing the main window, or an action that ends the program, ends it: not a
    // message box that closes while the main window is hidden behind the settings dialog.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    runReportingErrors([&] { program.mainWindow->FormCreate(); });
    program.searchDialog = std::make_unique<TFormCercaCommesse>(*program.mainWindow);
    // The privacy dialog is made here, once it exists, before connecting.
    const bool databaseUsable =
        connettiECaricaRiferimenti(*program.dataModule, *program.mainWindow);
    program.runEventLoop = databaseUsable && !interaction().endRequested();
    return program;
}
