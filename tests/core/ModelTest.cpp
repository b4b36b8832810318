#include "model/ClassCliente.h"
#include "model/ClassCommessa.h"
#include "model/ClassListaCommesse.h"
#include "model/ClassListaInconvenienti.h"
#include "model/ClassListaOperazioni.h"
#include "model/ClassListaRicambi.h"
#include "model/ClassVeicolo.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

namespace {

// --- Create: every parameter reaches the field of its name ------------------------------

TEST(RecordCreate, ClienteTakesFiscalCodeThirdAndTypeFourth) {
    const TCliente cliente = TCliente::Create("00123", "Rossi", "ABC", "S", "00/00/0000T00:00:00",
                                              true, false, true, false, true, false);
    EXPECT_EQ(cliente.FIdCliente, "00123");
    EXPECT_EQ(cliente.FRagioneSociale, "Rossi");
    EXPECT_EQ(cliente.FCodiceFiscale, "ABC");
    EXPECT_EQ(cliente.FTipoCliente, "S");
    EXPECT_EQ(cliente.FDataOraCessionePrivacy, "00/00/0000T00:00:00");
    EXPECT_EQ((std::vector<bool>{cliente.FMarketingFCA, cliente.FTerzePartiFCA,
                                 cliente.FProfilingFCA, cliente.FMarketingDealer,
                                 cliente.FTerzePartiDealer, cliente.FProfilingDealer}),
              (std::vector<bool>{true, false, true, false, true, false}));
}

TEST(RecordCreate, CommessaVeicoloOperazioneRicambioInconveniente) {
    auto lista = std::make_shared<TListaInconvenienti>();
    const TCommessa commessa = TCommessa::Create("7", "Tagliando", "0123456", "380", "SCH1",
                                                 "2024-05-02", "00042", 3, 4, lista, true);
    EXPECT_EQ(commessa.FIDCommessaDMS, "7");
    EXPECT_EQ(commessa.FDescrizioneCommessa, "Tagliando");
    EXPECT_EQ(commessa.FCodiceOfficina, "0123456");
    EXPECT_EQ(commessa.FCodiceMercato, "380");
    EXPECT_EQ(commessa.FCodiceScheda, "SCH1");
    EXPECT_EQ(commessa.FDataCommessa, "2024-05-02");
    EXPECT_EQ(commessa.FIdCliente, "00042");
    EXPECT_EQ(commessa.FIdScheda, 3);
    EXPECT_EQ(commessa.FIdVeicolo, 4);
    EXPECT_EQ(commessa.FListaInconvenienti, lista);
    EXPECT_TRUE(commessa.FInviata);

    const TVeicolo veicolo = TVeicolo::Create(9, "AB123CD", "50", "MVS1", "ZFA000");
    EXPECT_EQ(veicolo, (TVeicolo{9, "AB123CD", "50", "MVS1", "ZFA000"}));

    // Operations and parts take both ids first, then the texts, the charge code last.
    const TOperazione operazione = TOperazione::Create(-1, 12, "35,50", "OP1", "Cambio olio", u'G');
    EXPECT_EQ(operazione, (TOperazione{-1, "35,50", "OP1", u'G', "Cambio olio", 12}));

    const TRicambio ricambio = TRicambio::Create(5, -1, "46789", "Filtro", QChar());
    EXPECT_EQ(ricambio, (TRicambio{5, "46789", "Filtro", QChar(), -1}));
    EXPECT_TRUE(ricambio.FCodiceACarico.isNull());

    auto operazioni = std::make_shared<TListaOperazioni>();
    auto ricambi = std::make_shared<TListaRicambi>();
    const TInconveniente inconveniente =
        TInconveniente::Create(-1, "7", "Rumore", u'C', u'M', operazioni, ricambi);
    EXPECT_EQ(inconveniente.FIdInconveniente, -1);
    EXPECT_EQ(inconveniente.FIdCommessaDMS, "7");
    EXPECT_EQ(inconveniente.FDescrizione, "Rumore");
    EXPECT_EQ(inconveniente.FCodiceACarico, u'C');
    EXPECT_EQ(inconveniente.FTipoIntervento, u'M');
    EXPECT_EQ(inconveniente.FListaOperazioni, operazioni);
    EXPECT_EQ(inconveniente.FListaRicambi, ricambi);
}

// --- Copies and shared lists ------------------------------------------------------------

TEST(RecordCopies, ListsAreSharedButFieldsAreCopied) {
    TListaInconvenienti lista;
    TInconveniente added =
        TInconveniente::Create(-1, "", "Rumore", u'C', u'M', std::make_shared<TListaOperazioni>(),
                               std::make_shared<TListaRicambi>());
    lista.Add(added);

    added.FListaOperazioni->Add(TOperazione::Create(-1, -1, "10", "OP1", "Prova", u'C'));
    added.FDescrizione = "Cambiata dopo";

    const TInconveniente stored = *lista.Get(0);
    EXPECT_EQ(stored.FListaOperazioni->Count(), 1) << "the operation list is shared";
    EXPECT_EQ(stored.FDescrizione, "Rumore") << "the list keeps its own copy of the fields";

    TInconveniente got = *lista.Get(0);
    got.FDescrizione = "Cambiata sulla copia";
    got.FListaRicambi->Add(TRicambio::Create(-1, -1, "R1", "Filtro", u'C'));
    EXPECT_EQ(lista.Get(0)->FDescrizione, "Rumore");
    EXPECT_EQ(lista.Get(0)->FListaRicambi->Count(), 1);
}

// --- The four lists: shared behaviour and their own messages ----------------------------

template <typename List, typename Record>
struct ListKind {
    using ListType = List;
    static Record make(int n);
    static int idOf(const Record& r);
};

template <>
TCommessa ListKind<TListaCommesse, TCommessa>::make(int n) {
    return TCommessa::Create(QString::number(n), "", "", "", "", "", "", n, -1, nullptr, false);
}
template <>
int ListKind<TListaCommesse, TCommessa>::idOf(const TCommessa& r) {
    return r.FIdScheda;
}
template <>
TInconveniente ListKind<TListaInconvenienti, TInconveniente>::make(int n) {
    return TInconveniente::Create(n, "", "", QChar(), QChar(), nullptr, nullptr);
}
template <>
int ListKind<TListaInconvenienti, TInconveniente>::idOf(const TInconveniente& r) {
    return r.FIdInconveniente;
}
template <>
TOperazione ListKind<TListaOperazioni, TOperazione>::make(int n) {
    return TOperazione::Create(n, -1, "", "", "", QChar());
}
template <>
int ListKind<TListaOperazioni, TOperazione>::idOf(const TOperazione& r) {
    return r.FIdOperazione;
}
template <>
TRicambio ListKind<TListaRicambi, TRicambio>::make(int n) {
    return TRicambio::Create(n, -1, "", "", QChar());
}
template <>
int ListKind<TListaRicambi, TRicambio>::idOf(const TRicambio& r) {
    return r.FIdRicambio;
}

template <typename Kind>
class TypedListTest : public testing::Test {
protected:
    using List = typename Kind::ListType;

