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
    if (TbIsJoinType(field.GetType())) return JoinedValueOf(*own, field);
    return {own, field.GetValueType(), record.GetKey(), false};
}

std::string ListItemText(const CTbObjRecordValue& value, const CTbObjField* listField) {
    const CTbObjFieldList* list = listField ? listField->ListProps() : nullptr;
    if (!list) return std::string(value.GetText());
    return list->Items().TextOfIndex(value.GetShort());
}

std::string TypedValueAsText(const TbTypedValue& typed, const CTbObjField* listField) {
    const CTbObjRecordValue& value = *typed.value;
    switch (TbValueKindOf(typed.type)) {
        case TbValueKind::Text:
            return std::string(value.GetText());
        case TbValueKind::Short:
            return std::to_string(value.GetShort());
        case TbValueKind::Long:
            return std::to_string(value.GetLong());
        case TbValueKind::Float:
            return orvanta::platform::VarTextFromR4(value.GetFloat());
        case TbValueKind::ItemText:
            return ListItemText(value, listField);
        case TbValueKind::Checked:
            return value.GetChecked() ? "true" : "false";
        case TbValueKind::Date:
            return CTbObjRecordValue(value).DateAsText();
        case TbValueKind::Time:
            return CTbObjRecordValue(value).TimeAsText();
        case TbValueKind::Key:
            return std::to_string(typed.key);
        default:
            return {};
    }
}

std::string ValueAsText(const CTbObjRecord& record, const CTbObjField& field) {
    return TypedValueAsText(TypedValueOf(record, field), &field);
}
