#pragma once

#include "db/ReferenceTables.h"
#include "ui/ModalDialog.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The settings dialog: the six settings the user may change, written to KORVADEX.ini on
// "Salva". Made anew for every opening, with the main window's brand map.
class TFormConfigurazione : public ModalDialog {
    Q_OBJECT

public:
    using CodiceMarcaDaNome = std::function<QString(const QString& nomeMarca)>;

    TFormConfigurazione(const MappaCodici& mapMarche, CodiceMarcaDaNome getCodiceMarca,
                        QWidget* parent = nullptr);

    const MappaCodici MapMarche;

    QLineEdit* EditUserFCA = nullptr;
    QLineEdit* EditPasswordFCA = nullptr;
    QLineEdit* EditSincom = nullptr;
    QComboBox* ComboBoxMarcaAutorizzata = nullptr;
    QCheckBox* CheckBoxEnviroment = nullptr;
    QCheckBox* CheckBoxVisualizzaCommesseInviate = nullptr;
    QPushButton* ButtonAnnulla = nullptr;
    QPushButton* ButtonSalva = nullptr;

private:
    void buildControls();
    void caricaImpostazioni();
    void CheckBoxEnviromentClick(bool ticked);
    void ButtonSalvaClick();
    bool marcaScelta() const;

    CodiceMarcaDaNome getCodiceMarca_;
};
