#include "ui/ListaTutteCommesse.h"

#include "ui/Tavorno.h"

#include <QListView>

TFormListaTutteCommesse::TFormListaTutteCommesse(TFormTavorno& owner, QWidget* parent)
    : JobOrderResultWindow(owner, QStringLiteral("Lista delle Commesse"),
                           "CheckListBoxListaCommesse", parent) {
    setObjectName(QStringLiteral("FormListaTutteCommesse"));
    CheckListBoxListaCommesse = list();
    CheckListBoxListaCommesse->setAccessibleName(QStringLiteral("Commesse"));
    arrange(nullptr, nullptr, {});
    setClientArea(QSize(560, 400));
    FormCreate();
}

void TFormListaTutteCommesse::FormCreate() {
    JobOrderStore& store = owner().jobOrders;
    // Unless the setting allows them, sent job orders neither appear nor stay in the list
    // behind the lines.
    fill(store.getAllCommesseSenzaInconvenienti(
        owner().GestisciCommesseInviate ? QSet<qint64>() : store.getIdCommesseInviate()));
}
