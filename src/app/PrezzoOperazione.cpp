#include "app/PrezzoOperazione.h"

#include <QRegularExpression>

bool prezzoValido(const QString& prezzo) {
    // Anchored at the very ends of the text: "$" alone would also pass a price that ends in
    // a line break.
    static const QRegularExpression forma(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,5}([,.][0-9]{1,3})?")));
    return forma.match(prezzo).hasMatch();
}

QString prezzoConVirgola(QString prezzo) {
    return prezzo.replace(u'.', u',');
}
