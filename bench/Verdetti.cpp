#include "Verdetti.h"

namespace {

QString numero(double valore) {
    return QString::number(valore, 'f', 2);
}

QString conUnita(double valore, const QString& unita) {
    return numero(valore) + u' ' + unita;
}

QString testoRapporto(double valore, double riferimento, const QString& unita) {
    return QStringLiteral("%1x (%2 su %3)")
        .arg(numero(valore / riferimento), conUnita(valore, unita), conUnita(riferimento, unita));
}

}  // namespace

Verdetti::Verdetti() : out_(stdout) {
    riga(QStringLiteral("figura"), QStringLiteral("valore"), QStringLiteral("obiettivo"),
         QStringLiteral("esito"));
}

void Verdetti::rapporto(const QString& figura, double valore, double riferimento, double limite,
                        const QString& unita) {
    giudica(figura, testoRapporto(valore, riferimento, unita),
            QStringLiteral("al massimo %1x").arg(QString::number(limite)),
            valore <= limite * riferimento);
}

void Verdetti::sotto(const QString& figura, double valore, double limite, const QString& unita) {
    giudica(figura, conUnita(valore, unita),
            QStringLiteral("sotto %1 %2").arg(QString::number(limite), unita), valore < limite);
}

void Verdetti::confronto(const QString& figura, double valore, const QString& unita) {
    riga(figura, conUnita(valore, unita), QStringLiteral("-"), QStringLiteral("-"));
}

void Verdetti::confrontoRapporto(const QString& figura, double valore, double riferimento,
                                 const QString& unita) {
    riga(figura, testoRapporto(valore, riferimento, unita), QStringLiteral("-"),
         QStringLiteral("-"));
}

void Verdetti::nota(const QString& testo) {
    out_ << testo << '\n';
    out_.flush();
}

void Verdetti::giudica(const QString& figura, const QString& valore, const QString& obiettivo,
                       bool raggiunto) {
    riga(figura, valore, obiettivo,
         raggiunto ? QStringLiteral("raggiunto") : QStringLiteral("non raggiunto"));
    mancati_ += raggiunto ? 0 : 1;
}

void Verdetti::riga(const QString& figura, const QString& valore, const QString& obiettivo,
                    const QString& giudizio) {
    out_ << figura.leftJustified(62) << " | " << valore.leftJustified(34) << " | "
         << obiettivo.leftJustified(16) << " | " << giudizio << '\n';
    out_.flush();
}
