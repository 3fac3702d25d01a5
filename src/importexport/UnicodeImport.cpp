// Text files in Unicode for import: which form the file is in (its signature, the encoding the
// user chose, or for "auto" whether it is valid UTF-8) and its Windows-1252 copy.
#include "importexport/UnicodeText.h"
#include "importexport/Windows1252Decoder.h"

#include "platform/FileSystem.h"

#include <cstdio>
#include <optional>

namespace pf = orvanta::platform;

namespace {

constexpr size_t kPieceSize = 1u << 20;

struct InputFile {
    ~InputFile() {
        if (file) std::fclose(file);
    }
    std::FILE* file = nullptr;
};

// The form a Unicode signature names, and the signature's size.
struct SignedForm {
    UnicodeForm form;
    size_t size;
};

std::optional<SignedForm> SignatureOf(const unsigned char* b, size_t n) {
    if (n >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) return SignedForm{UnicodeForm::Utf8, 3};
    if (n >= 4 && b[0] == 0 && b[1] == 0 && b[2] == 0xFE && b[3] == 0xFF)
        return SignedForm{UnicodeForm::Utf32BE, 4};
    if (n >= 4 && b[0] == 0xFF && b[1] == 0xFE && b[2] == 0 && b[3] == 0)
        return SignedForm{UnicodeForm::Utf32LE, 4};
    if (n >= 2 && b[0] == 0xFF && b[1] == 0xFE) return SignedForm{UnicodeForm::Utf16LE, 2};
    if (n >= 2 && b[0] == 0xFE && b[1] == 0xFF) return SignedForm{UnicodeForm::Utf16BE, 2};
    return std::nullopt;
}

// UTF-16 without a signature: text of the Latin alphabet has its zero bytes second (little
// endian) or first (big endian).
UnicodeForm GuessUtf16(const unsigned char* b, size_t n) {
    size_t zeroFirst = 0, zeroSecond = 0;
    for (size_t i = 0; i + 1 < n; i += 2) {
        zeroFirst += b[i] == 0;
        zeroSecond += b[i + 1] == 0;
    }
    return zeroFirst > zeroSecond ? UnicodeForm::Utf16BE : UnicodeForm::Utf16LE;
}

// Whether the rest of the file reads as UTF-8: well-formed sequences of two to four bytes, no
// overlong forms, surrogates or code points above U+10FFFF.
bool IsUtf8(std::FILE* file) {
    std::string piece(kPieceSize, '\0');
    int need = 0;  // continuation bytes still expected
    unsigned char low = 0x80, high = 0xBF;
    for (size_t n; (n = std::fread(piece.data(), 1, piece.size(), file)) > 0;) {
        for (size_t i = 0; i < n; ++i) {
            const unsigned char c = static_cast<unsigned char>(piece[i]);
            if (need > 0) {
                if (c < low || c > high) return false;
                low = 0x80, high = 0xBF;
                --need;
            } else if (c >= 0x80) {
                if (c < 0xC2 || c > 0xF4) return false;
                need = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
                low = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
                high = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
            }
        }
    }
    return need == 0;
}

// The form to read the file in and the bytes of signature to pass over; none for Windows-1252.
std::optional<SignedForm> FormToRead(std::FILE* file, TextEncoding encoding) {
    unsigned char start[4096];
    const size_t n = std::fread(start, 1, sizeof start, file);
    std::rewind(file);
    const std::optional<SignedForm> signature = SignatureOf(start, n);
    switch (encoding) {
        case TextEncoding::Utf8:
            return SignedForm{UnicodeForm::Utf8, signature && signature->form == UnicodeForm::Utf8 ? 3u : 0u};
        case TextEncoding::Utf16:
            if (signature &&
                (signature->form == UnicodeForm::Utf16LE || signature->form == UnicodeForm::Utf16BE))
                return signature;
            return SignedForm{GuessUtf16(start, n), 0};
        case TextEncoding::Auto: {
            if (signature) return signature;
            const bool utf8 = IsUtf8(file);
            std::rewind(file);
            return utf8 ? std::optional<SignedForm>(SignedForm{UnicodeForm::Utf8, 0}) : std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

bool WriteCopy(std::FILE* in, const SignedForm& form, std::FILE* out, TranscodeReport* report) {
    Windows1252Decoder decoder(form.form);
    if (!decoder.Ok() || std::fseek(in, static_cast<long>(form.size), SEEK_SET) != 0) return false;
    std::string piece(kPieceSize, '\0'), text;
    for (bool last = false; !last;) {
        const size_t n = std::fread(piece.data(), 1, piece.size(), in);
        last = n < piece.size();
        text.clear();
        decoder.Decode(std::string_view(piece.data(), n), last, &text);
        if (std::fwrite(text.data(), 1, text.size(), out) != text.size()) return false;
    }
    report->replaced = decoder.Replaced();
    report->firstLine = decoder.FirstLine();
    return !std::ferror(in);
}

}  // namespace

int32_t TranscodeForImport(const std::string& path, TextEncoding encoding, std::string* readPath,
                           TranscodeReport* report) {
    *report = TranscodeReport{};
    *readPath = path;
    InputFile in;
    if (encoding == TextEncoding::Ansi || !(in.file = std::fopen(path.c_str(), "rb"))) return 0;
    const std::optional<SignedForm> form = FormToRead(in.file, encoding);
    if (!form) return 0;
    std::string copy;
    if (pf::MakeTempFile(pf::TempFolder(), "orvanta-text-", &copy) != 0) return -1;
    std::FILE* out = std::fopen(copy.c_str(), "wb");
    bool written = out && WriteCopy(in.file, *form, out, report);
    if (out && std::fclose(out) != 0) written = false;
    if (!written) {
        std::remove(copy.c_str());
        return -1;
    }
    *readPath = copy;
    report->transcoded = true;
    return 0;
}

std::string ReplacedCharactersMessage(const TranscodeReport& report) {
    if (report.replaced == 0) return "";
    return std::to_string(report.replaced)
        .append(report.replaced == 1 ? " character" : " characters")
        .append(
            " of the file cannot be held in the Windows-1252 code page and will be imported as \"?\". "
            "The first is on line ")
        .append(std::to_string(report.firstLine))
        .append(".");
}
