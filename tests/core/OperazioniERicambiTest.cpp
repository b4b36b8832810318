#include "RigaDiProva.h"
#include "dms/OperazioniERicambi.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>
#include <QStringList>

namespace {

const QLocale kItaliano(QLocale::Italian, QLocale::Italy);
const QLocale kInglese(QLocale::English, QLocale::UnitedStates);

// An operation line: payment code, the three amounts, the operation code and text.
QString operazione(const char* pagamento, const char* importo1, const char* importo2,
                   const char* importo3) {
    return rigaDiProva({{1, "P4R 0001 MAN"},
                        {23, "|SOSTITUZIONE OLIO MOTORE|"},
                        {84, pagamento},
                        {117, importo1},
                        {125, importo2},
                        {133, importo3},
                        {253, "A0101010"}});
}

QString ricambio(const char* pagamento, const char* codice) {
    return rigaDiProva({{1, "P4S 0002 RIC"}, {23, "FILTRO OLIO"}, {84, pagamento}, {87, codice}});
}

IniFile documento(const QStringList& testa, const QStringList& corpo) {
    QString text = QStringLiteral("[testa]\n") + testa.join(u'\n') + QStringLiteral("\n[corpo]\n");
    for (int i = 0; i < corpo.size(); ++i) {
        text += chiaveRigaCorpo(i) + u'=' + corpo.at(i) + u'\n';
    }
    return IniFile::fromBytes(text.toUtf8());
}

struct Liste {
    TListaOperazioni operazioni;
    TListaRicambi ricambi;
};

Liste carica(const IniFile& doc, const QLocale& locale = kItaliano) {
    Liste liste;
    LoadOperazioniERicambi(doc, liste.operazioni, liste.ricambi, locale);
    return liste;
}

QStringList prezzi(const TListaOperazioni& operazioni) {
    QStringList result;
    for (const TOperazione& op : operazioni) {
        result.append(op.Fprezzo);
    }
    return result;
}

TEST(OperazioniERicambi, OperationAndPartRecords) {
    const Liste liste =
        carica(documento({QStringLiteral("PagaMeccSC=40"), QStringLiteral("PagaCarrSC=30")},
                         {operazione("07", "1,5", "", "0,5"), ricambio("01", "55223416")}));
    ASSERT_EQ(liste.operazioni.Count(), 1);
    EXPECT_EQ(*liste.operazioni.Get(0),
              TOperazione::Create(-1, -1, QStringLiteral("80"), QString(),
                                  QStringLiteral("A0101010: SOSTITUZIONE OLIO MOTORE"), QChar()));
    ASSERT_EQ(liste.ricambi.Count(), 1);
    EXPECT_EQ(*liste.ricambi.Get(0), TRicambio::Create(-1, -1, QStringLiteral("55223416"),
                                                       QStringLiteral("FILTRO OLIO"), QChar()));
}

TEST(OperazioniERicambi, PriceInTheLocaleNumberFormat) {
    const struct {
        const char* tariffa;  // PagaMeccSC
        const char* importi[3];
        const char* pagamento;
        QLocale locale;
        const char* prezzo;
    } casi[] = {
        {"40", {"1,5", "", "0,5"}, "07", kItaliano, "80"},
        {"40", {"1.5", "", "0.5"}, "07", kInglese, "80"},
        {"42,5", {"1", "", ""}, "07", kItaliano, "42,5"},
        {"42.5", {"1", "", ""}, "07", kInglese, "42.5"},
        {"33,33333", {"1", "", ""}, "07", kItaliano, "33,333"},
        {"0,0015", {"1", "", ""}, "07", kItaliano, "0,002"},
        {"40", {"1234", "", ""}, "07", kItaliano, "49360"},
        {"40", {"-1", "", ""}, "07", kItaliano, "-40"},
        {"40", {"", "", ""}, "07", kItaliano, "0"},
        {"40", {"-0,0", "", ""}, "07", kItaliano, "0"},
        // No rate, or none above 0: the price is 0 and the amounts are not read.
        {"0", {"1,5", "", ""}, "07", kItaliano, "0"},
        {"-5", {"x", "", ""}, "07", kItaliano, "0"},
        {"40", {"x", "", ""}, "99", kItaliano, "0"},
        {"40", {"x", "", ""}, "", kItaliano, "0"},
        {"40", {"x", "", ""}, " 7", kItaliano, "0"},
    };
    for (const auto& caso : casi) {
        const Liste liste = carica(
            documento(
                {QStringLiteral("PagaMeccSC=") + QString::fromUtf8(caso.tariffa)},
                {operazione(caso.pagamento, caso.importi[0], caso.importi[1], caso.importi[2])}),
            caso.locale);
        EXPECT_EQ(prezzi(liste.operazioni), QStringList{QString::fromUtf8(caso.prezzo)})
            << caso.tariffa << " " << caso.importi[0] << " " << caso.pagamento;
    }
}

TEST(OperazioniERicambi, RateTableOfPaymentCodes) {
    const QStringList testa = {QStringLiteral("PagaCarrSC=1"), QStringLiteral("PagaMeccSC=2"),
                               QStringLiteral("PagaEletSC=3")};
    const struct {
        const char* codici;
        const char* prezzo;
    } gruppi[] = {
        {"00 01 02 03 05 06 11 14 16", "1"},
        {"07 08 09 10 13 15", "2"},
        {"04 12", "3"},
        {"17 99 4 AB", "0"},
    };
    for (const auto& gruppo : gruppi) {
        for (const QString& codice : QString::fromUtf8(gruppo.codici).split(u' ')) {
            const Liste liste =
                carica(documento(testa, {operazione(codice.toUtf8().constData(), "1", "", "")}));
            EXPECT_EQ(prezzi(liste.operazioni), QStringList{QString::fromUtf8(gruppo.prezzo)})
                << codice.toStdString();
        }
    }
}

// The conversion failures stop the reading; the lines before stay.
TEST(OperazioniERicambi, ConversionFailureKeepsTheLinesReadBefore) {
    const struct {
        const char* testa;
        QString rigaCattiva;
        QLocale locale;
        const char* messaggio;
    } casi[] = {
        // A part line whose payment code wants a rate the document lacks.
        {"PagaMeccSC=40", ricambio("04", "77368212"), kItaliano, "PagaEletSC"},
        {"PagaEletSC=", ricambio("12", "77368212"), kItaliano, "PagaEletSC"},
        {"PagaMeccSC=quaranta", operazione("07", "1", "", ""), kItaliano, "quaranta"},
        {"PagaMeccSC=40", operazione("07", "1", "x", ""), kItaliano, "importo 2"},
        // Not the locale's decimal separator.
        {"PagaMeccSC=40", operazione("07", "1.5", "", ""), kItaliano, "1.5"},
        {"PagaMeccSC=40", operazione("07", "1,5", "", ""), kInglese, "1,5"},
        {"PagaMeccSC=1e308", operazione("07", "9e99", "", ""), kInglese, "troppo grande"},
        {"PagaMeccSC=inf", operazione("07", "1", "", ""), kInglese, "inf"},
    };
    for (const auto& caso : casi) {
        const IniFile doc =
            documento({QString::fromUtf8(caso.testa), QStringLiteral("PagaCarrSC=30")},
                      {ricambio("01", "55223416"), operazione("01", "1", "", ""), caso.rigaCattiva,
                       ricambio("01", "99999999")});
        TListaOperazioni operazioni;
        TListaRicambi ricambi;
        try {
            LoadOperazioniERicambi(doc, operazioni, ricambi, caso.locale);
            ADD_FAILURE() << "no failure for " << caso.messaggio;
        } catch (const ConversionError& error) {
            EXPECT_TRUE(error.message().startsWith(QStringLiteral("Documento DMS, riga r002: ")))
                << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(caso.messaggio)))
                << error.message().toStdString();
        }
        EXPECT_EQ(operazioni.Count(), 1) << caso.messaggio;
        EXPECT_EQ(ricambi.Count(), 1) << caso.messaggio;
    }
}

