// Record values as JSON, by the field's type: texts as strings, numbers and list indexes as
// numbers, dates and times as ISO text, computed results with their text and colour code.
#include "cli/JsonExport.h"
#include "cli/JsonSupport.h"

#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"

#include <charconv>
#include <string>

namespace orvanta::cli {
namespace {

void WriteDate(JsonWriter& out, const CTbObjRecordValue& value) {
    int16_t year = 0, month = 0, day = 0;
    value.GetDate(&year, &month, &day);
    out.String(IsoDate(year, month, day));
}

void WriteTime(JsonWriter& out, const CTbObjRecordValue& value) {
    int16_t hour = 0, minute = 0, second = 0;
    value.GetTime(&hour, &minute, &second);
    out.String(IsoTime(hour, minute, second));
}

// A value kept as a plain field type keeps it (also the original type of a DB Join value).
void WritePlainValue(JsonWriter& out, const CTbObjRecordValue& value, int type) {
    switch (TbValueKindOf(type)) {
        case TbValueKind::Text:
            return out.Text(value.GetText());
        case TbValueKind::Short:
        case TbValueKind::ItemText:
            return out.Signed(value.GetShort());
        case TbValueKind::Long:
        case TbValueKind::Key:
            return out.Signed(value.GetLong());
        case TbValueKind::Float:
            return out.Double(JsonFloat(value.GetFloat()));
        case TbValueKind::Checked:
            return out.Bool(value.GetChecked());
        case TbValueKind::Date:
            return WriteDate(out, value);
        case TbValueKind::Time:
            return WriteTime(out, value);
        case TbValueKind::Data:
            return out.String(Base64(value.GetData()));
        default:
            return out.Null();
    }
}

// The computed result of an expression by its result format; null for the Text format,
// whose result is the value's text.
void WriteResultValue(JsonWriter& out, const CTbObjRecordValue& value, int resultFormat) {
    switch (ExprResultValueType(resultFormat)) {
        case FLOATING_T:
            return out.Double(JsonFloat(value.GetFloat()));
        case DATE_T:
            return WriteDate(out, value);
        case TIME_T:
            return WriteTime(out, value);
        default:
            return out.Null();
    }
}

int ResultFormatOf(const CTbObjField& field) {
    const CTbObjFieldExpr* props = field.ExprProps();
    return props ? props->GetResultFormat() : static_cast<int>(EXPR_RESULT_FLOATING);
}

void WriteExpressionValue(JsonWriter& out, const CTbObjRecordValue& value, const CTbObjField& field) {
    int format = ResultFormatOf(field);
    if (ExprResultValueType(format) == TEXT_T) return out.Text(value.GetText());
    WriteResultValue(out, value, format);
}

void WriteAdvancedExpressionValue(JsonWriter& out, const CTbObjRecordValue& value, const CTbObjField& field) {
    out.BeginObject();
    out.Key("value");
    WriteResultValue(out, value, ResultFormatOf(field));
    out.Key("text").Text(value.GetText());
    out.Member("color", value.GetColour());
    out.EndObject();
}

// A DB Join value holds the joined field's value in the form of its original type, which the
// value itself records; a value never given one falls back to the join's stored field type.
void WriteJoinValue(JsonWriter& out, const CTbObjRecordValue& value, const CTbObjField& field) {
    int type = value.GetType();
    if (TbIsJoinType(type)) {
        const CTbObjFieldJoin* props = field.JoinProps();
        type = props ? props->GetJoinFieldType() : static_cast<int>(NOTUSED_T);
    }
    WritePlainValue(out, value, type);
}

// A DB Join or DB Lookup value with the text it resolves to.
void WriteResolvedJoinValue(JsonWriter& out, const CTbObjRecordValue& value, const CTbObjField& field) {
    out.BeginObject();
    out.Key("value");
    if (IsValueSet(value))
        WriteJoinValue(out, value, field);
    else
        out.Null();
    const CTbObjRecordValue* display = value.JoinedValueIfAny();
    out.Key("display").Text(display ? display->GetText() : std::string_view());
    out.EndObject();
}

// A slot number as an object key.
std::string_view SlotKey(int slot, char (&digits)[8]) {
    return {digits, std::to_chars(digits, digits + sizeof digits, slot).ptr};
}

}  // namespace

bool IsValueSet(const CTbObjRecordValue& value) {
    return value.HasValue() || !value.GetText().empty() || !value.GetData().empty();
}

void WriteValueJson(JsonWriter& out, const CTbObjRecordValue& value, const CTbObjField& field) {
    switch (field.GetType()) {
        case EXPRESSION_T:
            return WriteExpressionValue(out, value, field);
        case ADV_EXPRESSION_T:
            return WriteAdvancedExpressionValue(out, value, field);
        case COND_EXP_T:
            out.BeginObject();
            out.Key("text").Text(value.GetText());
            out.Member("color", value.GetColour());
            return out.EndObject();
        case DB_JOIN_T:
        case DB_LOOKUP_T:
            return WriteJoinValue(out, value, field);
        default:
            return WritePlainValue(out, value, field.GetType());
    }
}

void WriteRecordJson(JsonWriter& out, const CTbObjDB& db, const CTbObjRecord& record, bool resolved) {
    out.BeginObject();
    out.Member("key", record.GetKey());
    out.Member("category", record.GetCategory());
    out.Member("uniqueId", record.GetUniqueId());
    out.Key("values").BeginObject();
    bool extraWords = false;
    char digits[8];
    for (int slot = 1; slot < MaxFieldSlots; ++slot) {
        const CTbObjField* field = db.Field(slot);
        const CTbObjRecordValue* value = record.Value(slot);
        if (!field || !field->IsUsed() || !value) continue;
        if (resolved && TbIsJoinType(field->GetType())) {
            out.Key(SlotKey(slot, digits));
            WriteResolvedJoinValue(out, *value, *field);
            continue;
        }
        if (!IsValueSet(*value)) continue;
        out.Key(SlotKey(slot, digits));
        WriteValueJson(out, *value, *field);
        extraWords = extraWords || value->GetExtraWord() != 0;
    }
    out.EndObject();
    if (extraWords) {
        out.Key("extraWords").BeginObject();
        for (int slot = 1; slot < MaxFieldSlots; ++slot) {
            const CTbObjField* field = db.Field(slot);
            const CTbObjRecordValue* value = record.Value(slot);
            if (!field || !field->IsUsed() || !value || !IsValueSet(*value) || value->GetExtraWord() == 0)
                continue;
            out.Member(SlotKey(slot, digits), value->GetExtraWord());
        }
        out.EndObject();
    }
    out.EndObject();
}

}  // namespace orvanta::cli
