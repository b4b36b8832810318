#include "ui/ModalDialog.h"

#include "platform/Interaction.h"
#include "ui/Controls.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>

namespace {

QPointer<QWidget>& mainWindow() {
    static QPointer<QWidget> window;
    return window;
}

}  // namespace

void ModalDialog::setMainWindow(QWidget* window) {
    mainWindow() = window;
}

ModalDialog::ModalDialog(const QString& caption, QWidget* parent) : QDialog(parent) {
    // A single border with only the system menu: no help button, nothing to resize.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(caption);
    useWindowFont(this);
}

void ModalDialog::setClientArea(QSize size) {
    setFixedSize(size);
}

void ModalDialog::closesWith(QAbstractButton* control, int result) {
    connect(control, &QAbstractButton::clicked, this,
            [this, result] { runHandler([this, result] { closeWhenHandlerEnds(result); }); });
}

void ModalDialog::bindEscape(QPushButton* control) {
    escapeButton_ = control;
}

void ModalDialog::closeWhenHandlerEnds(int result) {
    if (runningHandlers_ == 0) {
        done(result);
        return;
    }
    pendingResult_ = result;
}

void ModalDialog::runHandler(const std::function<void()>& body) {
    {
        QScopedValueRollback running(runningHandlers_, runningHandlers_ + 1);
        runReportingErrors(body);
    }
    if (runningHandlers_ == 0 && pendingResult_) {
        const int result = *pendingResult_;
        pendingResult_.reset();
        done(result);
    }
}

void ModalDialog::done(int result) {
    bool mayClose = false;
    runReportingErrors([&] { mayClose = FormCloseQuery(); });
    if (mayClose) {
        QDialog::done(result);
    }
}

void ModalDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (escapeButton_ && escapeButton_->isEnabled()) {
            escapeButton_->click();
        }
        return;
    }
    if (pressFocusedButtonOnEnter(this, event)) {
        return;
    }
    QWidget::keyPressEvent(event);
}

void ModalDialog::setVisible(bool visible) {
    if (visible && !isVisible()) {
        centreOnMainWindow();
    }
    QDialog::setVisible(visible);
}

void ModalDialog::centreOnMainWindow() {
    QRect area;
    if (const QWidget* window = mainWindow()) {
        area = window->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) {
        move(area.center() - rect().center());
    }
}
