// An exported file rewritten as UTF-8: every Windows-1252 byte has its character, so nothing is
// lost; the new text replaces the file only once it is completely written.
#include "importexport/ReplacingFile.h"
#include "importexport/UnicodeText.h"

#include "platform/CodePage.h"

#include <cstdio>

namespace pf = orvanta::platform;

namespace {

constexpr size_t kPieceSize = 1u << 20;

bool WriteUtf8(std::FILE* in, std::FILE* out, bool signature) {
    if (signature && std::fwrite("\xEF\xBB\xBF", 1, 3, out) != 3) return false;
    std::string piece(kPieceSize, '\0');
    for (size_t n; (n = std::fread(piece.data(), 1, piece.size(), in)) > 0;) {
        const std::string text = pf::Utf8FromWindows1252(std::string_view(piece.data(), n));
        if (std::fwrite(text.data(), 1, text.size(), out) != text.size()) return false;
    }
    return !std::ferror(in);
}

}  // namespace

int32_t TranscodeExportedFile(const std::string& path, TextEncoding encoding) {
    if (encoding != TextEncoding::Utf8 && encoding != TextEncoding::Utf8Signed) return 0;
    ReplacingFile utf8(path);
    if (!utf8.Ok()) return -1;
    std::FILE* in = std::fopen(path.c_str(), "rb");
    std::FILE* out = std::fopen(utf8.Path().c_str(), "wb");
    bool written = in && out && WriteUtf8(in, out, encoding == TextEncoding::Utf8Signed);
    if (in) std::fclose(in);
    if (out && std::fclose(out) != 0) written = false;
    return written && utf8.Commit() ? 0 : -1;
}
