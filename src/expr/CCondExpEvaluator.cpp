// Conditional Expression fields: operands by kind, comparisons, the joined condition, the result.
#include "expr/CCondExpEvaluator.h"

#include "expr/TbValueText.h"
#include "model/TbObjDB.h"
#include "model/TbObjView.h"
#include "model/TbText.h"
#include "platform/OleDate.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

// The kinds a comparison reads its operands as: text, whole number, 4-byte real or packed date.
enum class Kind { None, Text, Integer, Float, Date };

struct Operand {
    Kind kind = Kind::None;
    std::string text;
    int32_t integer = 0;
    float real = 0;
};

// atoi as the Windows run-time reads it: blanks, a sign, digits; out of range gives the limit.
int32_t ReadInteger(const std::string& text) {
    long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

float ReadReal(const std::string& text) { return static_cast<float>(std::strtod(text.c_str(), nullptr)); }

int32_t PackDate(int year, int month, int day) { return year * 65536 + month * 256 + day; }

Operand IntegerOperand(int32_t value, Kind kind = Kind::Integer) {
    Operand operand;
    operand.kind = kind;
    operand.integer = value;
    return operand;
}

Operand TextOperand(std::string text) {
    Operand operand;
    operand.kind = Kind::Text;
    operand.text = std::move(text);
    return operand;
}

Operand FieldOperand(const CTbObjRecord& record, const CTbObjField& field) {
    TbTypedValue typed = TypedValueOf(record, field);
    const CTbObjRecordValue& value = *typed.value;
    switch (TbValueKindOf(typed.type)) {
        case TbValueKind::Text:
        case TbValueKind::ItemText:
            return TextOperand(TypedValueAsText(typed, &field));
        case TbValueKind::Short:
            return IntegerOperand(value.GetShort());
        case TbValueKind::Long:
            return IntegerOperand(value.GetLong());
        case TbValueKind::Checked:
            return IntegerOperand(value.GetChecked() ? 1 : 0);
        case TbValueKind::Key:
            return IntegerOperand(static_cast<int32_t>(typed.key));
        case TbValueKind::Date:
            return IntegerOperand(static_cast<int32_t>(value.PackedDate()), Kind::Date);
        case TbValueKind::Float: {
            Operand operand;
            operand.kind = Kind::Float;
            operand.real = value.GetFloat();
            return operand;
        }
        default:
            return {};  // Time and the types without a value have no kind
    }
}

// A right operand without a field: against a date "T..." is today and any other text a number;
// against any other kind the constant stays text.
Operand ConstantOperand(const std::string& constant, Kind leftKind) {
    if (leftKind != Kind::Date) return TextOperand(constant);
    if (!constant.empty() && constant[0] == 'T') {
        // The local date, as the other computed fields use; filters deliberately use the UTC
        // date instead (TbFilterClock), so the two may differ near midnight.
        orvanta::platform::CalendarDate today = orvanta::platform::LocalToday();
        return IntegerOperand(PackDate(today.year, today.month, today.day));
    }
    return IntegerOperand(ReadInteger(constant));
}

template <typename T>
bool NumbersHold(char op, T left, T right) {
    switch (op) {
        case TbCompare::NotEqual:
            return left != right;
        case TbCompare::Less:
            return left < right;
        case TbCompare::Equal:
            return left == right;
        case TbCompare::Greater:
            return left > right;
        case TbCompare::GreaterOrEqual:
            return left >= right;
        case TbCompare::LessOrEqual:
            return left <= right;
        default:
            return true;
    }
}

bool TextsHold(char op, const std::string& left, const std::string& right) {
    if (left.empty() && right.empty()) return op == TbCompare::Equal;
    if (left.empty() || right.empty()) return op == TbCompare::NotEqual;
    switch (op) {
        case TbCompare::Contains:
            return Contains(left, right, false);
        case TbCompare::ContainsNoCase:
            return Contains(left, right, true);
        case TbCompare::Starts:
            return StartsWith(left, right, false);
        case TbCompare::StartsNoCase:
            return StartsWith(left, right, true);
        default:
            return NumbersHold(op, CompareNoCase(left, right), 0);
    }
}

// A whole number or a real against the other operand, which is read as the same kind.
float AsReal(const Operand& operand) {
    if (operand.kind == Kind::Float) return operand.real;
    if (operand.kind == Kind::Text) return ReadReal(operand.text);
    return static_cast<float>(operand.integer);
}

int32_t AsInteger(const Operand& operand) {
    return operand.kind == Kind::Text ? ReadInteger(operand.text) : operand.integer;
}

bool Compare(char op, const Operand& left, const Operand& right) {
    if (left.kind == Kind::None || right.kind == Kind::None) return false;
    if (left.kind == Kind::Text && right.kind == Kind::Text) return TextsHold(op, left.text, right.text);
    if (left.kind == Kind::Float || right.kind == Kind::Float)
        return NumbersHold(op, AsReal(left), AsReal(right));
    return NumbersHold(op, AsInteger(left), AsInteger(right));
}

class ConditionOnRecord {
public:
    ConditionOnRecord(const CTbObjRecord& record, const CTbObjFilter& filter, const CTbObjDB* db)
        : m_record(record), m_filter(filter), m_db(db) {}

    bool Holds() const {
        std::array<bool, 3> results{false, false, false};
        for (int i = 0; i < 3 && IsCollected(i); ++i) results[i] = ComparisonHolds(m_filter.GetCondition(i));
        return Join(results);
    }

private:
    // A comparison counts when it and every comparison before it name a field and every logic
    // operator before it is "A" or "O": collecting stops at the first that does not.
    bool IsCollected(int i) const {
        for (int j = 0; j <= i; ++j) {
            if (m_filter.GetCondition(j).field == 0) return false;
            if (j < i && !IsJoining(m_filter.GetLogicOperator(j))) return false;
        }
        return true;
    }

    static bool IsJoining(char logic) { return logic == TbCompare::And || logic == TbCompare::Or; }

    bool Join(const std::array<bool, 3>& results) const {
        char first = m_filter.GetLogicOperator(0);
        if (!IsJoining(first)) return results[0];
        bool result = first == TbCompare::And ? results[0] && results[1] : results[0] || results[1];
        char second = m_filter.GetLogicOperator(1);
        if (second == TbCompare::And) return result && results[2];
        if (second == TbCompare::Or) return result || results[2];
        return result;
    }

    bool ComparisonHolds(const CTbObjFilter::Condition& comparison) const {
        Operand left = OperandOfField(comparison.field);
        Operand right = comparison.secondField != 0 ? OperandOfField(comparison.secondField)
                                                    : ConstantOperand(comparison.constant, left.kind);
        return Compare(comparison.op, left, right);
    }

    Operand OperandOfField(int slot) const {
        const CTbObjField* field = m_db ? m_db->Field(slot) : nullptr;
        return field ? FieldOperand(m_record, *field) : Operand{};
    }

    const CTbObjRecord& m_record;
    const CTbObjFilter& m_filter;
    const CTbObjDB* m_db;
};

}  // namespace

CCondExpEvaluator::~CCondExpEvaluator() = default;

bool CCondExpEvaluator::IsSetUp(const CTbObjField& field) {
    const CTbObjFieldCondExpr* props = field.CondExprProps();
    return props && props->Condition().IsDefined();
}

bool CCondExpEvaluator::Evaluate(CTbObjRecord& record, const CTbObjField& field) {
    const CTbObjFieldCondExpr* props = field.CondExprProps();
    CTbObjRecordValue* value = record.Value(field.GetSlot());
    if (!props || !value) return false;
    const CTbObjDB* db = field.Database();
    bool holds = ConditionOnRecord(record, props->Condition(), db).Holds();

    uint16_t sideField = holds ? props->GetTrueField() : props->GetFalseField();
    std::string text = holds ? props->GetTrueConstant() : props->GetFalseConstant();
    if (sideField != 0) {
        const CTbObjField* source = db ? db->Field(sideField) : nullptr;
        text = source ? ValueAsText(record, *source) : std::string();
    }
    bool changed = value->GetText() != text;
    if (changed) value->SetText(text);
    value->SetColour(holds ? props->GetTrueColour() : props->GetFalseColour());
    return changed;
}
