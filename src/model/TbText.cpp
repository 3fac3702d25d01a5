#include "model/TbText.h"

#include "platform/CodePage.h"

#include <algorithm>

namespace {

unsigned char Fold(char c) { return orvanta::platform::LowerWindows1252(c); }

}  // namespace

char FoldCase(char c) { return static_cast<char>(Fold(c)); }

int CompareNoCase(std::string_view a, std::string_view b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = Fold(a[i]), y = Fold(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

bool StartsWith(std::string_view text, std::string_view prefix, bool ignoreCase) {
    if (prefix.size() > text.size()) return false;
    return ignoreCase ? EqualsNoCase(text.substr(0, prefix.size()), prefix)
                      : text.substr(0, prefix.size()) == prefix;
}

bool Contains(std::string_view text, std::string_view part, bool ignoreCase) {
    if (!ignoreCase) return text.find(part) != std::string_view::npos;
    auto same = [](char x, char y) { return Fold(x) == Fold(y); };
    return std::search(text.begin(), text.end(), part.begin(), part.end(), same) != text.end();
}
