// Feeds arbitrary bytes as a DMS job card document to the whole reading: INI parsing,
// decoding, the lines of "corpo" and the head, in an Italian and an English locale.
#include "dms/DocumentoDMS.h"
#include "platform/IniFile.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const IniFile documento = IniFile::fromBytes(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const QLocale locali[] = {QLocale(QLocale::Italian, QLocale::Italy),
                              QLocale(QLocale::English, QLocale::UnitedStates)};
    for (const QLocale& locale : locali) {
        const bool italiano = locale.language() == QLocale::Italian;
        const OpzioniLetturaDMS opzioni{
            // Both courses of the reading: a stored and a new job card.
            .esisteScheda = [](const QString& codice) { return codice.size() % 2 == 1; },
            .troncaTelaio = [italiano] { return italiano; },
            .locale = locale,
        };
        const LetturaDocumentoDMS lettura = leggiDocumentoDMS(documento, opzioni);
        if (lettura.EditTelaio && !*lettura.TelaioTroppoLungo && lettura.EditTelaio->size() > 8) {
            __builtin_trap();
        }
    }
    return 0;
}
