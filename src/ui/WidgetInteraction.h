#pragma once

#include "platform/Interaction.h"

// The interaction of the running program: Qt message boxes with our captions and button
// texts, QDialog::exec for modal windows, and a queued quit that also works before the
// event loop has started.
class WidgetInteraction : public Interaction {
public:
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
    bool ended_ = false;
};
