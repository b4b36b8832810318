#include "db/RepeatedTexts.h"

#include "db/SQLQuery.h"

QString TestiRipetuti::testo(const TSQLQuery& query, int colonna) {
    const QByteArrayView utf8 = query.fieldUtf8(colonna);
    // A key over the row's own bytes for the lookup; a copy only for a text not seen yet.
    const auto trovato = visti_.constFind(QByteArray::fromRawData(utf8.data(), utf8.size()));
    if (trovato != visti_.cend()) {
        return *trovato;
    }
    return *visti_.insert(utf8.toByteArray(), query.fieldText(colonna));
}
