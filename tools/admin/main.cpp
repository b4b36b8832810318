#include "AdminCommand.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {

void printLine(FILE* stream, const QString& text) {
    QTextStream(stream) << QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                        << '\n';
}

const QList<AdminCommand> kCommands = {
    {QStringLiteral("init-db"), QStringLiteral("init-db PERCORSO"),
     QStringLiteral("Crea un nuovo database Tavorno pronto all'uso (tabelle e dati di "
                    "riferimento). Non sovrascrive un file esistente."),
     runInitDb},
    {QStringLiteral("check-db"), QStringLiteral("check-db PERCORSO"),
     QStringLiteral("Elenca ciò che manca al database (tabelle, colonne, chiavi esterne, "
                    "indici) e i danni che il controllo di integrità vi trova. Attende un "
                    "database occupato come Tavorno e non vi scrive nulla. Esce con stato "
                    "diverso da 0 se manca qualcosa o il file è danneggiato."),
     runCheckDb},
    {QStringLiteral("backup"), QStringLiteral("backup DESTINAZIONE"),
     QStringLiteral("Scrive una copia coerente del database indicato da DBPath in KORVADEX.ini "
                    "(nella cartella di lavoro), anche mentre Tavorno è in uso, e la verifica. "
                    "DESTINAZIONE è il file della copia, oppure una cartella esistente, in cui "
                    "la copia prende il nome del database con data e ora. Non sovrascrive un "
                    "file esistente."),
     runBackup},
    {QStringLiteral("dms-show"), QStringLiteral("dms-show [FILE]"),
     QStringLiteral("Mostra in JSON che cosa Tavorno prende dal documento della scheda DMS "
                    "(di norma DOCT.ini nella cartella del DMS), senza chiedere né scrivere "
                    "nulla. La scheda è cercata nel database indicato da KORVADEX.ini; senza "
                    "database è considerata nuova. Esce con stato diverso da 0 solo se il "
                    "file non si può leggere."),
     runDmsShow},
    {QStringLiteral("export"), QStringLiteral("export --date AAAA-MM-GG [--out FILE]"),
     QStringLiteral("Esporta nel formato del costruttore le commesse di quel giorno (database e "
                    "codice officina da KORVADEX.ini nella cartella di lavoro; file predefinito "
                    "KORVADEX.XML nella cartella del DMS). Non avvia l'invio e non segna nulla "
                    "come inviato."),
     runExport},
};

void printHelp() {
    printOut(QStringLiteral("tavorno-admin: strumenti di servizio di Tavorno.\n\nUso:"));
    for (const AdminCommand& command : kCommands) {
        printOut(QStringLiteral("  tavorno-admin %1\n      %2").arg(command.usage, command.help));
    }
    printOut(QStringLiteral("  tavorno-admin --help\n      Mostra questo aiuto."));
}

}  // namespace

void printOut(const QString& text) {
    printLine(stdout, text);
}

void printErr(const QString& text) {
    printLine(stderr, text);
}

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--help") ||
        arguments.first() == QLatin1String("-h")) {
        printHelp();
        return arguments.isEmpty() ? 2 : 0;
    }
    const QString name = arguments.takeFirst();
    for (const AdminCommand& command : kCommands) {
        if (command.name == name) {
            return command.run(arguments);
        }
    }
    printErr(QStringLiteral("Comando sconosciuto: %1").arg(name));
    printHelp();
    return 2;
}
