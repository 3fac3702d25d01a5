// The words and symbols of the expression language: function, operator, colour and keyword
// names, and how many arguments each function takes.
#pragma once

#include "components/expression/IExpressionEvaluator.h"

#include <cstdint>
#include <string_view>

namespace orvanta::expression {

// The number constant PI stands for; it is stored as this text.
inline constexpr std::string_view kPiText = "3.14159265";
inline constexpr size_t kMaxTokens = 48;

enum class Keyword { None, Today, Now, Pi, PrevIndex, Prev };

// The keyword a word is (any letter case), or None.
Keyword FindKeyword(std::string_view word);
// The function kind a word names (any letter case), or FUNC_NONE.
FunctionKind FindFunction(std::string_view word);
// True for keywords, "Prev" and function names: a field so named must be written in brackets.
bool IsReservedWord(std::string_view word);

// "If", "Sel", ... for kinds 1..17; nullptr for others.
const char* FunctionName(uint8_t kind);
// How many arguments a call of the function may have.
int MinArguments(FunctionKind kind);
int MaxArguments(FunctionKind kind);  // a large number for Sel
// What a wrong argument count is told: "3", "2 or more", "1 or 2".
const char* ArgumentRule(FunctionKind kind);

// "%", "<=", ... for kinds 1..11; nullptr for others.
const char* OperatorSymbol(uint8_t kind);

// The colour code of "black" .. "yellow" (any letter case), or -1.
int FindColour(std::string_view name);
// "black", "red", "green", "blue", "yellow"; any code other than 1..4 is black.
const char* ColourName(uint8_t code);
// The colour a code gives: 1..4 themselves, anything else black (0).
uint8_t ColourOfCode(uint8_t code);

}  // namespace orvanta::expression
