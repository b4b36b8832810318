#include "export/ExportGeneration.h"

#include "export/AtomicFile.h"
#include "export/ExportDocument.h"
#include "export/KORVADEXDmsToQuomix_v4.h"
#include "platform/Errors.h"
#include "platform/Interaction.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString padIdTo9(const QString& id) {
    return id.rightJustified(9, QLatin1Char('0'));
}

// A charge code or intervention type as a one-character text; no code gives empty text.
QString letter(QChar code) {
    return code.isNull() ? QString() : QString(code);
}

struct PrivacyRow {
    const char* idEntity;
    const char* entity;
    const char* idChannel;
    const char* channel;
    bool TCliente::*consent;
};

const PrivacyRow kPrivacyRows[] = {
    {"1", "FCA", "A", "Marketing", &TCliente::FMarketingFCA},
    {"1", "FCA", "B", "3th", &TCliente::FTerzePartiFCA},
    {"1", "FCA", "C", "Profiling", &TCliente::FProfilingFCA},
    {"2", "Dealer", "A", "Marketing", &TCliente::FMarketingDealer},
    {"2", "Dealer", "B", "3th", &TCliente::FTerzePartiDealer},
    {"2", "Dealer", "C", "Profiling", &TCliente::FProfilingDealer},
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
        privacy.idEntity().set(QString::fromLatin1(row.idEntity));
        privacy.Entity().set(QString::fromLatin1(row.entity));
        privacy.IdChannel().set(QString::fromLatin1(row.idChannel));
        privacy.Channel().set(QString::fromLatin1(row.channel));
        privacy.PermDate().set(permDate);
        privacy.DisclaimerCode().set(QStringLiteral("1390"));
        privacy.idSource().set(QStringLiteral("2"));
        privacy.Source().set(QStringLiteral("dms"));
        privacy.Status().set(cliente.*row.consent ? QStringLiteral("G") : QStringLiteral("F"));
    }
}

void writeCommessa(const TXMLCommessaList& root, const TCommessa& commessa, ExportStore& store) {
    const TXMLCommessaDetail detail(root.appendChild("Commessa"));
    detail.IDCOMMESSADMS().set(AggiungiZeriIdCommessa(commessa.FIDCommessaDMS));
    detail.DMSVERSION().set(QStringLiteral("4.0"));
    detail.MARKETCODE().set(commessa.FCodiceMercato);
    detail.SINCOM().set(commessa.FCodiceOfficina);
    detail.CREATIONDATE().set(commessa.FDataCommessa);

    const TCliente cliente = store.getClienteFromDB(commessa.FIdCliente);
    writeCustomer(detail, commessa, cliente);
    writeVehicle(detail, store.getVeicoloFromDB(commessa.FIdVeicolo));
    const TXMLInconveniencesType inconveniences = detail.Inconveniences();
    if (commessa.FListaInconvenienti) {
        for (const TInconveniente& inconveniente : *commessa.FListaInconvenienti) {
            writeComplaint(inconveniences, inconveniente);
        }
    }
    writePrivacy(detail, cliente);
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
    static const QRegularExpression kThreeDecimals(QStringLiteral("[0-9]{1,5}[.]{1}[0-9]{3}"));
    QString text = prezzo;
    if (!text.contains(QLatin1Char(','))) {
        text += QLatin1Char(',');
    }
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    while (!kThreeDecimals.match(text).hasMatch() && text.size() < 10) {
        text += QLatin1Char('0');
    }
    return text;
}

QByteArray buildExportXml(const TListaCommesse& lista, ExportStore& store) {
    ExportDocument document;
    const TXMLCommessaList root = document.root();
    for (const TCommessa& commessa : lista) {
        writeCommessa(root, commessa, store);
    }
    return document.formattedText();
}

bool GeneraXML(const TListaCommesse& lista, ExportStore& store, const QString& exportFile) {
    requireFolderOf(exportFile);
    if (lista.Count() == 0) {
        interaction().showMessage(QStringLiteral("Errore"),
                                  QStringLiteral("Non c'è alcuna Commessa da generare!"));
        return false;
    }
    writeFileAtomically(exportFile, buildExportXml(lista, store));
    interaction().showMessage(QStringLiteral("Info"), QStringLiteral("XML generato con successo!"));
    return true;
}
