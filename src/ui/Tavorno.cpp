#include "ui/Tavorno.h"

#include "Version.h"
#include "app/Settings.h"
#include "db/UnitDB.h"
#include "platform/Errors.h"
#include "platform/Interaction.h"
#include "platform/Paths.h"
#include "ui/Configurazione.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <exception>

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
    : QWidget(parent),
      ListaInconvenienti(std::make_shared<TListaInconvenienti>()),
      ListaInconvenientiDB(std::make_shared<TListaInconvenienti>()),
      dm_(dataModule),
      riferimenti_(dataModule) {
    setObjectName(QStringLiteral("FormTavorno"));
    setWindowTitle(QStringLiteral("Tavorno"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    buildControls();
    connectHandlers();
    setFixedSize(621, 502);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TFormTavorno::connectHandlers() {
    const auto onClick = [this](QPushButton* button, void (TFormTavorno::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { runReportingErrors([this, handler] { (this->*handler)(); }); });
    };
    onClick(ButtonChiudi, &TFormTavorno::ButtonChiudiClick);
    onClick(ButtonConfigurazione, &TFormTavorno::ButtonConfigurazioneClick);
}

QString TFormTavorno::GetVersioneProgramma() {
    return QString::asprintf("%d.%d.%d.%d", TAVORNO_VERSION_MAJOR, TAVORNO_VERSION_MINOR,
                             TAVORNO_VERSION_RELEASE, TAVORNO_VERSION_BUILD);
}

void TFormTavorno::FormCreate() {
    setWindowTitle(windowTitle() + u' ' + GetVersioneProgramma());
    LeggiImpostazioni();
    impostaTesto(EditCodiceOfficina, CodiceOfficina);
    EditCodiceScheda->setReadOnly(true);
    ListaInconvenienti = std::make_shared<TListaInconvenienti>();
    if (!QFileInfo::exists(Paths::dmsDocument())) {
        // Without a job card the window starts empty: the VAT number comes from the
        // settings, and the job order can be stored with "Salva Commessa".
        PIvaCarr = Settings::read(QStringLiteral("Piva"));
        ButtonValorizzaIDClienteDMS->setEnabled(true);
    }
}

void TFormTavorno::LeggiImpostazioni() {
    dm_.SQLConnection1.setDatabase(Settings::read(QStringLiteral("DBPath")));
    CodiceOfficina = Settings::read(QStringLiteral("CodiceOfficina"));
    ApiKey = Settings::read(QStringLiteral("api-key"));
    UtenteDMS = Settings::read(QStringLiteral("UtenteDMS"));
    PasswordDMS = Settings::read(QStringLiteral("PasswordDMS"));
    MarcaAutorizzata = Settings::read(QStringLiteral("MarcaAutorizzata"));
    Enviroment = Settings::read(QStringLiteral("Enviroment"));
    // A flag that is no boolean text is reported and taken as false, so that the window
    // still opens on the job card.
    try {
        GestisciCommesseInviate =
            Settings::parseBoolean(Settings::read(QStringLiteral("CommesseGiaInviate")));
    } catch (const TavornoError& error) {
        GestisciCommesseInviate = false;
        interaction().reportError(error.message());
    }
}

void TFormTavorno::RileggiImpostazioni() {
    CodiceOfficina = Settings::read(QStringLiteral("CodiceOfficina"));
    ApiKey = Settings::read(QStringLiteral("api-key"));
    UtenteDMS = Settings::read(QStringLiteral("UtenteDMS"));
    PasswordDMS = Settings::read(QStringLiteral("PasswordDMS"));
    MarcaAutorizzata = Settings::read(QStringLiteral("MarcaAutorizzata"));
    GestisciCommesseInviate =
        Settings::parseBoolean(Settings::read(QStringLiteral("CommesseGiaInviate")));
    impostaTesto(EditCodiceOfficina, CodiceOfficina);
}

// Esc works as "Chiudi" wherever the focus is, unless the control uses the key itself.
void TFormTavorno::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        ButtonChiudi->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFormTavorno::ButtonChiudiClick() {
    if (interaction().ask(QStringLiteral("Vuoi davvero chiudere senza salvare la commessa?"))) {
        interaction().endProgram();
    }
}

void TFormTavorno::ButtonConfigurazioneClick() {
    hide();
    std::exception_ptr dialogError;
    try {
        TFormConfigurazione dialog(
            MapMarche, [this](const QString& nome) { return riferimenti_.getCodiceMarca(nome); },
            this);
        interaction().showModal(dialog);
    } catch (...) {
        dialogError = std::current_exception();
    }
    // However the dialog ended, the window comes back with the settings as now written.
    show();
    runReportingErrors([this] { RileggiImpostazioni(); });
    if (dialogError) {
        std::rethrow_exception(dialogError);
    }
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

void TFormTavorno::CaricaTipiIntervento() {
    RigheRiferimento rows;
    riferimenti_.CaricaTipiIntervento(rows);
    MapTipiIntervento = rows.map;
}

void TFormTavorno::CaricaCodiciACarico() {
    RigheRiferimento rows;
    riferimenti_.CaricaCodiciACarico(rows);
    MapCodiciACarico = rows.map;
}
