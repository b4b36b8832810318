// Opens Tavorno on the working folder it is started in, as the program does, and saves a
// picture of each page of the main window and of the settings dialog into the folder
// given, named PREFIX-veicolo.png, PREFIX-inconvenienti.png, PREFIX-configurazione.png and
// PREFIX-privacy.png. With --ricerca in place of the prefix it saves instead the search
// dialog and the two result windows, as a user has them on the busiest day of the database:
// cerca-commesse.png, risultati-ricerca-commesse.png and lista-commesse.png, and the settings
// dialog's page "Commesse" (configurazione-commesse.png). With
// --operazioni-ricambi after the prefix it also saves the six operation and part dialogs on
// the job card's lines: aggiungi-operazione.png, nuova-operazione.png, modifica-operazione.png
// and the same for "ricambio". With --inconveniente it also saves the complaint editor: on a
// new job order a new complaint with lines picked from the job card
// (gestione-inconveniente-nuovo.png), on a stored one its first complaint
// (gestione-inconveniente-modifica.png).

#include "platform/Interaction.h"
#include "ui/AggiungiOperazione.h"
#include "ui/AggiungiRicambio.h"
#include "ui/AvvioTavorno.h"
#include "ui/CercaCommesse.h"
#include "ui/Configurazione.h"
#include "ui/GestioneInconveniente.h"
#include "ui/ListaTutteCommesse.h"
#include "ui/ModificaOperazione.h"
#include "ui/ModificaRicambio.h"
#include "ui/NuovaOperazione.h"
#include "ui/NuovoRicambio.h"
#include "ui/PrivacyCliente.h"
#include "ui/TabellaCommessePerData.h"
#include "ui/Tavorno.h"
#include "ui/WidgetInteraction.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QHash>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextStream>

namespace {

bool save(QWidget& window, const QString& file) {
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(file)) {
        QTextStream(stderr) << "Impossibile scrivere " << file << '\n';
        return false;
    }
    return true;
}

// The settings dialog on one of its pages: 0 "Generale", 1 "Commesse".
bool saveSettingsDialog(TFormTavorno& window, int page, const QString& file) {
    TFormConfigurazione dialog(
        window.MapMarche, [&](const QString& nome) { return window.MapMarche.key(nome); }, &window);
    auto* pages = dialog.findChild<QTabWidget*>(QStringLiteral("PageControlConfigurazione"));
    if (pages == nullptr) {
        QTextStream(stderr) << "Pagine della Configurazione non trovate\n";
        return false;
    }
    pages->setCurrentIndex(page);
    return save(dialog, file);
}

bool saveMainWindow(TFormTavorno& window, const QDir& output, const QString& prefix) {
    bool ok = save(window, output.filePath(prefix + QStringLiteral("-veicolo.png")));
    window.PageControlCommessa->setCurrentIndex(1);
    ok = save(window, output.filePath(prefix + QStringLiteral("-inconvenienti.png"))) && ok;
    window.PageControlCommessa->setCurrentIndex(0);

    ok = saveSettingsDialog(window, 0,
                            output.filePath(prefix + QStringLiteral("-configurazione.png"))) &&
         ok;

    TFormPrivacyCliente privacy(window.ClienteSelezionato, &window);
    return save(privacy, output.filePath(prefix + QStringLiteral("-privacy.png"))) && ok;
}

// The date with the most job orders, where the window of one date shows a full list.
QDate busiestDay(JobOrderStore& store) {
    QHash<QString, int> perDay;
    QString busiest;
    for (const TCommessa& commessa : store.getAllCommesseSenzaInconvenienti()) {
        if (++perDay[commessa.FDataCommessa] > perDay.value(busiest)) {
            busiest = commessa.FDataCommessa;
        }
    }
    return QDate::fromString(busiest, Qt::ISODate);
}

// Some lines checked and one highlighted, as in the middle of a user's choice.
void chooseLines(QListView* list, std::initializer_list<int> checked, int highlighted) {
    QAbstractItemModel* lines = list->model();
    for (const int row : checked) {
        lines->setData(lines->index(row, 0), Qt::Checked, Qt::CheckStateRole);
    }
    list->selectionModel()->setCurrentIndex(lines->index(highlighted, 0),
                                            QItemSelectionModel::ClearAndSelect);
    list->setFocus();
}

bool saveSearchWindows(TFormTavorno& window, const QDir& output) {
    const QDate day = busiestDay(window.jobOrders);
    TFormCercaCommesse dialog(window, &window);
    dialog.RadioButtonPerDataCreazione->click();
    dialog.DatePickerRicercaCommesse->setDate(day);
    bool ok = save(dialog, output.filePath(QStringLiteral("cerca-commesse.png")));

    TFormTabellaCommessePerData perData(window, day, &window);
    chooseLines(perData.CheckListBoxCommessePerData, {0, 2}, 3);
    ok = save(perData, output.filePath(QStringLiteral("risultati-ricerca-commesse.png"))) && ok;

    TFormListaTutteCommesse tutte(window, &window);
    chooseLines(tutte.CheckListBoxListaCommesse, {1, 4, 5}, 7);
    ok = save(tutte, output.filePath(QStringLiteral("lista-commesse.png"))) && ok;

    // The setting that lets the full list show the sent job orders, as this run has it.
    return saveSettingsDialog(window, 1,
                              output.filePath(QStringLiteral("configurazione-commesse.png"))) &&
           ok;
}

// A pick dialog as the user sees it after clicking the first line.
bool savePick(PickDialog& dialog, const QString& file) {
    dialog.offeredList->setCurrentRow(0);
    return save(dialog, file);
}

