#include "dms/DocumentoDMS.h"

#include "dms/OperazioniERicambi.h"
#include "dms/TestataScheda.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "platform/Interaction.h"

namespace {

// What the head gives a job card that is not stored, in the order it is read.
void prefillNuovaScheda(const IniFile& documento, const OpzioniLetturaDMS& opzioni,
                        LetturaDocumentoDMS& lettura) {
    const QString partitaIva = valoreTesta(documento, "PartitaIva");
    const QString codiceFiscale = valoreTesta(documento, "CodFiscale");
    lettura.EditRagioneSociale = valoreTesta(documento, " RagSociale");
    lettura.EditCFPIVA = partitaIva.isEmpty() ? codiceFiscale : partitaIva;
    lettura.EditTarga = targaSenzaSpazi(valoreTesta(documento, "Targa"));

    const QString telaio = valoreTesta(documento, "Telaio");
    lettura.TelaioTroppoLungo = telaio.size() > kLunghezzaTelaio;
    lettura.EditTelaio = *lettura.TelaioTroppoLungo && opzioni.troncaTelaio()
                             ? telaio.right(kLunghezzaTelaio)
                             : telaio;

    lettura.LabelMarcaModelloVeicolo = etichettaVeicolo(documento);
    lettura.ComboBoxMarche = testoMarca(documento);
    lettura.ComboBoxTipoCliente = tipoClienteDaDocumento(partitaIva, codiceFiscale);

    const QString codiceCliente = valoreTesta(documento, "CodCliente");
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
    lettura.PIvaCarr = valoreTesta(documento, "Piva");
    lettura.EditCodiceScheda = documento.readString(
        QStringLiteral("DatiScheda"), QStringLiteral("CodiceScheda"), QStringLiteral("<NO DATA>"));
    lettura.schedaMemorizzata = opzioni.esisteScheda(*lettura.EditCodiceScheda);
    if (*lettura.schedaMemorizzata) {
        lettura.LabelMarcaModelloVeicolo = etichettaVeicolo(documento);
        return;
    }
    prefillNuovaScheda(documento, opzioni, lettura);
}

QString documentoIlleggibile(const IniFile& documento, const QString& motivo) {
    return QStringLiteral("Impossibile leggere il documento DMS \"%1\": %2")
        .arg(documento.path(), motivo);
}

}  // namespace

bool OpzioniLetturaDMS::chiediTroncaTelaio() {
    return interaction().confirm(kDomandaTelaioLungo);
}

LetturaDocumentoDMS leggiDocumentoDMS(const IniFile& documento, const OpzioniLetturaDMS& opzioni) {
    LetturaDocumentoDMS lettura;
    lettura.documentoPresente = documento.fileExists();
    if (!documento.readError().isEmpty()) {
        lettura.errore = documentoIlleggibile(documento, documento.readError());
        return lettura;
    }
    try {
        LoadOperazioniERicambi(documento, lettura.ListaOperazioniDisponibili,
                               lettura.ListaRicambiDisponibili, opzioni.locale);
        if (!lettura.documentoPresente) {
            return lettura;
        }
        // Without its head the document was not understood at all; a key the reading would
        // then miss is not what is wrong with it.
        if (!documento.sectionExists(QStringLiteral("testa"))) {
            lettura.errore = documentoIlleggibile(
                documento, QStringLiteral("manca l'intestazione della scheda (sezione [testa]): "
                                          "il file è vuoto, danneggiato o scritto in una "
                                          "codifica sconosciuta. Far scrivere di nuovo la "
                                          "scheda dal DMS."));
            return lettura;
        }
        leggiTestata(documento, opzioni, lettura);
    } catch (const TavornoError& error) {
        lettura.errore = error.message();
    }
    return lettura;
}
