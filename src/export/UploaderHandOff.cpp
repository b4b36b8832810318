#include "export/UploaderHandOff.h"

#include "export/WindowsCommandLine.h"
#include "platform/Errors.h"
#include "platform/Interaction.h"

#include <QDir>
#include <QProcess>
#include <algorithm>

QString uploaderParameters(const UploaderSettings& settings, const QString& exportFile) {
    return QStringLiteral("-e ") + settings.Enviroment + QStringLiteral(" -u ") +
           settings.PIvaCarr + QStringLiteral(" -c ") + settings.ApiKey + QStringLiteral(" -d ") +
           settings.UtenteDMS + QStringLiteral(" -w ") + settings.PasswordDMS +
           QStringLiteral(" -r 1000 -a QIRTA -b ") + settings.MarcaAutorizzata +
           QStringLiteral(" -s ") + settings.CodiceOfficina +
           QStringLiteral(" -t VORNEX --path \"") + QDir::toNativeSeparators(exportFile) +
           QLatin1Char('"');
}

namespace {

// A value of the parameter string and how the user finds the setting it comes from.
struct ValoreInvio {
    QString UploaderSettings::*valore;
    const char* impostazione;
};

const ValoreInvio kValoriInvio[] = {
    {&UploaderSettings::Enviroment,
     "l'ambiente di invio (Enviroment in KORVADEX.ini, scritto salvando la Configurazione)"},
    {&UploaderSettings::PIvaCarr,
     "la partita IVA del dealer (Piva nel documento della scheda DMS o in KORVADEX.ini)"},
    {&UploaderSettings::ApiKey, "la chiave di accesso (api-key in KORVADEX.ini)"},
    {&UploaderSettings::UtenteDMS, "il nome utente (\"Nome Utente FCA:\" nella Configurazione)"},
    {&UploaderSettings::PasswordDMS, "la password (\"Password FCA:\" nella Configurazione)"},
    {&UploaderSettings::MarcaAutorizzata,
     "la marca autorizzata (\"Marca Autorizzata:\" nella Configurazione)"},
    {&UploaderSettings::CodiceOfficina, "il codice officina (\"Sincom:\" nella Configurazione)"},
};

bool hasBlankOrQuote(const QString& value) {
    return std::any_of(value.begin(), value.end(),
                       [](QChar c) { return c.isSpace() || c == QLatin1Char('"'); });
}

const QString kNienteInviato = QStringLiteral(
    "\r\nL'invio non è stato avviato e nessuna commessa è stata segnata come inviata; il file "
    "XML resta generato.");

[[noreturn]] void refuseSend(const QString& reason) {
    throw TavornoError(QStringLiteral("Impossibile inviare: ") + reason + kNienteInviato);
}

}  // namespace

void requireDeliverableValues(const UploaderSettings& settings) {
    for (const ValoreInvio& valore : kValoriInvio) {
        const QString& testo = settings.*valore.valore;
        const QString impostazione = QString::fromUtf8(valore.impostazione);
        if (testo.isEmpty()) {
            refuseSend(QStringLiteral("manca %1.").arg(impostazione));
        }
        if (hasBlankOrQuote(testo)) {
            refuseSend(QStringLiteral("%1 contiene spazi o virgolette, che il programma di invio "
                                      "non riceverebbe intatti: correggere l'impostazione.")
                           .arg(impostazione));
        }
    }
}

void startUploader(const QString& program, const QString& parameters) {
    QProcess process;
    process.setProgram(program);
#ifdef Q_OS_WIN
    process.setNativeArguments(parameters);
#else
    process.setArguments(splitWindowsCommandLine(parameters));
#endif
    if (!process.startDetached()) {
        throw TavornoError(QStringLiteral("Impossibile avviare il programma di invio \"%1\": %2")
                               .arg(QDir::toNativeSeparators(program), process.errorString()));
    }
}

bool sendExport(const TListaCommesse& lista, ExportStore& store, const UploaderSettings& settings,
                const QString& exportFile, const QString& uploaderProgram) {
    if (!interaction().confirm(QStringLiteral("Vuoi spedire ora tutte le commesse generate?"))) {
        return false;
    }
    requireDeliverableValues(settings);
    // Where a failure stops the send: before the lock nothing has happened, after the start
    // the file has gone.
    enum class Fase { lock, avvio, marcatura } fase = Fase::lock;
    QStringList assenti;
    try {
        assenti = store.ImpostaCommesseComeInviate(lista, [&] {
            fase = Fase::avvio;
            startUploader(uploaderProgram, uploaderParameters(settings, exportFile));
            fase = Fase::marcatura;
        });
    } catch (const TavornoError& error) {
        switch (fase) {
            case Fase::lock:
                throw TavornoError(
                    QStringLiteral("Il database non può essere riservato per segnare le commesse "
                                   "come inviate (forse lo sta usando un altro programma): %1")
                        .arg(error.message()) +
                    kNienteInviato);
            case Fase::avvio:
                throw;
            case Fase::marcatura:
                throw TavornoError(
                    QStringLiteral("Il file XML è stato consegnato al programma di invio, ma "
                                   "segnare le commesse come inviate non è riuscito: %1\r\nLe "
                                   "commesse risultano ancora da inviare.")
                        .arg(error.message()));
        }
    }
    if (!assenti.isEmpty()) {
        interaction().showMessage(
            QStringLiteral("Errore"),
            QStringLiteral("Il file XML è stato consegnato al programma di invio, ma queste "
                           "commesse non sono più presenti nel database e non sono state "
                           "segnate come inviate: %1.\r\nLe altre commesse sono segnate come "
                           "inviate.")
                .arg(assenti.join(QStringLiteral(", "))));
    }
    return true;
}
