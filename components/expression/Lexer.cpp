#include "Lexer.h"

#include "TextCase.h"
#include "Vocabulary.h"

namespace orvanta::expression {

namespace {

std::string Quoted(std::string_view text) {
    std::string quoted(1, '\'');
    quoted.append(text);
    quoted += '\'';
    return quoted;
}

std::string ByteString(uint8_t byte) { return std::string(1, static_cast<char>(byte)); }

std::string CharacterText(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return "character code " + std::to_string(byte);
    return "character " + Quoted(std::string_view(&c, 1));
}

}  // namespace

ParseFailure FailureAt(const std::string& what, int position) {
    return {what + " at position " + std::to_string(position + 1) + ".", position};
}

ParseFailure FailureAtEnd(const std::string& what, int textLength) {
    return {what + " at the end of the expression (position " + std::to_string(textLength + 1) + ").",
            textLength};
}

bool Lexer::Run(TokenList* tokens, ParseFailure* failure) {
    m_tokens = tokens;
    m_failure = failure;
    m_pos = 0;
    m_lastWasSingleStar = false;
    for (SkipSpace(); m_pos < m_text.size(); SkipSpace())
        if (!ReadToken()) return false;
    return true;
}

bool Lexer::ReadToken() {
    const char c = m_text[m_pos];
    if (IsDigit(c) || (c == '.' && m_pos + 1 < m_text.size() && IsDigit(m_text[m_pos + 1])))
        return ReadNumber();
    if (c == '\'') return ReadText();
    if (c == '{') return ReadColour();
    if (c == '[') {
        const size_t start = m_pos;
        const int slot = ReadBracketedField();
        return slot != 0 && Add(static_cast<uint8_t>(slot), "", start);
    }
    if (IsLetter(c) || c == '_') return ReadWord();
    return ReadOperator();
}

bool Lexer::ReadNumber() {
    const size_t start = m_pos;
    while (m_pos < m_text.size() && IsDigit(m_text[m_pos])) ++m_pos;
    if (m_pos + 1 < m_text.size() && m_text[m_pos] == '.' && IsDigit(m_text[m_pos + 1])) {
        ++m_pos;
        while (m_pos < m_text.size() && IsDigit(m_text[m_pos])) ++m_pos;
    }
    return Add(kTokenFloatConst, std::string(m_text.substr(start, m_pos - start)), start);
}

bool Lexer::ReadText() {
    const size_t start = m_pos++;
    std::string text;
    while (m_pos < m_text.size()) {
        const char c = m_text[m_pos++];
        if (c != '\'') {
            text += c;
        } else if (m_pos < m_text.size() && m_text[m_pos] == '\'') {
            text += '\'';
            ++m_pos;
        } else {
            return Add(kTokenString, std::move(text), start);
        }
    }
    return Fail("The text has no closing quote: it starts", start);
}

bool Lexer::ReadColour() {
    const size_t start = m_pos;
    const size_t close = m_text.find('}', start);
    if (close == std::string_view::npos) return Fail("Missing '}' after the colour", start);
    std::string_view name = m_text.substr(start + 1, close - start - 1);
    while (!name.empty() && IsSpace(name.front())) name.remove_prefix(1);
    while (!name.empty() && IsSpace(name.back())) name.remove_suffix(1);
    const int code = FindColour(name);
    if (code < 0) return Fail("Unknown colour " + Quoted(m_text.substr(start, close + 1 - start)), start);
    m_pos = close + 1;
    return Add(kTokenColor, ByteString(static_cast<uint8_t>(code)), start);
}

int Lexer::ReadBracketedField() {
    const size_t start = m_pos++;
    std::string name;
    while (m_pos < m_text.size()) {
        const char c = m_text[m_pos++];
        if (c != ']') {
            name += c;
        } else if (m_pos < m_text.size() && m_text[m_pos] == ']') {
            name += ']';  // "]]" stands for a ']' in the name
            ++m_pos;
        } else {
            const int slot = m_names.SlotNamed(name);
            if (slot == 0) Fail("Unknown field " + Quoted("[" + name + "]"), start);
            return slot;
        }
    }
    Fail("Missing ']' after the field name", start);
    return 0;
}

bool Lexer::ReadOperator() {
    const size_t start = m_pos;
    const char c = m_text[m_pos++];
    const char next = m_pos < m_text.size() ? m_text[m_pos] : '\0';
    auto oper = [&](OperatorKind kind, size_t length) {
        m_pos = start + length;
        return Add(kTokenOper, ByteString(kind), start);
    };
    switch (c) {
        case '(':
            return Add(kTokenParenL, "", start);
        case ')':
            return Add(kTokenParenR, "", start);
        case ',':
            return Add(kTokenComma, "", start);
        case '+':
            return Add(kTokenPlus, "", start);
        case '-':
            return Add(kTokenMinus, "", start);
        case '/':
            return Add(kTokenDivide, "", start);
        case '*': {
            // "* *" would read as the power operator, which is two multiply tokens.
            if (m_lastWasSingleStar) return Fail("Missing operand", start);
            if (next != '*') {
                if (!Add(kTokenMultiply, "", start)) return false;
                m_lastWasSingleStar = true;
                return true;
            }
            ++m_pos;
            return Add(kTokenMultiply, "", start) && Add(kTokenMultiply, "", start);
        }
        case '%':
            return oper(OPER_MOD, 1);
        case '<':
            return next == '=' ? oper(OPER_LE, 2) : next == '>' ? oper(OPER_NE, 2) : oper(OPER_LT, 1);
        case '>':
            return next == '=' ? oper(OPER_GE, 2) : oper(OPER_GT, 1);
        case '=':
            return oper(OPER_EQ, 1);
        case '&':
            return oper(OPER_AND, 1);
        case '|':
            return oper(OPER_OR, 1);
        case '^':
            return oper(OPER_XOR, 1);
        case '!':
            return oper(OPER_NOT, 1);
        default:
            return Fail("Unexpected " + CharacterText(c), start);
    }
}

bool Lexer::ReadWord() {
    const size_t start = m_pos;
    size_t end = start;
    while (end < m_text.size() && IsWordChar(m_text[end])) ++end;
    const std::string_view word = m_text.substr(start, end - start);
    const size_t afterSpace = SpaceEnd(end);
    const bool parenFollows = afterSpace < m_text.size() && m_text[afterSpace] == '(';
    const FieldNames::Match field = m_names.LongestAt(m_text.substr(start));
    const Keyword keyword = FindKeyword(word);
    const FunctionKind function = FindFunction(word);

    if (keyword == Keyword::Prev && parenFollows) return ReadPrevious(start, afterSpace + 1);
    if (function != FUNC_NONE && parenFollows) {
        m_pos = afterSpace + 1;
        return Add(kTokenFunc, ByteString(function), start);
    }
    // A keyword wins over a field of the same name; a longer field name wins over both.
    if (keyword != Keyword::None && keyword != Keyword::Prev && field.length <= word.size()) {
        m_pos = end;
        switch (keyword) {
            case Keyword::Today:
                return Add(kTokenToday, "", start);
            case Keyword::Now:
                return Add(kTokenNow, "", start);
            case Keyword::PrevIndex:
                return Add(kTokenPrevRecIndex, "", start);
            default:
                return Add(kTokenFloatConst, std::string(kPiText), start);
        }
    }
    if (field.slot != 0) {
        m_pos = start + field.length;
        return Add(static_cast<uint8_t>(field.slot), "", start);
    }
    if (function != FUNC_NONE || keyword == Keyword::Prev)
        return Fail("Missing '(' after " + Quoted(word), afterSpace);
    return Fail("Unknown name " + Quoted(word), start);
}

bool Lexer::ReadPrevious(size_t start, size_t afterParen) {
    m_pos = SpaceEnd(afterParen);
    int slot = 0;
    if (m_pos < m_text.size() && m_text[m_pos] == '[') {
        slot = ReadBracketedField();
        if (slot == 0) return false;
    } else {
        const FieldNames::Match field = m_names.LongestAt(m_text.substr(m_pos));
        if (field.slot == 0 || !(IsLetter(m_text[m_pos]) || m_text[m_pos] == '_'))
            return Fail("Prev( needs a field name", m_pos);
        slot = field.slot;
        m_pos += field.length;
    }
    SkipSpace();
    if (m_pos >= m_text.size()) {
        *m_failure = FailureAtEnd("Missing ')' after Prev(", static_cast<int>(m_text.size()));
        return false;
    }
    if (m_text[m_pos] != ')') return Fail("Missing ')' after Prev(", m_pos);
    ++m_pos;
    return Add(static_cast<uint8_t>(kTokenPreviousBase + slot), "", start);
}

bool Lexer::Add(uint8_t type, std::string value, size_t position) {
    m_lastWasSingleStar = false;
    if (m_tokens->types.size() >= kMaxTokens)
        return Fail("The expression is too long: a list holds " + std::to_string(kMaxTokens) +
                        " tokens, and one more starts",
                    position);
    m_tokens->Add(type, std::move(value), static_cast<int>(position));
    return true;
}

bool Lexer::Fail(const std::string& what, size_t position) {
    *m_failure = FailureAt(what, static_cast<int>(position));
    return false;
}

void Lexer::SkipSpace() { m_pos = SpaceEnd(m_pos); }

size_t Lexer::SpaceEnd(size_t from) const {
    while (from < m_text.size() && IsSpace(m_text[from])) ++from;
    return from;
}

}  // namespace orvanta::expression
