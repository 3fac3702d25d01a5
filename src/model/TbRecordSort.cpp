// Sorting the subset by up to three keys. Each record's sort values are taken out once, so the
// O(n log n) comparisons touch a small array instead of the records themselves; the order is
// exactly that of CompareRecords.
#include "model/TbObjRecord.h"
#include "model/TbRecordOrder.h"
#include "model/TbText.h"

#include <algorithm>
#include <numeric>

namespace {

// One record's value for one key: folded text for text orders, a number for every other.
struct SortCell {
    double number = 0;
    std::string text;
};

struct KeyColumn {
    const CTbObjField* field;
    bool descending;
    TbOrder order;
    bool generic;  // joins compare pairwise, through CompareRecords
    std::vector<SortCell> cells;
};

std::string Folded(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) c = FoldCase(c);
    return folded;
}

SortCell CellOf(TbOrder order, const CTbObjRecord& record, const CTbObjField& field) {
    const CTbObjRecordValue& value = *record.Value(field.GetSlot());
    SortCell cell;
    switch (order) {
        case TbOrder::Text:
            cell.text = Folded(value.GetText());
            break;
        case TbOrder::ItemText:
            cell.text = Folded(TbItemText(value, &field));
            break;
        case TbOrder::Short:
            cell.number = value.GetShort();
            break;
        case TbOrder::Long:
            cell.number = value.GetLong();
            break;
        case TbOrder::Float:
            cell.number = value.GetFloat();
            break;
        case TbOrder::Checked:
            cell.number = value.GetChecked() ? 0 : 1;
            break;
        case TbOrder::Packed:
            cell.number = value.PackedDate();
            break;
        case TbOrder::Key:
            cell.number = static_cast<int32_t>(record.GetKey());
            break;
        case TbOrder::Equal:
            break;
    }
    return cell;
}

bool IsTextOrder(TbOrder order) { return order == TbOrder::Text || order == TbOrder::ItemText; }

int CompareCells(bool text, const SortCell& a, const SortCell& b) {
    if (text) {
        int r = std::string_view(a.text).compare(b.text);  // bytes of equal folding order as unsigned
        return r < 0 ? -1 : (r > 0 ? 1 : 0);
    }
    return a.number < b.number ? -1 : (b.number < a.number ? 1 : 0);
}

}  // namespace

void CTbObjRecordList::SortSubset(const std::vector<SortKey>& keys) {
    if (keys.empty()) return;
    std::vector<KeyColumn> columns;
    for (const SortKey& key : keys) {
        KeyColumn column{
            key.field, key.descending, TbOrderOfField(*key.field), TbIsJoinType(key.field->GetType()), {}};
        if (!column.generic) {
            column.cells.reserve(m_subset.size());
            for (const CTbObjRecord* record : m_subset)
                column.cells.push_back(CellOf(column.order, *record, *key.field));
        }
        columns.push_back(std::move(column));
    }
    std::vector<uint32_t> order(m_subset.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        for (const KeyColumn& column : columns) {
            int r = column.generic
                        ? CompareRecords(*m_subset[a], *m_subset[b], *column.field)
                        : CompareCells(IsTextOrder(column.order), column.cells[a], column.cells[b]);
            if (r != 0) return column.descending ? r > 0 : r < 0;
        }
        return false;
    });
    std::vector<CTbObjRecord*> sorted(m_subset.size());
    for (size_t i = 0; i < order.size(); ++i) sorted[i] = m_subset[order[i]];
    m_subset = std::move(sorted);
}
