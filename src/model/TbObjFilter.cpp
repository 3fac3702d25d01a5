// Filters: their conditions and how a record passes them.
#include "model/TbObjDB.h"
#include "model/TbObjRecord.h"
#include "model/TbObjView.h"
#include "model/TbSetter.h"
#include "model/TbText.h"
#include "platform/OleDate.h"

#include <cstdlib>

namespace {

enum class OperandKind { None, Text, Whole, Floating, Date, Time };

struct Operand {
    std::string_view text;
    int64_t whole = 0;
    double floating = 0;
    uint32_t packed = 0;
};

OperandKind KindOfValueType(int type) {
    switch (TbValueKindOf(type)) {
        case TbValueKind::Text:
        case TbValueKind::ItemText:
            return OperandKind::Text;
        case TbValueKind::Short:
        case TbValueKind::Long:
        case TbValueKind::Checked:
        case TbValueKind::Key:
            return OperandKind::Whole;
        case TbValueKind::Float:
            return OperandKind::Floating;
        case TbValueKind::Date:
            return OperandKind::Date;
        case TbValueKind::Time:
            return OperandKind::Time;
        default:
            return OperandKind::None;
    }
}

// The value a condition looks at: the joined value of a resolved join, else the record's own.
struct Subject {
    const CTbObjRecordValue* value;
    int type;
};

Subject SubjectOf(const CTbObjField& field, const CTbObjRecord& record) {
    const CTbObjRecordValue* value = record.Value(field.GetSlot());
    if (TbIsJoinType(field.GetType()))
        if (const CTbObjRecordValue* joined = value->JoinedValueIfAny()) return {joined, joined->GetType()};
    // Expression results of every format from Days onwards, Time included, compare as numbers.
    if ((field.GetType() == EXPRESSION_T || field.GetType() == ADV_EXPRESSION_T) &&
        field.ExprProps()->GetResultFormat() == EXPR_RESULT_TIME)
        return {value, FLOATING_T};
    return {value, field.GetValueType()};
}

std::string_view TextOf(const Subject& subject, const CTbObjField& field, std::string& scratch) {
    std::string_view text = subject.value->GetText();
    if (text.empty() && TbValueKindOf(subject.type) == TbValueKind::ItemText && field.ListProps()) {
        scratch = field.ListProps()->Items().TextOfIndex(subject.value->GetShort());
        return scratch;
    }
    return text;
}

// Any numeric value as a number, so that a second field of another numeric type compares too.
double NumberOf(const Subject& subject, const CTbObjRecord& record, bool joined) {
    switch (TbValueKindOf(subject.type)) {
        case TbValueKind::Short:
            return subject.value->GetShort();
        case TbValueKind::Float:
            return subject.value->GetFloat();
        case TbValueKind::Checked:
            return subject.value->GetChecked() ? 1 : 0;
        case TbValueKind::Key:
            return joined ? subject.value->GetLong() : static_cast<int32_t>(record.GetKey());
        default:
            return subject.value->GetLong();
    }
}

Operand OperandOf(OperandKind kind, const Subject& subject, const CTbObjField& field,
                  const CTbObjRecord& record, std::string& scratch) {
    Operand operand;
    bool joined = subject.value != record.Value(field.GetSlot());
    switch (kind) {
        case OperandKind::Text:
            operand.text = TextOf(subject, field, scratch);
            break;
        case OperandKind::Whole:
            operand.whole = static_cast<int64_t>(NumberOf(subject, record, joined));
            break;
        case OperandKind::Floating:
            operand.floating = NumberOf(subject, record, joined);
            break;
        case OperandKind::Date:
            operand.packed = subject.value->PackedDate();
            break;
        case OperandKind::Time:
            operand.packed = subject.value->PackedTime();
            break;
        case OperandKind::None:
            break;
    }
    return operand;
}

Operand ConstantOperand(OperandKind kind, const std::string& constant, const TbFilterClock& clock) {
    Operand operand;
    operand.text = constant;
    switch (kind) {
        case OperandKind::Whole:
            operand.whole = std::strtol(constant.c_str(), nullptr, 10);
            break;
        case OperandKind::Floating:
            operand.floating = std::strtod(constant.c_str(), nullptr);
            break;
        case OperandKind::Date:
            operand.packed = !constant.empty() && constant[0] == 'T'
                                 ? clock.packedDate
                                 : static_cast<uint32_t>(std::strtoul(constant.c_str(), nullptr, 10));
            break;
        case OperandKind::Time:
            operand.packed = !constant.empty() && constant[0] == 'W'
                                 ? clock.packedTime
                                 : static_cast<uint32_t>(std::strtoul(constant.c_str(), nullptr, 10));
            break;
        default:
            break;
    }
    return operand;
}

// The six ordering operators; unknown is what any other operator gives.
template <typename T>
bool Ordered(char op, const T& a, const T& b, bool unknown) {
    switch (op) {
        case TbCompare::Equal:
            return a == b;
        case TbCompare::NotEqual:
            return a != b;
        case TbCompare::Less:
            return a < b;
        case TbCompare::Greater:
            return a > b;
        case TbCompare::GreaterOrEqual:
            return a >= b;
        case TbCompare::LessOrEqual:
            return a <= b;
        default:
            return unknown;
    }
}

bool TextHolds(char op, std::string_view value, std::string_view other) {
    if (value.empty() || other.empty()) {
        if (op == TbCompare::Equal) return value == other;
        if (op == TbCompare::NotEqual) return value != other;
        return false;
    }
    switch (op) {
        case TbCompare::Contains:
            return Contains(value, other, false);
        case TbCompare::ContainsNoCase:
            return Contains(value, other, true);
        case TbCompare::Starts:
            return StartsWith(value, other, false);
        case TbCompare::StartsNoCase:
            return StartsWith(value, other, true);
        default:
            return Ordered(op, CompareNoCase(value, other), 0, true);
    }
}

bool Combine(bool left, bool right, char logic) {
    if (logic == TbCompare::And) return left && right;
    if (logic == TbCompare::Or) return left || right;
    return left;
}

uint32_t Pack(int a, int b, int c) {
    return static_cast<uint32_t>(a) * 65536u + static_cast<uint32_t>(b) * 256u + c;
}

}  // namespace

