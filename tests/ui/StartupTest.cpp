#include "db/UnitDB.h"
#include "support/DbProbe.h"
#include "support/ScriptedInteraction.h"
#include "support/WorkFolder.h"
#include "ui/AvvioTavorno.h"
#include "ui/Tavorno.h"

#include <gtest/gtest.h>
#include <QComboBox>

namespace {

const QString kUnusable =
    "Impossibile Connettersi al Database KORVADEX.db\r\nL'applicazione verrà terminata.";
// Without the settings the flag of sent job orders is no boolean text; creation reports it.
const QString kFlagMissing = "'' is not a valid boolean value";

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

struct StartCase {
    const char* name;
    std::function<void(WorkFolder&)> prepare;
    std::vector<Shown> shown;
    bool runs;
    QString marketText;
    QStringList brands;
    int tipiIntervento;  // entries of MapTipiIntervento
};

void PrintTo(const StartCase& c, std::ostream* out) {
    *out << c.name;
}

void validDatabase(WorkFolder& folder) {
    folder.writeDefaultSettings();
    folder.createDatabase();
}

const QStringList kAllBrands = {"ALFAROMEO", "ABARTH", "CHRYSLER", "DODGE",
                                "FIAT",      "JEEP",   "LANCIA",   "LCV"};

class Startup : public testing::TestWithParam<StartCase> {};

TEST_P(Startup, ShowsTheOutcome) {
    const StartCase& c = GetParam();
    WorkFolder folder;
    c.prepare(folder);
    const QMap<QString, QByteArray> filesBefore = filesIn(folder);
    ScriptedInteraction ui;
    for (const Shown& expected : c.shown) {
        if (expected.kind == QStringLiteral("error")) {
            ui.expectError(expected.text);
        }
    }

    const ProgrammaTavorno program = avviaTavorno();

    EXPECT_EQ(ui.shown(), c.shown);
    EXPECT_EQ(program.runEventLoop, c.runs);
    const TFormTavorno& window = *program.mainWindow;
    EXPECT_EQ(window.windowTitle(), "Tavorno 1.0.0.5");
    EXPECT_EQ(window.ComboBoxCodiceMercato->currentText(), c.marketText);
    EXPECT_EQ(itemsOf(window.ComboBoxMarche), c.brands);
    EXPECT_EQ(window.MapMarche.size(), c.brands.size());
    EXPECT_EQ(window.MapTipiIntervento.size(), c.tipiIntervento);
    EXPECT_TRUE(filesIn(folder) == filesBefore) << "start-up creates or changes no file";
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, Startup,
    testing::Values(
        StartCase{"valid database", validDatabase, {}, true, "Italia", kAllBrands, 6},
        StartCase{"no Mercati table",
                  [](WorkFolder& folder) {
                      validDatabase(folder);
                      DbProbe(folder.path("KORVADEX.db")).exec("DROP TABLE Mercati;");
                  },
                  {{"simple", "", kUnusable}, {"end", "", ""}},
                  false,
                  "",
                  {},
                  0},
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
                  true,
                  "Italia",
                  {"ALFAROMEO", "FIAT"},
                  0},
        StartCase{"no settings file",
                  [](WorkFolder& folder) { folder.createDatabase(); },
                  {{"error", "", kFlagMissing}, {"simple", "", kUnusable}, {"end", "", ""}},
                  false,
                  "",
                  {},
                  0},
        StartCase{"no DBPath key",
                  [](WorkFolder& folder) {
                      folder.createDatabase();
                      folder.writeSettings({{"CodiceOfficina", "0123456"}});
                  },
                  {{"error", "", kFlagMissing}, {"simple", "", kUnusable}, {"end", "", ""}},
                  false,
                  "",
                  {},
                  0},
        StartCase{"no database file",
                  [](WorkFolder& folder) { folder.writeDefaultSettings(); },
                  {{"simple", "", kUnusable}, {"end", "", ""}},
                  false,
                  "",
                  {},
                  0},
        StartCase{"not a database",
                  [](WorkFolder& folder) {
                      folder.writeDefaultSettings();
                      writeFile(folder.path("KORVADEX.db"), "[Params]\nDBPath=KORVADEX.db\n");
                  },
                  {{"simple", "", kUnusable}, {"end", "", ""}},
                  false,
                  "",
                  {},
                  0},
        StartCase{"empty database file",
                  [](WorkFolder& folder) {
                      folder.writeDefaultSettings();
                      writeFile(folder.path("KORVADEX.db"), QByteArray());
                  },
                  {{"simple", "", kUnusable}, {"end", "", ""}},
                  false,
                  "",
                  {},
                  0},
        StartCase{"empty settings file",
                  [](WorkFolder& folder) {
                      folder.createDatabase();
                      writeFile(folder.path("KORVADEX.ini"), QByteArray());
                  },
                  {{"error", "", kFlagMissing}, {"simple", "", kUnusable}, {"end", "", ""}},
                  false,
                  "",
                  {},
                  0}));

}  // namespace
