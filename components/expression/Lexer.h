// Reads expression text into tokens: numbers, texts, field names, keywords, colours,
// operators and function names, each as the token the handheld's list holds.
#pragma once

#include "FieldNames.h"
#include "TokenList.h"

#include <string_view>

namespace orvanta::expression {

class Lexer {
public:
    Lexer(const FieldNames& names, std::string_view text) : m_names(names), m_text(text) {}

    // False with the failure set when the text holds something that is not a token, or
    // more tokens than a list can hold. The grammar is checked afterwards, not here.
    bool Run(TokenList* tokens, ParseFailure* failure);

private:
    bool ReadToken();
    bool ReadNumber();
    bool ReadText();
    bool ReadColour();
    bool ReadOperator();
    bool ReadWord();
    bool ReadPrevious(size_t start, size_t afterParen);
    // A field in [ ] at m_pos: its slot, or 0 with the failure set.
    int ReadBracketedField();
    bool Add(uint8_t type, std::string value, size_t position);
    bool Fail(const std::string& what, size_t position);
    void SkipSpace();
    size_t SpaceEnd(size_t from) const;

    const FieldNames& m_names;
    std::string_view m_text;
    size_t m_pos = 0;
    bool m_lastWasSingleStar = false;
    TokenList* m_tokens = nullptr;
    ParseFailure* m_failure = nullptr;
};

}  // namespace orvanta::expression
