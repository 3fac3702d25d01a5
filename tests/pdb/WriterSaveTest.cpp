// Saving as a whole: the old file survives every failed save, files that cannot be opened are
// refused with their codes and the system's cause, unwritable values and the record limit are
// refused before anything is written, a file another program changed since the read is not
// replaced, the new file keeps the old one's permissions, the progress the writer reports, and
// the hidden temporary files of saves, left by ended processes, are cleared away.
#include "PdbTestSupport.h"
#include "io/QnFile.h"
#include "platform/FileSystem.h"
#include "platform/SaveTempFiles.h"

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <set>

namespace {

using namespace pdbtest;
namespace fs = std::filesystem;

constexpr const char* kFileMessage = "File could not be found or could not be opened.";
constexpr const char* kOldExpressionMessage = "Invalid expression return type for (old) expressions.";

std::set<std::string> Names(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        names.insert(entry.path().filename().string());
    return names;
}

struct WriterSaveTest : PdbTest {
    std::set<std::string> FolderEntries() { return Names(dir); }
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
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"MRA_Test.PDB"});
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
        EXPECT_EQ(writer.GetErrorLines(),
                  std::string(kFileMessage) + "\n" + FilePath() + ": locked by another program");
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
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"MRA_Test.PDB"});
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
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"MRA_Test.PDB"});
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
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"MRA_Test.PDB"});
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

// The id of a process that has ended.
pid_t EndedProcess() {
    pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST_F(WriterSaveTest, ATemporaryFileIsHiddenAndCarriesTheTabulonsNameAndTheProcess) {
    std::string temp;
    ASSERT_EQ(orvanta::platform::MakeSaveTempFile(dir.File("MRA_Test.PDB"), &temp), 0u);
    std::string name = fs::path(temp).filename().string();
    EXPECT_EQ(name.rfind(".MRA_Test.PDB.orvanta-" + std::to_string(::getpid()) + "-", 0), 0u) << name;
    EXPECT_EQ(name.size(),
              std::string(".MRA_Test.PDB.orvanta-").size() + std::to_string(::getpid()).size() + 7);
}

TEST_F(WriterSaveTest, ASaveRemovesTheFilesOfEndedSavesAndKeepsThoseOfRunningOnes) {
    std::string ended = ".MRA_Old.PDB.orvanta-" + std::to_string(EndedProcess()) + "-a1B2c3";
    std::string running = ".MRA_Old.PDB.orvanta-" + std::to_string(::getpid()) + "-a1B2c3";
    const std::set<std::string> kept = {running, ".MRA_Old.PDB.orvanta-x-a1B2c3",
                                        "MRA_Old.PDB.orvanta-1-a1B2c3", ".MRA_Old.PDB.orvanta-1-a1B2c",
                                        "MRA_Test.PDB"};
    for (const std::string& name : kept) WriteBytes(dir.File(name), {1});
    WriteBytes(dir.File(ended), {1});
    fs::create_directory(dir.File(".MRA_Dir.orvanta-" + std::to_string(EndedProcess()) + "-a1B2c3"));
    Written();
    std::set<std::string> names = Names(dir);
    EXPECT_EQ(names.count(ended), 0u);
    for (const std::string& name : kept) EXPECT_EQ(names.count(name), 1u) << name;
    EXPECT_EQ(names.size(), kept.size() + 1) << "only the folder of that name is left besides them";
}

constexpr const char* kChanged = "The Tabulon was changed by another program after it was opened.";

struct Change {
    const char* name;
    void (*change)(const std::string& path);
};

const Change kChanges[] = {
    {"another Orvanta saved it",
     [](const std::string& path) {
         CTbObjDB other;
         EXPECT_EQ(Opened(other, path).Save(), TB_S_OK);
     }},
    {"rewritten in place, one second later",
     [](const std::string& path) {
         std::vector<uint8_t> bytes = ReadBytes(path);
         bytes[40] ^= 1;
         WriteBytes(path, bytes);
         orvanta::platform::SetModificationTime(path, ::time(nullptr) + 1);
     }},
    {"grown",
     [](const std::string& path) { WriteBytes(path, PdbFile::Tabulon().AddData(DataRecord(0, 1)).Build()); }},
    {"touched",
     [](const std::string& path) { orvanta::platform::SetModificationTime(path, ::time(nullptr) + 5); }},
};

TEST(ChangedOnDisk, ASaveRefusesToReplaceAFileChangedSinceTheReadAndWritesNothing) {
    for (const Change& c : kChanges) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        std::string path = PdbFile::Tabulon().WriteTo(dir);
        CTbObjDB db;
        Opened(db, path);
        c.change(path);
        std::vector<uint8_t> changed = ReadBytes(path);
        EXPECT_EQ(db.Save(), -1);
        EXPECT_EQ(db.Writer().GetErrorText(), kChanged);
        EXPECT_EQ(ReadBytes(path), changed);
        EXPECT_EQ(Names(dir).size(), 1u) << "no temporary file";
    }
}

TEST(ChangedOnDisk, ItsOwnSavesAndOtherFilesAreNoChange) {
    TempDir dir;
    std::string path = PdbFile::Tabulon().WriteTo(dir);
    CTbObjDB db;
    Opened(db, path);
    EXPECT_EQ(db.Save(), TB_S_OK);
    EXPECT_EQ(db.Save(), TB_S_OK) << "a save stamps the file it leaves";
    db.SetLocation(dir.File("MRA_Other.PDB"), true);
    PdbFile::Tabulon().WriteTo(dir, "MRA_Other.PDB");
    EXPECT_EQ(db.Save(), TB_S_OK) << "a file the Tabulon never read is not its own to guard";
}

struct Cause {
    const char* name;
    // Prepares dir for a save to the returned path; "" skips the case where it cannot be made.
    std::string (*prepare)(const TempDir& dir);
    const char* cause;
};

const Cause kCauses[] = {
    {"missing folder", [](const TempDir& dir) { return dir.File("gone/MRA_Test.PDB"); },
     "No such file or directory"},
    {"folder in the file's place",
     [](const TempDir& dir) {
         fs::create_directory(dir.File("MRA_Test.PDB"));
         return dir.File("MRA_Test.PDB");
     },
     "Is a directory"},
    {"read-only folder",
     [](const TempDir& dir) {
         ::chmod(dir.Path().c_str(), 0555);
         // Permission checks do not hold the superuser back.
         return ::geteuid() == 0 ? std::string() : dir.File("MRA_Test.PDB");
     },
     "Permission denied"},
    {"full disk",
     [](const TempDir& dir) {
         std::string folder = dir.File("small");
         fs::create_directory(folder);
         if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=4k") != 0) return std::string();
         return folder + "/MRA_Test.PDB";
     },
     "No space left on device"},
};

TEST_F(WriterSaveTest, ASaveThatCannotBeMadeNamesTheFileAndTheSystemsCause) {
    BuildRichTabulon();  // larger than the small disk
    for (const Cause& c : kCauses) {
        SCOPED_TRACE(c.name);
        TempDir place;
        std::string target = c.prepare(place);
        if (target.empty()) {
            std::cout << "[  SKIPPED ] " << c.name << ": cannot be made here\n";
            continue;
        }
        EXPECT_LT(writer.Write(db, target, nullptr), 0);
        EXPECT_EQ(writer.GetErrorLines(), std::string(kFileMessage) + "\n" + target + ": " + c.cause);
        if (std::string(c.name) == "full disk") ::umount2(place.File("small").c_str(), MNT_DETACH);
    }
}

}  // namespace