TEST(OperazioniERicambi, LineFieldsByPosition) {
    const struct {
        QString riga;
        const char* operazione;  // nullptr: no operation
        const char* ricambio;    // "code|description"; nullptr: no part
    } casi[] = {
        {rigaDiProva({{1, "P4RX"}, {6, "|PULIZIA|"}}), ": PULIZIA", nullptr},
        {rigaDiProva({{1, "P4R senza barre"}, {253, "A01"}}), "A01: ", nullptr},
        {rigaDiProva({{1, "P4R a|uno|due|tre"}}), ": uno", nullptr},
        {rigaDiProva({{1, "P4R a|solo una"}}), ": ", nullptr},
        {rigaDiProva({{1, "p4r |minuscolo|"}}), nullptr, nullptr},
        {rigaDiProva({{1, "P4 |corto|"}}), nullptr, nullptr},
        {rigaDiProva({{1, "P4R|senza|spazio"}}), nullptr, nullptr},
        {rigaDiProva({{1, "P4S"}, {23, " DESCRIZIONE "}, {87, "CODICE"}}), nullptr,
         "CODICE|DESCRIZIONE"},
        // Short lines are cut at their end.
        {rigaDiProva({{1, "P4S"}, {23, "DESCRIZIONE"}, {84, "01"}}), nullptr, "|DESCRIZIONE"},
        {rigaDiProva({{1, "P4S"}, {23, "DESCRIZ"}}), nullptr, "|DESCRIZ"},
        {rigaDiProva({{1, "P4S 1"}}), nullptr, "|"},
        {rigaDiProva({{1, "P4S"},
                      {23, "DESCRIZIONE CHE SUPERA LA COLONNA 82 DI UN BEL PO' DI CARATTERI"},
                      {87, "CODICE_LUNGO_PIU_DI_15"}}),
         nullptr, "CODICE_LUNGO_PI|DESCRIZIONE CHE SUPERA LA COLONNA 82 DI UN BEL PO' DI CARATT"},
        {rigaDiProva({{1, "P4R"}, {23, "|LAVAGGIO|"}, {253, "CODICE_OPERAZIONE_LUNGO"}}),
         "CODICE_OPERAZIO: LAVAGGIO", nullptr},
    };
    for (const auto& caso : casi) {
        const Liste liste = carica(documento({QStringLiteral("PagaCarrSC=1")}, {caso.riga}));
        QStringList operazioni;
        for (const TOperazione& op : liste.operazioni) {
            operazioni.append(op.Fdescrizione);
        }
        QStringList ricambi;
        for (const TRicambio& r : liste.ricambi) {
            ricambi.append(r.FCodiceRicambio + u'|' + r.FDescrizione);
        }
        EXPECT_EQ(operazioni,
                  caso.operazione ? QStringList{QString::fromUtf8(caso.operazione)} : QStringList())
            << caso.riga.toStdString();
        EXPECT_EQ(ricambi,
                  caso.ricambio ? QStringList{QString::fromUtf8(caso.ricambio)} : QStringList())
            << caso.riga.toStdString();
    }
}

