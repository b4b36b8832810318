#include "ui/AvvioTavorno.h"

#include "app/Startup.h"
#include "db/UnitDB.h"
#include "platform/Interaction.h"
#include "ui/Tavorno.h"

ProgrammaTavorno::ProgrammaTavorno() = default;
ProgrammaTavorno::~ProgrammaTavorno() = default;
ProgrammaTavorno::ProgrammaTavorno(ProgrammaTavorno&&) noexcept = default;
ProgrammaTavorno& ProgrammaTavorno::operator=(ProgrammaTavorno&&) noexcept = default;

ProgrammaTavorno avviaTavorno() {
    ProgrammaTavorno program;
    program.dataModule = std::make_unique<TDataModule1>();
    program.mainWindow = std::make_unique<TFormTavorno>(*program.dataModule);
    runReportingErrors([&] { program.mainWindow->FormCreate(); });
    // The search and privacy dialogs are made here, once they exist, before connecting.
    const bool databaseUsable =
        connettiECaricaRiferimenti(*program.dataModule, *program.mainWindow);
    program.runEventLoop = databaseUsable && !interaction().endRequested();
    return program;
}
