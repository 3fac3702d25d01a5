// The fields an export writes.
#include "app/datalink/ExportFieldChoice.h"

#include "model/TbObjDB.h"
#include "model/TbObjField.h"

#include <algorithm>

namespace orvanta::app {
namespace {

bool Holds(const std::vector<int32_t>& slots, int32_t slot) {
    return std::find(slots.begin(), slots.end(), slot) != slots.end();
}

}  // namespace

std::vector<int32_t> ExportableSlots(const CTbObjDB& db) {
    std::vector<int32_t> slots;
    for (int slot = 0; slot < MaxFieldSlots; ++slot)
        if (const CTbObjField* field = db.Field(slot);
            field && field->IsUsed() && field->GetType() != IMAGE_T && field->GetType() != PLUGIN_T)
            slots.push_back(slot);
    return slots;
}

DataLinkMessage ExportFieldChoice::SetChosen(const std::vector<int32_t>& saved) {
    const std::vector<int32_t> exportable = ExportableSlots(m_db);
    m_chosen.clear();
    bool dropped = false;
    for (int32_t slot : saved) {
        if (Holds(exportable, slot) && !Holds(m_chosen, slot))
            m_chosen.push_back(slot);
        else
            dropped = dropped || !Holds(m_chosen, slot);
    }
    if (!dropped) return {};
    return {
        "Warning",
        "One or more Tabulon fields are no longer available to export, verify that the correct fields are "
        "being exported."};
}

std::vector<int32_t> ExportFieldChoice::Available() const {
    std::vector<int32_t> available;
    for (int32_t slot : ExportableSlots(m_db))
        if (!Holds(m_chosen, slot)) available.push_back(slot);
    return available;
}

void ExportFieldChoice::Choose(int32_t slot) {
    if (Holds(Available(), slot)) m_chosen.push_back(slot);
}

void ExportFieldChoice::Remove(int32_t slot) { std::erase(m_chosen, slot); }

}  // namespace orvanta::app
