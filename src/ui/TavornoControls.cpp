// The main window's controls: names, captions, limits, initial states and tab order.

#include "ui/Tavorno.h"

#include "ui/Controls.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Wide enough to show `characters` digits without scrolling.
void fitDigits(QLineEdit* control, int characters) {
    const int digits = control->fontMetrics().horizontalAdvance(QString(characters, u'0'));
    control->setMinimumWidth(digits + 16);
}

QLabel* panelTitle(const QString& text) {
    auto* title = new QLabel(text);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    return title;
}

QFrame* panel(const char* name) {
    auto* frame = named(new QFrame, name);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

// The grid of a panel, with narrow margins so that the labels keep their whole text.
QGridLayout* panelGrid(QFrame* panel) {
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(6);
    return grid;
}

// The picture of the settings button, drawn here: the style's stock picture would first
// search the desktop's icon theme, which alone takes a tenth of the start-up.
QIcon settingsPicture(const QColor& ink) {
    QIcon picture;
    for (const int side : {16, 32}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        const int unit = side / 8;
        // Three lines of a list, each with its bullet.
        for (int line = 0; line < 3; ++line) {
            const int top = unit * (2 * line + 1) + unit / 2;
            painter.fillRect(unit, top, unit, unit, ink);
            painter.fillRect(3 * unit, top, 4 * unit, unit, ink);
        }
        painter.end();
        picture.addPixmap(pixmap);
    }
    return picture;
}

}  // namespace

void TFormTavorno::buildControls() {
    useWindowFont(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(buildHeader());
    PageControlCommessa = named(new QTabWidget, "PageControlCommessa");
    Veicolo = named(buildVehicleCustomerPage(), "Veicolo");
    Inconvenienti = named(buildComplaintsPage(), "Inconvenienti");
    PageControlCommessa->addTab(Veicolo, QStringLiteral("Veicolo / Cliente"));
    PageControlCommessa->addTab(Inconvenienti, QStringLiteral("Inconvenienti"));
    PageControlCommessa->setCurrentIndex(0);
    layout->addWidget(PageControlCommessa, 1);
    layout->addWidget(buildBottomBar());
    setTabOrder();
}

QWidget* TFormTavorno::buildHeader() {
    EditDescrizioneCommessa = lineEdit("EditDescrizioneCommessa", 255);
    EditDescrizioneCommessa->setToolTip(QStringLiteral(
        "Nome descrittivo della Commessa corrente, è utile nel momento in cui servirà "
        "individuarla tramite la ricerca."));
    ButtonConfigurazione = iconButton("ButtonConfigurazione", QStringLiteral("Configurazione..."));
    ButtonConfigurazione->setIcon(settingsPicture(palette().color(QPalette::ButtonText)));
    EditIDCommessaDMS = lineEdit("EditIDCommessaDMS", 9);
    EditIDCommessaDMS->setEnabled(false);
    EditCodiceScheda = lineEdit("EditCodiceScheda", 0);
    EditCodiceScheda->setEnabled(false);
    EditCodiceScheda->setReadOnly(true);
    EditCodiceOfficina = lineEdit("EditCodiceOfficina", 7);
    EditCodiceOfficina->setEnabled(false);
    fitDigits(EditCodiceOfficina, 8);
    ComboBoxCodiceMercato = editableComboBox("ComboBoxCodiceMercato");
    ButtonCercaCommessePerData =
        button("ButtonCercaCommessePerData", QStringLiteral("Cerca Commesse..."));

    auto* idLabel = fieldLabel(QStringLiteral("ID Commessa DMS:"), EditIDCommessaDMS);
    idLabel->setEnabled(false);
    auto* schedaLabel = fieldLabel(QStringLiteral("Sk. Lavoro"), EditCodiceScheda);
    schedaLabel->setEnabled(false);

    auto* header = new QWidget;
    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 4);
    grid->addWidget(fieldLabel(QStringLiteral("Descrizione Commessa:"), EditDescrizioneCommessa), 0, 0);
    grid->addLayout(withMandatoryMark(EditDescrizioneCommessa), 0, 1, 1, 5);
    grid->addWidget(ButtonConfigurazione, 0, 6);
    grid->addWidget(idLabel, 1, 0);
    grid->addWidget(EditIDCommessaDMS, 1, 1);
    grid->addWidget(schedaLabel, 1, 2, Qt::AlignRight);
    grid->addWidget(EditCodiceScheda, 1, 3);
    grid->addWidget(fieldLabel(QStringLiteral("Codice Officina:"), EditCodiceOfficina), 1, 4,
                    Qt::AlignRight);
    grid->addLayout(withMandatoryMark(EditCodiceOfficina), 1, 5);
    grid->addWidget(fieldLabel(QStringLiteral("Codice Mercato:"), ComboBoxCodiceMercato), 2, 0);
    grid->addLayout(withMandatoryMark(ComboBoxCodiceMercato), 2, 1, 1, 3);
    grid->addWidget(ButtonCercaCommessePerData, 2, 4, 1, 3, Qt::AlignRight);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 2);
    grid->setColumnStretch(5, 1);
    return header;
}

