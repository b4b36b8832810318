#include "ui/GestioneInconveniente.h"

#include "platform/Errors.h"
#include "platform/Interaction.h"
#include "ui/AggiungiOperazione.h"
#include "ui/AggiungiRicambio.h"
#include "ui/Controls.h"
#include "ui/EntryDialogFacts.h"
#include "ui/ModificaOperazione.h"
#include "ui/ModificaRicambio.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <type_traits>

namespace {

struct Messaggio {
    QString titolo;
    QString testo;
};

// What differs between the operations half of the window and the parts half.
struct MetaLista {
    const char* pannello;
    Named titolo;
    const char* lista;
    const char* gestione;
    const char* rimuovi;
    const char* modifica;
    const char* aggiungi;
    const char* sposta;
    const char* su;
    const char* giu;  // UTF-8: "Giù"
    Messaggio selezionaPerModificare;
    Messaggio selezionaPerEliminare;
    QString domandaEliminazione;
    // After a change, each description of the list in a message box of its own.
    bool elencaDopoModifica;
};

// clang-format off
const ForKinds<MetaLista> kMetaListe{
    {"PanelOperazioni", {"LabelOperazioni", QStringLiteral("OPERAZIONI dell'Inconveniente")},
     "ListBoxOperazioniInconveniente", "PanelGestioneOperazioni",
     "ButtonRimuoviOperazione", "ButtonModificaOperazione", "ButtonAggiungiOperazione",
     "PanelSpostaOperazioni", "ButtonSpostaOperazioneSu", "ButtonSpostaOperazioneGiù",
     {QStringLiteral("Info"), QStringLiteral("Devi selezionare un'Operazione da modificare.")},
     {QStringLiteral("Info"), QStringLiteral("Devi selezionare un'Operazione da eliminare.")},
     QStringLiteral("Quest'Operazione verrà eliminata dal Database e non sarà possibile "
                    "recuperarla.\r\nVuoi continuare?"),
     true},
    {"PanelRicambi", {"LabelRicambi", QStringLiteral("RICAMBI dell'Inconveniente")},
     "ListBoxRicambiInconveniente", "PanelGestioneRicambi",
     "ButtonRimuoviRicambio", "ButtonModificaRicambio", "ButtonAggiungiRicambio",
     "PanelSpostaRicambi", "ButtonSpostaRicambioSu", "ButtonSpostaRicambioGiù",
     {QStringLiteral("Info"), QStringLiteral("Devi selezionare un Ricambio da modificare.")},
     {QStringLiteral("Errore"), QStringLiteral("Devi selezionare un Ricambio da eliminare.")},
     QStringLiteral("Questo Ricambio verrà eliminato dal Database e non sarà possibile "
                    "recuperarlo.\r\nVuoi continuare?"),
     false}};
// clang-format on

const QString kDomandaModifica = QStringLiteral(
    "Verranno salvate tutte le modifiche apportate a questo Inconveniente\r\ne a tutte le "
    "Operazioni/Ricambi. Vuoi continuare?");
const QString kDomandaNuovo = QStringLiteral("Vuoi davvero aggiungere questo Inconveniente?");
const QString kUscitaModifica = QStringLiteral(
    "Sei sicuro di voler uscire senza applicare alcuna modifica\r\na questo inconveniente?");
const QString kUscitaNuovo = QStringLiteral(
    "Sei sicuro di voler uscire senza salvare questo inconveniente?\r\nTutte le informazioni "
    "inserite andranno perse.");

constexpr int kNomeMassimo = 50;

template <typename Record>
struct Dialoghi {
    using Scelta =
        std::conditional_t<IsOperation<Record>, TFormAggiungiOperazione, TFormAggiungiRicambio>;
    using Modifica =
        std::conditional_t<IsOperation<Record>, TFormModificaOperazione, TFormModificaRicambio>;
};

void mostra(const Messaggio& messaggio) {
    interaction().showMessage(messaggio.titolo, messaggio.testo);
}

void eliminaDalDB(ComplaintStore& store, const TOperazione& operazione) {
    store.EliminaOperazioneDalDB(operazione);
}

void eliminaDalDB(ComplaintStore& store, const TRicambio& ricambio) {
    store.EliminaRicambioDalDB(ricambio);
}

// The code of the name chosen in the box; a name the reference table no longer holds
// cannot be saved.
QChar codiceScelto(const CodeComboBox* box, const QString& cosa) {
    const QChar codice = box->chosenCode();
    if (codice.isNull()) {
        throw TavornoError(
            QStringLiteral("%1 \"%2\" non è presente nel database: inconveniente non salvato.")
                .arg(cosa, box->currentText()));
    }
    return codice;
}

}  // namespace

