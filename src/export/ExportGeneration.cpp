#include "export/ExportGeneration.h"

#include "export/ExportDocument.h"
#include "export/KORVADEXDmsToQuomix_v4.h"
#include "export/XmlWriters.h"
#include "platform/AtomicFile.h"
#include "platform/Errors.h"
#include "platform/Interaction.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

using namespace Qt::Literals::StringLiterals;

QString padIdTo9(const QString& id) {
    return id.rightJustified(9, QLatin1Char('0'));
}

// A charge code or intervention type as a one-character text; no code gives empty text.
QString letter(QChar code) {
    return code.isNull() ? QString() : QString(code);
}

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Somewhere a digit, "." and three digits: what the pattern [0-9]{1,5}[.]{1}[0-9]{3} finds,
// without running a regular expression for every price of the document.
bool hasThreeDecimals(const QString& text) {
    for (qsizetype dot = 1; dot + 3 < text.size(); ++dot) {
        if (text.at(dot) == QLatin1Char('.') && isAsciiDigit(text.at(dot - 1)) &&
            isAsciiDigit(text.at(dot + 1)) && isAsciiDigit(text.at(dot + 2)) &&
            isAsciiDigit(text.at(dot + 3))) {
            return true;
        }
    }
    return false;
}

struct PrivacyRow {
    QString idEntity;
    QString entity;
    QString idChannel;
    QString channel;
    bool TCliente::*consent;
};

const PrivacyRow kPrivacyRows[] = {
    {u"1"_s, u"FCA"_s, u"A"_s, u"Marketing"_s, &TCliente::FMarketingFCA},
    {u"1"_s, u"FCA"_s, u"B"_s, u"3th"_s, &TCliente::FTerzePartiFCA},
    {u"1"_s, u"FCA"_s, u"C"_s, u"Profiling"_s, &TCliente::FProfilingFCA},
    {u"2"_s, u"Dealer"_s, u"A"_s, u"Marketing"_s, &TCliente::FMarketingDealer},
    {u"2"_s, u"Dealer"_s, u"B"_s, u"3th"_s, &TCliente::FTerzePartiDealer},
    {u"2"_s, u"Dealer"_s, u"C"_s, u"Profiling"_s, &TCliente::FProfilingDealer},
};

void writeCustomer(const TXMLCommessaDetail& detail, const TCommessa& commessa,
                   const TCliente& cliente) {
    if (cliente.FIdCliente.isEmpty()) {
        throw TavornoError(QStringLiteral("Il cliente \"%1\" della commessa %2 non è presente "
                                          "nel database: XML non generato.")
                               .arg(commessa.FIdCliente, commessa.FIDCommessaDMS));
    }
    const TXMLCustomerType_CustomerType customer(detail.Customer().createChild("CustomerType", 0));
    customer.CUSTOMERIDDMS().set(int64FromText(cliente.FIdCliente));
    customer.CODCONTACTTYPE().set(cliente.FTipoCliente.left(1));
    customer.LASTNAME().set(cliente.FRagioneSociale);
    const bool privato = cliente.FTipoCliente == QLatin1String("S");
    customer.FISCALCODE().set(privato ? cliente.FCodiceFiscale : QString());
    customer.P_IVA().set(privato ? QString() : cliente.FCodiceFiscale);
}

void writeVehicle(const TXMLCommessaDetail& detail, const TVeicolo& veicolo) {
    const TXMLVehicleType vehicle = detail.Vehicle();
    vehicle.createChild("Optionals", 0);
    vehicle.createChild("Contracts", 0);
    vehicle.BRAND().set(veicolo.FCodiceMarca);
    vehicle.MVS().set(veicolo.FMVS);
    vehicle.CHASSIS().set(veicolo.FTelaio);
    vehicle.PLATE().set(veicolo.FTarga);
}

void writeComplaint(const TXMLInconveniencesType& inconveniences,
                    const TInconveniente& inconveniente) {
    const TXMLInconveniencesType_Inconvenience complaint = inconveniences.Add();
    complaint.INCONVENIENCEIDDMS().set(
        AggiungiZeriIdInconveniente(QString::number(inconveniente.FIdInconveniente)));
    complaint.DESCRIPTION().set(inconveniente.FDescrizione);
    complaint.CHARGEABLE().set(letter(inconveniente.FCodiceACarico));
    complaint.INCONVENIENCETYPE().set(letter(inconveniente.FTipoIntervento));
    // "Operations" and "Parts" are created by their first item, so an empty one never
    // appears.
    if (inconveniente.FListaOperazioni) {
        for (const TOperazione& operazione : *inconveniente.FListaOperazioni) {
            const TXMLOperationsType_Operation operation = complaint.Operations().Add();
            operation.FIXEDPRICE().set(FormattaPrezzo(operazione.Fprezzo));
            operation.OPERATIONCODE().set(operazione.Fcodice);
            operation.DESCRIPTION().set(operazione.Fdescrizione);
            operation.CHARGEABLE().set(letter(operazione.FcodiceACarico));
        }
    }
    if (inconveniente.FListaRicambi) {
        for (const TRicambio& ricambio : *inconveniente.FListaRicambi) {
            const TXMLPartsType_Part part = complaint.Parts().Add();
            part.PARTCODE().set(ricambio.FCodiceRicambio);
            part.CHARGEABLE().set(letter(ricambio.FCodiceACarico));
            part.DESCRIPTION().set(ricambio.FDescrizione);
        }
    }
}

