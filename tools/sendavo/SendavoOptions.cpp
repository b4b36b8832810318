#include "SendavoOptions.h"

#include <algorithm>

namespace {

using Field = QString SendavoOptions::*;

// Every option the program passes, in its order, with what it carries. The program always
// passes all of them; those that carry the dealer's data must not be empty.
struct OptionSpec {
    QLatin1String name;
    Field field;
    const char* what;
    bool mustHaveText;
};

constexpr OptionSpec kOptions[] = {
    {QLatin1String("-e"), &SendavoOptions::environment, "l'ambiente", true},
    {QLatin1String("-u"), &SendavoOptions::dealerVat, "la partita IVA del concessionario", true},
    {QLatin1String("-c"), &SendavoOptions::apiKey, "la chiave di accesso", true},
    {QLatin1String("-d"), &SendavoOptions::userDms, "l'utente", true},
    {QLatin1String("-w"), &SendavoOptions::passwordDms, "la password", true},
    {QLatin1String("-r"), &SendavoOptions::r, "il valore dell'opzione -r", false},
    {QLatin1String("-a"), &SendavoOptions::a, "il valore dell'opzione -a", false},
    {QLatin1String("-b"), &SendavoOptions::brand, "la marca", true},
    {QLatin1String("-s"), &SendavoOptions::workshop, "il codice officina", true},
    {QLatin1String("-t"), &SendavoOptions::t, "il valore dell'opzione -t", false},
    {QLatin1String("--path"), &SendavoOptions::path, "il file da inviare", true},
};

const OptionSpec* findOption(const QString& word) {
    const auto it = std::find_if(std::begin(kOptions), std::end(kOptions),
                                 [&](const OptionSpec& spec) { return spec.name == word; });
    return it == std::end(kOptions) ? nullptr : it;
}

InputError missing(const OptionSpec& spec) {
    return InputError(
        QStringLiteral("Manca %1 (%2).").arg(QString::fromUtf8(spec.what), spec.name));
}

}  // namespace

SendavoOptions parseSendavoOptions(const QStringList& arguments) {
    SendavoOptions options;
    QStringList seen;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const OptionSpec* spec = findOption(arguments.at(i));
        if (spec == nullptr) {
            // The word itself is not repeated: it may be half of a password with a blank.
            throw InputError(
                seen.isEmpty()
                    ? QStringLiteral("Parametro inatteso in testa alla riga di comando.")
                    : QStringLiteral("Parametro inatteso dopo l'opzione %1 (un valore vuoto o "
                                     "con spazi non arriva come una sola parola).")
                          .arg(seen.last()));
        }
        if (seen.contains(spec->name)) {
            throw InputError(QStringLiteral("Opzione ripetuta: %1.").arg(spec->name));
        }
        seen.append(spec->name);
        // The next word is the value, whatever it looks like: a password may be "-c".
        if (i + 1 >= arguments.size()) {
            throw missing(*spec);
        }
        options.*spec->field = arguments.at(++i);
    }
    for (const OptionSpec& spec : kOptions) {
        if (!seen.contains(spec.name) || (spec.mustHaveText && (options.*spec.field).isEmpty())) {
            throw missing(spec);
        }
    }
    if (options.environment != QLatin1String("production") &&
        options.environment != QLatin1String("goldmain")) {
        throw InputError(QStringLiteral("Ambiente non valido (-e): \"%1\"; atteso \"production\" "
                                        "o \"goldmain\".")
                             .arg(options.environment));
    }
    return options;
}
