#include "dms/TestataScheda.h"

#include "dms/NumeriDMS.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "platform/TextTrim.h"

#include <QRegularExpression>

QString valoreTesta(const IniFile& documento, QAnyStringView chiave) {
    return documento.readString(QStringLiteral("testa"), chiave.toString());
}

QString targaSenzaSpazi(const QString& targa) {
    QString senzaSpazi = targa;
    senzaSpazi.remove(u' ');
    return senzaSpazi;
}

QString etichettaVeicolo(const IniFile& documento) {
    return trimBlanksAndControls(valoreTesta(documento, "Marca")) + u' ' +
           trimBlanksAndControls(valoreTesta(documento, "Modello")) + u' ' +
           trimBlanksAndControls(valoreTesta(documento, "VersioneTem"));
}

QString testoMarca(const IniFile& documento) {
    const QString testo = valoreTesta(documento, "CodMarcaCobol");
    const std::optional<int> codice = interoDaTesto(testo);
    if (!codice) {
        throw ConversionError(
            QStringLiteral("Documento DMS: \"CodMarcaCobol\" vale \"%1\", che non è un numero "
                           "intero valido; la marca e i dati del cliente non sono stati letti.")
                .arg(testo));
    }
    switch (*codice) {
        case 1:
            return QStringLiteral("ALFAROMEO");
        case 8:
            if (valoreTesta(documento, "CodMarcaAnia") == QLatin1String("154")) {
                return QStringLiteral("ABARTH");
            }
            if (valoreTesta(documento, "CodVersioneCobol") == QLatin1String("6")) {
                return QStringLiteral("LCV");
            }
            return QStringLiteral("FIAT");
        case 12:
            return QStringLiteral("LANCIA");
        case 29:
            return QStringLiteral("CHRYSLER");
        case 40:
            return QStringLiteral("JEEP");
        case 125:
            return QStringLiteral("FIAT");
        case 131:
            return QStringLiteral("DODGE");
        default:
            return QString();
    }
}

int tipoClienteDaDocumento(const QString& partitaIva, const QString& codiceFiscale) {
    static const QRegularExpression partitaIvaAzienda(QStringLiteral("[0-9]{11}"));
    static const QRegularExpression codiceFiscalePersona(
        QStringLiteral("[A-Z]{6}[0-9]{2}[A-Z][0-9]{2}[A-Z][0-9]{3}[A-Z]"));
    if (partitaIvaAzienda.match(partitaIva).hasMatch()) {
        return 1;
    }
    if (codiceFiscalePersona.match(codiceFiscale).hasMatch()) {
        return 0;
    }
    return -1;
}

int getTipoClienteFromCodiceCliente(const QString& codice) {
    if (codice == QLatin1String("S")) {
        return 0;
    }
    if (codice == QLatin1String("N")) {
        return 1;
    }
    return -1;
}
