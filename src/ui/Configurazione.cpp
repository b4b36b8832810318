#include "ui/Configurazione.h"

#include "app/Settings.h"
#include "platform/IniFile.h"
#include "platform/Interaction.h"
#include "platform/Paths.h"
#include "ui/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TFormConfigurazione::TFormConfigurazione(const MappaCodici& mapMarche,
                                         CodiceMarcaDaNome getCodiceMarca, QWidget* parent)
    : ModalDialog(QStringLiteral("Configurazione"), parent),
      MapMarche(mapMarche),
      getCodiceMarca_(std::move(getCodiceMarca)) {
    setObjectName(QStringLiteral("FormConfigurazione"));
    buildControls();
    setClientArea(sizeHint().expandedTo(QSize(420, 0)));
    caricaImpostazioni();
}

void TFormConfigurazione::buildControls() {
    auto* pagine = new QTabWidget(this);
    pagine->setObjectName(QStringLiteral("PageControlConfigurazione"));

    auto* generale = new QWidget;
    generale->setObjectName(QStringLiteral("Generale"));
    auto* campi = new QFormLayout(generale);
    const auto riga = [campi](const QString& etichetta, QWidget* campo) {
        campi->addRow(fieldLabel(etichetta, campo), campo);
    };
    EditUserFCA = lineEdit("EditUserFCA");
    riga(QStringLiteral("Nome Utente FCA:"), EditUserFCA);
    EditPasswordFCA = lineEdit("EditPasswordFCA");
    EditPasswordFCA->setEchoMode(QLineEdit::Password);
    EditPasswordFCA->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));  // "*"
    riga(QStringLiteral("Password FCA:"), EditPasswordFCA);
    EditSincom = lineEdit("EditSincom");
    riga(QStringLiteral("Sincom:"), EditSincom);
    // The user may also type a brand; saving accepts only a listed one.
    ComboBoxMarcaAutorizzata = editableComboBox("ComboBoxMarcaAutorizzata");
    riga(QStringLiteral("Marca Autorizzata:"), ComboBoxMarcaAutorizzata);
    CheckBoxEnviroment = new QCheckBox(QStringLiteral("Abilita l'invio delle Commesse ad FCA"));
    CheckBoxEnviroment->setObjectName(QStringLiteral("CheckBoxEnviroment"));
    campi->addRow(CheckBoxEnviroment);
    pagine->addTab(generale, QStringLiteral("Generale"));

    auto* commesse = new QWidget;
    commesse->setObjectName(QStringLiteral("Commesse"));
    auto* opzioni = new QVBoxLayout(commesse);
    CheckBoxVisualizzaCommesseInviate =
        new QCheckBox(QStringLiteral("Gestisci le Commesse già inviate in precedenza "));
    CheckBoxVisualizzaCommesseInviate->setObjectName(
        QStringLiteral("CheckBoxVisualizzaCommesseInviate"));
    opzioni->addWidget(CheckBoxVisualizzaCommesseInviate);
    opzioni->addStretch();
    pagine->addTab(commesse, QStringLiteral("Commesse"));

    ButtonAnnulla = button("ButtonAnnulla", QStringLiteral("Annulla"));
    ButtonSalva = button("ButtonSalva", QStringLiteral("Salva"));
    auto* barra = new QHBoxLayout;
    barra->addStretch();
    barra->addWidget(ButtonAnnulla);
    barra->addWidget(ButtonSalva);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pagine);
    layout->addLayout(barra);

    closesWith(ButtonAnnulla, Cancel);
    onClick(ButtonSalva, &TFormConfigurazione::ButtonSalvaClick);
    // Only the user's clicks arrive here: the set-up's own ticking shows no message.
    connect(CheckBoxEnviroment, &QCheckBox::clicked, this,
            &TFormConfigurazione::CheckBoxEnviromentClick);
}

void TFormConfigurazione::caricaImpostazioni() {
    const IniFile impostazioni(Paths::settingsFile());
    if (!impostazioni.fileExists()) {
        interaction().showMessage(
            QStringLiteral("Errore"),
            QStringLiteral(
                "Non ho individuato il file di configurazione.\r\nNon posso continuare."));
        return;
    }
    const auto valore = [&](const char* key) {
        return impostazioni.readString(Settings::kSection, QString::fromLatin1(key));
    };
    EditUserFCA->setText(valore("UtenteDMS"));
    EditPasswordFCA->setText(valore("PasswordDMS"));
    EditSincom->setText(valore("CodiceOfficina"));
    CheckBoxEnviroment->setChecked(valore("Enviroment") == QLatin1String("production"));
    CheckBoxVisualizzaCommesseInviate->setChecked(valore("CommesseGiaInviate") ==
                                                  QLatin1String("true"));
    const QString marcaAutorizzata = valore("MarcaAutorizzata");
    int scelta = -1;
    for (auto marca = MapMarche.cbegin(); marca != MapMarche.cend(); ++marca) {
        ComboBoxMarcaAutorizzata->addItem(marca.value());
        if (marca.key() == marcaAutorizzata) {
            scelta = ComboBoxMarcaAutorizzata->count() - 1;
        }
    }
    // A code that is not among the brands leaves the list with no brand chosen.
    ComboBoxMarcaAutorizzata->setCurrentIndex(scelta);
}

void TFormConfigurazione::CheckBoxEnviromentClick(bool ticked) {
    if (ticked) {
        interaction().showMessage(
            QStringLiteral("Info"),
            QStringLiteral("Abilitando questa funzione, le commesse che verranno inviate\r\n"
                           "potranno essere analizzate da FCA."));
    }
}

// A brand counts as chosen when the text in the box is one of the listed brand names.
bool TFormConfigurazione::marcaScelta() const {
    const QString testo = ComboBoxMarcaAutorizzata->currentText();
    return !testo.isEmpty() && ComboBoxMarcaAutorizzata->findText(testo, Qt::MatchExactly) >= 0;
}

void TFormConfigurazione::ButtonSalvaClick() {
    if (!interaction().confirm(QStringLiteral("Vuoi salvare le modifiche applicate?"))) {
        return;
    }
    if (EditUserFCA->text().isEmpty() || EditPasswordFCA->text().isEmpty() ||
        EditSincom->text().isEmpty() || !marcaScelta()) {
        interaction().showMessage(QStringLiteral("Errore"),
                                  QStringLiteral("È necessario inserire tutti i parametri."));
        return;
    }
    IniFile impostazioni(Paths::settingsFile());
    const auto scrivi = [&](const char* key, const QString& value) {
        impostazioni.writeString(Settings::kSection, QString::fromLatin1(key), value);
    };
    scrivi("UtenteDMS", EditUserFCA->text());
    scrivi("PasswordDMS", EditPasswordFCA->text());
    scrivi("CodiceOfficina", EditSincom->text());
    scrivi("MarcaAutorizzata", getCodiceMarca_(ComboBoxMarcaAutorizzata->currentText()));
    scrivi("Enviroment", CheckBoxEnviroment->isChecked() ? QStringLiteral("production")
                                                         : QStringLiteral("goldmain"));
    scrivi("CommesseGiaInviate", CheckBoxVisualizzaCommesseInviate->isChecked()
                                     ? QStringLiteral("true")
                                     : QStringLiteral("false"));
    impostazioni.save();
    closeWhenHandlerEnds(Ok);
}
