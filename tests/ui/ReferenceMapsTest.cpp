#include "db/UnitDB.h"
#include "platform/Errors.h"
#include "support/DbProbe.h"
#include "support/WorkFolder.h"
#include "ui/Tavorno.h"

#include <gtest/gtest.h>

namespace {

// A code met twice stops a loader; the window keeps what was read before it, as it keeps
// the brands read before a repeated brand code.
TEST(ReferenceMaps, ARepeatedCodeKeepsTheEntriesReadBeforeIt) {
    const struct {
        const char* tabella;
        MappaCodici TFormTavorno::*mappa;
        void (TFormTavorno::*carica)();
    } casi[] = {
        {"TipoIntervento", &TFormTavorno::MapTipiIntervento, &TFormTavorno::CaricaTipiIntervento},
        {"CodiceACarico", &TFormTavorno::MapCodiciACarico, &TFormTavorno::CaricaCodiciACarico},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.tabella);
        WorkFolder folder;
        const QString db = folder.createDatabase();
        DbProbe(db).exec(QStringLiteral("DROP TABLE %1; CREATE TABLE %1 (Id TEXT, Nome TEXT); "
                                        "INSERT INTO %1 VALUES ('A', 'Uno'), ('B', 'Due'), "
                                        "('A', 'Tre');")
                             .arg(QString::fromLatin1(caso.tabella)));
        TDataModule1 dm;
        dm.SQLConnection1.setDatabase(db);
        TFormTavorno window(dm);
        EXPECT_THROW((window.*caso.carica)(), TavornoError);
        EXPECT_EQ(window.*caso.mappa, (MappaCodici{{"A", "Uno"}, {"B", "Due"}}));
    }
}

}  // namespace
