// What the expression component is given for an evaluation: the field types, the token list,
// and the values of the current and the previous record in the component's value forms.
#include "expr/TbObjExprEvaluator.h"

#include "expr/TbValueText.h"

#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"
#include "platform/OleDate.h"

using orvanta::expression::InValue;
using orvanta::expression::ValueKind;

namespace {

constexpr double kSecondsPerDay = 86400;

InValue Number(double number) { return {ValueKind::Number, number, {}}; }

InValue DateOf(const CTbObjRecordValue& value) {
    int16_t year, month, day;
    value.GetDate(&year, &month, &day);
    double date;
    if (!orvanta::platform::OleDateFromParts(year, month, day, 0, 0, 0, &date)) return {};
    return {ValueKind::Date, date, {}};
}

InValue TimeOf(const CTbObjRecordValue& value) {
    int16_t hour, minute, second;
    value.GetTime(&hour, &minute, &second);
    return {ValueKind::Time, (hour * 3600 + minute * 60 + second) / kSecondsPerDay, {}};
}

InValue ListItemOf(const CTbObjRecordValue& value, const CTbObjField* field, std::string& scratch) {
    if (!value.GetText().empty()) return {ValueKind::Text, 0, value.GetText()};
    if (!value.HasValue() || !field || !field->ListProps()) return {};
    scratch = field->ListProps()->Items().TextOfIndex(value.GetShort());
    return {ValueKind::Text, 0, scratch};
}

// A value of the given type in the component's form. keyOfRecord is the key a Key field shows.
InValue InValueOf(const CTbObjRecordValue& value, int type, const CTbObjField* field, int64_t keyOfRecord,
                  std::string& scratch) {
    switch (TbValueKindOf(type)) {
        case TbValueKind::Text:
            if (!value.HasValue() && value.GetText().empty()) return {};
            return {ValueKind::Text, 0, value.GetText()};
        case TbValueKind::ItemText:
            return ListItemOf(value, field, scratch);
        case TbValueKind::Short:
            return value.HasValue() ? Number(value.GetShort()) : InValue{};
        case TbValueKind::Long:
            return value.HasValue() ? Number(value.GetLong()) : InValue{};
        case TbValueKind::Float:
            return value.HasValue() ? Number(value.GetFloat()) : InValue{};
        case TbValueKind::Checked:
            return Number(value.GetChecked() ? 1 : 0);
        case TbValueKind::Key:
            return Number(static_cast<double>(keyOfRecord));
        case TbValueKind::Date:
            return value.HasValue() ? DateOf(value) : InValue{};
        case TbValueKind::Time:
            return TimeOf(value);
        default:
            return {};
    }
}

// The value of one slot, read by the type that counts for it (a join's joined value, an
// expression field's result type).
InValue SlotValue(const CTbObjDB& db, const CTbObjRecord& record, int slot, std::string& scratch) {
    const CTbObjField* field = db.Field(slot);
    if (!field || !record.Value(slot)) return {};
    TbTypedValue typed = TypedValueOf(record, *field);
    return InValueOf(*typed.value, typed.type, typed.joined ? nullptr : field, typed.key, scratch);
}

void FillValues(const CTbObjDB& db, const CTbObjRecord& record, const std::vector<uint8_t>& tokenTypes,
                int base, TbObjExprEvaluator::RecordValues* values,
                TbObjExprEvaluator::TextScratch* scratch) {
    for (uint8_t token : tokenTypes) {
        int slot = token - base;
        if (slot >= 1 && slot <= MaxUserFields)
            (*values)[slot] = SlotValue(db, record, slot, (*scratch)[slot]);
    }
}

}  // namespace

void TbObjExprEvaluator::BuildFieldTypes(FieldTypes* types) const {
    for (int slot = 0; slot < MaxUserFields; ++slot) {
        const CTbObjField* field = m_db.Field(slot);
        int type = field ? field->GetType() : NOTUSED_T;
        if (TbIsJoinType(type)) type = field->JoinProps()->GetResolvedType();
        (*types)[slot] = static_cast<uint8_t>(type);
    }
}

bool TbObjExprEvaluator::BuildTokenArrays(const CTbObjField& field, std::vector<uint8_t>* types,
                                          std::vector<std::string>* values) const {
    const CTbObjFieldExpr* props = field.ExprProps();
    if (!props) return false;
    *types = props->GetTokenTypes();
    *values = props->GetTokenValues();
    return true;
}

void TbObjExprEvaluator::BuildRecordValues(const CTbObjRecord& record, const std::vector<uint8_t>& tokenTypes,
                                           RecordValues* values, TextScratch* scratch) const {
    FillValues(m_db, record, tokenTypes, 0, values, scratch);
}

void TbObjExprEvaluator::BuildPreviousValues(const CTbObjRecord& previous,
                                             const std::vector<uint8_t>& tokenTypes, RecordValues* values,
                                             TextScratch* scratch) const {
    FillValues(m_db, previous, tokenTypes, orvanta::expression::kTokenPreviousBase, values, scratch);
}

bool TbObjExprEvaluator::RefersToFields(const std::vector<uint8_t>& tokenTypes) const {
    for (uint8_t token : tokenTypes)
        if ((token >= 1 && token <= MaxUserFields) ||
            (token > orvanta::expression::kTokenPreviousBase &&
             token <= orvanta::expression::kTokenPreviousBase + MaxUserFields))
            return true;
    return false;
}
