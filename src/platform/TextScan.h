// Small pieces the readers of typed dates, times and numbers share: digits, the blanks a
// typed value may carry around it (space and tab), and the value with them trimmed.
#pragma once

#include <string_view>

namespace orvanta::platform {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

inline std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace orvanta::platform
