// Listing the used field slots.
#include "app/widgets/FieldSlots.h"

#include "model/TbObjDB.h"
#include "model/TbObjView.h"

#include <algorithm>

namespace orvanta::app {

std::vector<int> UserFieldSlots(const CTbObjDB& db) {
    std::vector<int> used;
    for (int slot = 1; slot <= MaxUserFields; ++slot)
        if (const CTbObjField* field = db.Field(slot); field && field->GetType() != NOTUSED_T)
            used.push_back(slot);
    return used;
}

std::vector<int> FormFieldSlots(const CTbObjDB& db) {
    std::vector<int> placed;
    for (int tab = 0; tab < db.TabCount(); ++tab) {
        std::vector<const CTbObjTabRow*> rows;
        for (int i = 0; i < db.Tab(tab)->RowCount(); ++i) rows.push_back(db.Tab(tab)->RowAtIndex(i));
        std::stable_sort(rows.begin(), rows.end(),
                         [](auto* a, auto* b) { return a->GetPosition() < b->GetPosition(); });
        for (const CTbObjTabRow* row : rows) {
            const int slot = row->GetField();
            const CTbObjField* field = db.Field(slot);
            if (row->IsEmpty() || row->IsLabelRow() || slot == 0 || !field || !field->IsUsed() ||
                std::find(placed.begin(), placed.end(), slot) != placed.end())
                continue;
            placed.push_back(slot);
        }
    }
    return placed;
}

}  // namespace orvanta::app
