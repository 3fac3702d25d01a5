// Saving as a whole: the old file survives every failed save, read-only and held files are
// refused before anything is written, failures keep their codes and messages, the record
// limit, and the progress the writer reports.
#include "WriterTestSupport.h"
#include "io/QnException.h"
#include "io/QnFile.h"
#include "pdb/TbPDBFormat.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

constexpr TbResult kAccessDenied = static_cast<int32_t>(0x80080005u);
constexpr TbResult kPathNotFound = static_cast<int32_t>(0x80080003u);
constexpr TbResult kSharingViolation = static_cast<int32_t>(0x80080020u);
constexpr const char* kFileMessage = "File could not be found or could not be opened.";

struct WriterSaveTest : WriterFixture {
    std::vector<std::string> FolderEntries() {
        std::vector<std::string> names;
        for (auto& entry : fs::directory_iterator(dir.Path()))
            names.push_back(entry.path().filename().string());
        return names;
    }
    mode_t Mode() {
        struct stat st {};
        ::stat(FilePath().c_str(), &st);
        return st.st_mode & 07777;
    }
    // A field whose values an old Expression cannot hold, in a record: every save fails.
    void AddUnwritableValue() {
        CTbObjField* field = db.AddField("Bad", EXPRESSION_T);
        field->ExprProps()->SetResultFormat(EXPR_RESULT_TEXT);
        db.Records().AddRecord(true);
    }
    CTbPDBWriter writer;
};

TEST_F(WriterSaveTest, FailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    db.AddField("Name", TEXT_T);
    db.Records().AddRecord(true)->Value(1)->SetText("kept");
    ASSERT_EQ(writer.Write(db, FilePath(), nullptr), TB_S_OK);
    std::vector<uint8_t> before = ReadBytes(FilePath());
    std::vector<uint32_t> idsBefore = db.UniqueIds();
    AddUnwritableValue();

    EXPECT_EQ(writer.Write(db, FilePath(), nullptr), -1);
    EXPECT_EQ(writer.GetErrorText(), "Invalid expression return type for (old) expressions.");
    EXPECT_EQ(writer.GetError().GetCode(), -1);
    EXPECT_EQ(ReadBytes(FilePath()), before);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"MRA_Test.PDB"});
    EXPECT_EQ(db.UniqueIds(), idsBefore) << "a failed save changes nothing in the database";
    EXPECT_EQ(db.Records().RecordInStoredOrder(1)->GetUniqueId(), 0u);
}

TEST_F(WriterSaveTest, FailedFirstSaveLeavesNoFileAtAll) {
    AddUnwritableValue();
    EXPECT_EQ(writer.Write(db, FilePath(), nullptr), -1);
    EXPECT_TRUE(FolderEntries().empty());
}

TEST_F(WriterSaveTest, ReadOnlyFileIsRefusedInTheOpen) {
    ASSERT_EQ(writer.Write(db, FilePath(), nullptr), TB_S_OK);
    std::vector<uint8_t> before = ReadBytes(FilePath());
    ::chmod(FilePath().c_str(), 0444);
    db.SetStartupScreen("changed");
    db.UniqueIds().clear();

    EXPECT_EQ(writer.Write(db, FilePath(), nullptr), kAccessDenied);
    EXPECT_EQ(writer.GetErrorText(), kFileMessage);
    EXPECT_EQ(writer.GetError().GetCode(), kAccessDenied);
    EXPECT_EQ(ReadBytes(FilePath()), before);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"MRA_Test.PDB"});
    EXPECT_TRUE(db.UniqueIds().empty());
    EXPECT_EQ(QnFileException::Instance().GetCode(), 0) << "the exception is reset for the next failure";
}

TEST_F(WriterSaveTest, FileHeldByAnotherWriterIsRefused) {
    ASSERT_EQ(writer.Write(db, FilePath(), nullptr), TB_S_OK);
    QnFile holder(FilePath().c_str());
    holder.Open(QN_OPEN_WRITE);
    EXPECT_EQ(writer.Write(db, FilePath(), nullptr), kSharingViolation);
    EXPECT_EQ(writer.GetErrorText(), kFileMessage);
    EXPECT_EQ(FolderEntries().size(), 1u);
}

