// The buffered file: byte order, the window and its edges, gaps, and the failures of reads.
#include "io/QnBufferedFile.h"
#include "io/QnException.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

class BufferedFileTest : public ::testing::Test {
protected:
    void SetUp() override { QnFileException::Instance().Reset(); }

    std::string Make(const std::vector<uint8_t>& bytes, const char* name = "data.bin") {
        std::string path = m_dir.File(name);
        WriteBytes(path, bytes);
        return path;
    }

    TempDir m_dir;
};

// Rewrites bytes of the file through another handle, behind the buffered file's back.
void Overwrite(const std::string& path, std::streamoff at, const std::vector<uint8_t>& bytes) {
    std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(at);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

TEST_F(BufferedFileTest, PalmOrderReadsAndWritesBigEndian) {
    std::string path = Make({0x12, 0x34, 0xDE, 0xAD, 0xBE, 0xEF, 0x7F});
    QnBufferedFile file(path.c_str());
    file.SetByteSwapMethod(PLATFORM_PALM);
    file.Open(QN_OPEN_READ);
    EXPECT_EQ(file.ReadU16(), 0x1234);
    EXPECT_EQ(file.ReadU32(), 0xDEADBEEFu);
    EXPECT_EQ(file.ReadU8(), 0x7F);
    file.Close();

    file.Open(QN_OPEN_READWRITE);
    file.WriteU32(0x01020304);
    file.WriteU16(0xA1B2);
    file.Close();
    EXPECT_EQ(ReadBytes(path), (std::vector<uint8_t>{1, 2, 3, 4, 0xA1, 0xB2, 0x7F}));
}

TEST_F(BufferedFileTest, PcOrderUsesHostLittleEndian) {
    std::string path = Make({0x12, 0x34, 0x01, 0x02, 0x03, 0x04});
    QnBufferedFile file(path.c_str());
    file.SetByteSwapMethod(PLATFORM_PC);
    file.Open(QN_OPEN_SHARED_READWRITE);
    EXPECT_EQ(file.ReadU16(), 0x3412);
    EXPECT_EQ(file.ReadU32(), 0x04030201u);
    file.SetPosition(0);
    file.WriteU32(0x01020304);
    file.Close();
    EXPECT_EQ(ReadBytes(path), (std::vector<uint8_t>{4, 3, 2, 1, 3, 4}));
}

TEST_F(BufferedFileTest, UnknownPlatformTypeThrows) {
    QnBufferedFile file;
    try {
        file.SetByteSwapMethod(static_cast<PlatformType>(2));
        FAIL() << "no throw";
    } catch (const QnAutoError& error) {
        EXPECT_EQ(error.GetMessage(), "Unrecognized platform type in SetByteSwapMethod()");
        EXPECT_EQ(error.GetCode(), -1);
    }
    EXPECT_EQ(file.GetByteSwapMethod(), PLATFORM_PC);
}

TEST_F(BufferedFileTest, ShortReadThrowsMinusOneInEveryMode) {
    std::string path = Make({1, 2, 3});
    for (int mode : {QN_OPEN_READ, QN_OPEN_READWRITE, QN_OPEN_SHARED_READWRITE}) {
        QnBufferedFile file(path.c_str());
        file.Open(mode);
        try {
            file.ReadU32();
            FAIL() << "mode " << mode;
        } catch (const QnAutoError& error) {
            EXPECT_EQ(error.GetCode(), -1) << "mode " << mode;
            EXPECT_EQ(error.GetMessage(), "Couldn't read in all bytes in ReadN()");
        }
        EXPECT_EQ(file.GetPosition(), 3u) << "mode " << mode;
    }
}

TEST_F(BufferedFileTest, SuccessfulReadClearsTheInitialCode) {
    std::string path = Make({1, 2, 3, 4});
    QnBufferedFile file(path.c_str());
    QnAutoError error;
    file.SetErrorObject(&error);
    file.SetErrorObject(nullptr);
    EXPECT_EQ(file.GetErrorObject(), &error);
    file.Open(QN_OPEN_READ);
    EXPECT_EQ(error.GetCode(), 0x00210000);
    file.ReadU16();
    EXPECT_EQ(error.GetCode(), 0);
}

TEST_F(BufferedFileTest, SeekInsideTheWindowDoesNotTouchTheFile) {
    std::string path = Make(PatternBytes(100));
    for (int mode : {QN_OPEN_READ, QN_OPEN_SHARED_READWRITE}) {
        WriteBytes(path, PatternBytes(100));
        QnBufferedFile file(path.c_str());
        file.Open(mode);
        file.SetPosition(10);
        uint8_t first[8];
        file.ReadN(first, 8);  // leaves a window from 18 on, whatever the mode
        file.ReadN(first, 8);
        Overwrite(path, 0, std::vector<uint8_t>(100, 0xEE));
        file.SetPosition(18);
        uint8_t again[8];
        file.ReadN(again, 8);
        EXPECT_EQ(std::vector<uint8_t>(first, first + 8), std::vector<uint8_t>(again, again + 8)) << mode;
        EXPECT_EQ(again[0], 18) << mode;
    }
}

TEST_F(BufferedFileTest, SeekOutsideTheWindowRereadsTheFile) {
    std::string path = Make(PatternBytes(3 * 4096));
    QnBufferedFile file(path.c_str());
    file.Open(QN_OPEN_READ);
    EXPECT_EQ(file.ReadU8(), 0);
    Overwrite(path, 9000, {0xEE});
    file.SetPosition(9000);
    EXPECT_EQ(file.ReadU8(), 0xEE);
}

TEST_F(BufferedFileTest, ReadsAcrossTheWindowEdgeJoinBothSides) {
    std::vector<uint8_t> bytes = PatternBytes(3 * 4096);
    std::string path = Make(bytes);
    for (int mode : {QN_OPEN_READ, QN_OPEN_SHARED_READWRITE}) {
        QnBufferedFile file(path.c_str());
        file.SetByteSwapMethod(PLATFORM_PALM);
        file.Open(mode);
        file.SetPosition(4094);
        uint32_t expected = (uint32_t{bytes[4094]} << 24) | (bytes[4095] << 16) | (bytes[4096] << 8) | bytes[4097];
        EXPECT_EQ(file.ReadU32(), expected);
        std::vector<uint8_t> block(5000);
        file.ReadN(block.data(), 5000);
        EXPECT_TRUE(std::equal(block.begin(), block.end(), bytes.begin() + 4098));
        EXPECT_EQ(file.GetPosition(), 9098u);
    }
    EXPECT_EQ(ReadBytes(path), bytes) << "reading must not change the file";
}

TEST_F(BufferedFileTest, WritesAcrossTheWindowEdgeLandInOrder) {
    std::string path = Make({});
    QnBufferedFile file(path.c_str());
    file.SetByteSwapMethod(PLATFORM_PALM);
    file.Open(QN_OPEN_WRITE);
    std::vector<uint8_t> head = PatternBytes(4094);
    file.WriteN(head.data(), 4094);
    file.WriteU32(0xCAFEBABE);
    std::vector<uint8_t> tail = PatternBytes(9000, 7);
    file.WriteN(tail.data(), 9000);
    EXPECT_EQ(file.GetPosition(), 4094u + 4 + 9000);
    EXPECT_EQ(file.GetLength(), 4094u + 4 + 9000);
    file.Close();

    std::vector<uint8_t> expected = head;
    expected.insert(expected.end(), {0xCA, 0xFE, 0xBA, 0xBE});
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST_F(BufferedFileTest, OverwritingTheMiddleInWriteOnlyModeKeepsTheRest) {
    std::vector<uint8_t> bytes = PatternBytes(10000);
    std::string path = Make(bytes);
    QnBufferedFile file(path.c_str());
    file.Open(QN_OPEN_WRITE);
    file.SetPosition(4000);
    std::vector<uint8_t> patch(200, 0x55);
    file.WriteN(patch.data(), 200);
    file.WriteU8(0x66);
    file.Close();
    std::copy(patch.begin(), patch.end(), bytes.begin() + 4000);
    bytes[4200] = 0x66;
    EXPECT_EQ(ReadBytes(path), bytes);
}

TEST_F(BufferedFileTest, InsertAndDeleteBytesMoveTheTailAcrossWindows) {
    std::vector<uint8_t> bytes = PatternBytes(10000);
    std::string path = Make(bytes);
    QnBufferedFile file(path.c_str());
    file.Open(QN_OPEN_READWRITE);
    file.SetPosition(5000);
    std::vector<uint8_t> inserted(4500, 0x77);
    EXPECT_EQ(file.InsertBytes(inserted.data(), 4500), QN_OK);
    EXPECT_EQ(file.GetPosition(), 9500u);
    EXPECT_EQ(file.GetLength(), 14500u);
    file.Close();
    std::vector<uint8_t> expected = bytes;
    expected.insert(expected.begin() + 5000, inserted.begin(), inserted.end());
    EXPECT_EQ(ReadBytes(path), expected);

    file.Open(QN_OPEN_READWRITE);
    file.SetPosition(100);
    EXPECT_EQ(file.DeleteBytes(6000), QN_OK);
    EXPECT_EQ(file.GetPosition(), 100u);
    EXPECT_EQ(file.GetLength(), 8500u);
    file.Close();
    expected.erase(expected.begin() + 100, expected.begin() + 6100);
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST_F(BufferedFileTest, OpenGapWithALengthMovesOnlyThoseBytes) {
    std::string path = Make({1, 2, 3, 4, 5, 6, 7, 8});
    QnBufferedFile file(path.c_str());
    file.Open(QN_OPEN_READWRITE);
    file.SetPosition(2);
    EXPECT_EQ(file.OpenGap(2, 3), QN_OK);
    EXPECT_EQ(file.GetPosition(), 2u);
    file.Close();
    EXPECT_EQ(ReadBytes(path), (std::vector<uint8_t>{1, 2, 3, 4, 3, 4, 5, 8}));
}

TEST_F(BufferedFileTest, SetLengthDropsTheWindowSoItCannotRegrowTheFile) {
    std::string path = Make({});
    QnBufferedFile file(path.c_str());
    file.Open(QN_OPEN_READWRITE);
    std::vector<uint8_t> bytes = PatternBytes(100);
    file.WriteN(bytes.data(), 100);
    file.SetPosition(80);
    EXPECT_EQ(file.SetLength(50), QN_OK);
    EXPECT_EQ(file.GetPosition(), 50u);
    file.Close();
    EXPECT_EQ(ReadBytes(path), std::vector<uint8_t>(bytes.begin(), bytes.begin() + 50));
}

TEST_F(BufferedFileTest, ModeZeroRefusesWritesWithAccessDenied) {
    std::string path = Make({1, 2, 3});
    QnBufferedFile file(path.c_str());
    file.Open(QN_OPEN_READ);
    EXPECT_TRUE(file.IsPassThrough());
    try {
        file.WriteU8(9);
        FAIL() << "no throw";
    } catch (QnFileException* exception) {
        EXPECT_EQ(exception->GetCode(), static_cast<int32_t>(0x80080005u));
    }
    EXPECT_EQ(ReadBytes(path), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(BufferedFileTest, FailingDeviceSurfacesAsTheFileException) {
    if (!std::ifstream("/dev/full")) GTEST_SKIP() << "no /dev/full";
    QnBufferedFile file("/dev/full");
    file.Open(QN_OPEN_WRITE);
    std::vector<uint8_t> bytes(5000, 1);
    try {
        file.WriteN(bytes.data(), 5000);
        FAIL() << "no throw";
    } catch (QnFileException* exception) {
        EXPECT_EQ(exception->GetCode(), static_cast<int32_t>(0x80080070u));  // ERROR_DISK_FULL
        EXPECT_EQ(exception->Messages(0), "full, ");
    }
}

namespace {
// A file whose reads fail with a code, as a device that reports an error does.
class FailingReadFile : public QnBufferedFile {
public:
    using QnBufferedFile::QnBufferedFile;
    QnResult Read(void*, uint32_t* count) override {
        *count = 0;
        return static_cast<int32_t>(0x8008001Fu);
    }
};
}  // namespace

TEST_F(BufferedFileTest, ReadFailureCodeGivesTheReadNMessage) {
    std::string path = Make({1, 2, 3, 4});
    FailingReadFile file(path.c_str());
    file.Open(QN_OPEN_SHARED_READWRITE);
    try {
        file.ReadU32();
        FAIL() << "no throw";
    } catch (const QnAutoError& error) {
        EXPECT_EQ(error.GetCode(), static_cast<int32_t>(0x8008001Fu));
        EXPECT_EQ(error.GetMessage(), "Problem reading from file in ReadN()");
    }
}

TEST_F(BufferedFileTest, SeekFailureGivesTheSetPositionMessage) {
    QnBufferedFile file;  // never opened: the seek has no handle to move
    try {
        file.SetPosition(10);
        FAIL() << "no throw";
    } catch (const QnAutoError& error) {
        EXPECT_EQ(error.GetCode(), static_cast<int32_t>(0x80080006u));  // ERROR_INVALID_HANDLE
        EXPECT_EQ(error.GetMessage(), "Problem setting file position in SetPosition()");
    }
}
