#include "ExpressionComponent.h"

#include "FieldNames.h"
#include "GrammarMessages.h"
#include "Lexer.h"
#include "ResultFormat.h"
#include "TokenText.h"

#include <algorithm>
#include <cstring>

namespace orvanta::expression {

namespace {

// A list ends at its first type byte 0.
std::span<const uint8_t> UpToEnd(std::span<const uint8_t> types) {
    const auto end = std::find(types.begin(), types.end(), kTokenEnd);
    return types.first(static_cast<size_t>(end - types.begin()));
}

}  // namespace

void* ExpressionComponent::QueryInterface(std::string_view interfaceName) {
    if (interfaceName == kInterfaceName) return static_cast<IExpressionEvaluator*>(this);
    return nullptr;
}

int32_t ExpressionComponent::Parse(std::span<const std::string> fieldNames, std::string_view text,
                                   std::vector<uint8_t>* tokenTypes, std::vector<std::string>* tokenValues) {
    if (!tokenTypes || !tokenValues) return Fail(kParseError, "There is no place for the tokens.");
    const FieldNames names(fieldNames);
    TokenList tokens;
    ParseFailure failure;
    if (!Lexer(names, text).Run(&tokens, &failure))
        return Fail(kParseError, failure.message, failure.position);
    Program program;
    GrammarError error;
    if (!Compile(tokens.types, tokens.values, &program, &error)) {
        failure = DescribeInText(error, tokens, static_cast<int>(text.size()));
        return Fail(kParseError, failure.message, failure.position);
    }
    *tokenTypes = std::move(tokens.types);
    *tokenValues = std::move(tokens.values);
    return Fail(kOk, {});
}

int32_t ExpressionComponent::Evaluate(std::span<const uint8_t> /*fieldTypes*/,
                                      std::span<const uint8_t> tokenTypes,
                                      std::span<const std::string> tokenValues,
                                      std::span<const InValue> record, std::span<const InValue> previous,
                                      int decimals, int resultFormat, Result* result) {
    if (!result) return Fail(kEvalError, "There is no place for the result.");
    if (resultFormat < kFormatFloating || resultFormat > kFormatText)
        return Fail(kEvalError, "Unknown result format " + std::to_string(resultFormat) + ".");
    const std::span<const uint8_t> types = UpToEnd(tokenTypes);
    const Program* program = ProgramFor(types, tokenValues);
    if (!program) return kEvalError;
    if (static_cast<size_t>(program->highestSlot) >= record.size())
        return Fail(kEvalError, "The expression uses field " + std::to_string(program->highestSlot) +
                                    ", which the record does not have.");
    if (!previous.empty() && static_cast<size_t>(program->highestPrevSlot) >= previous.size())
        return Fail(kEvalError, "The expression uses field " + std::to_string(program->highestPrevSlot) +
                                    " of the previous record, which that record does not have.");
    uint8_t colour = 0;
    const Value value = m_evaluator.Run(*program, {record, previous, decimals}, &colour);
    ApplyResultFormat(value, resultFormat, decimals, result);
    result->colour = colour;
    if (!m_error.empty()) m_error.clear();
    m_errorPosition = -1;
    return kOk;
}

int32_t ExpressionComponent::ToText(std::span<const std::string> fieldNames,
                                    std::span<const uint8_t> tokenTypes,
                                    std::span<const std::string> tokenValues, std::string* text) {
    if (!text) return Fail(kEvalError, "There is no place for the text.");
    *text = TokensToText(fieldNames, tokenTypes, tokenValues);
    return Fail(kOk, {});
}

const Program* ExpressionComponent::ProgramFor(std::span<const uint8_t> types,
                                               std::span<const std::string> values) {
    if (m_cacheValid && IsCached(types, values)) return &m_program;
    m_cacheValid = false;
    GrammarError error;
    if (!Compile(types, values, &m_program, &error)) {
        Fail(kEvalError, DescribeInList(error, types, values));
        return nullptr;
    }
    m_cachedTypes.assign(types.begin(), types.end());
    m_cachedValues.assign(values.begin(),
                          values.begin() + static_cast<ptrdiff_t>(std::min(values.size(), types.size())));
    m_cacheValid = true;
    return &m_program;
}

bool ExpressionComponent::IsCached(std::span<const uint8_t> types,
                                   std::span<const std::string> values) const {
    const size_t valueCount = std::min(values.size(), types.size());
    if (types.size() != m_cachedTypes.size() || valueCount != m_cachedValues.size()) return false;
    if (!types.empty() && std::memcmp(types.data(), m_cachedTypes.data(), types.size()) != 0) return false;
    for (size_t i = 0; i < valueCount; ++i)
        if (values[i] != m_cachedValues[i]) return false;
    return true;
}

int32_t ExpressionComponent::Fail(int32_t code, std::string description, int position) {
    m_error = std::move(description);
    m_errorPosition = position;
    return code;
}

}  // namespace orvanta::expression

extern "C" __attribute__((visibility("default"))) orvanta::platform::IComponent* OrvantaCreateComponent(
    const char* progId) {
    if (!progId || std::strcmp(progId, orvanta::expression::kProgId) != 0) return nullptr;
    return new orvanta::expression::ExpressionComponent();
}
