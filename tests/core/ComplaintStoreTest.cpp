#include "StoreFixture.h"

#include "db/DatabaseError.h"

namespace {

class ComplaintStoreTest : public StoreFixture {
protected:
    void SetUp() override { idCommessa = salvaCommessa(QStringLiteral("SCH-1")).IDCommessaDMS; }

    TCommessa commessa() {
        TCommessa c;
        c.FIDCommessaDMS = idCommessa;
        return c;
    }

    // The job order's last complaint as the store gives it back.
    TInconveniente ricaricato() {
        auto lista = complaints.getListaInconvenientiFromDB(commessa());
        return lista->Get(lista->Count() - 1).value_or(TInconveniente{});
    }

    QString idCommessa;
};

TEST_F(ComplaintStoreTest, TextsComeBackExactlyThroughInsertsAndUpdates) {
    const QString testi[] = {
        QStringLiteral("Rumore all'avantreno dell'auto"),
        QStringLiteral("Tagliando \"A\" e 'B'"),
        QStringLiteral("Spia ABS accesa; perché? ' OR '1'='1"),
        QStringLiteral(""),
    };
    for (const QString& testo : testi) {
        SCOPED_TRACE(testo.toStdString());
        TInconveniente nuovo =
            inconveniente(-1, idCommessa, testo, {operazione(-1, testo, testo, testo)},
                          {ricambio(-1, testo, testo)});
        nuovo.FIdInconveniente = complaints.SalvaNuovoInconveniente(nuovo);
        TInconveniente letto = ricaricato();
        EXPECT_EQ(letto.FDescrizione, testo);
        EXPECT_EQ(letto.FListaOperazioni->Get(0)->Fdescrizione, testo);
        EXPECT_EQ(letto.FListaOperazioni->Get(0)->Fprezzo, testo);
        EXPECT_EQ(letto.FListaOperazioni->Get(0)->Fcodice, testo);
        EXPECT_EQ(letto.FListaRicambi->Get(0)->FDescrizione, testo);
        EXPECT_EQ(letto.FListaRicambi->Get(0)->FCodiceRicambio, testo);

        // The updates write what the reloaded records hold, changed.
        const QString cambiato = testo + QStringLiteral(" l'ultima");
        letto.FDescrizione = cambiato;
        TOperazione o = *letto.FListaOperazioni->Get(0);
        o.Fdescrizione = cambiato;
        letto.FListaOperazioni->Remove(0);
        letto.FListaOperazioni->Add(o);
        TRicambio r = *letto.FListaRicambi->Get(0);
        r.FDescrizione = cambiato;
        letto.FListaRicambi->Remove(0);
        letto.FListaRicambi->Add(r);
        complaints.SalvaInconvenienteModificato(letto);
        const TInconveniente riletto = ricaricato();
        EXPECT_EQ(riletto.FDescrizione, cambiato);
        EXPECT_EQ(riletto.FListaOperazioni->Get(0)->Fdescrizione, cambiato);
        EXPECT_EQ(riletto.FListaRicambi->Get(0)->FDescrizione, cambiato);
    }
}

TEST_F(ComplaintStoreTest, CodesRoundTripIncludingNoCode) {
    TInconveniente senzaCodici = inconveniente(-1, idCommessa, QStringLiteral("Senza codici"),
                                               {TOperazione::Create(-1, -1, "", "", "", QChar())},
                                               {TRicambio::Create(-1, -1, "", "", QChar())});
    senzaCodici.FCodiceACarico = QChar();
    senzaCodici.FTipoIntervento = QChar();
    const int id = complaints.SalvaNuovoInconveniente(senzaCodici);
    EXPECT_EQ(probe.scalar(QStringLiteral("SELECT quote(CodiceACarico) || ',' || "
                                          "quote(TipoIntervento) FROM Inconveniente WHERE "
                                          "IdInconveniente = %1")
                               .arg(id)),
              QStringLiteral("'',''"));
    const TInconveniente letto = ricaricato();
    EXPECT_TRUE(letto.FCodiceACarico.isNull());
    EXPECT_TRUE(letto.FTipoIntervento.isNull());
    EXPECT_TRUE(letto.FListaOperazioni->Get(0)->FcodiceACarico.isNull());
    EXPECT_TRUE(letto.FListaRicambi->Get(0)->FCodiceACarico.isNull());
}

TEST_F(ComplaintStoreTest, ComplaintWithoutOperationsOrPartsAndJobOrderWithoutComplaints) {
    EXPECT_EQ(complaints.getListaInconvenientiFromDB(commessa())->Count(), 0);
    complaints.SalvaNuovoInconveniente(inconveniente(-1, idCommessa, QStringLiteral("Solo")));
    EXPECT_EQ(probe.count(QStringLiteral("Inconveniente")), 1);
    EXPECT_EQ(probe.count(QStringLiteral("Operazione")), 0);
    EXPECT_EQ(probe.count(QStringLiteral("Ricambio")), 0);
    const TInconveniente letto = ricaricato();
    EXPECT_EQ(letto.FIdCommessaDMS, idCommessa);
    EXPECT_EQ(letto.FListaOperazioni->Count(), 0);
    EXPECT_EQ(letto.FListaRicambi->Count(), 0);
}

TEST_F(ComplaintStoreTest, OfferedRecordsAreStoredUnderTheSavedComplaint) {
    // Offered from the job card: their own complaint id is -1, or another complaint's.
    TOperazione offerta = operazione(-1, QStringLiteral("Sostituzione olio"));
    TRicambio altrove = ricambio(-1, QStringLiteral("Filtro olio"));
    altrove.FIdInconveniente = 999;
    const int id = complaints.SalvaNuovoInconveniente(
        inconveniente(-1, idCommessa, QStringLiteral("Tagliando"), {offerta}, {altrove}));
    EXPECT_EQ(probe.rows(QStringLiteral("SELECT IdInconveniente FROM Operazione UNION ALL "
                                        "SELECT IdInconveniente FROM Ricambio")),
              QStringList({QString::number(id), QString::number(id)}));
    EXPECT_EQ(ricaricato().FListaOperazioni->Get(0)->FIdInconveniente, id);
}

TEST_F(ComplaintStoreTest, ChangedComplaintInsertsNewAndUpdatesStoredInListOrder) {
    complaints.SalvaNuovoInconveniente(inconveniente(-1, idCommessa, QStringLiteral("Freni"),
                                                     {operazione(-1, QStringLiteral("Pastiglie"))},
                                                     {ricambio(-1, QStringLiteral("Disco"))}));
    TInconveniente letto = ricaricato();
    const TOperazione memorizzata = *letto.FListaOperazioni->Get(0);
    const TRicambio ricambioMemorizzato = *letto.FListaRicambi->Get(0);
    TOperazione cambiata = memorizzata;
    cambiata.Fdescrizione = QStringLiteral("Pastiglie anteriori");
    letto.FListaOperazioni->Remove(0);
    letto.FListaOperazioni->Add(operazione(-1, QStringLiteral("Prima nuova")));
    letto.FListaOperazioni->Add(cambiata);
    letto.FListaOperazioni->Add(operazione(-1, QStringLiteral("Seconda nuova")));
    letto.FListaRicambi->Add(ricambio(-1, QStringLiteral("Pinza")));
    letto.FDescrizione = QStringLiteral("Freni rumorosi");

    complaints.SalvaInconvenienteModificato(letto);

    const TInconveniente riletto = ricaricato();
    EXPECT_EQ(riletto.FDescrizione, QStringLiteral("Freni rumorosi"));
    QStringList operazioni;
    for (const TOperazione& o : *riletto.FListaOperazioni) {
        operazioni << o.Fdescrizione;
    }
    EXPECT_EQ(operazioni, QStringList({"Pastiglie anteriori", "Prima nuova", "Seconda nuova"}));
    EXPECT_EQ(riletto.FListaOperazioni->Get(0)->FIdOperazione, memorizzata.FIdOperazione);
    EXPECT_LT(riletto.FListaOperazioni->Get(1)->FIdOperazione,
              riletto.FListaOperazioni->Get(2)->FIdOperazione);
    EXPECT_EQ(riletto.FListaRicambi->Count(), 2);
    EXPECT_EQ(*riletto.FListaRicambi->Get(0), ricambioMemorizzato);
}

TEST_F(ComplaintStoreTest, DeletingRowsOneByOneAndTheComplaintWithItsRows) {
    const int id = complaints.SalvaNuovoInconveniente(inconveniente(
        -1, idCommessa, QStringLiteral("Clima"),
        {operazione(-1, QStringLiteral("Ricarica")), operazione(-1, QStringLiteral("Controllo"))},
        {ricambio(-1, QStringLiteral("Gas")), ricambio(-1, QStringLiteral("Filtro"))}));
    TInconveniente letto = ricaricato();
    complaints.EliminaOperazioneDalDB(*letto.FListaOperazioni->Get(0));
    complaints.EliminaRicambioDalDB(*letto.FListaRicambi->Get(1));
    EXPECT_EQ(probe.rows(QStringLiteral("SELECT Descrizione FROM Operazione UNION ALL SELECT "
                                        "Descrizione FROM Ricambio")),
              QStringList({"Controllo", "Gas"}));

    complaints.EliminaInconvenienteDalDB(letto);
    EXPECT_EQ(probe.count(QStringLiteral("Inconveniente")), 0);
    EXPECT_EQ(probe.count(QStringLiteral("Operazione")), 0);
    EXPECT_EQ(probe.count(QStringLiteral("Ricambio")), 0);
    EXPECT_EQ(complaints.getListaOperazioniFromDB(id)->Count(), 0);
}

TEST_F(ComplaintStoreTest, LoadersIgnoreRowsWhoseComplaintOrJobOrderIsGone) {
    complaints.SalvaNuovoInconveniente(inconveniente(-1, idCommessa, QStringLiteral("Vero"),
                                                     {operazione(-1, QStringLiteral("Vera"))}));
    // Left behind by a database that did not enforce its foreign keys.
    probe.exec(QStringLiteral(
        "INSERT INTO Inconveniente (IdInconveniente, IdCommessa, Descrizione) VALUES (500, 999, "
        "'Orfano');"
        "INSERT INTO Operazione (Prezzo, Descrizione, IdInconveniente) VALUES ('1', 'Di nessuno', "
        "777);"
        "INSERT INTO Ricambio (Descrizione, IdInconveniente) VALUES ('Di nessuno', 777);"));
    TCommessa assente;
    assente.FIDCommessaDMS = QStringLiteral("999");
    EXPECT_EQ(complaints.getListaInconvenientiFromDB(assente)->Count(), 0);
    EXPECT_EQ(complaints.getListaOperazioniFromDB(777)->Count(), 0);
    EXPECT_EQ(complaints.getListaRicambiFromDB(777)->Count(), 0);
    EXPECT_EQ(ricaricato().FListaOperazioni->Count(), 1);
}

// Another workstation deleted a row the editor still shows: saving into it is an error that
// names it, and nothing of the save is written.
TEST_F(ComplaintStoreTest, SavingIntoRowsDeletedElsewhereFailsAndWritesNothing) {
    const struct {
        const char* eliminazione;
        const char* messaggio;
    } casi[] = {
        {"DELETE FROM Inconveniente",
         "L'inconveniente \"Freni rumorosi\" non è più presente nel database: forse è stato "
         "eliminato da un'altra postazione. Inconveniente non salvato."},
        {"DELETE FROM Operazione",
         "L'operazione \"Pastiglie anteriori\" non è più presente nel database: forse è stata "
         "eliminata da un'altra postazione. Inconveniente non salvato."},
        {"DELETE FROM Ricambio",
         "Il ricambio \"Disco\" non è più presente nel database: forse è stato eliminato da "
         "un'altra postazione. Inconveniente non salvato."},
    };
    const QString righe = QStringLiteral(
        "SELECT IdInconveniente, Descrizione FROM Inconveniente UNION ALL SELECT IdOperazione, "
        "Descrizione FROM Operazione UNION ALL SELECT IdRicambio, Descrizione FROM Ricambio");
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.eliminazione);
        probe.exec(QStringLiteral("DELETE FROM Inconveniente"));
        complaints.SalvaNuovoInconveniente(inconveniente(
            -1, idCommessa, QStringLiteral("Freni"), {operazione(-1, QStringLiteral("Pastiglie"))},
            {ricambio(-1, QStringLiteral("Disco"))}));
        TInconveniente letto = ricaricato();
        probe.exec(QString::fromLatin1(caso.eliminazione));
        const QStringList prima = probe.rows(righe);

