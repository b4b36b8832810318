#include "export/UploaderHandOff.h"

#include "export/WindowsCommandLine.h"
#include "platform/Errors.h"
#include "platform/Interaction.h"

#include <QDir>
#include <QProcess>

QString uploaderParameters(const UploaderSettings& settings, const QString& exportFile) {
    return QStringLiteral("-e ") + settings.Enviroment + QStringLiteral(" -u ") +
           settings.PIvaCarr + QStringLiteral(" -c ") + settings.ApiKey + QStringLiteral(" -d ") +
           settings.UtenteDMS + QStringLiteral(" -w ") + settings.PasswordDMS +
           QStringLiteral(" -r 1000 -a QIRTA -b ") + settings.MarcaAutorizzata +
           QStringLiteral(" -s ") + settings.CodiceOfficina +
           QStringLiteral(" -t VORNEX --path \"") + QDir::toNativeSeparators(exportFile) +
           QLatin1Char('"');
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
    startUploader(uploaderProgram, uploaderParameters(settings, exportFile));
    store.ImpostaCommesseComeInviate(lista);
    return true;
}
