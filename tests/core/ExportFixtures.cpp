#include "ExportFixtures.h"

#include "support/ModelLists.h"

QHash<QString, TCliente> FakeExportStore::getClientiFromDB(const QStringList& idClienti) {
    QHash<QString, TCliente> trovati;
    for (const QString& id : idClienti) {
        if (clienti.contains(id)) {
            trovati.insert(id, clienti.value(id));
        }
    }
    return trovati;
}

QHash<int, TVeicolo> FakeExportStore::getVeicoliFromDB(const QList<int>& idVeicoli) {
    QHash<int, TVeicolo> trovati;
    for (const int id : idVeicoli) {
        if (veicoli.contains(id)) {
            trovati.insert(id, veicoli.value(id));
        }
    }
    return trovati;
}

QStringList FakeExportStore::ImpostaCommesseComeInviate(const TListaCommesse& lista,
                                                        const std::function<void()>& conLock) {
    conLock();
    QStringList ids;
    QStringList gone;
    for (const TCommessa& c : lista) {
        (deleted.contains(c.FIDCommessaDMS) ? gone : ids).append(c.FIDCommessaDMS);
    }
    marked.push_back(ids);
    return gone;
}

TCommessa commessa(const QString& id, const QString& idCliente, int idVeicolo,
                   std::vector<TInconveniente> inconvenienti) {
    return TCommessa::Create(id, QStringLiteral("Tagliando"), QStringLiteral("0123456"),
                             QStringLiteral("1000"), QStringLiteral("SCH-") + id,
                             QStringLiteral("2024-03-15"), idCliente, 1, idVeicolo,
                             sharedListOf<TListaInconvenienti>(inconvenienti), false);
}

TInconveniente inconveniente(int id, const QString& descrizione, QChar codiceACarico,
                             QChar tipoIntervento, std::vector<TOperazione> operazioni,
                             std::vector<TRicambio> ricambi) {
    return TInconveniente::Create(id, QString(), descrizione, codiceACarico, tipoIntervento,
                                  sharedListOf<TListaOperazioni>(operazioni),
                                  sharedListOf<TListaRicambi>(ricambi));
}

TListaCommesse listaCommesse(const std::vector<TCommessa>& commesse) {
    TListaCommesse lista;
    for (const TCommessa& c : commesse) {
        lista.Add(c);
    }
    return lista;
}

TListaCommesse twoJobOrders(FakeExportStore& store) {
    store.clienti[QStringLiteral("00123")] = TCliente::Create(
        QStringLiteral("00123"), QStringLiteral("Rossi Mario"), QStringLiteral("RSSMRA80A01H501U"),
        QStringLiteral("S"), QStringLiteral("2019-10-08 14:30:00"), true, false, false, false,
        false, true);
    store.clienti[QStringLiteral("98765")] =
        TCliente::Create(QStringLiteral("98765"), QStringLiteral("Officine Bianchi S.r.l."),
                         QStringLiteral("01234567890"), QStringLiteral("N"), QString(), false,
                         false, false, false, false, false);
    store.veicoli[5] =
        TVeicolo::Create(5, QStringLiteral("AB123CD"), QStringLiteral("00"),
                         QStringLiteral("312.ABC.1"), QStringLiteral("ZFA31200000123456"));
    store.veicoli[6] =
        TVeicolo::Create(6, QStringLiteral("EF456GH"), QStringLiteral("83"), QString(), QString());

    const TOperazione frizione =
        TOperazione::Create(11, 7, QStringLiteral("12,5"), QStringLiteral("A1234"),
                            QStringLiteral("Sostituzione frizione"), QLatin1Char('C'));
    const TRicambio filtro = TRicambio::Create(21, 8, QStringLiteral("55555555"),
                                               QStringLiteral("Filtro olio"), QLatin1Char('G'));
    return listaCommesse({
        commessa(QStringLiteral("42"), QStringLiteral("00123"), 5,
                 {inconveniente(7, QStringLiteral("Rumore alla frizione"), QLatin1Char('C'),
                                QLatin1Char('M'), {frizione}),
                  inconveniente(8, QStringLiteral("Spia olio accesa"), QLatin1Char('G'),
                                QLatin1Char('R'), {}, {filtro})}),
        commessa(QStringLiteral("43"), QStringLiteral("98765"), 6),
    });
}

