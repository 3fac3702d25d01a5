// Record values as typed values, and the names of the exported columns.
#include "importexport/TbTypedValue.h"

#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"
#include "platform/CodePage.h"
#include "platform/OleDate.h"

#include <charconv>
#include <cstdlib>
#include <set>

namespace pf = orvanta::platform;

namespace {

TbTypedValue Text(std::string_view text) {
    TbTypedValue typed;
    typed.kind = TbTypedKind::Text;
    typed.text = std::string(text);
    return typed;
}

TbTypedValue Integer(int64_t value) {
    TbTypedValue typed;
    typed.kind = TbTypedKind::Integer;
    typed.integer = value;
    return typed;
}

TbTypedValue Boolean(bool value) {
    TbTypedValue typed;
    typed.kind = TbTypedKind::Boolean;
    typed.boolean = value;
    return typed;
}

// The double with the float's shortest decimal form: 1.1f is 1.1, not 1.100000023841858.
TbTypedValue Real(float value) {
    TbTypedValue typed;
    typed.kind = TbTypedKind::Real;
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text - 1, value).ptr;
    *end = 0;
    typed.real = std::strtod(text, nullptr);
    return typed;
}

TbTypedValue Date(const CTbObjRecordValue& value) {
    int16_t year = 0, month = 0, day = 0;
    value.GetDate(&year, &month, &day);
    TbTypedValue typed;
    if (!pf::IsValidDate(year, month, day)) return typed;
    typed.kind = TbTypedKind::Date;
    typed.year = year, typed.month = month, typed.day = day;
    return typed;
}

TbTypedValue Time(int hour, int minute, int second) {
    TbTypedValue typed;
    if (!pf::IsValidTime(hour, minute, second)) return typed;
    typed.kind = TbTypedKind::Time;
    typed.hour = hour, typed.minute = minute, typed.second = second;
    return typed;
}

TbTypedValue Time(const CTbObjRecordValue& value) {
    int16_t hour = 0, minute = 0, second = 0;
    value.GetTime(&hour, &minute, &second);
    return Time(hour, minute, second);
}

int ResultFormatOf(const CTbObjField& field) {
    const CTbObjFieldExpr* expr = field.ExprProps();
    return expr ? expr->GetResultFormat() : -1;
}

TbTypedValue ExpressionValue(const CTbObjField& field, const CTbObjRecordValue& value) {
    const int format = ResultFormatOf(field);
    if (ExprResultIsClock(format)) {
        const int seconds = static_cast<int>(value.GetFloat());
        return Time(seconds / 3600, seconds / 60 % 60, seconds % 60);
    }
    switch (ExprResultValueType(format)) {
        case FLOATING_T:
            return Real(value.GetFloat());
        case DATE_T:
            return Date(value);
        case TIME_T:
            return Time(value);
        case TEXT_T:
            return Text(value.GetText());
        default:
            return {};
    }
}

std::string ListText(const CTbObjField& field, const CTbObjRecordValue& value) {
    const int index = value.GetShort();
    if (field.GetSlot() == 0 && index == 0) return "Unfiled";
    const CTbObjFieldList* list = field.ListProps();
    return list ? list->Items().TextOfIndex(index) : "";
}

TbTypedValue JoinedValue(const CTbObjRecordValue& value) {
    const CTbObjRecordValue* joined = value.JoinedValueIfAny();
    if (!joined) return {};
    if (joined->GetType() == CHECKBOX_T) return Boolean(joined->GetChecked());
    return joined->GetText().empty() ? TbTypedValue{} : Text(joined->GetText());
}

