#include "RigaDiProva.h"
#include "support/DbProbe.h"
#include "support/ProgramRun.h"
#include "support/WorkFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct Esito {
    int stato = -1;
    QJsonObject json;
    QString errori;
};

// Runs tavorno-admin dms-show in the work folder, with the user's locale given.
Esito dmsShow(const WorkFolder& folder, const QStringList& argomenti,
              const QString& locale = QStringLiteral("C.UTF-8")) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), locale);
    const ProgramRun run =
        runProgram(QStringLiteral(TAVORNO_ADMIN_PATH),
                   QStringList{QStringLiteral("dms-show")} + argomenti, folder.path(), env);
    return {run.exitCode, QJsonDocument::fromJson(run.out.toUtf8()).object(), run.err};
}

QByteArray documento(const QByteArray& tariffa, const QByteArray& codMarca = "8") {
    return "[testa]\r\nPiva=02468013579\r\nMarca=FIAT\r\nModello=500\r\nVersioneTem=1.2\r\n"
           "RagSociale=VERDI ANNA\r\nCodFiscale=VRDNNA75C41D969X\r\nCodCliente=00000\r\n"
           "Targa=GE 111 AA\r\nTelaio=ZFA31200003456789\r\nCodMarcaCobol=" +
           codMarca + "\r\nCodMarcaAnia=154\r\nPagaCarrSC=30\r\nPagaMeccSC=" + tariffa +
           "\r\n[DatiScheda]\r\nCodiceScheda=SK-77\r\n[corpo]\r\nr000=" +
           rigaDiProva({{1, "P4R 1"}, {23, "|CONVERGENZA|"}, {84, "07"}, {117, "1"}}).toUtf8() +
           "\r\nr001=" +
           rigaDiProva({{1, "P4S 2"}, {23, "CANDELA"}, {84, "01"}, {87, "46337481"}}).toUtf8() +
           "\r\n";
}

TEST(DmsShow, PrintsWhatTheProgramTakesFromANewJobCard) {
    const struct {
        const char* locale;
        const char* tariffa;
        const char* prezzo;
    } casi[] = {
        {"it_IT.UTF-8", "42,5", "42,5"},
        {"C.UTF-8", "42.5", "42.5"},
    };
    for (const auto& caso : casi) {
        WorkFolder folder;
        writeFile(folder.path(QStringLiteral("DOCT.ini")), documento(caso.tariffa));
        const Esito esito =
            dmsShow(folder, {QStringLiteral("DOCT.ini")}, QString::fromUtf8(caso.locale));
        ASSERT_EQ(esito.stato, 0) << esito.errori.toStdString();
        const QJsonObject& json = esito.json;
        EXPECT_EQ(json.value(QStringLiteral("stored")), false);
        EXPECT_EQ(json.value(QStringLiteral("PIvaCarr")), QStringLiteral("02468013579"));
        EXPECT_EQ(json.value(QStringLiteral("EditCodiceScheda")), QStringLiteral("SK-77"));
        EXPECT_EQ(json.value(QStringLiteral("LabelMarcaModelloVeicolo")),
                  QStringLiteral("FIAT 500 1.2"));
        EXPECT_EQ(json.value(QStringLiteral("EditRagioneSociale")), QStringLiteral("VERDI ANNA"));
        EXPECT_EQ(json.value(QStringLiteral("EditCFPIVA")), QStringLiteral("VRDNNA75C41D969X"));
        EXPECT_EQ(json.value(QStringLiteral("EditTarga")), QStringLiteral("GE111AA"));
        // Nothing is asked: the whole chassis number, marked as too long.
        EXPECT_EQ(json.value(QStringLiteral("EditTelaio")), QStringLiteral("ZFA31200003456789"));
        EXPECT_EQ(json.value(QStringLiteral("TelaioTroppoLungo")), true);
        EXPECT_EQ(json.value(QStringLiteral("ComboBoxMarche")), QStringLiteral("ABARTH"));
        EXPECT_EQ(json.value(QStringLiteral("ComboBoxTipoCliente")), 0);
        EXPECT_EQ(json.value(QStringLiteral("EditIDClienteDMS")), QString());
        EXPECT_EQ(json.value(QStringLiteral("ButtonValorizzaIDClienteDMS")), true);
        EXPECT_EQ(json.value(QStringLiteral("ListaOperazioniDisponibili")),
                  QJsonArray(
                      {QJsonObject{{QStringLiteral("descrizione"), QStringLiteral(": CONVERGENZA")},
                                   {QStringLiteral("prezzo"), QString::fromUtf8(caso.prezzo)}}}));
        EXPECT_EQ(
            json.value(QStringLiteral("ListaRicambiDisponibili")),
            QJsonArray({QJsonObject{{QStringLiteral("codice"), QStringLiteral("46337481")},
                                    {QStringLiteral("descrizione"), QStringLiteral("CANDELA")}}}));
        EXPECT_TRUE(json.value(QStringLiteral("errore")).isNull());
        // Without a database the card counts as new, and the tool says why.
        EXPECT_TRUE(esito.errori.contains(QStringLiteral("Database non utilizzabile")));
    }
}

