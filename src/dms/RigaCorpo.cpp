#include "dms/RigaCorpo.h"

#include "dms/NumeriDMS.h"
#include "platform/Errors.h"
#include "platform/TextTrim.h"

#include <QHash>
#include <cmath>

namespace {

// The characters from..to (counted from 1, both included), cut at the end of the line.
QString colonne(const QString& riga, qsizetype from, qsizetype to) {
    return riga.mid(from - 1, to - from + 1);
}

QString campo(const QString& riga, qsizetype from, qsizetype to) {
    return trimBlanksAndControls(colonne(riga, from, to));
}

QString traBarre(const QString& riga) {
    const qsizetype first = riga.indexOf(u'|');
    const qsizetype second = first < 0 ? -1 : riga.indexOf(u'|', first + 1);
    if (second < 0) {
        return QString();
    }
    return trimBlanksAndControls(riga.sliced(first + 1, second - first - 1));
}

double importo(const QString& testo, int numero, const QLocale& locale) {
    if (testo.isEmpty()) {
        return 0.0;
    }
    const std::optional<double> value = decimaleDaTesto(testo, locale);
    if (!value) {
        throw ConversionError(
            QStringLiteral("l'importo %1 vale \"%2\", che non è un numero decimale valido.")
                .arg(numero)
                .arg(testo));
    }
    return *value;
}

}  // namespace

RigaCorpo RigaCorpo::leggi(const QString& riga) {
    RigaCorpo campi;
    const qsizetype blank = riga.indexOf(u' ');
    campi.codiceRiga = blank < 0 ? QString() : riga.left(blank);
    campi.testoOperazione = traBarre(riga);
    campi.descrizioneRicambio = campo(riga, 23, 82);
    campi.codicePagamento = colonne(riga, 84, 85);
    campi.codiceRicambio = campo(riga, 87, 101);
    campi.importo1 = campo(riga, 117, 120);
    campi.importo2 = campo(riga, 125, 128);
    campi.importo3 = campo(riga, 133, 136);
    campi.codiceOperazione = campo(riga, 253, 267);
    return campi;
}

QString chiaveTariffa(const QString& codicePagamento) {
    static const QHash<QString, QString> chiavi = [] {
        QHash<QString, QString> table;
        for (const char* code : {"00", "01", "02", "03", "05", "06", "11", "14", "16"}) {
            table.insert(QLatin1String(code), QStringLiteral("PagaCarrSC"));
        }
        for (const char* code : {"07", "08", "09", "10", "13", "15"}) {
            table.insert(QLatin1String(code), QStringLiteral("PagaMeccSC"));
        }
        for (const char* code : {"04", "12"}) {
            table.insert(QLatin1String(code), QStringLiteral("PagaEletSC"));
        }
        return table;
    }();
    return chiavi.value(codicePagamento);
}

TOperazione operazioneDaRiga(const RigaCorpo& riga, double tariffa, const QLocale& locale) {
    double prezzo = 0.0;
    if (tariffa > 0) {
        const double importi = importo(riga.importo1, 1, locale) +
                               importo(riga.importo2, 2, locale) +
                               importo(riga.importo3, 3, locale);
        prezzo = arrotondaATreDecimali(importi * tariffa);
        if (!std::isfinite(prezzo)) {
            throw ConversionError(
                QStringLiteral("il prezzo dell'operazione è troppo grande per essere un numero."));
        }
    }
    return TOperazione::Create(-1, -1, testoNumeroGenerale(prezzo, locale), QString(),
                               riga.codiceOperazione + QStringLiteral(": ") + riga.testoOperazione,
                               QChar());
}

TRicambio ricambioDaRiga(const RigaCorpo& riga) {
    return TRicambio::Create(-1, -1, riga.codiceRicambio, riga.descrizioneRicambio, QChar());
}
