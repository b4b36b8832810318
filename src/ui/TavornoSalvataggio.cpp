// Saving the job order the main window shows, and making a new customer id.

#include "app/VerificaCommessa.h"
#include "db/JobOrderStore.h"
#include "model/ConsensiPrivacy.h"
#include "platform/Interaction.h"
#include "ui/Controls.h"
#include "ui/Tavorno.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

void TFormTavorno::ButtonSalvaDatiCommessaClick() {
    if (OperazioneDiModificaCommessa) {
        salvaCommessaMemorizzata();
    } else {
        salvaNuovaCommessa();
    }
}

bool TFormTavorno::VerificaDatiCommessa(bool descrizioneRichiesta) {
    DatiCommessaDaVerificare dati;
    dati.targa = EditTarga->text();
    dati.marca = ComboBoxMarche->currentText();
    dati.mvs = EditMVS->text();
    dati.telaio = EditTelaio->text();
    dati.codiceOfficina = EditCodiceOfficina->text();
    dati.mercato = ComboBoxCodiceMercato->currentText();
    dati.descrizione = EditDescrizioneCommessa->text();
    dati.ragioneSociale = EditRagioneSociale->text();
    dati.tipoCliente = ComboBoxTipoCliente->currentText();
    dati.codiceFiscale = EditCFPIVA->text();
    dati.idCliente = EditIDClienteDMS->text();
    const QStringList errori = erroriDatiCommessa(dati, descrizioneRichiesta);
    for (const QString& errore : errori) {
        interaction().showMessage(QStringLiteral("Errore"), errore);
    }
    return errori.isEmpty();
}

// "S" only when the box shows its first item, "Cliente Privato"; any other text is a company.
QString TFormTavorno::codiceTipoCliente() const {
    return ComboBoxTipoCliente->currentText() == ComboBoxTipoCliente->itemText(0)
               ? QStringLiteral("S")
               : QStringLiteral("N");
}

// The window's customer: its consents and their time stay those of ClienteSelezionato.
TCliente TFormTavorno::clienteDallaFinestra() const {
    TCliente cliente = ClienteSelezionato;
    cliente.FIdCliente = EditIDClienteDMS->text();
    cliente.FRagioneSociale = EditRagioneSociale->text();
    cliente.FTipoCliente = codiceTipoCliente();
    cliente.FCodiceFiscale = EditCFPIVA->text();
    return cliente;
}

TCommessa TFormTavorno::commessaDallaFinestra() {
    return TCommessa::Create(
        EditIDCommessaDMS->text(), EditDescrizioneCommessa->text(), CodiceOfficina,
        riferimenti_.getCodiceMercato(ComboBoxCodiceMercato->currentText()),
        EditCodiceScheda->text(), QString(), EditIDClienteDMS->text(), -1, -1, nullptr, false);
}

TVeicolo TFormTavorno::veicoloDallaFinestra(const QString& targa) {
    return TVeicolo::Create(-1, targa, riferimenti_.getCodiceMarca(ComboBoxMarche->currentText()),
                            EditMVS->text(), EditTelaio->text());
}

void TFormTavorno::salvaNuovaCommessa() {
    if (!VerificaDatiCommessa(true)) {
        return;
    }
    if (!interaction().confirm(
            QStringLiteral("Stai per inserire una nuova Commessa.\r\nVuoi continuare?"))) {
        return;
    }
    // The plate as typed.
    memorizzaNuovaCommessa(EditTarga->text());
}

void TFormTavorno::memorizzaNuovaCommessa(const QString& targa) {
    TCommessa commessa = commessaDallaFinestra();
    const TCliente cliente = clienteDallaFinestra();

    // Vehicle, job card, customer and job order are stored together or not at all.
    const CommessaSalvata salvata =
        jobOrders.SalvaNuovaCommessa(commessa, cliente, veicoloDallaFinestra(targa));

    commessa.FIdScheda = salvata.IdScheda;
    commessa.FIdVeicolo = salvata.IdVeicolo;
    commessa.FIDCommessaDMS = salvata.IDCommessaDMS;
    showWhole(EditIDCommessaDMS, salvata.IDCommessaDMS);
    ClienteSelezionato = cliente;
    // A customer stored before keeps the consents of its row; the window takes them, so that
    // "Privacy Cliente..." shows them and overwriting the job order does not refuse them all.
    for (const ConsensoPrivacy& consenso : kConsensiPrivacy) {
        ClienteSelezionato.*consenso.campo = salvata.Cliente.*consenso.campo;
    }
    ClienteSelezionato.FDataOraCessionePrivacy = salvata.Cliente.FDataOraCessionePrivacy;
    CommessaSelezionata = commessa;
    ButtonValorizzaIDClienteDMS->setEnabled(false);
    OperazioneDiModificaCommessa = true;
    ButtonSalvaDatiCommessa->setEnabled(true);
}

void TFormTavorno::salvaCommessaMemorizzata() {
    if (!jobOrders.IsCommessaSent(EditIDCommessaDMS->text())) {
        SovrascriviCommessa();
    } else if (GestisciCommesseInviate) {
        if (interaction().confirm(
                QStringLiteral("Questa Commessa risulta già spedita.\r\nVuoi comunque modificare "
                               "i dati al suo interno?"))) {
            SovrascriviCommessa();
        }
    } else {
        interaction().showMessage(
            QStringLiteral("Errore"),
            QStringLiteral("La modifica delle commesse inviate è disabilitata.\r\nPer abilitarla, "
                           "recarsi nelle impostazioni del programma."));
    }
}

void TFormTavorno::SovrascriviCommessa() {
    if (!interaction().confirm(
            QStringLiteral("Verranno sovrascritti tutti i dati della Commessa, del Cliente e del "
                           "Veicolo corrente.\r\nVuoi davvero continuare?"))) {
        return;
    }
    TCommessa commessa;
    commessa.FIDCommessaDMS = EditIDCommessaDMS->text();
    commessa.FDescrizioneCommessa = EditDescrizioneCommessa->text();
    TCliente cliente = clienteDallaFinestra();
    cliente.FDataOraCessionePrivacy.clear();

    jobOrders.AggiornaDescrizioneCommessa(commessa, cliente);

    ClienteSelezionato.FIdCliente = cliente.FIdCliente;
    ClienteSelezionato.FRagioneSociale = cliente.FRagioneSociale;
    ClienteSelezionato.FTipoCliente = cliente.FTipoCliente;
    ClienteSelezionato.FCodiceFiscale = cliente.FCodiceFiscale;
    interaction().showMessage(QStringLiteral("Info"),
                              QStringLiteral("Dati aggiornati con successo!"));
}

void TFormTavorno::ButtonValorizzaIDClienteDMSClick() {
    const std::optional<qint64> libero = jobOrders.PrimoIdClienteLibero();
    if (!libero) {
        EditIDClienteDMS->setText(QStringLiteral("00001"));
        return;
    }
    showWhole(EditIDClienteDMS, JobOrderStore::AggiungiZeriIdCliente(QString::number(*libero)));
    ButtonValorizzaIDClienteDMS->setEnabled(false);
}
