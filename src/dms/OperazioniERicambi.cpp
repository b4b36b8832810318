#include "dms/OperazioniERicambi.h"

#include "dms/NumeriDMS.h"
#include "dms/RigaCorpo.h"
#include "dms/TestataScheda.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "platform/TextTrim.h"

namespace {

const QString kCorpo = QStringLiteral("corpo");

// The rate of a payment code: -1 when the code has none; the value of its rate key
// otherwise, which must be a decimal number.
double tariffa(const IniFile& documento, const QString& codicePagamento, const QLocale& locale) {
    const QString chiave = chiaveTariffa(codicePagamento);
    if (chiave.isEmpty()) {
        return -1.0;
    }
    const QString testo = trimBlanksAndControls(valoreTesta(documento, chiave));
    if (testo.isEmpty()) {
        throw ConversionError(
            QStringLiteral("il codice di pagamento \"%1\" vuole la tariffa \"%2\" della sezione "
                           "testa, che manca o è vuota.")
                .arg(codicePagamento, chiave));
    }
    const std::optional<double> value = decimaleDaTesto(testo, locale);
    if (!value) {
        throw ConversionError(
            QStringLiteral("la tariffa \"%1\" vale \"%2\", che non è un numero decimale valido.")
                .arg(chiave, testo));
    }
    return *value;
}

}  // namespace

QString chiaveRigaCorpo(int contatore) {
    return QStringLiteral("r%1").arg(contatore, 3, 10, QLatin1Char('0'));
}

void LoadOperazioniERicambi(const IniFile& documento, TListaOperazioni& ListaOperazioniDisponibili,
                            TListaRicambi& ListaRicambiDisponibili, const QLocale& locale) {
    ListaOperazioniDisponibili = TListaOperazioni();
    ListaRicambiDisponibili = TListaRicambi();
    for (int contatore = 0;; ++contatore) {
        const QString chiave = chiaveRigaCorpo(contatore);
        if (!documento.valueExists(kCorpo, chiave)) {
            return;
        }
        const RigaCorpo riga = RigaCorpo::leggi(documento.readString(kCorpo, chiave));
        try {
            const double tariffaRiga = tariffa(documento, riga.codicePagamento, locale);
            if (riga.isOperazione()) {
                ListaOperazioniDisponibili.Add(operazioneDaRiga(riga, tariffaRiga, locale));
            }
            if (riga.isRicambio()) {
                ListaRicambiDisponibili.Add(ricambioDaRiga(riga));
            }
        } catch (const ConversionError& error) {
            throw ConversionError(
                QStringLiteral("Documento DMS, riga %1: %2").arg(chiave, error.message()));
        }
    }
}
