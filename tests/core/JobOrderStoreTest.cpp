#include "StoreFixture.h"

#include "db/DatabaseError.h"
#include "platform/Errors.h"

#include <QDate>

namespace {

using JobOrderStoreTest = StoreFixture;

TEST(AggiungiZeriIdCliente, PadsToFiveCharactersNeverShortens) {
    const std::pair<const char*, const char*> casi[] = {
        {"7", "00007"}, {"00042", "00042"}, {"123456", "123456"}, {"", "00000"}};
    for (const auto& [id, atteso] : casi) {
        EXPECT_EQ(JobOrderStore::AggiungiZeriIdCliente(QString::fromLatin1(id)),
                  QString::fromLatin1(atteso));
    }
}

TEST_F(JobOrderStoreTest, NewJobOrderIsStoredWholeAndLoadsBackByItsCard) {
    const CommessaSalvata salvata = salvaCommessa(QStringLiteral("SCH-7"));
    EXPECT_EQ(probe.rows(QStringLiteral("SELECT CodiceScheda, IdCliente, typeof(IdCliente), "
                                        "IdVeicolo FROM Scheda")),
              QStringList({QStringLiteral("SCH-7|42|integer|%1").arg(salvata.IdVeicolo)}));
    EXPECT_EQ(probe.rows(QStringLiteral("SELECT IdCliente, MarketCode, IdScheda, StatoInvio, "
                                        "DataCommessa FROM Commessa")),
              QStringList({QStringLiteral("42|380|%1|0|%2")
                               .arg(salvata.IdScheda)
                               .arg(QDate::currentDate().toString(Qt::ISODate))}));

    EXPECT_TRUE(jobOrders.EsisteScheda(QStringLiteral("SCH-7")));
    EXPECT_EQ(jobOrders.GetIdSchedaFromScheda(QStringLiteral("SCH-7")), salvata.IdScheda);
    const TCommessa letta = jobOrders.getCommessaFromIdScheda(salvata.IdScheda);
    EXPECT_EQ(letta.FIDCommessaDMS, salvata.IDCommessaDMS);
    EXPECT_EQ(letta.FIdCliente, QStringLiteral("00042"));
    EXPECT_EQ(letta.FCodiceScheda, QStringLiteral("SCH-7"));
    EXPECT_EQ(letta.FCodiceOfficina, QStringLiteral("0123456"));
    EXPECT_EQ(letta.FCodiceMercato, QStringLiteral("380"));
    EXPECT_EQ(letta.FIdVeicolo, salvata.IdVeicolo);
    EXPECT_FALSE(letta.FInviata);
    ASSERT_TRUE(letta.FListaInconvenienti);
    EXPECT_EQ(letta.FListaInconvenienti->Count(), 0);

    EXPECT_EQ(jobOrders.getClienteFromDB(QStringLiteral("00042")),
              TCliente::Create("00042", "Rossi Mario", "RSSMRA80A01H501U", "S", "", true, false,
                               true, false, false, true));
    EXPECT_EQ(jobOrders.getVeicoloFromDB(salvata.IdVeicolo),
              TVeicolo::Create(salvata.IdVeicolo, "AB123CD", "50", "1234567", "ZFA12345"));
}

// The export reads the customers and vehicles of a whole list at once: the same records as
// one by one, by the id asked, and no entry for what is not there.
TEST_F(JobOrderStoreTest, ManyCustomersAndVehiclesAtOnceAreThoseReadOneByOne) {
    const CommessaSalvata prima = salvaCommessa(QStringLiteral("SCH-1"));
    const CommessaSalvata altra = salvaCommessa(QStringLiteral("SCH-2"), QStringLiteral("Gomme"),
                                                QStringLiteral("00043"), QStringLiteral("ZZ999ZZ"));

    const QHash<QString, TCliente> clienti =
        jobOrders.getClientiFromDB({QStringLiteral("00042"), QStringLiteral("00043"),
                                    QStringLiteral("00099"), QStringLiteral("42")});
    EXPECT_EQ(clienti.keys().size(), 2);
    for (const QString& id : {QStringLiteral("00042"), QStringLiteral("00043")}) {
        EXPECT_EQ(clienti.value(id), jobOrders.getClienteFromDB(id)) << id.toStdString();
    }

    const QHash<int, TVeicolo> veicoli =
        jobOrders.getVeicoliFromDB({prima.IdVeicolo, altra.IdVeicolo, altra.IdVeicolo + 100});
    EXPECT_EQ(veicoli.keys().size(), 2);
    for (const int id : {prima.IdVeicolo, altra.IdVeicolo}) {
        EXPECT_EQ(veicoli.value(id), jobOrders.getVeicoloFromDB(id)) << id;
    }
    EXPECT_TRUE(jobOrders.getClientiFromDB({}).isEmpty());
}

TEST_F(JobOrderStoreTest, StoredCustomerAndVehicleAreReusedAndLeftAsTheyWere) {
    const CommessaSalvata prima = salvaCommessa(QStringLiteral("SCH-1"));
    probe.exec(QStringLiteral("UPDATE Cliente SET RagioneSociale = 'Rossi S.p.A.'"));
    const CommessaSalvata seconda = salvaCommessa(QStringLiteral("SCH-2"));
    const CommessaSalvata altra = salvaCommessa(QStringLiteral("SCH-3"), QStringLiteral("Gomme"),
                                                QStringLiteral("00043"), QStringLiteral("ZZ999ZZ"));
    EXPECT_EQ(seconda.IdVeicolo, prima.IdVeicolo);
    EXPECT_NE(altra.IdVeicolo, prima.IdVeicolo);
    EXPECT_NE(seconda.IDCommessaDMS, prima.IDCommessaDMS);
    EXPECT_EQ(
        probe.rows(QStringLiteral("SELECT IdCliente, RagioneSociale FROM Cliente ORDER BY 1")),
        QStringList({"00042|Rossi S.p.A.", "00043|Rossi Mario"}));
    EXPECT_EQ(probe.count(QStringLiteral("Veicolo")), 2);
    EXPECT_EQ(jobOrders.getMaxIdCommessa(), altra.IDCommessaDMS);
}

// "Salva Commessa" stores a plate as typed, a complaint's first save in capitals: either way
// the plate finds its one row, never id 0 and never a second row.
TEST_F(JobOrderStoreTest, APlateFindsItsVehicleWhateverTheLetterCase) {
    const CommessaSalvata minuscola =
        salvaCommessa(QStringLiteral("SCH-1"), QStringLiteral("Tagliando"), QStringLiteral("00042"),
                      QStringLiteral("ab123cd"));
    for (const QString& targa :
         {QStringLiteral("AB123CD"), QStringLiteral("ab123cd"), QStringLiteral("Ab123cD")}) {
        SCOPED_TRACE(targa.toStdString());
        EXPECT_TRUE(jobOrders.EsisteVeicolo(targa));
        EXPECT_EQ(jobOrders.GetIdVeicoloFromTarga(targa), minuscola.IdVeicolo);
        EXPECT_EQ(jobOrders.IdVeicoloMemorizzato(TVeicolo::Create(-1, targa, QStringLiteral("50"),
                                                                  QStringLiteral("1234567"),
                                                                  QStringLiteral("ZFA12345"))),
                  minuscola.IdVeicolo);
    }
    const CommessaSalvata maiuscola =
        salvaCommessa(QStringLiteral("SCH-2"), QStringLiteral("Freni"), QStringLiteral("00042"),
                      QStringLiteral("AB123CD"));
    EXPECT_EQ(maiuscola.IdVeicolo, minuscola.IdVeicolo);
    EXPECT_EQ(probe.rows(QStringLiteral("SELECT Targa FROM Veicolo")),
              QStringList{QStringLiteral("ab123cd")});
    EXPECT_FALSE(jobOrders.EsisteVeicolo(QStringLiteral("AB123C")));

    // Older data may hold one plate twice: the first row stored is the vehicle.
    probe.exec(QStringLiteral("INSERT INTO Veicolo (Targa) VALUES ('AB123CD')"));
    EXPECT_EQ(jobOrders.GetIdVeicoloFromTarga(QStringLiteral("AB123CD")), minuscola.IdVeicolo);
}

TEST_F(JobOrderStoreTest, LookupsOfWhatIsNotThere) {
    EXPECT_FALSE(jobOrders.EsisteScheda(QStringLiteral("nessuna")));
    EXPECT_EQ(jobOrders.GetIdSchedaFromScheda(QStringLiteral("nessuna")), 0);
    EXPECT_EQ(jobOrders.GetCodiceSchedaFromId(5), QString());
    EXPECT_FALSE(jobOrders.EsisteCliente(QStringLiteral("00001")));
    EXPECT_FALSE(jobOrders.EsisteVeicolo(QStringLiteral("AB123CD")));
    EXPECT_EQ(jobOrders.GetIdVeicoloFromTarga(QStringLiteral("AB123CD")), 0);
    EXPECT_FALSE(jobOrders.IsCommessaSent(QStringLiteral("12")));
    EXPECT_EQ(jobOrders.getMaxIdCommessa(), QString());
    EXPECT_EQ(jobOrders.getClienteFromDB(QStringLiteral("7")),
              TCliente::Create("00007", "", "", "", "", false, false, false, false, false, false));

    // A card without a job order row.
    probe.exec(QStringLiteral("INSERT INTO Scheda (IdScheda, CodiceScheda) VALUES (3, 'VUOTA')"));
    const TCommessa vuota = jobOrders.getCommessaFromIdScheda(3);
    EXPECT_EQ(vuota.FIDCommessaDMS, QString());
    EXPECT_EQ(vuota.FCodiceScheda, QStringLiteral("VUOTA"));
    EXPECT_EQ(vuota.FIdCliente, QStringLiteral("00000"));
    EXPECT_EQ(vuota.FIdScheda, 0);
    EXPECT_EQ(vuota.FIdVeicolo, 0);
    EXPECT_FALSE(vuota.FInviata);
    ASSERT_TRUE(vuota.FListaInconvenienti);
    EXPECT_EQ(vuota.FListaInconvenienti->Count(), 0);
}

TEST_F(JobOrderStoreTest, TextsAreStoredAsTyped) {
    const QString descrizioni[] = {QStringLiteral("Tagliando \"A\""),
                                   QStringLiteral("Controllo dell'impianto frenante"),
                                   QStringLiteral("'); DROP TABLE Commessa; --")};
    for (const QString& descrizione : descrizioni) {
        SCOPED_TRACE(descrizione.toStdString());
        const CommessaSalvata salvata =
            salvaCommessa(QStringLiteral("SCH-") + descrizione, descrizione);
        TCommessa commessa = jobOrders.getCommessaFromIdScheda(salvata.IdScheda);
        EXPECT_EQ(commessa.FDescrizioneCommessa, descrizione);
        EXPECT_EQ(commessa.FCodiceScheda, QStringLiteral("SCH-") + descrizione);

        // Saved twice: no slash creeps in.
        for (int volta = 0; volta < 2; ++volta) {
            jobOrders.AggiornaDescrizioneCommessa(
                commessa, jobOrders.getClienteFromDB(QStringLiteral("00042")));
        }
        EXPECT_EQ(jobOrders.getCommessaFromIdScheda(salvata.IdScheda).FDescrizioneCommessa,
                  descrizione);
    }
    const QString nome = QStringLiteral("D'Annunzio & Figli \"Auto\"");
    const int idVeicolo = jobOrders.InserisciVeicoloNelDB(nome, nome, nome, nome);
    EXPECT_TRUE(jobOrders.EsisteVeicolo(nome));
    EXPECT_EQ(jobOrders.GetIdVeicoloFromTarga(nome), idVeicolo);
    EXPECT_EQ(jobOrders.getVeicoloFromDB(idVeicolo),
              TVeicolo::Create(idVeicolo, nome, nome, nome, nome));
}

TEST_F(JobOrderStoreTest, DescriptionUpdateAlsoUpdatesTheCustomerAndStampsTheConsentTime) {
    const CommessaSalvata salvata = salvaCommessa(QStringLiteral("SCH-1"));
    TCommessa commessa = jobOrders.getCommessaFromIdScheda(salvata.IdScheda);
    commessa.FDescrizioneCommessa = QStringLiteral("Nuova descrizione");
    const TCliente cliente = TCliente::Create("00042", "Bianchi", "ALTRO-CF", "N", "", false, true,
                                              false, true, true, false);
    jobOrders.AggiornaDescrizioneCommessa(commessa, cliente);

    const TCliente letto = jobOrders.getClienteFromDB(QStringLiteral("00042"));
    EXPECT_EQ(letto.FRagioneSociale, QStringLiteral("Bianchi"));
    EXPECT_EQ(letto.FTipoCliente, QStringLiteral("N"));
    EXPECT_EQ(letto.FCodiceFiscale, QStringLiteral("RSSMRA80A01H501U"));
    EXPECT_EQ(QDateTime::fromString(letto.FDataOraCessionePrivacy, "yyyy-MM-dd HH:mm:ss").date(),
              QDateTime::currentDateTimeUtc().date());
    EXPECT_EQ(std::vector<bool>({letto.FMarketingFCA, letto.FTerzePartiFCA, letto.FProfilingFCA,
                                 letto.FMarketingDealer, letto.FTerzePartiDealer,
                                 letto.FProfilingDealer}),
              std::vector<bool>({false, true, false, true, true, false}));
    EXPECT_EQ(probe.scalar(QStringLiteral("SELECT DescrizioneCommessa FROM Commessa")),
              QStringLiteral("Nuova descrizione"));

    // A customer update that fails takes the description back with it.
    probe.exec(
        QStringLiteral("CREATE TRIGGER guasto BEFORE UPDATE ON Cliente BEGIN SELECT "
                       "RAISE(ABORT, 'guasto'); END;"));
    commessa.FDescrizioneCommessa = QStringLiteral("Mai salvata");
    EXPECT_THROW(jobOrders.AggiornaDescrizioneCommessa(commessa, cliente), DatabaseError);
    EXPECT_EQ(probe.scalar(QStringLiteral("SELECT DescrizioneCommessa FROM Commessa")),
              QStringLiteral("Nuova descrizione"));
}

// A customer id typed without its zeros, or with one too many, names the row the job order
// is read back with: the customer is found again, and a second job order reuses the row.
TEST_F(JobOrderStoreTest, CustomerRowIsKeptUnderThePaddedIdTheJobOrderIsReadWith) {
    const std::pair<const char*, const char*> casi[] = {
        {"42", "00042"}, {"042", "00042"}, {"0012345", "12345"}, {"123456", "123456"}};
    int scheda = 0;
    for (const auto& [digitato, riga] : casi) {
        SCOPED_TRACE(digitato);
        const CommessaSalvata salvata =
            salvaCommessa(QStringLiteral("SCH-%1").arg(++scheda), QStringLiteral("Tagliando"),
                          QString::fromLatin1(digitato));
        const TCommessa letta = jobOrders.getCommessaFromIdScheda(salvata.IdScheda);
        EXPECT_EQ(letta.FIdCliente, QString::fromLatin1(riga));
        EXPECT_EQ(jobOrders.getClienteFromDB(letta.FIdCliente).FRagioneSociale,
                  QStringLiteral("Rossi Mario"));
        // Asked for as typed, the customer is found under the row's id too.
        const TCliente comeDigitato = jobOrders.getClienteFromDB(QString::fromLatin1(digitato));
        EXPECT_EQ(comeDigitato.FRagioneSociale, QStringLiteral("Rossi Mario"));
        EXPECT_EQ(comeDigitato.FIdCliente, QString::fromLatin1(riga));
    }
    EXPECT_EQ(
        probe.rows(QStringLiteral("SELECT IdCliente FROM Cliente ORDER BY IdCliente")),
        QStringList({QStringLiteral("00042"), QStringLiteral("12345"), QStringLiteral("123456")}));
}

// An overwrite that finds no row to change is an error, and changes nothing.
TEST_F(JobOrderStoreTest, UpdateOfAJobOrderOrCustomerThatIsGoneIsReportedNotSaved) {
    const CommessaSalvata salvata = salvaCommessa(QStringLiteral("SCH-1"));
    TCommessa commessa = jobOrders.getCommessaFromIdScheda(salvata.IdScheda);
    commessa.FDescrizioneCommessa = QStringLiteral("Mai salvata");
    TCliente altroCliente = jobOrders.getClienteFromDB(QStringLiteral("00042"));
    altroCliente.FIdCliente = QStringLiteral("77");
    try {
        jobOrders.AggiornaDescrizioneCommessa(commessa, altroCliente);
        ADD_FAILURE() << "a missing customer must not count as updated";
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Il cliente \"77\" non è presente nel "
                                                  "database: dati non aggiornati."));
    }
    EXPECT_EQ(probe.scalar(QStringLiteral("SELECT DescrizioneCommessa FROM Commessa")),
              QStringLiteral("Tagliando"));

    probe.exec(QStringLiteral("DELETE FROM Commessa"));
    try {
        jobOrders.AggiornaDescrizioneCommessa(commessa,
                                              jobOrders.getClienteFromDB(QStringLiteral("00042")));
        ADD_FAILURE() << "a missing job order must not count as updated";
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("La commessa %1 non è presente nel database: dati non "
                                 "aggiornati.")
                      .arg(commessa.FIDCommessaDMS));
    }
}

