// ListItemsDraft: a working copy of a list field's items for the list-items editor. Items are
// added, edited, deleted and moved under the editor's limits, then stored back keeping the
// index each item carries, so that records keep their selection.
#pragma once

#include <string>
#include <vector>

class CTbObjListItems;

namespace orvanta::app {

class ListItemsDraft {
public:
    static constexpr int kMaxItems = 60;

    // A refused change: the message and its title; none when accepted.
    struct Refusal {
        const char* title = nullptr;
        const char* text = nullptr;
        explicit operator bool() const { return text != nullptr; }
    };

    explicit ListItemsDraft(const CTbObjListItems& items);

    int Count() const { return static_cast<int>(m_items.size()); }
    const std::string& Text(int position) const { return m_items[static_cast<size_t>(position)].text; }
    // Whether another item may be added (the 60-item limit).
    Refusal CanAdd() const;
    Refusal Add(std::string text);
    Refusal Edit(int position, std::string text);
    void Remove(int position);
    // Moves an item one place up (-1) or down (+1); its new position (unchanged at either end).
    int Move(int position, int delta);
    bool Changed() const;
    // Writes the items back when they changed (marking the Tabulon modified).
    void StoreInto(CTbObjListItems& items) const;

private:
    struct Item {
        int index;  // 0 for an item added here
        std::string text;
        bool operator==(const Item&) const = default;
    };
    std::vector<Item> m_original;
    std::vector<Item> m_items;
};

}  // namespace orvanta::app