// A line of the card as it stands in a complaint, with a code and a charge code.
template <typename Record>
Record inComplaint(const TypedList<Record>& offered, const MappaCodici& chargeCodes) {
    Entry entry = entryOf(offered.Count() > 0 ? offered.Get(0).value() : Record());
    entry.code = entry.code.isEmpty() ? QStringLiteral("A0101") : entry.code;
    entry.chargeCode = chargeCodes.isEmpty() ? QChar() : chargeCodes.firstKey().front();
    return recordOf<Record>(entry);
}

// The six dialogs on the offered lines of the job card the main window read.
bool saveEntryDialogs(TFormTavorno& window, const QDir& output) {
    const CodeDictionary dictionary = window.dizionarioCodiciACarico();
    const auto file = [&output](const char* name) {
        return output.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    };
    TFormAggiungiOperazione pickOperation(&window, dictionary, window.ListaOperazioniDisponibili);
    pickOperation.setListaRicDisp(window.ListaRicambiDisponibili);
    bool ok = savePick(pickOperation, file("aggiungi-operazione"));
    TFormAggiungiRicambio pickPart(&window, dictionary, window.ListaRicambiDisponibili);
    pickPart.setListaOpDisp(window.ListaOperazioniDisponibili);
    ok = savePick(pickPart, file("aggiungi-ricambio")) && ok;
    TFormNuovaOperazione newOperation(&window, dictionary, window.ListaOperazioniDisponibili);
    ok = save(newOperation, file("nuova-operazione")) && ok;
    TFormNuovoRicambio newPart(&window, dictionary, window.ListaRicambiDisponibili);
    ok = save(newPart, file("nuovo-ricambio")) && ok;
    TFormModificaOperazione changeOperation(
        &window, inComplaint(window.ListaOperazioniDisponibili, window.MapCodiciACarico),
        dictionary);
    ok = save(changeOperation, file("modifica-operazione")) && ok;
    TFormModificaRicambio changePart(
        &window, inComplaint(window.ListaRicambiDisponibili, window.MapCodiciACarico), dictionary);
    return save(changePart, file("modifica-ricambio")) && ok;
}

// A user who picks the first line the pick dialog offers, charged to the customer and, where
// the line has none, given a code.
class PicksFirstLine : public WidgetInteraction {
public:
    int showModal(QObject& window) override {
        auto* pick = qobject_cast<PickDialog*>(&window);
        if (pick == nullptr) {
            return WidgetInteraction::showModal(window);
        }
        pick->offeredList->setCurrentRow(0);
        pick->fields.chargeCode->setCurrentIndex(
            pick->fields.chargeCode->findText(QStringLiteral("Cliente")));
        if (pick->fields.code->text().isEmpty()) {
            pick->fields.code->setText(QStringLiteral("A0101"));
        }
        pick->selectButton->click();
        return pick->result();
    }
};

// The complaint editor with real lines: a new complaint being made on a new job order, the
// first stored complaint on a stored one.
bool saveComplaintEditor(TFormTavorno& window, const QDir& output) {
    const bool stored =
        window.OperazioneDiModificaCommessa && window.ListaInconvenienti->Count() > 0;
    TFormGestioneInconveniente editor(
        &window, window.complaints, window.CommessaSelezionata, stored,
        window.dizionarioTipiIntervento(), window.dizionarioCodiciACarico(),
        window.ListaOperazioniDisponibili, window.ListaRicambiDisponibili,
        stored ? window.ListaInconvenienti->Get(0).value() : TInconveniente());
    if (stored) {
        editor.ListBoxOperazioniInconveniente->setCurrentRow(0);
        editor.ButtonModificaOperazione->setFocus();
        return save(editor, output.filePath(QStringLiteral("gestione-inconveniente-modifica.png")));
    }
    PicksFirstLine user;
    InteractionScope scope(user);
    editor.EditNomeInconveniente->setText(QStringLiteral("Tagliando e rumore ai freni"));
    editor.ComboBoxTipoInconveniente->setCurrentIndex(
        editor.ComboBoxTipoInconveniente->findText(QStringLiteral("Tagliando")));
    editor.ComboBoxCodiceACaricoInconveniente->setCurrentIndex(
        editor.ComboBoxCodiceACaricoInconveniente->findText(QStringLiteral("Cliente")));
    for (int line = 0; line < 2; ++line) {
        editor.ButtonAggiungiOperazione->click();
    }
    for (int line = 0; line < 3; ++line) {
        editor.ButtonAggiungiRicambio->click();
    }
    return save(editor, output.filePath(QStringLiteral("gestione-inconveniente-nuovo.png")));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavorno"));
    QStringList arguments = QApplication::arguments();
    const bool entryDialogs = arguments.removeAll(QStringLiteral("--operazioni-ricambi")) > 0;
    const bool complaintEditor = arguments.removeAll(QStringLiteral("--inconveniente")) > 0;
    if (arguments.size() != 3) {
        QTextStream(stderr) << "Uso: tavorno-screenshots CARTELLA PREFISSO|--ricerca "
                               "[--operazioni-ricambi] [--inconveniente]\n";
        return 2;
    }
    const bool search = arguments[2] == QLatin1String("--ricerca");
    const QDir output(arguments[1]);

    WidgetInteraction widgetInteraction;
    InteractionScope scope(widgetInteraction);
    ProgrammaTavorno program = avviaTavorno();
    if (!program.runEventLoop) {
        return 1;
    }
    TFormTavorno& window = *program.mainWindow;
    window.show();
    bool ok =
        search ? saveSearchWindows(window, output) : saveMainWindow(window, output, arguments[2]);
    if (entryDialogs) {
        ok = saveEntryDialogs(window, output) && ok;
    }
    if (complaintEditor) {
        ok = saveComplaintEditor(window, output) && ok;
    }
    return ok ? 0 : 1;
}