TEST_F(JobOrderStoreTest, CustomerIdOrMarketCodeThatIsNoWholeNumberIsRefusedBeforeWriting) {
    const std::pair<const char*, const char*> casi[] = {
        {"C0042", "380"}, {"", "380"}, {"00042", "Italia"}, {"00042", ""}, {"42 ", "380"}};
    for (const auto& [idCliente, mercato] : casi) {
        SCOPED_TRACE(std::string(idCliente) + " / " + mercato);
        const TCommessa commessa =
            TCommessa::Create("", "Tagliando", "", QString::fromLatin1(mercato), "SCH-1", "",
                              QString::fromLatin1(idCliente), -1, -1, nullptr, false);
        const TCliente cliente =
            TCliente::Create(QString::fromLatin1(idCliente), "Rossi", "CF", "S", "", false, false,
                             false, false, false, false);
        const TVeicolo veicolo = TVeicolo::Create(-1, "AB123CD", "50", "1234567", "ZFA12345");
        try {
            jobOrders.SalvaNuovaCommessa(commessa, cliente, veicolo);
            ADD_FAILURE() << "not refused";
        } catch (const ConversionError& error) {
            EXPECT_TRUE(error.message().contains(u"non è un numero intero"))
                << error.message().toStdString();
        }
        EXPECT_THROW(jobOrders.InserisciCommessaNelDB(commessa), ConversionError);
    }
    EXPECT_THROW(jobOrders.InserisciClienteNelDB("C0042", "Rossi", "S", "CF", false, false, false,
                                                 false, false, false),
                 ConversionError);
    for (const char* tabella : {"Veicolo", "Scheda", "Cliente", "Commessa"}) {
        EXPECT_EQ(probe.count(QString::fromLatin1(tabella)), 0) << tabella;
    }
}

