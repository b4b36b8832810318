#include "AdminCommand.h"

#include "app/Settings.h"
#include "db/DatabaseBackup.h"
#include "db/DatabaseSetup.h"
#include "platform/Errors.h"

namespace {

void printItems(const QString& heading, const QStringList& items) {
    printErr(heading);
    for (const QString& item : items) {
        printErr(QStringLiteral("  ") + item);
    }
}

}  // namespace

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
    const QString& path = arguments.first();
    DatabaseSetup::DatabaseCheck check;
    try {
        check = DatabaseSetup::checkDatabase(path);
    } catch (const std::exception& error) {
        printErr(errorMessage(error));
        return 1;
    }
    if (check.missing.isEmpty() && check.damage.isEmpty()) {
        printOut(QStringLiteral("Il database è completo e integro: %1").arg(path));
        return 0;
    }
    if (!check.missing.isEmpty()) {
        printItems(QStringLiteral("Al database %1 manca:").arg(path), check.missing);
    }
    if (!check.damage.isEmpty()) {
        printItems(QStringLiteral("Il database %1 è danneggiato (ripristinarne una copia di "
                                  "sicurezza):")
                       .arg(path),
                   check.damage);
    }
    return 1;
}

int runBackup(const QStringList& arguments) {
    if (arguments.size() != 1) {
        printErr(QStringLiteral("Uso: tavorno-admin backup DESTINAZIONE"));
        return 2;
    }
    try {
        const QString database = Settings::databasePath();
        const QString copy = DatabaseBackup::backupDatabase(database, arguments.first());
        printOut(
            QStringLiteral("Copia del database %1 scritta e verificata: %2").arg(database, copy));
        return 0;
    } catch (const std::exception& error) {
        printErr(errorMessage(error));
        return 1;
    }
}
