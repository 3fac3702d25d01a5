// Reading the operands of an Expression field's token chain.
#include "expr/TbChainOperands.h"

#include "components/expression/IExpressionEvaluator.h"
#include "expr/TbValueText.h"
#include "model/TbObjDB.h"
#include "platform/OleDate.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tok = orvanta::expression;
namespace pf = orvanta::platform;

struct TbChainOperands::FieldOperand {
    const CTbObjRecord* record;
    const CTbObjField* field;
};

namespace {

constexpr size_t kMaxChainTokens = 15;

// atof: the leading decimal number of the text, 0 when there is none.
double ReadReal(std::string_view text) { return std::strtod(std::string(text).c_str(), nullptr); }

// A real cut to its whole part, kept within what a 32-bit whole number (signed or not) holds.
int64_t Truncate(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int64_t>(std::clamp(std::trunc(value), -2147483648.0, 4294967295.0));
}

// The number of a value by its type: numbers as they are, Checkbox 1 or 0, Text and Conditional
// Expression texts and List and Radio Button item texts read as decimals, a joined key its number.
double NumberOfValue(const TbTypedValue& typed, const CTbObjField& field) {
    const CTbObjRecordValue& value = *typed.value;
    switch (TbValueKindOf(typed.type)) {
        case TbValueKind::Short:
            return value.GetShort();
        case TbValueKind::Long:
            return value.GetLong();
        case TbValueKind::Float:
            return value.GetFloat();
        case TbValueKind::Checked:
            return value.GetChecked() ? 1 : 0;
        case TbValueKind::Text:  // Memo and the address-book texts count as 0
            return typed.type == TEXT_T || typed.type == COND_EXP_T ? ReadReal(value.GetText()) : 0;
        case TbValueKind::ItemText:
            return ReadReal(ListItemText(value, &field));
        case TbValueKind::Key:
            return typed.joined ? static_cast<double>(typed.key) : 0;
        default:
            return 0;
    }
}

uint32_t SecondsOfDay(int hour, int minute, int second) {
    return static_cast<uint32_t>(hour * 3600 + minute * 60 + second);
}

bool IsWholeNumberType(int type) {
    return type == INTEGER_T || type == LONG_T || type == FLOATING_T || type == CHECKBOX_T ||
           type == AUTO_INC_T;
}

TbDateOperand NumberOperand(int64_t number) {
    TbDateOperand operand;
    operand.number = static_cast<int32_t>(std::clamp<int64_t>(number, INT32_MIN, INT32_MAX));
    return operand;
}

// Date fields with all three parts above 0 give a date; the number types their truncated number;
// a DB Lookup its joined value and an expression field its result by their types.
TbDateOperand DateOfField(const CTbObjRecord& record, const CTbObjField& field) {
    if (field.GetType() == DB_JOIN_T) return {};
    TbTypedValue typed = TypedValueOf(record, field);
    if (typed.type == DATE_T) {
        int16_t y, m, d;
        typed.value->GetDate(&y, &m, &d);
        if (y <= 0 || m <= 0 || d <= 0) return {};
        return {true, TbDate{y, m, d}, 0};
    }
    if (IsWholeNumberType(typed.type)) return NumberOperand(Truncate(NumberOfValue(typed, field)));
    if (typed.type == KEY_T && typed.joined) return NumberOperand(typed.key);
    return {};
}

}  // namespace

TbChain ReadChain(const CTbObjFieldExpr& expr) {
    const std::vector<uint8_t>& types = expr.GetTokenTypes();
    const std::vector<std::string>& values = expr.GetTokenValues();
    size_t count = std::min({types.size(), values.size(), kMaxChainTokens});
    TbChain chain;
    for (size_t position = 0; position < count && types[position] != tok::kTokenEnd; position += 2) {
        if (position > 0) chain.operators.push_back(types[position - 1]);
        chain.operands.push_back({types[position], values[position]});
    }
    return chain;
}

bool TbChainOperands::FieldOf(const TbChainToken& token, FieldOperand* out) const {
    int slot = token.type;
    const CTbObjRecord* record = &m_record;
    if (slot > tok::kTokenPreviousBase && slot <= tok::kTokenPreviousBase + MaxUserFields) {
        slot -= tok::kTokenPreviousBase;
        record = m_previous;
    } else if (slot < 1 || slot > MaxUserFields) {
        return false;
    }
    const CTbObjField* field = m_db ? m_db->Field(slot) : nullptr;
    if (!record || !field) return false;
    *out = {record, field};
    return true;
}

float TbChainOperands::Number(const TbChainToken& token) const {
    FieldOperand operand;
    double number = 0;
    if (FieldOf(token, &operand))
        number = NumberOfValue(TypedValueOf(*operand.record, *operand.field), *operand.field);
    else if (token.type == tok::kTokenFloatConst)
        number = ReadReal(token.text);
    return static_cast<float>(number);
}

uint32_t TbChainOperands::Seconds(const TbChainToken& token) const {
    FieldOperand operand;
    if (FieldOf(token, &operand)) {
        TbTypedValue typed = TypedValueOf(*operand.record, *operand.field);
        if (typed.type != TIME_T)
            return static_cast<uint32_t>(Truncate(NumberOfValue(typed, *operand.field)));
        int16_t h, m, s;
        typed.value->GetTime(&h, &m, &s);
        return SecondsOfDay(h, m, s);
    }
    if (token.type == tok::kTokenFloatConst) return static_cast<uint32_t>(Truncate(ReadReal(token.text)));
    if (token.type != tok::kTokenNow) return 0;
    pf::ClockTime now = pf::LocalNow();
    return SecondsOfDay(now.hour, now.minute, now.second);
}

TbDateOperand TbChainOperands::Date(const TbChainToken& token) const {
    FieldOperand operand;
    if (FieldOf(token, &operand)) return DateOfField(*operand.record, *operand.field);
    if (token.type == tok::kTokenFloatConst) return NumberOperand(Truncate(ReadReal(token.text)));
    if (token.type != tok::kTokenToday) return {};
    pf::CalendarDate today = pf::LocalToday();
    return {true, TbDate{today.year, today.month, today.day}, 0};
}
