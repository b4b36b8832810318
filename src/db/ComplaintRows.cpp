#include "db/ComplaintRows.h"

#include "db/SQLQuery.h"

QString testoCodice(QChar codice) {
    return codice.isNull() ? QString() : QString(codice);
}

QChar codiceDaTesto(const QString& testo) {
    return testo.isEmpty() ? QChar() : testo.front();
}

ColonneInconveniente ColonneInconveniente::di(const TSQLQuery& query) {
    return {query.requireColumn(QStringLiteral("IdInconveniente")),
            query.requireColumn(QStringLiteral("Descrizione")),
            query.requireColumn(QStringLiteral("CodiceACarico")),
            query.requireColumn(QStringLiteral("TipoIntervento"))};
}

TInconveniente leggiInconveniente(const TSQLQuery& query, const ColonneInconveniente& colonne,
                                  const QString& idCommessaDMS) {
    TInconveniente inconveniente =
        TInconveniente::Create(-1, QString(), QString(), QChar(), QChar(), nullptr, nullptr);
    inconveniente.FIdInconveniente = static_cast<int>(query.fieldInteger(colonne.idInconveniente));
    inconveniente.FIdCommessaDMS = idCommessaDMS;
    inconveniente.FDescrizione = query.fieldText(colonne.descrizione);
    inconveniente.FCodiceACarico = codiceDaTesto(query.fieldText(colonne.codiceACarico));
    inconveniente.FTipoIntervento = codiceDaTesto(query.fieldText(colonne.tipoIntervento));
    return inconveniente;
}

ColonneOperazione ColonneOperazione::di(const TSQLQuery& query) {
    return {query.requireColumn(QStringLiteral("IdOperazione")),
            query.requireColumn(QStringLiteral("Prezzo")),
            query.requireColumn(QStringLiteral("CodiceOperazione")),
            query.requireColumn(QStringLiteral("Descrizione")),
            query.requireColumn(QStringLiteral("CodiceACarico")),
            query.requireColumn(QStringLiteral("IdInconveniente"))};
}

TOperazione leggiOperazione(const TSQLQuery& query, const ColonneOperazione& colonne) {
    TOperazione operazione = TOperazione::Create(-1, -1, QString(), QString(), QString(), QChar());
    operazione.FIdOperazione = static_cast<int>(query.fieldInteger(colonne.idOperazione));
    operazione.Fprezzo = query.fieldText(colonne.prezzo);
    operazione.Fcodice = query.fieldText(colonne.codiceOperazione);
    operazione.Fdescrizione = query.fieldText(colonne.descrizione);
    operazione.FcodiceACarico = codiceDaTesto(query.fieldText(colonne.codiceACarico));
    operazione.FIdInconveniente = static_cast<int>(query.fieldInteger(colonne.idInconveniente));
    return operazione;
}

ColonneRicambio ColonneRicambio::di(const TSQLQuery& query) {
    return {query.requireColumn(QStringLiteral("IdRicambio")),
            query.requireColumn(QStringLiteral("CodiceRicambio")),
            query.requireColumn(QStringLiteral("Descrizione")),
            query.requireColumn(QStringLiteral("CodiceACarico")),
            query.requireColumn(QStringLiteral("IdInconveniente"))};
}

TRicambio leggiRicambio(const TSQLQuery& query, const ColonneRicambio& colonne) {
    TRicambio ricambio = TRicambio::Create(-1, -1, QString(), QString(), QChar());
    ricambio.FIdRicambio = static_cast<int>(query.fieldInteger(colonne.idRicambio));
    ricambio.FCodiceRicambio = query.fieldText(colonne.codiceRicambio);
    ricambio.FDescrizione = query.fieldText(colonne.descrizione);
    ricambio.FCodiceACarico = codiceDaTesto(query.fieldText(colonne.codiceACarico));
    ricambio.FIdInconveniente = static_cast<int>(query.fieldInteger(colonne.idInconveniente));
    return ricambio;
}
