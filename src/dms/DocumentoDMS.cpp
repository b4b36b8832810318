#include "dms/DocumentoDMS.h"

#include "dms/OperazioniERicambi.h"
#include "dms/TestataScheda.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "platform/Interaction.h"

namespace {

const QString kTesta = QStringLiteral("testa");

QString valore(const IniFile& documento, const char* chiave) {
    return documento.readString(kTesta, QLatin1String(chiave));
}

// Steps 5.1 to 5.9 for a job card that is not stored, in their order.
void prefillNuovaScheda(const IniFile& documento, const OpzioniLetturaDMS& opzioni,
                        LetturaDocumentoDMS& lettura) {
    const QString partitaIva = valore(documento, "PartitaIva");
    const QString codiceFiscale = valore(documento, "CodFiscale");
    lettura.EditRagioneSociale = valore(documento, " RagSociale");
    lettura.EditCFPIVA = partitaIva.isEmpty() ? codiceFiscale : partitaIva;
    lettura.EditTarga = targaSenzaSpazi(valore(documento, "Targa"));

    const QString telaio = valore(documento, "Telaio");
    lettura.TelaioTroppoLungo = telaio.size() > kLunghezzaTelaio;
    lettura.EditTelaio = *lettura.TelaioTroppoLungo && opzioni.troncaTelaio()
                             ? telaio.right(kLunghezzaTelaio)
                             : telaio;

    lettura.LabelMarcaModelloVeicolo = etichettaVeicolo(documento);
    lettura.ComboBoxMarche = testoMarca(documento);
    lettura.ComboBoxTipoCliente = tipoClienteDaDocumento(partitaIva, codiceFiscale);

    const QString codiceCliente = valore(documento, "CodCliente");
    const bool senzaCodice = codiceCliente == QLatin1String("00000");
    lettura.EditIDClienteDMS = senzaCodice ? QString() : codiceCliente;
    lettura.ButtonValorizzaIDClienteDMS = senzaCodice;

    lettura.ClienteSelezionato = TCliente::Create(
        *lettura.EditIDClienteDMS, *lettura.EditRagioneSociale, *lettura.EditCFPIVA,
        *lettura.ComboBoxTipoCliente == 0 ? QStringLiteral("S") : QStringLiteral("N"),
        QStringLiteral("00/00/0000T00:00:00"), false, false, false, false, false, false);
}

void leggiTestata(const IniFile& documento, const OpzioniLetturaDMS& opzioni,
                  LetturaDocumentoDMS& lettura) {
    lettura.PIvaCarr = valore(documento, "Piva");
    lettura.EditCodiceScheda = documento.readString(
        QStringLiteral("DatiScheda"), QStringLiteral("CodiceScheda"), QStringLiteral("<NO DATA>"));
    lettura.schedaMemorizzata = opzioni.esisteScheda(*lettura.EditCodiceScheda);
    if (*lettura.schedaMemorizzata) {
        lettura.LabelMarcaModelloVeicolo = etichettaVeicolo(documento);
        return;
    }
    prefillNuovaScheda(documento, opzioni, lettura);
}

}  // namespace

bool OpzioniLetturaDMS::chiediTroncaTelaio() {
    return interaction().confirm(kDomandaTelaioLungo);
}

LetturaDocumentoDMS leggiDocumentoDMS(const IniFile& documento, const OpzioniLetturaDMS& opzioni) {
    LetturaDocumentoDMS lettura;
    lettura.documentoPresente = documento.fileExists();
    if (!documento.readError().isEmpty()) {
        lettura.errore = QStringLiteral("Impossibile leggere il documento DMS \"%1\": %2")
                             .arg(documento.path(), documento.readError());
        return lettura;
    }
    try {
        LoadOperazioniERicambi(documento, lettura.ListaOperazioniDisponibili,
                               lettura.ListaRicambiDisponibili, opzioni.locale);
        if (lettura.documentoPresente) {
            leggiTestata(documento, opzioni, lettura);
        }
    } catch (const TavornoError& error) {
        lettura.errore = error.message();
    }
    return lettura;
}