TFormGestioneInconveniente::TFormGestioneInconveniente(
    QWidget* AOwner, ComplaintStore& store, const TCommessa& Commessa, bool ModificaInconveniente,
    const CodeDictionary& MapInconvenienceType, const CodeDictionary& MapChargeable,
    TListaOperazioni& OperationsList, TListaRicambi& PartsList, const TInconveniente& Inconvenience)
    : ModalDialog(QStringLiteral("Gestione Inconveniente"), AOwner),
      store_(store),
      Commessa(Commessa),
      ModificaInconveniente(ModificaInconveniente),
      FInconveniente(Inconvenience),
      MapTipiIntervento(MapInconvenienceType),
      MapCodiciACarico(MapChargeable),
      ListaOperazioniDisponibili(OperationsList),
      ListaRicambiDisponibili(PartsList) {
    setObjectName(QStringLiteral("FormGestioneInconveniente"));
    buildControls();
    connectHandlers();
    setClientArea(QSize(605, 412));
    FormCreate();
}

void TFormGestioneInconveniente::buildControls() {
    EditNomeInconveniente = lineEdit("EditNomeInconveniente");
    ComboBoxTipoInconveniente = new CodeComboBox("ComboBoxTipoInconveniente", MapTipiIntervento);
    ComboBoxCodiceACaricoInconveniente =
        new CodeComboBox("ComboBoxCodiceACaricoInconveniente", MapCodiciACarico);
    ButtonChiudi = button("ButtonChiudi", QStringLiteral("Chiudi"));
    ButtonConferma = button("ButtonConferma", QStringLiteral("Conferma"));

    auto* campi = new QGridLayout;
    campi->addWidget(
        named(fieldLabel(QStringLiteral("Nome Inconveniente:"), EditNomeInconveniente), "Label1"),
        0, 0);
    campi->addWidget(EditNomeInconveniente, 0, 1, 1, 3);
    campi->addWidget(
        named(fieldLabel(QStringLiteral("Tipologia:"), ComboBoxTipoInconveniente), "Label3"), 1, 0);
    campi->addWidget(ComboBoxTipoInconveniente, 1, 1);
    campi->addWidget(
        named(fieldLabel(QStringLiteral("Codice a Carico:"), ComboBoxCodiceACaricoInconveniente),
              "Label2"),
        1, 2, Qt::AlignRight);
    campi->addWidget(ComboBoxCodiceACaricoInconveniente, 1, 3);
    campi->setColumnStretch(1, 1);
    campi->setColumnStretch(3, 1);

    auto* meta = new QHBoxLayout;
    meta->setSpacing(6);
    meta->addWidget(
        buildEntryHalf(EntryKind::Operation, ListBoxOperazioniInconveniente,
                       ButtonRimuoviOperazione, ButtonModificaOperazione, ButtonAggiungiOperazione,
                       ButtonSpostaOperazioneSu, ButtonSpostaOperazioneGiu),
        1);
    meta->addWidget(verticalRule("PanelSeparatorCenter"));
    meta->addWidget(
        buildEntryHalf(EntryKind::Part, ListBoxRicambiInconveniente, ButtonRimuoviRicambio,
                       ButtonModificaRicambio, ButtonAggiungiRicambio, ButtonSpostaRicambioSu,
                       ButtonSpostaRicambioGiu),
        1);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(ButtonChiudi);
    pulsanti->addStretch();
    pulsanti->addWidget(ButtonConferma);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addLayout(campi);
    layout->addWidget(horizontalRule("PanelSeparatorTop"));
    layout->addLayout(meta, 1);
    layout->addLayout(pulsanti);

    chainTabOrder({EditNomeInconveniente, ComboBoxTipoInconveniente,
                   ComboBoxCodiceACaricoInconveniente, ListBoxOperazioniInconveniente,
                   ButtonRimuoviOperazione, ButtonModificaOperazione, ButtonAggiungiOperazione,
                   ListBoxRicambiInconveniente, ButtonRimuoviRicambio, ButtonModificaRicambio,
                   ButtonAggiungiRicambio, ButtonChiudi, ButtonConferma});
}

