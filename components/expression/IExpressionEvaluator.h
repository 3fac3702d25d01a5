// The calls of the expression component "ORVTExpression.Evaluator.1": parsing expression text
// into the handheld's token list, evaluating token lists, and turning them back into text.
#pragma once

#include "platform/Component.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::expression {

inline constexpr const char* kProgId = "ORVTExpression.Evaluator.1";
inline constexpr const char* kInterfaceName = "IExpressionEvaluator";

// Result codes of the calls: 0 success; a failure leaves its text in ErrorDescription().
inline constexpr int32_t kOk = 0;
inline constexpr int32_t kParseError = static_cast<int32_t>(0x80020009u);  // DISP_E_EXCEPTION
inline constexpr int32_t kEvalError = static_cast<int32_t>(0x80020009u);

// Token type bytes of the handheld's token list.
inline constexpr uint8_t kTokenEnd = 0;
inline constexpr uint8_t kTokenPreviousBase = 100;  // 101..180: a field of the previous record
inline constexpr uint8_t kTokenToday = 84;
inline constexpr uint8_t kTokenFloatConst = 86;
inline constexpr uint8_t kTokenNow = 87;
inline constexpr uint8_t kTokenString = 88;
inline constexpr uint8_t kTokenColor = 89;
inline constexpr uint8_t kTokenPlus = 90;
inline constexpr uint8_t kTokenMinus = 91;
inline constexpr uint8_t kTokenMultiply = 92;
inline constexpr uint8_t kTokenDivide = 93;
inline constexpr uint8_t kTokenFunc = 94;
inline constexpr uint8_t kTokenParenL = 95;
inline constexpr uint8_t kTokenParenR = 96;
inline constexpr uint8_t kTokenComma = 97;
inline constexpr uint8_t kTokenOper = 98;
inline constexpr uint8_t kTokenPrevRecIndex = 99;

// Function kinds (first byte of a function token's value).
enum FunctionKind : uint8_t {
    FUNC_NONE = 0,
    FUNC_IF,
    FUNC_SEL,
    FUNC_SQRT,
    FUNC_ABS,
    FUNC_SIGN,
    FUNC_CEIL,
    FUNC_FLOOR,
    FUNC_ROUND,
    FUNC_DATE,
    FUNC_TIME,
    FUNC_DAY,
    FUNC_MONTH,
    FUNC_YEAR,
    FUNC_HOUR,
    FUNC_MINUTE,
    FUNC_SECOND,
    FUNC_WEEKDAY,
    FUNC_COUNT  // 18
};

// Operator kinds (first byte of an operator token's value).
enum OperatorKind : uint8_t {
    OPER_NONE = 0,
    OPER_MOD,
    OPER_LE,
    OPER_GE,
    OPER_LT,
    OPER_GT,
    OPER_EQ,
    OPER_NE,
    OPER_AND,
    OPER_OR,
    OPER_XOR,
    OPER_NOT,
    OPER_COUNT  // 12
};

// What a value is. Dates and times are OLE date numbers: days since 30 December 1899, the
// time of day as the fraction of a day.
enum class ValueKind : uint8_t { Empty, Number, Text, Date, Time };

// A value handed in; the text is only borrowed for the length of the call.
struct InValue {
    ValueKind kind = ValueKind::Empty;
    double number = 0;
    std::string_view text;
};

// The outcome of an evaluation: the value (already in the form the result format asks for)
// and the colour code (0 black, 1 red, 2 green, 3 blue, 4 yellow).
struct Result {
    ValueKind kind = ValueKind::Empty;
    double number = 0;
    std::string text;
    uint32_t colour = 0;
};

class IExpressionEvaluator {
public:
    // Parses text against the 81 field names (slot 0 and unused slots empty). On success the
    // token types and values are filled (no terminating 0). A failure gives kParseError with
    // ErrorDescription() and ErrorPosition() set.
    virtual int32_t Parse(std::span<const std::string> fieldNames, std::string_view text,
                          std::vector<uint8_t>* tokenTypes, std::vector<std::string>* tokenValues) = 0;

    // Evaluates a token list. fieldTypes holds the types of slots 0 to 79; record and previous
    // hold 81 values each (previous is empty when there is no previous record). decimals and
    // resultFormat are the field's; the result comes in the form the format asks for.
    virtual int32_t Evaluate(std::span<const uint8_t> fieldTypes, std::span<const uint8_t> tokenTypes,
                             std::span<const std::string> tokenValues, std::span<const InValue> record,
                             std::span<const InValue> previous, int decimals, int resultFormat,
                             Result* result) = 0;

    // Turns a token list back into text that Parse reads again.
    virtual int32_t ToText(std::span<const std::string> fieldNames, std::span<const uint8_t> tokenTypes,
                           std::span<const std::string> tokenValues, std::string* text) = 0;

    // The description of the last failure; for parse errors it names the position.
    virtual std::string ErrorDescription() const = 0;
    // The 0-based character position of the last parse error in the text; -1 when none.
    virtual int ErrorPosition() const = 0;

protected:
    ~IExpressionEvaluator() = default;
};

}  // namespace orvanta::expression
