// Record values as JSON, by the field's type: texts as strings, numbers and list indexes as
// numbers, dates and times as ISO text, computed results with their text and colour code.
#include "cli/JsonExport.h"
#include "cli/JsonSupport.h"

#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"

#include <string>

namespace orvanta::cli {
namespace {

Json DateOf(const CTbObjRecordValue& value) {
    int16_t year = 0, month = 0, day = 0;
    value.GetDate(&year, &month, &day);
    return IsoDate(year, month, day);
}

Json TimeOf(const CTbObjRecordValue& value) {
    int16_t hour = 0, minute = 0, second = 0;
    value.GetTime(&hour, &minute, &second);
    return IsoTime(hour, minute, second);
}

// A value kept as a plain field type keeps it (also the original type of a DB Join value).
Json PlainValue(const CTbObjRecordValue& value, int type) {
    switch (TbValueKindOf(type)) {
        case TbValueKind::Text:
            return JsonText(value.GetText());
        case TbValueKind::Short:
        case TbValueKind::ItemText:
            return value.GetShort();
        case TbValueKind::Long:
        case TbValueKind::Key:
            return value.GetLong();
        case TbValueKind::Float:
            return JsonFloat(value.GetFloat());
        case TbValueKind::Checked:
            return value.GetChecked();
        case TbValueKind::Date:
            return DateOf(value);
        case TbValueKind::Time:
            return TimeOf(value);
        case TbValueKind::Data:
            return Base64(value.GetData());
        default:
            return nullptr;
    }
}

// The computed result of an expression by its result format; null for the Text format,
// whose result is the value's text.
Json ResultValue(const CTbObjRecordValue& value, int resultFormat) {
    switch (ExprResultValueType(resultFormat)) {
        case FLOATING_T:
            return JsonFloat(value.GetFloat());
        case DATE_T:
            return DateOf(value);
        case TIME_T:
            return TimeOf(value);
        default:
            return nullptr;
    }
}

int ResultFormatOf(const CTbObjField& field) {
    const CTbObjFieldExpr* props = field.ExprProps();
    return props ? props->GetResultFormat() : static_cast<int>(EXPR_RESULT_FLOATING);
}

Json ExpressionValue(const CTbObjRecordValue& value, const CTbObjField& field) {
    int format = ResultFormatOf(field);
    if (ExprResultValueType(format) == TEXT_T) return JsonText(value.GetText());
    return ResultValue(value, format);
}

Json AdvancedExpressionValue(const CTbObjRecordValue& value, const CTbObjField& field) {
    return Json{{"value", ResultValue(value, ResultFormatOf(field))},
                {"text", JsonText(value.GetText())},
                {"color", value.GetColour()}};
}

// A DB Join value holds the joined field's value in the form of its original type, which the
// value itself records; a value never given one falls back to the join's stored field type.
Json JoinValue(const CTbObjRecordValue& value, const CTbObjField& field) {
    int type = value.GetType();
    if (TbIsJoinType(type)) {
        const CTbObjFieldJoin* props = field.JoinProps();
        type = props ? props->GetJoinFieldType() : static_cast<int>(NOTUSED_T);
    }
    return PlainValue(value, type);
}

}  // namespace

bool IsValueSet(const CTbObjRecordValue& value) {
    return value.HasValue() || !value.GetText().empty() || !value.GetData().empty();
}

Json ValueToJson(const CTbObjRecordValue& value, const CTbObjField& field) {
    switch (field.GetType()) {
        case EXPRESSION_T:
            return ExpressionValue(value, field);
        case ADV_EXPRESSION_T:
            return AdvancedExpressionValue(value, field);
        case COND_EXP_T:
            return Json{{"text", JsonText(value.GetText())}, {"color", value.GetColour()}};
        case DB_JOIN_T:
        case DB_LOOKUP_T:
            return JoinValue(value, field);
        default:
            return PlainValue(value, field.GetType());
    }
}

Json RecordToJson(const CTbObjDB& db, const CTbObjRecord& record) {
    Json values = Json::object(), extraWords = Json::object();
    for (int slot = 1; slot < MaxFieldSlots; ++slot) {
        const CTbObjField* field = db.Field(slot);
        const CTbObjRecordValue* value = record.Value(slot);
        if (!field || !field->IsUsed() || !value || !IsValueSet(*value)) continue;
        values[std::to_string(slot)] = ValueToJson(*value, *field);
        if (value->GetExtraWord() != 0) extraWords[std::to_string(slot)] = value->GetExtraWord();
    }
    Json json{{"key", record.GetKey()},
              {"category", record.GetCategory()},
              {"uniqueId", record.GetUniqueId()},
              {"values", std::move(values)}};
    if (!extraWords.empty()) json["extraWords"] = std::move(extraWords);
    return json;
}

}  // namespace orvanta::cli