// Filters read "today" and "now" on the UTC clock, as the handheld's filters do; a conditional
// expression's "today" is the local date on purpose (CCondExpEvaluator), so near midnight the
// two can name different days.
TbFilterClock TbFilterClock::UtcNow() {
    auto date = orvanta::platform::UtcToday();
    auto time = orvanta::platform::UtcNow();
    return {Pack(date.year, date.month, date.day), Pack(time.hour, time.minute, time.second)};
}

CTbObjFilter::Condition CTbObjFilter::GetCondition(int i) const {
    return i >= 0 && i < 3 ? m_conditions[i] : Condition{};
}

void CTbObjFilter::SetCondition(int i, uint16_t field, char op, uint16_t secondField, std::string constant) {
    if (i < 0 || i >= 3) return;
    m_conditions[i] = {field, op, secondField, std::move(constant)};
    TbMarkModified(m_db);
}

void CTbObjFilter::SetLogicOperator(int j, char op) {
    if (j < 0 || j > 1) return;
    m_logic[j] = op;
    TbMarkModified(m_db);
}

bool CTbObjFilter::Passes(const CTbObjRecord& record, const TbFilterClock& clock) const {
    bool first = ConditionHolds(m_conditions[0], record, clock);
    bool second = ConditionHolds(m_conditions[1], record, clock);
    bool third = ConditionHolds(m_conditions[2], record, clock);
    return Combine(Combine(first, second, m_logic[0]), third, m_logic[1]);
}

bool CTbObjFilter::ConditionHolds(const Condition& condition, const CTbObjRecord& record,
                                  const TbFilterClock& clock) const {
    const CTbObjField* field = condition.field != 0 && m_db ? m_db->Field(condition.field) : nullptr;
    if (!field) return true;
    Subject subject = SubjectOf(*field, record);
    OperandKind kind = KindOfValueType(subject.type);
    if (kind == OperandKind::None) return true;

    std::string scratch, otherScratch;
    Operand left = OperandOf(kind, subject, *field, record, scratch);
    const CTbObjField* second = condition.secondField != 0 ? m_db->Field(condition.secondField) : nullptr;
    Operand right = second ? OperandOf(kind, SubjectOf(*second, record), *second, record, otherScratch)
                           : ConstantOperand(kind, condition.constant, clock);
    switch (kind) {
        case OperandKind::Text:
            return TextHolds(condition.op, left.text, right.text);
        case OperandKind::Whole:
            return Ordered(condition.op, left.whole, right.whole, true);
        case OperandKind::Floating:
            return Ordered(condition.op, left.floating, right.floating, true);
        default:
            return Ordered(condition.op, left.packed, right.packed, false);
    }
}
