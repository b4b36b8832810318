#include "db/DatabaseError.h"

#include <sqlite3.h>

namespace {

QString adviceFor(int code) {
    switch (code & 0xFF) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return QStringLiteral(
                "Il database è in uso da un altro programma (per esempio un'altra copia di "
                "Tavorno o una copia di sicurezza in corso). Attendere che abbia finito e "
                "riprovare.");
        case SQLITE_NOTADB:
            return QStringLiteral(
                "Il file non è un database di Tavorno. Controllare il percorso del database "
                "(DBPath in KORVADEX.ini).");
        case SQLITE_CORRUPT:
            return QStringLiteral(
                "Il database è danneggiato. Ripristinare una copia di sicurezza del database.");
        case SQLITE_IOERR:
            return QStringLiteral(
                "Errore del disco durante l'accesso al database. Controllare il disco (o la "
                "rete, se il database è su un'altra macchina) e riprovare.");
        case SQLITE_FULL:
            return QStringLiteral(
                "Il disco del database è pieno. Liberare spazio sul disco e riprovare.");
        case SQLITE_READONLY:
            return QStringLiteral(
                "Il database non si può modificare. Dare all'utente di Tavorno il permesso di "
                "scrittura sul file del database e sulla sua cartella.");
        case SQLITE_CANTOPEN:
            return QStringLiteral(
                "Il file del database non esiste o non si può aprire. Controllare il percorso "
                "del database (DBPath in KORVADEX.ini) e i permessi.");
        default:
            return QString();
    }
}

}  // namespace

QString engineFailureText(int code, const QString& engineText) {
    const QString advice = adviceFor(code);
    return advice.isEmpty() ? engineText : advice + QStringLiteral("\r\n") + engineText;
}

DatabaseError engineError(sqlite3* db, int code) {
    QString text = db != nullptr ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
    // The connection's own message can be stale or empty after some calls (backup, close).
    if (text.isEmpty() || text == QLatin1String("not an error")) {
        text = QString::fromUtf8(sqlite3_errstr(code));
    }
    return DatabaseError(engineFailureText(code, text));
}

DatabaseError openFailure(const QString& path, const QString& reason) {
    return DatabaseError(
        QStringLiteral("Impossibile aprire il database \"%1\".\r\n%2").arg(path, reason));
}
