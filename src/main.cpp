#include "platform/Interaction.h"
#include "platform/Memory.h"
#include "ui/AvvioTavorno.h"
#include "ui/Tavorno.h"
#include "ui/WidgetInteraction.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    keepFreedMemory();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavorno"));

    // The toolkit's own button captions in Italian (Sì/No), where the translations exist.
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"),
                            QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslations);
    }

    WidgetInteraction widgetInteraction;
    InteractionScope scope(widgetInteraction);

    ProgrammaTavorno program = avviaTavorno();
    if (!program.runEventLoop) {
        return program.exitStatus;
    }
    program.mainWindow->show();
    return QApplication::exec();
}
