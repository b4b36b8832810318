#include "db/BareValue.h"
#include "db/DatabaseError.h"
#include "db/TransactionGuard.h"
#include "db/UnitDB.h"
#include "support/DbProbe.h"
#include "support/LockHolder.h"
#include "support/WorkFolder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <ctime>

namespace {

// --- Opening ----------------------------------------------------------------------------

struct OpenCase {
    const char* name;
    QString path;             // the DBPath setting, taken from the working folder
    QByteArray fileContent;   // written at `path` first, unless empty
    bool makeFolder = false;  // `path` is a folder
    QString messagePart;
};

void PrintTo(const OpenCase& c, std::ostream* out) {
    *out << c.name;
}

class DatabaseOpen : public testing::TestWithParam<OpenCase> {};

TEST_P(DatabaseOpen, FailsAndCreatesOrChangesNothing) {
    const OpenCase& c = GetParam();
    WorkFolder folder;
    const QString path = c.path;
    if (c.makeFolder) {
        QDir().mkpath(path);
    } else if (!c.fileContent.isEmpty()) {
        writeFile(path, c.fileContent);
    }
    const QStringList before =
        QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    TDataModule1 dm;
    dm.SQLConnection1.setDatabase(path);
    try {
        dm.SQLConnection1.connect();
        FAIL() << "connected";
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(error.message().contains(c.messagePart)) << error.what();
    }
    EXPECT_FALSE(dm.SQLConnection1.connected());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    if (!c.fileContent.isEmpty()) {
        EXPECT_EQ(readFile(path), c.fileContent);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DatabaseOpen,
    testing::Values(
        OpenCase{"missing file", "KORVADEX.db", {}, false, "unable to open database file"},
        OpenCase{"missing folder", "manca/KORVADEX.db", {}, false, "unable to open"},
        OpenCase{"not a database", "KORVADEX.db", QByteArray(4096, 'x'), false,
                 "file is not a database"},
        OpenCase{"a folder", "KORVADEX.db", {}, true, "è una cartella"},
        OpenCase{"no path", "", {}, false, "DBPath"},
        // The setting names a file, never an SQLite URI or an in-memory database.
        OpenCase{
            "a file: URI", "file:nuovo.db?mode=rwc", {}, false, "unable to open database file"},
        OpenCase{"in-memory name", ":memory:", {}, false, "unable to open database file"}));

// --- A prepared database ----------------------------------------------------------------

class Database : public testing::Test {
protected:
    Database() : path(folder.createDatabase()), probe(path) {
        dm.SQLConnection1.setDatabase(path);
        // The job card that insertCommessa's job orders belong to.
        probe.exec("INSERT INTO Scheda (CodiceScheda, IdCliente, IdVeicolo) VALUES ('S0', 42, 1);");
    }

    // A job order with `complaints` complaints, each with one operation and one part.
    // Returns its IdScheda.
    qint64 insertJobOrder(int complaints) {
        probe.exec(
            "INSERT INTO Veicolo (Targa) VALUES ('AB123CD');"
            "INSERT INTO Scheda (CodiceScheda, IdCliente, IdVeicolo) "
            "VALUES ('S1', 42, last_insert_rowid());"
            "INSERT INTO Commessa (IdScheda, DescrizioneCommessa, MarketCode, IdCliente) "
            "VALUES (last_insert_rowid(), 'x', 380, 42);");
        const QString commessa = probe.scalar("SELECT MAX(IDCommessaDMS) FROM Commessa");
        for (int i = 0; i < complaints; ++i) {
            probe.exec("INSERT INTO Inconveniente (IdCommessa, Descrizione) VALUES (" + commessa +
                       ", 'rumore');"
                       "INSERT INTO Operazione (IdInconveniente, Prezzo) "
                       "VALUES ((SELECT MAX(IdInconveniente) FROM Inconveniente), '10');"
                       "INSERT INTO Ricambio (IdInconveniente, CodiceRicambio) "
                       "VALUES ((SELECT MAX(IdInconveniente) FROM Inconveniente), 'R1');");
        }
        return probe.scalar("SELECT MAX(IdScheda) FROM Scheda").toLongLong();
    }

    void insertCommessa(const QString& descrizione) {
        TSQLQuery& insert = dm.SQLQueryInsertCommessa;
        insert.setParamInteger("IdScheda", 1);
        insert.setParamText("DescrizioneCommessa", descrizione);
        insert.setParamInteger("MarketCode", 380);
        insert.setParamInteger("IdCliente", 42);
        insert.setParamInteger("IdVeicolo", 1);
        insert.execute();
    }

    int rowCount(TSQLQuery& query) {
        int rows = 0;
        for (query.open(); !query.eof(); query.next()) {
            ++rows;
        }
        return rows;
    }

    WorkFolder folder;
    QString path;
    DbProbe probe;
    TDataModule1 dm;
};

TEST_F(Database, ConnectingAgainDoesNothingAndAStatementConnectsFirst) {
    EXPECT_FALSE(dm.SQLConnection1.connected());
    dm.SQLQueryGetMercati.open();
    EXPECT_TRUE(dm.SQLConnection1.connected());
    EXPECT_FALSE(dm.SQLQueryGetMercati.eof());

    sqlite3* handle = dm.SQLConnection1.handle();
    dm.SQLConnection1.setDatabase(folder.path("altro.db"));
    dm.SQLConnection1.connect();
    EXPECT_EQ(dm.SQLConnection1.handle(), handle);
    EXPECT_FALSE(QFile::exists(folder.path("altro.db")));
}

TEST_F(Database, DeletingASchedaRemovesItsWholeJobOrder) {
    const qint64 other = insertJobOrder(1);
    const qint64 scheda = insertJobOrder(2);

    dm.SQLQueryEliminaScheda.setParamInteger("IDSCHE", scheda);
    dm.SQLQueryEliminaScheda.execute();

    // The other job order keeps its rows; customer and vehicle rows stay.
    EXPECT_EQ(probe.rows("SELECT IdScheda FROM Scheda"),
              (QStringList{"1", QString::number(other)}));
    EXPECT_EQ(probe.count("Commessa"), 1);
    EXPECT_EQ(probe.count("Inconveniente"), 1);
    EXPECT_EQ(probe.count("Operazione"), 1);
    EXPECT_EQ(probe.count("Ricambio"), 1);
    EXPECT_EQ(probe.count("Veicolo"), 2);
}

TEST_F(Database, DeletingAComplaintRemovesItsLinesFromTheFirstDeletion) {
    insertJobOrder(2);
    TSQLQuery& query = dm.SQLQueryGeneric;
    query.setSQL("DELETE FROM Inconveniente WHERE IdInconveniente = :ID;");
    query.setParamInteger("ID", 1);
    query.execute();
    EXPECT_EQ(probe.rows("SELECT IdInconveniente FROM Operazione"), QStringList{"2"});
    EXPECT_EQ(probe.rows("SELECT IdInconveniente FROM Ricambio"), QStringList{"2"});
}

// The local date, not the universal one: run in a time zone whose date differs from UTC's.
TEST_F(Database, NewCommessaHasTodaysLocalDateAndIsNotSent) {
    const QByteArray oldTz = qgetenv("TZ");
    const bool hadTz = qEnvironmentVariableIsSet("TZ");
    auto restore = qScopeGuard([&] {
        hadTz ? qputenv("TZ", oldTz) : qunsetenv("TZ");
        tzset();
    });
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    // POSIX zone names count west as positive: "ZZZ-14" is UTC+14, "ZZZ+12" is UTC-12.
    qputenv("TZ", utc.tm_hour >= 12 ? "ZZZ-14" : "ZZZ+12");
    tzset();

    insertCommessa("oggi");

    std::tm local{};
    const std::time_t after = std::time(nullptr);
    localtime_r(&after, &local);
    char today[11];
    std::strftime(today, sizeof today, "%Y-%m-%d", &local);
    char utcDay[11];
    std::strftime(utcDay, sizeof utcDay, "%Y-%m-%d", &utc);
    ASSERT_STRNE(today, utcDay) << "the chosen zone should differ from UTC today";

    EXPECT_EQ(probe.rows("SELECT DataCommessa, StatoInvio FROM Commessa"),
              QStringList{QString::fromLatin1(today) + "|0"});
}

TEST_F(Database, TextsRoundTripThroughBoundParameters) {
    const QStringList texts = {"L'auto fa rumore",
                               "'",
                               "''",
                               "a'b''c",
                               "\"virgolette\"",
                               "x'); DROP TABLE Scheda; --",
                               "Città àèìòù €",
                               ":IdScheda",
                               "?"};
    for (const QString& text : texts) {
        insertCommessa(text);
    }
    EXPECT_EQ(probe.rows("SELECT DescrizioneCommessa FROM Commessa ORDER BY IDCommessaDMS"), texts);

    TSQLQuery& query = dm.SQLQueryGeneric;
    query.setSQL("SELECT DescrizioneCommessa FROM Commessa WHERE DescrizioneCommessa = :D;");
    for (const QString& text : texts) {
        query.setParamText("D", text);
        query.open();
        EXPECT_EQ(query.fieldText("DescrizioneCommessa"), text);
    }
    EXPECT_EQ(probe.count("Scheda"), 1);
}

TEST_F(Database, NullAndMissingRowsReadAsEmptyAndZero) {
    TSQLQuery& query = dm.SQLQueryGeneric;
    query.setSQL("SELECT NULL AS Vuoto, 'x' AS Testo;");
    query.open();
    EXPECT_EQ(query.fieldText("Vuoto"), "");
    EXPECT_EQ(query.fieldInteger("vuoto"), 0);
    EXPECT_EQ(query.fieldText("TESTO"), "x");

    query.setSQL("SELECT MAX(IdVeicolo) FROM Veicolo");
    query.open();
    EXPECT_EQ(query.fieldInteger(0), 0);

    TSQLQuery& none = dm.SQLQueryGetListaCommessePerData;
    none.setParamText("DATECOMM", "2000-01-01");
    none.open();
    EXPECT_TRUE(none.eof());
    EXPECT_EQ(none.fieldText("DescrizioneCommessa"), "");
    EXPECT_EQ(none.fieldInteger("IdScheda"), 0);
}

TEST_F(Database, UnknownNamesAreErrorsNotEmptyValues) {
    TSQLQuery& query = dm.SQLQueryGetMercati;
    query.open();
    EXPECT_THROW(query.fieldText("Nessuna"), DatabaseError);
    EXPECT_THROW(query.fieldInteger("Nessuna"), DatabaseError);

    TSQLQuery& none = dm.SQLQueryGetListaCommessePerData;
    none.setParamText("DATECOMM", "2000-01-01");
    none.open();
    EXPECT_THROW(none.fieldText("Nessuna"), DatabaseError);

    none.setParamText("NONCE", "x");
    EXPECT_THROW(none.open(), DatabaseError);

    dm.SQLQueryGeneric.setSQL("SELECT * FROM TabellaCheNonCe");
    EXPECT_THROW(dm.SQLQueryGeneric.open(), DatabaseError);
}

TEST_F(Database, NamedQueryRunsAfreshEachTime) {
    TSQLQuery& query = dm.SQLQueryGetListaCommessePerData;
    const QString today = probe.scalar("SELECT date('now', 'localtime')");
    insertJobOrder(0);
    probe.exec("INSERT INTO Commessa (IdScheda, DescrizioneCommessa) VALUES (1, 'seconda')");

    query.setParamText("DATECOMM", "2000-01-01");
    EXPECT_EQ(rowCount(query), 0);
    query.setParamText("DATECOMM", today);
    EXPECT_EQ(rowCount(query), 2);
    probe.exec("INSERT INTO Commessa (IdScheda, DescrizioneCommessa) VALUES (1, 'terza')");
    EXPECT_EQ(rowCount(query), 3);
}

TEST_F(Database, GenericQuerySwitchesStatementsAndForgetsParameters) {
    TSQLQuery& query = dm.SQLQueryGeneric;
    const QString mercato = "SELECT Descrizione FROM Mercati WHERE MarketCode = :C";
    query.setSQL(mercato);
    query.setParamInteger("C", 380);
    query.open();
    EXPECT_EQ(query.fieldText("Descrizione"), "Italia");

    query.setSQL("SELECT Code, Descrizione AS Nome FROM Marche WHERE Code = '50'");
    query.open();
    EXPECT_EQ(query.fieldText("Nome"), "FIAT");
    EXPECT_THROW(query.fieldText("Descrizione"), DatabaseError);

    query.setSQL(mercato);
    query.open();
    EXPECT_TRUE(query.eof()) << "the parameter of the earlier use must not linger";
    query.setParamInteger("C", 250);
    query.open();
    EXPECT_EQ(query.fieldText("Descrizione"), "Francia");
}

// --- Transactions -----------------------------------------------------------------------

TEST_F(Database, TransactionGuardIsAllOrNothing) {
    auto insertScheda = [&](const QString& code) {
        TSQLQuery& insert = dm.SQLQueryInsertScheda;
        insert.setParamText("CodiceScheda", code);
        insert.setParamInteger("IdCliente", 1);
        insert.setParamInteger("IdVeicolo", 1);
        insert.execute();
    };
    const struct {
        const char* name;
        std::function<void()> save;
        QStringList stored;
    } cases[] = {
        {"error passes through",
         [&] {
             TransactionGuard guard(dm.SQLConnection1);
             insertScheda("A");
             throw DatabaseError("guasto");
         },
         {}},
        {"committed",
         [&] {
             TransactionGuard guard(dm.SQLConnection1);
             insertScheda("A");
             insertScheda("B");
             guard.commit();
         },
         {"A", "B"}},
        {"inner commit only joins the outer",
         [&] {
             TransactionGuard outer(dm.SQLConnection1);
             insertScheda("A");
             {
                 TransactionGuard inner(dm.SQLConnection1);
                 insertScheda("B");
                 inner.commit();
             }
             throw DatabaseError("guasto");
         },
         {}},
        {"nested, both committed",
         [&] {
             TransactionGuard outer(dm.SQLConnection1);
             {
                 TransactionGuard inner(dm.SQLConnection1);
                 insertScheda("A");
                 inner.commit();
             }
             insertScheda("B");
             outer.commit();
         },
         {"A", "B"}},
    };
    for (const auto& c : cases) {
        probe.exec("DELETE FROM Scheda");
        try {
            c.save();
        } catch (const DatabaseError&) {
        }
        EXPECT_EQ(probe.rows("SELECT CodiceScheda FROM Scheda ORDER BY IdScheda"), c.stored)
            << c.name;
        // The connection is back in autocommit: a later write stands on its own.
        insertScheda("dopo");
        EXPECT_EQ(probe.count("Scheda"), c.stored.size() + 1) << c.name;
    }
}

// --- Another process holding the database -----------------------------------------------

const QString kInUse =
    "Il database è in uso da un altro programma (per esempio un'altra copia di Tavorno o una "
    "copia di sicurezza in corso). Attendere che abbia finito e riprovare.\r\n"
    "database is locked";

TEST_F(Database, ALongLockFailsSayingWhatToDoAndWritesNothing) {
    dm.SQLConnection1.setBusyTimeout(300);
    dm.SQLConnection1.connect();
    probe.exec("BEGIN IMMEDIATE; INSERT INTO Veicolo (Targa) VALUES ('ALTRO');");

    QElapsedTimer timer;
    timer.start();
    try {
        TransactionGuard guard(dm.SQLConnection1);
        insertCommessa("mai");
        guard.commit();
        FAIL() << "wrote through a lock";
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.message(), kInUse);
    }
    EXPECT_GE(timer.elapsed(), 250) << "it should wait for the lock first";
    try {
        insertCommessa("mai");
        FAIL() << "wrote through a lock";
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.message(), kInUse);
    }

