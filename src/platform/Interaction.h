#pragma once

#include <QString>
#include <functional>

class QObject;

// Everything the program shows or asks goes through here: the message boxes, the general
// error report, every modal window, and ending the program. The windows install the real
// implementation; tests install a scripted one that answers from a queue and records what
// was shown, so the core never depends on widgets.
class Interaction {
public:
    virtual ~Interaction() = default;

    // Message box with a title ("Errore" for a refusal or failure, "Info" for a notice).
    virtual void showMessage(const QString& title, const QString& text) = 0;
    // Simple message box: the text and one OK button.
    virtual void showSimpleMessage(const QString& text) = 0;
    // Confirmation box "Domanda:" with "Si" (the default) and "No". True on Si.
    virtual bool confirm(const QString& text) = 0;
    // Warning box with OK relabelled "Continua" (the default) and Cancel "Annulla".
    // True on Continua; Annulla or closing the box gives false.
    virtual bool confirmWarning(const QString& title, const QString& text) = 0;
    // Plain question with the toolkit's own captions. True on Yes.
    virtual bool ask(const QString& text) = 0;
    // The general error report: an error box with the error's text.
    virtual void reportError(const QString& text) = 0;
    // Shows a modal window (a QDialog of the user interface) and returns its result code.
    virtual int showModal(QObject& window) = 0;
    // Ends the program: the event loop returns as soon as it runs, also if it has not
    // started yet.
    virtual void endProgram() = 0;
    // True once endProgram has been called.
    virtual bool endRequested() const = 0;
};

// The interaction in use. Until one is installed, a console interaction writes every
// message to standard error, answers every question with No and throws TavornoError for a
// modal window.
Interaction& interaction();

// Installs an interaction for as long as this object lives.
class InteractionScope {
public:
    explicit InteractionScope(Interaction& installed);
    ~InteractionScope();
    InteractionScope(const InteractionScope&) = delete;
    InteractionScope& operator=(const InteractionScope&) = delete;

private:
    Interaction* previous_;
};

// Runs one user action as the general error report wants it: an error that escapes the
// action ends it, its text is shown in the error box, and the program goes on.
// Returns false when an error was reported.
bool runReportingErrors(const std::function<void()>& action);
