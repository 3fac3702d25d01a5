// Converting join values and copying joined values, by value type.
#include "library/TbJoinValues.h"

#include "expr/TbValueText.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"
#include "platform/Locale.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The value's number: the number a number type holds, text read as a decimal number.
int32_t NumberOf(const CTbObjRecordValue& value) {
    switch (TbValueKindOf(value.GetType())) {
        case TbValueKind::Text:
            return static_cast<int32_t>(std::atol(std::string(value.GetText()).c_str()));
        case TbValueKind::Short:
        case TbValueKind::ItemText:
            return value.GetShort();
        case TbValueKind::Long:
        case TbValueKind::Key:
            return value.GetLong();
        case TbValueKind::Float:
            return static_cast<int32_t>(value.GetFloat());
        default:
            return 0;
    }
}

std::string TextOf(const CTbObjRecordValue& value) {
    switch (TbValueKindOf(value.GetType())) {
        case TbValueKind::Text:
            return std::string(value.GetText());
        case TbValueKind::Date:
            return CTbObjRecordValue(value).DateAsText();
        case TbValueKind::None:
        case TbValueKind::Data:
        case TbValueKind::Checked:
        case TbValueKind::Time:
            return {};
        default:
            return std::to_string(NumberOf(value));
    }
}

// A Float with the field's number of decimals and the user's decimal separator.
std::string FloatText(float number, const CTbObjField& field) {
    int decimals = 3;
    if (const CTbObjFieldNumber* props = field.NumberProps()) decimals = props->GetDecimals();
    if (const CTbObjFieldExpr* props = field.ExprProps()) decimals = props->GetDecimals();
    char text[80];
    std::snprintf(text, sizeof text, "%.*f", decimals > 20 ? 20 : decimals, static_cast<double>(number));
    std::string result = text;
    for (char& c : result)
        if (c == '.') c = orvanta::platform::UserLocale().decimalSeparator;
    return result;
}

}  // namespace

void ConvertJoinValue(CTbObjRecordValue& value, int type) {
    if (value.GetType() == type) return;
    bool hadValue = value.HasValue();
    bool wasDate = TbValueKindOf(value.GetType()) == TbValueKind::Date;
    int16_t year = 0, month = 0, day = 0;
    value.GetDate(&year, &month, &day);
    std::string text = TextOf(value);
    int32_t number = NumberOf(value);
    value.Reset(nullptr, false);
    value.SetType(static_cast<uint16_t>(type));
    if (type == TEXT_T)
        value.SetText(text);
    else if (type == INTEGER_T)
        value.SetShort(static_cast<int16_t>(number));
    else if (type == DATE_T && wasDate)
        value.SetDate(year, month, day);
    else if (type != DATE_T)
        value.SetLong(number);
    value.SetHasValue(hadValue);
}

void CopyJoinedValue(CTbObjRecordValue& display, const CTbObjRecord& matched, const CTbObjField& field) {
    int type = field.GetValueType();
    const CTbObjRecordValue& source = *matched.Value(field.GetSlot());
    display = source;
    display.SetType(static_cast<uint16_t>(type));
    switch (TbValueKindOf(type)) {
        case TbValueKind::Short:
            display.SetText(std::to_string(source.GetShort()));
            break;
        case TbValueKind::Long:
            display.SetText(std::to_string(source.GetLong()));
            break;
        case TbValueKind::Key:
            display.SetLong(static_cast<int32_t>(matched.GetKey()));
            display.SetText(std::to_string(matched.GetKey()));
            break;
        case TbValueKind::Float:
            display.SetText(FloatText(source.GetFloat(), field));
            break;
        case TbValueKind::ItemText:
            display.SetText(ListItemText(source, &field));
            break;
        case TbValueKind::Date:
            display.SetText(display.DateAsText());
            break;
        case TbValueKind::Time:
            display.SetText(display.TimeAsText());
            break;
        default:
            break;
    }
    display.SetHasValue(true);
}

void SetUnmatchedValue(CTbObjRecordValue& display, bool unresolved) {
    display.Reset(nullptr, false);
    display.SetType(NOTUSED_T);
    display.SetText(unresolved ? "UNRESOLVED" : "");
    display.SetHasValue(true);
}
