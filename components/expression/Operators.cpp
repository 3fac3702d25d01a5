#include "Operators.h"

#include "TextCase.h"

#include <cmath>

namespace orvanta::expression {

namespace {

// The kind a value has in arithmetic: texts are read as numbers and Empty counts as 0.
ValueKind ArithmeticKind(const Value& value) {
    return value.kind == ValueKind::Date || value.kind == ValueKind::Time ? value.kind : ValueKind::Number;
}

Value Add(const Value& a, const Value& b, int decimals, TextArena* texts) {
    if (a.kind == ValueKind::Text || b.kind == ValueKind::Text) {
        std::string& joined = texts->Next();
        AppendTextForm(a, decimals, &joined);
        AppendTextForm(b, decimals, &joined);
        return MakeText(joined);
    }
    const ValueKind ka = ArithmeticKind(a);
    const ValueKind kb = ArithmeticKind(b);
    ValueKind kind = ValueKind::Number;
    if ((ka == ValueKind::Date) != (kb == ValueKind::Date))
        kind = ValueKind::Date;
    else if (ka == ValueKind::Time || kb == ValueKind::Time)
        kind = ValueKind::Time;
    return MakeNumber(NumberOf(a) + NumberOf(b), kind);
}

Value Subtract(const Value& a, const Value& b) {
    const ValueKind ka = ArithmeticKind(a);
    const ValueKind kb = ArithmeticKind(b);
    ValueKind kind = ValueKind::Number;
    if (ka == ValueKind::Date && kb != ValueKind::Date)
        kind = ValueKind::Date;
    else if (ka == ValueKind::Time)
        kind = ValueKind::Time;
    return MakeNumber(NumberOf(a) - NumberOf(b), kind);
}

Value Divide(double a, double b) { return b == 0 ? Value{} : MakeNumber(a / b); }
Value Modulo(double a, double b) { return b == 0 ? Value{} : MakeNumber(std::fmod(a, b)); }

bool IsTextLike(const Value& value) {
    return value.kind == ValueKind::Text || value.kind == ValueKind::Empty;
}

// Texts (or a text and Empty) compare ignoring letter case, everything else as numbers.
int Compare(const Value& a, const Value& b) {
    if (IsTextLike(a) && IsTextLike(b) && (a.kind == ValueKind::Text || b.kind == ValueKind::Text))
        return CompareIgnoreCase(a.text, b.text);
    const double x = NumberOf(a);
    const double y = NumberOf(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

}  // namespace

Value ApplyBinary(Op op, const Value& left, const Value& right, int decimals, TextArena* texts) {
    switch (op) {
        case Op::Add:
            return Add(left, right, decimals, texts);
        case Op::Subtract:
            return Subtract(left, right);
        case Op::Multiply:
            return MakeNumber(NumberOf(left) * NumberOf(right));
        case Op::Divide:
            return Divide(NumberOf(left), NumberOf(right));
        case Op::Modulo:
            return Modulo(NumberOf(left), NumberOf(right));
        case Op::Power:
            return MakeNumber(std::pow(NumberOf(left), NumberOf(right)));
        case Op::Less:
            return MakeBoolean(Compare(left, right) < 0);
        case Op::LessEqual:
            return MakeBoolean(Compare(left, right) <= 0);
        case Op::Greater:
            return MakeBoolean(Compare(left, right) > 0);
        case Op::GreaterEqual:
            return MakeBoolean(Compare(left, right) >= 0);
        case Op::Equal:
            return MakeBoolean(Compare(left, right) == 0);
        case Op::NotEqual:
            return MakeBoolean(Compare(left, right) != 0);
        case Op::And:
            return MakeBoolean(IsTrue(left) && IsTrue(right));
        case Op::Or:
            return MakeBoolean(IsTrue(left) || IsTrue(right));
        case Op::Xor:
            return MakeBoolean(IsTrue(left) != IsTrue(right));
        default:
            return {};
    }
}

Value ApplyUnary(Op op, const Value& operand) {
    switch (op) {
        case Op::Negate:
            return MakeNumber(-NumberOf(operand));
        case Op::Plus:
            return MakeNumber(NumberOf(operand));
        case Op::Not:
            return MakeBoolean(!IsTrue(operand));
        default:
            return {};
    }
}

}  // namespace orvanta::expression
