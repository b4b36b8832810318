#include "ui/EntryDialogFacts.h"

#include "app/PrezzoOperazione.h"
#include "platform/Interaction.h"

namespace {

using enum EntryCheck;

// clang-format off
// Each fact with the operation's value first and the part's after it.
const EntryDialogFacts kFacts{
    .hasPrice =             {true, false},
    .nameLimit =            {1024, 200},
    .codeLimit =            {7, 15},
    .priceLimit = 9,
    .codeMissing =          {QStringLiteral("Codice Operazione obbligatorio."),
                             QStringLiteral("Codice Ricambio obbligatorio.")},
    .chargeCodeMissing = QStringLiteral("Codice a carico obbligatorio."),
    .priceInvalid =
        QStringLiteral("Formato del prezzo non valido. (5 Interi, \",\" o \".\", 3 Decimali)"),

    .pickWindow =           {{"FormAggiungiOperazione", QStringLiteral("Aggiungi Operazione")},
                             {"FormAggiungiRicambio", QStringLiteral("Aggiungi Ricambio")}},
    .pickClientArea = QSize(595, 287),
    .offeredList =          {{"ListBoxListaOperazioniDisponibili",
                              QStringLiteral("Operazioni disponibili")},
                             {"ListBoxListaRicambiDisponibili",
                              QStringLiteral("Ricambi disponibili")}},
    .pickFields =           {{"EditNomeOperazioneSelezionata", "EditPrezzoOperazione",
                              "EditCodiceOperazione", "ComboBoxCodiceACaricoOperazione"},
                             {"EditNomeRicambioSelezionato", nullptr,
                              "EditCodiceRicambio", "ComboBoxCodiceACaricoRicambio"}},
    .pickNameSpokenName =   {QStringLiteral("Operazione selezionata"),
                             QStringLiteral("Ricambio selezionato")},
    .pickLabels =           {{{}, "Label2", "Label3",
                              {"Label1", QStringLiteral("Cod. Operazione:")},
                              {"Label4", QStringLiteral("A carico di:")}},
                             {{}, nullptr, nullptr,
                              {"Label2", QStringLiteral("Cod. Ricambio:")},
                              {"Label4", QStringLiteral("A carico di:")}}},
    .moveButton =           {{"ButtonPassaOperazioneARicambio",
                              QStringLiteral("Sposta Operazione nei Ricambi")},
                             {"ButtonPassaRicambioAOperazione",
                              QStringLiteral("Sposta Ricambio nelle Operazioni")}},
    .newButton =            {{"ButtonNuovaOperazione",
                              QStringLiteral("Aggiungi Nuova Operazione...")},
                             {"ButtonNuovoRicambio",
                              QStringLiteral("Aggiungi Nuovo Ricambio...")}},
    .selectButton =         {"ButtonSelezionaOperazione", "ButtonSelezionaRicambio"},
    .escapeCancels =        {true, false},
    .pickChecks =           {{Selection, ChargeCode, Price, Code},
                             {Selection, ChargeCode, Code}},
    .selectionMissing =     {QStringLiteral("Devi selezionare un'operazione da aggiungere."),
                             QStringLiteral("Devi selezionare un ricambio da aggiungere.")},
    .moveSelectionMissing = {QStringLiteral("Devi selezionare un'Operazione da spostare."),
                             QStringLiteral("Devi selezionare un Ricambio da spostare.")},
    .moveQuestion =         {{QStringLiteral("Vuoi davvero spostare l'Operazione "),
                              QStringLiteral(" nella lista dei Ricambi?")},
                             {QStringLiteral("Vuoi davvero spostare il Ricambio "),
                              QStringLiteral(" nella lista delle Operazioni?")}},
    .movedCode =            {MovedCode::FromCodeField, MovedCode::Stored},

    .newEntryWindow =       {{"FormNuovaOperazione", QStringLiteral("Nuova Operazione")},
                             {"FormNuovoRicambio", QStringLiteral("Nuovo Ricambio")}},
    .changeWindow =         {{"FormModificaOperazione", QStringLiteral("Modifica Operazione...")},
                             {"FormModificaRicambio", QStringLiteral("Modifica Ricambio...")}},
    .detailsClientArea =    {QSize(466, 162), QSize(447, 130)},
    .detailsFields =        {{"EditNomeOperazione", "EditPrezzo",
                              "EditCodiceOperazione", "ComboBoxCodiceACarico"},
                             {"EditNomeRicambio", nullptr,
                              "EditCodiceRicambio", "ComboBoxCodiceACarico"}},
    .detailsLabels =        {{{"Label1", QStringLiteral("Nome Operazione:")}, "Label3", "Label4",
                              {"Label2", QStringLiteral("Codice Operazione:")},
                              {"Label5", QStringLiteral("Codice a Carico:")}},
                             {{"Label1", QStringLiteral("Nome Ricambio:")}, nullptr, nullptr,
                              {"Label2", QStringLiteral("Codice Ricambio:")},
                              {"Label5", QStringLiteral("Codice a Carico:")}}},
    .newEntryChecks =       {{ChargeCode, Code, Price},
                             {ChargeCode, Code}},
    .changeChecks =         {{ChargeCode, Price, Code},
                             {ChargeCode, Code}},
    .changeQuestion = QStringLiteral("Vuoi salvare le modifiche applicate?"),
};
// clang-format on

bool passes(EntryCheck check, const EnteredValues& values) {
    switch (check) {
        case Selection:
            return values.selected;
        case ChargeCode:
            return values.chargeCodeChosen;
        case Price:
            return prezzoValido(values.price);
        case Code:
            return !values.code.isEmpty();
    }
    return false;
}

QString refusal(EntryCheck check, EntryKind kind) {
    switch (check) {
        case Selection:
            return kFacts.selectionMissing(kind);
        case ChargeCode:
            return kFacts.chargeCodeMissing;
        case Price:
            return kFacts.priceInvalid;
        case Code:
            return kFacts.codeMissing(kind);
    }
    return QString();
}

}  // namespace

const EntryDialogFacts& entryDialogFacts() {
    return kFacts;
}

bool refusedWithMessage(const QList<EntryCheck>& order, EntryKind kind,
                        const EnteredValues& values) {
    for (const EntryCheck check : order) {
        if (!passes(check, values)) {
            interaction().showMessage(QStringLiteral("Errore"), refusal(check, kind));
            return true;
        }
    }
    return false;
}
