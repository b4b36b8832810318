#include "db/UnitDB.h"
#include "support/DbProbe.h"
#include "support/ReadOnlyFolder.h"
#include "support/ScriptedInteraction.h"
#include "support/WorkFolder.h"
#include "ui/AvvioTavorno.h"
#include "ui/Tavorno.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLineEdit>

namespace {

const QString kUnusable =
    "Impossibile Connettersi al Database KORVADEX.db\r\nL'applicazione verrà terminata.";

QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

// Every file of the folder with its content.
QMap<QString, QByteArray> filesIn(const WorkFolder& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder.path()).entryList(QDir::Files)) {
        files.insert(name, readFile(folder.path(name)));
    }
    return files;
}

void validDatabase(WorkFolder& folder) {
    folder.writeDefaultSettings();
    folder.createDatabase();
}

const QStringList kAllBrands = {"ALFAROMEO", "ABARTH", "CHRYSLER", "DODGE",
                                "FIAT",      "JEEP",   "LANCIA",   "LCV"};

// --- Start-up that goes on to the event loop ----------------------------------------------

struct StartCase {
    const char* name;
    std::function<void(WorkFolder&)> prepare;
    std::vector<Shown> shown;
    QStringList brands;
    int tipiIntervento;  // entries of MapTipiIntervento
};

void PrintTo(const StartCase& c, std::ostream* out) {
    *out << c.name;
}

class Startup : public testing::TestWithParam<StartCase> {};

TEST_P(Startup, ShowsTheOutcome) {
    const StartCase& c = GetParam();
    WorkFolder folder;
    c.prepare(folder);
    const QMap<QString, QByteArray> filesBefore = filesIn(folder);
    ScriptedInteraction ui;

    const ProgrammaTavorno program = avviaTavorno();

    EXPECT_EQ(ui.shown(), c.shown);
    EXPECT_TRUE(program.runEventLoop);
    const TFormTavorno& window = *program.mainWindow;
    EXPECT_EQ(window.windowTitle(), "Tavorno 1.0.0.5");
    EXPECT_EQ(window.ComboBoxCodiceMercato->currentText(), "Italia");
    EXPECT_EQ(itemsOf(window.ComboBoxMarche), c.brands);
    EXPECT_EQ(window.MapMarche.size(), c.brands.size());
    EXPECT_EQ(window.MapTipiIntervento.size(), c.tipiIntervento);
    EXPECT_TRUE(filesIn(folder) == filesBefore) << "start-up creates or changes no file";
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, Startup,
    testing::Values(
        StartCase{"valid database", validDatabase, {}, kAllBrands, 6},
        StartCase{"a brand code twice",
                  [](WorkFolder& folder) {
                      validDatabase(folder);
                      DbProbe(folder.path("KORVADEX.db"))
                          .exec(
                              "DROP TABLE Marche; CREATE TABLE Marche (Code TEXT, "
                              "Descrizione TEXT); INSERT INTO Marche VALUES ('10', "
                              "'ALFAROMEO'), ('50', 'FIAT'), ('50', 'ALTRA'), ('60', 'JEEP');");
                  },
                  {{"simple", "", "Exception raised with message: Duplicates not allowed"}},
                  {"ALFAROMEO", "FIAT"},
                  0}));

// --- Start-up that ends -------------------------------------------------------------------

// A database or settings start-up cannot work with: the user is told why, then that the
// program ends, and it ends with a failure status before the window's set-up has read
// anything (no question, no half-filled window).
struct RefusedCase {
    const char* name;
    std::function<void(WorkFolder&)> prepare;
    QStringList reason;  // what the first message says, in parts; "<cartella>" is the folder
};

void PrintTo(const RefusedCase& c, std::ostream* out) {
    *out << c.name;
}

void damage(WorkFolder& folder, const char* sql) {
    validDatabase(folder);
    DbProbe(folder.path("KORVADEX.db")).exec(sql);
}

void expectRefused(const WorkFolder& folder, const ScriptedInteraction& ui,
                   const ProgrammaTavorno& program, const QStringList& reason) {
    ASSERT_EQ(ui.shown().size(), 3u) << testing::PrintToString(ui.shown());
    const Shown& why = ui.shown().at(0);
    EXPECT_EQ(why.kind, "message");
    EXPECT_EQ(why.title, "Errore");
    for (QString part : reason) {
        part.replace("<cartella>", QDir::toNativeSeparators(folder.path()));
        EXPECT_TRUE(why.text.contains(part)) << part.toStdString() << "\n"
                                             << why.text.toStdString();
    }
    EXPECT_EQ(ui.shown().at(1), (Shown{"simple", "", kUnusable}));
    EXPECT_EQ(ui.shown().at(2), (Shown{"end", "", ""}));
    EXPECT_FALSE(program.runEventLoop);
    EXPECT_NE(program.exitStatus, 0);
    const TFormTavorno& window = *program.mainWindow;
    EXPECT_EQ(window.windowTitle(), "Tavorno") << "the window's set-up did not run";
    EXPECT_TRUE(window.EditTarga->text().isEmpty());
    EXPECT_EQ(window.ComboBoxMarche->count(), 0);
}

class StartupRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(StartupRefused, SaysWhyAndEndsWithAFailureStatus) {
    const RefusedCase& c = GetParam();
    WorkFolder folder;
    c.prepare(folder);
    // A new job card whose chassis number would ask a question if the set-up ran.
    folder.writeDmsDocument(
        "[testa]\nTarga=AB123CD\nTelaio=ZFA31200003456789\nCodMarcaCobol=125\n"
        "[DatiScheda]\nCodiceScheda=004817\n");
    const QMap<QString, QByteArray> filesBefore = filesIn(folder);
    ScriptedInteraction ui;

