#include "app/VerificaCommessa.h"

#include <optional>

namespace {

// Characters as the user sees them: a letter outside the Basic Multilingual Plane is one.
qsizetype caratteri(const QString& text) {
    return text.toUcs4().size();
}

std::optional<QString> erroreVeicolo(const DatiCommessaDaVerificare& d) {
    if (d.targa.isEmpty() || d.mvs.isEmpty() || d.telaio.isEmpty() || d.marca.isEmpty()) {
        return QStringLiteral(
            "Controllare che tutti i dati del Veicolo obbligatori siano inseriti.");
    }
    if (caratteri(d.telaio) > 8) {
        return QStringLiteral("Il campo \"Telaio\" può contenere al massimo 8 caratteri.");
    }
    if (caratteri(d.mvs) != 7) {
        return QStringLiteral("Il campo \"MVS\" dev'essere di 7 caratteri.");
    }
    if (caratteri(d.targa) > 10) {
        return QStringLiteral("Il campo \"Targa\" può contenere al massimo 10 caratteri.");
    }
    if (caratteri(d.targa) < 7) {
        return QStringLiteral("Il campo \"Targa\" deve contenere al minimo 7 caratteri.");
    }
    return std::nullopt;
}

std::optional<QString> erroreCommessa(const DatiCommessaDaVerificare& d,
                                      bool descrizioneRichiesta) {
    if (d.codiceOfficina.isEmpty() || d.mercato.isEmpty() ||
        (descrizioneRichiesta && d.descrizione.isEmpty())) {
        return QStringLiteral(
            "Controllare che tutti i dati della Commessa obbligatori siano inseriti.");
    }
    return std::nullopt;
}

std::optional<QString> erroreCliente(const DatiCommessaDaVerificare& d) {
    if (d.ragioneSociale.isEmpty() || d.tipoCliente.isEmpty() || d.codiceFiscale.isEmpty() ||
        d.idCliente.isEmpty()) {
        return QStringLiteral(
            "Controllare che tutti i dati del Cliente obbligatori siano inseriti.");
    }
    if (caratteri(d.ragioneSociale) > 60) {
        return QStringLiteral(
            "Il campo \"Ragione Sociale\" può contenere al massimo 60 caratteri.");
    }
    if (caratteri(d.codiceFiscale) > 16) {
        return QStringLiteral(
            "Il campo \"Codice Fiscale/P. Iva\" può contenere al massimo 16 caratteri.");
    }
    return std::nullopt;
}

}  // namespace

QStringList erroriDatiCommessa(const DatiCommessaDaVerificare& dati, bool descrizioneRichiesta) {
    QStringList errori;
    for (const std::optional<QString>& errore :
         {erroreVeicolo(dati), erroreCommessa(dati, descrizioneRichiesta), erroreCliente(dati)}) {
        if (errore) {
            errori << *errore;
        }
    }
    return errori;
}
