// CTbObjDB as a whole: the state of a new Tabulon, its header settings and which of them mark
// it modified, its names and files on disk, and the load-state rules of load, save and reload.
#include "model/TbObjDB.h"
#include "pdb/TbPDBReader.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kPalmEpochOffset = 2082844800u;
constexpr const char* kGenericReadError = "Invalid Tabulon: Unknown error reading Tabulon.";
constexpr TbResult kFileNotFound = static_cast<int32_t>(0x80080002u);
constexpr TbResult kRenameTargetExists = static_cast<int32_t>(0x8021010Au);

uint32_t PalmSecondsNow() { return static_cast<uint32_t>(std::time(nullptr)) + kPalmEpochOffset; }

// A Tabulon file as the library finds it in a user folder: some bytes under its file name.
std::string PutTabulonFile(const TempDir& dir, const std::string& fileName) {
    std::string path = dir.File(fileName);
    WriteBytes(path, PatternBytes(300));
    return path;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// A new Tabulon

TEST(NewDatabase, HasEightyOneSlotsWithCategoriesListAndFreeUserSlots) {
    CTbObjDB db;
    ASSERT_NE(db.Field(0), nullptr);
    EXPECT_EQ(db.Field(0)->GetType(), LIST_T);
    EXPECT_EQ(db.Field(0)->GetName(), "Categories");
    EXPECT_NE(db.Field(0)->ListProps(), nullptr);
    for (int slot = 1; slot <= 80; ++slot) {
        const CTbObjField* field = db.Field(slot);
        ASSERT_NE(field, nullptr) << slot;
        EXPECT_EQ(field->GetSlot(), slot);
        EXPECT_EQ(field->GetType(), NOTUSED_T) << slot;
        char expected[8];
        std::snprintf(expected, sizeof expected, "Fld%02d", slot);
        EXPECT_EQ(field->GetName(), expected);
    }
    EXPECT_EQ(db.Field(81), nullptr);
    EXPECT_EQ(db.Field(-1), nullptr);
    EXPECT_EQ(db.UsedFieldCount(), 1);
}

TEST(NewDatabase, HasOneTabAndNoViewsFiltersOrRecords) {
    CTbObjDB db;
    EXPECT_EQ(db.TabCount(), 1);
    EXPECT_NE(db.Tab(0), nullptr);
    EXPECT_FALSE(db.AnyTabHasRows());
    EXPECT_EQ(db.ViewCount(), 0);
    EXPECT_EQ(db.View(0), nullptr);
    EXPECT_EQ(db.FilterCount(), 0);
    EXPECT_EQ(db.Filter(0), nullptr);
    EXPECT_NE(&db.QuickFilter(), &db.ExternalFilter());
    EXPECT_EQ(db.RecordCount(), 0);
}

TEST(NewDatabase, HeaderSettingsHaveTheirDefaults) {
    uint32_t before = PalmSecondsNow();
    CTbObjDB db;
    uint32_t after = PalmSecondsNow();

    EXPECT_EQ(db.GetLoadState(), TB_LOAD_EMPTY);
    EXPECT_FALSE(db.IsModified());
    EXPECT_TRUE(db.GetPdbName().empty());
    EXPECT_TRUE(db.GetFolder().empty());
    EXPECT_EQ(db.GetPdbAttributes(), 0x0008);
    EXPECT_EQ(db.GetPdbVersion(), 0);
    EXPECT_GE(db.GetCreationDate(), before);
    EXPECT_LE(db.GetCreationDate(), after);
    EXPECT_GE(db.GetModificationDate(), before);
    EXPECT_LE(db.GetModificationDate(), after);
    EXPECT_EQ(db.GetBackupDate(), 0u);
    EXPECT_EQ(db.GetModificationNumber(), 0u);
    EXPECT_EQ(db.GetHeaderWord(), 0u);
    EXPECT_EQ(db.GetPdbRecordCount(), 0u);
    EXPECT_EQ(db.GetCurrentCategory(), 0);
    EXPECT_EQ(db.GetCurrentView(), 0);
    EXPECT_EQ(db.GetCurrentFilter(), 0);
    EXPECT_FALSE(db.GetReportAmountType());
    EXPECT_FALSE(db.GetReportGraphMode());
    EXPECT_EQ(db.GetDbVersion(), 30);
    EXPECT_EQ(db.GetDbCategory(), 0);
    EXPECT_FALSE(db.GetDoNotBackup());
    EXPECT_FALSE(db.GetReadOnly());
    EXPECT_FALSE(db.GetUseStartupScreen());
    EXPECT_EQ(db.GetCurrentMultiFilter(), 0);
    EXPECT_TRUE(db.GetIncludeInGlobalFind());
    for (int kind = 0; kind < TbPasswordKindCount; ++kind) EXPECT_TRUE(db.GetStoredPassword(kind).empty()) << kind;
    EXPECT_TRUE(db.GetLastErrorText().empty());
}

TEST(NewDatabase, ResetRestoresTheDefaultsOfAChangedDatabase) {
    CTbObjDB db;
    db.AddField("Name", TEXT_T);
    db.AddTab();
    db.AddView();
    db.AddFilter();
    db.SetDbVersion(12);
    db.SetIncludeInGlobalFind(false);
    db.SetStoredPassword(TB_PASSWORD_LOGIN, CTbObjDB::Scramble("pw"));
    db.Records().AddRecord(true);

    db.Reset();

    EXPECT_EQ(db.Field(1)->GetType(), NOTUSED_T);
    EXPECT_EQ(db.Field(1)->GetName(), "Fld01");
    EXPECT_EQ(db.Field(0)->GetName(), "Categories");
    EXPECT_EQ(db.UsedFieldCount(), 1);
    EXPECT_EQ(db.TabCount(), 1);
    EXPECT_EQ(db.ViewCount(), 0);
    EXPECT_EQ(db.FilterCount(), 0);
    EXPECT_EQ(db.RecordCount(), 0);
    EXPECT_EQ(db.GetDbVersion(), 30);
    EXPECT_TRUE(db.GetIncludeInGlobalFind());
    EXPECT_TRUE(db.GetStoredPassword(TB_PASSWORD_LOGIN).empty());
    EXPECT_FALSE(db.IsModified());
}

// ---------------------------------------------------------------------------------------------
// Header settings: what a user changes marks the Tabulon modified, the rest does not

namespace {

struct HeaderSetterCase {
    const char* name;
    std::function<void(CTbObjDB&)> set;
    std::function<bool(const CTbObjDB&)> stored;
    bool marksModified;
};

void PrintTo(const HeaderSetterCase& c, std::ostream* os) { *os << c.name; }

}  // namespace

class HeaderSetterTest : public testing::TestWithParam<HeaderSetterCase> {};

TEST_P(HeaderSetterTest, StoresTheValueAndMarksModifiedAsDocumented) {
    const HeaderSetterCase& c = GetParam();
    CTbObjDB db;
    ASSERT_FALSE(db.IsModified());
    c.set(db);
    EXPECT_TRUE(c.stored(db));
    EXPECT_EQ(db.IsModified(), c.marksModified);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, HeaderSetterTest,
    testing::Values(
        HeaderSetterCase{"CurrentCategory", [](CTbObjDB& db) { db.SetCurrentCategory(7); },
                         [](const CTbObjDB& db) { return db.GetCurrentCategory() == 7; }, true},
        HeaderSetterCase{"CurrentView", [](CTbObjDB& db) { db.SetCurrentView(3); },
                         [](const CTbObjDB& db) { return db.GetCurrentView() == 3; }, true},
        HeaderSetterCase{"CurrentFilter", [](CTbObjDB& db) { db.SetCurrentFilter(0x1234); },
                         [](const CTbObjDB& db) { return db.GetCurrentFilter() == 0x1234; }, true},
        HeaderSetterCase{"DbCategory", [](CTbObjDB& db) { db.SetDbCategory(5); },
                         [](const CTbObjDB& db) { return db.GetDbCategory() == 5; }, true},
        HeaderSetterCase{"ReadOnly", [](CTbObjDB& db) { db.SetReadOnly(true); },
                         [](const CTbObjDB& db) { return db.GetReadOnly(); }, true},
        HeaderSetterCase{"UseStartupScreen", [](CTbObjDB& db) { db.SetUseStartupScreen(true); },
                         [](const CTbObjDB& db) { return db.GetUseStartupScreen(); }, true},
        HeaderSetterCase{"CurrentMultiFilter", [](CTbObjDB& db) { db.SetCurrentMultiFilter(0xBEEF); },
                         [](const CTbObjDB& db) { return db.GetCurrentMultiFilter() == 0xBEEF; }, true},
        HeaderSetterCase{"IncludeInGlobalFind", [](CTbObjDB& db) { db.SetIncludeInGlobalFind(false); },
                         [](const CTbObjDB& db) { return !db.GetIncludeInGlobalFind(); }, true},
        HeaderSetterCase{"ReportAmountType", [](CTbObjDB& db) { db.SetReportAmountType(true); },
                         [](const CTbObjDB& db) { return db.GetReportAmountType(); }, false},
        HeaderSetterCase{"ReportGraphMode", [](CTbObjDB& db) { db.SetReportGraphMode(true); },
                         [](const CTbObjDB& db) { return db.GetReportGraphMode(); }, false},
        HeaderSetterCase{"DbVersion", [](CTbObjDB& db) { db.SetDbVersion(31); },
                         [](const CTbObjDB& db) { return db.GetDbVersion() == 31; }, false},
        HeaderSetterCase{"DoNotBackup", [](CTbObjDB& db) { db.SetDoNotBackup(true); },
                         [](const CTbObjDB& db) { return db.GetDoNotBackup(); }, false}),
    [](const testing::TestParamInfo<HeaderSetterCase>& info) { return std::string(info.param.name); });

TEST(ModifiedFlag, CanBeSetAndClearedDirectly) {
    CTbObjDB db;
    db.SetModified(true);
    EXPECT_TRUE(db.IsModified());
    db.SetModified(false);
    EXPECT_FALSE(db.IsModified());
}

// ---------------------------------------------------------------------------------------------
// Tabulon names

namespace {

struct NormalizeCase {
    std::string input;
    bool withPrefix;
    TbResult result;
    std::string normalized;  // not looked at when the result is a failure
};

void PrintTo(const NormalizeCase& c, std::ostream* os) {
    *os << '"' << c.input << "\" " << (c.withPrefix ? "with" : "without") << " prefix";
}

}  // namespace

class NormalizePdbNameTest : public testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizePdbNameTest, GivesTheNameAndWhetherItChanged) {
    const NormalizeCase& c = GetParam();
    std::string out = "untouched";
    TbResult result = CTbObjDB::NormalizePdbName(c.input, c.withPrefix, &out);
    EXPECT_EQ(result, c.result);
    if (c.result >= 0) {
        EXPECT_EQ(out, c.normalized);
    }
}