TbTypedValue SetValue(const CTbObjField& field, const CTbObjRecordValue& value) {
    const TbFieldType type = field.GetType();
    if (type == ONE_TO_MANY_T) return Text(value.GetText());
    if (type == EXPRESSION_T || type == ADV_EXPRESSION_T) return ExpressionValue(field, value);
    switch (TbValueKindOf(type)) {
        case TbValueKind::Text:
            return Text(value.GetText());
        case TbValueKind::ItemText:
            return Text(ListText(field, value));
        case TbValueKind::Short:
            return Integer(value.GetShort());
        case TbValueKind::Long:
            return Integer(value.GetLong());
        case TbValueKind::Float:
            return Real(value.GetFloat());
        case TbValueKind::Checked:
            return Boolean(value.GetChecked());
        case TbValueKind::Date:
            return Date(value);
        case TbValueKind::Time:
            return Time(value);
        default:
            return {};
    }
}

}  // namespace

TbTypedValue TypedExportValue(const CTbObjField& field, const CTbObjRecord& record) {
    const CTbObjRecordValue& value = *record.Value(field.GetSlot());
    if (TbIsJoinType(field.GetType())) return JoinedValue(value);
    if (field.GetType() == KEY_T) return Integer(static_cast<int32_t>(record.GetKey()));
    if (!value.HasValue()) return {};
    TbTypedValue typed = SetValue(field, value);
    // An empty text is no value, as the handheld shows it.
    if (typed.kind == TbTypedKind::Text && typed.text.empty()) typed.kind = TbTypedKind::Null;
    return typed;
}

const std::string& Utf8TextOf(const TbTypedValue& value, std::string* converted) {
    for (char c : value.text) {
        if (static_cast<unsigned char>(c) >= 0x80) return *converted = pf::Utf8FromWindows1252(value.text);
    }
    return value.text;
}

TbTypedKind TypedKindOfField(const CTbObjField& field) {
    const TbFieldType type = field.GetType();
    if (TbIsJoinType(type) || type == ONE_TO_MANY_T) return TbTypedKind::Text;
    if (type == EXPRESSION_T || type == ADV_EXPRESSION_T) {
        const int format = ResultFormatOf(field);
        if (ExprResultIsClock(format)) return TbTypedKind::Time;
        switch (ExprResultValueType(format)) {
            case FLOATING_T:
                return TbTypedKind::Real;
            case DATE_T:
                return TbTypedKind::Date;
            case TIME_T:
                return TbTypedKind::Time;
            case TEXT_T:
                return TbTypedKind::Text;
            default:
                return TbTypedKind::Null;
        }
    }
    switch (TbValueKindOf(type)) {
        case TbValueKind::Text:
        case TbValueKind::ItemText:
            return TbTypedKind::Text;
        case TbValueKind::Short:
        case TbValueKind::Long:
        case TbValueKind::Key:
            return TbTypedKind::Integer;
        case TbValueKind::Float:
            return TbTypedKind::Real;
        case TbValueKind::Checked:
            return TbTypedKind::Boolean;
        case TbValueKind::Date:
            return TbTypedKind::Date;
        case TbValueKind::Time:
            return TbTypedKind::Time;
        default:
            return TbTypedKind::Null;
    }
}

std::vector<const CTbObjField*> ExportedFields(const CTbObjDB& db, const std::vector<int32_t>& slots) {
    std::vector<const CTbObjField*> fields;
    for (int32_t slot : slots) {
        const CTbObjField* field = slot >= 0 && slot < MaxFieldSlots ? db.Field(slot) : nullptr;
        if (field && field->GetType() != IMAGE_T && field->GetType() != PLUGIN_T) fields.push_back(field);
    }
    return fields;
}

std::vector<std::string> ExportColumnNames(const std::vector<const CTbObjField*>& fields) {
    std::vector<std::string> names;
    std::set<std::string> taken;
    auto folded = [](const std::string& name) {
        std::string lower;
        for (char c : name) lower.push_back(static_cast<char>(pf::LowerWindows1252(c)));
        return lower;
    };
    for (const CTbObjField* field : fields) {
        std::string name = field->GetName();
        if (name.empty() || !taken.insert(folded(name)).second)
            name.append(" (slot ").append(std::to_string(field->GetSlot())).append(")");
        taken.insert(folded(name));
        names.push_back(pf::Utf8FromWindows1252(name));
    }
    return names;
}
