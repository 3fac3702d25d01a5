// The list-items editor's working copy and its limits.
#include "app/records/ListItemsDraft.h"

#include "model/TbObjField.h"

#include <utility>

namespace orvanta::app {
namespace {

const ListItemsDraft::Refusal kTooMany{
    "Cannot add item", "The maximum number of list items is 60.  You cannot add any more items."};
const ListItemsDraft::Refusal kBlank{"Invalid List Item", "The list item cannot be blank."};

bool Blank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

ListItemsDraft::ListItemsDraft(const CTbObjListItems& items) {
    for (int i = 0; i < items.Count(); ++i)
        m_items.push_back({items.ItemAt(i)->index, items.ItemAt(i)->text});
    m_original = m_items;
}

ListItemsDraft::Refusal ListItemsDraft::CanAdd() const { return Count() >= kMaxItems ? kTooMany : Refusal{}; }

ListItemsDraft::Refusal ListItemsDraft::Add(std::string text) {
    if (Refusal refusal = CanAdd()) return refusal;
    if (Blank(text)) return kBlank;
    m_items.push_back({0, std::move(text)});
    return {};
}

ListItemsDraft::Refusal ListItemsDraft::Edit(int position, std::string text) {
    if (Blank(text)) return kBlank;
    if (position >= 0 && position < Count()) m_items[static_cast<size_t>(position)].text = std::move(text);
    return {};
}

void ListItemsDraft::Remove(int position) {
    if (position >= 0 && position < Count()) m_items.erase(m_items.begin() + position);
}

int ListItemsDraft::Move(int position, int delta) {
    const int target = position + delta;
    if (position < 0 || position >= Count() || target < 0 || target >= Count()) return position;
    std::swap(m_items[static_cast<size_t>(position)], m_items[static_cast<size_t>(target)]);
    return target;
}

bool ListItemsDraft::Changed() const { return m_items != m_original; }

void ListItemsDraft::StoreInto(CTbObjListItems& items) const {
    if (!Changed()) return;
    items.Clear();
    for (const Item& item : m_items) {
        if (item.index > 0)
            items.AddItemWithIndex(static_cast<uint16_t>(item.index), item.text);
        else
            items.AddItem(item.text);
    }
}

}  // namespace orvanta::app
