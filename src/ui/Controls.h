#pragma once

// The one place where the windows build their controls, so that every window names, limits,
// labels and wires them the same way: the objectName is the control's name in the program,
// a button is pressed only when the user means it, and a screen reader announces each field
// by its label.

#include <QList>
#include <QString>
#include <functional>

class QAbstractButton;
class QComboBox;
class QDate;
class QDateEdit;
class QFrame;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QObject;
class QPushButton;
class QWidget;

// The windows are designed around a small 8 point font: their fixed areas hold every label
// whole only at that size.
void useWindowFont(QWidget* window);

template <typename Control>
Control* named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// An edit field; `limit` characters at most as the user types (0: no limit). Characters are
// counted as the checks count them: one outside the Basic Multilingual Plane is one.
QLineEdit* lineEdit(const char* name, int limit = 0);

// A field just wide enough for `characters` digits, for short codes and prices.
void fitWidthToDigits(QLineEdit* field, int characters);

// Puts text into a field as the program does: whole, also beyond the typing limit, which
// holds only for what the user types (the checks refuse an overlong text on saving).
void showWhole(QLineEdit* field, const QString& text);

// A push button that never becomes a dialog's default by itself: Enter in a field presses
// no button unless the window binds it.
QPushButton* button(const char* name, const QString& caption);
// A button that shows only an icon; its hint is also its name for a screen reader.
QPushButton* iconButton(const char* name, const QString& hint);

// A combo box in which the user can only choose one of the items: no text can be typed over
// a selection, so what is shown is always an item or nothing.
QComboBox* choiceComboBox(const char* name);
// A combo box whose text can also be typed.
QComboBox* editableComboBox(const char* name);

// A date picker showing day, month and four-digit year, with a calendar to choose from,
// limited to the dates from `first` to `last`.
QDateEdit* datePicker(const char* name, const QDate& first, const QDate& last);

// The label of a control: its buddy is the control, and the control is announced by the
// label's text. Label and control must end up in the same parent widget (place both in the
// layouts of one widget), which is where a screen reader looks for the relation.
QLabel* fieldLabel(const QString& text, QWidget* control);

// Text drawn in red, through the palette: a style sheet would bring the style sheet engine
// into every window that shows a red mark, and into the start-up.
void showInRed(QLabel* label);

// A control followed by the red mark of a mandatory field, as a layout: no widget comes
// between the control and its label's parent.
QHBoxLayout* withMandatoryMark(QWidget* control);

// One-pixel rules between parts of a window.
QFrame* horizontalRule(const char* name = "");
QFrame* verticalRule(const char* name = "");

// The row of the line selected in the list, or -1.
int selectedRow(const QListWidget* list);
// Leaves the list with no line selected or current, without telling its selection handlers.
void leaveWithoutSelection(QListWidget* list);

// The tab order of a window, from the first control to the last.
void chainTabOrder(const QList<QWidget*>& order);

// Runs `handler` on every click of `control`, through the general error report.
void onClick(QAbstractButton* control, QObject* context, std::function<void()> handler);

// Enter or Return on a focused button presses it, as Space does; in any other control the
// key presses nothing. True when the key was one of them.
bool pressFocusedButtonOnEnter(QWidget* window, const QKeyEvent* event);
