// Writes a token list back as expression text: field names bare or in [ ], constants,
// colours, operators and function names, spaced so that the text reads again as the same list.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace orvanta::expression {

// The text of the tokens up to the first type byte 0. Missing values count as empty; types and
// kinds the language does not know are written as words that say so ("unknown token type").
std::string TokensToText(std::span<const std::string> fieldNames, std::span<const uint8_t> types,
                         std::span<const std::string> values);

}  // namespace orvanta::expression
