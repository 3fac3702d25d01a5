// Archives written part by part, the long part deflated in pieces on every core, read back by
// Info-ZIP's unzip.
#include "importexport/ZipWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Some megabytes of lines that compress, with runs that do not, so that the stream spans
// several pieces and ends in a short one.
std::string LongText() {
    std::mt19937 random(7);
    std::string text;
    while (text.size() < 3'500'000) {
        text += "<row r=\"" + std::to_string(text.size()) + "\">";
        for (int i = 0; i < 40; ++i) text.push_back(static_cast<char>('a' + random() % 26));
        text += "</row>\n";
    }
    return text;
}

std::string Unzipped(const std::string& archive, const std::string& part, const TempDir& dir) {
    const std::string out = dir.File("unzipped");
    const std::string command = "unzip -p '" + archive + "' '" + part + "' >'" + out + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0) return "unzip failed";
    const std::vector<uint8_t> bytes = ReadBytes(out);
    return {bytes.begin(), bytes.end()};
}

TEST(ZipWriter, PartsReadBackWhole) {
    TempDir dir;
    const std::string text = LongText();
    for (const bool large : {false, true}) {
        const std::string archive = dir.File(large ? "large.zip" : "plain.zip");
        ZipWriter zip(archive);
        ASSERT_TRUE(zip.Add("a/short.xml", "<short/>"));
        ASSERT_TRUE(zip.BeginStream("a/long.xml", large));
        for (size_t at = 0; at < text.size(); at += 100'000)
            ASSERT_TRUE(zip.Stream(std::string_view(text).substr(at, 100'000)));
        ASSERT_TRUE(zip.EndStream());
        ASSERT_TRUE(zip.Add("empty", ""));
        ASSERT_TRUE(zip.Close());
        EXPECT_EQ(std::system(("unzip -tq '" + archive + "' >/dev/null").c_str()), 0) << large;
        EXPECT_EQ(Unzipped(archive, "a/short.xml", dir), "<short/>");
        EXPECT_TRUE(Unzipped(archive, "a/long.xml", dir) == text) << large;
        EXPECT_EQ(Unzipped(archive, "empty", dir), "");
    }
}

TEST(ZipWriter, UnwritableArchiveFails) {
    TempDir dir;
    ZipWriter zip(dir.File("missing/folder/out.zip"));
    EXPECT_FALSE(zip.Ok());
    EXPECT_FALSE(zip.Add("part", "text"));
    EXPECT_FALSE(zip.BeginStream("long", false));
    EXPECT_FALSE(zip.Close());
}

}  // namespace
