#include "ExportFixtures.h"
#include "StoreFixture.h"
#include "export/ExportGeneration.h"
#include "model/ConsensiPrivacy.h"

#include <pugixml.hpp>

namespace {

// Each consent as the customer row, the export document and the privacy dialog know it.
struct Consenso {
    bool TCliente::*campo;
    const char* colonna;
    const char* casella;
    const char* etichetta;
    DestinatarioPrivacy destinatario;
    const char* idEntity;
    const char* entity;
    const char* idChannel;
    const char* channel;
};

const Consenso kAttesi[] = {
    {&TCliente::FMarketingFCA, "PrivacyMarketingFCA", "CheckBoxPrivacyMarketingFCA", "Marketing",
     DestinatarioPrivacy::FCA, "1", "FCA", "A", "Marketing"},
    {&TCliente::FTerzePartiFCA, "Privacy3thFCA", "CheckBoxPrivacy3thFCA", "Terze Parti",
     DestinatarioPrivacy::FCA, "1", "FCA", "B", "3th"},
    {&TCliente::FProfilingFCA, "PrivacyProfilingFCA", "CheckBoxPrivacyProfilingFCA", "Profilazione",
     DestinatarioPrivacy::FCA, "1", "FCA", "C", "Profiling"},
    {&TCliente::FMarketingDealer, "PrivacyMarketingDealer", "CheckBoxPrivacyMarketingDealer",
     "Marketing", DestinatarioPrivacy::Dealer, "2", "Dealer", "A", "Marketing"},
    {&TCliente::FTerzePartiDealer, "Privacy3thDealer", "CheckBoxPrivacy3thDealer", "Terze Parti",
     DestinatarioPrivacy::Dealer, "2", "Dealer", "B", "3th"},
    {&TCliente::FProfilingDealer, "PrivacyProfilingDealer", "CheckBoxPrivacyProfilingDealer",
     "Profilazione", DestinatarioPrivacy::Dealer, "2", "Dealer", "C", "Profiling"},
};

class ConsensiPrivacyTest : public StoreFixture {
protected:
    // The columns of the customer row that hold a consent given.
    QStringList colonneDate(const QString& idCliente) {
        QStringList date;
        for (const Consenso& atteso : kAttesi) {
            const QString colonna = QString::fromLatin1(atteso.colonna);
            if (probe.scalar(QStringLiteral("SELECT %1 FROM Cliente WHERE IdCliente = '%2'")
                                 .arg(colonna, idCliente)) == QLatin1String("1")) {
                date.append(colonna);
            }
        }
        return date;
    }
};

// The dialog builds its boxes from the table in this order; the store and the export are
// checked through what they write, so a consent paired with another's column or export
// row shows as a consent that crossed.
TEST_F(ConsensiPrivacyTest, EachConsentKeepsItsOwnBoxColumnAndExportRow) {
    ASSERT_EQ(kConsensiPrivacy.size(), std::size(kAttesi));
    for (size_t i = 0; i < kConsensiPrivacy.size(); ++i) {
        const Consenso& atteso = kAttesi[i];
        SCOPED_TRACE(atteso.colonna);
        EXPECT_EQ(kConsensiPrivacy[i].casella, QLatin1String(atteso.casella));
        EXPECT_EQ(kConsensiPrivacy[i].etichetta, QLatin1String(atteso.etichetta));
        EXPECT_EQ(kConsensiPrivacy[i].destinatario, atteso.destinatario);

        TCliente soloQuesto = TCliente::Create(QStringLiteral("%1").arg(100 + i), "Rossi", "CF",
                                               "S", "", false, false, false, false, false, false);
        soloQuesto.*atteso.campo = true;
        jobOrders.InserisciClienteNelDB(soloQuesto.FIdCliente, soloQuesto.FRagioneSociale,
                                        soloQuesto.FTipoCliente, soloQuesto.FCodiceFiscale,
                                        soloQuesto.FMarketingFCA, soloQuesto.FTerzePartiFCA,
                                        soloQuesto.FProfilingFCA, soloQuesto.FMarketingDealer,
                                        soloQuesto.FTerzePartiDealer, soloQuesto.FProfilingDealer);
        const QString idRiga = QStringLiteral("00%1").arg(100 + i);
        EXPECT_EQ(colonneDate(idRiga), QStringList{QString::fromLatin1(atteso.colonna)});
        TCliente letto = jobOrders.getClienteFromDB(idRiga);
        EXPECT_EQ(letto.*atteso.campo, true);
        letto.*atteso.campo = false;
        EXPECT_EQ(letto, TCliente::Create(idRiga, "Rossi", "CF", "S", "", false, false, false,
                                          false, false, false));

        // All the others given, this one refused.
        TCliente tuttiTranne =
            TCliente::Create(idRiga, "Rossi", "CF", "S", "", true, true, true, true, true, true);
        tuttiTranne.*atteso.campo = false;
        jobOrders.AggiornaClienteNelDB(tuttiTranne);
        EXPECT_EQ(colonneDate(idRiga).size(), 5);
        EXPECT_FALSE(colonneDate(idRiga).contains(QString::fromLatin1(atteso.colonna)));
        EXPECT_EQ(jobOrders.getClienteFromDB(idRiga).*atteso.campo, false);

        // The export's one "G" is in this consent's row.
        FakeExportStore store;
        TListaCommesse lista = twoJobOrders(store);
        lista.Remove(1);
        soloQuesto.FIdCliente = QStringLiteral("00123");
        store.clienti[QStringLiteral("00123")] = soloQuesto;
        const QByteArray xml = buildExportXml(lista, store);
        pugi::xml_document documento;
        ASSERT_TRUE(documento.load_buffer(xml.constData(), static_cast<size_t>(xml.size())));
        QStringList date;
        for (const pugi::xml_node privacy :
             documento.document_element().first_child().child("dms:PrivacyUe").children()) {
            if (QLatin1String(privacy.attribute("Status").value()) == QLatin1String("G")) {
                date.append(QStringLiteral("%1 %2 %3 %4")
                                .arg(privacy.attribute("idEntity").value(),
                                     privacy.attribute("Entity").value(),
                                     privacy.attribute("IdChannel").value(),
                                     privacy.attribute("Channel").value()));
            }
        }
        EXPECT_EQ(date, QStringList{QStringLiteral("%1 %2 %3 %4")
                                        .arg(atteso.idEntity, atteso.entity, atteso.idChannel,
                                             atteso.channel)});
    }
}

}  // namespace
