#include "ui/TabellaCommessePerData.h"

#include "ui/Controls.h"
#include "ui/Tavorno.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPushButton>

namespace {

QLabel* boldLabel(const char* name, const QString& text) {
    auto* label = named(new QLabel(text), name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

}  // namespace

TFormTabellaCommessePerData::TFormTabellaCommessePerData(TFormTavorno& owner,
                                                         const QDate& SelectedDate, QWidget* parent)
    : JobOrderResultWindow(owner, QStringLiteral("Risultati Ricerca Commesse"),
                           "CheckListBoxCommessePerData", parent),
      DataSelezionata(SelectedDate) {
    setObjectName(QStringLiteral("FormTabellaCommessePerData"));
    CheckListBoxCommessePerData = list();
    Label1 = boldLabel("Label1", QStringLiteral("Data:"));
    LabelDataCercata = boldLabel("LabelDataCercata", QString());
    Label2 = named(fieldLabel(QStringLiteral("Commesse Trovate:"), CheckListBoxCommessePerData),
                   "Label2");
    ButtonAltraData = button("ButtonAltraData", QStringLiteral("Cambia Data..."));
    onClick(ButtonAltraData, &TFormTabellaCommessePerData::ButtonAltraDataClick);

    auto* topBand = named(new QFrame, "PanelData");
    topBand->setFrameShape(QFrame::StyledPanel);
    auto* dateRow = new QHBoxLayout(topBand);
    dateRow->addWidget(Label1);
    dateRow->addWidget(LabelDataCercata);
    dateRow->addStretch();
    arrange(topBand, Label2, {ButtonAltraData});
    setClientArea(QSize(560, 400));
    FormCreate();
}

void TFormTabellaCommessePerData::FormCreate() {
    LabelDataCercata->setText(QLocale::system().toString(DataSelezionata, QLocale::ShortFormat));
    fill(owner().jobOrders.getListaCommesseFromDB(QString::number(DataSelezionata.year()),
                                                  QString::number(DataSelezionata.month()),
                                                  QString::number(DataSelezionata.day())));
}

void TFormTabellaCommessePerData::ButtonEsciClick() {
    FChangeDate = false;
    JobOrderResultWindow::ButtonEsciClick();
}

void TFormTabellaCommessePerData::ButtonAltraDataClick() {
    FChangeDate = true;
    closeWhenHandlerEnds(Cancel);
}
