#include "dms/DocumentoDMS.h"
#include "dms/TestataScheda.h"
#include "platform/IniFile.h"
#include "support/ScriptedInteraction.h"
#include "support/WorkFolder.h"

#include <gtest/gtest.h>
#include <QStringEncoder>
#include <QStringList>

namespace {

// Marks a key of the head that the document leaves out.
const QString kAssente = QStringLiteral("<assente>");

// A complete document of a new job card; each test changes only the keys it is about.
QByteArray documento(const QList<QPair<QString, QString>>& modifiche = {},
                     const QString& codiceScheda = QStringLiteral("004817")) {
    QList<QPair<QString, QString>> testa = {
        {QStringLiteral("Piva"), QStringLiteral("02468013579")},
        {QStringLiteral("Marca"), QStringLiteral("FIAT")},
        {QStringLiteral("Modello"), QStringLiteral("PANDA")},
        {QStringLiteral("VersioneTem"), QStringLiteral("1.0 Hybrid")},
        {QStringLiteral("RagSociale"), QStringLiteral("ROSSI MARIO")},
        {QStringLiteral("PartitaIva"), QString()},
        {QStringLiteral("CodFiscale"), QStringLiteral("RSSMRA80A01D969K")},
        {QStringLiteral("CodCliente"), QStringLiteral("04217")},
        {QStringLiteral("Targa"), QStringLiteral("GE482LT")},
        {QStringLiteral("Telaio"), QStringLiteral("04567891")},
        {QStringLiteral("CodMarcaCobol"), QStringLiteral("125")},
    };
    for (const auto& [chiave, valore] : modifiche) {
        auto it = std::find_if(testa.begin(), testa.end(),
                               [&](const auto& entry) { return entry.first == chiave; });
        if (it == testa.end()) {
            testa.append({chiave, valore});
        } else if (valore == kAssente) {
            testa.erase(it);
        } else {
            it->second = valore;
        }
    }
    QString text = QStringLiteral("[testa]\n");
    for (const auto& [chiave, valore] : testa) {
        text += chiave + u'=' + valore + u'\n';
    }
    if (codiceScheda != kAssente) {
        text += QStringLiteral("[DatiScheda]\nCodiceScheda=") + codiceScheda + u'\n';
    }
    return text.toUtf8();
}

struct Lettura {
    LetturaDocumentoDMS risultato;
    QStringList schedeCercate;
    int domandeTelaio = 0;
};

Lettura leggi(const QByteArray& bytes, bool memorizzata = false, bool tronca = false) {
    Lettura lettura;
    const OpzioniLetturaDMS opzioni{
        .esisteScheda =
            [&](const QString& codice) {
                lettura.schedeCercate.append(codice);
                return memorizzata;
            },
        .troncaTelaio =
            [&] {
                ++lettura.domandeTelaio;
                return tronca;
            },
        .locale = QLocale(QLocale::Italian, QLocale::Italy),
    };
    lettura.risultato = leggiDocumentoDMS(IniFile::fromBytes(bytes), opzioni);
    return lettura;
}

TEST(DocumentoDMS, NewJobCardFillsEveryValue) {
    const LetturaDocumentoDMS r = leggi(documento()).risultato;
    EXPECT_TRUE(r.documentoPresente);
    EXPECT_EQ(r.PIvaCarr, QStringLiteral("02468013579"));
    EXPECT_EQ(r.EditCodiceScheda, QStringLiteral("004817"));
    EXPECT_EQ(r.schedaMemorizzata, false);
    EXPECT_EQ(r.EditRagioneSociale, QStringLiteral("ROSSI MARIO"));
    EXPECT_EQ(r.EditCFPIVA, QStringLiteral("RSSMRA80A01D969K"));
    EXPECT_EQ(r.EditTarga, QStringLiteral("GE482LT"));
    EXPECT_EQ(r.EditTelaio, QStringLiteral("04567891"));
    EXPECT_EQ(r.TelaioTroppoLungo, false);
    EXPECT_EQ(r.LabelMarcaModelloVeicolo, QStringLiteral("FIAT PANDA 1.0 Hybrid"));
    EXPECT_EQ(r.ComboBoxMarche, QStringLiteral("FIAT"));
    EXPECT_EQ(r.ComboBoxTipoCliente, 0);
    EXPECT_EQ(r.EditIDClienteDMS, QStringLiteral("04217"));
    EXPECT_EQ(r.ButtonValorizzaIDClienteDMS, false);
    EXPECT_EQ(r.ClienteSelezionato,
              TCliente::Create(QStringLiteral("04217"), QStringLiteral("ROSSI MARIO"),
                               QStringLiteral("RSSMRA80A01D969K"), QStringLiteral("S"),
                               QStringLiteral("00/00/0000T00:00:00"), false, false, false, false,
                               false, false));
    EXPECT_FALSE(r.errore);
}

TEST(DocumentoDMS, StoredJobCardTakesOnlyCodeVatNumberAndVehicleLabel) {
    // Values that would fail the brand conversion show that the rest is never read.
    const Lettura lettura = leggi(documento({{QStringLiteral("CodMarcaCobol"), QString()},
                                             {QStringLiteral("Marca"), QStringLiteral(" ALFA\t")}}),
                                  true);
    const LetturaDocumentoDMS& r = lettura.risultato;
    EXPECT_EQ(lettura.schedeCercate, QStringList{QStringLiteral("004817")});
    EXPECT_EQ(r.schedaMemorizzata, true);
    EXPECT_EQ(r.PIvaCarr, QStringLiteral("02468013579"));
    EXPECT_EQ(r.LabelMarcaModelloVeicolo, QStringLiteral("ALFA PANDA 1.0 Hybrid"));
    EXPECT_FALSE(r.EditRagioneSociale || r.EditTarga || r.EditTelaio || r.ComboBoxMarche ||
                 r.ComboBoxTipoCliente || r.EditIDClienteDMS || r.ClienteSelezionato);
    EXPECT_FALSE(r.errore);
}

TEST(DocumentoDMS, MissingJobCardCodeIsLookedUpAsNoData) {
    const Lettura lettura = leggi(documento({}, kAssente));
    EXPECT_EQ(lettura.schedeCercate, QStringList{QStringLiteral("<NO DATA>")});
    EXPECT_EQ(lettura.risultato.EditCodiceScheda, QStringLiteral("<NO DATA>"));
}

TEST(DocumentoDMS, NoDocumentReadsNothing) {
    WorkFolder folder;
    const OpzioniLetturaDMS opzioni{.esisteScheda = [](const QString&) { return true; }};
    const LetturaDocumentoDMS r =
        leggiDocumentoDMS(IniFile(folder.path(QStringLiteral("DOCT.ini"))), opzioni);
    EXPECT_FALSE(r.documentoPresente);
    EXPECT_FALSE(r.PIvaCarr || r.EditCodiceScheda || r.schedaMemorizzata || r.errore);
    EXPECT_EQ(r.ListaOperazioniDisponibili.Count(), 0);
}

TEST(DocumentoDMS, UnreadableDocumentIsAFailureNotAnEmptyJobCard) {
    WorkFolder folder;
    const OpzioniLetturaDMS opzioni{.esisteScheda = [](const QString&) { return false; }};
    // A folder where the document should be: it exists but cannot be read.
    const LetturaDocumentoDMS r = leggiDocumentoDMS(IniFile(folder.dmsFolder()), opzioni);
    EXPECT_TRUE(r.documentoPresente);
    ASSERT_TRUE(r.errore);
    EXPECT_TRUE(r.errore->startsWith(QStringLiteral("Impossibile leggere il documento DMS")));
    EXPECT_FALSE(r.EditCodiceScheda || r.schedaMemorizzata);
}

// However the DMS encodes the document and ends its lines, the head is found whole.
TEST(DocumentoDMS, ByteOrderMarksAndEveryKindOfLineEndAreRead) {
    const QString testo = QString::fromUtf8(documento({{"RagSociale", "FERRÈ NICOLÒ"}}));
    const auto utf16 = [&](QStringConverter::Encoding encoding) {
        return QByteArray(QStringEncoder(encoding, QStringConverter::Flag::WriteBom)(testo));
    };
    const struct {
        const char* nome;
        QByteArray bytes;
    } casi[] = {
        {"UTF-8 mark before Windows-1252 text",
         "\xEF\xBB\xBF" + QStringEncoder(QStringConverter::Latin1)(testo)},
        {"UTF-16 little endian", utf16(QStringConverter::Utf16LE)},
        {"UTF-16 big endian", utf16(QStringConverter::Utf16BE)},
        {"CR line ends", testo.toUtf8().replace('\n', '\r')},
        {"CR LF line ends", testo.toUtf8().replace("\n", "\r\n")},
    };
    for (const auto& caso : casi) {
        const auto r = leggi(caso.bytes).risultato;
        EXPECT_FALSE(r.errore) << caso.nome << ": " << r.errore.value_or(QString()).toStdString();
        EXPECT_EQ(r.EditRagioneSociale, QStringLiteral("FERRÈ NICOLÒ")) << caso.nome;
        EXPECT_EQ(r.EditCodiceScheda, QStringLiteral("004817")) << caso.nome;
        EXPECT_EQ(r.ComboBoxMarche, QStringLiteral("FIAT")) << caso.nome;
    }
}

// A document whose head is not found was not understood: it is unreadable, and no key that
// the reading then missed is named.
TEST(DocumentoDMS, WithoutItsHeadTheDocumentIsUnreadable) {
    const struct {
        const char* nome;
        QByteArray bytes;
    } casi[] = {
        {"a NUL as the first byte", QByteArray(1, '\0') + documento()},
        {"UTF-16 without its mark",
         QByteArray(reinterpret_cast<const char*>(QString::fromUtf8(documento()).utf16()),
                    documento().size() * 2)},
        {"an empty file", QByteArray()},
        {"lines only", "[corpo]\nr000=P4S 1\n"},
    };
    for (const auto& caso : casi) {
        const Lettura lettura = leggi(caso.bytes);
        const LetturaDocumentoDMS& r = lettura.risultato;
        ASSERT_TRUE(r.errore) << caso.nome;
        EXPECT_TRUE(r.errore->startsWith(QStringLiteral("Impossibile leggere il documento DMS")))
            << r.errore->toStdString();
        EXPECT_TRUE(r.errore->contains(QStringLiteral("sezione [testa]"))) << caso.nome;
        EXPECT_FALSE(r.errore->contains(QStringLiteral("CodMarcaCobol"))) << caso.nome;
        EXPECT_FALSE(r.PIvaCarr || r.EditCodiceScheda || r.schedaMemorizzata) << caso.nome;
        EXPECT_TRUE(lettura.schedeCercate.isEmpty()) << caso.nome;
    }
}

TEST(DocumentoDMS, PlateLosesEveryBlankAndNothingElse) {
    const struct {
        const char* targa;
        const char* attesa;
    } casi[] = {
        {"AB 123 CD", "AB123CD"},   {"  AB 123  CD  ", "AB123CD"}, {"'A B 1'", "AB1"},
        {"ab-123-cd", "ab-123-cd"}, {"AB\t123", "AB\t123"},
    };
    for (const auto& caso : casi) {
        const auto r =
            leggi(documento({{QStringLiteral("Targa"), QString::fromUtf8(caso.targa)}})).risultato;
        EXPECT_EQ(r.EditTarga, QString::fromUtf8(caso.attesa)) << caso.targa;
    }
}

TEST(DocumentoDMS, LongChassisNumberIsTruncatedOnlyWhenTheUserSaysSi) {
    const struct {
        const char* telaio;
        bool si;
        int domande;
        const char* atteso;
    } casi[] = {
        {"12345678", true, 0, "12345678"},
        {"123456789", true, 1, "23456789"},
        {"123456789", false, 1, "123456789"},
        {"ABCDEFGHJ12345678", true, 1, "12345678"},
        {"ABCDEFGHJ12345678", false, 1, "ABCDEFGHJ12345678"},
    };
    for (const auto& caso : casi) {
        const Lettura lettura =
            leggi(documento({{QStringLiteral("Telaio"), QString::fromUtf8(caso.telaio)}}), false,
                  caso.si);
        EXPECT_EQ(lettura.domandeTelaio, caso.domande) << caso.telaio;
        EXPECT_EQ(lettura.risultato.EditTelaio, QString::fromUtf8(caso.atteso)) << caso.telaio;
        EXPECT_EQ(lettura.risultato.TelaioTroppoLungo, caso.domande == 1) << caso.telaio;
    }
}

TEST(DocumentoDMS, ChassisQuestionGoesToTheUserByDefault) {
    for (const bool si : {true, false}) {
        ScriptedInteraction user;
        user.answer(si);
        const OpzioniLetturaDMS opzioni{.esisteScheda = [](const QString&) { return false; }};
        const auto r = leggiDocumentoDMS(
            IniFile::fromBytes(
                documento({{QStringLiteral("Telaio"), QStringLiteral("ABCDEFGHJ12345678")}})),
            opzioni);
        EXPECT_EQ(user.shown(),
                  (std::vector<Shown>{{QStringLiteral("confirm"), QStringLiteral("Domanda:"),
                                       kDomandaTelaioLungo}}));
        EXPECT_EQ(r.EditTelaio,
                  si ? QStringLiteral("12345678") : QStringLiteral("ABCDEFGHJ12345678"));
    }
}

TEST(DocumentoDMS, BrandTable) {
    const struct {
        const char* cobol;
        const char* ania;
        const char* versione;
        const char* marca;  // nullptr: the reading stops at the brand
    } casi[] = {
        {"8", "154", "6", "ABARTH"},  {"8", "57", "6", "LCV"},
        {"8", "57", "1", "FIAT"},     {"8", "", "", "FIAT"},
        {"125", "154", "6", "FIAT"},  {"1", "", "", "ALFAROMEO"},
        {"12", "", "", "LANCIA"},     {"29", "", "", "CHRYSLER"},
        {"40", "", "", "JEEP"},       {"131", "", "", "DODGE"},
        {"008", "154", "", "ABARTH"}, {"7", "", "", ""},
        {"", "154", "", nullptr},     {"FIAT", "", "", nullptr},
        {"8.0", "", "", nullptr},     {"99999999999", "", "", nullptr},
    };
    for (const auto& caso : casi) {
        const auto r =
            leggi(documento({
                      {QStringLiteral("CodMarcaCobol"), QString::fromUtf8(caso.cobol)},
                      {QStringLiteral("CodMarcaAnia"), QString::fromUtf8(caso.ania)},
                      {QStringLiteral("CodVersioneCobol"), QString::fromUtf8(caso.versione)},
                  }))
                .risultato;
        if (caso.marca != nullptr) {
            EXPECT_EQ(r.ComboBoxMarche, QString::fromUtf8(caso.marca)) << caso.cobol;
            EXPECT_FALSE(r.errore) << caso.cobol;
            continue;
        }
        // Steps up to the vehicle label stay; the brand and the customer steps do not run.
        ASSERT_TRUE(r.errore) << caso.cobol;
        EXPECT_TRUE(r.errore->contains(QStringLiteral("CodMarcaCobol"))) << r.errore->toStdString();
        EXPECT_TRUE(r.EditTelaio && r.LabelMarcaModelloVeicolo) << caso.cobol;
        EXPECT_FALSE(r.ComboBoxMarche || r.ComboBoxTipoCliente || r.EditIDClienteDMS ||
                     r.ButtonValorizzaIDClienteDMS || r.ClienteSelezionato)
            << caso.cobol;
    }
}

TEST(DocumentoDMS, CustomerTypeFromVatNumberOrFiscalCode) {
    const struct {
        const char* partitaIva;
        const char* codiceFiscale;
        int voce;
        const char* tipo;
        const char* cfpiva;
    } casi[] = {
        {"IT00000000000", "", 1, "N", "IT00000000000"},
        {"01234567890", "AAAAAA00A00A000A", 1, "N", "01234567890"},
        {"0123456789", "AAAAAA00A00A000A", 0, "S", "0123456789"},
        {"", "AAAAAA00A00A000A", 0, "S", "AAAAAA00A00A000A"},
        {"", "xxAAAAAA00A00A000Axx", 0, "S", "xxAAAAAA00A00A000Axx"},
        {"", "aaaaaa00a00a000a", -1, "N", "aaaaaa00a00a000a"},
        {"0123456789", "", -1, "N", "0123456789"},
        {"", "", -1, "N", ""},
    };
    for (const auto& caso : casi) {
        const auto r =
            leggi(
                documento({{QStringLiteral("PartitaIva"), QString::fromUtf8(caso.partitaIva)},
                           {QStringLiteral("CodFiscale"), QString::fromUtf8(caso.codiceFiscale)}}))
                .risultato;
        EXPECT_EQ(r.ComboBoxTipoCliente, caso.voce) << caso.partitaIva << caso.codiceFiscale;
        ASSERT_TRUE(r.ClienteSelezionato);
        EXPECT_EQ(r.ClienteSelezionato->FTipoCliente, QString::fromUtf8(caso.tipo));
        EXPECT_EQ(r.EditCFPIVA, QString::fromUtf8(caso.cfpiva));
        EXPECT_EQ(r.ClienteSelezionato->FCodiceFiscale, QString::fromUtf8(caso.cfpiva));
    }
}

TEST(DocumentoDMS, CustomerCodeOfFiveZerosAsksForANewId) {
    const struct {
        const char* codice;  // nullptr: key missing
        const char* id;
        bool valorizza;
    } casi[] = {
        {"00000", "", true},  {"0", "0", false},         {"", "", false},
        {nullptr, "", false}, {"04217", "04217", false},
    };
    for (const auto& caso : casi) {
        const QString codice = caso.codice ? QString::fromUtf8(caso.codice) : kAssente;
        const auto r = leggi(documento({{QStringLiteral("CodCliente"), codice}})).risultato;
        EXPECT_EQ(r.EditIDClienteDMS, QString::fromUtf8(caso.id)) << codice.toStdString();
        EXPECT_EQ(r.ButtonValorizzaIDClienteDMS, caso.valorizza) << codice.toStdString();
        EXPECT_EQ(r.ClienteSelezionato->FIdCliente, QString::fromUtf8(caso.id));
    }
}

TEST(DocumentoDMS, VehicleLabelTrimsControlCharactersAndKeepsEmptyParts) {
    const auto r = leggi(documento({{QStringLiteral("Marca"), QStringLiteral("\x01JEEP\x1F")},
                                    {QStringLiteral("Modello"), kAssente},
                                    {QStringLiteral("VersioneTem"), QStringLiteral("\x02S\x7F")}}))
                       .risultato;
    EXPECT_EQ(r.LabelMarcaModelloVeicolo, QStringLiteral("JEEP  S\x7F"));
}

TEST(DocumentoDMS, StoredCustomerTypeCodes) {
    EXPECT_EQ(getTipoClienteFromCodiceCliente(QStringLiteral("S")), 0);
    EXPECT_EQ(getTipoClienteFromCodiceCliente(QStringLiteral("N")), 1);
    for (const char* altro : {"", "s", "n", " S", "X"}) {
        EXPECT_EQ(getTipoClienteFromCodiceCliente(QString::fromUtf8(altro)), -1) << altro;
    }
}

}  // namespace

