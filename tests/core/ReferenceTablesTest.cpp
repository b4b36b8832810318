#include "db/DatabaseError.h"
#include "db/ReferenceTables.h"
#include "db/UnitDB.h"
#include "support/DbProbe.h"
#include "support/WorkFolder.h"

#include <gtest/gtest.h>

namespace {

class ReferenceTablesTest : public testing::Test {
protected:
    ReferenceTablesTest() : path(folder.createDatabase()), probe(path) {
        dm.SQLConnection1.setDatabase(path);
    }

    // Replaces a reference table's rows (and, for duplicates, drops its key).
    void replaceRows(const QString& table, const QString& values) {
        probe.exec("DELETE FROM " + table + ";");
        if (!values.isEmpty()) {
            probe.exec("INSERT INTO " + table + " VALUES " + values + ";");
        }
    }

    WorkFolder folder;
    QString path;
    DbProbe probe;
    TDataModule1 dm;
    ReferenceTables tables{dm};
};

TEST_F(ReferenceTablesTest, LoadersKeepTheDatabasesOrder) {
    replaceRows("Mercati", "(1000, 'Italia'), (1001, 'Francia')");
    replaceRows("Marche", "('83', 'Lancia'), ('77', 'Abarth')");
    replaceRows("TipoIntervento", "('A', 'Name1'), ('B', 'Name2')");

    RigheRiferimento mercati;
    tables.CaricaMercati(mercati);
    EXPECT_TRUE(mercati.hadRows);
    EXPECT_EQ(mercati.texts, (QStringList{"Italia", "Francia"}));
    EXPECT_EQ(mercati.map, (MappaCodici{{"1000", "Italia"}, {"1001", "Francia"}}));

    RigheRiferimento marche;
    tables.CaricaMarche(marche);
    EXPECT_EQ(marche.texts, (QStringList{"Abarth", "Lancia"}));

    RigheRiferimento tipi;
    tables.CaricaTipiIntervento(tipi);
    EXPECT_EQ(tipi.map, (MappaCodici{{"A", "Name1"}, {"B", "Name2"}}));
}

TEST_F(ReferenceTablesTest, AnEmptyTableGivesAnEmptyMap) {
    replaceRows("CodiceACarico", "");
    RigheRiferimento rows;
    tables.CaricaCodiciACarico(rows);
    EXPECT_FALSE(rows.hadRows);
    EXPECT_TRUE(rows.map.isEmpty());
    EXPECT_TRUE(rows.texts.isEmpty());
}

TEST_F(ReferenceTablesTest, ADuplicateCodeStopsTheLoaderKeepingWhatWasRead) {
    probe.exec("DROP TABLE Marche; CREATE TABLE Marche (Code TEXT, Descrizione TEXT);");
    replaceRows("Marche", "('10', 'A'), ('20', 'B'), ('30', 'D'), ('20', 'C')");

    RigheRiferimento rows;
    try {
        tables.CaricaMarche(rows);
        FAIL() << "no error";
    } catch (const DatabaseError&) {
        FAIL() << "a duplicate is not an engine error";
    } catch (const TavornoError& error) {
        EXPECT_EQ(error.message(), "Duplicates not allowed");
    }
    EXPECT_EQ(rows.texts, (QStringList{"A", "B"}));
    EXPECT_EQ(rows.map, (MappaCodici{{"10", "A"}, {"20", "B"}}));

    // The statement was left ready for another run.
    probe.exec("DELETE FROM Marche WHERE Descrizione = 'C'");
    RigheRiferimento again;
    tables.CaricaMarche(again);
    EXPECT_EQ(again.texts, (QStringList{"A", "B", "D"}));
}

TEST_F(ReferenceTablesTest, AMissingTableIsAnEngineError) {
    probe.exec("DROP TABLE Mercati;");
    RigheRiferimento rows;
    EXPECT_THROW(tables.CaricaMercati(rows), DatabaseError);
    EXPECT_FALSE(rows.hadRows);
}

TEST_F(ReferenceTablesTest, LookupsMatchExactlyAndGiveEmptyTextOtherwise) {
    replaceRows("Marche", "('50', 'FIAT'), ('90', 'L''Auto'), ('91', 'Nuova\"Marca')");
    using Lookup = QString (ReferenceTables::*)(const QString&);
    const struct {
        Lookup lookup;
        QString argument;
        QString result;
    } cases[] = {
        {&ReferenceTables::getCodiceMercato, "Italia", "380"},
        {&ReferenceTables::getCodiceMercato, "italia", ""},
        {&ReferenceTables::getCodiceMarca, "FIAT", "50"},
        {&ReferenceTables::getCodiceMarca, "L'Auto", "90"},
        {&ReferenceTables::getCodiceMarca, "Nuova\"Marca", "91"},
        {&ReferenceTables::getCodiceMarca, "' OR '1'='1", ""},
        {&ReferenceTables::getNomeMarca, "50", "FIAT"},
        {&ReferenceTables::getNomeMarca, "99", ""},
        {&ReferenceTables::getIdCodiceACarico, "Garanzia", "G"},
        {&ReferenceTables::getIdCodiceACarico, "", ""},
        {&ReferenceTables::getIdTipoIntervento, "Meccanica", "M"},
        {&ReferenceTables::getIdTipoIntervento, "Meccanica ", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ((tables.*c.lookup)(c.argument), c.result) << c.argument.toStdString();
    }
}

}  // namespace
