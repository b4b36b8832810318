#include "db/ComplaintRows.h"

#include "db/RepeatedTexts.h"
#include "db/SQLQuery.h"

QString testoCodice(QChar codice) {
    return codice.isNull() ? QString() : QString(codice);
}

QChar leggiCodice(const TSQLQuery& query, int colonna) {
    // An ASCII first byte is the character itself; anything else is decoded in full.
    const QByteArrayView utf8 = query.fieldUtf8(colonna);
    if (utf8.isEmpty()) {
        return QChar();
    }
    if (static_cast<unsigned char>(utf8.front()) < 0x80) {
        return QChar(static_cast<char16_t>(utf8.front()));
    }
    return query.fieldText(colonna).front();
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
    inconveniente.FCodiceACarico = leggiCodice(query, colonne.codiceACarico);
    inconveniente.FTipoIntervento = leggiCodice(query, colonne.tipoIntervento);
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

TOperazione leggiOperazione(const TSQLQuery& query, const ColonneOperazione& colonne,
                            TestiRipetuti& ripetuti) {
    TOperazione operazione = TOperazione::Create(-1, -1, QString(), QString(), QString(), QChar());
    operazione.FIdOperazione = static_cast<int>(query.fieldInteger(colonne.idOperazione));
    operazione.Fprezzo = ripetuti.testo(query, colonne.prezzo);
    operazione.Fcodice = ripetuti.testo(query, colonne.codiceOperazione);
    operazione.Fdescrizione = ripetuti.testo(query, colonne.descrizione);
    operazione.FcodiceACarico = leggiCodice(query, colonne.codiceACarico);
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

TRicambio leggiRicambio(const TSQLQuery& query, const ColonneRicambio& colonne,
                        TestiRipetuti& ripetuti) {
    TRicambio ricambio = TRicambio::Create(-1, -1, QString(), QString(), QChar());
    ricambio.FIdRicambio = static_cast<int>(query.fieldInteger(colonne.idRicambio));
    ricambio.FCodiceRicambio = ripetuti.testo(query, colonne.codiceRicambio);
    ricambio.FDescrizione = ripetuti.testo(query, colonne.descrizione);
    ricambio.FCodiceACarico = leggiCodice(query, colonne.codiceACarico);
    ricambio.FIdInconveniente = static_cast<int>(query.fieldInteger(colonne.idInconveniente));
    return ricambio;
}
