#include "db/RepeatedTexts.h"

#include "db/SQLQuery.h"

#include <QHashFunctions>
#include <cstring>

QString TestiRipetuti::testo(const TSQLQuery& query, int colonna) {
    const QByteArrayView utf8 = query.fieldUtf8(colonna);
    const size_t lunghezza = static_cast<size_t>(utf8.size());
    const size_t hash = qHash(utf8, 0);
    const size_t maschera = voci_.size() - 1;
    for (size_t i = hash & maschera;; i = (i + 1) & maschera) {
        Voce& voce = voci_[i];
        if (!voce.usata) {
            voce = {hash, chiavi_.size(), lunghezza, true, query.fieldText(colonna)};
            chiavi_.append(utf8.data(), lunghezza);
            const QString testo = voce.testo;
            // Kept at most half full, so that a lookup stops after a slot or two.
            if (++usate_ * 2 > voci_.size()) {
                raddoppia();
            }
            return testo;
        }
        if (voce.hash == hash && voce.lunghezza == lunghezza &&
            std::memcmp(chiavi_.data() + voce.inizio, utf8.data(), lunghezza) == 0) {
            return voce.testo;
        }
    }
}

void TestiRipetuti::raddoppia() {
    std::vector<Voce> vecchie(voci_.size() * 2);
    vecchie.swap(voci_);  // voci_ is now the larger, empty table
    const size_t maschera = voci_.size() - 1;
    for (Voce& voce : vecchie) {
        if (voce.usata) {
            size_t i = voce.hash & maschera;
            while (voci_[i].usata) {
                i = (i + 1) & maschera;
            }
            voci_[i] = std::move(voce);
        }
    }
}
