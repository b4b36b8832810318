#include "db/ReferenceTables.h"

#include "db/UnitDB.h"
#include "platform/Errors.h"

#include <QScopeGuard>

void ReferenceTables::readRows(TSQLQuery& query, RigheRiferimento& rows) {
    query.open();
    auto closeQuery = qScopeGuard([&] { query.close(); });
    // Columns are paired by position: code first, then the text shown.
    const int columnCount = query.columnCount();
    for (; !query.eof(); query.next()) {
        rows.hadRows = true;
        for (int left = 0; left + 1 < columnCount; ++left) {
            const QString code = query.fieldText(left);
            if (rows.map.contains(code)) {
                throw TavornoError(QStringLiteral("Duplicates not allowed"));
            }
            rows.map.insert(code, query.fieldText(left + 1));
        }
        rows.texts << query.fieldText(columnCount - 1);
    }
}

void ReferenceTables::CaricaMercati(RigheRiferimento& rows) {
    readRows(dm_.SQLQueryGetMercati, rows);
}

void ReferenceTables::CaricaMarche(RigheRiferimento& rows) {
    readRows(dm_.SQLQueryGetMarche, rows);
}

void ReferenceTables::CaricaTipiIntervento(RigheRiferimento& rows) {
    readRows(dm_.SQLQueryGetTipoIntervento, rows);
}

void ReferenceTables::CaricaCodiciACarico(RigheRiferimento& rows) {
    readRows(dm_.SQLQueryGetCodiciACarico, rows);
}

QString ReferenceTables::lookup(const QString& sql, const QString& value) {
    TSQLQuery& query = dm_.SQLQueryGeneric;
    query.setSQL(sql);
    query.setParamText(QStringLiteral("VALORE"), value);
    query.open();
    const QString result = query.fieldText(0);
    query.close();
    return result;
}

QString ReferenceTables::getCodiceMercato(const QString& descrizione) {
    return lookup(QStringLiteral("SELECT MarketCode FROM Mercati WHERE Descrizione = :VALORE;"),
                  descrizione);
}

QString ReferenceTables::getCodiceMarca(const QString& nomeMarca) {
    return lookup(
        QStringLiteral("SELECT Marche.Code FROM Marche WHERE Marche.Descrizione = :VALORE"),
        nomeMarca);
}

QString ReferenceTables::getNomeMarca(const QString& codiceMarca) {
    return lookup(
        QStringLiteral("SELECT Marche.Descrizione FROM Marche WHERE Marche.Code = :VALORE"),
        codiceMarca);
}

QString ReferenceTables::getIdCodiceACarico(const QString& nomeCodiceACarico) {
    return lookup(QStringLiteral("SELECT IdCodiceACarico FROM CodiceACarico WHERE "
                                 "NomeCodiceACarico = :VALORE"),
                  nomeCodiceACarico);
}

QString ReferenceTables::getIdTipoIntervento(const QString& nomeTipoIntervento) {
    return lookup(QStringLiteral("SELECT IdTipoIntervento FROM TipoIntervento WHERE "
                                 "NomeTipoIntervento = :VALORE"),
                  nomeTipoIntervento);
}
