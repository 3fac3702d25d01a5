// The expression component loaded from its shared library as the program loads it, with the
// sample record (the one docs/expressions.md describes) the component tests use.
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

inline InValue Num(double x) { return {ValueKind::Number, x, {}}; }
inline InValue Txt(std::string_view text) { return {ValueKind::Text, 0, text}; }

constexpr double kDue = 38411;  // 2005-02-28, a Monday

class ExpressionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(0, orvanta::platform::CreateComponentInterface(orvanta::expression::kProgId,
                                                                 orvanta::expression::kInterfaceName,
                                                                 &m_component, &m_evaluator));
        m_names.assign(81, "");
        m_record.assign(81, InValue{});
        Field(1, "Price", Num(12.5));
        Field(2, "Quantity", Num(4));
        Field(3, "Name", Txt("Ann"));
        Field(4, "Due", {ValueKind::Date, kDue, {}});
        Field(5, "Start", {ValueKind::Time, 22.0 / 24, {}});
        Field(6, "End", {ValueKind::Time, 6.0 / 24, {}});
        Field(7, "Notes");
        Field(8, "Unit Price", Num(3));
        Field(9, "Size (cm)", Num(40));
        Field(10, "Code", Txt("12abc"));
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

    int32_t EvaluateList(const Tokens& tokens, int format, int decimals, Result* result) {
        return m_evaluator->Evaluate({}, tokens.types, tokens.values, m_record, m_previous, decimals, format,
                                     result);
    }

    Result Evaluate(const std::string& text, int format = 0, int decimals = 3) {
        const Tokens tokens = Parse(text);
        EXPECT_TRUE(m_parseError.empty()) << text << ": " << m_parseError;
        Result result;
        EXPECT_EQ(0, EvaluateList(tokens, format, decimals, &result))
            << text << ": " << m_evaluator->ErrorDescription();
        return result;
    }

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

}  // namespace expression_test
