#pragma once

#include "app/Startup.h"
#include "db/ComplaintStore.h"
#include "db/JobOrderStore.h"
#include "db/ReferenceTables.h"
#include "model/ClassCliente.h"
#include "model/ClassCommessa.h"
#include "model/ClassInconveniente.h"
#include "model/ClassListaOperazioni.h"
#include "model/ClassListaRicambi.h"
#include "model/ClassVeicolo.h"
#include "ui/CodeComboBox.h"

#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class TDataModule1;
struct LetturaDocumentoDMS;

// The main window: one job order at a time, new or stored. Closing it ends the program.
class TFormTavorno : public QWidget, public CaricatoriRiferimento {
    Q_OBJECT

public:
    explicit TFormTavorno(TDataModule1& dataModule, QWidget* parent = nullptr);

    // The stores every action of the window works through.
    ComplaintStore complaints;
    JobOrderStore jobOrders;

    // The window's own set-up, run by start-up right after construction. An error ends it
    // at that point and reaches the general error report.
    void FormCreate();

    static QString GetVersioneProgramma();

    void CaricaMercati() override;
    void CaricaMarche() override;
    void CaricaTipiIntervento() override;
    void CaricaCodiciACarico() override;

    // Shows a stored job order: header, customer, vehicle and complaints from the store.
    void MostraCommessa(const TCommessa& commessa);

    void ButtonChiudiClick();
    void ButtonConfigurazioneClick();
    void ButtonSalvaDatiCommessaClick();
    void ButtonValorizzaIDClienteDMSClick();
    void ButtonGeneraXMLOdiernoClick();
    void ButtonPrivacyClienteClick();
    void ButtonCercaCommessePerDataClick();
    void ButtonAggiungiInconvenienteClick();
    void ButtonModificaInconvenienteClick();
    void ButtonRimuoviInconvenienteClick();
    void ChangeSelection();

    // The intervention types and the charge codes as the complaint editor and its dialogs
    // choose them: the names of the maps, and the lookup of a name's code in the database.
    CodeDictionary dizionarioTipiIntervento();
    CodeDictionary dizionarioCodiciACarico();

    // The window's checks; each failing group shows its message. True when all pass.
    bool VerificaDatiCommessa(bool descrizioneRichiesta);
    // Overwrites the stored job order's description and its customer with the window's.
    void SovrascriviCommessa();
    // Exports the job orders of the list and offers to send the file.
    void GeneraXMLEInvia(const TListaCommesse& ListaCommesseDaGenerare);

    // What the window works on.
    TCommessa CommessaSelezionata;
    TCliente ClienteSelezionato;
    TVeicolo VeicoloSelezionato;
    MappaCodici MapMercati;
    MappaCodici MapMarche;
    MappaCodici MapTipiIntervento;
    MappaCodici MapCodiciACarico;
    TListaOperazioni ListaOperazioniDisponibili;
    TListaRicambi ListaRicambiDisponibili;
    std::shared_ptr<TListaInconvenienti> ListaInconvenienti;
    std::shared_ptr<TListaInconvenienti> ListaInconvenientiDB;
    TInconveniente InconvenienteSelezionato;
    bool OperazioneDiModificaCommessa = false;
    bool GestisciCommesseInviate = false;

    // The settings the window keeps from its creation on.
    QString CodiceOfficina;
    QString ApiKey;
    QString UtenteDMS;
    QString PasswordDMS;
    QString MarcaAutorizzata;
    QString Enviroment;
    QString PIvaCarr;

    // Header.
    QLineEdit* EditDescrizioneCommessa = nullptr;
    QPushButton* ButtonConfigurazione = nullptr;
    QLineEdit* EditIDCommessaDMS = nullptr;
    QLineEdit* EditCodiceScheda = nullptr;
    QLineEdit* EditCodiceOfficina = nullptr;
    QComboBox* ComboBoxCodiceMercato = nullptr;
    QPushButton* ButtonCercaCommessePerData = nullptr;
    // Pages.
    QTabWidget* PageControlCommessa = nullptr;
    QWidget* Veicolo = nullptr;
    QWidget* Inconvenienti = nullptr;
    // Customer.
    QLineEdit* EditRagioneSociale = nullptr;
    QComboBox* ComboBoxTipoCliente = nullptr;
    QLineEdit* EditCFPIVA = nullptr;
    QLineEdit* EditIDClienteDMS = nullptr;
    QPushButton* ButtonValorizzaIDClienteDMS = nullptr;
    QPushButton* ButtonPrivacyCliente = nullptr;
    // Vehicle.
    QLabel* LabelMarcaModelloVeicolo = nullptr;
    QLineEdit* EditTarga = nullptr;
    QComboBox* ComboBoxMarche = nullptr;
    QLineEdit* EditMVS = nullptr;
    QLineEdit* EditTelaio = nullptr;
    // Complaints.
    QListWidget* ListBoxInconvenienti = nullptr;
    QPushButton* ButtonAggiungiInconveniente = nullptr;
    QPushButton* ButtonModificaInconveniente = nullptr;
    QPushButton* ButtonRimuoviInconveniente = nullptr;
    // Bottom bar.
    QPushButton* ButtonChiudi = nullptr;
    QPushButton* ButtonGeneraXMLOdierno = nullptr;
    QPushButton* ButtonSalvaDatiCommessa = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Closing the window by its frame ends the program without a question.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    QWidget* buildHeader();
    QWidget* buildVehicleCustomerPage();
    QWidget* buildComplaintsPage();
    QWidget* buildBottomBar();
    void setTabOrder();
    void connectHandlers();

    void LeggiImpostazioni();
    void RileggiImpostazioni();
    void leggiCodiciECredenziali();
    void applicaDocumentoDMS(const LetturaDocumentoDMS& lettura);
    void mostraNuovaScheda(const LetturaDocumentoDMS& lettura);
    void avvisaSeCommessaInviata();
    void selezionaTipoCliente(int item);

    void salvaNuovaCommessa();
    void salvaCommessaMemorizzata();
    // Stores the new job order the window shows, with the vehicle of `targa`, all or nothing;
    // then the window edits it.
    void memorizzaNuovaCommessa(const QString& targa);
    QString codiceTipoCliente() const;
    TCliente clienteDallaFinestra() const;
    // The job order the window shows, not yet stored: no ids, not sent.
    TCommessa commessaDallaFinestra();
    TVeicolo veicoloDallaFinestra(const QString& targa);

    // Opens the complaint editor; true when its last Conferma passed the checks.
    bool apriGestioneInconveniente(const TCommessa& commessa, bool modifica,
                                   const TInconveniente& inconveniente);
    // The complaints of the current job order from the store, as lines with none selected.
    void ricaricaInconvenienti();

    TDataModule1& dm_;
    ReferenceTables riferimenti_;
};