// Lets files grow to a limit only, as a full disk would, while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{bytes, m_saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int);
};

size_t OpenFileCount() {
    return static_cast<size_t>(
        std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator()));
}

TEST_F(WriterSaveTest, WriteFailingPartWayLeavesTheOldFile) {
    ASSERT_EQ(writer.Write(db, FilePath(), nullptr), TB_S_OK);
    std::vector<uint8_t> before = ReadBytes(FilePath());
    db.AddField("Name", TEXT_T);
    for (int i = 0; i < 50; ++i) db.Records().AddRecord(true)->Value(1)->SetText(std::string(200, 'x'));
    size_t openFiles = OpenFileCount();
    {
        FileSizeLimit limit(6000);
        EXPECT_EQ(writer.Write(db, FilePath(), nullptr), static_cast<int32_t>(0x8008001Fu));
    }
    EXPECT_EQ(writer.GetErrorText(), kFileMessage);
    EXPECT_EQ(ReadBytes(FilePath()), before);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"MRA_Test.PDB"});
    EXPECT_EQ(OpenFileCount(), openFiles) << "the new file's handle is closed";
    EXPECT_EQ(writer.Write(db, FilePath(), nullptr), TB_S_OK) << writer.GetErrorText();
    EXPECT_EQ(PdbBytes::FromFile(FilePath()).RecordCount(), 87 + 50);
}

TEST_F(WriterSaveTest, MissingFolderFailsLikeAMissingPath) {
    EXPECT_EQ(writer.Write(db, dir.File("no/such/MRA_Test.PDB"), nullptr), kPathNotFound);
    EXPECT_EQ(writer.GetErrorText(), kFileMessage);
}

TEST_F(WriterSaveTest, PathWithoutAFolderIsWrittenInTheWorkingFolder) {
    fs::path previous = fs::current_path();
    fs::current_path(dir.Path());
    TbResult first = writer.Write(db, "MRA_Test.PDB", nullptr);
    TbResult second = writer.Write(db, "MRA_Test.PDB", nullptr);
    fs::current_path(previous);
    EXPECT_EQ(first, TB_S_OK);
    EXPECT_EQ(second, TB_S_OK);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"MRA_Test.PDB"});
}

TEST_F(WriterSaveTest, NewFileKeepsTheOldFilesPermissions) {
    ASSERT_EQ(writer.Write(db, FilePath(), nullptr), TB_S_OK);
    ::chmod(FilePath().c_str(), 0640);
    ASSERT_EQ(writer.Write(db, FilePath(), nullptr), TB_S_OK);
    EXPECT_EQ(Mode(), 0640u);
}

TEST_F(WriterSaveTest, NewFileKeepsTheOldFilesOwner) {
    if (::geteuid() != 0) GTEST_SKIP() << "only an administrator can give a file away";
    ASSERT_EQ(writer.Write(db, FilePath(), nullptr), TB_S_OK);
    ASSERT_EQ(::chown(FilePath().c_str(), 4321, 4322), 0);
    ASSERT_EQ(writer.Write(db, FilePath(), nullptr), TB_S_OK);
    struct stat st {};
    ::stat(FilePath().c_str(), &st);
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4322u);
}

TEST_F(WriterSaveTest, FirstFileGetsTheUsualPermissions) {
    mode_t mask = ::umask(022);
    ASSERT_EQ(writer.Write(db, FilePath(), nullptr), TB_S_OK);
    ::umask(mask);
    EXPECT_EQ(Mode(), 0644u);
}

TEST_F(WriterSaveTest, SuccessClearsTheLastFailure) {
    EXPECT_EQ(writer.Write(db, dir.File("missing/MRA_Test.PDB"), nullptr), kPathNotFound);
    EXPECT_EQ(writer.Write(db, FilePath(), nullptr), TB_S_OK);
    EXPECT_EQ(writer.GetErrorText(), "");
}

