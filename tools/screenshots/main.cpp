// Opens Tavorno on the working folder it is started in, as the program does, and saves a
// picture of each page of the main window and of the settings dialog into the folder
// given, named PREFIX-veicolo.png, PREFIX-inconvenienti.png, PREFIX-configurazione.png and
// PREFIX-privacy.png.

#include "platform/Interaction.h"
#include "ui/AvvioTavorno.h"
#include "ui/Configurazione.h"
#include "ui/PrivacyCliente.h"
#include "ui/Tavorno.h"
#include "ui/WidgetInteraction.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTextStream>

namespace {

bool save(QWidget& window, const QString& file) {
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(file)) {
        QTextStream(stderr) << "Impossibile scrivere " << file << '\n';
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavorno"));
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "Uso: tavorno-screenshots CARTELLA PREFISSO\n";
        return 2;
    }
    const QDir output(arguments[1]);
    const QString prefix = arguments[2];

    WidgetInteraction widgetInteraction;
    InteractionScope scope(widgetInteraction);
    ProgrammaTavorno program = avviaTavorno();
    if (!program.runEventLoop) {
        return 1;
    }
    TFormTavorno& window = *program.mainWindow;
    bool ok = save(window, output.filePath(prefix + QStringLiteral("-veicolo.png")));
    window.PageControlCommessa->setCurrentIndex(1);
    ok = save(window, output.filePath(prefix + QStringLiteral("-inconvenienti.png"))) && ok;
    window.PageControlCommessa->setCurrentIndex(0);

    TFormConfigurazione dialog(
        window.MapMarche, [&](const QString& nome) { return window.MapMarche.key(nome); }, &window);
    ok = save(dialog, output.filePath(prefix + QStringLiteral("-configurazione.png"))) && ok;

    TFormPrivacyCliente privacy(window.ClienteSelezionato, &window);
    ok = save(privacy, output.filePath(prefix + QStringLiteral("-privacy.png"))) && ok;
    return ok ? 0 : 1;
}