    const ProgrammaTavorno program = avviaTavorno();

    expectRefused(folder, ui, program, c.reason);
    EXPECT_TRUE(filesIn(folder) == filesBefore) << "start-up creates or changes no file";
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, StartupRefused,
    testing::Values(
        RefusedCase{"no Mercati table",
                    [](WorkFolder& folder) { damage(folder, "DROP TABLE Mercati;"); },
                    {"\"KORVADEX.db\" non è completo", "tabella mancante: Mercati",
                     "tavorno-admin check-db"}},
        RefusedCase{"no Scheda table",
                    [](WorkFolder& folder) { damage(folder, "DROP TABLE Scheda;"); },
                    {"tabella mancante: Scheda"}},
        RefusedCase{"a column missing",
                    [](WorkFolder& folder) {
                        damage(folder, "ALTER TABLE Commessa DROP COLUMN StatoInvio;");
                    },
                    {"colonna mancante: Commessa.StatoInvio"}},
        RefusedCase{"an empty database file",
                    [](WorkFolder& folder) {
                        folder.writeDefaultSettings();
                        writeFile(folder.path("KORVADEX.db"), QByteArray());
                    },
                    {"il database è vuoto"}},
        RefusedCase{"no settings file",
                    [](WorkFolder& folder) { folder.createDatabase(); },
                    {"Il file di configurazione \"<cartella>/KORVADEX.ini\" non esiste",
                     "avviarlo dalla cartella giusta"}},
        RefusedCase{"an empty settings file",
                    [](WorkFolder& folder) {
                        folder.createDatabase();
                        writeFile(folder.path("KORVADEX.ini"), " \r\n\r\n");
                    },
                    {"Il file di configurazione \"<cartella>/KORVADEX.ini\" è vuoto"}},
        RefusedCase{"a settings file that cannot be read",
                    [](WorkFolder& folder) {
                        folder.createDatabase();
                        QDir(folder.path()).mkdir("KORVADEX.ini");
                    },
                    {"Il file di configurazione \"<cartella>/KORVADEX.ini\" non si può leggere",
                     "non è un file regolare"}},
        RefusedCase{"no DBPath key",
                    [](WorkFolder& folder) {
                        folder.createDatabase();
                        folder.writeSettings({{"CodiceOfficina", "0123456"}});
                    },
                    {"\"<cartella>/KORVADEX.ini\" manca il percorso del database", "DBPath"}},
        RefusedCase{"no database file",
                    [](WorkFolder& folder) { folder.writeDefaultSettings(); },
                    {"Impossibile aprire il database \"KORVADEX.db\"",
                     "non esiste o non si può aprire", "unable to open database file"}},
        RefusedCase{"a file that is no database",
                    [](WorkFolder& folder) {
                        folder.writeDefaultSettings();
                        writeFile(folder.path("KORVADEX.db"), QByteArray(4096, 'x'));
                    },
                    {"Il file non è un database di Tavorno", "file is not a database"}},
        RefusedCase{"a damaged database",
                    [](WorkFolder& folder) {
                        validDatabase(folder);
                        // Page 1 after its 100-byte header holds the table of tables.
                        QByteArray bytes = readFile(folder.path("KORVADEX.db"));
                        bytes.replace(100, 3996, QByteArray(3996, '\xFF'));
                        writeFile(folder.path("KORVADEX.db"), bytes);
                    },
                    {"Il database è danneggiato. Ripristinare una copia",
                     "database disk image is malformed"}}));

// A reference table whose pages are damaged passes the schema check and fails when it is
// read: the user is told the same way, after the window's set-up.
TEST(StartupRefusedReferences, ADamagedReferenceTableSaysWhyAndEnds) {
    WorkFolder folder;
    validDatabase(folder);
    DbProbe(folder.path("KORVADEX.db")).damageTable("Mercati");
    ScriptedInteraction ui;

    const ProgrammaTavorno program = avviaTavorno();

    ASSERT_EQ(ui.shown().size(), 3u) << testing::PrintToString(ui.shown());
    EXPECT_EQ(ui.shown().at(0).title, "Errore");
    EXPECT_TRUE(ui.shown().at(0).text.startsWith("Il database è danneggiato."))
        << ui.shown().at(0).text.toStdString();
    EXPECT_EQ(ui.shown().at(1), (Shown{"simple", "", kUnusable}));
    EXPECT_EQ(ui.shown().at(2), (Shown{"end", "", ""}));
    EXPECT_FALSE(program.runEventLoop);
    EXPECT_NE(program.exitStatus, 0);
    EXPECT_TRUE(program.mainWindow->MapMarche.isEmpty()) << "the loaders after it never run";
}

TEST(StartupRefusedFolder, ADatabaseInAFolderThatTakesNoNewFilesIsFoundAtStartUp) {
    WorkFolder folder;
    validDatabase(folder);
    const ReadOnlyFolder readOnly(folder.path());
    if (!readOnly.active()) {
        GTEST_SKIP() << "cannot make a folder read-only here";
    }
    ScriptedInteraction ui;

    const ProgrammaTavorno program = avviaTavorno();

    expectRefused(folder, ui, program,
                  {"La cartella del database \"<cartella>\" non permette di creare file",
                   "permesso di scrittura sulla cartella"});
}

}  // namespace
