#pragma once

#include <memory>
#include <vector>

// A model list (TListaOperazioni, TListaInconvenienti, ...) holding `items` in order, shared
// as the records hold their lists.
template <typename List, typename Item>
std::shared_ptr<List> sharedListOf(const std::vector<Item>& items) {
    auto list = std::make_shared<List>();
    for (const Item& item : items) {
        list->Add(item);
    }
    return list;
}