TEST_F(JobOrderStoreTest, NewJobOrderFailingAtAnyStepLeavesNothingBehind) {
    const char* guasti[] = {
        "CREATE TRIGGER guasto BEFORE INSERT ON Scheda BEGIN SELECT RAISE(ABORT, 'guasto'); END;",
        "CREATE TRIGGER guasto BEFORE INSERT ON Cliente BEGIN SELECT RAISE(ABORT, 'guasto'); END;",
        "CREATE TRIGGER guasto BEFORE INSERT ON Commessa BEGIN SELECT RAISE(ABORT, 'guasto'); END;",
    };
    for (const char* guasto : guasti) {
        SCOPED_TRACE(guasto);
        probe.exec(QString::fromLatin1(guasto));
        EXPECT_THROW(salvaCommessa(QStringLiteral("SCH-1")), DatabaseError);
        for (const char* tabella : {"Veicolo", "Scheda", "Cliente", "Commessa"}) {
            EXPECT_EQ(probe.count(QString::fromLatin1(tabella)), 0) << tabella;
        }
        probe.exec(QStringLiteral("DROP TRIGGER guasto;"));
    }
    salvaCommessa(QStringLiteral("SCH-1"));
    EXPECT_EQ(probe.count(QStringLiteral("Commessa")), 1);
}