// One half: the title and the list, the three buttons under it, and at its right edge the
// two arrows, which stay disabled.
QWidget* TFormGestioneInconveniente::buildEntryHalf(EntryKind kind, QListWidget*& list,
                                                    QPushButton*& remove, QPushButton*& change,
                                                    QPushButton*& add, QPushButton*& up,
                                                    QPushButton*& down) {
    const MetaLista& facts = kMetaListe(kind);
    auto* titolo = named(new QLabel(facts.titolo.text), facts.titolo.name);
    titolo->setAlignment(Qt::AlignCenter);
    list = named(new QListWidget, facts.lista);
    list->setAccessibleName(facts.titolo.text);
    remove = button(facts.rimuovi, QStringLiteral("Rimuovi"));
    change = button(facts.modifica, QStringLiteral("Modifica..."));
    add = button(facts.aggiungi, QStringLiteral("Aggiungi..."));

    // The arrows move nothing: they stay disabled.
    const auto freccia = [](const char* nome, const QString& testo) {
        QPushButton* pulsante = button("", testo);
        pulsante->setObjectName(QString::fromUtf8(nome));
        QFont font(QStringLiteral("Times New Roman"));
        font.setPixelSize(20);
        pulsante->setFont(font);
        pulsante->setFixedWidth(26);
        pulsante->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        pulsante->setEnabled(false);
        return pulsante;
    };
    up = freccia(facts.su, QStringLiteral("↑"));
    down = freccia(facts.giu, QStringLiteral("↓"));
    auto* sposta = named(new QWidget, facts.sposta);
    auto* frecce = new QVBoxLayout(sposta);
    frecce->setContentsMargins(0, 0, 0, 0);
    frecce->setSpacing(2);
    frecce->addWidget(up, 1);
    frecce->addWidget(down, 1);

    auto* gestione = named(new QWidget, facts.gestione);
    auto* riga = new QHBoxLayout(gestione);
    riga->setContentsMargins(0, 0, 0, 0);
    riga->addWidget(remove);
    riga->addWidget(change);
    riga->addWidget(add);

    auto* pannello = named(new QWidget, facts.pannello);
    pannello->setMinimumHeight(300);
    auto* griglia = new QGridLayout(pannello);
    griglia->setContentsMargins(0, 0, 0, 0);
    griglia->setSpacing(4);
    griglia->addWidget(titolo, 0, 0);
    griglia->addWidget(list, 1, 0);
    griglia->addWidget(sposta, 1, 1);
    griglia->addWidget(gestione, 2, 0, 1, 2);
    griglia->setRowStretch(1, 1);
    return pannello;
}

void TFormGestioneInconveniente::connectHandlers() {
    using Form = TFormGestioneInconveniente;
    // A click, also on the line already selected, or a selection made with the keys.
    for (auto [lista, gestore] :
         {std::pair{ListBoxOperazioniInconveniente, &Form::ChangeSelectionOperazioni},
          std::pair{ListBoxRicambiInconveniente, &Form::ChangeSelectionRicambi}}) {
        connectHandler(lista, &QListWidget::itemClicked, gestore);
        connectHandler(lista, &QListWidget::itemSelectionChanged, gestore);
    }
    onClick(ButtonAggiungiOperazione, &Form::ButtonAggiungiOperazioneClick);
    onClick(ButtonAggiungiRicambio, &Form::ButtonAggiungiRicambioClick);
    onClick(ButtonModificaOperazione, &Form::ButtonModificaOperazioneClick);
    onClick(ButtonModificaRicambio, &Form::ButtonModificaRicambioClick);
    onClick(ButtonRimuoviOperazione, &Form::ButtonRimuoviOperazioneClick);
    onClick(ButtonRimuoviRicambio, &Form::ButtonRimuoviRicambioClick);
    onClick(ButtonConferma, &Form::ButtonConfermaClick);
    closesWith(ButtonChiudi, Close);
}

