#include "Evaluator.h"

#include "Calendar.h"
#include "Functions.h"
#include "Operators.h"

#include <array>
#include <cmath>

namespace orvanta::expression {

Value Evaluator::Run(const Program& program, const EvaluationInputs& inputs, uint8_t* colour) {
    m_program = &program;
    m_inputs = inputs;
    m_colour = 0;
    m_texts.Reset();
    const Value value = Evaluate(program.root);
    *colour = m_colour;
    return value;
}

Value Evaluator::Evaluate(int32_t index) {
    const Node& node = m_program->nodes[static_cast<size_t>(index)];
    switch (node.op) {
        case Op::Number:
            return {ValueKind::Number, node.number, {}};
        case Op::Text:
            return MakeText(node.text);
        case Op::Field:
            return FieldValue(m_inputs.record, node.slot);
        case Op::PrevField:
            return FieldValue(m_inputs.previous, node.slot);
        case Op::Today:
            return MakeNumber(TodayDate(), ValueKind::Date);
        case Op::Now:
            return MakeNumber(NowTime(), ValueKind::Time);
        case Op::PrevIndex:
            return MakeBoolean(!m_inputs.previous.empty());
        case Op::Colour:
            m_colour = node.code;
            return Evaluate(node.left);
        case Op::Negate:
        case Op::Plus:
        case Op::Not:
            return ApplyUnary(node.op, Evaluate(node.left));
        case Op::Function:
            return EvaluateFunction(node);
        default: {
            const Value left = Evaluate(node.left);
            return ApplyBinary(node.op, left, Evaluate(node.right), m_inputs.decimals, &m_texts);
        }
    }
}

Value Evaluator::EvaluateFunction(const Node& node) {
    const int32_t* args = m_program->args.data() + node.firstArg;
    if (node.code == FUNC_IF) return Evaluate(IsTrue(Evaluate(args[0])) ? args[1] : args[2]);
    if (node.code == FUNC_SEL) {
        const double chosen = std::trunc(NumberOf(Evaluate(args[0])));
        if (!(chosen >= 1 && chosen < node.argCount)) return {};
        return Evaluate(args[static_cast<size_t>(chosen)]);
    }
    std::array<Value, 3> values;  // the other functions take at most three arguments
    const size_t count = node.argCount < values.size() ? node.argCount : values.size();
    for (size_t i = 0; i < count; ++i) values[i] = Evaluate(args[i]);
    return CallFunction(static_cast<FunctionKind>(node.code), std::span<const Value>(values.data(), count));
}

Value Evaluator::FieldValue(std::span<const InValue> values, size_t slot) const {
    if (slot >= values.size()) return {};
    const InValue& in = values[slot];
    if (in.kind == ValueKind::Text) return MakeText(in.text);
    if (in.kind == ValueKind::Empty) return {};
    return MakeNumber(in.number, in.kind);
}

}  // namespace orvanta::expression
