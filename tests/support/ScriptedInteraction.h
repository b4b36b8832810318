#pragma once

#include "platform/Interaction.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

// What a test sees of one box, window or program end, in the order they happened.
struct Shown {
    QString kind;  // "message", "simple", "confirm", "warning", "question", "error", "modal", "end"
    QString title;
    QString text;

    friend bool operator==(const Shown&, const Shown&) = default;
};

void PrintTo(const Shown& shown, std::ostream* out);

// The test double of the interaction layer: installed for its lifetime, it answers the
// questions from a script, hands each modal window to the next scripted callback, and
// records everything. A question or window with nothing scripted fails the test, and so
// does an error report the test did not announce.
class ScriptedInteraction : public Interaction {
public:
    ScriptedInteraction();
    ~ScriptedInteraction() override;

    // The next answers, in order, to confirm / confirmWarning / ask. An answer that names its
    // question fails the test at once when another question takes it.
    ScriptedInteraction& answer(bool yes, const QString& question = QString());
    // The next error report is expected: with `text`, exactly that text.
    ScriptedInteraction& expectError(const QString& text = QString());

    // The next modal window must be a `Dialog`: it is shown (not run in a loop of its own)
    // and handed to `drive`, which must close it as a user would, with its buttons, its
    // keys or its frame. The window's result is what the program then receives.
    template <typename Dialog>
    ScriptedInteraction& onDialog(std::function<void(Dialog&)> drive) {
        modals_.push_back([drive = std::move(drive)](QObject& window) {
            auto* dialog = qobject_cast<Dialog*>(&window);
            if (dialog == nullptr) {
                ADD_FAILURE() << "expected the window " << Dialog::staticMetaObject.className()
                              << ", but " << window.metaObject()->className() << " came";
                return 0;
            }
            dialog->setModal(true);
            dialog->show();
            drive(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the window " << Dialog::staticMetaObject.className()
                              << " was still open when the test had done with it";
                dialog->hide();
            }
            return dialog->result();
        });
        return *this;
    }

    const std::vector<Shown>& shown() const { return shown_; }
    std::vector<QString> texts() const;
    void clear() { shown_.clear(); }
    bool ended() const { return ended_; }

    void showMessage(const QString& title, const QString& text) override;
    void showSimpleMessage(const QString& text) override;
    bool confirm(const QString& text) override;
    bool confirmWarning(const QString& title, const QString& text) override;
    bool ask(const QString& text) override;
    void reportError(const QString& text) override;
    int showModal(QObject& window) override;
    void endProgram() override;
    bool endRequested() const override { return ended_; }

private:
    struct Answer {
        bool yes;
        QString question;
    };
    bool nextAnswer(const QString& text);

    std::deque<Answer> answers_;
    std::deque<QString> expectedErrors_;
    std::deque<std::function<int(QObject&)>> modals_;
    std::vector<Shown> shown_;
    bool ended_ = false;
    InteractionScope scope_;
};
