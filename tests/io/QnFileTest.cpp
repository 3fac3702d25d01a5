// QnFile: the codes of failed opens, creates, renames and deletes, the sharing rules, and the
// CR LF line ends of text output.
#include "io/QnBufferedFile.h"
#include "io/QnException.h"
#include "io/QnFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

class QnFileTest : public ::testing::Test {
protected:
    void TearDown() override { QnFileException::Instance().Reset(); }
    std::string Make(const std::string& name) {
        WriteBytes(m_dir.File(name), {1, 2, 3});
        return m_dir.File(name);
    }
    TempDir m_dir;
};

// Runs fn and returns the code of the QnFileException it throws (0 when it does not throw).
int32_t ThrownCode(const std::function<void()>& fn) {
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

TEST_F(QnFileTest, OpenCreateAndDeleteFailuresCarryTheirCodesAndTheFileName) {
    QnFile missing(m_dir.File("absent.pdb").c_str()), noFolder(m_dir.File("nowhere/absent.pdb").c_str());
    EXPECT_EQ(ThrownCode([&] { missing.Open(QN_OPEN_READ); }), Code(0x80080002));
    EXPECT_EQ(QnFileException::Instance().Messages(0), "absent.pdb, ");
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(ThrownCode([&] { noFolder.Open(QN_OPEN_READ); }), Code(0x80080003));
    QnFile folder(m_dir.Path().c_str()), file(Make("locked.pdb").c_str());
    EXPECT_EQ(ThrownCode([&] { folder.Open(QN_OPEN_READ); }), Code(0x80080005));
    EXPECT_EQ(file.SetReadOnly(true), QN_OK);
    EXPECT_EQ(ThrownCode([&] { file.Open(QN_OPEN_WRITE); }), Code(0x80080005));
    EXPECT_EQ(ThrownCode([&] { file.Open(QN_OPEN_READ); }), 0);
    EXPECT_EQ(file.Delete(), QN_OK) << "deleting clears the read-only attribute";
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("locked.pdb")));
    EXPECT_EQ(ThrownCode([&] { file.Delete(); }), Code(0x80080002));
    QnFile existing(Make("exists.bin").c_str());
    EXPECT_EQ(ThrownCode([&] { existing.Create(); }), Code(0x80080050));  // ERROR_FILE_EXISTS
}

TEST_F(QnFileTest, ExclusiveModesShutOutEveryOtherOpenerAndSharedModesAdmitEachOther) {
    std::string path = Make("shared.pdb");
    for (int exclusive : {QN_OPEN_WRITE, QN_OPEN_READWRITE}) {
        QnFile owner(path.c_str());
        owner.Open(exclusive);
        for (int mode : {QN_OPEN_READ, QN_OPEN_WRITE, QN_OPEN_READWRITE, QN_OPEN_SHARED_READWRITE}) {
            QnFile other(path.c_str());
            EXPECT_EQ(ThrownCode([&] { other.Open(mode); }), Code(0x80080020)) << exclusive << "/" << mode;
        }
    }
    QnFile reader(path.c_str()), writer(path.c_str()), exclusive(path.c_str());
    reader.Open(QN_OPEN_READ);
    EXPECT_EQ(ThrownCode([&] { writer.Open(QN_OPEN_SHARED_READWRITE); }), 0);
    EXPECT_EQ(ThrownCode([&] { exclusive.Open(QN_OPEN_READWRITE); }), Code(0x80080020));
}

TEST_F(QnFileTest, RenameMovesTheFileOrFailsWithItsOwnCode) {
    QnFile file(Make("MRA_Old.PDB").c_str());
    Make("MRA_Taken.PDB");
    const std::pair<const char*, uint32_t> failures[] = {{"MRA_Taken.PDB", 0x8021010A},
                                                         {"MRA_a:b.PDB", 0x8021010B},
                                                         {"sub/x.PDB", 0x8021010B},
                                                         {"", 0x8021010B}};
    for (const auto& [name, code] : failures)
        EXPECT_EQ(ThrownCode([&] { file.Rename(name); }), Code(code)) << name;
    QnFile lost(m_dir.File("gone/MRA_X.PDB").c_str()), absent(m_dir.File("MRA_None.PDB").c_str());
    EXPECT_EQ(ThrownCode([&] { lost.Rename("MRA_Y.PDB"); }), Code(0x8021010C));
    EXPECT_EQ(ThrownCode([&] { absent.Rename("MRA_Y.PDB"); }), Code(0x80080002));
    EXPECT_EQ(ReadBytes(m_dir.File("MRA_Taken.PDB")), (std::vector<uint8_t>{1, 2, 3}));

    EXPECT_EQ(file.Rename("MRA_New.PDB"), QN_OK);
    EXPECT_EQ(file.GetPath(), m_dir.File("MRA_New.PDB"));
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("MRA_Old.PDB")));
    EXPECT_TRUE(file.Exists(false));
}

TEST_F(QnFileTest, TextOutputEndsLinesWithCrLf) {
    std::string path = m_dir.File("text.txt");
    WriteBytes(path, {});
    {
        QnBufferedFile file(path.c_str());
        file.Open(QN_OPEN_WRITE);
        file.WriteText("a\nb");
        file.WriteChar('\n');
    }
    std::string text = "a\r\nb\r\n";
    EXPECT_EQ(ReadBytes(path), std::vector<uint8_t>(text.begin(), text.end()));
}
