#include "ExportFixtures.h"
#include "StoreFixture.h"
#include "app/ArchivioEsportazione.h"
#include "export/GeneraXMLEInvia.h"
#include "export/UploaderHandOff.h"
#include "export/WindowsCommandLine.h"
#include "platform/Errors.h"
#include "support/ErrorOf.h"
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

// The send step on a real database, with another program holding it.
class SendOnADatabase : public StoreFixture {
protected:
    ArchivioEsportazione archivio{jobOrders};
};

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

// A value the uploader would not receive as the one word it must be stops the send before
// anything starts: the message names the setting, nothing is marked, the file stays.
TEST(UploaderHandOff, ValuesThatWouldNotReachTheUploaderIntactStopTheSend) {
    const QString tail = QStringLiteral(
        "\r\nL'invio non è stato avviato e nessuna commessa è stata segnata come inviata; il "
        "file XML resta generato.");
    const QString blanks = QStringLiteral(
        " contiene spazi o virgolette, che il programma di invio non riceverebbe intatti: "
        "correggere l'impostazione.");
    const struct {
        QString UploaderSettings::*value;
        const char* text;
        QString error;
    } cases[] = {
        {&UploaderSettings::PasswordDMS, "pass word",
         QStringLiteral("la password (\"Password FCA:\" nella Configurazione)") + blanks},
        {&UploaderSettings::ApiKey, "chia\"ve",
         QStringLiteral("la chiave di accesso (api-key in KORVADEX.ini)") + blanks},
        {&UploaderSettings::UtenteDMS, "utente\t1",
         QStringLiteral("il nome utente (\"Nome Utente FCA:\" nella Configurazione)") + blanks},
        {&UploaderSettings::PIvaCarr, "",
         QStringLiteral("manca la partita IVA del dealer (Piva nel documento della scheda DMS o "
                        "in KORVADEX.ini).")},
        {&UploaderSettings::MarcaAutorizzata, "",
         QStringLiteral("manca la marca autorizzata (\"Marca Autorizzata:\" nella "
                        "Configurazione).")},
        {&UploaderSettings::CodiceOfficina, "",
         QStringLiteral("manca il codice officina (\"Sincom:\" nella Configurazione).")},
        {&UploaderSettings::UtenteDMS, "",
         QStringLiteral("manca il nome utente (\"Nome Utente FCA:\" nella Configurazione).")},
        {&UploaderSettings::PasswordDMS, "",
         QStringLiteral("manca la password (\"Password FCA:\" nella Configurazione).")},
        {&UploaderSettings::ApiKey, "",
         QStringLiteral("manca la chiave di accesso (api-key in KORVADEX.ini).")},
        {&UploaderSettings::Enviroment, "",
         QStringLiteral("manca l'ambiente di invio (Enviroment in KORVADEX.ini, scritto "
                        "salvando la Configurazione).")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error.toStdString());
        WorkFolder folder;
        ScriptedInteraction user;
        user.answer(true);
        FakeExportStore store;
        UploaderSettings settings = dealerSettings();
        settings.*c.value = QString::fromUtf8(c.text);
        // A missing uploader: had it been started first, its own error would show.
        const ExportPaths paths{QDir(folder.dmsFolder()).filePath(QStringLiteral("KORVADEX.XML")),
                                folder.path(QStringLiteral("Marlquist/Sendavo"))};
        EXPECT_EQ(errorOf([&] { GeneraXMLEInvia(twoJobOrders(store), store, settings, paths); }),
                  QStringLiteral("Impossibile inviare: ") + c.error + tail);
        EXPECT_EQ(user.shown(), std::vector<Shown>({kSuccess, kSendQuestion}));
        EXPECT_TRUE(store.marked.empty());
        EXPECT_EQ(readFile(paths.exportFile), QByteArray(kTwoJobOrdersXml));
    }
}

TEST(UploaderHandOff, AJobOrderDeletedSinceTheExportIsNamedAndTheOthersStayMarked) {
    ScriptedInteraction user;
    user.answer(true);
    FakeExportStore store;
    store.deleted = QStringList{QStringLiteral("43")};
    // Any program that starts will do: what it does with the file is not looked at.
    EXPECT_TRUE(sendExport(twoJobOrders(store), store, dealerSettings(), kWindowsExportFile,
                           QStringLiteral("/bin/true")));
    EXPECT_EQ(store.marked, std::vector<QStringList>({{QStringLiteral("42")}}));
    EXPECT_EQ(user.shown(),
              std::vector<Shown>(
                  {kSendQuestion,
                   {QStringLiteral("message"), QStringLiteral("Errore"),
                    QStringLiteral("Il file XML è stato consegnato al programma di invio, ma "
                                   "queste commesse non sono più presenti nel database e non "
                                   "sono state segnate come inviate: 43.\r\nLe altre commesse "
                                   "sono segnate come inviate.")}}));
}

TEST_F(SendOnADatabase, ABusyDatabaseStartsNothingAndMarksNothing) {
    TListaCommesse daInviare;
    daInviare.Add(jobOrders.getCommessaFromIdScheda(salvaCommessa("SCH-1").IdScheda));
    dm.SQLConnection1.setBusyTimeout(50);
    probe.exec(QStringLiteral("BEGIN IMMEDIATE;"));
    ScriptedInteraction user;
    user.answer(true);
    // A missing uploader: had it been started before the lock, its own error would show.
    const QString error = errorOf([&] {
        sendExport(daInviare, archivio, dealerSettings(), folder.path("KORVADEX.XML"),
                   folder.path(QStringLiteral("Marlquist/Sendavo")));
    });
    probe.exec(QStringLiteral("ROLLBACK;"));
    EXPECT_TRUE(error.startsWith(QStringLiteral(
        "Il database non può essere riservato per segnare le commesse come inviate (forse lo "
        "sta usando un altro programma): ")))
        << error.toStdString();
    EXPECT_TRUE(error.endsWith(QStringLiteral(
        "\r\nL'invio non è stato avviato e nessuna commessa è stata segnata come inviata; il "
        "file XML resta generato.")))
        << error.toStdString();
    EXPECT_EQ(probe.scalar(QStringLiteral("SELECT StatoInvio FROM Commessa")), QStringLiteral("0"));
}

// Once the uploader has the file, a failed marking must say that the file has gone.
TEST_F(SendOnADatabase, AMarkingThatFailsAfterTheStartSaysTheFileHasGone) {
    TListaCommesse daInviare;
    daInviare.Add(jobOrders.getCommessaFromIdScheda(salvaCommessa("SCH-1").IdScheda));
    probe.exec(
        QStringLiteral("CREATE TRIGGER guasto BEFORE UPDATE ON Commessa BEGIN SELECT "
                       "RAISE(ABORT, 'guasto'); END;"));
    ScriptedInteraction user;
    user.answer(true);
    const QString error = errorOf([&] {
        sendExport(daInviare, archivio, dealerSettings(), folder.path("KORVADEX.XML"),
                   QStringLiteral("/bin/true"));
    });
    // The engine's own text stands in the middle.
    EXPECT_TRUE(
        error.startsWith(QStringLiteral("Il file XML è stato consegnato al programma di "
                                        "invio, ma segnare le commesse come inviate non "
                                        "è riuscito: ")))
        << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("guasto"))) << error.toStdString();
    EXPECT_TRUE(error.endsWith(QStringLiteral("\r\nLe commesse risultano ancora da inviare.")))
        << error.toStdString();
    EXPECT_EQ(probe.scalar(QStringLiteral("SELECT StatoInvio FROM Commessa")), QStringLiteral("0"));
}