TEST(DmsShow, StoredCardFromTheDatabaseOfTheSettingsAndTheDefaultDocument) {
    WorkFolder folder;
    folder.writeDefaultSettings();
    DbProbe(folder.createDatabase())
        .exec(QStringLiteral(
            "INSERT INTO Scheda (CodiceScheda, IdCliente, IdVeicolo) VALUES ('SK-77', 1, 1);"));
    folder.writeDmsDocument(documento("40"));
    const Esito esito = dmsShow(folder, {});
    ASSERT_EQ(esito.stato, 0) << esito.errori.toStdString();
    EXPECT_EQ(esito.json.value(QStringLiteral("stored")), true);
    EXPECT_EQ(esito.json.value(QStringLiteral("LabelMarcaModelloVeicolo")),
              QStringLiteral("FIAT 500 1.2"));
    EXPECT_FALSE(esito.json.contains(QStringLiteral("EditTarga")));
    EXPECT_TRUE(esito.errori.isEmpty()) << esito.errori.toStdString();
}

TEST(DmsShow, ConversionFailureIsShownAndUnreadableFileFails) {
    WorkFolder folder;
    writeFile(folder.path(QStringLiteral("DOCT.ini")), documento("40", "ABARTH"));
    const Esito fallita = dmsShow(folder, {QStringLiteral("DOCT.ini")});
    EXPECT_EQ(fallita.stato, 0);
    EXPECT_TRUE(fallita.json.value(QStringLiteral("errore"))
                    .toString()
                    .contains(QStringLiteral("CodMarcaCobol")));
    EXPECT_TRUE(fallita.json.contains(QStringLiteral("EditTelaio")));
    EXPECT_FALSE(fallita.json.contains(QStringLiteral("ComboBoxMarche")));
    EXPECT_FALSE(fallita.json.contains(QStringLiteral("EditIDClienteDMS")));

    // A FIFO named like the document would keep a reader waiting for ever.
    ASSERT_EQ(
        ::mkfifo(QFile::encodeName(folder.path(QStringLiteral("coda.ini"))).constData(), 0644), 0);
    for (const QString& illeggibile :
         {QStringLiteral("manca.ini"), QStringLiteral("STAMPA"), QStringLiteral("coda.ini")}) {
        const Esito esito = dmsShow(folder, {illeggibile});
        EXPECT_EQ(esito.stato, 1) << illeggibile.toStdString();
        EXPECT_TRUE(esito.json.isEmpty()) << illeggibile.toStdString();
    }
    EXPECT_TRUE(dmsShow(folder, {QStringLiteral("coda.ini")})
                    .errori.contains(QStringLiteral("non è un file regolare")));
}

}  // namespace
