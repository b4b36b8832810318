#pragma once

#include "app/Startup.h"
#include "db/ReferenceTables.h"

#include <QWidget>

class QComboBox;
class TDataModule1;

// The main window: one job order at a time. Closing it ends the program.
class TFormTavorno : public QWidget, public CaricatoriRiferimento {
    Q_OBJECT

public:
    explicit TFormTavorno(TDataModule1& dataModule, QWidget* parent = nullptr);

    // The window's own set-up, run by start-up right after construction. An error ends it
    // at that point and reaches the general error report.
    void FormCreate();

    static QString GetVersioneProgramma();

    void CaricaMercati() override;
    void CaricaMarche() override;
    void CaricaTipiIntervento() override;
    void CaricaCodiciACarico() override;

    MappaCodici MapMercati;
    MappaCodici MapMarche;
    MappaCodici MapTipiIntervento;
    MappaCodici MapCodiciACarico;

    QComboBox* ComboBoxCodiceMercato = nullptr;
    QComboBox* ComboBoxMarche = nullptr;

private:
    void buildControls();

    TDataModule1& dm_;
    ReferenceTables riferimenti_;
};
