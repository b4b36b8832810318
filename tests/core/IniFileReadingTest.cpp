#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "support/WorkFolder.h"

#include <gtest/gtest.h>
#include <QFile>

namespace {

TEST(IniFileReading, FileThatExistsButCannotBeReadSaysWhy) {
    WorkFolder folder;
    const QString grande = folder.path(QStringLiteral("grande.ini"));
    {
        QFile file(grande);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Params]\nDBPath=KORVADEX.db\n");
        ASSERT_TRUE(file.resize(IniFile::kMaxFileSize + 1));
    }
    for (const QString& path : {folder.dmsFolder(), grande}) {
        const IniFile ini(path);
        EXPECT_TRUE(ini.fileExists()) << path.toStdString();
        EXPECT_FALSE(ini.readError().isEmpty()) << path.toStdString();
        EXPECT_FALSE(ini.sectionExists(QStringLiteral("Params"))) << path.toStdString();
    }

    const IniFile missing(folder.path(QStringLiteral("manca.ini")));
    EXPECT_FALSE(missing.fileExists());
    EXPECT_TRUE(missing.readError().isEmpty());
}

TEST(IniFileReading, WhatCouldNotBeReadIsNeverOverwritten) {
    WorkFolder folder;
    const QString grande = folder.path(QStringLiteral("grande.ini"));
    {
        QFile file(grande);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(IniFile::kMaxFileSize + 1));
    }
    IniFile ini(grande);
    ini.writeString(QStringLiteral("Params"), QStringLiteral("DBPath"), QStringLiteral("x.db"));
    EXPECT_THROW(ini.save(), TavornoError);
    EXPECT_EQ(QFile(grande).size(), IniFile::kMaxFileSize + 1);
}

TEST(IniFileReading, DocumentFromBytesReadsLikeAFile) {
    const IniFile ini = IniFile::fromBytes("[ Testa ]\n Piva = \"0123\" \n");
    EXPECT_TRUE(ini.fileExists());
    EXPECT_EQ(ini.readString(QStringLiteral("testa"), QStringLiteral("PIVA")),
              QStringLiteral("0123"));
}

}  // namespace
