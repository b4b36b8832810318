#pragma once

#include "ui/JobOrderResultWindow.h"

#include <QDate>

// "Risultati Ricerca Commesse": the job orders created on one date, sent or not. Besides the
// actions of every result window, "Cambia Data..." leaves it to choose another date.
class TFormTabellaCommessePerData : public JobOrderResultWindow {
    Q_OBJECT

public:
    TFormTabellaCommessePerData(TFormTavorno& owner, const QDate& SelectedDate,
                                QWidget* parent = nullptr);

    const QDate DataSelezionata;
    // Index for index the job orders of the lines.
    const TListaCommesse& ListaCommessePerData() const { return commesse(); }
    // Set when the window was left with "Cambia Data...".
    bool ChangeDate() const { return FChangeDate; }

    QLabel* Label1 = nullptr;
    QLabel* LabelDataCercata = nullptr;
    QLabel* Label2 = nullptr;
    QListView* CheckListBoxCommessePerData = nullptr;
    QPushButton* ButtonAltraData = nullptr;

protected:
    void ButtonEsciClick() override;

private:
    void FormCreate();
    void ButtonAltraDataClick();

    bool FChangeDate = false;
};
