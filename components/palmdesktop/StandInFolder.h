// What the Palm Desktop stand-ins share: the folder each library file lies in (the desktop
// folder) and a bounded read of the small text files kept there.
#pragma once

#include "platform/TextLines.h"

#include <dlfcn.h>

#include <fstream>
#include <string>
#include <vector>

#define ORVANTA_STANDIN_EXPORT extern "C" __attribute__((visibility("default")))

namespace orvanta::standin {

// The folder of the library file this code was loaded from.
inline std::string OwnFolder() {
    Dl_info info{};
    if (!::dladdr(reinterpret_cast<void*>(&OwnFolder), &info) || !info.dli_fname) return ".";
    std::string path = info.dli_fname;
    size_t cut = path.rfind('/');
    return cut == std::string::npos ? "." : path.substr(0, cut == 0 ? 1 : cut);
}

// The lines of a file split at tabs; a file made elsewhere is read only up to kMaxBytes.
inline std::vector<std::vector<std::string>> ReadTabbedLines(const std::string& path) {
    constexpr std::streamsize kMaxBytes = 1 << 20;
    std::ifstream in(path, std::ios::binary);
    std::string text(static_cast<size_t>(kMaxBytes), '\0');
    in.read(text.data(), kMaxBytes);
    text.resize(static_cast<size_t>(in.gcount()));
    std::vector<std::vector<std::string>> lines;
    orvanta::platform::ForEachLine(text, [&](std::string_view line) {
        std::vector<std::string> fields;
        for (size_t from = 0;;) {
            size_t tab = line.find('\t', from);
            fields.emplace_back(
                line.substr(from, tab == std::string_view::npos ? std::string_view::npos : tab - from));
            if (tab == std::string_view::npos) break;
            from = tab + 1;
        }
        lines.push_back(std::move(fields));
    });
    return lines;
}

}  // namespace orvanta::standin
