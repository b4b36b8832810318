#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

class TSQLQuery;

// One shared copy of each distinct text of a column that many rows repeat (codes, prices,
// catalogue descriptions, dates): the records loaded together hold the same buffer, and
// each distinct text is converted once. The texts read are those fieldText gives.
class TestiRipetuti {
public:
    QString testo(const TSQLQuery& query, int colonna);

private:
    QHash<QByteArray, QString> visti_;
};
