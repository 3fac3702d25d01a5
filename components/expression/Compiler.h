// Reads a token list by the grammar of the expression language into a Program. Parse uses it
// to check what it read; Evaluate uses it on the lists it is given, which may be damaged.
#pragma once

#include "Program.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace orvanta::expression {

enum class GrammarFault {
    None,
    EmptyExpression,
    TooManyTokens,
    MissingOperand,
    MissingOperator,
    MissingCloseParen,
    UnexpectedCloseParen,
    UnexpectedComma,
    NotNeedsBrackets,  // '!' where an operand of an arithmetic or comparison operator belongs
    WrongArgumentCount,
    UnknownTokenType,
    UnknownFunction,
    UnknownOperator,
};

struct GrammarError {
    GrammarFault fault = GrammarFault::None;
    size_t token = 0;  // index of the token at fault; the list's length for its end
    int detail = 0;    // the argument count found, or the unknown type or kind byte
};

// Fills the program, or gives false with the error. Values missing at the end of the
// values count as empty texts.
bool Compile(std::span<const uint8_t> types, std::span<const std::string> values, Program* program,
             GrammarError* error);

}  // namespace orvanta::expression