QWidget* TFormTavorno::buildVehicleCustomerPage() {
    EditRagioneSociale = lineEdit("EditRagioneSociale", 60);
    ComboBoxTipoCliente = editableComboBox("ComboBoxTipoCliente");
    ComboBoxTipoCliente->addItems({QStringLiteral("Cliente Privato"), QStringLiteral("Azienda")});
    ComboBoxTipoCliente->setCurrentIndex(-1);
    ComboBoxTipoCliente->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    EditCFPIVA = lineEdit("EditCFPIVA", 16);
    fitDigits(EditCFPIVA, 16);
    EditIDClienteDMS = lineEdit("EditIDClienteDMS", 50);
    EditIDClienteDMS->setEnabled(false);
    fitDigits(EditIDClienteDMS, 7);
    ButtonValorizzaIDClienteDMS =
        button("ButtonValorizzaIDClienteDMS", QStringLiteral("Valorizza"));
    ButtonValorizzaIDClienteDMS->setEnabled(false);
    ButtonPrivacyCliente = button("ButtonPrivacyCliente", QStringLiteral("Privacy Cliente..."));

    auto* cliente = panel("PanelClienteCommessa");
    auto* clienteGrid = panelGrid(cliente);
    clienteGrid->addWidget(panelTitle(QStringLiteral("CLIENTE:")), 0, 0, 1, 4);
    clienteGrid->addWidget(fieldLabel(QStringLiteral("Cognome/Ragione Sociale:"), EditRagioneSociale), 1,
                           0);
    clienteGrid->addLayout(withMandatoryMark(EditRagioneSociale), 1, 1, 1, 3);
    clienteGrid->addWidget(fieldLabel(QStringLiteral("Tipo Cliente:"), ComboBoxTipoCliente), 2, 0);
    clienteGrid->addLayout(withMandatoryMark(ComboBoxTipoCliente), 2, 1);
    clienteGrid->addWidget(fieldLabel(QStringLiteral("Codice Fiscale / P. Iva:"), EditCFPIVA), 2, 2,
                           Qt::AlignRight);
    clienteGrid->addLayout(withMandatoryMark(EditCFPIVA), 2, 3);
    clienteGrid->addWidget(fieldLabel(QStringLiteral("Identificativo Cliente DMS:"), EditIDClienteDMS),
                           3, 0);
    auto* idRow = new QHBoxLayout;
    idRow->addLayout(withMandatoryMark(EditIDClienteDMS), 1);
    idRow->addWidget(ButtonValorizzaIDClienteDMS);
    clienteGrid->addLayout(idRow, 3, 1);
    clienteGrid->addLayout(withMandatoryMark(ButtonPrivacyCliente), 3, 3);
    clienteGrid->setColumnStretch(1, 1);
    clienteGrid->setColumnStretch(3, 1);

    LabelMarcaModelloVeicolo = named(new QLabel, "LabelMarcaModelloVeicolo");
    EditTarga = lineEdit("EditTarga", 10);
    ComboBoxMarche = editableComboBox("ComboBoxMarche");
    EditMVS = lineEdit("EditMVS", 7);
    EditTelaio = lineEdit("EditTelaio", 8);

    auto* veicolo = panel("PanelVeicoloCommessa");
    auto* veicoloGrid = panelGrid(veicolo);
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(panelTitle(QStringLiteral("VEICOLO:")));
    titleRow->addWidget(LabelMarcaModelloVeicolo, 1);
    veicoloGrid->addLayout(titleRow, 0, 0, 1, 4);
    veicoloGrid->addWidget(fieldLabel(QStringLiteral("Targa:"), EditTarga), 1, 0);
    veicoloGrid->addLayout(withMandatoryMark(EditTarga), 1, 1);
    veicoloGrid->addWidget(fieldLabel(QStringLiteral("Marca:"), ComboBoxMarche), 1, 2, Qt::AlignRight);
    veicoloGrid->addLayout(withMandatoryMark(ComboBoxMarche), 1, 3);
    veicoloGrid->addWidget(fieldLabel(QStringLiteral("MVS:"), EditMVS), 2, 0);
    veicoloGrid->addLayout(withMandatoryMark(EditMVS), 2, 1);
    veicoloGrid->addWidget(fieldLabel(QStringLiteral("Telaio:"), EditTelaio), 2, 2, Qt::AlignRight);
    veicoloGrid->addLayout(withMandatoryMark(EditTelaio), 2, 3);
    veicoloGrid->setColumnStretch(1, 1);
    veicoloGrid->setColumnStretch(3, 1);

    auto* note = new QLabel(QStringLiteral("* = Campo Obbligatorio"));
    note->setObjectName(QStringLiteral("LabelCampoObbligatorio"));
    showInRed(note);
    QFont small = note->font();
    small.setPointSize(7);
    note->setFont(small);

    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(4, 4, 4, 4);
    column->addWidget(cliente);
    column->addWidget(veicolo);
    column->addStretch();
    column->addWidget(note, 0, Qt::AlignRight);
    return page;
}

