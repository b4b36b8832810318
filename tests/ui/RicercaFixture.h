#pragma once

// The program on a database of job orders of several dates, and the user's hand on a result
// list: lines highlighted with the mouse or the arrow keys, checked with Space or with a
// click on their box.

#include "TavornoFixture.h"
#include "ui/CheckableJobOrderModel.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDate>
#include <QListView>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

class RicercaTest : public TavornoTest {
protected:
    void SetUp() override {
        TavornoTest::SetUp();
        database().exec(QStringLiteral(
            "INSERT INTO Veicolo (Targa, CodiceMarca, MVS, Telaio) VALUES ('AB123CD', '60', "
            "'1690AXB', '12345678');"
            "INSERT INTO Cliente (IdCliente, RagioneSociale, TipoCliente, CodiceFiscale) "
            "VALUES ('00012', 'Rossi Mario', 'S', 'RSSMRA80A01H501U');"));
    }

    // A stored job order of customer 00012 and vehicle AB123CD created on `data`, with one
    // complaint that has one operation and one part. Returns its job order id.
    QString memorizza(const QString& descrizione, const QDate& data, int statoInvio = 0) {
        DbProbe db = database();
        const QString n = QString::number(++schede_);
        db.exec(QStringLiteral("INSERT INTO Scheda (CodiceScheda, IdCliente, IdVeicolo) VALUES "
                               "('SK%1', 12, 1);")
                    .arg(n));
        db.exec(QStringLiteral("INSERT INTO Commessa (IdScheda, DescrizioneCommessa, "
                               "DataCommessa, MarketCode, IdCliente, IdVeicolo, StatoInvio) "
                               "VALUES ((SELECT MAX(IdScheda) FROM Scheda), '%1', '%2', 380, 12, "
                               "1, %3);")
                    .arg(QString(descrizione).replace(u'\'', QStringLiteral("''")),
                         data.toString(Qt::ISODate), QString::number(statoInvio)));
        const QString id = db.scalar(QStringLiteral("SELECT MAX(IDCommessaDMS) FROM Commessa"));
        db.exec(QStringLiteral(
                    "INSERT INTO Inconveniente (IdCommessa, Descrizione, CodiceACarico, "
                    "TipoIntervento) VALUES (%1, 'Rumore n. %2', 'C', 'M');"
                    "INSERT INTO Operazione (Prezzo, CodiceOperazione, Descrizione, "
                    "CodiceACarico, IdInconveniente) VALUES ('45,5', 'OP%2', 'Controllo', 'C', "
                    "(SELECT MAX(IdInconveniente) FROM Inconveniente));"
                    "INSERT INTO Ricambio (CodiceRicambio, Descrizione, CodiceACarico, "
                    "IdInconveniente) VALUES ('7175%2', 'Pastiglie', 'G', (SELECT "
                    "MAX(IdInconveniente) FROM Inconveniente));")
                    .arg(id, n));
        return id;
    }

    // The ids still stored, in id order.
    QStringList idMemorizzati() {
        return database().rows(
            QStringLiteral("SELECT IDCommessaDMS FROM Commessa ORDER BY IDCommessaDMS"));
    }

    static const QDate kGiorno;
    static const QDate kAltroGiorno;

private:
    int schede_ = 0;
};

inline const QDate RicercaTest::kGiorno{2019, 7, 5};
inline const QDate RicercaTest::kAltroGiorno{2019, 10, 15};

// The texts of the lines, top to bottom.
inline QStringList righe(const QListView* list) {
    QStringList texts;
    const QAbstractItemModel* model = list->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        texts << model->index(row, 0).data().toString();
    }
    return texts;
}

// The job order ids behind the lines, top to bottom.
inline QStringList idDietroLeRighe(const TListaCommesse& lista) {
    QStringList ids;
    for (const TCommessa& commessa : lista) {
        ids << commessa.FIDCommessaDMS;
    }
    return ids;
}

inline QStringList righeSpuntate(const QListView* list) {
    QStringList texts;
    const QAbstractItemModel* model = list->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked) {
            texts << model->index(row, 0).data().toString();
        }
    }
    return texts;
}

// A click on the line's text: the line becomes the highlighted one.
inline void evidenzia(QListView* list, int row) {
    const QRect line = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, line.center());
}

// The line highlighted, then Space on it.
inline void spuntaConSpazio(QListView* list, int row) {
    evidenzia(list, row);
    QTest::keyClick(list, Qt::Key_Space);
}

// A click on the line's check box.
inline void spuntaConClic(QListView* list, int row) {
    const QModelIndex index = list->model()->index(row, 0);
    QStyleOptionViewItem option;
    option.initFrom(list->viewport());
    option.rect = list->visualRect(index);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = index.data().toString();
    const QRect box =
        list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, box.center());
}
