#pragma once

#include <QAnyStringView>
#include <QString>

class IniFile;

// The rules by which the head of the DMS job card document (section "testa") prefills a
// new job order.

// The question asked when the chassis number is longer than the field takes.
inline const QString kDomandaTelaioLungo = QStringLiteral(
    "È stato individuato un telaio con più caratteri del previsto.\r\n"
    "Vuoi troncarlo agli ultimi 8 caratteri?");
constexpr int kLunghezzaTelaio = 8;

// The value of a key of the head, section "testa" (empty when missing).
QString valoreTesta(const IniFile& documento, QAnyStringView chiave);

// The licence plate without any blank (U+0020), wherever it stands.
QString targaSenzaSpazi(const QString& targa);

// Marca + " " + Modello + " " + VersioneTem, each trimmed of blanks and control characters.
QString etichettaVeicolo(const IniFile& documento);

// The brand text of "CodMarcaCobol" (with "CodMarcaAnia" and "CodVersioneCobol" for code
// 8); empty for a code the table does not know. Throws ConversionError when the code is
// not a whole number (a missing or empty one included).
QString testoMarca(const IniFile& documento);

// The item of the customer type box: 1 "Azienda" when the VAT number holds eleven digits
// in a row, else 0 "Cliente Privato" when the fiscal code holds the shape of a person's
// fiscal code, else -1 (no item).
int tipoClienteDaDocumento(const QString& partitaIva, const QString& codiceFiscale);

// The type box item of a stored customer type: "S" 0, "N" 1, anything else -1.
int getTipoClienteFromCodiceCliente(const QString& codice);