QWidget* TFormTavorno::buildComplaintsPage() {
    ListBoxInconvenienti = named(new QListWidget, "ListBoxInconvenienti");
    ListBoxInconvenienti->setAccessibleName(QStringLiteral("Inconvenienti"));
    QFont listFont = ListBoxInconvenienti->font();
    listFont.setPointSize(12);
    ListBoxInconvenienti->setFont(listFont);
    ButtonAggiungiInconveniente =
        button("ButtonAggiungiInconveniente", QStringLiteral("Aggiungi Inconveniente..."));
    ButtonModificaInconveniente =
        button("ButtonModificaInconveniente", QStringLiteral("Modifica Inconveniente..."));
    ButtonRimuoviInconveniente =
        button("ButtonRimuoviInconveniente", QStringLiteral("Rimuovi Inconveniente"));
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ButtonAggiungiInconveniente);
    buttons->addWidget(ButtonModificaInconveniente);
    buttons->addWidget(line);
    buttons->addWidget(ButtonRimuoviInconveniente);
    buttons->addStretch();

    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    row->addWidget(ListBoxInconvenienti, 1);
    row->addLayout(buttons);
    return page;
}

QWidget* TFormTavorno::buildBottomBar() {
    ButtonChiudi = button("ButtonChiudi", QStringLiteral("Chiudi"));
    ButtonGeneraXMLOdierno = button("ButtonGeneraXMLOdierno", QStringLiteral("Genera XML Odierno"));
    ButtonSalvaDatiCommessa = button("ButtonSalvaDatiCommessa", QStringLiteral("Salva Commessa"));

    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 4, 0, 0);
    row->addWidget(ButtonChiudi);
    row->addStretch();
    row->addWidget(ButtonGeneraXMLOdierno);
    row->addWidget(ButtonSalvaDatiCommessa);
    return bar;
}

void TFormTavorno::setTabOrder() {
    const QList<QWidget*> order = {EditDescrizioneCommessa,
                                   EditIDCommessaDMS,
                                   EditCodiceScheda,
                                   EditCodiceOfficina,
                                   ComboBoxCodiceMercato,
                                   ButtonConfigurazione,
                                   ButtonCercaCommessePerData,
                                   PageControlCommessa,
                                   EditRagioneSociale,
                                   ComboBoxTipoCliente,
                                   EditCFPIVA,
                                   EditIDClienteDMS,
                                   ButtonValorizzaIDClienteDMS,
                                   ButtonPrivacyCliente,
                                   EditTarga,
                                   ComboBoxMarche,
                                   EditMVS,
                                   EditTelaio,
                                   ButtonAggiungiInconveniente,
                                   ButtonModificaInconveniente,
                                   ButtonRimuoviInconveniente,
                                   ListBoxInconvenienti,
                                   ButtonChiudi,
                                   ButtonGeneraXMLOdierno,
                                   ButtonSalvaDatiCommessa};
    chainTabOrder(order);
}
