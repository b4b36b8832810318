#include "platform/Interaction.h"
#include "ui/AvvioTavorno.h"
#include "ui/Tavorno.h"
#include "ui/WidgetInteraction.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The list of all job orders of ten years takes a few hundred megabytes. By default glibc
// hands that memory back when the list is closed and maps it anew, page by page, the next
// time; on a virtual desktop that costs more than reading the database. The program keeps
// it instead, so that opening the list again is quick.
void keepFreedMemory() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
}

}  // namespace

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
        return 0;
    }
    program.mainWindow->show();
    return QApplication::exec();
}