INSTANTIATE_TEST_SUITE_P(
    WithPrefix, NormalizePdbNameTest,
    testing::Values(NormalizeCase{"Shopping", true, TB_S_CHANGED, "MRA_Shopping"},
                    NormalizeCase{"MRA_Shopping", true, TB_S_OK, "MRA_Shopping"},
                    // The prefix is matched with its letter case.
                    NormalizeCase{"mra_Shopping", true, TB_S_CHANGED, "MRA_mra_Shopping"},
                    NormalizeCase{"MRA", true, TB_S_CHANGED, "MRA_MRA"},
                    NormalizeCase{"A", true, TB_S_CHANGED, "MRA_A"},
                    NormalizeCase{"MRA_A", true, TB_S_OK, "MRA_A"},
                    NormalizeCase{"MRA_", true, TB_E_FAIL, ""},
                    NormalizeCase{"", true, TB_E_FAIL, ""},
                    NormalizeCase{std::string(40, 'x'), true, TB_S_CHANGED, "MRA_" + std::string(27, 'x')},
                    NormalizeCase{"MRA_" + std::string(30, 'y'), true, TB_S_CHANGED, "MRA_" + std::string(27, 'y')},
                    NormalizeCase{"MRA_" + std::string(27, 'y'), true, TB_S_OK, "MRA_" + std::string(27, 'y')},
                    NormalizeCase{"MRA_Home/Work", true, TB_S_CHANGED, "MRA_Home_Work"},
                    NormalizeCase{"a/b", true, TB_S_CHANGED, "MRA_a_b"},
                    NormalizeCase{"MRA_a\\b:c*d?e\"f<g>h|i/j", true, TB_S_CHANGED, "MRA_a_b_c_d_e_f_g_h_i_j"},
                    NormalizeCase{"MRA_Name with spaces.-+", true, TB_S_OK, "MRA_Name with spaces.-+"}));

