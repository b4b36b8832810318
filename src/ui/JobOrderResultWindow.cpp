#include "ui/JobOrderResultWindow.h"

#include "platform/Interaction.h"
#include "ui/CheckableJobOrderModel.h"
#include "ui/Controls.h"
#include "ui/Tavorno.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kInfo = QStringLiteral("Info");

}  // namespace

JobOrderResultWindow::JobOrderResultWindow(TFormTavorno& owner, const QString& caption,
                                           const char* listName, QWidget* parent)
    : ModalDialog(caption, parent), owner_(owner), list_(jobOrderCheckList(listName)) {
    ButtonModificaCommessa =
        button("ButtonModificaCommessa", QStringLiteral("Modifica questa Commessa..."));
    ButtonCancellaCommessa = button("ButtonCancellaCommessa", QStringLiteral("Elimina Commessa"));
    ButtonEsci = button("ButtonEsci", QStringLiteral("Esci"));
    ButtonGeneraEInvia = button("ButtonGeneraEInvia", QStringLiteral("Genera XML e Invia..."));
    onClick(ButtonModificaCommessa, &JobOrderResultWindow::ButtonModificaCommessaClick);
    onClick(ButtonCancellaCommessa, &JobOrderResultWindow::ButtonCancellaCommessaClick);
    onClick(ButtonGeneraEInvia, &JobOrderResultWindow::ButtonGeneraEInviaClick);
    onClick(ButtonEsci, &JobOrderResultWindow::ButtonEsciClick);
}

void JobOrderResultWindow::arrange(QWidget* topBand, QLabel* listHeading,
                                   const QList<QPushButton*>& leaveButtons) {
    auto* layout = new QVBoxLayout(this);
    if (topBand != nullptr) {
        layout->addWidget(topBand);
    }
    auto* listColumn = new QVBoxLayout;
    if (listHeading != nullptr) {
        listColumn->addWidget(listHeading);
    }
    listColumn->addWidget(list_, 1);
    auto* actions = new QVBoxLayout;
    actions->addWidget(ButtonModificaCommessa);
    actions->addStretch();
    actions->addWidget(ButtonCancellaCommessa);
    auto* middle = new QHBoxLayout;
    middle->addLayout(listColumn, 1);
    middle->addLayout(actions);
    layout->addLayout(middle, 1);

    layout->addWidget(horizontalRule());
    auto* bottomBand = new QHBoxLayout;
    QList<QWidget*> tabOrder{list_, ButtonModificaCommessa, ButtonCancellaCommessa, ButtonEsci};
    bottomBand->addWidget(ButtonEsci);
    for (QPushButton* leave : leaveButtons) {
        bottomBand->addWidget(leave);
        tabOrder << leave;
    }
    bottomBand->addStretch();
    bottomBand->addWidget(ButtonGeneraEInvia);
    tabOrder << ButtonGeneraEInvia;
    layout->addLayout(bottomBand);
    chainTabOrder(tabOrder);
}

void JobOrderResultWindow::fill(TListaCommesse commesse) {
    model_ = new CheckableJobOrderModel(std::move(commesse), this);
    list_->setModel(model_);
}

const TListaCommesse& JobOrderResultWindow::commesse() const {
    return model_->commesse();
}

int JobOrderResultWindow::highlightedRow() const {
    const QModelIndexList highlighted = list_->selectionModel()->selectedIndexes();
    return highlighted.isEmpty() ? -1 : highlighted.first().row();
}

void JobOrderResultWindow::ButtonModificaCommessaClick() {
    const int row = highlightedRow();
    if (row < 0) {
        interaction().showMessage(
            kInfo, QStringLiteral("Non è stata selezionata alcuna commessa da modificare."));
        return;
    }
    FCommessaDaModificare = *(commesse().begin() + row);
    closeWhenHandlerEnds(Ok);
}

void JobOrderResultWindow::ButtonCancellaCommessaClick() {
    if (!interaction().confirm(
            QStringLiteral("Verranno eliminate le commesse selezionate e TUTTI gli "
                           "inconvenienti ad esse associate.\r\nVuoi continuare?"))) {
        return;
    }
    if (model_->rowCount() == 0) {
        interaction().showMessage(kInfo, QStringLiteral("Non è selezionata alcuna commessa."));
        return;
    }
    // All or none: the lines go only once every job order behind them is gone.
    const std::vector<int> checked = model_->checkedRows();
    std::vector<TCommessa> daEliminare;
    daEliminare.reserve(checked.size());
    for (const int row : checked) {
        daEliminare.push_back(*(commesse().begin() + row));
    }
    owner_.jobOrders.EliminaCommesse(daEliminare);
    model_->removeLines(checked);
    interaction().showMessage(kInfo, QStringLiteral("Commesse eliminate con successo!"));
}

void JobOrderResultWindow::ButtonGeneraEInviaClick() {
    if (!interaction().confirm(QStringLiteral("Verranno generate e spedite TUTTE le Commesse "
                                              "selezionate.\r\nVuoi continuare?"))) {
        return;
    }
    owner_.GeneraXMLEInvia(checkedJobOrders());
}

TListaCommesse JobOrderResultWindow::checkedJobOrders() const {
    TListaCommesse daGenerare;
    for (const int row : model_->checkedRows()) {
        TCommessa commessa = *(commesse().begin() + row);
        // The list of all job orders is loaded without complaints; the export needs them.
        if (!commessa.FListaInconvenienti) {
            commessa.FListaInconvenienti = owner_.complaints.getListaInconvenientiFromDB(commessa);
        }
        daGenerare.Add(std::move(commessa));
    }
    return daGenerare;
}

void JobOrderResultWindow::ButtonEsciClick() {
    closeWhenHandlerEnds(Cancel);
}
