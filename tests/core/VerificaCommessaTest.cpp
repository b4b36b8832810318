#include "app/VerificaCommessa.h"

#include <gtest/gtest.h>

namespace {

const QString kVeicoloMancante =
    QStringLiteral("Controllare che tutti i dati del Veicolo obbligatori siano inseriti.");
const QString kTelaio = QStringLiteral("Il campo \"Telaio\" può contenere al massimo 8 caratteri.");
const QString kMvs = QStringLiteral("Il campo \"MVS\" dev'essere di 7 caratteri.");
const QString kTargaLunga =
    QStringLiteral("Il campo \"Targa\" può contenere al massimo 10 caratteri.");
const QString kTargaCorta =
    QStringLiteral("Il campo \"Targa\" deve contenere al minimo 7 caratteri.");
const QString kCommessaMancante =
    QStringLiteral("Controllare che tutti i dati della Commessa obbligatori siano inseriti.");
const QString kClienteMancante =
    QStringLiteral("Controllare che tutti i dati del Cliente obbligatori siano inseriti.");
const QString kRagioneSociale =
    QStringLiteral("Il campo \"Ragione Sociale\" può contenere al massimo 60 caratteri.");
const QString kCodiceFiscale =
    QStringLiteral("Il campo \"Codice Fiscale/P. Iva\" può contenere al massimo 16 caratteri.");

DatiCommessaDaVerificare datiValidi() {
    DatiCommessaDaVerificare d;
    d.targa = QStringLiteral("FG123HK");
    d.marca = QStringLiteral("FIAT");
    d.mvs = QStringLiteral("1690AXB");
    d.telaio = QStringLiteral("12345678");
    d.codiceOfficina = QStringLiteral("0123456");
    d.mercato = QStringLiteral("Italia");
    d.descrizione = QStringLiteral("Tagliando 30.000 km");
    d.ragioneSociale = QStringLiteral("D'Angelo Maria");
    d.tipoCliente = QStringLiteral("Cliente Privato");
    d.codiceFiscale = QStringLiteral("DNGMRA80A41H501X");
    d.idCliente = QStringLiteral("00012");
    return d;
}

struct Caso {
    const char* nome;
    void (*cambia)(DatiCommessaDaVerificare&);
    QStringList attesi;
};

TEST(VerificaCommessa, EachGroupShowsItsFirstFailingRule) {
    const Caso casi[] = {
        {"valid", [](DatiCommessaDaVerificare&) {}, {}},
        {"mvs of 6", [](DatiCommessaDaVerificare& d) { d.mvs = QStringLiteral("1690AX"); }, {kMvs}},
        {"chassis of 9 hides mvs and plate rules",
         [](DatiCommessaDaVerificare& d) {
             d.telaio = QStringLiteral("123456789");
             d.mvs = QStringLiteral("1");
             d.targa = QStringLiteral("AB");
         },
         {kTelaio}},
        {"plate of 11",
         [](DatiCommessaDaVerificare& d) { d.targa = QStringLiteral("ABCDEFGHIJK"); },
         {kTargaLunga}},
        {"plate of 6",
         [](DatiCommessaDaVerificare& d) { d.targa = QStringLiteral("AB123C"); },
         {kTargaCorta}},
        {"lowercase plate passes",
         [](DatiCommessaDaVerificare& d) { d.targa = QStringLiteral("fg123hk"); },
         {}},
        {"brand missing", [](DatiCommessaDaVerificare& d) { d.marca.clear(); }, {kVeicoloMancante}},
        {"market missing",
         [](DatiCommessaDaVerificare& d) { d.mercato.clear(); },
         {kCommessaMancante}},
        {"description missing",
         [](DatiCommessaDaVerificare& d) { d.descrizione.clear(); },
         {kCommessaMancante}},
        {"name of 61",
         [](DatiCommessaDaVerificare& d) { d.ragioneSociale = QString(61, u'x'); },
         {kRagioneSociale}},
        {"fiscal code of 17",
         [](DatiCommessaDaVerificare& d) { d.codiceFiscale = QString(17, u'X'); },
         {kCodiceFiscale}},
        {"customer id missing",
         [](DatiCommessaDaVerificare& d) { d.idCliente.clear(); },
         {kClienteMancante}},
        {"everything empty",
         [](DatiCommessaDaVerificare& d) { d = {}; },
         {kVeicoloMancante, kCommessaMancante, kClienteMancante}},
    };
    for (const Caso& caso : casi) {
        DatiCommessaDaVerificare dati = datiValidi();
        caso.cambia(dati);
        EXPECT_EQ(erroriDatiCommessa(dati, true), caso.attesi) << caso.nome;
    }
}

TEST(VerificaCommessa, DescriptionOnlyRequiredWhenAsked) {
    DatiCommessaDaVerificare dati = datiValidi();
    dati.descrizione.clear();
    EXPECT_TRUE(erroriDatiCommessa(dati, false).isEmpty());
}

TEST(VerificaCommessa, LengthsCountCharactersNotUtf16Units) {
    DatiCommessaDaVerificare dati = datiValidi();
    // Seven letters outside the Basic Multilingual Plane are seven characters.
    dati.mvs = QString::fromUtf8(
        "\U0001D400\U0001D401\U0001D402\U0001D403\U0001D404\U0001D405"
        "\U0001D406");
    dati.ragioneSociale = QString(59, u'a') + QString::fromUtf8("\U0001F600");
    EXPECT_TRUE(erroriDatiCommessa(dati, true).isEmpty());
}

}  // namespace