INSTANTIATE_TEST_SUITE_P(WithoutPrefix, NormalizePdbNameTest,
                         testing::Values(NormalizeCase{"Shopping", false, TB_S_OK, "Shopping"},
                                         NormalizeCase{"A", false, TB_S_OK, "A"},
                                         NormalizeCase{"MRA_", false, TB_S_OK, "MRA_"},
                                         NormalizeCase{"", false, TB_E_FAIL, ""},
                                         NormalizeCase{std::string(28, 'z'), false, TB_S_CHANGED, std::string(27, 'z')},
                                         NormalizeCase{std::string(27, 'z'), false, TB_S_OK, std::string(27, 'z')},
                                         NormalizeCase{"a|b", false, TB_S_CHANGED, "a_b"}));

namespace {

struct FileNameCase {
    std::string pdbName;
    std::string fileName;
};

}  // namespace

class FileNameFromPdbNameTest : public testing::TestWithParam<FileNameCase> {};

TEST_P(FileNameFromPdbNameTest, ReplacesForbiddenCharactersAndAddsExtension) {
    CTbObjDB db;
    db.SetPdbName(GetParam().pdbName);
    EXPECT_EQ(db.FileName(), GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(Names, FileNameFromPdbNameTest,
                         testing::Values(FileNameCase{"MRA_Shopping", "MRA_Shopping.PDB"},
                                         FileNameCase{"MRA_My List", "MRA_My List.PDB"},
                                         FileNameCase{"MRA_a/b:c", "MRA_a_b_c.PDB"},
                                         FileNameCase{"MRA_\\/:*?\"<>|", "MRA_" + std::string(9, '_') + ".PDB"}));

class PdbNameFromFileNameTest : public testing::TestWithParam<FileNameCase> {};

TEST_P(PdbNameFromFileNameTest, DropsExtensionAndTurnsUnderscoresIntoSpaces) {
    EXPECT_EQ(CTbObjDB::PdbNameFromFileName(GetParam().fileName), GetParam().pdbName);
}

INSTANTIATE_TEST_SUITE_P(Names, PdbNameFromFileNameTest,
                         testing::Values(FileNameCase{"MRA_My List", "MRA_My_List.PDB"},
                                         FileNameCase{"MRA_A B C", "MRA_A_B_C.PDB"},
                                         FileNameCase{"MRA_Plain", "MRA_Plain.PDB"},
                                         FileNameCase{"MRA_ lead", "MRA__lead.pdb"}));

TEST(DatabaseNames, DisplayNameIsThePdbNameWithoutPrefix) {
    CTbObjDB db;
    db.SetPdbName("MRA_My List");
    EXPECT_EQ(db.DisplayName(), "My List");
}

TEST(DatabaseNames, FileNameIsKeptUntilTheFolderIsSetAgain) {
    TempDir dir;
    CTbObjDB db;
    db.SetPdbName("MRA_First");
    EXPECT_EQ(db.FileName(), "MRA_First.PDB");
    db.SetPdbName("MRA_Second");
    EXPECT_EQ(db.FileName(), "MRA_First.PDB");
    db.SetLocation(dir.Path().string(), false);
    EXPECT_EQ(db.FileName(), "MRA_Second.PDB");
}

// ---------------------------------------------------------------------------------------------
// Location and full path ("/" ends the folder where the Windows program used a backslash)

TEST(DatabaseLocation, FolderGetsATrailingSlash) {
    TempDir dir;
    CTbObjDB db;
    db.SetPdbName("MRA_Notes");
    db.SetLocation(dir.Path().string(), false);
    EXPECT_EQ(db.GetFolder(), dir.Path().string() + "/");
    EXPECT_EQ(db.FullPath(), dir.File("MRA_Notes.PDB"));
}

TEST(DatabaseLocation, FolderWithTrailingSlashIsKeptAsIs) {
    TempDir dir;
    CTbObjDB db;
    db.SetPdbName("MRA_Notes");
    db.SetLocation(dir.Path().string() + "/", false);
    EXPECT_EQ(db.GetFolder(), dir.Path().string() + "/");
    EXPECT_EQ(db.FullPath(), dir.File("MRA_Notes.PDB"));
}

TEST(DatabaseLocation, FullPathIsSplitAndNamesThePdbWhenItHasNone) {
    TempDir dir;
    std::string path = PutTabulonFile(dir, "MRA_Home_Budget.PDB");
    CTbObjDB db;
    db.SetLocation(path, true);
    EXPECT_EQ(db.GetFolder(), dir.Path().string() + "/");
    EXPECT_EQ(db.FileName(), "MRA_Home_Budget.PDB");
    EXPECT_EQ(db.FullPath(), path);
    EXPECT_EQ(db.GetPdbName(), "MRA_Home Budget");
    EXPECT_EQ(db.DisplayName(), "Home Budget");
}

TEST(DatabaseLocation, FullPathKeepsAnExistingPdbName) {
    TempDir dir;
    std::string path = PutTabulonFile(dir, "MRA_Home_Budget.PDB");
    CTbObjDB db;
    db.SetPdbName("MRA_Home_Budget");
    db.SetLocation(path, true);
    EXPECT_EQ(db.GetPdbName(), "MRA_Home_Budget");
    EXPECT_EQ(db.FullPath(), path);
}

// ---------------------------------------------------------------------------------------------
// Files on disk: rename and delete

TEST(DatabaseFiles, RenameMovesTheFileToTheNewName) {
    TempDir dir;
    std::string oldPath = PutTabulonFile(dir, "MRA_Old_Name.PDB");
    CTbObjDB db;
    db.SetLocation(oldPath, true);

    EXPECT_EQ(db.Rename("New Name"), TB_S_OK);

    EXPECT_EQ(db.GetPdbName(), "MRA_New Name");
    EXPECT_EQ(db.FileName(), "MRA_New Name.PDB");
    EXPECT_EQ(db.FullPath(), dir.File("MRA_New Name.PDB"));
    EXPECT_FALSE(fs::exists(oldPath));
    ASSERT_TRUE(fs::exists(dir.File("MRA_New Name.PDB")));
    EXPECT_EQ(ReadBytes(dir.File("MRA_New Name.PDB")), PatternBytes(300));
}

TEST(DatabaseFiles, RenameNormalisesTheNewName) {
    TempDir dir;
    std::string oldPath = PutTabulonFile(dir, "MRA_Old.PDB");
    CTbObjDB db;
    db.SetLocation(oldPath, true);

    EXPECT_EQ(db.Rename("Home/Work: " + std::string(40, 'w')), TB_S_OK);

    std::string expected = "MRA_Home_Work_ " + std::string(16, 'w');
    EXPECT_EQ(db.GetPdbName(), expected);
    EXPECT_TRUE(fs::exists(dir.File(expected + ".PDB")));
    EXPECT_FALSE(fs::exists(oldPath));
}

TEST(DatabaseFiles, RenameOfAMissingFileReturnsTheFileErrorAndKeepsTheName) {
    TempDir dir;
    CTbObjDB db;
    db.SetLocation(dir.File("MRA_Gone.PDB"), true);

    EXPECT_EQ(db.Rename("Other"), kFileNotFound);

    EXPECT_EQ(db.GetPdbName(), "MRA_Gone");
    EXPECT_EQ(db.FullPath(), dir.File("MRA_Gone.PDB"));
    EXPECT_FALSE(fs::exists(dir.File("MRA_Other.PDB")));
}

TEST(DatabaseFiles, RenameOntoAnExistingTabulonFailsAndLeavesBothFiles) {
    TempDir dir;
    std::string oldPath = PutTabulonFile(dir, "MRA_Mine.PDB");
    std::string otherPath = dir.File("MRA_Taken.PDB");
    WriteBytes(otherPath, {1, 2, 3});
    CTbObjDB db;
    db.SetLocation(oldPath, true);

    EXPECT_EQ(db.Rename("Taken"), kRenameTargetExists);

    EXPECT_EQ(db.GetPdbName(), "MRA_Mine");
    EXPECT_EQ(db.FullPath(), oldPath);
    EXPECT_EQ(ReadBytes(oldPath), PatternBytes(300));
    EXPECT_EQ(ReadBytes(otherPath), (std::vector<uint8_t>{1, 2, 3}));
}

TEST(DatabaseFiles, RenameToANameTooShortFailsWithoutTouchingTheFile) {
    TempDir dir;
    std::string oldPath = PutTabulonFile(dir, "MRA_Mine.PDB");
    CTbObjDB db;
    db.SetLocation(oldPath, true);

    EXPECT_EQ(db.Rename(""), TB_E_FAIL);
    EXPECT_EQ(db.Rename("MRA_"), TB_E_FAIL);

    EXPECT_EQ(db.GetPdbName(), "MRA_Mine");
    EXPECT_TRUE(fs::exists(oldPath));
}

TEST(DatabaseFiles, DeleteFileRemovesTheTabulonFile) {
    TempDir dir;
    std::string path = PutTabulonFile(dir, "MRA_Doomed.PDB");
    std::string neighbour = PutTabulonFile(dir, "MRA_Neighbour.PDB");
    CTbObjDB db;
    db.SetLocation(path, true);

    EXPECT_EQ(db.DeleteFile(), TB_S_OK);

    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(fs::exists(neighbour));
}

TEST(DatabaseFiles, DeleteFileOfAMissingFileReturnsTheFileError) {
    TempDir dir;
    CTbObjDB db;
    db.SetLocation(dir.File("MRA_Never.PDB"), true);
    EXPECT_EQ(db.DeleteFile(), kFileNotFound);
    // The process-wide file error is not left behind for the next operation.
    std::string path = PutTabulonFile(dir, "MRA_Never.PDB");
    EXPECT_EQ(db.DeleteFile(), TB_S_OK);
    EXPECT_FALSE(fs::exists(path));
}

// ---------------------------------------------------------------------------------------------
// Load, save and reload by load state

namespace {

void PutIntoState(CTbObjDB& db, TbLoadState state) { db.SetLoadState(state); }

}  // namespace

class LoadByStateTest : public testing::TestWithParam<TbLoadState> {};

TEST_P(LoadByStateTest, IsRefusedOutsideStatesZeroAndOne) {
    TempDir dir;
    CTbObjDB db;
    db.SetLocation(dir.File("MRA_Any.PDB"), true);
    db.AddField("Kept", TEXT_T);
    db.SetModified(false);
    PutIntoState(db, GetParam());

    EXPECT_EQ(db.Load(false), TB_E_FAIL);
    EXPECT_EQ(db.Load(true), TB_E_FAIL);

    EXPECT_EQ(db.GetLoadState(), GetParam());
    EXPECT_EQ(db.Field(1)->GetName(), "Kept");
    EXPECT_FALSE(db.IsModified());
}

INSTANTIATE_TEST_SUITE_P(States, LoadByStateTest,
                         testing::Values(TB_LOAD_FULL, TB_LOAD_NEW, TB_LOAD_FAILED, TB_LOAD_SAVE_FAILED));

namespace {

struct FailedLoadCase {
    TbLoadState from;
    bool headerOnly;
};

void PrintTo(const FailedLoadCase& c, std::ostream* os) {
    *os << "state " << c.from << (c.headerOnly ? " header only" : " full");
}

}  // namespace

class FailedLoadTest : public testing::TestWithParam<FailedLoadCase> {};

TEST_P(FailedLoadTest, LeavesStateMinusOneWithAnErrorText) {
    TempDir dir;
    CTbObjDB db;
    db.SetLocation(dir.File("MRA_Missing.PDB"), true);
    PutIntoState(db, GetParam().from);
    ASSERT_TRUE(db.GetLastErrorText().empty());

    TbResult result = db.Load(GetParam().headerOnly);

    EXPECT_LT(result, 0);
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_FAILED);
    std::string readerText = db.Reader().GetErrorText();
    EXPECT_EQ(db.GetLastErrorText(), readerText.empty() ? std::string(kGenericReadError) : readerText);
}

INSTANTIATE_TEST_SUITE_P(States, FailedLoadTest,
                         testing::Values(FailedLoadCase{TB_LOAD_EMPTY, true}, FailedLoadCase{TB_LOAD_EMPTY, false},
                                         FailedLoadCase{TB_LOAD_HEADER, false}, FailedLoadCase{TB_LOAD_HEADER, true}));

TEST(DatabaseLoad, CreatedTabulonLoadsHeaderFirstThenInFull) {
    TempDir dir;
    {
        CTbObjDB created;
        created.AddField("Name", TEXT_T);
        created.AddField("Phone", TEXT_T);
        for (int i = 0; i < 5; ++i) created.Records().AddRecord(true)->Value(1)->SetText("n" + std::to_string(i));
        ASSERT_EQ(created.CreateNew("Contacts", 2, dir.Path().string()), TB_S_OK);
        EXPECT_EQ(created.GetLoadState(), TB_LOAD_FULL);
        EXPECT_TRUE(fs::exists(dir.File("MRA_Contacts.PDB")));
        // Saving again from state 2 keeps state 2.
        EXPECT_EQ(created.Save(), TB_S_OK);
        EXPECT_EQ(created.GetLoadState(), TB_LOAD_FULL);
    }

    CTbObjDB db;
    db.SetLocation(dir.File("MRA_Contacts.PDB"), true);
    ASSERT_EQ(db.Load(true), TB_S_OK);
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_HEADER);
    EXPECT_EQ(db.RecordCount(), 5);
    EXPECT_TRUE(db.GetLastErrorText().empty());

    ASSERT_EQ(db.Load(false), TB_S_OK);
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_FULL);
    EXPECT_EQ(db.RecordCount(), 5);
    EXPECT_EQ(db.FindField("Phone", TEXT_T), 2);
    EXPECT_EQ(db.GetDbCategory(), 2);
    EXPECT_FALSE(db.IsModified());

    // A second load of a fully read Tabulon is refused; a reload reads it again.
    EXPECT_EQ(db.Load(false), TB_E_FAIL);
    db.AddField("Unsaved", DATE_T);
    EXPECT_EQ(db.Reload(), TB_S_OK);
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_FULL);
    EXPECT_EQ(db.FindField("Unsaved", DATE_T), TB_E_FIELD_NOT_FOUND);
    EXPECT_EQ(db.RecordCount(), 5);
    EXPECT_FALSE(db.IsModified());
}

