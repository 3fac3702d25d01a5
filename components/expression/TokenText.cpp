#include "TokenText.h"

#include "FieldNames.h"
#include "Lexer.h"
#include "TextCase.h"
#include "Vocabulary.h"
#include "components/expression/IExpressionEvaluator.h"

#include <string_view>
#include <vector>

namespace orvanta::expression {

namespace {

bool IsFieldType(uint8_t type) { return type >= 1 && type <= 80; }
bool IsPrevFieldType(uint8_t type) {
    return type >= kTokenPreviousBase + 1 && type <= kTokenPreviousBase + 80;
}

// Letters, digits, spaces and underscores, starting with a letter or underscore, not ending
// in a space and not a word of the language: such a name needs no brackets.
bool IsPlainName(std::string_view name) {
    if (name.empty() || !(IsLetter(name.front()) || name.front() == '_') || name.back() == ' ') return false;
    for (char c : name)
        if (!IsWordChar(c) && c != ' ') return false;
    return !IsReservedWord(name);
}

std::string Bracketed(std::string_view name) {
    std::string text = "[";
    for (char c : name) {
        text += c;
        if (c == ']') text += ']';
    }
    return text + "]";
}

std::string Quoted(std::string_view value) {
    std::string text = "'";
    for (char c : value) {
        text += c;
        if (c == '\'') text += '\'';
    }
    return text + "'";
}

class TextWriter {
public:
    TextWriter(const FieldNames& names, std::span<const uint8_t> types, std::span<const std::string> values,
               const std::vector<bool>& bracketed)
        : m_names(names), m_types(types), m_values(values), m_bracketed(bracketed) {}

    std::string Write() {
        std::string text;
        bool spaceNext = false;
        for (size_t i = 0; i < m_types.size(); ++i) {
            const uint8_t type = m_types[i];
            const bool power =
                type == kTokenMultiply && i + 1 < m_types.size() && m_types[i + 1] == kTokenMultiply;
            const bool unary = (type == kTokenPlus || type == kTokenMinus) && !(i > 0 && EndsOperand(i - 1));
            if (spaceNext && type != kTokenParenR && type != kTokenComma) text += ' ';
            text += power ? "**" : TokenWord(i);
            spaceNext = !(unary || type == kTokenParenL || type == kTokenFunc);
            if (power) ++i;
        }
        return text;
    }

private:
    bool EndsOperand(size_t i) const {
        const uint8_t type = m_types[i];
        return IsFieldType(type) || IsPrevFieldType(type) || type == kTokenToday ||
               type == kTokenFloatConst || type == kTokenNow || type == kTokenString ||
               type == kTokenPrevRecIndex || type == kTokenParenR;
    }

    std::string_view Value(size_t i) const {
        return i < m_values.size() ? std::string_view(m_values[i]) : std::string_view();
    }
    uint8_t Kind(size_t i) const { return Value(i).empty() ? 0 : static_cast<uint8_t>(Value(i)[0]); }

    std::string FieldText(size_t slot, bool bracketed) const {
        const std::string_view name = m_names.NameOf(slot);
        if (name.empty()) return "[Field " + std::to_string(slot) + "]";
        return !bracketed && IsPlainName(name) ? std::string(name) : Bracketed(name);
    }

    std::string TokenWord(size_t i) const {
        const uint8_t type = m_types[i];
        if (IsFieldType(type)) return FieldText(type, m_bracketed[i]);
        if (IsPrevFieldType(type))
            return "Prev(" + FieldText(type - kTokenPreviousBase, m_bracketed[i]) + ")";
        switch (type) {
            case kTokenToday:
                return "Today";
            case kTokenNow:
                return "Now";
            case kTokenPrevRecIndex:
                return "PrevIndex";
            case kTokenFloatConst:
                return std::string(Value(i));
            case kTokenString:
                return Quoted(Value(i));
            case kTokenColor:
                return std::string("{") + ColourName(Kind(i)) + "}";
            case kTokenPlus:
                return "+";
            case kTokenMinus:
                return "-";
            case kTokenMultiply:
                return "*";
            case kTokenDivide:
                return "/";
            case kTokenParenL:
                return "(";
            case kTokenParenR:
                return ")";
            case kTokenComma:
                return ",";
            case kTokenFunc:
                return FunctionWord(Kind(i));
            case kTokenOper:
                return OperatorWord(Kind(i));
            default:
                return "unknown token type";
        }
    }

    static std::string FunctionWord(uint8_t kind) {
        if (kind == FUNC_NONE) return "NONE";
        if (kind == FUNC_COUNT) return "NumFuncs(";
        const char* name = FunctionName(kind);
        return name ? std::string(name) + "(" : "unknown function type";
    }

    static std::string OperatorWord(uint8_t kind) {
        if (kind == OPER_NONE) return "NONE";
        if (kind == OPER_COUNT) return "NumOpers";
        const char* symbol = OperatorSymbol(kind);
        return symbol ? symbol : "unknown operator";
    }

    const FieldNames& m_names;
    std::span<const uint8_t> m_types;
    std::span<const std::string> m_values;
    const std::vector<bool>& m_bracketed;
};

// The first token where reading the text back differs from the list; the list's length when
// it reads back the same.
size_t FirstDifference(const FieldNames& names, const std::string& text, std::span<const uint8_t> types,
                       std::span<const std::string> values) {
    TokenList read;
    ParseFailure failure;
    Lexer(names, text).Run(&read, &failure);
    for (size_t i = 0; i < types.size(); ++i) {
        if (i >= read.types.size() || read.types[i] != types[i]) return i;
        const std::string_view value = i < values.size() ? std::string_view(values[i]) : std::string_view();
        if (read.values[i] != value) return i;
    }
    return types.size();
}

}  // namespace

std::string TokensToText(std::span<const std::string> fieldNames, std::span<const uint8_t> types,
                         std::span<const std::string> values) {
    size_t count = 0;
    while (count < types.size() && types[count] != kTokenEnd) ++count;
    types = types.first(count);
    const FieldNames names(fieldNames);
    std::vector<bool> bracketed(count, false);
    // A bare name can run into what follows it when another field's name is longer (fields
    // "Price" and "Price - Discount"); such a name is written in brackets instead.
    for (;;) {
        std::string text = TextWriter(names, types, values, bracketed).Write();
        const size_t differs = FirstDifference(names, text, types, values);
        if (differs >= count || bracketed[differs]) return text;
        const uint8_t type = types[differs];
        if (!IsFieldType(type) && !IsPrevFieldType(type)) return text;
        bracketed[differs] = true;
    }
}

}  // namespace orvanta::expression
