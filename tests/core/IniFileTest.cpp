#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "platform/TextDecoding.h"
#include "support/ErrorOf.h"
#include "support/FileSizeLimit.h"
#include "support/WorkFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// --- Reading ----------------------------------------------------------------------------

struct ReadCase {
    const char* name;
    QByteArray file;
    QString section;
    QString key;
    bool exists;
    QString value;  // read with the default "DEFAULT"
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

class IniRead : public testing::TestWithParam<ReadCase> {};

TEST_P(IniRead, FindsTheValue) {
    const ReadCase& c = GetParam();
    WorkFolder folder;
    writeFile(folder.path("test.ini"), c.file);
    const IniFile ini(folder.path("test.ini"));
    EXPECT_EQ(ini.valueExists(c.section, c.key), c.exists);
    EXPECT_EQ(ini.readString(c.section, c.key, "DEFAULT"), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniRead,
    testing::Values(
        ReadCase{"plain", "[Params]\nDBPath=KORVADEX.db\n", "Params", "DBPath", true,
                 "KORVADEX.db"},
        ReadCase{"names ignore case and blanks", "[ Params ]\n  DBPath  =  db  \n", " PARAMS ",
                 "dbpath ", true, "db"},
        ReadCase{"CRLF lines", "[Params]\r\nDBPath=db\r\nX=1\r\n", "Params", "DBPath", true, "db"},
        ReadCase{"double quotes", "[P]\nK= \"a b\" \n", "P", "K", true, "a b"},
        ReadCase{"single quotes", "[P]\nK='a b'\n", "P", "K", true, "a b"},
        ReadCase{"only one pair of quotes", "[P]\nK=\"\"a\"\"\n", "P", "K", true, "\"a\""},
        ReadCase{"mismatched quotes kept", "[P]\nK=\"a'\n", "P", "K", true, "\"a'"},
        ReadCase{"a lone quote kept", "[P]\nK=\"\n", "P", "K", true, "\""},
        ReadCase{"equals sign inside the value", "[P]\nK=a=b\n", "P", "K", true, "a=b"},
        ReadCase{"empty value exists", "[P]\nK=\n", "P", "K", true, ""},
        ReadCase{"first key wins", "[P]\nK=first\nk=second\n", "P", "K", true, "first"},
        ReadCase{"first section wins", "[P]\nK=first\n[p]\nK=second\nL=x\n", "P", "K", true,
                 "first"},
        ReadCase{"repeated section not read", "[P]\nK=1\n[p]\nL=x\n", "P", "L", false, "DEFAULT"},
        ReadCase{"commented key", "[P]\n;K=hidden\n", "P", "K", false, "DEFAULT"},
        ReadCase{"key of another section", "[A]\nK=a\n[B]\nL=b\n", "B", "K", false, "DEFAULT"},
        ReadCase{"key before any section", "K=x\n[P]\n", "P", "K", false, "DEFAULT"},
        ReadCase{"line without equals", "[P]\nK\n", "P", "K", false, "DEFAULT"},
        ReadCase{"byte order mark", "\xEF\xBB\xBF[P]\nK=v\n", "P", "K", true, "v"},
        ReadCase{"CR-only lines", "[P]\rJ=1\rK=v\r", "P", "K", true, "v"},
        ReadCase{"CR, LF and CRLF mixed", "[P]\rJ=1\nK=v\r\nL=2", "P", "K", true, "v"},
        ReadCase{"UTF-8 mark before Windows-1252 text", "\xEF\xBB\xBF[P]\nK=Citt\xE0\n", "P", "K",
                 true, "Città"},
        ReadCase{"UTF-16 little endian with its mark",
                 QByteArray("\xFF\xFE[\0P\0]\0\r\0\n\0K\0=\0\xE0\0\r\0\n\0", 22), "P", "K", true,
                 "à"},
        ReadCase{"UTF-16 big endian with its mark",
                 QByteArray("\xFE\xFF\0[\0P\0]\0\n\0K\0=\x20\xAC\0\n", 18), "P", "K", true, "€"},
        ReadCase{"UTF-8 text", "[P]\nK=Citt\xC3\xA0\n", "P", "K", true, "Città"},
        ReadCase{"Windows-1252 text", "[P]\nK=Citt\xE0 \x80 \x96\n", "P", "K", true, "Città € –"},
        ReadCase{"binary file", QByteArray("\x00\x01\xFF[P]\n\x00", 7), "P", "K", false,
                 "DEFAULT"}));

TEST(IniFile, MissingFileIsAnEmptyDocument) {
    WorkFolder folder;
    const IniFile ini(folder.path("missing.ini"));
    EXPECT_FALSE(ini.fileExists());
    EXPECT_FALSE(ini.sectionExists("Params"));
    EXPECT_EQ(ini.readString("Params", "DBPath", "d"), "d");
    EXPECT_FALSE(QFile::exists(folder.path("missing.ini")));
}

// Opening a FIFO waits for a writer that never comes; what is no regular file is refused.
TEST(IniFile, WhatIsNoRegularFileIsRefusedWithoutWaiting) {
    WorkFolder folder;
    const QString fifo = folder.path("DOCT.ini");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    for (const QString& path : {fifo, folder.dmsFolder(), QStringLiteral("/dev/null")}) {
        const IniFile ini(path);
        EXPECT_TRUE(ini.fileExists()) << path.toStdString();
        EXPECT_EQ(ini.readError(), "non è un file regolare") << path.toStdString();
    }
}

TEST(TextDecoding, Utf8WhenValidWindows1252Otherwise) {
    EXPECT_EQ(decodeDocumentText("perch\xC3\xA9 \xE2\x82\xAC"), "perché €");
    // One invalid sequence makes the whole document Windows-1252, even beside valid UTF-8.
    EXPECT_EQ(decodeDocumentText("\xC3\xA9 \xE8"), "Ã© è");
    // A UTF-8 sequence cut at the end of the file is not valid UTF-8.
    EXPECT_EQ(decodeDocumentText("a\xC3"), "aÃ");
    // The bytes Windows-1252 leaves undefined survive as the control characters.
    EXPECT_EQ(decodeWindows1252("\x81\x8D\x8F\x90\x9D"),
              QString(QChar(0x81)) + QChar(0x8D) + QChar(0x8F) + QChar(0x90) + QChar(0x9D));
}

// --- Writing ----------------------------------------------------------------------------

struct WriteCase {
    const char* name;
    QByteArray before;  // empty: no file
    QString section;
    QString key;
    QString value;
    QByteArray after;
};

void PrintTo(const WriteCase& c, std::ostream* out) {
    *out << c.name;
}

class IniWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(IniWrite, KeepsEveryOtherLine) {
    const WriteCase& c = GetParam();
    WorkFolder folder;
    const QString path = folder.path("test.ini");
    if (!c.before.isEmpty()) {
        writeFile(path, c.before);
    }
    IniFile ini(path);
    ini.writeString(c.section, c.key, c.value);
    ini.save();
    EXPECT_EQ(readFile(path), c.after);
    EXPECT_EQ(IniFile(path).readString(c.section, c.key), QString(c.value).replace('\n', ' '));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniWrite,
    testing::Values(WriteCase{"in place, CRLF kept", "; settings\r\n[Params]\r\nA=1\r\nB=2\r\n",
                              "Params", "A", "9", "; settings\r\n[Params]\r\nA=9\r\nB=2\r\n"},
                    WriteCase{"in place, matched without case", "[Params]\nDBPath=old\n", "params",
                              "DBPath", "new", "[Params]\nDBPath=new\n"},
                    WriteCase{"appended after the section's last key",
                              "[Params]\nA=1\n;note\n\n[Other]\nC=3\n", "Params", "B", "2",
                              "[Params]\nA=1\nB=2\n;note\n\n[Other]\nC=3\n"},
                    WriteCase{"into an empty section", "[Params]\n[Other]\nC=3\n", "Params", "B",
                              "2", "[Params]\nB=2\n[Other]\nC=3\n"},
                    WriteCase{"new section at the end", "[Params]\nA=1", "Nuova", "K", "v",
                              "[Params]\nA=1\n\n[Nuova]\nK=v\n"},
                    WriteCase{"new file", "", "Params", "DBPath", "KORVADEX.db",
                              "[Params]\nDBPath=KORVADEX.db\n"},
                    WriteCase{"line breaks in the value become blanks", "[P]\nK=1\n", "P", "K",
                              "a\nb", "[P]\nK=a b\n"},
                    WriteCase{"Windows-1252 file rewritten as UTF-8", "[P]\nN=Citt\xE0\nK=1\n", "P",
                              "K", "2", "[P]\nN=Citt\xC3\xA0\nK=2\n"}));

TEST(IniFile, SaveReplacesTheFileWholeInsteadOfRewritingIt) {
    WorkFolder folder;
    const QString path = folder.path("KORVADEX.ini");
    writeFile(path, "[Params]\nA=1\n");
    // A second name for the old file: rewriting in place would change it too.
    ASSERT_EQ(::link(QFile::encodeName(path).constData(),
                     QFile::encodeName(folder.path("old.ini")).constData()),
              0);

    IniFile ini(path);
    ini.writeString("Params", "A", "2");
    ini.save();

    EXPECT_EQ(readFile(path), "[Params]\nA=2\n");
    EXPECT_EQ(readFile(folder.path("old.ini")), "[Params]\nA=1\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), (QStringList{"KORVADEX.ini", "old.ini"}));
}

TEST(IniFile, SaveIntoAMissingFolderFailsWithAMessage) {
    WorkFolder folder;
    IniFile ini(folder.path("manca/KORVADEX.ini"));
    ini.writeString("Params", "A", "1");
    try {
        ini.save();
        FAIL() << "no error";
    } catch (const TavornoError& error) {
        EXPECT_TRUE(error.message().startsWith("Impossibile scrivere il file")) << error.what();
    }
    EXPECT_FALSE(QDir(folder.path("manca")).exists());
}

// A full disk half-way through the settings file must not publish a truncated one.
TEST(IniFile, AShortWriteLeavesTheOldFileWhole) {
    WorkFolder folder;
    const QString path = folder.path("KORVADEX.ini");
    writeFile(path, "[Params]\nDBPath=KORVADEX.db\n");
    IniFile ini(path);
    ini.writeString("Params", "Note", QString(4000, u'x'));
    QString error;
    {
        FileSizeLimit limit(1000);
        error = errorOf([&] { ini.save(); });
    }
    EXPECT_TRUE(error.startsWith("Impossibile scrivere il file")) << error.toStdString();
    EXPECT_EQ(readFile(path), "[Params]\nDBPath=KORVADEX.db\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"KORVADEX.ini"});
}

}  // namespace
