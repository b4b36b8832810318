#include "ExportFixtures.h"
#include "export/ExportGeneration.h"
#include "platform/Errors.h"
#include "support/ErrorOf.h"
#include "support/ExportSchema.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedInteraction.h"
#include "support/WorkFolder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <pugixml.hpp>

namespace {

const Shown kSuccess{QStringLiteral("message"), QStringLiteral("Info"),
                     QStringLiteral("XML generato con successo!")};

QString exportFile(const WorkFolder& folder) {
    return QDir(folder.dmsFolder()).filePath(QStringLiteral("KORVADEX.XML"));
}

// The two job orders of twoJobOrders `copies` times over: a document of about a megabyte,
// which reaches the file in several pieces.
TListaCommesse manyJobOrders(FakeExportStore& store, int copies) {
    const TListaCommesse two = twoJobOrders(store);
    TListaCommesse lista;
    for (int i = 0; i < copies; ++i) {
        for (const TCommessa& commessa : two) {
            lista.Add(commessa);
        }
    }
    return lista;
}

}  // namespace

TEST(ExportGeneration, IdsArePaddedToNineCharacters) {
    const struct {
        const char* id;
        const char* padded;
    } cases[] = {{"42", "000000042"},
                 {"1", "000000001"},
                 {"", "000000000"},
                 {"123456789", "123456789"},
                 {"1234567890", "1234567890"}};
    for (const auto& c : cases) {
        EXPECT_EQ(AggiungiZeriIdCommessa(QString::fromLatin1(c.id)), QLatin1String(c.padded));
        EXPECT_EQ(AggiungiZeriIdInconveniente(QString::fromLatin1(c.id)), QLatin1String(c.padded));
    }
}

TEST(ExportGeneration, PricesGetThreeDecimalsAndAFullStop) {
    const struct {
        const char* prezzo;
        const char* fixedPrice;
    } cases[] = {{"12,5", "12.500"},
                 {"12,50", "12.500"},
                 {"12", "12.000"},
                 {"0,5", "0.500"},
                 {"1234,56", "1234.560"},
                 {"123456,7", "123456.700"},
                 {"1234567,5", "1234567.50"},
                 {"12,5000", "12.5000"},
                 {"", ".000000000"}};
    for (const auto& c : cases) {
        EXPECT_EQ(FormattaPrezzo(QString::fromLatin1(c.prezzo)), QLatin1String(c.fixedPrice))
            << c.prezzo;
    }
}

TEST(ExportGeneration, DocumentHasTheAttributeAndChildOrderOfTheFormat) {
    FakeExportStore store;
    const QByteArray xml = buildExportXml(twoJobOrders(store), store);
    EXPECT_EQ(xml, QByteArray(kTwoJobOrdersXml));
    EXPECT_EQ(exportSchemaErrors(xml), QString());
}

TEST(ExportGeneration, WritesTheFileAndSaysSo) {
    WorkFolder folder;
    ScriptedInteraction user;
    FakeExportStore store;
    EXPECT_TRUE(GeneraXML(twoJobOrders(store), store, exportFile(folder)));
    EXPECT_EQ(readFile(exportFile(folder)), QByteArray(kTwoJobOrdersXml));
    EXPECT_EQ(user.shown(), std::vector<Shown>({kSuccess}));
    EXPECT_EQ(QDir(folder.dmsFolder()).entryList(QDir::Files),
              QStringList({QStringLiteral("KORVADEX.XML")}));
}

