// Listing the used field slots.
#include "app/widgets/FieldSlots.h"

#include "model/TbObjDB.h"

namespace orvanta::app {

std::vector<int> UserFieldSlots(const CTbObjDB& db) {
    std::vector<int> used;
    for (int slot = 1; slot <= MaxUserFields; ++slot)
        if (const CTbObjField* field = db.Field(slot); field && field->GetType() != NOTUSED_T)
            used.push_back(slot);
    return used;
}

}  // namespace orvanta::app
