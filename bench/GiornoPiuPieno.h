#pragma once

#include "db/UnitDB.h"
#include "platform/Errors.h"

#include <QDate>

// The date with the most job orders (the earliest of them, when several have as many): the
// busy day the benchmarks time.
inline QDate giornoPiuPieno(TDataModule1& dm) {
    TSQLQuery& query = dm.SQLQueryGeneric;
    query.setSQL(
        QStringLiteral("SELECT DataCommessa FROM Commessa GROUP BY DataCommessa "
                       "ORDER BY count(*) DESC, DataCommessa LIMIT 1"));
    query.open();
    const QDate giorno = QDate::fromString(query.fieldText(0), Qt::ISODate);
    query.close();
    if (!giorno.isValid()) {
        throw TavornoError(
            QStringLiteral("Il database non contiene commesse datate: niente da misurare."));
    }
    return giorno;
}
