// The main window's creation, the job card it opens on, and showing a stored job order.

#include "ui/Tavorno.h"

#include "Version.h"
#include "app/Settings.h"
#include "dms/DocumentoDMS.h"
#include "dms/TestataScheda.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "platform/Interaction.h"
#include "platform/Paths.h"
#include "ui/Controls.h"
#include "ui/ModalDialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

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
    ModalDialog::setMainWindow(this);
}

void TFormTavorno::connectHandlers() {
    const auto handle = [this](QPushButton* control, void (TFormTavorno::*handler)()) {
        onClick(control, this, [this, handler] { (this->*handler)(); });
    };
    handle(ButtonChiudi, &TFormTavorno::ButtonChiudiClick);
    handle(ButtonConfigurazione, &TFormTavorno::ButtonConfigurazioneClick);
    handle(ButtonSalvaDatiCommessa, &TFormTavorno::ButtonSalvaDatiCommessaClick);
    handle(ButtonValorizzaIDClienteDMS, &TFormTavorno::ButtonValorizzaIDClienteDMSClick);
    handle(ButtonGeneraXMLOdierno, &TFormTavorno::ButtonGeneraXMLOdiernoClick);
    handle(ButtonPrivacyCliente, &TFormTavorno::ButtonPrivacyClienteClick);
    handle(ButtonCercaCommessePerData, &TFormTavorno::ButtonCercaCommessePerDataClick);
    handle(ButtonAggiungiInconveniente, &TFormTavorno::ButtonAggiungiInconvenienteClick);
    handle(ButtonModificaInconveniente, &TFormTavorno::ButtonModificaInconvenienteClick);
    handle(ButtonRimuoviInconveniente, &TFormTavorno::ButtonRimuoviInconvenienteClick);
    // A click, also on the line already selected, or a selection made with the keys: the
    // buttons then act on the complaint of the line the user sees selected.
    const auto changeSelection = [this] { runReportingErrors([this] { ChangeSelection(); }); };
    connect(ListBoxInconvenienti, &QListWidget::itemClicked, this, changeSelection);
    connect(ListBoxInconvenienti, &QListWidget::itemSelectionChanged, this, changeSelection);
}

QString TFormTavorno::GetVersioneProgramma() {
    return QString::asprintf("%d.%d.%d.%d", TAVORNO_VERSION_MAJOR, TAVORNO_VERSION_MINOR,
                             TAVORNO_VERSION_RELEASE, TAVORNO_VERSION_BUILD);
}

void TFormTavorno::FormCreate() {
    setWindowTitle(windowTitle() + u' ' + GetVersioneProgramma());
    LeggiImpostazioni();
    showWhole(EditCodiceOfficina, CodiceOfficina);
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
        showWhole(EditCodiceScheda, *lettura.EditCodiceScheda);
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
            showWhole(campo, *valore);
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
    showWhole(EditCodiceScheda, jobOrders.GetCodiceSchedaFromId(commessa.FIdScheda));
    CommessaSelezionata = commessa;
    ListaInconvenienti->RemoveAll();
    ListBoxInconvenienti->clear();
    showWhole(EditIDCommessaDMS, commessa.FIDCommessaDMS);
    ComboBoxCodiceMercato->setEditText(MapMercati.value(commessa.FCodiceMercato));
    ClienteSelezionato = jobOrders.getClienteFromDB(commessa.FIdCliente);
    showWhole(EditIDClienteDMS, ClienteSelezionato.FIdCliente);
    showWhole(EditDescrizioneCommessa, commessa.FDescrizioneCommessa);
    selezionaTipoCliente(getTipoClienteFromCodiceCliente(ClienteSelezionato.FTipoCliente));
    showWhole(EditCFPIVA, ClienteSelezionato.FCodiceFiscale);
    showWhole(EditRagioneSociale, ClienteSelezionato.FRagioneSociale);
    VeicoloSelezionato = jobOrders.getVeicoloFromDB(commessa.FIdVeicolo);
    showWhole(EditTarga, VeicoloSelezionato.FTarga);
    ComboBoxMarche->setCurrentIndex(-1);
    ComboBoxMarche->setEditText(riferimenti_.getNomeMarca(VeicoloSelezionato.FCodiceMarca));
    showWhole(EditMVS, VeicoloSelezionato.FMVS);
    showWhole(EditTelaio, VeicoloSelezionato.FTelaio);
    ricaricaInconvenienti();
}

// Esc works as "Chiudi" wherever the focus is, unless the control uses the key itself;
// Enter presses the focused button.
void TFormTavorno::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        ButtonChiudi->click();
        return;
    }
    if (pressFocusedButtonOnEnter(this, event)) {
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFormTavorno::closeEvent(QCloseEvent* event) {
    event->accept();
    interaction().endProgram();
}

void TFormTavorno::ButtonChiudiClick() {
    if (interaction().ask(QStringLiteral("Vuoi davvero chiudere senza salvare la commessa?"))) {
        interaction().endProgram();
    }
}