TEST(DatabaseLoad, ErrorTextIsEmptyUnlessTheLastReadFailed) {
    CTbObjDB db;
    for (TbLoadState state : {TB_LOAD_EMPTY, TB_LOAD_HEADER, TB_LOAD_FULL, TB_LOAD_NEW, TB_LOAD_SAVE_FAILED}) {
        db.SetLoadState(state);
        EXPECT_TRUE(db.GetLastErrorText().empty()) << state;
    }
}

class SaveRefusedTest : public testing::TestWithParam<TbLoadState> {};

TEST_P(SaveRefusedTest, DoesNothingOutsideStatesTwoAndThree) {
    TempDir dir;
    CTbObjDB db;
    db.SetPdbName("MRA_Unsaved");
    db.SetLocation(dir.Path().string(), false);
    PutIntoState(db, GetParam());

    EXPECT_EQ(db.Save(), TB_E_FAIL);

    EXPECT_EQ(db.GetLoadState(), GetParam());
    EXPECT_TRUE(fs::is_empty(dir.Path()));
}

INSTANTIATE_TEST_SUITE_P(States, SaveRefusedTest,
                         testing::Values(TB_LOAD_EMPTY, TB_LOAD_HEADER, TB_LOAD_FAILED, TB_LOAD_SAVE_FAILED));

