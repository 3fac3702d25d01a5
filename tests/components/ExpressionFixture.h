// The expression component loaded from its shared library as the program loads it, with the
// sample field names and record the component tests use.
#pragma once

#include "components/expression/IExpressionEvaluator.h"
#include "platform/Component.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace expression_test {

using orvanta::expression::InValue;
using orvanta::expression::Result;
using orvanta::expression::ValueKind;

class ExpressionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(0, orvanta::platform::CreateComponentInterface(orvanta::expression::kProgId,
                                                                 orvanta::expression::kInterfaceName,
                                                                 &m_component, &m_evaluator));
        m_names.assign(81, "");
        m_record.assign(81, InValue{});
    }

    void Field(int slot, const std::string& name, InValue value = {}) {
        m_names[static_cast<size_t>(slot)] = name;
        m_record[static_cast<size_t>(slot)] = value;
    }

    struct Tokens {
        std::vector<uint8_t> types;
        std::vector<std::string> values;
    };

    // The tokens of the text; a failed parse gives no tokens and the description in m_parseError.
    Tokens Parse(const std::string& text) {
        Tokens tokens;
        m_parseError.clear();
        if (m_evaluator->Parse(m_names, text, &tokens.types, &tokens.values) != 0) {
            m_parseError = m_evaluator->ErrorDescription();
            tokens = {};
        }
        return tokens;
    }

    Result Evaluate(const std::string& text, int format = 0, int decimals = 3) {
        const Tokens tokens = Parse(text);
        EXPECT_TRUE(m_parseError.empty()) << text << ": " << m_parseError;
        Result result;
        const std::vector<uint8_t> fieldTypes(80, 0);
        const int32_t hr = m_evaluator->Evaluate(fieldTypes, tokens.types, tokens.values, m_record,
                                                 m_previous, decimals, format, &result);
        EXPECT_EQ(0, hr) << text << ": " << m_evaluator->ErrorDescription();
        return result;
    }

    double Number(const std::string& text) {
        const Result result = Evaluate(text);
        EXPECT_EQ(ValueKind::Number, result.kind) << text;
        return result.number;
    }

    std::string Text(const std::string& text, int decimals = 3) { return Evaluate(text, 13, decimals).text; }

    std::string ToText(const Tokens& tokens) {
        std::string text;
        EXPECT_EQ(0, m_evaluator->ToText(m_names, tokens.types, tokens.values, &text));
        return text;
    }

    std::unique_ptr<orvanta::platform::IComponent> m_component;
    orvanta::expression::IExpressionEvaluator* m_evaluator = nullptr;
    std::vector<std::string> m_names;
    std::vector<InValue> m_record;
    std::vector<InValue> m_previous;
    std::string m_parseError;
};

inline InValue Num(double x) { return {ValueKind::Number, x, {}}; }
inline InValue Txt(std::string_view text) { return {ValueKind::Text, 0, text}; }
inline InValue DateValue(double x) { return {ValueKind::Date, x, {}}; }
inline InValue TimeValue(double x) { return {ValueKind::Time, x, {}}; }

}  // namespace expression_test
