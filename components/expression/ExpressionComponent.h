// The expression component "ORVTExpression.Evaluator.1": parses expression text into token
// lists, evaluates token lists record by record (keeping the last one compiled) and writes them back.
#pragma once

#include "Compiler.h"
#include "Evaluator.h"
#include "Program.h"
#include "components/expression/IExpressionEvaluator.h"
#include "platform/Component.h"

#include <string>
#include <vector>

namespace orvanta::expression {

class ExpressionComponent final : public platform::IComponent, public IExpressionEvaluator {
public:
    void* QueryInterface(std::string_view interfaceName) override;

    int32_t Parse(std::span<const std::string> fieldNames, std::string_view text,
                  std::vector<uint8_t>* tokenTypes, std::vector<std::string>* tokenValues) override;
    int32_t Evaluate(std::span<const uint8_t> fieldTypes, std::span<const uint8_t> tokenTypes,
                     std::span<const std::string> tokenValues, std::span<const InValue> record,
                     std::span<const InValue> previous, int decimals, int resultFormat,
                     Result* result) override;
    int32_t ToText(std::span<const std::string> fieldNames, std::span<const uint8_t> tokenTypes,
                   std::span<const std::string> tokenValues, std::string* text) override;
    std::string ErrorDescription() const override { return m_error; }
    int ErrorPosition() const override { return m_errorPosition; }

private:
    // The compiled program for the list, from the cache when the list is the one compiled last.
    const Program* ProgramFor(std::span<const uint8_t> types, std::span<const std::string> values);
    bool IsCached(std::span<const uint8_t> types, std::span<const std::string> values) const;
    int32_t Fail(int32_t code, std::string description, int position = -1);

    std::string m_error;
    int m_errorPosition = -1;

    bool m_cacheValid = false;
    std::vector<uint8_t> m_cachedTypes;
    std::vector<std::string> m_cachedValues;
    Program m_program;
    Evaluator m_evaluator;
};

}  // namespace orvanta::expression