class SaveFailureTest : public testing::TestWithParam<TbLoadState> {};

TEST_P(SaveFailureTest, IntoAMissingFolderLeavesStateMinusTwo) {
    TempDir dir;
    CTbObjDB db;
    db.SetPdbName("MRA_Lost");
    db.SetLocation(dir.File("no-such-folder"), false);
    PutIntoState(db, GetParam());

    EXPECT_LT(db.Save(), 0);

    EXPECT_EQ(db.GetLoadState(), TB_LOAD_SAVE_FAILED);
    EXPECT_FALSE(fs::exists(dir.File("no-such-folder")));
    EXPECT_TRUE(db.GetLastErrorText().empty());
}

INSTANTIATE_TEST_SUITE_P(States, SaveFailureTest, testing::Values(TB_LOAD_FULL, TB_LOAD_NEW));

TEST(DatabaseReload, IsRefusedWhenNothingWasLoaded) {
    for (TbLoadState state : {TB_LOAD_EMPTY, TB_LOAD_FAILED, TB_LOAD_SAVE_FAILED}) {
        CTbObjDB db;
        db.AddField("Kept", TEXT_T);
        db.SetLoadState(state);
        EXPECT_EQ(db.Reload(), TB_E_FAIL) << state;
        EXPECT_EQ(db.GetLoadState(), state);
        EXPECT_EQ(db.Field(1)->GetName(), "Kept");
        EXPECT_TRUE(db.IsModified());
    }
}