    probe.exec("ROLLBACK;");
    EXPECT_EQ(probe.count("Commessa"), 0);
    insertCommessa("dopo");
    EXPECT_EQ(probe.rows("SELECT DescrizioneCommessa FROM Commessa"), QStringList{"dopo"});
}

TEST_F(Database, AShortLockIsWaitedFor) {
    dm.SQLConnection1.connect();
    {
        const LockHolder otherProcess(path, "BEGIN IMMEDIATE;", std::chrono::milliseconds(300));
        EXPECT_NO_THROW(insertCommessa("attesa"));
    }
    EXPECT_EQ(probe.count("Commessa"), 1);
    EXPECT_EQ(probe.count("Veicolo"), 1);
}

// --- What an engine failure tells the user ---------------------------------------------

TEST_F(Database, ADamagedTableMetByAStatementSaysToRestoreACopy) {
    probe.damageTable("Veicolo");
    dm.SQLQueryGeneric.setSQL("SELECT Telaio FROM Veicolo");
    try {
        dm.SQLQueryGeneric.open();
        FAIL() << "read a damaged page";
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.message(),
                  "Il database è danneggiato. Ripristinare una copia di sicurezza del "
                  "database.\r\ndatabase disk image is malformed");
    }
}

TEST(EngineFailureText, SaysWhatHappenedAndWhatToDoThenTheEnginesText) {
    const struct {
        int code;
        const char* advice;  // the start of the sentence; empty: the engine's text alone
    } cases[] = {
        {SQLITE_BUSY, "Il database è in uso da un altro programma"},
        {SQLITE_LOCKED, "Il database è in uso da un altro programma"},
        {SQLITE_NOTADB, "Il file non è un database di Tavorno"},
        {SQLITE_CORRUPT, "Il database è danneggiato. Ripristinare una copia"},
        {SQLITE_IOERR_READ, "Errore del disco durante l'accesso al database"},
        {SQLITE_FULL, "Il disco del database è pieno"},
        {SQLITE_READONLY_DIRECTORY, "Il database non si può modificare"},
        {SQLITE_CANTOPEN, "Il file del database non esiste o non si può aprire"},
        {SQLITE_CONSTRAINT_UNIQUE, ""},
        {SQLITE_ERROR, ""},
    };
    for (const auto& c : cases) {
        const QString text = engineFailureText(c.code, "testo del motore");
        const QString advice = QString::fromUtf8(c.advice);
        if (advice.isEmpty()) {
            EXPECT_EQ(text, "testo del motore") << c.code;
        } else {
            EXPECT_TRUE(text.startsWith(advice)) << c.code << ": " << text.toStdString();
            EXPECT_TRUE(text.endsWith(".\r\ntesto del motore")) << c.code;
        }
    }
}

// --- Values the statements hold bare ----------------------------------------------------

TEST(RequireWholeNumber, AcceptsOnlyWholeNumbers) {
    const struct {
        QString text;
        std::optional<qint64> value;
    } cases[] = {
        {"12", 12},   {"00012", 12},
        {"-3", -3},   {"+7", 7},
        {" 12", {}},  {"12 ", {}},
        {"12\n", {}}, {"1e3", {}},
        {"12a", {}},  {"", {}},
        {"1.0", {}},  {"1,5", {}},
        {"-", {}},    {"9999999999999999999", {}},
        {"١٢", {}},   {"9223372036854775807", 9223372036854775807LL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.text.toStdString() + "\"");
        if (c.value) {
            EXPECT_EQ(requireWholeNumber(c.text, "Il codice cliente"), *c.value);
        } else {
            EXPECT_THROW(requireWholeNumber(c.text, "Il codice cliente"), ConversionError);
        }
    }
    try {
        requireWholeNumber("12a", "Il codice cliente");
        ADD_FAILURE() << "12a was accepted";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.message(),
                  "Il codice cliente \"12a\" non è un numero intero: non posso salvarlo.");
    }
}

}  // namespace
