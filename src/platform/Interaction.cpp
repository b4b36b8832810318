#include "platform/Interaction.h"

#include "platform/Errors.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

// Used where no window exists (the admin tool, a program before its windows): messages go
// to standard error, nothing is ever agreed to on the user's behalf, and a window to show is
// an error.
class ConsoleInteraction : public Interaction {
public:
    void showMessage(const QString& title, const QString& text) override {
        write(title + QStringLiteral(": ") + text);
    }
    void showSimpleMessage(const QString& text) override { write(text); }
    bool confirm(const QString& text) override {
        write(text + QStringLiteral(" [No]"));
        return false;
    }
    bool confirmWarning(const QString& title, const QString& text) override {
        write(title + QStringLiteral(": ") + text + QStringLiteral(" [Annulla]"));
        return false;
    }
    bool ask(const QString& text) override {
        write(text + QStringLiteral(" [No]"));
        return false;
    }
    void reportError(const QString& text) override { write(QStringLiteral("Errore: ") + text); }
    // A window that cannot be shown must not pass for one the user cancelled.
    int showModal(QObject& window) override {
        throw TavornoError(
            QStringLiteral("Impossibile mostrare la finestra \"%1\": nessuna interfaccia grafica "
                           "in questa esecuzione.")
                .arg(window.objectName().isEmpty()
                         ? QString::fromLatin1(window.metaObject()->className())
                         : window.objectName()));
    }
    void endProgram() override {
        ended_ = true;
        if (QCoreApplication::instance() != nullptr) {
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        }
    }
    bool endRequested() const override { return ended_; }

private:
    bool ended_ = false;

    static void write(const QString& text) {
        QTextStream err(stderr);
        err << QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
    }
};

ConsoleInteraction consoleInteraction;
Interaction* current = &consoleInteraction;

}  // namespace

Interaction& interaction() {
    return *current;
}

InteractionScope::InteractionScope(Interaction& installed) : previous_(current) {
    current = &installed;
}

InteractionScope::~InteractionScope() {
    current = previous_;
}

bool runReportingErrors(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        interaction().reportError(errorMessage(error));
        return false;
    }
}
