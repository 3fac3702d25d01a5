// A join value taken from the record picked in the joined Tabulon.
#include "app/records/JoinChoice.h"

#include "model/TbObjField.h"
#include "model/TbObjRecord.h"

namespace orvanta::app {

std::string SetJoinValue(CTbObjRecordValue& value, const CTbObjRecord& joined,
                         const CTbObjField* joinedField) {
    if (!joinedField || !joinedField->IsUsed()) return kJoinFieldUnused;
    const TbFieldType type = joinedField->GetType();
    const CTbObjRecordValue& source = *joined.Value(joinedField->GetSlot());
    switch (type) {
        case TEXT_T:
            value.SetText(source.GetText());
            break;
        case INTEGER_T:
            value.SetShort(source.GetShort());
            break;
        case LONG_T:
        case AUTO_INC_T:
            value.SetLong(source.GetLong());
            break;
        case DATE_T: {
            int16_t year = 0, month = 0, day = 0;
            source.GetDate(&year, &month, &day);
            value.SetDate(year, month, day);
            break;
        }
        case KEY_T:
            value.SetLong(static_cast<int32_t>(joined.GetKey()));
            break;
        default:
            return kJoinNotStored;
    }
    value.SetType(static_cast<uint16_t>(type));
    value.SetHasValue(true);
    return {};
}

}  // namespace orvanta::app
