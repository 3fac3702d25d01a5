// The text export writes for a value, by its field's type (and an expression's result format).
#include "importexport/TbValueConvert.h"

#include "model/TbObjField.h"
#include "model/TbObjRecord.h"
#include "platform/OleDate.h"
#include "platform/OleVariant.h"

#include <cstdio>

namespace pf = orvanta::platform;

namespace {

// "MM/dd/yyyy" or "dd/MM/yyyy"; empty for a date that is not valid, as the formatting refuses it.
std::string DateText(const CTbObjRecordValue& value, const ImportExportOptions& options) {
    int16_t year = 0, month = 0, day = 0;
    value.GetDate(&year, &month, &day);
    if (!pf::IsValidDate(year, month, day)) return "";
    char text[40];
    const bool dayFirst = options.dateFormat == 1;
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", dayFirst ? day : month, dayFirst ? month : day, year);
    return text;
}

// "HH:mm" (24-hour) or "hh:mm" with the locale's AM or PM after it, ":ss" inserted when asked.
std::string TimeText(int hour, int minute, int second, bool military, bool seconds) {
    if (!pf::IsValidTime(hour, minute, second)) return "";
    char text[40];
    const int shownHour = military ? hour : (hour % 12 == 0 ? 12 : hour % 12);
    if (seconds)
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", shownHour, minute, second);
    else
        std::snprintf(text, sizeof text, "%02d:%02d", shownHour, minute);
    std::string shown = text;
    if (!military) shown.append(" ").append(hour < 12 ? pf::UserLocale().am : pf::UserLocale().pm);
    return shown;
}

std::string TimeText(const CTbObjRecordValue& value, const ImportExportOptions& options) {
    int16_t hour = 0, minute = 0, second = 0;
    value.GetTime(&hour, &minute, &second);
    return TimeText(hour, minute, second, options.timeMilitary != 0, options.timeHasSeconds != 0);
}

// HH:MM and HH:MM:SS results are kept as the seconds of the day and written as "HH:mm".
std::string SecondsOfDayText(const CTbObjRecordValue& value) {
    const int seconds = static_cast<int>(value.GetFloat());
    return TimeText(seconds / 3600, seconds / 60 % 60, seconds % 60, true, false);
}

std::string ExpressionText(const CTbObjField& field, const CTbObjRecordValue& value,
                           const ImportExportOptions& options) {
    const CTbObjFieldExpr* expr = field.ExprProps();
    const int format = expr ? expr->GetResultFormat() : -1;
    if (ExprResultIsClock(format)) return SecondsOfDayText(value);
    switch (ExprResultValueType(format)) {
        case FLOATING_T:
            return pf::VarTextFromR4(value.GetFloat());
        case DATE_T:
            return DateText(value, options);
        case TIME_T:
            return TimeText(value, options);
        case TEXT_T:
            return std::string(value.GetText());
        default:
            return "";
    }
}

std::string ListText(const CTbObjField& field, const CTbObjRecordValue& value) {
    const int index = value.GetShort();
    if (field.GetSlot() == 0 && index == 0) return "Unfiled";
    const CTbObjFieldList* list = field.ListProps();
    return list ? list->Items().TextOfIndex(index) : "";
}

}  // namespace

std::string FormatExportValue(const CTbObjField& field, const CTbObjRecord& record,
                              const ImportExportOptions& options) {
    const CTbObjRecordValue& value = *record.Value(field.GetSlot());
    const TbFieldType type = field.GetType();
    if (TbIsJoinType(type)) {
        const CTbObjRecordValue* joined = value.JoinedValueIfAny();
        if (!joined) return "";
        if (joined->GetType() == CHECKBOX_T) return pf::VarTextFromBool(joined->GetChecked());
        return std::string(joined->GetText());
    }
    if (type == KEY_T) return pf::VarTextFromI4(static_cast<int32_t>(record.GetKey()));
    if (!value.HasValue()) return "";
    switch (type) {
        case TEXT_T:
        case MEMO_T:
        case ONE_TO_MANY_T:
        case ADDR_BK_JOIN_T:
        case ADDR_BK_LOOKUP_T:
        case COND_EXP_T:
            return std::string(value.GetText());
        case INTEGER_T:
            return pf::VarTextFromI4(value.GetShort());
        case LONG_T:
        case AUTO_INC_T:
            return pf::VarTextFromI4(value.GetLong());
        case FLOATING_T:
            return pf::VarTextFromR4(value.GetFloat());
        case LIST_T:
        case RADIO_T:
            return ListText(field, value);
        case CHECKBOX_T:
            return pf::VarTextFromBool(value.GetChecked());
        case DATE_T:
            return DateText(value, options);
        case TIME_T:
            return TimeText(value, options);
        case EXPRESSION_T:
        case ADV_EXPRESSION_T:
            return ExpressionText(field, value, options);
        default:
            return "";
    }
}
