// The record editor's rules for typed entries, per field type.
#include "app/records/ValueEntry.h"

#include "model/TbObjRecord.h"
#include "platform/Locale.h"
#include "platform/OleDate.h"

#include <cmath>
#include <cstdlib>

namespace orvanta::app {
namespace {

// The entry read as a decimal number, as strtod reads its start; 0 when it holds none.
double NumberOf(const std::string& entry) { return std::strtod(entry.c_str(), nullptr); }

EntryRefusal ApplyDate(CTbObjRecordValue& value, const std::string& entry) {
    if (entry.empty()) {
        value.SetDate(0, 0, 0);
        return {};
    }
    int year = 0, month = 0, day = 0;
    if (!platform::ParseDate(entry, platform::UserLocale(), &year, &month, &day)) return kInvalidDate;
    const long packed = year * 10000L + month * 100L + day;
    if (packed < 19040101L || packed > 20311231L) return kDateRange;
    value.SetDate(year, month, day);
    return {};
}

EntryRefusal ApplyTime(CTbObjRecordValue& value, const std::string& entry) {
    if (entry.empty()) {
        value.SetTime(0, 0, 0);
        value.SetHasValue(false);
        return {};
    }
    int hour = 0, minute = 0, second = 0;
    if (!platform::ParseTime(entry, platform::UserLocale(), &hour, &minute, &second)) return kInvalidTime;
    value.SetTime(hour, minute, second);
    return {};
}

EntryRefusal CheckRange(double number, TbFieldType type) {
    if (type == INTEGER_T && (number < -32768 || number > 32767)) return kIntegerRange;
    if (number < -2147483648.0 || number > 2147483647.0) return kLongRange;
    return {};
}

}  // namespace

EditKind EditKindOf(TbFieldType type) {
    switch (type) {
        case LIST_T:
        case RADIO_T:
            return EditKind::List;
        case MEMO_T:
            return EditKind::Memo;
        case IMAGE_T:
            return EditKind::Image;
        case DB_JOIN_T:
            return EditKind::Join;
        case ONE_TO_MANY_T:
        case ADDR_BK_JOIN_T:
        case PLUGIN_T:
            return EditKind::Unsupported;
        case CHECKBOX_T:
            return EditKind::Check;
        case NOTUSED_T:
        case EXPRESSION_T:
        case KEY_T:
        case DB_LOOKUP_T:
        case ADDR_BK_LOOKUP_T:
        case COND_EXP_T:
        case ADV_EXPRESSION_T:
            return EditKind::None;
        default:
            return EditKind::Text;
    }
}

EntryRefusal ApplyEntry(CTbObjRecordValue& value, TbFieldType type, const std::string& entry) {
    switch (type) {
        case INTEGER_T:
        case LONG_T:
        case AUTO_INC_T: {
            const double number = std::trunc(NumberOf(entry));
            if (EntryRefusal refusal = CheckRange(number, type); !refusal.empty()) return refusal;
            if (type == INTEGER_T)
                value.SetShort(static_cast<int16_t>(number));
            else
                value.SetLong(static_cast<int32_t>(number));
            return {};
        }
        case FLOATING_T:
            value.SetFloat(static_cast<float>(NumberOf(entry)));
            return {};
        case DATE_T:
            return ApplyDate(value, entry);
        case TIME_T:
            return ApplyTime(value, entry);
        default:
            value.SetText(entry.substr(0, kMaxTextEntry));
            return {};
    }
}

EntryRefusal StepEntry(const std::string& entry, TbFieldType type, int delta, std::string* stepped) {
    const double number = std::trunc(NumberOf(entry)) + delta;
    if (EntryRefusal refusal = CheckRange(number, type); !refusal.empty()) return refusal;
    *stepped = std::to_string(static_cast<long long>(number));
    return {};
}

}  // namespace orvanta::app