TEST(OperazioniERicambi, CounterWalkStopsAtTheFirstMissingKey) {
    QStringList corpo;
    for (int i = 0; i <= 1000; ++i) {
        corpo.append(ricambio("01", QByteArray::number(i).constData()));
    }
    const Liste tutte = carica(documento({QStringLiteral("PagaCarrSC=1")}, corpo));
    ASSERT_EQ(tutte.ricambi.Count(), 1001);
    EXPECT_EQ(tutte.ricambi.Get(100)->FCodiceRicambio, QStringLiteral("100"));
    EXPECT_EQ(tutte.ricambi.Get(1000)->FCodiceRicambio, QStringLiteral("1000"));

    EXPECT_EQ(chiaveRigaCorpo(7), QStringLiteral("r007"));
    EXPECT_EQ(chiaveRigaCorpo(99), QStringLiteral("r099"));
    EXPECT_EQ(chiaveRigaCorpo(1000), QStringLiteral("r1000"));

    const IniFile conBuco = IniFile::fromBytes(
        "[testa]\nPagaCarrSC=1\n[CORPO]\nR000=P4S a\nr001=P4S b\nr003=P4S c\nr0002=P4S d\n");
    EXPECT_EQ(carica(conBuco).ricambi.Count(), 2);
}

TEST(OperazioniERicambi, NoDocumentNoSectionNoFirstKeyGiveEmptyLists) {
    for (const QByteArray& text : {QByteArray(), QByteArray("[testa]\nPagaCarrSC=1\n"),
                                   QByteArray("[corpo]\nr001=P4S 1\n")}) {
        Liste liste;
        liste.ricambi.Add(TRicambio());
        liste.operazioni.Add(TOperazione());
        LoadOperazioniERicambi(IniFile::fromBytes(text), liste.operazioni, liste.ricambi,
                               kItaliano);
        EXPECT_EQ(liste.operazioni.Count(), 0) << text.constData();
        EXPECT_EQ(liste.ricambi.Count(), 0) << text.constData();
    }
}

}  // namespace
