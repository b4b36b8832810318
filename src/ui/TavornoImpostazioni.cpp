// The main window's settings, the settings dialog, and the reference lists start-up loads.

#include "app/Settings.h"
#include "db/UnitDB.h"
#include "platform/Errors.h"
#include "platform/Interaction.h"
#include "ui/Configurazione.h"
#include "ui/Controls.h"
#include "ui/Tavorno.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScopeGuard>
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

void TFormTavorno::LeggiImpostazioni() {
    dm_.SQLConnection1.setDatabase(Settings::read(QStringLiteral("DBPath")));
    leggiCodiciECredenziali();
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

// After the settings dialog: the send setting and the database stay as read at start-up.
void TFormTavorno::RileggiImpostazioni() {
    leggiCodiciECredenziali();
    GestisciCommesseInviate =
        Settings::parseBoolean(Settings::read(QStringLiteral("CommesseGiaInviate")));
    showWhole(EditCodiceOfficina, CodiceOfficina);
}

void TFormTavorno::leggiCodiciECredenziali() {
    CodiceOfficina = Settings::read(QStringLiteral("CodiceOfficina"));
    ApiKey = Settings::read(QStringLiteral("api-key"));
    UtenteDMS = Settings::read(QStringLiteral("UtenteDMS"));
    PasswordDMS = Settings::read(QStringLiteral("PasswordDMS"));
    MarcaAutorizzata = Settings::read(QStringLiteral("MarcaAutorizzata"));
    jobOrders.setCodiceOfficina(CodiceOfficina);
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
