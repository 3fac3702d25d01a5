// Unicode text files: decoded into Windows-1252 piece by piece, copied for import in each form
// and encoding, and exported files rewritten as UTF-8.
#include "importexport/UnicodeText.h"
#include "importexport/Windows1252Decoder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"

namespace {

// Accents, the Euro sign, a Polish L with stroke and an emoji (neither in Windows-1252), in UTF-8.
const std::string kUtf8 = "Caf\xC3\xA9\n\xE2\x82\xAC 5\n\xC5\x81\xC3\xB3\x64\xC5\xBA \xF0\x9F\x98\x80\n";
const std::string kWindows1252 = "Caf\xE9\n\x80 5\n?\xF3\x64? ?\n";

// The same text in UTF-16, the emoji as a surrogate pair; big-endian with each pair of bytes swapped.
std::string Utf16(bool littleEndian) {
    const uint8_t le[] = {'C',  0x00, 'a',  0x00, 'f',  0x00, 0xE9, 0x00, 0x0A, 0x00, 0xAC, 0x20,
                          0x20, 0x00, '5',  0x00, 0x0A, 0x00, 'A',  0x01, 0xF3, 0x00, 'd',  0x00,
                          'z',  0x01, 0x20, 0x00, 0x3D, 0xD8, 0x00, 0xDE, 0x0A, 0x00};
    std::string bytes;
    for (size_t i = 0; i < sizeof le; i += 2)
        bytes.append({char(le[i + !littleEndian]), char(le[i + littleEndian])});
    return bytes;
}

// Split anywhere, even inside a character, the text decodes the same, and the first character
// Windows-1252 cannot hold is found on its line.
TEST(UnicodeText, DecodesInPiecesOfAnySize) {
    for (size_t size : {size_t{1}, size_t{2}, size_t{5}, kUtf8.size()}) {
        Windows1252Decoder decoder(UnicodeForm::Utf8);
        ASSERT_TRUE(decoder.Ok());
        std::string out;
        for (size_t at = 0; at < kUtf8.size(); at += size)
            decoder.Decode(std::string_view(kUtf8).substr(at, size), at + size >= kUtf8.size(), &out);
        EXPECT_EQ(out, kWindows1252) << size;
        EXPECT_EQ(decoder.Replaced(), 3) << size;
        EXPECT_EQ(decoder.FirstLine(), 3) << size;
    }
    Windows1252Decoder broken(UnicodeForm::Utf8);
    std::string out;
    broken.Decode("a\xC3(\xE2\x82", true, &out);  // a lead byte without its continuation; a cut end
    EXPECT_EQ(out, "a?(?");
    EXPECT_EQ(broken.FirstLine(), 1);
}

TEST(UnicodeText, CopiesEachFormForImport) {
    TempDir dir;
    struct Case {
        const char* name;
        std::string bytes;
        TextEncoding encoding;
    };
    const Case cases[] = {
        {"utf-8", kUtf8, TextEncoding::Utf8},
        {"utf-8 signed", "\xEF\xBB\xBF" + kUtf8, TextEncoding::Utf8},
        {"auto utf-8", kUtf8, TextEncoding::Auto},
        {"auto signed", "\xEF\xBB\xBF" + kUtf8, TextEncoding::Auto},
        {"utf-16le signed", "\xFF\xFE" + Utf16(true), TextEncoding::Utf16},
        {"utf-16be signed", "\xFE\xFF" + Utf16(false), TextEncoding::Auto},
        {"utf-16le", Utf16(true), TextEncoding::Utf16},
        {"utf-16be", Utf16(false), TextEncoding::Utf16},
    };
    for (const Case& c : cases) {
        WriteTextFile(dir.File("in.csv"), c.bytes);
        std::string readPath;
        TranscodeReport report;
        ASSERT_EQ(TranscodeForImport(dir.File("in.csv"), c.encoding, &readPath, &report), 0) << c.name;
        ASSERT_TRUE(report.transcoded) << c.name;
        EXPECT_EQ(ReadTextFile(readPath), kWindows1252) << c.name;
        EXPECT_EQ(report.replaced, 3) << c.name;
        EXPECT_EQ(report.firstLine, 3) << c.name;
        std::filesystem::remove(readPath);
    }
    EXPECT_EQ(ReplacedCharactersMessage(TranscodeReport{true, 3, 3}),
              "3 characters of the file cannot be held in the Windows-1252 code page and will be imported as "
              "\"?\". The first is on line 3.");
}

// Windows-1252 stays as it is: with ansi always, with auto when it is not valid UTF-8.
TEST(UnicodeText, LeavesWindows1252Alone) {
    TempDir dir;
    WriteTextFile(dir.File("in.csv"), kWindows1252);
    for (TextEncoding encoding : {TextEncoding::Ansi, TextEncoding::Auto}) {
        std::string readPath;
        TranscodeReport report;
        EXPECT_EQ(TranscodeForImport(dir.File("in.csv"), encoding, &readPath, &report), 0);
        EXPECT_FALSE(report.transcoded);
        EXPECT_EQ(readPath, dir.File("in.csv"));
    }
}

TEST(UnicodeText, RewritesAnExportAsUtf8) {
    TempDir dir;
    const std::string out = dir.File("out.csv");
    WriteTextFile(out, "Caf\xE9,\x80,\x81\r\n");
    ASSERT_EQ(TranscodeExportedFile(out, TextEncoding::Ansi), 0);
    EXPECT_EQ(ReadTextFile(out), "Caf\xE9,\x80,\x81\r\n");
    ASSERT_EQ(TranscodeExportedFile(out, TextEncoding::Utf8Signed), 0);
    EXPECT_EQ(ReadTextFile(out),
              "\xEF\xBB\xBF"
              "Caf\xC3\xA9,\xE2\x82\xAC,\xC2\x81\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);  // no temporary left
}

}  // namespace
