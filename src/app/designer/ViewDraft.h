// ViewDraft: a working copy of a view for the view editor: its name, its columns (field slots
// in order) and up to three sort keys, with the editor's checks and the sort list's texts.
// StoreInto writes it back into the view; nothing touches the view before that.
#pragma once

#include <string>
#include <vector>

class CTbObjDB;
class CTbObjView;

namespace orvanta::app {

class ViewDraft {
public:
    static constexpr int kMaxSortKeys = 3;

    // A refused step: the message and its title; none when accepted.
    struct Refusal {
        const char* title = nullptr;
        const char* text = nullptr;
        explicit operator bool() const { return text != nullptr; }
    };
    struct SortKey {
        int field;
        bool descending;
        bool operator==(const SortKey&) const = default;
    };

    explicit ViewDraft(const CTbObjView& view);

    const std::string& Name() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }

    const std::vector<int>& Columns() const { return m_columns; }
    bool HasColumn(int field) const;
    // Appends a column of the field (0: none chosen, refused); a field shown already is kept once.
    Refusal AddColumn(int field);
    // Removes the column at index and the sort key of its field.
    void RemoveColumn(int index);
    // Moves a column one place up (-1) or down (+1); its new index (unchanged at either end).
    int MoveColumn(int index, int delta);

    const std::vector<SortKey>& SortKeys() const { return m_sortKeys; }
    // Adds a sort key on a column's field; false when three keys are set, the field has no
    // column or already has a key.
    bool AddSortKey(int field, bool descending);
    void RemoveSortKey(int index);
    // "<name> (primary sort, ascending)" ... for the key at index 0, 1, 2.
    static std::string SortKeyText(int index, const std::string& fieldName, bool descending);
    std::vector<std::string> SortKeyTexts(const CTbObjDB& db) const;

    // The check of Done: a name and at least one column.
    Refusal CheckDone() const;
    // Writes name, columns (keeping the width of columns that stay) and sort keys into the view.
    void StoreInto(CTbObjView& view) const;

private:
    std::string m_name;
    std::vector<int> m_columns;
    std::vector<SortKey> m_sortKeys;
};

}  // namespace orvanta::app
