#include "support/DbProbe.h"
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

TEST(AdminTool, HelpAndUsage) {
    const ProgramRun help = admin({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("init-db PERCORSO")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("check-db PERCORSO")) << help.out.toStdString();
    EXPECT_EQ(admin({"init-db"}).exitCode, 2);
    EXPECT_EQ(admin({"sconosciuto"}).exitCode, 2);
}

}  // namespace
