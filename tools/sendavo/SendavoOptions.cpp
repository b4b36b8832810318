#include "SendavoOptions.h"

#include <QMap>

namespace {

using Field = QString SendavoOptions::*;

const QMap<QString, Field>& optionFields() {
    static const QMap<QString, Field> fields = {
        {QStringLiteral("-e"), &SendavoOptions::environment},
        {QStringLiteral("-u"), &SendavoOptions::dealerVat},
        {QStringLiteral("-c"), &SendavoOptions::apiKey},
        {QStringLiteral("-d"), &SendavoOptions::userDms},
        {QStringLiteral("-w"), &SendavoOptions::passwordDms},
        {QStringLiteral("-r"), &SendavoOptions::r},
        {QStringLiteral("-a"), &SendavoOptions::a},
        {QStringLiteral("-b"), &SendavoOptions::brand},
        {QStringLiteral("-s"), &SendavoOptions::workshop},
        {QStringLiteral("-t"), &SendavoOptions::t},
        {QStringLiteral("--path"), &SendavoOptions::path},
    };
    return fields;
}

void require(const QString& value, const QString& what) {
    if (value.isEmpty()) {
        throw InputError(QStringLiteral("Manca %1.").arg(what));
    }
}

}  // namespace

SendavoOptions parseSendavoOptions(const QStringList& arguments) {
    const QMap<QString, Field>& fields = optionFields();
    SendavoOptions options;
    QStringList seen;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments.at(i);
        if (!fields.contains(option)) {
            // The word itself is not repeated: it may be half of a password with a blank.
            throw InputError(
                seen.isEmpty()
                    ? QStringLiteral("Parametro inatteso in testa alla riga di comando.")
                    : QStringLiteral("Parametro inatteso dopo l'opzione %1 (un valore con spazi "
                                     "arriva diviso in più parole).")
                          .arg(seen.last()));
        }
        if (seen.contains(option)) {
            throw InputError(QStringLiteral("Opzione ripetuta: %1.").arg(option));
        }
        seen.append(option);
        const bool hasValue = i + 1 < arguments.size() && !fields.contains(arguments.at(i + 1));
        if (hasValue) {
            options.*fields.value(option) = arguments.at(++i);
        }
    }
    if (options.environment != QLatin1String("production") &&
        options.environment != QLatin1String("goldmain")) {
        throw InputError(QStringLiteral("Ambiente non valido (-e): \"%1\"; atteso \"production\" "
                                        "o \"goldmain\".")
                             .arg(options.environment));
    }
    require(options.dealerVat, QStringLiteral("la partita IVA del concessionario (-u)"));
    require(options.brand, QStringLiteral("la marca (-b)"));
    require(options.workshop, QStringLiteral("il codice officina (-s)"));
    require(options.path, QStringLiteral("il file da inviare (--path)"));
    return options;
}
