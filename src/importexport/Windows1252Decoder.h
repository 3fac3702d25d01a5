// Windows1252Decoder: Unicode text (UTF-8, UTF-16 or UTF-32 of either byte order) turned into
// Windows-1252 through iconv, piece by piece; a character the code page cannot hold, and a
// malformed one, becomes "?" and is counted with the line it is on. In UTF-8, ASCII and the
// characters U+00A0 to U+00FF, which keep their numbers, are taken over without iconv.
#pragma once

#include <iconv.h>

#include <cstdint>
#include <string>
#include <string_view>

enum class UnicodeForm { Utf8, Utf16LE, Utf16BE, Utf32LE, Utf32BE };

class Windows1252Decoder {
public:
    explicit Windows1252Decoder(UnicodeForm form);
    ~Windows1252Decoder();
    Windows1252Decoder(const Windows1252Decoder&) = delete;
    Windows1252Decoder& operator=(const Windows1252Decoder&) = delete;

    // False when iconv does not know the conversion.
    bool Ok() const { return m_iconv != reinterpret_cast<iconv_t>(-1); }
    // Appends the text of the next piece to *out. A character cut at the end of a piece waits for
    // the next one; at the last piece it becomes "?".
    void Decode(std::string_view piece, bool last, std::string* out);

    int64_t Replaced() const { return m_replaced; }
    // The line (from 1) of the first replaced character; 0 when there is none.
    int64_t FirstLine() const { return m_firstLine; }

private:
    void DecodeUtf8(std::string_view piece, bool last, std::string* out);
    // Through iconv; with last, a character cut at the end becomes "?", else it waits.
    void Convert(const char* in, size_t size, bool last, std::string* out);
    void Replace(std::string* out, size_t written);
    // The bytes of the character at in that iconv refused (at least 1).
    size_t CharacterSize(const unsigned char* in, size_t size) const;

    UnicodeForm m_form;
    iconv_t m_iconv;
    std::string m_pending;  // the start of a character cut at the end of the last piece
    int64_t m_replaced = 0;
    int64_t m_firstLine = 0;
    size_t m_pieceStart = 0;    // where this piece's text begins in the output
    int64_t m_linesBefore = 0;  // line breaks written before this piece, until the first replacement
};