    // A list holding records with the ids given, in that order.
    static List listOf(std::initializer_list<int> ids) {
        List list;
        for (int id : ids) {
            list.Add(Kind::make(id));
        }
        return list;
    }

    static std::vector<int> idsOf(const List& list) {
        std::vector<int> ids;
        for (const auto& record : list) {
            ids.push_back(Kind::idOf(record));
        }
        return ids;
    }

    // Only the complaint list names itself in its messages.
    static QString prefix() {
        return std::is_same_v<List, TListaInconvenienti> ? "ListaInconvenienti" : "ListaOperazioni";
    }

    ScriptedInteraction ui;
};

using ListKinds =
    testing::Types<ListKind<TListaCommesse, TCommessa>,
                   ListKind<TListaInconvenienti, TInconveniente>,
                   ListKind<TListaOperazioni, TOperazione>, ListKind<TListaRicambi, TRicambio>>;
TYPED_TEST_SUITE(TypedListTest, ListKinds);

TYPED_TEST(TypedListTest, PastTheEndShowsTheListsMessageAndChangesNothing) {
    auto list = this->listOf({1, 2, 3});

    EXPECT_FALSE(list.Get(3).has_value());
    list.Remove(3);
    list.Remove(7);
    EXPECT_EQ(this->idsOf(list), (std::vector<int>{1, 2, 3}));

    auto empty = this->listOf({});
    empty.Remove(0);

    const QString get = this->prefix() + " - Impossibile ottenere l'oggetto richiesto!";
    const QString remove = this->prefix() + " - Oggetto da eliminare non trovato!";
    EXPECT_EQ(this->ui.shown(), (std::vector<Shown>{{"simple", "", get},
                                                    {"simple", "", remove},
                                                    {"simple", "", remove},
                                                    {"simple", "", remove}}));
}

TYPED_TEST(TypedListTest, OutOfRangeBelowOrBeyondInsertionPointIsRangeError) {
    auto list = this->listOf({1, 2});
    const auto record = TypeParam::make(9);
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"Get(-1)", [&] { (void)list.Get(-1); }},
        {"Remove(-1)", [&] { list.Remove(-1); }},
        {"AddToIndex(-1)", [&] { list.AddToIndex(record, -1); }},
        {"AddToIndex(Count+1)", [&] { list.AddToIndex(record, 3); }},
    };
    for (const auto& [name, call] : cases) {
        try {
            call();
            ADD_FAILURE() << name << " did not throw";
        } catch (const RangeError& error) {
            EXPECT_EQ(error.message(), "Argument out of range") << name;
        }
        EXPECT_EQ(this->idsOf(list), (std::vector<int>{1, 2})) << name;
    }
    EXPECT_TRUE(this->ui.shown().empty());
}

