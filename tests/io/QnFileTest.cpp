// QnFile: opening and its failure codes, sharing, renaming, attributes, times, temporary
// files and formatted text output.
#include "io/QnBufferedFile.h"
#include "io/QnException.h"
#include "io/QnFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class QnFileTest : public ::testing::Test {
protected:
    void SetUp() override { QnFileException::Instance().Reset(); }
    void TearDown() override { QnFileException::Instance().Reset(); }

    std::string Make(const std::string& name, const std::vector<uint8_t>& bytes = {1, 2, 3}) {
        std::string path = m_dir.File(name);
        WriteBytes(path, bytes);
        return path;
    }

    TempDir m_dir;
};

// Runs fn and returns the code of the QnFileException it throws (0 when it does not throw).
template <typename Fn> int32_t ThrownCode(Fn&& fn) {
    QnFileException::Instance().Reset();
    try {
        fn();
    } catch (QnFileException* exception) {
        return exception->GetCode();
    }
    return 0;
}

constexpr int32_t Code(uint32_t value) { return static_cast<int32_t>(value); }

}  // namespace

TEST_F(QnFileTest, OpeningMissingFilesGivesFileOrPathNotFound) {
    QnFile missing(m_dir.File("absent.pdb").c_str());
    EXPECT_EQ(ThrownCode([&] { missing.Open(QN_OPEN_READ); }), Code(0x80080002));
    EXPECT_EQ(QnFileException::Instance().Messages(0), "absent.pdb, ");
    EXPECT_FALSE(missing.IsOpen());

    QnFile noFolder(m_dir.File("nowhere/absent.pdb").c_str());
    EXPECT_EQ(ThrownCode([&] { noFolder.Open(QN_OPEN_READ); }), Code(0x80080003));
}

TEST_F(QnFileTest, FileExceptionKeepsTheFirstCodeUntilReset) {
    QnFile missing(m_dir.File("absent.pdb").c_str());
    QnFile noFolder(m_dir.File("nowhere/absent.pdb").c_str());
    try {
        missing.Open(QN_OPEN_READ);
    } catch (QnFileException*) {
    }
    try {
        noFolder.Open(QN_OPEN_READ);
    } catch (QnFileException* exception) {
        EXPECT_EQ(exception->GetCode(), Code(0x80080002));
    }
}

TEST_F(QnFileTest, ExclusiveModesShutOutEveryOtherOpener) {
    std::string path = Make("shared.pdb");
    for (int exclusive : {QN_OPEN_WRITE, QN_OPEN_READWRITE}) {
        QnFile owner(path.c_str());
        owner.Open(exclusive);
        for (int mode : {QN_OPEN_READ, QN_OPEN_WRITE, QN_OPEN_READWRITE, QN_OPEN_SHARED_READWRITE}) {
            QnFile other(path.c_str());
            EXPECT_EQ(ThrownCode([&] { other.Open(mode); }), Code(0x80080020)) << exclusive << "/" << mode;
        }
        owner.Close();
        QnFile after(path.c_str());
        EXPECT_EQ(ThrownCode([&] { after.Open(exclusive); }), 0);
    }
}

TEST_F(QnFileTest, SharedModesAdmitEachOtherButNotAnExclusiveOpener) {
    std::string path = Make("shared.pdb");
    QnFile reader(path.c_str()), writer(path.c_str()), exclusive(path.c_str());
    reader.Open(QN_OPEN_READ);
    EXPECT_EQ(ThrownCode([&] { writer.Open(QN_OPEN_SHARED_READWRITE); }), 0);
    EXPECT_EQ(ThrownCode([&] { exclusive.Open(QN_OPEN_READWRITE); }), Code(0x80080020));
}

TEST_F(QnFileTest, ReadOnlyFilesRefuseWritersWithAccessDenied) {
    std::string path = Make("locked.pdb");
    QnFile file(path.c_str());
    EXPECT_EQ(file.SetReadOnly(true), QN_OK);
    EXPECT_TRUE(file.IsReadOnly());
    EXPECT_EQ(ThrownCode([&] { file.Open(QN_OPEN_WRITE); }), Code(0x80080005));
    EXPECT_EQ(ThrownCode([&] { file.Open(QN_OPEN_READ); }), 0);
    file.Close();
    EXPECT_EQ(file.SetReadOnly(false), QN_OK);
    EXPECT_FALSE(file.IsReadOnly());
    EXPECT_EQ(ThrownCode([&] { file.Open(QN_OPEN_WRITE); }), 0);
}

