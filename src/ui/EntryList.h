#pragma once

#include "model/TypedList.h"
#include "ui/Entry.h"

#include <memory>

// A list of operations or parts (shared with the job order window and changed in place) as
// the dialogs see it: entries by position.
class EntryList {
public:
    virtual ~EntryList() = default;

    virtual int count() const = 0;
    virtual Entry at(int index) const = 0;
    virtual void append(const Entry& entry) = 0;
    // The entry at `index` becomes `entry`: removed, then inserted at the same position.
    virtual void replace(int index, const Entry& entry) = 0;
    virtual void remove(int index) = 0;
};

template <typename Record>
class EntryListOf final : public EntryList {
public:
    explicit EntryListOf(TypedList<Record>& list) : list_(list) {}

    int count() const override { return list_.Count(); }
    Entry at(int index) const override { return entryOf(list_.Get(index).value()); }
    void append(const Entry& entry) override { list_.Add(recordOf<Record>(entry)); }
    void replace(int index, const Entry& entry) override {
        list_.Remove(index);
        list_.AddToIndex(recordOf<Record>(entry), index);
    }
    void remove(int index) override { list_.Remove(index); }

private:
    TypedList<Record>& list_;
};

template <typename Record>
std::unique_ptr<EntryList> entryListOf(TypedList<Record>& list) {
    return std::make_unique<EntryListOf<Record>>(list);
}
