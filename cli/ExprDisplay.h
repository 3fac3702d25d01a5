// How orvanta-cli shows expressions: token lines, result formats by name, results in the
// form their result format gives them, and where a parse error lies.
#pragma once

#include "components/expression/IExpressionEvaluator.h"

#include <optional>
#include <ostream>
#include <string>

namespace orvanta::cli {

// The name of a token type byte as the dump report gives it: "Field Number",
// "Previous Record's Field Number", "exprTokenPlus" ..., or "????".
std::string TokenTypeName(int type);

// One line for a token: type byte, name and value (kind bytes as numbers, texts quoted).
std::string TokenLine(int type, const std::string& value, const std::string& fieldName);

// A result format from its number, its label ("Date +/- Days") or its name
// ("EXPR_RESULT_DATE_DAYS" or "DATE_DAYS"), in any letter case; none when unknown.
std::optional<int> ResultFormatFromName(const std::string& name);

// The result as the field would show it: numbers as 4-byte reals, dates and times in the
// user's forms, durations as hours:minutes[:seconds], texts as they are.
std::string ResultDisplay(const expression::Result& result, int resultFormat);

// "{red}" ... for a colour code.
std::string ColourName(uint32_t colour);

// The text with a line under it marking the 0-based position.
std::string ErrorLocation(const std::string& text, int position);

// Writes an expression error (Windows-1252) and, when it has a position, where it lies in text.
void ShowExpressionError(std::ostream& out, const std::string& error, const std::string& text, int position);

// An expression typed in UTF-8 as the Tabulon keeps it (Windows-1252); none when it holds
// characters the code page lacks.
std::optional<std::string> ExpressionFromUtf8(const std::string& utf8);

}  // namespace orvanta::cli
