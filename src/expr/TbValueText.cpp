// The value that stands for a field in a record, and that value as text.
#include "expr/TbValueText.h"

#include "model/TbObjField.h"
#include "model/TbObjRecord.h"
#include "platform/OleVariant.h"

namespace {

const CTbObjRecordValue& EmptyValue() {
    static const CTbObjRecordValue kEmpty;
    return kEmpty;
}

TbTypedValue JoinedValueOf(const CTbObjRecordValue& own, const CTbObjField& field) {
    const CTbObjRecordValue* joined = own.JoinedValueIfAny();
    if (!joined) return {&EmptyValue(), NOTUSED_T, 0, true};
    int type = joined->GetType();
    if (type == NOTUSED_T && field.JoinProps()) type = field.JoinProps()->GetResolvedType();
    return {joined, type, joined->GetLong(), true};
}

}  // namespace

TbTypedValue TypedValueOf(const CTbObjRecord& record, const CTbObjField& field) {
    const CTbObjRecordValue* own = record.Value(field.GetSlot());
    if (!own) return {&EmptyValue(), NOTUSED_T, 0, false};
    if (field.GetType() == DB_JOIN_T || field.GetType() == DB_LOOKUP_T) return JoinedValueOf(*own, field);
    return {own, field.GetValueType(), record.GetKey(), false};
}

std::string ListItemText(const CTbObjRecordValue& value, const CTbObjField* listField) {
    const CTbObjFieldList* list = listField ? listField->ListProps() : nullptr;
    if (!list) return std::string(value.GetText());
    return list->Items().TextOfIndex(value.GetShort());
}

std::string TypedValueAsText(const TbTypedValue& typed, const CTbObjField* listField) {
    const CTbObjRecordValue& value = *typed.value;
    switch (typed.type) {
        case TEXT_T:
        case MEMO_T:
        case ADDR_BK_JOIN_T:
        case ADDR_BK_LOOKUP_T:
        case COND_EXP_T:
            return std::string(value.GetText());
        case INTEGER_T:
            return std::to_string(value.GetShort());
        case LONG_T:
        case AUTO_INC_T:
            return std::to_string(value.GetLong());
        case FLOATING_T:
            return orvanta::platform::VarTextFromR4(value.GetFloat());
        case LIST_T:
        case RADIO_T:
            return ListItemText(value, listField);
        case CHECKBOX_T:
            return value.GetChecked() ? "true" : "false";
        case DATE_T:
            return CTbObjRecordValue(value).DateAsText();
        case TIME_T:
            return CTbObjRecordValue(value).TimeAsText();
        case KEY_T:
            return std::to_string(typed.key);
        default:
            return {};
    }
}

std::string ValueAsText(const CTbObjRecord& record, const CTbObjField& field) {
    return TypedValueAsText(TypedValueOf(record, field), &field);
}
