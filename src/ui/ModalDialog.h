#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QPointer>
#include <QSize>
#include <functional>
#include <optional>

class QPushButton;

// What every modal window of the program shares: a fixed client area, centred on the main
// window; handlers that run through the general error report; a result set by a handler
// that closes the window once the handler has ended; and one close query that every way of
// closing passes through: the buttons, the window frame and Escape where the window binds
// it. Escape presses nothing unless bound; Enter presses only the button that has the focus.
class ModalDialog : public QDialog {
    Q_OBJECT

public:
    // The results a window closes with.
    static constexpr int Cancel = QDialog::Rejected;
    static constexpr int Ok = QDialog::Accepted;
    static constexpr int Close = 8;

    // The window that modal windows are centred on (the program's main window).
    static void setMainWindow(QWidget* window);

    // Every way of closing ends here; the close query may refuse it.
    void done(int result) override;
    void setVisible(bool visible) override;

protected:
    explicit ModalDialog(const QString& caption, QWidget* parent = nullptr);

    // The window's fixed inner size; a window without one keeps what its layout asks for.
    void setClientArea(QSize size);

    // Runs `handler` on every emission of `signal`, as a handler of this window.
    template <typename Sender, typename Signal, typename Window>
    void connectHandler(Sender* sender, Signal signal, void (Window::*handler)()) {
        connect(sender, signal, this, [this, handler] {
            runHandler([this, handler] { (static_cast<Window*>(this)->*handler)(); });
        });
    }
    template <typename Window>
    void onClick(QAbstractButton* control, void (Window::*handler)()) {
        connectHandler(control, &QAbstractButton::clicked, handler);
    }
    // A button whose only job is to close the window with `result`.
    void closesWith(QAbstractButton* control, int result);
    // Escape presses `control`.
    void bindEscape(QPushButton* control);

    // Called in a handler: the window closes with `result` when the handler has ended, also
    // when it ended in an error, unless the close query refuses. Outside a handler the window
    // tries to close at once.
    void closeWhenHandlerEnds(int result);

    // Asked before the window closes, however the closing started. False keeps it open.
    virtual bool FormCloseQuery() { return true; }

    void keyPressEvent(QKeyEvent* event) override;

private:
    void runHandler(const std::function<void()>& body);
    void centreOnMainWindow();

    QPointer<QPushButton> escapeButton_;
    std::optional<int> pendingResult_;
    int runningHandlers_ = 0;
};