TEST_F(QnFileTest, RenameFailuresCarryTheirOwnCodes) {
    std::string path = Make("MRA_Old.PDB");
    Make("MRA_Taken.PDB");
    QnFile file(path.c_str());
    EXPECT_EQ(ThrownCode([&] { file.Rename("MRA_Taken.PDB"); }), Code(0x8021010A));
    EXPECT_EQ(ThrownCode([&] { file.Rename("MRA_a:b.PDB"); }), Code(0x8021010B));
    EXPECT_EQ(ThrownCode([&] { file.Rename("sub/x.PDB"); }), Code(0x8021010B));
    EXPECT_EQ(ThrownCode([&] { file.Rename(""); }), Code(0x8021010B));

    QnFile lost(m_dir.File("gone/MRA_X.PDB").c_str());
    EXPECT_EQ(ThrownCode([&] { lost.Rename("MRA_Y.PDB"); }), Code(0x8021010C));

    QnFile absent(m_dir.File("MRA_None.PDB").c_str());
    EXPECT_EQ(ThrownCode([&] { absent.Rename("MRA_Y.PDB"); }), Code(0x80080002));

    EXPECT_EQ(ReadBytes(m_dir.File("MRA_Taken.PDB")), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(QnFileTest, RenameMovesTheFileAndTakesTheNewPath) {
    std::string path = Make("MRA_Old.PDB");
    QnFile file(path.c_str());
    EXPECT_EQ(file.Rename("MRA_New.PDB"), QN_OK);
    EXPECT_EQ(file.GetPath(), m_dir.File("MRA_New.PDB"));
    EXPECT_EQ(file.GetFileName(), "MRA_New.PDB");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(file.Exists(false));
}

TEST_F(QnFileTest, CreateNewRefusesAnExistingFile) {
    std::string path = Make("exists.bin");
    QnFile file(path.c_str());
    EXPECT_EQ(ThrownCode([&] { file.Create(); }), Code(0x80080050));  // ERROR_FILE_EXISTS
    QnFile fresh(m_dir.File("fresh.bin").c_str());
    EXPECT_EQ(ThrownCode([&] { fresh.Create(); }), 0);
    EXPECT_TRUE(fresh.Exists(false));
    EXPECT_EQ(fresh.GetLength(), 0u);
}

TEST_F(QnFileTest, TemporaryFilesAreCreatedAndRemovedWithTheObject) {
    std::string path;
    {
        QnFile temp;
        ASSERT_EQ(temp.MakeTempFile(), QN_OK);
        path = temp.GetPath();
        EXPECT_TRUE(temp.IsTemporary());
        EXPECT_EQ(temp.GetFileName().substr(0, 3), "Orv");
        EXPECT_TRUE(std::filesystem::exists(path));
        EXPECT_EQ(ThrownCode([&] { temp.Create(); }), 0) << "a temporary file is created over itself";
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(QnFileTest, DeleteClearsReadOnlyAndReportsMissingFiles) {
    std::string path = Make("ro.bin");
    QnFile file(path.c_str());
    file.SetReadOnly(true);
    file.Open(QN_OPEN_READ);
    EXPECT_EQ(file.Delete(), QN_OK);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(ThrownCode([&] { file.Delete(); }), Code(0x80080002));
}

TEST_F(QnFileTest, CopyToReplacesTheTargetAndFailsForMissingSources) {
    std::string from = Make("a.bin", {9, 8, 7});
    std::string to = Make("b.bin", {1});
    QnFile source(from.c_str()), target(to.c_str());
    EXPECT_EQ(source.CopyTo(&target), QN_OK);
    EXPECT_EQ(ReadBytes(to), (std::vector<uint8_t>{9, 8, 7}));
    QnFile missing(m_dir.File("none.bin").c_str());
    EXPECT_EQ(missing.CopyTo(&target), Code(0x80210108));
}

TEST_F(QnFileTest, DirectoryAnswerIsCached) {
    QnFile folder(m_dir.Path().c_str());
    bool isDirectory = false;
    EXPECT_EQ(folder.IsDirectory(&isDirectory), QN_OK);
    EXPECT_TRUE(isDirectory);
    QnFile missing(m_dir.File("none").c_str());
    EXPECT_EQ(missing.IsDirectory(&isDirectory), Code(0x80210100));
    EXPECT_EQ(ThrownCode([&] { folder.Open(QN_OPEN_READ); }), Code(0x80080005));
}

TEST_F(QnFileTest, ModificationTimeRoundTripsInLocalTime) {
    std::string path = Make("t.bin");
    QnFile file(path.c_str());
    const uint16_t when[6] = {2003, 7, 14, 9, 30, 15};
    EXPECT_EQ(file.SetModificationTime(when), QN_OK);
    uint16_t back[6] = {};
    EXPECT_EQ(file.GetModificationTime(back), QN_OK);
    EXPECT_TRUE(std::equal(when, when + 6, back));
    uint16_t created[6] = {};
    EXPECT_EQ(file.GetCreationTime(created), QN_OK);
    EXPECT_GE(created[0], 2020);
    EXPECT_EQ(file.Touch(), QN_OK);
    file.GetModificationTime(back);
    EXPECT_GE(back[0], 2020);

    QnFile missing(m_dir.File("none").c_str());
    EXPECT_EQ(missing.SetModificationTime(when), Code(0x80080002));
    EXPECT_EQ(missing.Touch(), Code(0x80210100));
}

TEST_F(QnFileTest, WindowsOnlyServicesAreReportedAsUnsupported) {
    QnFile file(Make("g.bin").c_str());
    EXPECT_EQ(file.SaveToGlobal(nullptr), QN_E_NOTSUPPORTED);
    EXPECT_EQ(file.LoadFromGlobal(nullptr), QN_E_NOTSUPPORTED);
    EXPECT_EQ(file.SetPathFromSpec(nullptr), QN_E_NOTSUPPORTED);
    EXPECT_EQ(file.SetPathFromGlobal(nullptr), QN_E_NOTSUPPORTED);
    EXPECT_TRUE(file.IsLocal());
}

TEST_F(QnFileTest, DuplicateSharesThePosition) {
    std::string path = Make("d.bin", {1, 2, 3, 4, 5});
    QnFile file(path.c_str());
    file.Open(QN_OPEN_READ);
    auto copy = file.Duplicate();
    ASSERT_TRUE(copy->IsOpen());
    uint8_t b[2];
    uint32_t count = 2;
    copy->Read(b, &count);
    EXPECT_EQ(file.GetPosition(), 2u);
    copy->Close();
    count = 1;
    file.Read(b, &count);
    EXPECT_EQ(b[0], 3);
}

TEST_F(QnFileTest, SetLengthKeepsThePositionInsideTheFile) {
    std::string path = Make("len.bin", PatternBytes(100));
    QnFile file(path.c_str());
    file.Open(QN_OPEN_READWRITE);
    file.Seek(90, QN_SEEK_BEGIN);
    EXPECT_EQ(file.SetLength(40), QN_OK);
    EXPECT_EQ(file.GetPosition(), 40u);
    EXPECT_EQ(file.GetLength(), 40u);
    EXPECT_EQ(file.Seek(-1, QN_SEEK_BEGIN), Code(0x80080083));  // ERROR_NEGATIVE_SEEK
}

TEST_F(QnFileTest, PlainFileGapsMatchTheBufferedOnes) {
    std::string path = Make("gap.bin", {1, 2, 3, 4, 5, 6});
    QnFile file(path.c_str());
    file.Open(QN_OPEN_READWRITE);
    file.Seek(2, QN_SEEK_BEGIN);
    const uint8_t inserted[2] = {9, 9};
    EXPECT_EQ(file.InsertBytes(inserted, 2), QN_OK);
    EXPECT_EQ(file.GetPosition(), 4u);
    file.Seek(1, QN_SEEK_BEGIN);
    EXPECT_EQ(file.DeleteBytes(2), QN_OK);
    EXPECT_EQ(file.GetPosition(), 1u);
    file.Close();
    EXPECT_EQ(ReadBytes(path), (std::vector<uint8_t>{1, 9, 3, 4, 5, 6}));
}

class TextOutputTest : public QnFileTest {
protected:
    std::vector<uint8_t> Written(const std::function<void(QnFile&)>& write) {
        std::string path = Make("text.txt", {});
        {
            QnBufferedFile file(path.c_str());
            file.Open(QN_OPEN_WRITE);
            write(file);
        }
        return ReadBytes(path);
    }
    static std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }
};

TEST_F(TextOutputTest, LineEndsBecomeCrLf) {
    EXPECT_EQ(Written([](QnFile& f) { f.WriteText("a\nb"); }), (std::vector<uint8_t>{'a', 13, 10, 'b'}));
    EXPECT_EQ(Written([](QnFile& f) { f.WriteChar('\n'); f.WriteBytesText("x\n"); }),
              (std::vector<uint8_t>{13, 10, 'x', 13, 10}));
    EXPECT_EQ(Written([](QnFile& f) { f.WriteText("end"); f.Apply(EndLine); }), Bytes("end\r\n"));
}

TEST_F(TextOutputTest, HexFlagFormatsOnlyTheNextNumber) {
    QnFile file;
    file.SetFormatFlags(QN_FORMAT_HEX_ONCE);
    EXPECT_EQ(file.GetFormat("u"), "0x%x");
    EXPECT_EQ(file.GetFormat("u"), "%u");
    EXPECT_EQ(Written([](QnFile& f) {
                  f.SetFormatFlags(QN_FORMAT_HEX_ONCE);
                  f.WriteULong(255);
                  f.WriteChar(' ');
                  f.WriteULong(255);
              }),
              Bytes("0xff 255"));
}

TEST_F(TextOutputTest, NumbersUseTheirConversions) {
    EXPECT_EQ(Written([](QnFile& f) {
                  f.WriteLong(-12);
                  f.WriteChar(',');
                  f.WriteUShort(0x12345);
                  f.WriteChar(',');
                  f.WriteShort(-3);
                  f.WriteChar(',');
                  f.WriteDouble(1.5);
                  f.WriteChar(',');
                  f.WriteSignedChar('z');
              }),
              Bytes("-12,9029,-3,1.500000,z"));
}
