// "Privacy Cliente...": the consents of the window's customer, stored at once on a stored
// job order.

#include "model/ConsensiPrivacy.h"
#include "platform/Interaction.h"
#include "ui/PrivacyCliente.h"
#include "ui/Tavorno.h"

void TFormTavorno::ButtonPrivacyClienteClick() {
    TFormPrivacyCliente dialog(ClienteSelezionato);
    // However the dialog ended, also in an error, a Conferma hands its consents back.
    runReportingErrors([&] { interaction().showModal(dialog); });
    if (!dialog.MemorizzazionePrivacy()) {
        return;
    }
    for (const ConsensoPrivacy& consenso : kConsensiPrivacy) {
        ClienteSelezionato.*consenso.campo = dialog.Privacy().*consenso.campo;
    }
    if (OperazioneDiModificaCommessa) {
        jobOrders.AggiornaClienteNelDB(ClienteSelezionato);
    }
}
