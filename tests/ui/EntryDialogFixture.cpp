#include "EntryDialogFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QTest>

void paste(QLineEdit* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    field->setFocus();
    field->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
        return;
    }
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

void typeOver(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void choose(QComboBox* box, const QString& name) {
    const int index = box->findText(name, Qt::MatchExactly);
    ASSERT_GE(index, 0) << name.toStdString();
    box->showPopup();
    QAbstractItemView* list = box->view();
    const QRect item = list->visualRect(list->model()->index(index, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(box->currentText(), name);
}

void clickItem(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    ASSERT_NE(item, nullptr) << "no item " << row;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

QStringList itemTexts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        texts << list->item(row)->text();
    }
    return texts;
}
