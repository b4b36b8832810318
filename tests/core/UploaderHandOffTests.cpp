#include "ExportFixtures.h"
#include "export/GeneraXMLEInvia.h"
#include "export/UploaderHandOff.h"
#include "export/WindowsCommandLine.h"
#include "platform/Errors.h"
#include "support/ScriptedInteraction.h"
#include "support/WorkFolder.h"

#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

namespace {

const Shown kSendQuestion{QStringLiteral("confirm"), QStringLiteral("Domanda:"),
                          QStringLiteral("Vuoi spedire ora tutte le commesse generate?")};
const Shown kSuccess{QStringLiteral("message"), QStringLiteral("Info"),
                     QStringLiteral("XML generato con successo!")};

const QString kWindowsExportFile = QStringLiteral("C:\\IDAPI\\STAMPA\\KORVADEX.XML");

UploaderSettings dealerSettings() {
    return {QStringLiteral("production"), QStringLiteral("01234567890"), QStringLiteral("chiave"),
            QStringLiteral("utente"),     QStringLiteral("segreta"),     QStringLiteral("50"),
            QStringLiteral("0123456")};
}

// The uploader runs on its own; its log line is the last thing it writes.
bool waitForDelivery(const QString& logFile) {
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        if (readFile(logFile).contains("CONSEGNATO")) {
            return true;
        }
        QThread::msleep(20);
    }
    return false;
}

}  // namespace

TEST(UploaderHandOff, ParameterStringIsBuiltExactly) {
    EXPECT_EQ(uploaderParameters(UploaderSettings(), kWindowsExportFile),
              QStringLiteral("-e  -u  -c  -d  -w  -r 1000 -a QIRTA -b  -s  -t VORNEX --path "
                             "\"C:\\IDAPI\\STAMPA\\KORVADEX.XML\""));
    EXPECT_EQ(uploaderParameters(dealerSettings(), kWindowsExportFile),
              QStringLiteral("-e production -u 01234567890 -c chiave -d utente -w segreta "
                             "-r 1000 -a QIRTA -b 50 -s 0123456 -t VORNEX --path "
                             "\"C:\\IDAPI\\STAMPA\\KORVADEX.XML\""));
}

TEST(UploaderHandOff, CommandLineSplitsAsOnWindows) {
    const struct {
        const char* line;
        QStringList words;
    } cases[] = {
        {"", {}},
        {"  a  b\tc ", {"a", "b", "c"}},
        {R"("a b" c)", {"a b", "c"}},
        {R"(a"b c"d)", {"ab cd"}},
        {R"(a "" b)", {"a", "", "b"}},
        {R"("a""b")", {"a\"b"}},
        {R"(\"a\")", {"\"a\""}},
        {R"(a\\\"b)", {R"(a\"b)"}},
        {R"(a\\\\"b c")", {R"(a\\b c)"}},
        {R"(C:\dir\ x)", {R"(C:\dir\)", "x"}},
        {R"(--path "C:\IDAPI\STAMPA\KORVADEX.XML")", {"--path", R"(C:\IDAPI\STAMPA\KORVADEX.XML)"}},
        {R"("unclosed quote)", {"unclosed quote"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitWindowsCommandLine(QString::fromUtf8(c.line)), c.words) << c.line;
    }
}

TEST(UploaderHandOff, AValueWithABlankReachesTheUploaderAsTwoWords) {
    UploaderSettings settings = dealerSettings();
    settings.UtenteDMS = QStringLiteral("Mario Rossi");
    const QStringList words =
        splitWindowsCommandLine(uploaderParameters(settings, kWindowsExportFile));
    const qsizetype user = words.indexOf(QStringLiteral("-d"));
    ASSERT_GE(user, 0);
    EXPECT_EQ(words.mid(user, 4), QStringList({QStringLiteral("-d"), QStringLiteral("Mario"),
                                               QStringLiteral("Rossi"), QStringLiteral("-w")}));
    EXPECT_EQ(words.last(), kWindowsExportFile);
}

TEST(UploaderHandOff, NothingIsMarkedUnlessTheUploaderStarted) {
    WorkFolder folder;
    FakeExportStore store;
    const TListaCommesse lista = twoJobOrders(store);
    const QString missingProgram = folder.path(QStringLiteral("Marlquist/Sendavo"));
    {
        ScriptedInteraction user;
        user.answer(false);
        EXPECT_FALSE(
            sendExport(lista, store, dealerSettings(), kWindowsExportFile, missingProgram));
        EXPECT_EQ(user.shown(), std::vector<Shown>({kSendQuestion}));
    }
    {
        ScriptedInteraction user;
        user.answer(true);
        try {
            sendExport(lista, store, dealerSettings(), kWindowsExportFile, missingProgram);
            ADD_FAILURE() << "a missing uploader must not count as started";
        } catch (const TavornoError& error) {
            EXPECT_TRUE(error.message().startsWith(
                QStringLiteral("Impossibile avviare il programma di invio \"%1\"")
                    .arg(QDir::toNativeSeparators(missingProgram))))
                << error.message().toStdString();
        }
    }
    EXPECT_TRUE(store.marked.empty());
}

TEST(UploaderHandOff, GeneratedFileReachesTheUploaderAndTheJobOrdersAreMarked) {
    WorkFolder folder;
    ScriptedInteraction user;
    user.answer(true);
    FakeExportStore store;
    const ExportPaths paths{QDir(folder.dmsFolder()).filePath(QStringLiteral("KORVADEX.XML")),
                            folder.installUploader()};

    GeneraXMLEInvia(twoJobOrders(store), store, dealerSettings(), paths);

    EXPECT_EQ(user.shown(), std::vector<Shown>({kSuccess, kSendQuestion}));
    EXPECT_EQ(store.marked,
              std::vector<QStringList>({{QStringLiteral("42"), QStringLiteral("43")}}));
    ASSERT_TRUE(waitForDelivery(folder.path(QStringLiteral("Marlquist/Sendavo.log"))));
    const QDir outbox(folder.path(QStringLiteral("Marlquist/outbox/production")));
    const QStringList copies = outbox.entryList({QStringLiteral("*.XML")}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(readFile(outbox.filePath(copies[0])), QByteArray(kTwoJobOrdersXml));
}

TEST(UploaderHandOff, EmptyListAsksNothingAndMarksNothing) {
    WorkFolder folder;
    ScriptedInteraction user;
    FakeExportStore store;
    GeneraXMLEInvia(TListaCommesse(), store, dealerSettings(),
                    {QDir(folder.dmsFolder()).filePath(QStringLiteral("KORVADEX.XML")),
                     folder.path(QStringLiteral("Marlquist/Sendavo"))});
    EXPECT_EQ(user.shown(),
              std::vector<Shown>({{QStringLiteral("message"), QStringLiteral("Errore"),
                                   QStringLiteral("Non c'è alcuna Commessa da generare!")}}));
    EXPECT_TRUE(store.marked.empty());
}
