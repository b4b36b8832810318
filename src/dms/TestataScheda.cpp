#include "dms/TestataScheda.h"

#include "dms/NumeriDMS.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "platform/TextTrim.h"

#include <QRegularExpression>

namespace {

const QString kTesta = QStringLiteral("testa");

QString valore(const IniFile& documento, const char* chiave) {
    return documento.readString(kTesta, QLatin1String(chiave));
}

}  // namespace

QString targaSenzaSpazi(const QString& targa) {
    QString senzaSpazi = targa;
    senzaSpazi.remove(u' ');
    return senzaSpazi;
}

QString etichettaVeicolo(const IniFile& documento) {
    return trimBlanksAndControls(valore(documento, "Marca")) + u' ' +
           trimBlanksAndControls(valore(documento, "Modello")) + u' ' +
           trimBlanksAndControls(valore(documento, "VersioneTem"));
}

QString testoMarca(const IniFile& documento) {
    const QString testo = valore(documento, "CodMarcaCobol");
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
            if (valore(documento, "CodMarcaAnia") == QLatin1String("154")) {
                return QStringLiteral("ABARTH");
            }
            if (valore(documento, "CodVersioneCobol") == QLatin1String("6")) {
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