TEST_F(JobOrderStoreTest, DateSearchPadsMonthAndDay) {
    const struct {
        const char* anno;
        const char* mese;
        const char* giorno;
        const char* data;
    } casi[] = {{"2019", "7", "5", "2019-07-05"},
                {"2019", "10", "15", "2019-10-15"},
                {"2019", "07", "05", "2019-07-05"}};
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.data);
        const CommessaSalvata salvata = salvaCommessa(QString::fromLatin1(caso.data));
        probe.exec(
            QStringLiteral("UPDATE Commessa SET DataCommessa = '%1' WHERE IDCommessaDMS = %2")
                .arg(QString::fromLatin1(caso.data), salvata.IDCommessaDMS));
        const TListaCommesse trovate = jobOrders.getListaCommesseFromDB(
            QString::fromLatin1(caso.anno), QString::fromLatin1(caso.mese),
            QString::fromLatin1(caso.giorno));
        ASSERT_EQ(trovate.Count(), 1);
        EXPECT_EQ(trovate.Get(0)->FIDCommessaDMS, salvata.IDCommessaDMS);
        probe.exec(QStringLiteral("DELETE FROM Scheda"));
    }
    EXPECT_THROW(jobOrders.getListaCommesseFromDB("2019", "luglio", "5"), ConversionError);
}