        letto.FDescrizione = QStringLiteral("Freni rumorosi");
        TOperazione cambiata = *letto.FListaOperazioni->Get(0);
        cambiata.Fdescrizione = QStringLiteral("Pastiglie anteriori");
        letto.FListaOperazioni->Remove(0);
        letto.FListaOperazioni->Add(operazione(-1, QStringLiteral("Nuova")));
        letto.FListaOperazioni->Add(cambiata);
        letto.FListaRicambi->Add(ricambio(-1, QStringLiteral("Pinza")));
        try {
            complaints.SalvaInconvenienteModificato(letto);
            ADD_FAILURE() << "a deleted row must not count as saved";
        } catch (const DatabaseError& error) {
            EXPECT_EQ(error.message(), QString::fromUtf8(caso.messaggio));
        }
        EXPECT_EQ(probe.rows(righe), prima);
    }
}

TEST_F(ComplaintStoreTest, ANewComplaintOfAJobOrderDeletedElsewhereFailsAndWritesNothing) {
    probe.exec(QStringLiteral("DELETE FROM Commessa"));
    try {
        complaints.SalvaNuovoInconveniente(inconveniente(
            -1, idCommessa, QStringLiteral("Freni"), {operazione(-1, QStringLiteral("Pastiglie"))},
            {ricambio(-1, QStringLiteral("Disco"))}));
        ADD_FAILURE() << "a complaint of no job order must not count as saved";
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("La commessa %1 non è più presente nel database: forse è stata "
                                 "eliminata da un'altra postazione. Inconveniente non salvato.")
                      .arg(idCommessa));
    }
    for (const char* tabella : {"Inconveniente", "Operazione", "Ricambio"}) {
        EXPECT_EQ(probe.count(QString::fromLatin1(tabella)), 0) << tabella;
    }
}