namespace {

// What a broken or hostile DMS might write: the reading ends, with or without a failure,
// and never takes the program down.
TEST(DocumentoDMS, BadDocumentsAreReadWithoutCrashOrHang) {
    QByteArray binario;
    quint32 seme = 12345;
    for (int i = 0; i < 200000; ++i) {
        seme = seme * 1664525u + 1013904223u;
        binario.append(static_cast<char>(seme >> 24));
    }
    QByteArray migliaiaDiRighe = "[testa]\nPagaCarrSC=1\n[corpo]\n";
    for (int i = 0; i < 20000; ++i) {
        migliaiaDiRighe += "r" + QByteArray::number(i).rightJustified(3, '0') + "=P4S 1\n";
    }
    const struct {
        const char* nome;
        QByteArray bytes;
        int ricambi;
    } casi[] = {
        {"10 MB line", "[corpo]\nr000=P4S " + QByteArray(10 << 20, 'x') + "\n", 1},
        {"binary bytes", binario, 0},
        {"NUL bytes in keys and values",
         QByteArrayLiteral("[te\0sta]\nPiva=\0\0\n[corpo]\nr000=P4S\0 1\nr001=\0P4S 1\n"), 1},
        {"thousands of r-keys", migliaiaDiRighe, 20000},
        {"sections only", "[testa]\n[DatiScheda]\n[corpo]\n", 0},
        {"lines without sections or equals signs", "r000=P4S 1\n[corpo\nr000\n=\n[", 0},
    };
    for (const auto& caso : casi) {
        const auto r = leggi(caso.bytes).risultato;
        EXPECT_EQ(r.ListaRicambiDisponibili.Count(), caso.ricambi) << caso.nome;
    }
}

TEST(DocumentoDMS, TextThatIsNotUtf8IsReadAsWindows1252) {
    const QByteArray cp1252 =
        "[testa]\nRagSociale=FERR\xC8 NICOL\xD2\nMarca=CITRO\xCBN \x80\nCodMarcaCobol=7\n";
    const auto r = leggi(cp1252).risultato;
    EXPECT_EQ(r.EditRagioneSociale, QStringLiteral("FERRÈ NICOLÒ"));
    EXPECT_EQ(r.LabelMarcaModelloVeicolo, QStringLiteral("CITROËN €  "));
    const auto utf8 = leggi("[testa]\nRagSociale=FERRÈ NICOLÒ\nCodMarcaCobol=7\n").risultato;
    EXPECT_EQ(utf8.EditRagioneSociale, QStringLiteral("FERRÈ NICOLÒ"));
}

}  // namespace
