// The floor of the start-up benchmark: a bare Qt window with one label, built the way the
// main window builds its labels (in a layout, in a window of the main window's fixed size)
// and with the same compiler, flags and Qt; nothing else.

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("Finestra nuda"));
    auto* colonna = new QVBoxLayout(&finestra);
    colonna->addWidget(new QLabel(QStringLiteral("Tavorno")));
    finestra.setFixedSize(621, 502);
    finestra.show();
    return QApplication::exec();
}