TEST_F(JobOrderStoreTest, DateSearchWithNoMatchThenTwoMatchesInDatabaseOrder) {
    const CommessaSalvata prima = salvaCommessa(QStringLiteral("SCH-1"));
    const CommessaSalvata seconda = salvaCommessa(QStringLiteral("SCH-2"));
    salvaCommessa(QStringLiteral("SCH-3"));
    probe.exec(QStringLiteral("UPDATE Commessa SET DataCommessa = '2020-02-03' WHERE "
                              "IDCommessaDMS IN (%1, %2)")
                   .arg(prima.IDCommessaDMS, seconda.IDCommessaDMS));
    EXPECT_EQ(jobOrders.getListaCommesseFromDB("2020", "2", "4").Count(), 0);
    const TListaCommesse trovate = jobOrders.getListaCommesseFromDB("2020", "2", "3");
    ASSERT_EQ(trovate.Count(), 2);
    EXPECT_EQ(trovate.Get(0)->FIDCommessaDMS, prima.IDCommessaDMS);
    EXPECT_EQ(trovate.Get(1)->FIDCommessaDMS, seconda.IDCommessaDMS);
    EXPECT_EQ(jobOrders.getAllCommesseFromDB().Count(), 3);
}

TEST_F(JobOrderStoreTest, SentStateIsReadOnlyWhenLoadingOneJobOrder) {
    const CommessaSalvata prima = salvaCommessa(QStringLiteral("SCH-1"));
    const CommessaSalvata seconda = salvaCommessa(QStringLiteral("SCH-2"));
    const CommessaSalvata terza = salvaCommessa(QStringLiteral("SCH-3"));
    EXPECT_FALSE(jobOrders.IsCommessaSent(prima.IDCommessaDMS));

    TListaCommesse daInviare;
    for (const CommessaSalvata& s : {prima, terza}) {
        daInviare.Add(jobOrders.getCommessaFromIdScheda(s.IdScheda));
    }
    jobOrders.ImpostaCommesseComeInviate(daInviare);

    EXPECT_TRUE(jobOrders.IsCommessaSent(prima.IDCommessaDMS));
    EXPECT_FALSE(jobOrders.IsCommessaSent(seconda.IDCommessaDMS));
    EXPECT_TRUE(jobOrders.getCommessaFromIdScheda(terza.IdScheda).FInviata);
    EXPECT_FALSE(jobOrders.getCommessaFromIdScheda(seconda.IdScheda).FInviata);
    for (const TCommessa& c : jobOrders.getAllCommesseFromDB()) {
        EXPECT_FALSE(c.FInviata);
    }
}