TEST(DatabaseReload, StartsAgainFromTheFileAndClearsModified) {
    TempDir dir;
    std::string path = dir.File("MRA_Reloaded.PDB");
    CTbObjDB db;
    db.SetLocation(path, true);
    db.SetLoadState(TB_LOAD_FULL);
    db.AddField("Dropped", TEXT_T);
    db.AddView();
    db.Records().AddRecord(true);
    ASSERT_TRUE(db.IsModified());

    TbResult result = db.Reload();

    // There is no file to read: the design is gone and the read failed.
    EXPECT_LT(result, 0);
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_FAILED);
    EXPECT_FALSE(db.IsModified());
    EXPECT_EQ(db.Field(1)->GetType(), NOTUSED_T);
    EXPECT_EQ(db.ViewCount(), 0);
    EXPECT_EQ(db.Records().Count(true), 0);
    EXPECT_EQ(db.FullPath(), path);
    EXPECT_FALSE(db.GetLastErrorText().empty());
}

// ---------------------------------------------------------------------------------------------
// Creating a new Tabulon

TEST(DatabaseCreateNew, SetsNameLocationCategoryAndFirstViewThenSaves) {
    TempDir dir;
    std::string folder = dir.File("not-there");
    CTbObjDB db;

    TbResult result = db.CreateNew("Trip/Plans", 4, folder);

    EXPECT_EQ(db.GetPdbName(), "MRA_Trip_Plans");
    EXPECT_EQ(db.GetFolder(), folder + "/");
    EXPECT_EQ(db.FullPath(), folder + "/MRA_Trip_Plans.PDB");
    EXPECT_EQ(db.GetDbCategory(), 4);
    ASSERT_EQ(db.ViewCount(), 1);
    const CTbObjView* view = db.View(0);
    EXPECT_EQ(view->GetName(), "View01");
    ASSERT_EQ(view->ColumnCount(), 2);
    EXPECT_EQ(view->Column(0)->GetField(), 1);
    EXPECT_EQ(view->Column(1)->GetField(), 2);
    // The folder does not exist, so the save that ends the creation fails.
    EXPECT_LT(result, 0);
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_SAVE_FAILED);
}