const char kTwoJobOrdersXml[] = R"(<?xml version="1.0"?>
<dms:CONTENT xmlns:xsd="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" xmlns:dms="http://services.korvadex.it/Quomix/DmsToQuomix_v4" xsi:schemaLocation="http://services.korvadex.it/Quomix/DmsToQuomix_v4 C:\Temp\Privacy_GDPR\VORNEX\KORVADEX_DmsToQuomix_v4\KORVADEX-DmsToQuomix_v4.xsd">
  <dms:Commessa IDCOMMESSADMS="000000042" DMSVERSION="4.0" MARKETCODE="1000" SINCOM="0123456" CREATIONDATE="2024-03-15">
    <dms:Customer>
      <dms:CustomerType CUSTOMERIDDMS="123" CODCONTACTTYPE="S" LASTNAME="Rossi Mario" FISCALCODE="RSSMRA80A01H501U" P.IVA="" />
    </dms:Customer>
    <dms:Vehicle BRAND="00" MVS="312.ABC.1" CHASSIS="ZFA31200000123456" PLATE="AB123CD">
      <dms:Contracts />
      <dms:Optionals />
    </dms:Vehicle>
    <dms:Inconveniences>
      <dms:Inconvenience INCONVENIENCEIDDMS="000000007" DESCRIPTION="Rumore alla frizione" CHARGEABLE="C" INCONVENIENCETYPE="M">
        <dms:Operations>
          <dms:Operation FIXEDPRICE="12.500" OPERATIONCODE="A1234" DESCRIPTION="Sostituzione frizione" CHARGEABLE="C" />
        </dms:Operations>
      </dms:Inconvenience>
      <dms:Inconvenience INCONVENIENCEIDDMS="000000008" DESCRIPTION="Spia olio accesa" CHARGEABLE="G" INCONVENIENCETYPE="R">
        <dms:Parts>
          <dms:Part PARTCODE="55555555" CHARGEABLE="G" DESCRIPTION="Filtro olio" />
        </dms:Parts>
      </dms:Inconvenience>
    </dms:Inconveniences>
    <dms:PrivacyUe>
      <dms:Privacy idEntity="1" Entity="FCA" IdChannel="A" Channel="Marketing" PermDate="2019-10-08T14:30:00" DisclaimerCode="1390" idSource="2" Source="dms" Status="G" />
      <dms:Privacy idEntity="1" Entity="FCA" IdChannel="B" Channel="3th" PermDate="2019-10-08T14:30:00" DisclaimerCode="1390" idSource="2" Source="dms" Status="F" />
      <dms:Privacy idEntity="1" Entity="FCA" IdChannel="C" Channel="Profiling" PermDate="2019-10-08T14:30:00" DisclaimerCode="1390" idSource="2" Source="dms" Status="F" />
      <dms:Privacy idEntity="2" Entity="Dealer" IdChannel="A" Channel="Marketing" PermDate="2019-10-08T14:30:00" DisclaimerCode="1390" idSource="2" Source="dms" Status="F" />
      <dms:Privacy idEntity="2" Entity="Dealer" IdChannel="B" Channel="3th" PermDate="2019-10-08T14:30:00" DisclaimerCode="1390" idSource="2" Source="dms" Status="F" />
      <dms:Privacy idEntity="2" Entity="Dealer" IdChannel="C" Channel="Profiling" PermDate="2019-10-08T14:30:00" DisclaimerCode="1390" idSource="2" Source="dms" Status="G" />
    </dms:PrivacyUe>
  </dms:Commessa>
  <dms:Commessa IDCOMMESSADMS="000000043" DMSVERSION="4.0" MARKETCODE="1000" SINCOM="0123456" CREATIONDATE="2024-03-15">
    <dms:Customer>
      <dms:CustomerType CUSTOMERIDDMS="98765" CODCONTACTTYPE="N" LASTNAME="Officine Bianchi S.r.l." FISCALCODE="" P.IVA="01234567890" />
    </dms:Customer>
    <dms:Vehicle BRAND="83" MVS="" CHASSIS="" PLATE="EF456GH">
      <dms:Contracts />
      <dms:Optionals />
    </dms:Vehicle>
    <dms:Inconveniences />
    <dms:PrivacyUe>
      <dms:Privacy idEntity="1" Entity="FCA" IdChannel="A" Channel="Marketing" PermDate="" DisclaimerCode="1390" idSource="2" Source="dms" Status="F" />
      <dms:Privacy idEntity="1" Entity="FCA" IdChannel="B" Channel="3th" PermDate="" DisclaimerCode="1390" idSource="2" Source="dms" Status="F" />
      <dms:Privacy idEntity="1" Entity="FCA" IdChannel="C" Channel="Profiling" PermDate="" DisclaimerCode="1390" idSource="2" Source="dms" Status="F" />
      <dms:Privacy idEntity="2" Entity="Dealer" IdChannel="A" Channel="Marketing" PermDate="" DisclaimerCode="1390" idSource="2" Source="dms" Status="F" />
      <dms:Privacy idEntity="2" Entity="Dealer" IdChannel="B" Channel="3th" PermDate="" DisclaimerCode="1390" idSource="2" Source="dms" Status="F" />
      <dms:Privacy idEntity="2" Entity="Dealer" IdChannel="C" Channel="Profiling" PermDate="" DisclaimerCode="1390" idSource="2" Source="dms" Status="F" />
    </dms:PrivacyUe>
  </dms:Commessa>
</dms:CONTENT>
)";
