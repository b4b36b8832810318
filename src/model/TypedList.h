#pragma once

#include "platform/Errors.h"
#include "platform/Interaction.h"

#include <QString>
#include <optional>
#include <vector>

// The shape the four job order lists share: an ordered sequence of records held by value,
// in insertion order. An index at or past the end is reported to the user in the simple
// message box; a negative one, or an insertion point outside the list, is a RangeError.
template <typename Record>
class TypedList {
public:
    int Count() const { return static_cast<int>(items_.size()); }

    // A copy of the element, or nothing (after the message) when Index is past the end.
    std::optional<Record> Get(int Index) const {
        if (Index >= Count()) {
            interaction().showSimpleMessage(*getMessage_);
            return std::nullopt;
        }
        checkNotNegative(Index);
        return items_[static_cast<size_t>(Index)];
    }

    void Add(const Record& record) { items_.push_back(record); }
    // For loaders that build a record only to append it.
    void Add(Record&& record) { items_.push_back(std::move(record)); }

    void AddToIndex(const Record& record, int Index) {
        if (Index < 0 || Index > Count()) {
            throw RangeError();
        }
        items_.insert(items_.begin() + Index, record);
    }

    void Remove(int Index) {
        if (Index >= Count()) {
            interaction().showSimpleMessage(*removeMessage_);
            return;
        }
        checkNotNegative(Index);
        items_.erase(items_.begin() + Index);
    }

    // Read-only walk over the elements, for loaders and the export.
    auto begin() const { return items_.cbegin(); }
    auto end() const { return items_.cend(); }

    void Reserve(int count) { items_.reserve(static_cast<size_t>(count)); }

protected:
    // The messages are constants of the list class: a list refers to them rather than
    // holding copies, since a long job order list holds hundreds of thousands of lists.
    TypedList(const QString* getMessage, const QString* removeMessage)
        : getMessage_(getMessage), removeMessage_(removeMessage) {}

    static void checkNotNegative(int Index) {
        if (Index < 0) {
            throw RangeError();
        }
    }

    std::vector<Record> items_;

private:
    const QString* getMessage_;
    const QString* removeMessage_;
};

// Three of the four lists show the texts that name ListaOperazioni.
inline const QString kListaOperazioniGetMessage =
    QStringLiteral("ListaOperazioni - Impossibile ottenere l'oggetto richiesto!");
inline const QString kListaOperazioniRemoveMessage =
    QStringLiteral("ListaOperazioni - Oggetto da eliminare non trovato!");