// A statement that fails half-way through a save, injected from outside the program.
struct Guasto {
    const char* nome;
    const char* trigger;
};

class ComplaintSaveFailure : public ComplaintStoreTest,
                             public testing::WithParamInterface<Guasto> {};

TEST_P(ComplaintSaveFailure, NewComplaintLeavesNothingBehind) {
    probe.exec(QString::fromUtf8(GetParam().trigger));
    EXPECT_THROW(
        complaints.SalvaNuovoInconveniente(inconveniente(
            -1, idCommessa, QStringLiteral("Tagliando"),
            {operazione(-1, QStringLiteral("Olio")), operazione(-1, QStringLiteral("Filtri"))},
            {ricambio(-1, QStringLiteral("Filtro olio")),
             ricambio(-1, QStringLiteral("Guarnizione"))})),
        DatabaseError);
    EXPECT_EQ(probe.count(QStringLiteral("Inconveniente")), 0);
    EXPECT_EQ(probe.count(QStringLiteral("Operazione")), 0);
    EXPECT_EQ(probe.count(QStringLiteral("Ricambio")), 0);
}

TEST_P(ComplaintSaveFailure, ChangedComplaintStaysAsStored) {
    complaints.SalvaNuovoInconveniente(inconveniente(-1, idCommessa, QStringLiteral("Prima"),
                                                     {operazione(-1, QStringLiteral("Olio"))}));
    const QStringList prima = probe.rows(
        QStringLiteral("SELECT * FROM Inconveniente UNION ALL SELECT IdOperazione, Prezzo, "
                       "CodiceOperazione, Descrizione, IdInconveniente FROM Operazione"));
    probe.exec(QString::fromUtf8(GetParam().trigger));
    TInconveniente letto = ricaricato();
    letto.FDescrizione = QStringLiteral("Dopo");
    TOperazione o = *letto.FListaOperazioni->Get(0);
    o.Fdescrizione = QStringLiteral("Olio sintetico");
    letto.FListaOperazioni->Remove(0);
    letto.FListaOperazioni->Add(o);
    letto.FListaOperazioni->Add(operazione(-1, QStringLiteral("Filtri")));
    letto.FListaRicambi->Add(ricambio(-1, QStringLiteral("Guarnizione")));
    EXPECT_THROW(complaints.SalvaInconvenienteModificato(letto), DatabaseError);
    EXPECT_EQ(probe.rows(QStringLiteral(
                  "SELECT * FROM Inconveniente UNION ALL SELECT IdOperazione, Prezzo, "
                  "CodiceOperazione, Descrizione, IdInconveniente FROM Operazione")),
              prima);
    EXPECT_EQ(probe.count(QStringLiteral("Ricambio")), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Guasti, ComplaintSaveFailure,
    testing::Values(
        Guasto{"SecondaOperazione",
               "CREATE TRIGGER guasto BEFORE INSERT ON Operazione WHEN NEW.Descrizione = 'Filtri' "
               "BEGIN SELECT RAISE(ABORT, 'guasto'); END;"},
        Guasto{"UltimoRicambio",
               "CREATE TRIGGER guasto BEFORE INSERT ON Ricambio WHEN "
               "NEW.Descrizione = 'Guarnizione' BEGIN SELECT RAISE(ABORT, 'guasto'); "
               "END;"}),
    [](const testing::TestParamInfo<Guasto>& info) { return std::string(info.param.nome); });

}  // namespace
