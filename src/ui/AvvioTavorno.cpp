#include "ui/AvvioTavorno.h"

#include "app/Startup.h"
#include "db/UnitDB.h"
#include "platform/Interaction.h"
#include "ui/CercaCommesse.h"
#include "ui/PrivacyCliente.h"
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
    program.searchDialog = std::make_unique<TFormCercaCommesse>(*program.mainWindow);
    program.privacyDialog = std::make_unique<TFormPrivacyCliente>(TCliente());
    // Only closing the main window, or an action that ends the program, ends it: not a
    // message box that closes while the main window is hidden behind the settings dialog.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // Connected before the window's set-up, so that nothing is read from, or shown of, a
    // database that start-up refuses.
    if (!connettiDatabase(*program.dataModule)) {
        program.exitStatus = 1;
        return program;
    }
    runReportingErrors([&] { program.mainWindow->FormCreate(); });
    if (!caricaRiferimenti(*program.mainWindow)) {
        program.exitStatus = 1;
        return program;
    }
    program.runEventLoop = !interaction().endRequested();
    return program;
}
