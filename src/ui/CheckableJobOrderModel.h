#pragma once

#include "model/ClassListaCommesse.h"

#include <QAbstractListModel>
#include <vector>

class QListView;

// The lines of a result list: line i is job order i of the list the model holds, with a
// check box. The check states live here, beside the job orders, so that ten years of job
// orders cost no widget and no text per line: a line's text is made only when it is shown.
class CheckableJobOrderModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit CheckableJobOrderModel(TListaCommesse commesse, QObject* parent = nullptr);

    const TListaCommesse& commesse() const { return commesse_; }
    // The checked lines, first to last.
    std::vector<int> checkedRows() const;
    // Removes these lines (in any order) and their job orders.
    void removeLines(std::vector<int> rows);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    TListaCommesse commesse_;
    std::vector<bool> checked_;
};

// A check list of job orders: one line of text per job order (line breaks in a description
// become blanks), every line as tall as the first and as wide as the list (a long
// description ends in an ellipsis), so that the view lays out and paints only the lines in
// sight.
QListView* jobOrderCheckList(const char* name);
