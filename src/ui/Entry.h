#pragma once

#include "model/ClassOperazione.h"
#include "model/ClassRicambio.h"

#include <QChar>
#include <QString>
#include <concepts>

// An operation or a part as the operation and part dialogs edit it. A part has no price.
struct Entry {
    int id = -1;
    QString description;
    QString code;
    QString price;
    QChar chargeCode;
};

enum class EntryKind { Operation, Part };

template <typename Record>
concept IsOperation = std::same_as<Record, TOperazione>;
template <typename Record>
concept IsPart = std::same_as<Record, TRicambio>;

template <typename Record>
constexpr EntryKind entryKindOf = IsOperation<Record> ? EntryKind::Operation : EntryKind::Part;

Entry entryOf(const TOperazione& operazione);
Entry entryOf(const TRicambio& ricambio);

// The record an entry becomes; it belongs to no complaint yet (FIdInconveniente -1). A part
// made from an entry leaves its price behind; an operation made from a part's entry has an
// empty price.
template <typename Record>
Record recordOf(const Entry& entry);
template <>
TOperazione recordOf<TOperazione>(const Entry& entry);
template <>
TRicambio recordOf<TRicambio>(const Entry& entry);
