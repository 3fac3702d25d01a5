#include "FieldNames.h"

#include "TextCase.h"

namespace orvanta::expression {

namespace {

// How much of the text the name covers from its start, or npos when it does not match.
size_t MatchedLength(std::string_view name, std::string_view text) {
    size_t i = 0;
    size_t j = 0;
    while (i < name.size()) {
        if (j >= text.size()) return std::string_view::npos;
        if (IsSpace(name[i])) {
            if (!IsSpace(text[j])) return std::string_view::npos;
            while (i < name.size() && IsSpace(name[i])) ++i;
            while (j < text.size() && IsSpace(text[j])) ++j;
            continue;
        }
        if (FoldCase(name[i]) != FoldCase(text[j])) return std::string_view::npos;
        ++i;
        ++j;
    }
    return j;
}

}  // namespace

FieldNames::Match FieldNames::LongestAt(std::string_view text) const {
    Match best;
    for (size_t slot = 1; slot < m_names.size(); ++slot) {
        if (m_names[slot].empty()) continue;
        const size_t length = MatchedLength(m_names[slot], text);
        if (length == std::string_view::npos || length <= best.length) continue;
        if (length < text.size() && IsWordChar(text[length])) continue;
        best = {static_cast<int>(slot), length};
    }
    return best;
}

int FieldNames::SlotNamed(std::string_view name) const {
    for (size_t slot = 1; slot < m_names.size(); ++slot) {
        if (m_names[slot].empty()) continue;
        if (MatchedLength(m_names[slot], name) == name.size()) return static_cast<int>(slot);
    }
    return 0;
}

std::string_view FieldNames::NameOf(size_t slot) const {
    return slot < m_names.size() ? std::string_view(m_names[slot]) : std::string_view();
}

}  // namespace orvanta::expression
