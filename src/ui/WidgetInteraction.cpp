#include "ui/WidgetInteraction.h"

#include "platform/Errors.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Our texts use "\r\n" for a line break, as the original platform did.
QString shownText(const QString& text) {
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QWidget* dialogParent() {
    return QApplication::activeWindow();
}

}  // namespace

void WidgetInteraction::showMessage(const QString& title, const QString& text) {
    const QMessageBox::Icon icon = title == QLatin1String("Errore") ? QMessageBox::Critical
                                   : title == QLatin1String("Info") ? QMessageBox::Information
                                                                    : QMessageBox::NoIcon;
    QMessageBox box(icon, title, shownText(text), QMessageBox::Ok, dialogParent());
    box.exec();
}

void WidgetInteraction::showSimpleMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), shownText(text),
                    QMessageBox::Ok, dialogParent());
    box.exec();
}

bool WidgetInteraction::confirm(const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Domanda:"), shownText(text),
                    QMessageBox::Yes | QMessageBox::No, dialogParent());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Si"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool WidgetInteraction::confirmWarning(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, shownText(text),
                    QMessageBox::Ok | QMessageBox::Cancel, dialogParent());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Continua"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

bool WidgetInteraction::ask(const QString& text) {
    return QMessageBox::question(dialogParent(), QApplication::applicationName(),
                                 shownText(text)) == QMessageBox::Yes;
}

void WidgetInteraction::reportError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), shownText(text),
                    QMessageBox::Ok, dialogParent());
    box.exec();
}

int WidgetInteraction::showModal(QObject& window) {
    auto* dialog = qobject_cast<QDialog*>(&window);
    if (dialog == nullptr) {
        throw TavornoError(
            QStringLiteral("Finestra modale non valida: %1").arg(window.metaObject()->className()));
    }
    return dialog->exec();
}

void WidgetInteraction::endProgram() {
    ended_ = true;
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
