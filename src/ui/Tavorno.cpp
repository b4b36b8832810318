#include "ui/Tavorno.h"

#include "Version.h"
#include "app/ArchivioEsportazione.h"
#include "app/Settings.h"
#include "db/UnitDB.h"
#include "dms/DocumentoDMS.h"
#include "dms/TestataScheda.h"
#include "export/GeneraXMLEInvia.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "platform/Interaction.h"
#include "platform/Paths.h"
#include "ui/Configurazione.h"

#include <QComboBox>
#include <QDate>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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
      complaints(dataModule),
      jobOrders(dataModule, complaints),
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
    onClick(ButtonSalvaDatiCommessa, &TFormTavorno::ButtonSalvaDatiCommessaClick);
    onClick(ButtonValorizzaIDClienteDMS, &TFormTavorno::ButtonValorizzaIDClienteDMSClick);
    onClick(ButtonGeneraXMLOdierno, &TFormTavorno::ButtonGeneraXMLOdiernoClick);
}

QString TFormTavorno::GetVersioneProgramma() {
    return QString::asprintf("%d.%d.%d.%d", TAVORNO_VERSION_MAJOR, TAVORNO_VERSION_MINOR,
                             TAVORNO_VERSION_RELEASE, TAVORNO_VERSION_BUILD);
}

void TFormTavorno::FormCreate() {
    setWindowTitle(windowTitle() + u' ' + GetVersioneProgramma());
    LeggiImpostazioni();
    impostaTesto(EditCodiceOfficina, CodiceOfficina);
    OpzioniLetturaDMS opzioni;
    opzioni.esisteScheda = [this](const QString& codice) { return jobOrders.EsisteScheda(codice); };
    applicaDocumentoDMS(leggiDocumentoDMS(IniFile(Paths::dmsDocument()), opzioni));
}

// What the job card document gives goes into the window; a reading that stopped on an
// error is applied as far as it went, and the error then ends the window's creation.
void TFormTavorno::applicaDocumentoDMS(const LetturaDocumentoDMS& lettura) {
    ListaOperazioniDisponibili = lettura.ListaOperazioniDisponibili;
    ListaRicambiDisponibili = lettura.ListaRicambiDisponibili;
    if (!lettura.documentoPresente) {
        // Without a job card the window starts empty: the VAT number comes from the
        // settings, and the job order can be stored with "Salva Commessa".
        PIvaCarr = Settings::read(QStringLiteral("Piva"));
        ButtonValorizzaIDClienteDMS->setEnabled(true);
        return;
    }
    // A document that could not be read gives no VAT number; the uploader still needs one.
    PIvaCarr = lettura.PIvaCarr ? *lettura.PIvaCarr : Settings::read(QStringLiteral("Piva"));
    if (lettura.EditCodiceScheda) {
        impostaTesto(EditCodiceScheda, *lettura.EditCodiceScheda);
    }
    if (lettura.schedaMemorizzata == true) {
        LabelMarcaModelloVeicolo->setText(lettura.LabelMarcaModelloVeicolo.value_or(QString()));
        OperazioneDiModificaCommessa = true;
        ButtonSalvaDatiCommessa->setEnabled(true);
        CommessaSelezionata = jobOrders.getCommessaFromIdScheda(
            jobOrders.GetIdSchedaFromScheda(EditCodiceScheda->text()));
        MostraCommessa(CommessaSelezionata);
        avvisaSeCommessaInviata();
    } else if (lettura.schedaMemorizzata == false) {
        OperazioneDiModificaCommessa = false;
        ButtonSalvaDatiCommessa->setEnabled(false);
        mostraNuovaScheda(lettura);
    }
    if (lettura.errore) {
        throw TavornoError(*lettura.errore);
    }
}

void TFormTavorno::mostraNuovaScheda(const LetturaDocumentoDMS& lettura) {
    const std::pair<QLineEdit*, const std::optional<QString>&> campi[] = {
        {EditRagioneSociale, lettura.EditRagioneSociale},
        {EditCFPIVA, lettura.EditCFPIVA},
        {EditTarga, lettura.EditTarga},
        {EditTelaio, lettura.EditTelaio},
        {EditIDClienteDMS, lettura.EditIDClienteDMS}};
    for (const auto& [campo, valore] : campi) {
        if (valore) {
            impostaTesto(campo, *valore);
        }
    }
    if (lettura.LabelMarcaModelloVeicolo) {
        LabelMarcaModelloVeicolo->setText(*lettura.LabelMarcaModelloVeicolo);
    }
    if (lettura.ComboBoxMarche) {
        ComboBoxMarche->setEditText(*lettura.ComboBoxMarche);
    }
    if (lettura.ComboBoxTipoCliente) {
        selezionaTipoCliente(*lettura.ComboBoxTipoCliente);
    }
    if (lettura.ButtonValorizzaIDClienteDMS) {
        ButtonValorizzaIDClienteDMS->setEnabled(*lettura.ButtonValorizzaIDClienteDMS);
    }
    if (lettura.ClienteSelezionato) {
        ClienteSelezionato = *lettura.ClienteSelezionato;
    }
}

