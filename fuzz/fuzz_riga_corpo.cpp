// Feeds arbitrary bytes as one line of "corpo" to the line parser and the records it makes,
// with each kind of rate, in an Italian and an English locale. A price text must read back
// as a number in its own locale, as the pick dialogs will read it.
#include "dms/NumeriDMS.h"
#include "dms/RigaCorpo.h"
#include "platform/Errors.h"
#include "platform/TextDecoding.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString testo = decodeDocumentText(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const RigaCorpo riga = RigaCorpo::leggi(testo);
    if (riga.codiceRiga.contains(u' ') || riga.codicePagamento.size() > 2 ||
        riga.descrizioneRicambio.size() > 60 || riga.codiceRicambio.size() > 15 ||
        riga.codiceOperazione.size() > 15) {
        __builtin_trap();
    }
    chiaveTariffa(riga.codicePagamento);
    ricambioDaRiga(riga);
    const QLocale locali[] = {QLocale(QLocale::Italian, QLocale::Italy),
                              QLocale(QLocale::English, QLocale::UnitedStates)};
    for (const QLocale& locale : locali) {
        for (const double tariffa : {-1.0, 0.0, 0.5, 48.0, 1e300}) {
            try {
                const TOperazione operazione = operazioneDaRiga(riga, tariffa, locale);
                if (!decimaleDaTesto(operazione.Fprezzo, locale)) {
                    __builtin_trap();
                }
            } catch (const ConversionError&) {
                // An amount that is not a number, or a price too large: reported, not a fault.
            }
        }
    }
    return 0;
}
