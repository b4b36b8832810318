#pragma once

#include <QString>
#include <QTextStream>

// How every benchmark reports its figures: one line per figure,
//   figura | valore | obiettivo | raggiunto
// with "raggiunto" or "non raggiunto" for a figure that has a target, and "-" for one that
// is printed only to explain another. A missed target makes esito() non-zero, which the
// benchmark returns from main, so that scripts/bench fails.
//
//   Verdetti verdetti;
//   verdetti.rapporto(QStringLiteral("apertura sul caricamento"), aperta, caricata, 2.0);
//   verdetti.sotto(QStringLiteral("giorno più pieno"), ms, 20.0);
//   return verdetti.esito();
class Verdetti {
public:
    // Prints the heading of the table.
    Verdetti();

    // Reached when `valore` is at most `limite` times `riferimento`, both in `unita`.
    void rapporto(const QString& figura, double valore, double riferimento, double limite,
                  const QString& unita = QStringLiteral("ms"));
    // Reached when `valore` is below `limite`, both in `unita`.
    void sotto(const QString& figura, double valore, double limite,
               const QString& unita = QStringLiteral("ms"));
    // Figures without a target, beside the ones they explain: a value, and a value with its
    // ratio to another.
    void confronto(const QString& figura, double valore,
                   const QString& unita = QStringLiteral("ms"));
    void confrontoRapporto(const QString& figura, double valore, double riferimento,
                           const QString& unita = QStringLiteral("ms"));
    // A heading or a remark between the lines.
    void nota(const QString& testo);

    int mancati() const { return mancati_; }
    // 0 when every target was reached, 1 otherwise.
    int esito() const { return mancati_ == 0 ? 0 : 1; }

private:
    void giudica(const QString& figura, const QString& valore, const QString& obiettivo,
                 bool raggiunto);
    void riga(const QString& figura, const QString& valore, const QString& obiettivo,
              const QString& giudizio);

    QTextStream out_;
    int mancati_ = 0;
};
