#include "app/Settings.h"
#include "platform/Errors.h"
#include "platform/Paths.h"
#include "support/WorkFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(Paths, FilesOfTheWorkingFolder) {
    WorkFolder folder;
    EXPECT_EQ(Paths::settingsFile(), folder.path("KORVADEX.ini"));
    EXPECT_EQ(Paths::uploaderProgram(), folder.path("Marlquist/Sendavo"));
}

TEST(Paths, DmsFolderFromCartellaDMS) {
    WorkFolder folder;
    const struct {
        const char* setting;  // nullptr: no settings file
        QString expected;
    } cases[] = {
        {nullptr, QDir::home().filePath("IDAPI/STAMPA")},
        {"", QDir::home().filePath("IDAPI/STAMPA")},
        {"STAMPA", folder.path("STAMPA")},
        {"./dms/../STAMPA/", folder.path("STAMPA")},
        {"/srv/dms", "/srv/dms"},
    };
    for (const auto& c : cases) {
        QFile::remove(folder.path("KORVADEX.ini"));
        if (c.setting != nullptr) {
            folder.writeSettings({{"CartellaDMS", c.setting}});
        }
        EXPECT_EQ(Paths::dmsFolder(), c.expected) << (c.setting ? c.setting : "(no file)");
    }
    EXPECT_EQ(Paths::dmsDocument(), "/srv/dms/DOCT.ini");
    EXPECT_EQ(Paths::exportDocument(), "/srv/dms/KORVADEX.XML");
}

TEST(Settings, ReadsParamsOfTheWorkingFolder) {
    WorkFolder folder;
    EXPECT_EQ(Settings::read("DBPath"), "");
    writeFile(folder.path("KORVADEX.ini"), "[params]\n dbpath = 'dati/KORVADEX.db'\n");
    EXPECT_EQ(Settings::read("DBPath"), "dati/KORVADEX.db");
}

TEST(Settings, ParseBoolean) {
    const struct {
        QString text;
        bool value;
    } valid[] = {{"true", true}, {"TRUE", true}, {"False", false}, {"1", true},
                 {"0", false},   {"2.5", true},  {"-1", true},     {"0.0", false}};
    for (const auto& c : valid) {
        EXPECT_EQ(Settings::parseBoolean(c.text), c.value) << c.text.toStdString();
    }
    for (const QString text : {"yes", "", "si", "inf", "nan", "1x"}) {
        try {
            Settings::parseBoolean(text);
            ADD_FAILURE() << text.toStdString() << " was accepted";
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.message(), "'" + text + "' is not a valid boolean value");
        }
    }
}

}  // namespace
