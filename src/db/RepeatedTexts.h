#pragma once

#include <QString>
#include <string>
#include <vector>

class TSQLQuery;

// One shared copy of each distinct text of a column that many rows repeat (codes, prices,
// catalogue descriptions, dates): the records loaded together hold the same buffer, and
// each distinct text is converted once. The texts read are those fieldText gives.
class TestiRipetuti {
public:
    QString testo(const TSQLQuery& query, int colonna);

private:
    // An open-addressing table keyed by the row's own bytes, looked up without copying
    // them: loading a long list asks it millions of times. The keys sit side by side in one
    // buffer, so that comparing them stays within a few cache lines.
    struct Voce {
        size_t hash = 0;
        size_t inizio = 0;
        size_t lunghezza = 0;
        bool usata = false;
        QString testo;
    };
    void raddoppia();

    std::vector<Voce> voci_ = std::vector<Voce>(64);
    std::string chiavi_;
    size_t usate_ = 0;
};