TYPED_TEST(TypedListTest, AddToIndexInsertsOrAppends) {
    auto list = this->listOf({1, 2});
    list.AddToIndex(TypeParam::make(0), 0);
    list.AddToIndex(TypeParam::make(3), list.Count());
    list.AddToIndex(TypeParam::make(9), 2);
    EXPECT_EQ(this->idsOf(list), (std::vector<int>{0, 1, 9, 2, 3}));
    list.Remove(2);
    EXPECT_EQ(this->idsOf(list), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(TypeParam::idOf(*list.Get(3)), 3);
}

// --- TListaInconvenienti's own operations -----------------------------------------------

TInconveniente complaint(int id) {
    return TInconveniente::Create(id, "", QString::number(id), QChar(), QChar(), nullptr, nullptr);
}

TEST(ListaInconvenienti, RemoveAllEmptiesAnySize) {
    for (int size : {0, 1, 2, 5}) {
        TListaInconvenienti list;
        for (int i = 0; i < size; ++i) {
            list.Add(complaint(i));
        }
        list.RemoveAll();
        EXPECT_EQ(list.Count(), 0) << size;
    }
}

TEST(ListaInconvenienti, ReplaceChangesOnlyItsElementAndChecksTheRange) {
    TListaInconvenienti list;
    list.Add(complaint(1));
    list.Add(complaint(2));

    list.Replace(1, complaint(20));
    EXPECT_EQ(list.Get(0)->FIdInconveniente, 1);
    EXPECT_EQ(list.Get(1)->FIdInconveniente, 20);

    for (int index : {-1, 2}) {
        EXPECT_THROW(list.Replace(index, complaint(99)), RangeError) << index;
    }
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get(1)->FIdInconveniente, 20);
}

}  // namespace
