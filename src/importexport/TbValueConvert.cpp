// Values between file text and records with the OLE conversions under the user's locale, and
// the export forms: checkbox "-1"/"0", dates MM/dd/yyyy or dd/MM/yyyy, times by the options.
#include "importexport/TbValueConvert.h"

#include "importexport/TbColumnTypes.h"
#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"
#include "platform/CodePage.h"
#include "platform/OleDate.h"
#include "platform/OleVariant.h"

#include <cmath>

namespace pf = orvanta::platform;

namespace {

constexpr int kMaxListItems = 60;

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (pf::LowerWindows1252(a[i]) != pf::LowerWindows1252(b[i])) return false;
    return true;
}

// The item index for a list text: the item with that text (in any letter case), "Unfiled" in
// the category field, else a new item while the list has room, else 0.
uint16_t ListIndexOf(std::string_view text, CTbObjField& field) {
    CTbObjFieldList* list = field.ListProps();
    if (!list) return 0;
    CTbObjListItems& items = list->Items();
    for (int position = 0; position < items.Count(); ++position)
        if (SameText(items.ItemAt(position)->text, text)) return items.ItemAt(position)->index;
    if (field.GetSlot() == 0 && SameText(text, "Unfiled")) return 0;
    return items.Count() < kMaxListItems ? items.AddItem(std::string(text)) : 0;
}

// Cuts the text to the field's length; -221 when it was longer.
int32_t Limited(std::string_view* text, size_t limit) {
    if (text->size() <= limit) return 0;
    *text = text->substr(0, limit);
    return kImportValueTooLong;
}

int32_t ConvertInto(std::string_view text, CTbObjField& field, CTbObjRecordValue& value,
                    const pf::Locale& locale) {
    int32_t status = 0;
    switch (field.GetType()) {
        case TEXT_T:
        case MEMO_T:
            status = Limited(&text, field.GetType() == TEXT_T ? 255 : kMaxMemoLength);
            // Kept in the records' text arena, as read records keep theirs.
            value.ShareText(field.Database()->Records().Texts().Store(text));
            return status;
        case LIST_T:
            status = Limited(&text, 80);
            value.SetShort(static_cast<int16_t>(ListIndexOf(text, field)));
            return status;
        case INTEGER_T: {
            int16_t number = 0;
            if ((status = pf::VarI2FromText(text, &number, locale)) == 0) value.SetShort(number);
            return status;
        }
        case LONG_T: {
            int32_t number = 0;
            if ((status = pf::VarI4FromText(text, &number, locale)) == 0) value.SetLong(number);
            return status;
        }
        case FLOATING_T: {
            float number = 0;
            if ((status = pf::VarR4FromText(text, &number, locale)) == 0) value.SetFloat(number);
            return status;
        }
        case CHECKBOX_T: {
            bool checked = false;
            int32_t number = 0;
            if ((status = pf::VarBoolFromText(text, &checked, locale)) == 0) {
                value.SetChecked(checked);
            } else if ((status = pf::VarI4FromText(text, &number, locale)) == 0) {
                value.SetChecked(number != 0);
            }
            return status;
        }
        case DATE_T:
        case TIME_T: {
            double date = 0;
            int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
            if ((status = ParseImportDate(text, locale, &date)) != 0) return status;
            if (!pf::OleDateToParts(date, &year, &month, &day, &hour, &minute, &second))
                return pf::kDispOverflow;
            if (field.GetType() == DATE_T)
                value.SetDate(year, month, day);
            else
                value.SetTime(hour, minute, second);
            return 0;
        }
        default:
            return 1;  // nothing to store: the value stays cleared
    }
}

}  // namespace

int32_t ImportValue(std::string_view text, CTbObjField& field, CTbObjRecordValue& value,
                    const pf::Locale& runLocale, std::string* problem) {
    value.Reset(&field, false);
    value.SetType(static_cast<uint16_t>(field.GetType()));
    if (text.empty()) return 0;
    const int32_t status = ConvertInto(text, field, value, runLocale);
    if (status == 0 || status == kImportValueTooLong) {
        value.SetHasValue(true);
        return status;
    }
    if (status == 1) return 0;
    value.Reset(&field, false);
    value.SetType(static_cast<uint16_t>(field.GetType()));
    problem->assign(text);
    return kImportConversionFailed;
}