TEST_F(JobOrderStoreTest, MarkingAsSentIsAllOrNothing) {
    const CommessaSalvata prima = salvaCommessa(QStringLiteral("SCH-1"));
    const CommessaSalvata seconda = salvaCommessa(QStringLiteral("SCH-2"));
    probe.exec(QStringLiteral("CREATE TRIGGER guasto BEFORE UPDATE ON Commessa WHEN "
                              "NEW.IDCommessaDMS = %1 BEGIN SELECT RAISE(ABORT, 'guasto'); END;")
                   .arg(seconda.IDCommessaDMS));
    TListaCommesse daInviare;
    daInviare.Add(jobOrders.getCommessaFromIdScheda(prima.IdScheda));
    daInviare.Add(jobOrders.getCommessaFromIdScheda(seconda.IdScheda));
    EXPECT_THROW(jobOrders.ImpostaCommesseComeInviate(daInviare), DatabaseError);
    EXPECT_EQ(probe.rows(QStringLiteral("SELECT StatoInvio FROM Commessa")),
              QStringList({"0", "0"}));
}

// A job order deleted since the export has no row to mark: it is named, and the others are
// marked all the same, since rolling them back would send them a second time.
TEST_F(JobOrderStoreTest, MarkingNamesTheJobOrdersThatAreGoneAndMarksTheOthers) {
    TListaCommesse daInviare;
    for (const char* codice : {"SCH-1", "SCH-2", "SCH-3"}) {
        daInviare.Add(jobOrders.getCommessaFromIdScheda(salvaCommessa(codice).IdScheda));
    }
    const QString eliminata = daInviare.Get(1)->FIDCommessaDMS;
    // Deleted at another workstation, as the result lists delete a job order.
    probe.exec(QStringLiteral("PRAGMA foreign_keys = ON; DELETE FROM Scheda WHERE IdScheda = %1")
                   .arg(daInviare.Get(1)->FIdScheda));

    EXPECT_EQ(jobOrders.ImpostaCommesseComeInviate(daInviare), QStringList({eliminata}));
    EXPECT_EQ(probe.rows(QStringLiteral("SELECT StatoInvio FROM Commessa")),
              QStringList({"1", "1"}));
}