void TFormGestioneInconveniente::FormCreate() {
    if (!ModificaInconveniente) {
        ListaOperazioniScelte = std::make_shared<TListaOperazioni>();
        ListaRicambiScelti = std::make_shared<TListaRicambi>();
        FInconvenienteValido = false;
        return;
    }
    // A record without lists gets new ones, which its copies here then share.
    if (!FInconveniente.FListaOperazioni) {
        FInconveniente.FListaOperazioni = std::make_shared<TListaOperazioni>();
    }
    if (!FInconveniente.FListaRicambi) {
        FInconveniente.FListaRicambi = std::make_shared<TListaRicambi>();
    }
    ListaOperazioniScelte = FInconveniente.FListaOperazioni;
    ListaRicambiScelti = FInconveniente.FListaRicambi;
    mostraScelte<TOperazione>();
    mostraScelte<TRicambio>();
    showWhole(EditNomeInconveniente, FInconveniente.FDescrizione);
    ComboBoxTipoInconveniente->chooseCode(FInconveniente.FTipoIntervento);
    ComboBoxCodiceACaricoInconveniente->chooseCode(FInconveniente.FCodiceACarico);
}

template <typename Record>
TypedList<Record>& TFormGestioneInconveniente::scelte() {
    if constexpr (IsOperation<Record>) {
        return *ListaOperazioniScelte;
    } else {
        return *ListaRicambiScelti;
    }
}

template <typename Record>
TypedList<Record>& TFormGestioneInconveniente::disponibili() {
    if constexpr (IsOperation<Record>) {
        return ListaOperazioniDisponibili;
    } else {
        return ListaRicambiDisponibili;
    }
}

template <typename Record>
Record& TFormGestioneInconveniente::selezionato() {
    if constexpr (IsOperation<Record>) {
        return OperazioneSelezionata;
    } else {
        return RicambioSelezionato;
    }
}

template <typename Record>
QListWidget* TFormGestioneInconveniente::listBox() const {
    return IsOperation<Record> ? ListBoxOperazioniInconveniente : ListBoxRicambiInconveniente;
}

// One line per entry, also for an entry without a description, so that a line's position
// is always its entry's.
template <typename Record>
void TFormGestioneInconveniente::mostraScelte() {
    for (const Record& voce : scelte<Record>()) {
        listBox<Record>()->addItem(entryOf(voce).description);
    }
}

template <typename Record>
void TFormGestioneInconveniente::selezione() {
    const int riga = selectedRow(listBox<Record>());
    if (riga < 0) {
        return;
    }
    if (const std::optional<Record> voce = scelte<Record>().Get(riga)) {
        selezionato<Record>() = *voce;
    }
}

template <typename Record>
void TFormGestioneInconveniente::aggiungi() {
    typename Dialoghi<Record>::Scelta dialog(this, MapCodiciACarico, disponibili<Record>());
    if constexpr (IsOperation<Record>) {
        dialog.setListaRicDisp(ListaRicambiDisponibili);
    } else {
        dialog.setListaOpDisp(ListaOperazioniDisponibili);
    }
    interaction().showModal(dialog);
    // Cancelled, the dialog may still have made an entry or moved one to the other list.
    const int indice = dialog.pickedIndex();
    if (indice < 0) {
        return;
    }
    const Record scelta = recordOf<Record>(dialog.pickedEntry());
    disponibili<Record>().Remove(indice);
    scelte<Record>().Add(scelta);
    listBox<Record>()->addItem(entryOf(scelta).description);
}

// The change dialog works on the copy of the entry last selected; the changed entry takes
// the place of the selected one under the same id, so a stored row is updated on saving
// and a new one stays new.
template <typename Record>
void TFormGestioneInconveniente::modifica() {
    const MetaLista& facts = kMetaListe(entryKindOf<Record>);
    QListWidget* lista = listBox<Record>();
    const int riga = selectedRow(lista);
    if (riga < 0) {
        mostra(facts.selezionaPerModificare);
        return;
    }
    typename Dialoghi<Record>::Modifica dialog(this, selezionato<Record>(), MapCodiciACarico);
    interaction().showModal(dialog);
    if (!dialog.handedBack()) {
        return;
    }
    const Record modificata = recordOf<Record>(dialog.entry());
    leaveWithoutSelection(lista);
    scelte<Record>().Remove(riga);
    lista->item(riga)->setText(entryOf(modificata).description);
    scelte<Record>().AddToIndex(modificata, riga);
    if (facts.elencaDopoModifica) {
        for (const Record& voce : scelte<Record>()) {
            interaction().showSimpleMessage(entryOf(voce).description);
        }
    }
}

