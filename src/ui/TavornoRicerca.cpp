// "Cerca Commesse...": a job order found by date or in the list of all job orders comes into
// the main window for editing.

#include "platform/Interaction.h"
#include "ui/CercaCommesse.h"
#include "ui/Tavorno.h"

#include <QPushButton>

void TFormTavorno::ButtonCercaCommessePerDataClick() {
    TCommessa scelta;
    {
        TFormCercaCommesse dialog(*this, this);
        interaction().showModal(dialog);
        scelta = dialog.CommDaModificare();
    }
    if (scelta.FIDCommessaDMS.isEmpty()) {
        return;
    }
    // Afresh from the database: another workstation may have deleted the job order since
    // the list was read, and the window must not show an empty one as if it were stored.
    const TCommessa commessa = jobOrders.getCommessaFromIdScheda(scelta.FIdScheda);
    if (commessa.FIDCommessaDMS != scelta.FIDCommessaDMS) {
        interaction().showMessage(
            QStringLiteral("Errore"),
            QStringLiteral("La commessa %1 non è più presente nel database: è stata eliminata "
                           "dopo la ricerca.")
                .arg(scelta.FIDCommessaDMS));
        return;
    }
    MostraCommessa(commessa);
    ButtonValorizzaIDClienteDMS->setEnabled(false);
    OperazioneDiModificaCommessa = true;
    ButtonSalvaDatiCommessa->setEnabled(true);
}
