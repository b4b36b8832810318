#include "export/ExportGeneration.h"

#include "export/ExportDocument.h"
#include "export/KORVADEXDmsToQuomix_v4.h"
#include "export/XmlWriters.h"
#include "model/ConsensiPrivacy.h"
#include "platform/AtomicFile.h"
#include "platform/Errors.h"
#include "platform/Interaction.h"
#include "platform/WholeNumber.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace {

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

// Between one and `most` characters, every one a digit.
bool isDigits(QStringView text, qsizetype most) {
    return !text.isEmpty() && text.size() <= most &&
           std::all_of(text.begin(), text.end(), isAsciiDigit);
}

// The form a price is stored in: one to five digits, optionally a comma and one to three
// digits (12; 12,5; 12,500). Only such a price has the "FIXEDPRICE" form once formatted.
bool isStoredPrice(const QString& price) {
    const qsizetype comma = price.indexOf(QLatin1Char(','));
    if (comma < 0) {
        return isDigits(price, 5);
    }
    return isDigits(QStringView(price).left(comma), 5) &&
           isDigits(QStringView(price).mid(comma + 1), 3);
}

void writeCustomer(const TXMLCommessaDetail& detail, const TCommessa& commessa,
                   const TCliente& cliente) {
    if (cliente.FIdCliente.isEmpty()) {
        throw TavornoError(QStringLiteral("Il cliente \"%1\" della commessa %2 non è presente "
                                          "nel database: XML non generato.")
                               .arg(commessa.FIdCliente, commessa.FIDCommessaDMS));
    }
    const std::optional<qint64> idCliente = wholeNumberFromText(cliente.FIdCliente);
    if (!idCliente) {
        throw ConversionError(QStringLiteral("Il codice cliente \"%1\" della commessa %2 non è un "
                                             "numero: XML non generato.")
                                  .arg(cliente.FIdCliente, commessa.FIDCommessaDMS));
    }
    const TXMLCustomerType_CustomerType customer(detail.Customer().createChild("CustomerType", 0));
    customer.CUSTOMERIDDMS().set(*idCliente);
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

void writeComplaint(const TXMLInconveniencesType& inconveniences, const TCommessa& commessa,
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
            if (!isStoredPrice(operazione.Fprezzo)) {
                throw ConversionError(
                    QStringLiteral("Il prezzo \"%1\" dell'operazione \"%2\" (codice \"%3\") "
                                   "della commessa %4 non è valido: sono ammesse fino a 5 cifre, "
                                   "seguite eventualmente da una virgola e da 1 a 3 decimali. "
                                   "XML non generato.")
                        .arg(operazione.Fprezzo, operazione.Fdescrizione, operazione.Fcodice,
                             commessa.FIDCommessaDMS));
            }
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
    for (const ConsensoPrivacy& consenso : kConsensiPrivacy) {
        const TXMLPrivacyUeType_Privacy privacy = privacyUe.Add();
        privacy.idEntity().set(consenso.idEntity);
        privacy.Entity().set(consenso.entity);
        privacy.IdChannel().set(consenso.idChannel);
        privacy.Channel().set(consenso.channel);
        privacy.PermDate().set(permDate);
        privacy.DisclaimerCode().set(QStringLiteral("1390"));
        privacy.idSource().set(QStringLiteral("2"));
        privacy.Source().set(QStringLiteral("dms"));
        privacy.Status().set(cliente.*consenso.campo ? QStringLiteral("G") : QStringLiteral("F"));
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
            writeComplaint(inconveniences, commessa, inconveniente);
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
