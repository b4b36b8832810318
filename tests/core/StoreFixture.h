#pragma once

#include "db/ComplaintStore.h"
#include "db/JobOrderStore.h"
#include "db/UnitDB.h"
#include "support/DbProbe.h"
#include "support/ModelLists.h"
#include "support/ModelPrinters.h"
#include "support/QtPrinters.h"
#include "support/WorkFolder.h"

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

// A prepared database with both stores on it and a probe of its own to look at the rows.
class StoreFixture : public testing::Test {
protected:
    StoreFixture() {
        dm.SQLConnection1.setDatabase(dbPath);
        jobOrders.setCodiceOfficina(QStringLiteral("0123456"));
    }

    // A new job order saved whole; the customer and plate are shared unless given.
    CommessaSalvata salvaCommessa(const QString& codiceScheda,
                                  const QString& descrizione = QStringLiteral("Tagliando"),
                                  const QString& idCliente = QStringLiteral("00042"),
                                  const QString& targa = QStringLiteral("AB123CD")) {
        TCommessa commessa =
            TCommessa::Create(QString(), descrizione, QString(), QStringLiteral("380"),
                              codiceScheda, QString(), idCliente, -1, -1, nullptr, false);
        TCliente cliente = TCliente::Create(idCliente, QStringLiteral("Rossi Mario"),
                                            QStringLiteral("RSSMRA80A01H501U"), QStringLiteral("S"),
                                            QStringLiteral("00/00/0000T00:00:00"), true, false,
                                            true, false, false, true);
        TVeicolo veicolo = TVeicolo::Create(-1, targa, QStringLiteral("50"),
                                            QStringLiteral("1234567"), QStringLiteral("ZFA12345"));
        return jobOrders.SalvaNuovaCommessa(commessa, cliente, veicolo);
    }

    WorkFolder folder;
    QString dbPath = folder.createDatabase();
    TDataModule1 dm;
    ComplaintStore complaints{dm};
    JobOrderStore jobOrders{dm, complaints};
    DbProbe probe{dbPath};
};

inline TOperazione operazione(int id, const QString& descrizione,
                              const QString& prezzo = QStringLiteral("45,50"),
                              const QString& codice = QStringLiteral("OP001")) {
    return TOperazione::Create(id, -1, prezzo, codice, descrizione, u'C');
}

inline TRicambio ricambio(int id, const QString& descrizione,
                          const QString& codice = QStringLiteral("71754321")) {
    return TRicambio::Create(id, -1, codice, descrizione, u'G');
}

inline TInconveniente inconveniente(int id, const QString& idCommessa, const QString& descrizione,
                                    const std::vector<TOperazione>& operazioni = {},
                                    const std::vector<TRicambio>& ricambi = {}) {
    return TInconveniente::Create(id, idCommessa, descrizione, u'C', u'M',
                                  sharedListOf<TListaOperazioni>(operazioni),
                                  sharedListOf<TListaRicambi>(ricambi));
}

// Every field of two complaints, their operations and parts included, in list order.
inline void expectSameComplaint(const TInconveniente& actual, const TInconveniente& expected) {
    EXPECT_EQ(actual.FIdInconveniente, expected.FIdInconveniente);
    EXPECT_EQ(actual.FIdCommessaDMS, expected.FIdCommessaDMS);
    EXPECT_EQ(actual.FDescrizione, expected.FDescrizione);
    EXPECT_EQ(actual.FCodiceACarico, expected.FCodiceACarico);
    EXPECT_EQ(actual.FTipoIntervento, expected.FTipoIntervento);
    ASSERT_TRUE(actual.FListaOperazioni && expected.FListaOperazioni);
    ASSERT_TRUE(actual.FListaRicambi && expected.FListaRicambi);
    EXPECT_EQ(
        std::vector<TOperazione>(actual.FListaOperazioni->begin(), actual.FListaOperazioni->end()),
        std::vector<TOperazione>(expected.FListaOperazioni->begin(),
                                 expected.FListaOperazioni->end()));
    EXPECT_EQ(
        std::vector<TRicambio>(actual.FListaRicambi->begin(), actual.FListaRicambi->end()),
        std::vector<TRicambio>(expected.FListaRicambi->begin(), expected.FListaRicambi->end()));
}

inline void expectSameComplaints(const TListaInconvenienti& actual,
                                 const TListaInconvenienti& expected) {
    ASSERT_EQ(actual.Count(), expected.Count());
    auto e = expected.begin();
    for (const TInconveniente& a : actual) {
        SCOPED_TRACE(a.FIdInconveniente);
        expectSameComplaint(a, *e++);
    }
}
