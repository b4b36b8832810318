#include "ui/Tavorno.h"

#include "Version.h"
#include "db/UnitDB.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QScreen>

namespace {

// Puts the rows a loader read into a list box, also when the loader stopped on an error.
void replaceItems(QComboBox* box, const RigheRiferimento& rows) {
    if (!rows.hadRows) {
        return;
    }
    const QString text = box->currentText();
    box->clear();
    box->addItems(rows.texts);
    box->setCurrentIndex(-1);
    box->setEditText(text);
}

}  // namespace

TFormTavorno::TFormTavorno(TDataModule1& dataModule, QWidget* parent)
    : QWidget(parent), dm_(dataModule), riferimenti_(dataModule) {
    setObjectName(QStringLiteral("FormTavorno"));
    setWindowTitle(QStringLiteral("Tavorno"));
    buildControls();
    setFixedSize(621, 502);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TFormTavorno::buildControls() {
    auto* layout = new QFormLayout(this);
    ComboBoxCodiceMercato = new QComboBox(this);
    ComboBoxCodiceMercato->setObjectName(QStringLiteral("ComboBoxCodiceMercato"));
    ComboBoxCodiceMercato->setEditable(true);
    layout->addRow(QStringLiteral("Codice Mercato:"), ComboBoxCodiceMercato);
    ComboBoxMarche = new QComboBox(this);
    ComboBoxMarche->setObjectName(QStringLiteral("ComboBoxMarche"));
    ComboBoxMarche->setEditable(true);
    layout->addRow(QStringLiteral("Marca:"), ComboBoxMarche);
}

QString TFormTavorno::GetVersioneProgramma() {
    return QString::asprintf("%d.%d.%d.%d", TAVORNO_VERSION_MAJOR, TAVORNO_VERSION_MINOR,
                             TAVORNO_VERSION_RELEASE, TAVORNO_VERSION_BUILD);
}

void TFormTavorno::FormCreate() {
    setWindowTitle(windowTitle() + u' ' + GetVersioneProgramma());
}

void TFormTavorno::CaricaMercati() {
    RigheRiferimento rows;
    auto apply = qScopeGuard([&] {
        MapMercati = rows.map;
        replaceItems(ComboBoxCodiceMercato, rows);
        if (rows.hadRows) {
            ComboBoxCodiceMercato->setEditText(QStringLiteral("Italia"));
        }
    });
    riferimenti_.CaricaMercati(rows);
}

void TFormTavorno::CaricaMarche() {
    RigheRiferimento rows;
    auto apply = qScopeGuard([&] {
        MapMarche = rows.map;
        replaceItems(ComboBoxMarche, rows);
    });
    riferimenti_.CaricaMarche(rows);
}

// As with the lists above, a loader stopped by a repeated code leaves the rows read before it.
void TFormTavorno::CaricaTipiIntervento() {
    RigheRiferimento rows;
    auto apply = qScopeGuard([&] { MapTipiIntervento = rows.map; });
    riferimenti_.CaricaTipiIntervento(rows);
}

void TFormTavorno::CaricaCodiciACarico() {
    RigheRiferimento rows;
    auto apply = qScopeGuard([&] { MapCodiciACarico = rows.map; });
    riferimenti_.CaricaCodiciACarico(rows);
}
