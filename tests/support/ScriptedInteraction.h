#pragma once

#include "platform/Interaction.h"
#include "support/QtPrinters.h"

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
// records everything. A question or window with nothing scripted fails the test.
class ScriptedInteraction : public Interaction {
public:
    ScriptedInteraction();
    ~ScriptedInteraction() override;

    // The next answers, in order, to confirm / confirmWarning / ask.
    ScriptedInteraction& answer(bool yes);
    // The next modal window: the callback drives it and returns its result code.
    ScriptedInteraction& onModal(std::function<int(QObject&)> handler);

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
    bool nextAnswer(const QString& text);

    std::deque<bool> answers_;
    std::deque<std::function<int(QObject&)>> modals_;
    std::vector<Shown> shown_;
    bool ended_ = false;
    InteractionScope scope_;
};