TEST(ExportGeneration, TextsReachTheFileEscapedAndReadBackIdentical) {
    FakeExportStore store;
    const QString name = QStringLiteral("Rossi & <Figli> \"Auto\" l'officina ") +
                         QString::fromUtf8("\xF0\x9F\x9A\x97 è");
    const QString description = QStringLiteral("riga uno\nriga\tdue\r\n<&>");
    store.clienti[QStringLiteral("7")] =
        TCliente::Create(QStringLiteral("7"), name, QStringLiteral("X"), QStringLiteral("S"),
                         QString(), false, false, false, false, false, false);
    const TListaCommesse lista = listaCommesse(
        {commessa(QStringLiteral("1"), QStringLiteral("7"), 1,
                  // no charge code and a control character, which XML 1.0 cannot carry
                  {inconveniente(3, description + QChar(0x01), QChar(), QLatin1Char('M'))})});

    const QByteArray xml = buildExportXml(lista, store);
    EXPECT_EQ(exportSchemaErrors(xml), QString());
    pugi::xml_document parsed;
    ASSERT_TRUE(parsed.load_buffer(xml.constData(), static_cast<size_t>(xml.size())));
    const pugi::xml_node commessaNode = parsed.document_element().first_child();
    EXPECT_EQ(QString::fromUtf8(commessaNode.first_element_by_path("dms:Customer/dms:CustomerType")
                                    .attribute("LASTNAME")
                                    .value()),
              name);
    const pugi::xml_node complaint =
        commessaNode.first_element_by_path("dms:Inconveniences/dms:Inconvenience");
    EXPECT_EQ(QString::fromUtf8(complaint.attribute("DESCRIPTION").value()),
              description + QLatin1Char(' '));
    EXPECT_STREQ(complaint.attribute("CHARGEABLE").value(), "");
}

TEST(ExportGeneration, NothingToExportSaysSoAndWritesNothing) {
    WorkFolder folder;
    ScriptedInteraction user;
    FakeExportStore store;
    EXPECT_FALSE(GeneraXML(TListaCommesse(), store, exportFile(folder)));
    EXPECT_EQ(user.shown(),
              std::vector<Shown>({{QStringLiteral("message"), QStringLiteral("Errore"),
                                   QStringLiteral("Non c'è alcuna Commessa da generare!")}}));
    EXPECT_FALSE(QFile::exists(exportFile(folder)));
}

TEST(ExportGeneration, StopsBeforeWritingWhenAJobOrderCannotBeExported) {
    WorkFolder folder;
    ScriptedInteraction user;
    FakeExportStore store;
    TListaCommesse lista = twoJobOrders(store);
    writeFile(exportFile(folder), "previous export");

    store.clienti[QStringLiteral("98765")].FIdCliente = QStringLiteral("00A12");
    EXPECT_EQ(errorOf([&] { GeneraXML(lista, store, exportFile(folder)); }),
              QStringLiteral("Il codice cliente \"00A12\" della commessa 43 non è un numero: XML "
                             "non generato."));

    store.clienti.remove(QStringLiteral("98765"));
    EXPECT_EQ(errorOf([&] { GeneraXML(lista, store, exportFile(folder)); }),
              QStringLiteral("Il cliente \"98765\" della commessa 43 non è presente nel "
                             "database: XML non generato."));

    EXPECT_EQ(readFile(exportFile(folder)), QByteArray("previous export"));
    EXPECT_EQ(QDir(folder.dmsFolder()).entryList(QDir::Files | QDir::Hidden),
              QStringList({QStringLiteral("KORVADEX.XML")}));
    EXPECT_TRUE(user.shown().empty());

    // The next export starts from the initial document: nothing of the failed one leaks.
    lista.Remove(1);
    ASSERT_TRUE(GeneraXML(lista, store, exportFile(folder)));
    const QByteArray written = readFile(exportFile(folder));
    EXPECT_EQ(written.count("<dms:Commessa "), 1);
    EXPECT_EQ(exportSchemaErrors(written), QString());
}

