#include "ui/Controls.h"

#include "platform/Interaction.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QValidator>
#include <algorithm>

namespace {

qsizetype characterCount(QStringView text) {
    return text.toUcs4().size();
}

// A field's typing limit, counted in characters as the checks count them: a character outside
// the Basic Multilingual Plane is one, and it is never cut in half. What would go past the
// limit is taken off the text just put in, before the cursor, as an edit field's own limit
// does with a paste. Program text shown whole widens the limit to its own length.
class CharacterLimit : public QValidator {
public:
    CharacterLimit(int limit, QObject* field) : QValidator(field), limit_(limit), room_(limit) {}

    void makeRoomFor(const QString& text) {
        room_ = std::max<qsizetype>(limit_, characterCount(text));
    }

    State validate(QString& input, int& pos) const override {
        for (qsizetype excess = characterCount(input) - room_; excess > 0 && pos > 0; --excess) {
            int start = pos - 1;
            if (start > 0 && input[start].isLowSurrogate() && input[start - 1].isHighSurrogate()) {
                --start;
            }
            input.remove(start, pos - start);
            pos = start;
        }
        return Acceptable;
    }

private:
    const qsizetype limit_;
    qsizetype room_;
};

// "Targa:" is announced as "Targa".
QString spokenName(const QString& labelText) {
    QString name = labelText.trimmed();
    while (name.endsWith(u':')) {
        name.chop(1);
    }
    return name.remove(u'&').trimmed();
}

QFrame* rule(const char* name, QFrame::Shape shape) {
    auto* line = named(new QFrame, name);
    line->setFrameShape(shape);
    // Plain: a sunken line is drawn two pixels wide, a dark one and a light one.
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    line->setForegroundRole(QPalette::Mid);
    return line;
}

}  // namespace

void useWindowFont(QWidget* window) {
    QFont small = window->font();
    small.setPointSize(8);
    window->setFont(small);
}

QLineEdit* lineEdit(const char* name, int limit) {
    auto* field = named(new QLineEdit, name);
    if (limit > 0) {
        field->setValidator(new CharacterLimit(limit, field));
    }
    return field;
}

void fitWidthToDigits(QLineEdit* field, int characters) {
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(characters, u'0')) + 12);
}

void showWhole(QLineEdit* field, const QString& text) {
    if (auto* limit = dynamic_cast<CharacterLimit*>(
            field->findChild<QValidator*>(QString(), Qt::FindDirectChildrenOnly))) {
        limit->makeRoomFor(text);
    }
    field->setText(text);
    // A text longer than the field is read from its beginning.
    field->setCursorPosition(0);
}

QPushButton* button(const char* name, const QString& caption) {
    auto* control = named(new QPushButton(caption), name);
    control->setAutoDefault(false);
    control->setDefault(false);
    return control;
}

QPushButton* iconButton(const char* name, const QString& hint) {
    QPushButton* control = button(name, QString());
    control->setToolTip(hint);
    control->setAccessibleName(hint);
    return control;
}

QComboBox* choiceComboBox(const char* name) {
    auto* box = named(new QComboBox, name);
    box->setEditable(false);
    return box;
}

QComboBox* editableComboBox(const char* name) {
    auto* box = named(new QComboBox, name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

QDateEdit* datePicker(const char* name, const QDate& first, const QDate& last) {
    auto* picker = named(new QDateEdit, name);
    picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    picker->setDateRange(first, last);
    picker->setCalendarPopup(true);
    return picker;
}

QLabel* fieldLabel(const QString& text, QWidget* control) {
    auto* label = new QLabel(text);
    label->setBuddy(control);
    control->setAccessibleName(spokenName(text));
    return label;
}

void showInRed(QLabel* label) {
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(red);
}

QHBoxLayout* withMandatoryMark(QWidget* control) {
    auto* mark = new QLabel(QStringLiteral("*"));
    showInRed(mark);
    QFont bold = mark->font();
    bold.setBold(true);
    mark->setFont(bold);
    mark->setAccessibleName(QStringLiteral("Campo obbligatorio"));
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    row->addWidget(control, 1);
    row->addWidget(mark);
    return row;
}

QFrame* horizontalRule(const char* name) {
    return rule(name, QFrame::HLine);
}

QFrame* verticalRule(const char* name) {
    return rule(name, QFrame::VLine);
}

int selectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

void leaveWithoutSelection(QListWidget* list) {
    const QSignalBlocker quiet(list);
    list->clearSelection();
    list->setCurrentRow(-1);
}

void chainTabOrder(const QList<QWidget*>& order) {
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void onClick(QAbstractButton* control, QObject* context, std::function<void()> handler) {
    QObject::connect(control, &QAbstractButton::clicked, context,
                     [handler = std::move(handler)] { runReportingErrors(handler); });
}

bool pressFocusedButtonOnEnter(QWidget* window, const QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        return false;
    }
    if (auto* focused = qobject_cast<QAbstractButton*>(window->focusWidget());
        focused != nullptr && focused->isEnabled() && focused->isVisible()) {
        focused->click();
    }
    return true;
}
