// Evaluates a compiled expression for one record: reads the fields of the record and of the
// previous one, keeps the colour the expression sets, and makes the texts joins need.
#pragma once

#include "Program.h"
#include "TextArena.h"
#include "Value.h"

#include <span>

namespace orvanta::expression {

struct EvaluationInputs {
    std::span<const InValue> record;
    std::span<const InValue> previous;  // empty when there is no previous record
    int decimals = 3;                   // for numbers written into texts
};

class Evaluator {
public:
    // The program's value and the colour it sets (0 black when it sets none). The program
    // must read no slot beyond the record; the value may point into texts kept here until
    // the next Run.
    Value Run(const Program& program, const EvaluationInputs& inputs, uint8_t* colour);

private:
    Value Evaluate(int32_t index);
    Value EvaluateFunction(const Node& node);
    Value FieldValue(std::span<const InValue> values, size_t slot) const;

    const Program* m_program = nullptr;
    EvaluationInputs m_inputs;
    uint8_t m_colour = 0;
    TextArena m_texts;
};

}  // namespace orvanta::expression
