#include "db/ComplaintRows.h"

#include "db/RepeatedTexts.h"
#include "db/SQLQuery.h"

#include <QStringList>

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

namespace {

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}

// The row's columns, each written in `forma` ("{c}" stands for the column, "{p}" for its
// parameter) and joined by commas, in the order of the row: its id (with `conId`), its
// texts, the charge code, its complaint.
template <typename Record>
QString elenco(const QString& forma, bool conId) {
    constexpr const auto& tipo = descrizioneRiga<Record>;
    QStringList parti;
    const auto aggiungi = [&](const QString& colonna, const QString& parametro) {
        parti.append(QString(forma)
                         .replace(QStringLiteral("{c}"), colonna)
                         .replace(QStringLiteral("{p}"), parametro));
    };
    if (conId) {
        aggiungi(latin1(tipo.colonnaId), latin1(tipo.parametroId));
    }
    for (const ColonnaTesto<Record>& testo : tipo.testi) {
        aggiungi(latin1(testo.colonna), latin1(testo.parametro));
    }
    aggiungi(QStringLiteral("CodiceACarico"), QStringLiteral("CODICEACARICO"));
    aggiungi(QStringLiteral("IdInconveniente"), QStringLiteral("IDINCONVENIENTE"));
    return parti.join(QStringLiteral(", "));
}

// For operations, for instance, the update is "UPDATE Operazione SET Prezzo = :PREZZO,
// CodiceOperazione = :CODOPERAZIONE, Descrizione = :DESCRIZIONE, CodiceACarico =
// :CODICEACARICO, IdInconveniente = :IDINCONVENIENTE WHERE IdOperazione = :IDOPERAZIONE;" and
// the rows of one complaint are "SELECT Operazione.IdOperazione, Operazione.Prezzo, ...,
// Operazione.IdInconveniente FROM Operazione, Inconveniente WHERE
// Inconveniente.IdInconveniente = Operazione.IdInconveniente AND Operazione.IdInconveniente =
// :IDINC;".
template <typename Record>
IstruzioniRiga componiIstruzioni() {
    constexpr const auto& tipo = descrizioneRiga<Record>;
    const QString tabella = latin1(tipo.tabella);
    const QString chiave = tabella + u'.' + latin1(tipo.colonnaId);
    // Only the rows whose complaint exists.
    const QString lettura = QStringLiteral("SELECT ") +
                            elenco<Record>(tabella + QStringLiteral(".{c}"), true) +
                            QStringLiteral(" FROM ") + tabella + QStringLiteral(", Inconveniente");
    const QString unione = QStringLiteral(" WHERE Inconveniente.IdInconveniente = ") + tabella +
                           QStringLiteral(".IdInconveniente");
    return {
        QStringLiteral("INSERT INTO ") + tabella + QStringLiteral(" (") +
            elenco<Record>(QStringLiteral("{c}"), false) + QStringLiteral(") VALUES (") +
            elenco<Record>(QStringLiteral(":{p}"), false) + QStringLiteral(");"),
        QStringLiteral("UPDATE ") + tabella + QStringLiteral(" SET ") +
            elenco<Record>(QStringLiteral("{c} = :{p}"), false) + QStringLiteral(" WHERE ") +
            latin1(tipo.colonnaId) + QStringLiteral(" = :") + latin1(tipo.parametroId) + u';',
        QStringLiteral("DELETE FROM ") + tabella + QStringLiteral(" WHERE ") +
            latin1(tipo.colonnaId) + QStringLiteral(" = :") + latin1(tipo.parametroEliminazione) +
            u';',
        lettura + unione + QStringLiteral(" AND ") + tabella +
            QStringLiteral(".IdInconveniente = :IDINC;"),
        lettura + unione + QStringLiteral(" ORDER BY ") + chiave + u';',
        lettura + QStringLiteral(", Commessa") + unione +
            QStringLiteral(" AND Inconveniente.IdCommessa = Commessa.IDCommessaDMS AND "
                           "Commessa.DataCommessa = :DATECOMM ORDER BY ") +
            chiave + u';',
    };
}

}  // namespace

template <typename Record>
const IstruzioniRiga& istruzioni() {
    static const IstruzioniRiga composte = componiIstruzioni<Record>();
    return composte;
}

template <typename Record>
ColonneRiga<Record> ColonneRiga<Record>::di(const TSQLQuery& query) {
    constexpr const auto& tipo = descrizioneRiga<Record>;
    ColonneRiga colonne{};
    colonne.id = query.requireColumn(latin1(tipo.colonnaId));
    for (size_t i = 0; i < tipo.testi.size(); ++i) {
        colonne.testi[i] = query.requireColumn(latin1(tipo.testi[i].colonna));
    }
    colonne.codiceACarico = query.requireColumn(QStringLiteral("CodiceACarico"));
    colonne.idInconveniente = query.requireColumn(QStringLiteral("IdInconveniente"));
    return colonne;
}

template <typename Record>
Record leggiRiga(const TSQLQuery& query, const ColonneRiga<Record>& colonne,
                 TestiRipetuti& ripetuti) {
    constexpr const auto& tipo = descrizioneRiga<Record>;
    Record riga;  // ids -1, empty texts, no charge code
    riga.*tipo.id = static_cast<int>(query.fieldInteger(colonne.id));
    for (size_t i = 0; i < tipo.testi.size(); ++i) {
        riga.*tipo.testi[i].campo = ripetuti.testo(query, colonne.testi[i]);
    }
    riga.*tipo.codiceACarico = leggiCodice(query, colonne.codiceACarico);
    riga.FIdInconveniente = static_cast<int>(query.fieldInteger(colonne.idInconveniente));
    return riga;
}

template <typename Record>
void impostaRiga(TSQLQuery& query, const Record& riga, int idInconveniente) {
    constexpr const auto& tipo = descrizioneRiga<Record>;
    for (const ColonnaTesto<Record>& testo : tipo.testi) {
        query.setParamText(latin1(testo.parametro), riga.*testo.campo);
    }
    query.setParamText(QStringLiteral("CODICEACARICO"), testoCodice(riga.*tipo.codiceACarico));
    query.setParamInteger(QStringLiteral("IDINCONVENIENTE"), idInconveniente);
}

template const IstruzioniRiga& istruzioni<TOperazione>();
template const IstruzioniRiga& istruzioni<TRicambio>();
template struct ColonneRiga<TOperazione>;
template struct ColonneRiga<TRicambio>;
template TOperazione leggiRiga(const TSQLQuery&, const ColonneRiga<TOperazione>&, TestiRipetuti&);
template TRicambio leggiRiga(const TSQLQuery&, const ColonneRiga<TRicambio>&, TestiRipetuti&);
template void impostaRiga(TSQLQuery&, const TOperazione&, int);
template void impostaRiga(TSQLQuery&, const TRicambio&, int);