// The write lock comes first: with the database busy elsewhere nothing runs and nothing is
// marked; with the lock held, what runs sees nothing marked yet, and its failure marks none.
TEST_F(JobOrderStoreTest, MarkingTakesTheWriteLockBeforeRunningAnything) {
    TListaCommesse daInviare;
    daInviare.Add(jobOrders.getCommessaFromIdScheda(salvaCommessa("SCH-1").IdScheda));
    dm.SQLConnection1.setBusyTimeout(50);

    probe.exec(QStringLiteral("BEGIN IMMEDIATE;"));
    bool eseguito = false;
    EXPECT_THROW(jobOrders.ImpostaCommesseComeInviate(daInviare, [&] { eseguito = true; }),
                 DatabaseError);
    EXPECT_FALSE(eseguito);
    probe.exec(QStringLiteral("ROLLBACK;"));

    const auto avvioFallito = [&] {
        EXPECT_EQ(probe.scalar(QStringLiteral("SELECT StatoInvio FROM Commessa")),
                  QStringLiteral("0"));
        throw TavornoError(QStringLiteral("programma di invio assente"));
    };
    EXPECT_THROW(jobOrders.ImpostaCommesseComeInviate(daInviare, avvioFallito), TavornoError);
    EXPECT_EQ(probe.scalar(QStringLiteral("SELECT StatoInvio FROM Commessa")), QStringLiteral("0"));
}

TEST_F(JobOrderStoreTest, FirstFreeCustomerIdWalksTheIdsInNumericOrder) {
    const struct {
        const char* caso;
        QStringList ids;
        std::optional<qint64> libero;
    } casi[] = {
        {"none", {}, std::nullopt},
        {"gap", {"00001", "00002", "00004"}, 3},
        {"full", {"00001", "00002", "00003"}, 4},
        {"unpadded", {"1", "10", "2"}, 3},
        {"not from one", {"00000", "00002"}, 1},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.caso);
        probe.exec(QStringLiteral("DELETE FROM Cliente"));
        for (const QString& id : caso.ids) {
            probe.exec(QStringLiteral("INSERT INTO Cliente (IdCliente) VALUES ('%1')").arg(id));
        }
        EXPECT_EQ(jobOrders.PrimoIdClienteLibero(), caso.libero);
    }

    // Every id from 1 to 100000 in use: as text 100000 sorts before 10001 and 99999.
    probe.exec(QStringLiteral(
        "DELETE FROM Cliente; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
        "WHERE i < 100000) INSERT INTO Cliente (IdCliente) SELECT printf('%05d', i) FROM n;"));
    EXPECT_EQ(jobOrders.PrimoIdClienteLibero(), 100001);

    probe.exec(QStringLiteral("INSERT INTO Cliente (IdCliente) VALUES ('ROSSI')"));
    try {
        jobOrders.PrimoIdClienteLibero();
        ADD_FAILURE() << "not refused";
    } catch (const ConversionError& error) {
        EXPECT_TRUE(error.message().contains(u"\"ROSSI\"")) << error.message().toStdString();
    }
}

}  // namespace
