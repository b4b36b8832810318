#include "platform/IniFile.h"
#include "support/ScriptedInteraction.h"
#include "support/WorkFolder.h"
#include "ui/Configurazione.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

const MappaCodici kMarche = {{QStringLiteral("10"), QStringLiteral("ALFAROMEO")},
                             {QStringLiteral("50"), QStringLiteral("FIAT")}};
const QString kParametriMancanti = QStringLiteral("È necessario inserire tutti i parametri.");
const Shown kInfoInvio{QStringLiteral("message"), QStringLiteral("Info"),
                       QStringLiteral("Abilitando questa funzione, le commesse che verranno "
                                      "inviate\r\npotranno essere analizzate da FCA.")};

QString codiceDaNome(const QString& nome) {
    return kMarche.key(nome);
}

class ConfigurazioneTest : public ::testing::Test {
protected:
    void writeSettings(const QMap<QString, QString>& changes) {
        QMap<QString, QString> params = WorkFolder::defaultSettings();
        params.insert(changes);
        folder.writeSettings(params);
    }
    QString setting(const char* key) const {
        return IniFile::read(folder.path(QStringLiteral("KORVADEX.ini")), QStringLiteral("Params"),
                             QString::fromLatin1(key));
    }

    WorkFolder folder;
    ScriptedInteraction script;
};

TEST_F(ConfigurazioneTest, OpensOnTheSettingsFile) {
    writeSettings({{QStringLiteral("Enviroment"), QStringLiteral("production")},
                   {QStringLiteral("CommesseGiaInviate"), QStringLiteral("TRUE")}});
    TFormConfigurazione dialog(kMarche, codiceDaNome);

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Configurazione"));
    EXPECT_EQ(dialog.EditUserFCA->text(), QStringLiteral("utente.officina"));
    EXPECT_EQ(dialog.EditPasswordFCA->text(), QStringLiteral("segreta"));
    EXPECT_EQ(dialog.EditPasswordFCA->echoMode(), QLineEdit::Password);
    EXPECT_EQ(dialog.EditSincom->text(), QStringLiteral("0123456"));
    EXPECT_EQ(dialog.ComboBoxMarcaAutorizzata->currentText(), QStringLiteral("FIAT"));
    EXPECT_TRUE(dialog.CheckBoxEnviroment->isChecked());
    // Only the exact "true" ticks the box, although the main window reads TRUE as true.
    EXPECT_FALSE(dialog.CheckBoxVisualizzaCommesseInviate->isChecked());
    EXPECT_TRUE(script.shown().empty()) << "the set-up's own ticking shows no message";
}

TEST_F(ConfigurazioneTest, EveryTickByTheUserShowsTheInfoMessage) {
    writeSettings({{QStringLiteral("Enviroment"), QStringLiteral("production")}});
    TFormConfigurazione dialog(kMarche, codiceDaNome);

    dialog.CheckBoxEnviroment->click();  // unticks: nothing
    EXPECT_TRUE(script.shown().empty());
    dialog.CheckBoxEnviroment->click();  // ticks
    dialog.CheckBoxEnviroment->click();
    dialog.CheckBoxEnviroment->click();
    EXPECT_EQ(script.shown(), (std::vector<Shown>{kInfoInvio, kInfoInvio}));
}

TEST_F(ConfigurazioneTest, MissingSettingsFileIsReportedAndTheDialogOpensEmpty) {
    TFormConfigurazione dialog(kMarche, codiceDaNome);

    EXPECT_EQ(script.shown(),
              (std::vector<Shown>{{QStringLiteral("message"), QStringLiteral("Errore"),
                                   QStringLiteral("Non ho individuato il file di "
                                                  "configurazione.\r\nNon posso continuare.")}}));
    EXPECT_TRUE(dialog.EditUserFCA->text().isEmpty());
    EXPECT_EQ(dialog.ComboBoxMarcaAutorizzata->count(), 0);
}

TEST_F(ConfigurazioneTest, SaveRefusedUntilEveryParameterAndABrandAreGiven) {
    struct Caso {
        const char* nome;
        QMap<QString, QString> settings;
    };
    const Caso casi[] = {
        {"empty password", {{QStringLiteral("PasswordDMS"), QString()}}},
        {"brand code not listed", {{QStringLiteral("MarcaAutorizzata"), QStringLiteral("99")}}},
    };
    for (const Caso& caso : casi) {
        writeSettings(caso.settings);
        const QByteArray before = readFile(folder.path(QStringLiteral("KORVADEX.ini")));
        TFormConfigurazione dialog(kMarche, codiceDaNome);
        script.clear();
        script.answer(true);
        dialog.ButtonSalva->click();

        EXPECT_EQ(script.texts(), (std::vector<QString>{QStringLiteral("Vuoi salvare le modifiche "
                                                                       "applicate?"),
                                                        kParametriMancanti}))
            << caso.nome;
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << caso.nome;
        EXPECT_EQ(readFile(folder.path(QStringLiteral("KORVADEX.ini"))), before) << caso.nome;
    }
}

TEST_F(ConfigurazioneTest, SaveWritesTheSixKeysAndKeepsTheOthers) {
    writeSettings({{QStringLiteral("CommesseGiaInviate"), QStringLiteral("TRUE")},
                   {QStringLiteral("Enviroment"), QStringLiteral("production")}});
    TFormConfigurazione dialog(kMarche, codiceDaNome);
    dialog.EditUserFCA->setText(QStringLiteral("nuovo.utente"));
    dialog.EditPasswordFCA->setText(QStringLiteral("pa'ss\"word"));
    dialog.EditSincom->setText(QStringLiteral("7654321"));
    dialog.ComboBoxMarcaAutorizzata->setCurrentIndex(0);
    dialog.CheckBoxEnviroment->setChecked(false);
    script.answer(true);
    dialog.ButtonSalva->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(setting("UtenteDMS"), QStringLiteral("nuovo.utente"));
    EXPECT_EQ(setting("PasswordDMS"), QStringLiteral("pa'ss\"word"));
    EXPECT_EQ(setting("CodiceOfficina"), QStringLiteral("7654321"));
    EXPECT_EQ(setting("MarcaAutorizzata"), QStringLiteral("10"));
    EXPECT_EQ(setting("Enviroment"), QStringLiteral("goldmain"));
    EXPECT_EQ(setting("CommesseGiaInviate"), QStringLiteral("false"));
    EXPECT_EQ(setting("api-key"), QStringLiteral("chiave-di-prova"));
    EXPECT_EQ(setting("DBPath"), QStringLiteral("KORVADEX.db"));
}

TEST_F(ConfigurazioneTest, NoToTheSaveQuestionWritesNothingAndKeepsTheDialogOpen) {
    writeSettings({});
    const QByteArray before = readFile(folder.path(QStringLiteral("KORVADEX.ini")));
    TFormConfigurazione dialog(kMarche, codiceDaNome);
    dialog.EditSincom->setText(QStringLiteral("1111111"));
    script.answer(false);
    dialog.ButtonSalva->click();

    EXPECT_EQ(script.texts(),
              std::vector<QString>{QStringLiteral("Vuoi salvare le modifiche applicate?")});
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(readFile(folder.path(QStringLiteral("KORVADEX.ini"))), before);
}

}  // namespace
