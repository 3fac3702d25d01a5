// What a grammar error tells the user: for typed text at a character position, for a stored
// token list at a token.
#pragma once

#include "Compiler.h"
#include "TokenList.h"

#include <string>

namespace orvanta::expression {

// The failure of parsing text whose tokens were read into `tokens`.
ParseFailure DescribeInText(const GrammarError& error, const TokenList& tokens, int textLength);

// The description of a token list Evaluate cannot read.
std::string DescribeInList(const GrammarError& error, std::span<const uint8_t> types,
                           std::span<const std::string> values);

}  // namespace orvanta::expression