// Only a price in the stored form becomes a "FIXEDPRICE" of three decimals; any other stops
// the export with the job order and the operation named, and the previous file stays.
TEST(ExportGeneration, APriceNotInTheStoredFormStopsTheExport) {
    const struct {
        const char* prezzo;
        const char* fixedPrice;  // none: refused
    } cases[] = {
        {"12", "12.000"},   {"0", "0.000"},  {"12,5", "12.500"},   {"99999,999", "99999.999"},
        {"2.5", nullptr},   {"", nullptr},   {"12,5000", nullptr}, {"123456", nullptr},
        {"12,", nullptr},   {",5", nullptr}, {" 12", nullptr},     {"-3", nullptr},
        {"1,2,3", nullptr}, {"١٢", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.prezzo);
        WorkFolder folder;
        ScriptedInteraction user;
        FakeExportStore store;
        const TListaCommesse lista = twoJobOrders(store);
        const auto operazioni = lista.Get(0)->FListaInconvenienti->Get(0)->FListaOperazioni;
        TOperazione operazione = *operazioni->Get(0);
        operazione.Fprezzo = QString::fromUtf8(c.prezzo);
        operazioni->Remove(0);
        operazioni->Add(operazione);
        writeFile(exportFile(folder), "previous export");

        const QString error = errorOf([&] { GeneraXML(lista, store, exportFile(folder)); });
        if (c.fixedPrice != nullptr) {
            EXPECT_EQ(error, QString());
            const QByteArray written = readFile(exportFile(folder));
            EXPECT_TRUE(written.contains(QByteArray("FIXEDPRICE=\"") + c.fixedPrice + '"'));
            EXPECT_EQ(exportSchemaErrors(written), QString());
        } else {
            EXPECT_EQ(error, QStringLiteral("Il prezzo \"%1\" dell'operazione \"Sostituzione "
                                            "frizione\" (codice \"A1234\") della commessa 42 "
                                            "non è valido: sono ammesse fino a 5 cifre, seguite "
                                            "eventualmente da una virgola e da 1 a 3 decimali. "
                                            "XML non generato.")
                                 .arg(operazione.Fprezzo));
            EXPECT_EQ(readFile(exportFile(folder)), QByteArray("previous export"));
            EXPECT_TRUE(user.shown().empty());
        }
    }
}

TEST(ExportGeneration, MissingFolderIsReportedAndWritesNothing) {
    WorkFolder folder;
    ScriptedInteraction user;
    FakeExportStore store;
    const QString missing = folder.path(QStringLiteral("NONESISTE/KORVADEX.XML"));
    EXPECT_EQ(errorOf([&] { GeneraXML(twoJobOrders(store), store, missing); }),
              QStringLiteral("La cartella \"%1\" non esiste: impossibile scrivere KORVADEX.XML.")
                  .arg(QDir::toNativeSeparators(folder.path(QStringLiteral("NONESISTE")))));
    EXPECT_TRUE(user.shown().empty());
}

TEST(ExportGeneration, ALargeDocumentReachesTheFileWhole) {
    WorkFolder folder;
    ScriptedInteraction user;
    FakeExportStore store;
    const TListaCommesse lista = manyJobOrders(store, 300);
    ASSERT_TRUE(GeneraXML(lista, store, exportFile(folder)));
    const QByteArray expected = buildExportXml(lista, store);
    ASSERT_GT(expected.size(), 1000000);
    EXPECT_EQ(readFile(exportFile(folder)), expected);
}

TEST(ExportGeneration, AWriteThatFailsHalfWayLeavesThePreviousFile) {
    WorkFolder folder;
    ScriptedInteraction user;
    FakeExportStore store;
    const TListaCommesse lista = manyJobOrders(store, 300);
    writeFile(exportFile(folder), "previous export");
    QString error;
    {
        // Half of the document: the first pieces are written, a later one fails.
        FileSizeLimit limit(500000);
        error = errorOf([&] { GeneraXML(lista, store, exportFile(folder)); });
    }
    EXPECT_TRUE(error.startsWith(QStringLiteral("Impossibile scrivere il file")))
        << error.toStdString();
    EXPECT_EQ(readFile(exportFile(folder)), QByteArray("previous export"));
    EXPECT_EQ(QDir(folder.dmsFolder()).entryList(QDir::Files | QDir::Hidden),
              QStringList({QStringLiteral("KORVADEX.XML")}));
    EXPECT_TRUE(user.shown().empty());
}
