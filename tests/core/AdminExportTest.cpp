// tavorno-admin export: today's job orders of a working folder into the export file.

#include "support/DbProbe.h"
#include "support/ExportSchema.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"
#include "support/WorkFolder.h"

#include <gtest/gtest.h>
#include <QDate>

namespace {

ProgramRun esporta(const WorkFolder& folder, const QStringList& argomenti) {
    return runProgram(QStringLiteral(TAVORNO_ADMIN_PATH),
                      QStringList{QStringLiteral("export")} + argomenti, folder.path());
}

class AdminExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.writeDefaultSettings();
        folder.createDatabase();
        DbProbe db(folder.path(QStringLiteral("KORVADEX.db")));
        db.exec(QStringLiteral(
            "INSERT INTO Veicolo (Targa, CodiceMarca, MVS, Telaio) VALUES ('AB123CD', '50', "
            "'1690AXB', '12345678');"
            "INSERT INTO Cliente (IdCliente, RagioneSociale, TipoCliente, CodiceFiscale) VALUES "
            "('00012', 'Rossi Mario', 'S', 'RSSMRA80A01H501U');"
            "INSERT INTO Scheda (CodiceScheda, IdCliente, IdVeicolo) VALUES ('004817', 12, 1);"
            "INSERT INTO Commessa (IdScheda, DescrizioneCommessa, MarketCode, IdCliente, "
            "IdVeicolo) VALUES (1, 'Tagliando', 380, 12, 1);"
            "INSERT INTO Inconveniente (IdCommessa, Descrizione, CodiceACarico, TipoIntervento) "
            "VALUES (1, 'Rumore ai freni', 'C', 'M');"
            "INSERT INTO Operazione (Prezzo, CodiceOperazione, Descrizione, CodiceACarico, "
            "IdInconveniente) VALUES ('80', 'MAN01', 'Pastiglie', 'C', 1);"));
    }

    WorkFolder folder;
    const QString oggi = QDate::currentDate().toString(Qt::ISODate);
};

TEST_F(AdminExportTest, ExportsTheDaysJobOrdersWithoutMarkingThemSent) {
    const ProgramRun esito = esporta(folder, {QStringLiteral("--date"), oggi});

    EXPECT_EQ(esito.exitCode, 0) << esito.err.toStdString();
    const QByteArray xml = readFile(folder.dmsFolder() + QStringLiteral("/KORVADEX.XML"));
    EXPECT_EQ(exportSchemaErrors(xml), QString());
    EXPECT_TRUE(xml.contains("Rumore ai freni"));
    EXPECT_TRUE(xml.contains("0123456")) << "the workshop code of the settings";
    DbProbe db(folder.path(QStringLiteral("KORVADEX.db")));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT StatoInvio FROM Commessa")), QStringLiteral("0"));
}

TEST_F(AdminExportTest, WritesWhereOutSays) {
    const QString uscita = folder.path(QStringLiteral("giorno.xml"));
    EXPECT_EQ(
        esporta(folder, {QStringLiteral("--date"), oggi, QStringLiteral("--out"), uscita}).exitCode,
        0);
    EXPECT_EQ(exportSchemaErrors(readFile(uscita)), QString());
}

TEST_F(AdminExportTest, NothingToExportOrBadArgumentsFail) {
    const ProgramRun vuoto =
        esporta(folder, {QStringLiteral("--date"), QStringLiteral("2001-01-01")});
    EXPECT_EQ(vuoto.exitCode, 1);
    EXPECT_TRUE(vuoto.err.contains(QStringLiteral("Non c'è alcuna Commessa da generare!")));
    EXPECT_FALSE(QFile::exists(folder.dmsFolder() + QStringLiteral("/KORVADEX.XML")));

    for (const QStringList& argomenti :
         {QStringList{}, QStringList{QStringLiteral("--date")},
          QStringList{QStringLiteral("--date"), QStringLiteral("10/12/2026")},
          QStringList{QStringLiteral("--date"), oggi, QStringLiteral("--force")}}) {
        const ProgramRun esito = esporta(folder, argomenti);
        EXPECT_EQ(esito.exitCode, 2) << argomenti.join(u' ').toStdString();
        EXPECT_TRUE(esito.err.contains(QStringLiteral("Uso: tavorno-admin export")));
    }
}

TEST_F(AdminExportTest, AMissingDatabaseIsReported) {
    QFile::remove(folder.path(QStringLiteral("KORVADEX.db")));
    const ProgramRun esito = esporta(folder, {QStringLiteral("--date"), oggi});
    EXPECT_EQ(esito.exitCode, 1);
    EXPECT_FALSE(esito.err.isEmpty());
}

}  // namespace
