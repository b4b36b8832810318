#include "AdminCommand.h"

#include "db/DatabaseSetup.h"
#include "platform/Errors.h"

int runInitDb(const QStringList& arguments) {
    if (arguments.size() != 1) {
        printErr(QStringLiteral("Uso: tavorno-admin init-db PERCORSO"));
        return 2;
    }
    try {
        DatabaseSetup::createDatabase(arguments.first());
    } catch (const std::exception& error) {
        printErr(errorMessage(error));
        return 1;
    }
    printOut(QStringLiteral("Database creato: %1").arg(arguments.first()));
    return 0;
}

int runCheckDb(const QStringList& arguments) {
    if (arguments.size() != 1) {
        printErr(QStringLiteral("Uso: tavorno-admin check-db PERCORSO"));
        return 2;
    }
    QStringList missing;
    try {
        missing = DatabaseSetup::missingSchemaItems(arguments.first());
    } catch (const std::exception& error) {
        printErr(errorMessage(error));
        return 1;
    }
    if (missing.isEmpty()) {
        printOut(QStringLiteral("Il database è completo: %1").arg(arguments.first()));
        return 0;
    }
    printErr(QStringLiteral("Al database %1 manca:").arg(arguments.first()));
    for (const QString& item : missing) {
        printErr(QStringLiteral("  ") + item);
    }
    return 1;
}
