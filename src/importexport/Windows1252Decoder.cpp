// Decoding Unicode text into Windows-1252 with iconv, replacing what the code page cannot hold.
#include "importexport/Windows1252Decoder.h"

#include <algorithm>
#include <cerrno>

namespace {

const char* IconvName(UnicodeForm form) {
    switch (form) {
        case UnicodeForm::Utf16LE:
            return "UTF-16LE";
        case UnicodeForm::Utf16BE:
            return "UTF-16BE";
        case UnicodeForm::Utf32LE:
            return "UTF-32LE";
        case UnicodeForm::Utf32BE:
            return "UTF-32BE";
        default:
            return "UTF-8";
    }
}

// The length a UTF-8 lead byte announces, when the continuation bytes that follow are there.
size_t Utf8SequenceSize(const unsigned char* in, size_t size) {
    const unsigned char lead = in[0];
    const size_t expected = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
    if (expected > size) return 1;
    for (size_t i = 1; i < expected; ++i)
        if ((in[i] & 0xC0) != 0x80) return 1;
    return expected;
}

// U+00A0 to U+00FF in UTF-8 (C2 A0 ... C3 BF): the same numbers as their Windows-1252 bytes.
bool IsLatin1Pair(unsigned char lead, unsigned char next) {
    return (lead == 0xC2 && next >= 0xA0 && next <= 0xBF) || (lead == 0xC3 && next >= 0x80 && next <= 0xBF);
}

}  // namespace

Windows1252Decoder::Windows1252Decoder(UnicodeForm form)
    : m_form(form), m_iconv(iconv_open("WINDOWS-1252", IconvName(form))) {}

Windows1252Decoder::~Windows1252Decoder() {
    if (Ok()) iconv_close(m_iconv);
}

void Windows1252Decoder::Decode(std::string_view piece, bool last, std::string* out) {
    std::string joined;
    if (!m_pending.empty()) {
        joined = std::move(m_pending);
        m_pending.clear();
        joined.append(piece);
        piece = joined;
    }
    m_pieceStart = out->size();
    if (m_form == UnicodeForm::Utf8)
        DecodeUtf8(piece, last, out);
    else
        Convert(piece.data(), piece.size(), last, out);
    if (m_firstLine == 0)
        m_linesBefore += std::count(out->begin() + static_cast<long>(m_pieceStart), out->end(), '\n');
}

void Windows1252Decoder::DecodeUtf8(std::string_view piece, bool last, std::string* out) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(piece.data());
    const size_t size = piece.size();
    auto latin1At = [&](size_t i) { return i + 1 < size && IsLatin1Pair(bytes[i], bytes[i + 1]); };
    out->reserve(out->size() + size);
    for (size_t i = 0; i < size;) {
        if (bytes[i] < 0x80) {
            out->push_back(static_cast<char>(bytes[i++]));
        } else if (latin1At(i)) {
            out->push_back(static_cast<char>((bytes[i] & 0x03) << 6 | (bytes[i + 1] & 0x3F)));
            i += 2;
        } else {
            size_t end = i + 1;
            while (end < size && bytes[end] >= 0x80 && !latin1At(end)) ++end;
            // Only a stretch that reaches the end of the piece may hold a character cut there.
            Convert(piece.data() + i, end - i, last || end < size, out);
            i = end;
        }
    }
}

void Windows1252Decoder::Convert(const char* in, size_t size, bool last, std::string* out) {
    const size_t start = out->size();
    out->resize(start + size + 1);  // a character is never written in more bytes than it is read from
    char* input = const_cast<char*>(in);
    char* output = out->data() + start;
    size_t inLeft = size, outLeft = size + 1;
    while (inLeft > 0) {
        if (iconv(m_iconv, &input, &inLeft, &output, &outLeft) != static_cast<size_t>(-1)) break;
        const size_t written = static_cast<size_t>(output - out->data());
        if (errno == EINVAL && !last) {  // a character cut at the end of the piece
            m_pending.assign(input, inLeft);
            break;
        }
        const size_t skip =
            errno == EINVAL ? inLeft : CharacterSize(reinterpret_cast<unsigned char*>(input), inLeft);
        Replace(out, written);
        ++output;
        --outLeft;
        input += skip;
        inLeft -= skip;
    }
    out->resize(static_cast<size_t>(output - out->data()));
}

void Windows1252Decoder::Replace(std::string* out, size_t written) {
    (*out)[written] = '?';
    if (m_replaced++ == 0) {
        const auto begin = out->begin();
        m_firstLine =
            1 + m_linesBefore +
            std::count(begin + static_cast<long>(m_pieceStart), begin + static_cast<long>(written), '\n');
    }
}

size_t Windows1252Decoder::CharacterSize(const unsigned char* in, size_t size) const {
    switch (m_form) {
        case UnicodeForm::Utf8:
            return Utf8SequenceSize(in, size);
        case UnicodeForm::Utf16LE:
        case UnicodeForm::Utf16BE: {
            // A high surrogate followed by a low one is one character of four bytes.
            const bool little = m_form == UnicodeForm::Utf16LE;
            auto unit = [&](size_t at) {
                return little ? in[at] | in[at + 1] << 8 : in[at] << 8 | in[at + 1];
            };
            if (size >= 4 && unit(0) >= 0xD800 && unit(0) < 0xDC00 && unit(2) >= 0xDC00 && unit(2) < 0xE000)
                return 4;
            return std::min<size_t>(2, size);
        }
        default:
            return std::min<size_t>(4, size);
    }
}