TEST_F(WriterSaveTest, DatabaseSaveReportsTheWritersResult) {
    db.SetLoadState(TB_LOAD_NEW);
    EXPECT_EQ(db.Save(), TB_S_OK);
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_FULL);
    AddUnwritableValue();
    EXPECT_EQ(db.Save(), -1);
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_SAVE_FAILED);
    EXPECT_EQ(db.Writer().GetErrorText(), "Invalid expression return type for (old) expressions.");
}

TEST_F(WriterSaveTest, OldExpressionWithAnUnknownFormatIsRefused) {
    CTbObjField* field = db.AddField("Bad", EXPRESSION_T);
    field->ExprProps()->SetResultFormat(14);
    db.Records().AddRecord(true);
    EXPECT_EQ(writer.Write(db, FilePath(), nullptr), -1);
    EXPECT_EQ(writer.GetErrorText(), "Invalid expression return type for (old) expressions.");
}

TEST_F(WriterSaveTest, OldExpressionWithTextFormatAndNoRecordsIsWritten) {
    db.AddField("Bad", EXPRESSION_T)->ExprProps()->SetResultFormat(EXPR_RESULT_TEXT);
    EXPECT_EQ(writer.Write(db, FilePath(), nullptr), TB_S_OK);
}

TEST_F(WriterSaveTest, ImageLargerThanARecordCanHoldIsRefused) {
    db.AddField("Picture", IMAGE_T);
    db.Records().AddRecord(true)->Value(1)->SetData(std::vector<uint8_t>(0x10000, 1));
    EXPECT_EQ(writer.Write(db, FilePath(), nullptr), -1);
    EXPECT_EQ(writer.GetErrorText(), "Image too large: an image value holds at most 65,535 bytes.");
    EXPECT_TRUE(FolderEntries().empty());
}

TEST_F(WriterSaveTest, RecordLimitIs65448) {
    db.Records().Reserve(TbPdb::kMaxDataRecords + 1);
    for (uint32_t i = 0; i < TbPdb::kMaxDataRecords; ++i) db.Records().AddRecord(true, false);
    ASSERT_EQ(writer.Write(db, FilePath(), nullptr), TB_S_OK) << writer.GetErrorText();
    PdbBytes file = PdbBytes::FromFile(FilePath());
    EXPECT_EQ(file.RecordCount(), 0xFFFF);
    EXPECT_EQ(file.U8(file.Offset(0xFFFE)), TbPdb::kDataRecordType);
    std::vector<uint8_t> before = file.Bytes();

    db.Records().AddRecord(true, false);
    RecordingProgress progress;
    EXPECT_EQ(writer.Write(db, FilePath(), &progress), -1);
    EXPECT_EQ(writer.GetErrorText(), "Too many records: a Tabulon holds at most 65,448 records.");
    EXPECT_TRUE(progress.calls.empty()) << "refused before anything is written";
    EXPECT_EQ(ReadBytes(FilePath()), before);
    EXPECT_EQ(FolderEntries().size(), 1u);
}

TEST_F(WriterSaveTest, ProgressFollowsTheWritingSteps) {
    db.AddField("N", INTEGER_T);
    db.Records().AddRecord(true);
    db.Records().AddRecord(true);
    RecordingProgress progress;
    ASSERT_EQ(writer.Write(db, FilePath(), &progress), TB_S_OK);

    std::vector<std::string> expected = {"SetRange 91", "SetText Preparing file for writing...",
                                         "Step 1",      "SetText Writing header information...",
                                         "Step 1",      "Step 1"};
    for (int slot = 0; slot < MaxFieldSlots; ++slot) expected.push_back("Step 1");
    expected.push_back("Step 1");
    expected.push_back("SetText Writing Tabulon design information...");
    for (int record = 83; record <= 86; ++record) expected.push_back("Step 1");
    expected.push_back("SetText Writing Tabulon data records...");
    expected.push_back("Step 1");
    expected.push_back("Step 1");
    expected.push_back("Step 1");  // the file closed
    EXPECT_EQ(progress.calls, expected);
}

}  // namespace
