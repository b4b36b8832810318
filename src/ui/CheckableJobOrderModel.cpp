#include "ui/CheckableJobOrderModel.h"

#include "ui/Controls.h"

#include <QListView>
#include <QStyledItemDelegate>
#include <algorithm>
#include <functional>

namespace {

// Asks no width of a line: the list then makes every line as wide as itself.
class ListWideLines : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {0, QStyledItemDelegate::sizeHint(option, index).height()};
    }
};

// A check changes no line's size, so the lines stay where they are: QListView would lay out
// every line again after any change of data, which ten years of lines make slow.
class CheckListView : public QListView {
public:
    using QListView::QListView;

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles) override {
        if (roles == QList<int>{Qt::CheckStateRole}) {
            QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
        } else {
            QListView::dataChanged(topLeft, bottomRight, roles);
        }
    }
};

bool isLineBreak(QChar c) {
    return c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == QChar(0x85) ||
           c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// The description as its line shows it: whatever line breaks it holds become blanks.
QString oneLine(QString description) {
    description.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    std::replace_if(description.begin(), description.end(), isLineBreak, QChar(u' '));
    return description;
}

}  // namespace

CheckableJobOrderModel::CheckableJobOrderModel(TListaCommesse commesse, QObject* parent)
    : QAbstractListModel(parent),
      commesse_(std::move(commesse)),
      checked_(static_cast<size_t>(commesse_.Count()), false) {}

std::vector<int> CheckableJobOrderModel::checkedRows() const {
    std::vector<int> rows;
    for (size_t row = 0; row < checked_.size(); ++row) {
        if (checked_[row]) {
            rows.push_back(static_cast<int>(row));
        }
    }
    return rows;
}

void CheckableJobOrderModel::removeLines(std::vector<int> rows) {
    // From the last line to the first, one run of adjacent lines at a time: removing a line
    // moves none of those still to be removed.
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (size_t run = 0; run < rows.size();) {
        size_t end = run + 1;
        while (end < rows.size() && rows[end] == rows[end - 1] - 1) {
            ++end;
        }
        const int first = rows[end - 1];
        const int last = rows[run];
        beginRemoveRows(QModelIndex(), first, last);
        for (int row = last; row >= first; --row) {
            commesse_.Remove(row);
        }
        checked_.erase(checked_.begin() + first, checked_.begin() + last + 1);
        endRemoveRows();
        run = end;
    }
}

int CheckableJobOrderModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : commesse_.Count();
}

QVariant CheckableJobOrderModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return oneLine((commesse_.begin() + index.row())->FDescrizioneCommessa);
        case Qt::CheckStateRole:
            return checked_[static_cast<size_t>(index.row())] ? Qt::Checked : Qt::Unchecked;
        default:
            return {};
    }
}

bool CheckableJobOrderModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return false;
    }
    checked_[static_cast<size_t>(index.row())] = value.value<Qt::CheckState>() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags CheckableJobOrderModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
           Qt::ItemNeverHasChildren;
}

QListView* jobOrderCheckList(const char* name) {
    QListView* list = named(new CheckListView, name);
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setWordWrap(false);
    list->setTextElideMode(Qt::ElideRight);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setItemDelegate(new ListWideLines(list));
    return list;
}
