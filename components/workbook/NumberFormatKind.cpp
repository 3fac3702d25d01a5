// Reading spreadsheet number format codes for dates and times.
#include "NumberFormatKind.h"

#include <cctype>

namespace {

bool StartsWithNoCase(std::string_view text, size_t at, std::string_view word) {
    if (text.size() - at < word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[at + i])) != word[i]) return false;
    return true;
}

// The index just past a quoted text or a bracket starting at i.
size_t SkipTo(std::string_view code, size_t i, char close) {
    const size_t end = code.find(close, i + 1);
    return end == std::string_view::npos ? code.size() : end + 1;
}

}  // namespace

NumberFormatKind KindOfFormatCode(std::string_view code) {
    NumberFormatKind kind;
    for (size_t i = 0; i < code.size();) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(code[i])));
        if (c == '"') {
            i = SkipTo(code, i, '"');
        } else if (c == '[') {
            const size_t end = SkipTo(code, i, ']');
            const char inside = i + 1 < code.size() ? static_cast<char>(std::tolower(code[i + 1])) : 0;
            if (inside == 'h' || inside == 'm' || inside == 's') kind.time = true;
            i = end;
        } else if (c == '\\') {
            i += 2;
        } else if (StartsWithNoCase(code, i, "am/pm")) {
            i += 5;
        } else if (StartsWithNoCase(code, i, "a/p")) {
            i += 3;
        } else {
            if (c == 'y' || c == 'd') kind.date = true;
            if (c == 'h' || c == 's') kind.time = true;
            ++i;
        }
    }
    return kind;
}

NumberFormatKind KindOfBuiltInFormat(size_t identifier) {
    NumberFormatKind kind;
    kind.date = (identifier >= 14 && identifier <= 17) || identifier == 22;
    kind.time = (identifier >= 18 && identifier <= 22) || (identifier >= 45 && identifier <= 47);
    return kind;
}
