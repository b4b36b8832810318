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
    TListaCommesse commesse = owner().jobOrders.getAllCommesseSenzaInconvenienti();
    if (!owner().GestisciCommesseInviate) {
        // Sent job orders neither appear nor stay in the list behind the lines.
        const QSet<QString> inviate = owner().jobOrders.getIdCommesseInviate();
        TListaCommesse nonInviate;
        for (const TCommessa& commessa : commesse) {
            if (!inviate.contains(commessa.FIDCommessaDMS)) {
                nonInviate.Add(commessa);
            }
        }
        commesse = std::move(nonInviate);
    }
    fill(std::move(commesse));
}