void writePrivacy(const TXMLCommessaDetail& detail, const TCliente& cliente) {
    const QString permDate =
        QString(cliente.FDataOraCessionePrivacy).replace(QLatin1Char(' '), QLatin1Char('T'));
    const TXMLPrivacyUeType privacyUe = detail.PrivacyUe();
    for (const PrivacyRow& row : kPrivacyRows) {
        const TXMLPrivacyUeType_Privacy privacy = privacyUe.Add();
        privacy.idEntity().set(row.idEntity);
        privacy.Entity().set(row.entity);
        privacy.IdChannel().set(row.idChannel);
        privacy.Channel().set(row.channel);
        privacy.PermDate().set(permDate);
        privacy.DisclaimerCode().set(QStringLiteral("1390"));
        privacy.idSource().set(QStringLiteral("2"));
        privacy.Source().set(QStringLiteral("dms"));
        privacy.Status().set(cliente.*row.consent ? QStringLiteral("G") : QStringLiteral("F"));
    }
}

void writeCommessa(const TXMLCommessaList& root, const TCommessa& commessa, const TCliente& cliente,
                   const TVeicolo& veicolo) {
    const TXMLCommessaDetail detail(root.appendChild("Commessa"));
    detail.IDCOMMESSADMS().set(AggiungiZeriIdCommessa(commessa.FIDCommessaDMS));
    detail.DMSVERSION().set(QStringLiteral("4.0"));
    detail.MARKETCODE().set(commessa.FCodiceMercato);
    detail.SINCOM().set(commessa.FCodiceOfficina);
    detail.CREATIONDATE().set(commessa.FDataCommessa);

    writeCustomer(detail, commessa, cliente);
    writeVehicle(detail, veicolo);
    const TXMLInconveniencesType inconveniences = detail.Inconveniences();
    if (commessa.FListaInconvenienti) {
        for (const TInconveniente& inconveniente : *commessa.FListaInconvenienti) {
            writeComplaint(inconveniences, inconveniente);
        }
    }
    writePrivacy(detail, cliente);
}

// The whole export of the list into `out`, job order by job order.
void writeExport(const TListaCommesse& lista, ExportStore& store, pugi::xml_writer& out) {
    QSet<QString> idClienti;
    QSet<int> idVeicoli;
    for (const TCommessa& commessa : lista) {
        idClienti.insert(commessa.FIdCliente);
        idVeicoli.insert(commessa.FIdVeicolo);
    }
    const QHash<QString, TCliente> clienti = store.getClientiFromDB(idClienti.values());
    const QHash<int, TVeicolo> veicoli = store.getVeicoliFromDB(idVeicoli.values());
    ExportDocument document;
    const TXMLCommessaList root = document.root();
    ExportDocument::writeStart(out);
    for (const TCommessa& commessa : lista) {
        // A missing customer is one with an empty id (refused), a missing vehicle is empty.
        writeCommessa(root, commessa, clienti.value(commessa.FIdCliente),
                      veicoli.value(commessa.FIdVeicolo));
        document.writeChildrenAndRemove(out);
    }
    ExportDocument::writeEnd(out);
}

void requireFolderOf(const QString& file) {
    const QString folder = QFileInfo(file).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        throw TavornoError(QStringLiteral("La cartella \"%1\" non esiste: impossibile scrivere %2.")
                               .arg(QDir::toNativeSeparators(folder), QFileInfo(file).fileName()));
    }
}

}  // namespace

QString AggiungiZeriIdCommessa(const QString& id) {
    return padIdTo9(id);
}

QString AggiungiZeriIdInconveniente(const QString& id) {
    return padIdTo9(id);
}

QString FormattaPrezzo(const QString& prezzo) {
    QString text = prezzo;
    if (!text.contains(QLatin1Char(','))) {
        text += QLatin1Char(',');
    }
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    while (!hasThreeDecimals(text) && text.size() < 10) {
        text += QLatin1Char('0');
    }
    return text;
}

QByteArray buildExportXml(const TListaCommesse& lista, ExportStore& store) {
    QByteArray bytes;
    ByteArrayXmlWriter writer(bytes);
    writeExport(lista, store, writer);
    return bytes;
}

void writeExportXml(const TListaCommesse& lista, ExportStore& store, const QString& exportFile) {
    AtomicFile file(exportFile);
    FileXmlWriter writer(file);
    writeExport(lista, store, writer);
    writer.finish();
    file.commit();
}

bool GeneraXML(const TListaCommesse& lista, ExportStore& store, const QString& exportFile) {
    requireFolderOf(exportFile);
    if (lista.Count() == 0) {
        interaction().showMessage(QStringLiteral("Errore"),
                                  QStringLiteral("Non c'è alcuna Commessa da generare!"));
        return false;
    }
    writeExportXml(lista, store, exportFile);
    interaction().showMessage(QStringLiteral("Info"), QStringLiteral("XML generato con successo!"));
    return true;
}
