#include "Vocabulary.h"

#include "TextCase.h"

namespace orvanta::expression {

namespace {

constexpr const char* kFunctionNames[FUNC_COUNT] = {
    nullptr, "If",   "Sel", "Sqrt",  "Abs",  "Sign", "Ceil",   "Floor",  "Round",
    "Date",  "Time", "Day", "Month", "Year", "Hour", "Minute", "Second", "Weekday",
};

constexpr const char* kOperatorSymbols[OPER_COUNT] = {
    nullptr, "%", "<=", ">=", "<", ">", "=", "<>", "&", "|", "^", "!",
};

constexpr const char* kColourNames[] = {"black", "red", "green", "blue", "yellow"};
constexpr int kColourCount = 5;

}  // namespace

Keyword FindKeyword(std::string_view word) {
    if (EqualsIgnoreCase(word, "Today")) return Keyword::Today;
    if (EqualsIgnoreCase(word, "Now")) return Keyword::Now;
    if (EqualsIgnoreCase(word, "PI")) return Keyword::Pi;
    if (EqualsIgnoreCase(word, "PrevIndex")) return Keyword::PrevIndex;
    if (EqualsIgnoreCase(word, "Prev")) return Keyword::Prev;
    return Keyword::None;
}

FunctionKind FindFunction(std::string_view word) {
    for (int kind = FUNC_IF; kind < FUNC_COUNT; ++kind)
        if (EqualsIgnoreCase(word, kFunctionNames[kind])) return static_cast<FunctionKind>(kind);
    return FUNC_NONE;
}

bool IsReservedWord(std::string_view word) {
    return FindKeyword(word) != Keyword::None || FindFunction(word) != FUNC_NONE;
}

const char* FunctionName(uint8_t kind) { return kind < FUNC_COUNT ? kFunctionNames[kind] : nullptr; }

int MinArguments(FunctionKind kind) {
    switch (kind) {
        case FUNC_IF:
        case FUNC_DATE:
        case FUNC_TIME:
            return 3;
        case FUNC_SEL:
            return 2;
        default:
            return 1;
    }
}

int MaxArguments(FunctionKind kind) {
    switch (kind) {
        case FUNC_SEL:
            return static_cast<int>(kMaxTokens);
        case FUNC_ROUND:
            return 2;
        default:
            return MinArguments(kind);
    }
}

const char* ArgumentRule(FunctionKind kind) {
    switch (kind) {
        case FUNC_IF:
        case FUNC_DATE:
        case FUNC_TIME:
            return "3 arguments";
        case FUNC_SEL:
            return "2 or more arguments";
        case FUNC_ROUND:
            return "1 or 2 arguments";
        default:
            return "1 argument";
    }
}

const char* OperatorSymbol(uint8_t kind) { return kind < OPER_COUNT ? kOperatorSymbols[kind] : nullptr; }

int FindColour(std::string_view name) {
    for (int code = 0; code < kColourCount; ++code)
        if (EqualsIgnoreCase(name, kColourNames[code])) return code;
    return -1;
}

const char* ColourName(uint8_t code) { return kColourNames[ColourOfCode(code)]; }

uint8_t ColourOfCode(uint8_t code) { return code < kColourCount ? code : 0; }

}  // namespace orvanta::expression
