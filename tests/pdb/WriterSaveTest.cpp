// Saving as a whole: the old file survives every failed save, files that cannot be opened are
// refused with their codes, unwritable values and the record limit are refused before anything
// is written, the new file keeps the old one's permissions, and the progress the writer reports.
#include "PdbTestSupport.h"
#include "io/QnFile.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

namespace {

using namespace pdbtest;
namespace fs = std::filesystem;

constexpr const char* kFileMessage = "File could not be found or could not be opened.";
constexpr const char* kOldExpressionMessage = "Invalid expression return type for (old) expressions.";

struct WriterSaveTest : PdbTest {
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
};

TEST_F(WriterSaveTest, FailedSaveLeavesTheOldFileTheDatabaseAndNoTemporaryFile) {
    db.AddField("Name", TEXT_T);
    db.Records().AddRecord(true)->Value(1)->SetText("kept");
    db.SetLoadState(TB_LOAD_NEW);
    ASSERT_EQ(db.Save(), TB_S_OK);
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_FULL);
    std::vector<uint8_t> before = ReadBytes(FilePath());
    std::vector<uint32_t> idsBefore = db.UniqueIds();
    Add(EXPRESSION_T, "Bad").ExprProps()->SetResultFormat(EXPR_RESULT_TEXT);  // cannot hold its value
    db.Records().AddRecord(true);

    EXPECT_EQ(db.Save(), -1);
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_SAVE_FAILED);
    EXPECT_EQ(db.Writer().GetErrorText(), kOldExpressionMessage);
    EXPECT_EQ(db.Writer().GetError().GetCode(), -1);
    EXPECT_EQ(ReadBytes(FilePath()), before);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"MRA_Test.PDB"});
    EXPECT_EQ(db.UniqueIds(), idsBefore) << "a failed save changes nothing in the database";
    EXPECT_EQ(db.Records().RecordInStoredOrder(1)->GetUniqueId(), 0u);
}

TEST_F(WriterSaveTest, ValuesTheFileCannotHoldAreRefusedAndLeaveNoFile) {
    struct Case {
        TbFieldType type;
        int32_t format;  // of an old Expression
        bool withRecord;
        const char* message;  // "": written
    } cases[] = {
        {EXPRESSION_T, EXPR_RESULT_TEXT, true, kOldExpressionMessage},
        {EXPRESSION_T, 14, true, kOldExpressionMessage},
        {EXPRESSION_T, EXPR_RESULT_TEXT, false, ""},
        {IMAGE_T, 0, true, "Image too large: an image value holds at most 65,535 bytes."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(FieldTypeName(c.type)) + " format " + std::to_string(c.format) +
                     (c.withRecord ? " with a record" : " without records"));
        CTbObjDB fresh;
        CTbObjField* field = fresh.AddField("Bad", c.type);
        if (c.type == EXPRESSION_T) field->ExprProps()->SetResultFormat(c.format);
        CTbObjRecord* record = c.withRecord ? fresh.Records().AddRecord(true) : nullptr;
        if (c.type == IMAGE_T) record->Value(1)->SetData(std::vector<uint8_t>(0x10000, 1));
        fs::remove(FilePath());
        EXPECT_EQ(writer.Write(fresh, FilePath(), nullptr), *c.message ? -1 : TB_S_OK);
        EXPECT_EQ(writer.GetErrorText(), c.message);
        EXPECT_EQ(FolderEntries().size(), *c.message ? 0u : 1u);
    }
}

TEST_F(WriterSaveTest, FilesThatCannotBeOpenedAreRefusedWithTheirCodes) {
    ASSERT_EQ(writer.Write(db, FilePath(), nullptr), TB_S_OK);
    std::vector<uint8_t> before = ReadBytes(FilePath());
    {
        QnFile holder(FilePath().c_str());
        holder.Open(QN_OPEN_WRITE);
        EXPECT_EQ(writer.Write(db, FilePath(), nullptr), static_cast<int32_t>(0x80080020u))
            << "sharing violation";
        EXPECT_EQ(
            writer.GetErrorLines(),
            std::string(kFileMessage).append("\n").append(FilePath()).append(": locked by another program"));
    }
    ::chmod(FilePath().c_str(), 0444);
    db.SetStartupScreen("changed");
    db.UniqueIds().clear();
    EXPECT_EQ(writer.Write(db, FilePath(), nullptr), static_cast<int32_t>(0x80080005u)) << "access denied";
    EXPECT_EQ(writer.GetErrorText(), kFileMessage);
    EXPECT_EQ(writer.GetError().GetCode(), static_cast<int32_t>(0x80080005u));
    EXPECT_EQ(ReadBytes(FilePath()), before);
    EXPECT_TRUE(db.UniqueIds().empty());
    EXPECT_EQ(QnFileException::Instance().GetCode(), 0) << "the exception is reset for the next failure";

    EXPECT_EQ(writer.Write(db, dir.File("no/such/MRA_Test.PDB"), nullptr), static_cast<int32_t>(0x80080003u));
    EXPECT_EQ(writer.GetErrorText(), kFileMessage);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"MRA_Test.PDB"});
    ::chmod(FilePath().c_str(), 0644);
    EXPECT_EQ(writer.Write(db, FilePath(), nullptr), TB_S_OK);
    EXPECT_EQ(writer.GetErrorText(), "") << "a success clears the last failure";
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
    EXPECT_EQ(PdbView(FilePath()).RecordCount(), 87 + 50);
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

TEST_F(WriterSaveTest, NewFileKeepsTheOldFilesPermissionsAndOwner) {
    mode_t mask = ::umask(022);
    ASSERT_EQ(writer.Write(db, FilePath(), nullptr), TB_S_OK);
    ::umask(mask);
    EXPECT_EQ(Mode(), 0644u) << "the first file gets the usual permissions";
    ::chmod(FilePath().c_str(), 0640);
    bool giveAway = ::geteuid() == 0 && ::chown(FilePath().c_str(), 4321, 4322) == 0;
    ASSERT_EQ(writer.Write(db, FilePath(), nullptr), TB_S_OK);
    EXPECT_EQ(Mode(), 0640u);
    if (!giveAway) return;  // only an administrator can give a file away
    struct stat st {};
    ::stat(FilePath().c_str(), &st);
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4322u);
}

TEST_F(WriterSaveTest, RecordLimitIs65448) {
    db.Records().Reserve(TbPdb::kMaxDataRecords + 1);
    for (uint32_t i = 0; i < TbPdb::kMaxDataRecords; ++i) db.Records().AddRecord(true, false);
    PdbView file = Written();
    EXPECT_EQ(file.RecordCount(), 0xFFFF);
    EXPECT_EQ(file.U8(file.Offset(0xFFFE)), TbPdb::kDataRecordType);

    db.Records().AddRecord(true, false);
    RecordingProgress progress;
    EXPECT_EQ(writer.Write(db, FilePath(), &progress), -1);
    EXPECT_EQ(writer.GetErrorText(), "Too many records: a Tabulon holds at most 65,448 records.");
    EXPECT_TRUE(progress.calls.empty()) << "refused before anything is written";
    EXPECT_EQ(ReadBytes(FilePath()), file.All());
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
    expected.insert(expected.end(), MaxFieldSlots + 1, "Step 1");
    expected.push_back("SetText Writing Tabulon design information...");
    expected.insert(expected.end(), 4, "Step 1");
    expected.push_back("SetText Writing Tabulon data records...");
    expected.insert(expected.end(), 3, "Step 1");  // two records, then the file closed
    EXPECT_EQ(progress.calls, expected);
}

}  // namespace