// An entry without a row goes back to the entries offered; a stored one is deleted from
// the database at once, after the question, and is not offered again.
template <typename Record>
void TFormGestioneInconveniente::rimuovi() {
    const MetaLista& facts = kMetaListe(entryKindOf<Record>);
    QListWidget* lista = listBox<Record>();
    const int riga = selectedRow(lista);
    if (riga < 0) {
        mostra(facts.selezionaPerEliminare);
        return;
    }
    const Record voce = scelte<Record>().Get(riga).value();
    if (entryOf(voce).id > 0) {
        if (!interaction().confirm(facts.domandaEliminazione)) {
            return;
        }
        eliminaDalDB(store_, voce);
    } else {
        disponibili<Record>().Add(voce);
    }
    scelte<Record>().Remove(riga);
    leaveWithoutSelection(lista);
    delete lista->takeItem(riga);
}

void TFormGestioneInconveniente::ChangeSelectionOperazioni() {
    selezione<TOperazione>();
}

void TFormGestioneInconveniente::ChangeSelectionRicambi() {
    selezione<TRicambio>();
}

void TFormGestioneInconveniente::ButtonAggiungiOperazioneClick() {
    aggiungi<TOperazione>();
}

void TFormGestioneInconveniente::ButtonAggiungiRicambioClick() {
    aggiungi<TRicambio>();
}

void TFormGestioneInconveniente::ButtonModificaOperazioneClick() {
    modifica<TOperazione>();
}

void TFormGestioneInconveniente::ButtonModificaRicambioClick() {
    modifica<TRicambio>();
}

void TFormGestioneInconveniente::ButtonRimuoviOperazioneClick() {
    rimuovi<TOperazione>();
}

void TFormGestioneInconveniente::ButtonRimuoviRicambioClick() {
    rimuovi<TRicambio>();
}

QString TFormGestioneInconveniente::rifiuto() const {
    const qsizetype caratteri = EditNomeInconveniente->text().toUcs4().size();
    if (caratteri < 1 || caratteri > kNomeMassimo) {
        return QStringLiteral(
            "La lunghezza del campo \"Nome Inconveniente\" dev'essere compresa tra 0 e 50 "
            "caratteri.");
    }
    if (!ComboBoxTipoInconveniente->hasChoice()) {
        return QStringLiteral("È necessario selezionare il tipo di Inconveniente.");
    }
    if (!ComboBoxCodiceACaricoInconveniente->hasChoice()) {
        return QStringLiteral(
            "È necessario selezionare a quale entità sarà in carico l'Inconveniente.");
    }
    return QString();
}

void TFormGestioneInconveniente::ButtonConfermaClick() {
    if (const QString motivo = rifiuto(); !motivo.isEmpty()) {
        FInconvenienteValido = false;
        interaction().showMessage(QStringLiteral("Errore"), motivo);
        return;
    }
    FInconvenienteValido = true;
    const QChar tipo = codiceScelto(ComboBoxTipoInconveniente, QStringLiteral("La tipologia"));
    const QChar carico =
        codiceScelto(ComboBoxCodiceACaricoInconveniente, QStringLiteral("Il codice a carico"));
    const QString nome = EditNomeInconveniente->text();
    if (ModificaInconveniente) {
        FInconveniente.FDescrizione = nome;
        FInconveniente.FTipoIntervento = tipo;
        FInconveniente.FCodiceACarico = carico;
        FInconveniente.FListaOperazioni = ListaOperazioniScelte;
        FInconveniente.FListaRicambi = ListaRicambiScelti;
        salvaSeConfermato(kDomandaModifica,
                          [this] { store_.SalvaInconvenienteModificato(FInconveniente); });
    } else {
        FInconveniente = TInconveniente::Create(-1, Commessa.FIDCommessaDMS, nome, carico, tipo,
                                                ListaOperazioniScelte, ListaRicambiScelti);
        // The id only once the complaint is stored with all its operations and parts.
        salvaSeConfermato(kDomandaNuovo, [this] {
            FInconveniente.FIdInconveniente = store_.SalvaNuovoInconveniente(FInconveniente);
        });
    }
}

// A save that fails leaves the database as it was; the window then tries to close all the
// same and asks the close question, since the save was not confirmed.
void TFormGestioneInconveniente::salvaSeConfermato(const QString& domanda,
                                                   const std::function<void()>& salva) {
    if (!interaction().confirm(domanda)) {
        FHasConfirmedSave = false;
        return;
    }
    closeWhenHandlerEnds(Ok);
    salva();
    FHasConfirmedSave = true;
}

bool TFormGestioneInconveniente::FormCloseQuery() {
    return FHasConfirmedSave ||
           interaction().confirm(ModificaInconveniente ? kUscitaModifica : kUscitaNuovo);
}
