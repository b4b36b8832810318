#include "StoreFixture.h"

#include <QRandomGenerator>

namespace {

// The list loaders read the complaints of many job orders with one statement per table;
// what they give must be exactly what loading each job order's complaints one by one gives.
class BulkLoadEquivalenceTest : public StoreFixture {
protected:
    // A workshop's history in a scrambled order: complaints added to job orders in turn,
    // operations and parts added later to earlier complaints, rows left behind by
    // deletions, empty codes, apostrophes and accents.
    void SetUp() override {
        QRandomGenerator caso(20240611);
        const QString date[] = {QStringLiteral("2019-07-05"), QStringLiteral("2019-07-06"),
                                QStringLiteral("2020-01-31")};
        std::vector<QString> commesse;
        for (int i = 0; i < 24; ++i) {
            const CommessaSalvata s =
                salvaCommessa(QStringLiteral("SCH-%1").arg(i),
                              QStringLiteral("Commessa n°%1 dell'officina").arg(i),
                              QStringLiteral("%1").arg(40 + i % 5, 5, 10, QLatin1Char('0')),
                              QStringLiteral("AA%1BB").arg(100 + i % 7));
            probe.exec(QStringLiteral("UPDATE Commessa SET DataCommessa = '%1' WHERE "
                                      "IDCommessaDMS = %2")
                           .arg(date[caso.bounded(3)], s.IDCommessaDMS));
            commesse.push_back(s.IDCommessaDMS);
        }
        std::vector<TInconveniente> salvati;
        for (int n = 0; n < 60; ++n) {
            const QString idCommessa =
                commesse[caso.bounded(static_cast<int>(commesse.size()) - 3)];
            std::vector<TOperazione> operazioni;
            for (int o = caso.bounded(3); o > 0; --o) {
                operazioni.push_back(operazione(-1, QStringLiteral("Manodopera l'%1 è").arg(n),
                                                QStringLiteral("%1,50").arg(n)));
            }
            std::vector<TRicambio> ricambi;
            for (int r = caso.bounded(3); r > 0; --r) {
                ricambi.push_back(ricambio(-1, QStringLiteral("Ricambio %1 «originale»").arg(n)));
            }
            TInconveniente nuovo =
                inconveniente(-1, idCommessa, QStringLiteral("Difetto %1: \"rumore\"").arg(n),
                              operazioni, ricambi);
            if (n % 7 == 0) {
                nuovo.FCodiceACarico = QChar();
            }
            nuovo.FIdInconveniente = complaints.SalvaNuovoInconveniente(nuovo);
            salvati.push_back(nuovo);
            // Now and then an earlier complaint gets one more operation and part.
            if (n % 4 == 3) {
                TInconveniente earlier = salvati[caso.bounded(static_cast<int>(salvati.size()))];
                const TCommessa c = TCommessa::Create(earlier.FIdCommessaDMS, "", "", "", "", "",
                                                      "", -1, -1, nullptr, false);
                earlier = *complaints.getListaInconvenientiFromDB(c)->Get(0);
                earlier.FListaOperazioni->Add(operazione(-1, QStringLiteral("Aggiunta %1").arg(n)));
                earlier.FListaRicambi->Add(ricambio(-1, QStringLiteral("Aggiunto %1").arg(n)));
                complaints.SalvaInconvenienteModificato(earlier);
            }
        }
        // Rows that no loader may show, left by a database without enforced foreign keys:
        // a job order whose card is gone, a complaint whose job order is gone, operations
        // and parts whose complaint is gone. One job order is sent.
        probe.exec(QStringLiteral("DELETE FROM Scheda WHERE CodiceScheda = 'SCH-3';"
                                  "DELETE FROM Commessa WHERE IDCommessaDMS = %1;"
                                  "DELETE FROM Inconveniente WHERE IdInconveniente = "
                                  "(SELECT MIN(IdInconveniente) FROM Inconveniente);"
                                  "UPDATE Commessa SET StatoInvio = 1 WHERE IDCommessaDMS = %2;")
                       .arg(commesse[5], commesse[6]));
    }

    // Each job order of the list against the same job order loaded alone, and the list's
    // order against the rows of its statement.
    void expectSameAsOneByOne(const TListaCommesse& lista, const QString& sql) {
        QStringList ordine;
        for (const QString& riga : probe.rows(sql)) {
            ordine << riga.section(u'|', 0, 0);
        }
        QStringList ottenuto;
        for (const TCommessa& c : lista) {
            ottenuto << c.FIDCommessaDMS;
            SCOPED_TRACE(c.FIDCommessaDMS.toStdString());
            const TCommessa sola = jobOrders.getCommessaFromIdScheda(c.FIdScheda);
            EXPECT_EQ(c.FIDCommessaDMS, sola.FIDCommessaDMS);
            EXPECT_EQ(c.FDescrizioneCommessa, sola.FDescrizioneCommessa);
            EXPECT_EQ(c.FCodiceOfficina, sola.FCodiceOfficina);
            EXPECT_EQ(c.FCodiceMercato, sola.FCodiceMercato);
            EXPECT_EQ(c.FCodiceScheda, sola.FCodiceScheda);
            EXPECT_EQ(c.FDataCommessa, sola.FDataCommessa);
            EXPECT_EQ(c.FIdCliente, sola.FIdCliente);
            EXPECT_EQ(c.FIdScheda, sola.FIdScheda);
            EXPECT_EQ(c.FIdVeicolo, sola.FIdVeicolo);
            EXPECT_FALSE(c.FInviata);
            ASSERT_TRUE(c.FListaInconvenienti);
            expectSameComplaints(*c.FListaInconvenienti,
                                 *complaints.getListaInconvenientiFromDB(c));
        }
        EXPECT_EQ(ottenuto, ordine);
    }
};

TEST_F(BulkLoadEquivalenceTest, AllJobOrders) {
    const TListaCommesse tutte = jobOrders.getAllCommesseFromDB();
    EXPECT_EQ(tutte.Count(), 22);
    expectSameAsOneByOne(tutte, dm.SQLQueryGetListaTutteCommesse.sql());
}

TEST_F(BulkLoadEquivalenceTest, JobOrdersOfEachDate) {
    const std::pair<const char*, const char*> date[] = {
        {"2019-07-05", "2019|7|5"}, {"2019-07-06", "2019|7|6"}, {"2020-01-31", "2020|1|31"}};
    for (const auto& [data, parti] : date) {
        SCOPED_TRACE(data);
        const QStringList p = QString::fromLatin1(parti).split(u'|');
        expectSameAsOneByOne(jobOrders.getListaCommesseFromDB(p[0], p[1], p[2]),
                             QString(dm.SQLQueryGetListaCommessePerData.sql())
                                 .replace(QStringLiteral(":DATECOMM"),
                                          QStringLiteral("'%1'").arg(QString::fromLatin1(data))));
    }
}

}  // namespace