TEST(DatabaseCreateNew, RefusesANameTooShort) {
    TempDir dir;
    CTbObjDB db;
    EXPECT_EQ(db.CreateNew("", 0, dir.Path().string()), TB_E_FAIL);
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_EMPTY);
    EXPECT_EQ(db.ViewCount(), 0);
    EXPECT_TRUE(fs::is_empty(dir.Path()));
}

// ---------------------------------------------------------------------------------------------
// Record count

namespace {

struct HeaderCountCase {
    uint32_t headerCount;
    int records;
};

}  // namespace

class HeaderOnlyRecordCountTest : public testing::TestWithParam<HeaderCountCase> {};

TEST_P(HeaderOnlyRecordCountTest, IsTheHeaderCountLessTheDesignRecords) {
    CTbObjDB db;
    db.SetLoadState(TB_LOAD_HEADER);
    db.SetPdbRecordCount(GetParam().headerCount);
    EXPECT_EQ(db.RecordCount(), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(Counts, HeaderOnlyRecordCountTest,
                         testing::Values(HeaderCountCase{87, 0}, HeaderCountCase{88, 1}, HeaderCountCase{87 + 25, 25},
                                         HeaderCountCase{87 + 65448, 65448}));

TEST(DatabaseRecordCount, OutsideHeaderOnlyStateCountsTheRecordsHeld) {
    CTbObjDB db;
    db.AddField("Name", TEXT_T);
    db.SetPdbRecordCount(200);
    for (int i = 0; i < 3; ++i) db.Records().AddRecord(true);
    for (TbLoadState state : {TB_LOAD_EMPTY, TB_LOAD_FULL, TB_LOAD_NEW}) {
        db.SetLoadState(state);
        EXPECT_EQ(db.RecordCount(), 3) << state;
    }
}

TEST(DatabaseRecordCount, DeleteAllRecordsEmptiesTheListAndMarksModified) {
    CTbObjDB db;
    db.AddField("Name", TEXT_T);
    for (int i = 0; i < 4; ++i) db.Records().AddRecord(true);
    db.Records().ApplyFilter(0, -1);
    db.SetModified(false);

    db.DeleteAllRecords();

    EXPECT_EQ(db.RecordCount(), 0);
    EXPECT_EQ(db.Records().Count(), 0);
    EXPECT_FALSE(db.Records().IsSubsetActive());
    EXPECT_TRUE(db.IsModified());
}
