// The lines of the small text files kept beside the program (the registry file, the desktop
// folder's Users file): a line ends at LF, a CR before the LF is dropped, and text after the last
// LF is a line too. Header-only, so that the stand-in libraries, which do not link the platform
// library, read their files the same way.
#pragma once

#include <string_view>

namespace orvanta::platform {

// Calls fn(std::string_view line) for each line of text, in order.
template <typename Fn>
void ForEachLine(std::string_view text, Fn&& fn) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        fn(line);
    }
}

}  // namespace orvanta::platform
