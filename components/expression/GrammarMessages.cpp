#include "GrammarMessages.h"

#include "Vocabulary.h"

namespace orvanta::expression {

namespace {

uint8_t KindAt(std::span<const std::string> values, size_t index) {
    return index < values.size() && !values[index].empty() ? static_cast<uint8_t>(values[index][0]) : 0;
}

// What is wrong, without where.
std::string FaultText(const GrammarError& error, uint8_t functionKind) {
    const std::string detail = std::to_string(error.detail);
    switch (error.fault) {
        case GrammarFault::EmptyExpression:
            return "The expression is empty";
        case GrammarFault::TooManyTokens:
            return "The expression is too long: it has more than " + std::to_string(kMaxTokens) + " tokens";
        case GrammarFault::MissingOperand:
            return "Missing operand";
        case GrammarFault::MissingOperator:
            return "Missing operator";
        case GrammarFault::MissingCloseParen:
            return "Missing ')'";
        case GrammarFault::UnexpectedCloseParen:
            return "Unexpected ')'";
        case GrammarFault::UnexpectedComma:
            return "Unexpected ','";
        case GrammarFault::NotNeedsBrackets:
            return "Put '!' and what it negates in brackets";
        case GrammarFault::WrongArgumentCount: {
            const auto kind = static_cast<FunctionKind>(functionKind);
            const char* name = FunctionName(kind);
            return std::string(name ? name : "The function") + "( takes " + ArgumentRule(kind) + ", not " +
                   detail + ",";
        }
        case GrammarFault::UnknownTokenType:
            return "Unknown token type " + detail;
        case GrammarFault::UnknownFunction:
            return "Unknown function type " + detail;
        case GrammarFault::UnknownOperator:
            return "Unknown operator " + detail;
        case GrammarFault::None:
            break;
    }
    return "Error";
}

}  // namespace

ParseFailure DescribeInText(const GrammarError& error, const TokenList& tokens, int textLength) {
    if (error.fault == GrammarFault::EmptyExpression) return {"The expression is empty (position 1).", 0};
    const std::string what = FaultText(error, KindAt(tokens.values, error.token));
    if (error.token >= tokens.positions.size()) return FailureAtEnd(what, textLength);
    return FailureAt(what, tokens.positions[error.token]);
}

std::string DescribeInList(const GrammarError& error, std::span<const uint8_t> types,
                           std::span<const std::string> values) {
    if (error.fault == GrammarFault::EmptyExpression) return "The expression has no tokens.";
    const std::string what = FaultText(error, KindAt(values, error.token));
    const std::string where = error.token >= types.size() ? "at the end of the list"
                                                          : "at token " + std::to_string(error.token + 1);
    return "The expression's token list cannot be evaluated: " + what + " " + where + ".";
}

}  // namespace orvanta::expression
