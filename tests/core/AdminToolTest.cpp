#include "support/DbProbe.h"
#include "support/LockHolder.h"
#include "support/ProgramRun.h"
#include "support/WorkFolder.h"

#include <gtest/gtest.h>

namespace {

ProgramRun admin(const QStringList& arguments) {
    return runProgram(QStringLiteral(TAVORNO_ADMIN_PATH), arguments);
}

TEST(AdminTool, InitDbMakesADatabaseThatCheckDbAccepts) {
    WorkFolder folder;
    const QString path = folder.path("KORVADEX.db");
    const ProgramRun init = admin({"init-db", path});
    EXPECT_EQ(init.exitCode, 0) << init.err.toStdString();

    const ProgramRun check = admin({"check-db", path});
    EXPECT_EQ(check.exitCode, 0) << check.err.toStdString();
    EXPECT_EQ(check.err, "");

    DbProbe probe(path);
    EXPECT_EQ(probe.scalar("SELECT MarketCode FROM Mercati WHERE Descrizione = 'Italia'"), "380");
    EXPECT_GT(probe.count("Marche"), 0);
    EXPECT_EQ(
        probe.scalar("SELECT count(*) FROM TipoIntervento WHERE length(IdTipoIntervento) <> 1"),
        "0");
    EXPECT_EQ(probe.scalar("SELECT count(*) FROM CodiceACarico WHERE length(IdCodiceACarico) <> 1"),
              "0");
}

TEST(AdminTool, InitDbRefusesAnExistingFile) {
    WorkFolder folder;
    const QString path = folder.path("KORVADEX.db");
    writeFile(path, "dati del cliente");
    const ProgramRun init = admin({"init-db", path});
    EXPECT_NE(init.exitCode, 0);
    EXPECT_TRUE(init.err.contains("esiste già")) << init.err.toStdString();
    EXPECT_EQ(readFile(path), "dati del cliente");
}

// Names SQLite takes for a database without a file: nothing would be made.
TEST(AdminTool, InitDbRefusesWhatNamesNoFile) {
    WorkFolder folder;
    const QStringList before =
        QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString path : {"", " ", ":memory:", "file:x.db?mode=memory", "FILE:y.db"}) {
        const ProgramRun init = admin({"init-db", path});
        EXPECT_EQ(init.exitCode, 1) << path.toStdString();
        EXPECT_TRUE(init.err.contains("non è il percorso di un file")) << init.err.toStdString();
        EXPECT_FALSE(init.out.contains("Database creato")) << path.toStdString();
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

TEST(AdminTool, CheckDbNamesWhatADamagedDatabaseLacks) {
    const struct {
        const char* damage;
        QString reported;
    } cases[] = {
        {"DROP TABLE Ricambio;", "tabella mancante: Ricambio"},
        {"ALTER TABLE Veicolo DROP COLUMN Telaio;", "colonna mancante: Veicolo.Telaio"},
        {"DROP INDEX IX_Veicolo_Targa;", "indice mancante: Veicolo(Targa)"},
        {"DROP TABLE Operazione;"
         "CREATE TABLE Operazione (IdOperazione INTEGER PRIMARY KEY AUTOINCREMENT, Prezzo TEXT,"
         " CodiceOperazione TEXT, Descrizione TEXT, CodiceACarico TEXT,"
         " IdInconveniente INTEGER REFERENCES Inconveniente (IdInconveniente));"
         "CREATE INDEX IX_Operazione_IdInconveniente ON Operazione (IdInconveniente);",
         "chiave esterna mancante: Operazione.IdInconveniente -> Inconveniente.IdInconveniente "
         "ON DELETE CASCADE"},
        {"DROP TABLE Marche; CREATE TABLE Marche (Descrizione TEXT, Code TEXT PRIMARY KEY);"
         "CREATE INDEX IX_Marche_Descrizione ON Marche (Descrizione);",
         "colonna Code della tabella Marche non in posizione 1"},
    };
    for (const auto& c : cases) {
        WorkFolder folder;
        const QString path = folder.createDatabase();
        DbProbe(path).exec(c.damage);
        const ProgramRun check = admin({"check-db", path});
        EXPECT_EQ(check.exitCode, 1) << c.damage;
        EXPECT_TRUE(check.err.contains("  " + c.reported + "\n")) << c.damage << "\n"
                                                                  << check.err.toStdString();
    }
}

TEST(AdminTool, CheckDbOnAFileThatIsNoDatabase) {
    WorkFolder folder;
    writeFile(folder.path("testo.db"), QByteArray(4096, 'x'));
    for (const QString name : {"testo.db", "manca.db"}) {
        const ProgramRun check = admin({"check-db", folder.path(name)});
        EXPECT_EQ(check.exitCode, 1) << name.toStdString();
        EXPECT_FALSE(check.err.isEmpty()) << name.toStdString();
    }
    EXPECT_FALSE(QFile::exists(folder.path("manca.db")));
}

TEST(AdminTool, CheckDbFindsADamagedPageBehindACompleteSchema) {
    WorkFolder folder;
    const QString path = folder.createDatabase();
    DbProbe(path).damageTable("Veicolo");
    const ProgramRun check = admin({"check-db", path});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_TRUE(check.err.contains("danneggiato")) << check.err.toStdString();
    EXPECT_FALSE(check.out.contains("completo")) << check.out.toStdString();
}

// --- The database in use ----------------------------------------------------------------

// Tavorno's settings in the folder, its database, and in it a vehicle already saved.
QString databaseInUse(WorkFolder& folder) {
    folder.writeDefaultSettings();
    const QString path = folder.createDatabase();
    DbProbe(path).exec("INSERT INTO Veicolo (Targa) VALUES ('AB123CD');");
    return path;
}

// Another program holds the database for a moment, as Tavorno does while it commits: the
// tool waits, as the program does, instead of failing at once.
TEST(AdminTool, CheckDbAndBackupWaitForABusyDatabase) {
    for (const QString command : {"check-db", "backup"}) {
        WorkFolder folder;
        const QString path = databaseInUse(folder);
        const LockHolder otherProgram(path, "BEGIN EXCLUSIVE;", std::chrono::milliseconds(1000));
        const ProgramRun run =
            admin({command, command == "check-db" ? path : folder.path("copia.db")});
        EXPECT_EQ(run.exitCode, 0) << command.toStdString() << ": " << run.err.toStdString();
    }
}

// A database in write-ahead-log mode gets -wal and -shm files from every reader; a reader
// that cannot write leaves them behind.
TEST(AdminTool, CheckDbAndBackupLeaveNoLogFilesOfAWalDatabase) {
    for (const QString command : {"check-db", "backup"}) {
        WorkFolder folder;
        const QString path = databaseInUse(folder);
        DbProbe(path).exec("PRAGMA journal_mode = WAL;");
        ASSERT_FALSE(QFile::exists(path + "-wal"));
        const ProgramRun run =
            admin({command, command == "check-db" ? path : folder.path("copia.db")});
        EXPECT_EQ(run.exitCode, 0) << command.toStdString() << ": " << run.err.toStdString();
        const QStringList leftovers =
            QDir(folder.path()).entryList({"*-wal", "*-shm", "*-journal"}, QDir::Files);
        EXPECT_TRUE(leftovers.isEmpty())
            << command.toStdString() << ": " << leftovers.join(' ').toStdString();
    }
}

TEST(AdminBackup, CopiesTheDatabaseOfTheSettingsWhileTavornoIsSaving) {
    WorkFolder folder;
    const QString path = databaseInUse(folder);
    // Tavorno in the middle of a save: its write transaction is not committed yet.
    DbProbe tavorno(path);
    tavorno.exec("BEGIN IMMEDIATE; INSERT INTO Veicolo (Targa) VALUES ('NON SALVATO');");

    const ProgramRun backup = admin({"backup", "copia.db"});
    tavorno.exec("COMMIT;");

    ASSERT_EQ(backup.exitCode, 0) << backup.err.toStdString();
    EXPECT_TRUE(backup.out.contains("scritta e verificata")) << backup.out.toStdString();
    DbProbe copy(folder.path("copia.db"));
    EXPECT_EQ(copy.rows("SELECT Targa FROM Veicolo"), QStringList{"AB123CD"});
    EXPECT_EQ(copy.scalar("PRAGMA integrity_check"), "ok");
    EXPECT_EQ(copy.scalar("SELECT Descrizione FROM Mercati WHERE MarketCode = 380"), "Italia");
    EXPECT_EQ(admin({"check-db", folder.path("copia.db")}).exitCode, 0);
}

TEST(AdminBackup, IntoAFolderTheCopyIsNamedAfterTheDatabaseAndTheTime) {
    WorkFolder folder;
    databaseInUse(folder);
    ASSERT_TRUE(QDir(folder.path()).mkdir("copie"));
    const ProgramRun backup = admin({"backup", folder.path("copie")});
    ASSERT_EQ(backup.exitCode, 0) << backup.err.toStdString();
    const QStringList copies = QDir(folder.path("copie")).entryList(QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_TRUE(QRegularExpression("^KORVADEX-\\d{8}-\\d{6}\\.db$").match(copies[0]).hasMatch())
        << copies[0].toStdString();
}

TEST(AdminBackup, RefusesAndLeavesNothingBehind) {
    const struct {
        const char* name;
        std::function<void(WorkFolder&)> prepare;
        QString destination;
        QString message;
    } cases[] = {
        {"an existing copy",
         [](WorkFolder& folder) { writeFile(folder.path("copia.db"), "copia di ieri"); },
         "copia.db", "esiste già"},
        {"no file name", [](WorkFolder&) {}, ":memory:", "non è il percorso di un file"},
        {"a missing folder", [](WorkFolder&) {}, "manca/copia.db", "manca/copia.db"},
        {"no settings", [](WorkFolder& folder) { QFile::remove(folder.path("KORVADEX.ini")); },
         "copia.db", "KORVADEX.ini\" non esiste"},
        {"a damaged database",
         [](WorkFolder& folder) { DbProbe(folder.path("KORVADEX.db")).damageTable("Veicolo"); },
         "copia.db", "controllo di integrità"},
    };
    for (const auto& c : cases) {
        WorkFolder folder;
        databaseInUse(folder);
        c.prepare(folder);
        const QStringList before =
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const QByteArray existing = readFile(folder.path("copia.db"));

        const ProgramRun backup = admin({"backup", c.destination});

        EXPECT_EQ(backup.exitCode, 1) << c.name;
        EXPECT_TRUE(backup.err.contains(c.message)) << c.name << ": " << backup.err.toStdString();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before)
            << c.name;
        EXPECT_EQ(readFile(folder.path("copia.db")), existing) << c.name;
    }
}

TEST(AdminTool, HelpAndUsage) {
    const ProgramRun help = admin({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("init-db PERCORSO")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("check-db PERCORSO")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("backup DESTINAZIONE")) << help.out.toStdString();
    EXPECT_EQ(admin({"init-db"}).exitCode, 2);
    EXPECT_EQ(admin({"backup"}).exitCode, 2);
    EXPECT_EQ(admin({"sconosciuto"}).exitCode, 2);
}

}  // namespace