// Continua opens the window on the sent job order; any other answer ends the program.
void TFormTavorno::avvisaSeCommessaInviata() {
    if (GestisciCommesseInviate || !jobOrders.IsCommessaSent(CommessaSelezionata.FIDCommessaDMS)) {
        return;
    }
    if (!interaction().confirmWarning(QStringLiteral("Attenzione"),
                                      QStringLiteral("Questa Commessa risulta già inviata, e "
                                                     "alcune operazioni potrebbero essere "
                                                     "disabilitate."))) {
        interaction().endProgram();
    }
}

void TFormTavorno::selezionaTipoCliente(int item) {
    ComboBoxTipoCliente->setCurrentIndex(item);
    if (item < 0) {
        ComboBoxTipoCliente->setEditText(QString());
    }
}

void TFormTavorno::MostraCommessa(const TCommessa& commessa) {
    impostaTesto(EditCodiceScheda, jobOrders.GetCodiceSchedaFromId(commessa.FIdScheda));
    CommessaSelezionata = commessa;
    ListaInconvenienti->RemoveAll();
    ListBoxInconvenienti->clear();
    impostaTesto(EditIDCommessaDMS, commessa.FIDCommessaDMS);
    ComboBoxCodiceMercato->setEditText(MapMercati.value(commessa.FCodiceMercato));
    ClienteSelezionato = jobOrders.getClienteFromDB(commessa.FIdCliente);
    impostaTesto(EditIDClienteDMS, ClienteSelezionato.FIdCliente);
    impostaTesto(EditDescrizioneCommessa, commessa.FDescrizioneCommessa);
    selezionaTipoCliente(getTipoClienteFromCodiceCliente(ClienteSelezionato.FTipoCliente));
    impostaTesto(EditCFPIVA, ClienteSelezionato.FCodiceFiscale);
    impostaTesto(EditRagioneSociale, ClienteSelezionato.FRagioneSociale);
    VeicoloSelezionato = jobOrders.getVeicoloFromDB(commessa.FIdVeicolo);
    impostaTesto(EditTarga, VeicoloSelezionato.FTarga);
    ComboBoxMarche->setCurrentIndex(-1);
    ComboBoxMarche->setEditText(riferimenti_.getNomeMarca(VeicoloSelezionato.FCodiceMarca));
    impostaTesto(EditMVS, VeicoloSelezionato.FMVS);
    impostaTesto(EditTelaio, VeicoloSelezionato.FTelaio);
    ListaInconvenientiDB = complaints.getListaInconvenientiFromDB(CommessaSelezionata);
    for (const TInconveniente& inconveniente : *ListaInconvenientiDB) {
        ListBoxInconvenienti->addItem(inconveniente.FDescrizione);
        ListaInconvenienti->Add(inconveniente);
    }
}

void TFormTavorno::ButtonGeneraXMLOdiernoClick() {
    if (!interaction().confirm(QStringLiteral(
            "Verranno generate e spedite TUTTE le Commesse create oggi.\r\nVuoi continuare?"))) {
        return;
    }
    const QDate oggi = QDate::currentDate();
    GeneraXMLEInvia(jobOrders.getListaCommesseFromDB(
        QString::number(oggi.year()), QString::number(oggi.month()), QString::number(oggi.day())));
}

void TFormTavorno::GeneraXMLEInvia(const TListaCommesse& ListaCommesseDaGenerare) {
    ArchivioEsportazione archivio(jobOrders);
    const UploaderSettings impostazioni{Enviroment,  PIvaCarr,         ApiKey,        UtenteDMS,
                                        PasswordDMS, MarcaAutorizzata, CodiceOfficina};
    ::GeneraXMLEInvia(ListaCommesseDaGenerare, archivio, impostazioni);
}

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
    impostaTesto(EditCodiceOfficina, CodiceOfficina);
}

void TFormTavorno::leggiCodiciECredenziali() {
    CodiceOfficina = Settings::read(QStringLiteral("CodiceOfficina"));
    ApiKey = Settings::read(QStringLiteral("api-key"));
    UtenteDMS = Settings::read(QStringLiteral("UtenteDMS"));
    PasswordDMS = Settings::read(QStringLiteral("PasswordDMS"));
    MarcaAutorizzata = Settings::read(QStringLiteral("MarcaAutorizzata"));
    jobOrders.setCodiceOfficina(CodiceOfficina);
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
