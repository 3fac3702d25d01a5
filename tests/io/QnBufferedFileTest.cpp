// The buffered file: randomized scripts in both byte orders checked against a plain byte vector
// (they catch the window bookkeeping faults single cases miss), then the read-only mode the reader
// uses, the write-only mode the writer patches its header in, and the failures with their codes.
#include "io/BufferedFileHarness.h"
#include "io/QnBufferedFile.h"
#include "io/QnException.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <tuple>

class BufferedFileModelTest : public ::testing::TestWithParam<std::tuple<unsigned, PlatformType>> {};

TEST_P(BufferedFileModelTest, RandomScriptMatchesModel) {
    TempDir dir;
    std::mt19937 random(std::get<0>(GetParam()));
    std::vector<uint8_t> script(3000);
    for (auto& b : script) b = static_cast<uint8_t>(random());
    QnFileException::Instance().Reset();
    BufferedFileHarness harness(dir.File("model.bin"), std::get<1>(GetParam()));
    for (size_t at = 0, step = 0; at < script.size(); ++step)
        ASSERT_EQ(harness.Step(script.data(), script.size(), &at), "") << "step " << step;
    EXPECT_EQ(harness.Finish(), "");
}

INSTANTIATE_TEST_SUITE_P(Seeds, BufferedFileModelTest,
                         ::testing::Combine(::testing::Range(1u, 17u),
                                            ::testing::Values(PLATFORM_PALM, PLATFORM_PC)));

TEST(BufferedFileTest, ReadModeNeverWritesAndWriteModeKeepsWhatItDoesNotOverwrite) {
    QnFileException::Instance().Reset();
    TempDir dir;
    std::string path = dir.File("data.bin");
    std::vector<uint8_t> bytes = PatternBytes(10000);
    WriteBytes(path, bytes);
    QnBufferedFile file(path.c_str());
    file.Open(QN_OPEN_READ);
    std::vector<uint8_t> block(5000);
    file.SetPosition(4094);
    file.ReadN(block.data(), 5000);  // across the window's edge
    EXPECT_TRUE(std::equal(block.begin(), block.end(), bytes.begin() + 4094));
    file.SetByteSwapMethod(PLATFORM_PALM);
    file.SetPosition(9000);
    EXPECT_EQ(file.ReadU16(), (bytes[9000] << 8) | bytes[9001]);
    try {
        file.WriteU8(9);
        ADD_FAILURE() << "a write in read mode did not throw";
    } catch (QnFileException* exception) {
        EXPECT_EQ(exception->GetCode(), static_cast<int32_t>(0x80080005u));  // ERROR_ACCESS_DENIED
    }
    file.Close();
    EXPECT_EQ(ReadBytes(path), bytes);

    QnBufferedFile writer(path.c_str());  // a window never filled by reading
    writer.Open(QN_OPEN_WRITE);
    writer.SetPosition(4000);
    std::vector<uint8_t> patch(5000, 0x55);  // more than a window: the next one starts at 9000
    writer.WriteN(patch.data(), 5000);
    writer.WriteU8(0x66);
    writer.Close();
    std::copy(patch.begin(), patch.end(), bytes.begin() + 4000);
    bytes[9000] = 0x66;
    EXPECT_EQ(ReadBytes(path), bytes);
}

TEST(BufferedFileTest, ShortReadsThrowTheirCodeAndMessageInEveryMode) {
    TempDir dir;
    WriteBytes(dir.File("short.bin"), {1, 2, 3});
    for (int mode : {QN_OPEN_READ, QN_OPEN_READWRITE, QN_OPEN_SHARED_READWRITE}) {
        QnBufferedFile file(dir.File("short.bin").c_str());
        file.Open(mode);
        try {
            file.ReadU32();
            ADD_FAILURE() << "mode " << mode;
        } catch (const QnAutoError& error) {
            EXPECT_EQ(error.GetCode(), -1) << mode;
            EXPECT_EQ(error.GetMessage(), "Couldn't read in all bytes in ReadN()");
        }
        EXPECT_EQ(file.GetPosition(), 3u) << mode;
    }
}

TEST(BufferedFileTest, FailingDeviceSurfacesAsTheFileException) {
    if (!std::ifstream("/dev/full")) GTEST_SKIP() << "no /dev/full";
    QnFileException::Instance().Reset();
    QnBufferedFile file("/dev/full");
    file.Open(QN_OPEN_WRITE);
    std::vector<uint8_t> bytes(5000, 1);
    try {
        file.WriteN(bytes.data(), 5000);
        ADD_FAILURE() << "no throw";
    } catch (QnFileException* exception) {
        EXPECT_EQ(exception->GetCode(), static_cast<int32_t>(0x80080070u));  // ERROR_DISK_FULL
        EXPECT_EQ(exception->Messages(0), "full, ");
    }
}
