// CTbObjDB as a whole: the state of a new or reset Tabulon, which header settings mark it modified,
// its names and files on disk, the load-state rules of load, save, reload and create, and the
// database passwords: the scrambled form the handheld stores, and who is let in by what they typed.
#include "ModelTestSupport.h"
#include "pdb/TbPDBReader.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr TbResult kFileNotFound = static_cast<int32_t>(0x80080002u);
constexpr TbResult kRenameTargetExists = static_cast<int32_t>(0x8021010Au);

// A Tabulon file as the library finds it in a user folder: some bytes under its file name.
std::string PutTabulonFile(const TempDir& dir, const std::string& fileName) {
    WriteBytes(dir.File(fileName), PatternBytes(300));
    return dir.File(fileName);
}

void ExpectNewState(const CTbObjDB& db) {
    EXPECT_EQ(db.Field(0)->GetName() + db.Field(1)->GetName() + db.Field(80)->GetName(),
              "CategoriesFld01Fld80");
    EXPECT_EQ(db.Field(81), nullptr);
    EXPECT_EQ((std::vector<int>{db.UsedFieldCount(), db.TabCount(), db.ViewCount(), db.FilterCount(),
                                db.RecordCount()}),
              (std::vector<int>{1, 1, 0, 0, 0}));
    EXPECT_EQ(
        std::tuple(db.GetPdbAttributes(), db.GetDbVersion(), db.GetIncludeInGlobalFind(), db.IsModified()),
        std::tuple(0x0008, 30, true, false));
    EXPECT_TRUE(db.GetStoredPassword(TB_PASSWORD_LOGIN).empty());
}

}  // namespace

TEST(NewDatabase, HasTheDefaultsAndResetRestoresThem) {
    uint32_t before = static_cast<uint32_t>(std::time(nullptr)) + 2082844800u;  // seconds since 1904
    CTbObjDB db;
    ExpectNewState(db);
    EXPECT_EQ(db.Field(0)->GetType(), LIST_T);
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_EMPTY);
    EXPECT_GE(db.GetCreationDate(), before);
    EXPECT_LE(db.GetModificationDate(), before + 2);
    db.AddField("Name", TEXT_T);
    db.AddTab();
    db.AddView();
    db.SetDbVersion(12);
    db.SetIncludeInGlobalFind(false);
    db.SetStoredPassword(TB_PASSWORD_LOGIN, CTbObjDB::Scramble("pw"));
    db.Records().AddRecord(true);
    db.Reset();
    ExpectNewState(db);
}

TEST(HeaderSettings, WhatAUserChangesMarksModifiedTheFilesBookkeepingDoesNot) {
    struct Case {
        const char* name;
        void (*set)(CTbObjDB&);
        bool marks;
    };
    const Case cases[] = {{"current category", [](CTbObjDB& d) { d.SetCurrentCategory(7); }, true},
                          {"read-only", [](CTbObjDB& d) { d.SetReadOnly(true); }, true},
                          {"form tab row", [](CTbObjDB& d) { d.SetFormTabRow(2); }, true},
                          {"design version", [](CTbObjDB& d) { d.SetDbVersion(31); }, false},
                          {"do not back up", [](CTbObjDB& d) { d.SetDoNotBackup(true); }, false},
                          {"unique ID seed", [](CTbObjDB& d) { d.SetUniqueIdSeed(5); }, false}};
    for (const Case& c : cases) {
        CTbObjDB db;
        c.set(db);
        EXPECT_EQ(db.IsModified(), c.marks) << c.name;
    }
}

TEST(DatabaseNames, NormalizeGivesTheNameAndWhetherItChanged) {
    struct Case {
        std::string input;
        bool withPrefix;
        TbResult result;
        std::string normalized;
    };
    const Case cases[] = {{"Shopping", true, TB_S_CHANGED, "MRA_Shopping"},
                          {"MRA_Shopping", true, TB_S_OK, "MRA_Shopping"},
                          {"mra_A", true, TB_S_CHANGED, "MRA_mra_A"},  // the prefix is matched with its case
                          {"MRA_", true, TB_E_FAIL, ""},
                          {"", true, TB_E_FAIL, ""},
                          {std::string(40, 'x'), true, TB_S_CHANGED, "MRA_" + std::string(27, 'x')},
                          {"MRA_" + std::string(27, 'y'), true, TB_S_OK, "MRA_" + std::string(27, 'y')},
                          {"MRA_a\\b:c*d?e\"f<g>h|i/j", true, TB_S_CHANGED, "MRA_a_b_c_d_e_f_g_h_i_j"},
                          {"MRA_", false, TB_S_OK, "MRA_"},
                          {"", false, TB_E_FAIL, ""},
                          {std::string(28, 'z'), false, TB_S_CHANGED, std::string(27, 'z')},
                          {std::string(27, 'z'), false, TB_S_OK, std::string(27, 'z')}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input + (c.withPrefix ? " with prefix" : " without prefix"));
        std::string out;
        EXPECT_EQ(CTbObjDB::NormalizePdbName(c.input, c.withPrefix, &out), c.result);
        EXPECT_EQ(c.result >= 0 ? out : "", c.normalized);
    }
}

TEST(DatabaseNames, FileNamesFolderAndPdbNameConvertBothWays) {
    TempDir dir;
    CTbObjDB db;
    db.SetPdbName("MRA_a/b: c");
    EXPECT_TRUE(db.IsModified());
    EXPECT_EQ(db.FileName(), "MRA_a_b_ c.PDB");
    EXPECT_EQ(db.DisplayName(), "a/b: c");
    db.SetPdbName("MRA_Second");
    EXPECT_EQ(db.FileName(), "MRA_a_b_ c.PDB");  // kept until the folder is set again
    for (const std::string& folder : {dir.Path().string(), dir.Path().string() + "/"}) {
        db.SetLocation(folder, false);
        EXPECT_EQ(db.FullPath(), dir.File("MRA_Second.PDB"));
    }
    std::string path = PutTabulonFile(dir, "MRA_Home_Budget.PDB");
    db.SetLocation(path, true);
    EXPECT_EQ(db.FullPath(), path);
    EXPECT_EQ(db.GetPdbName(), "MRA_Second");  // a full path names only a Tabulon without a name
    CTbObjDB unnamed;
    unnamed.SetLocation(path, true);
    EXPECT_EQ(unnamed.GetFolder(), dir.Path().string() + "/");
    EXPECT_EQ(unnamed.GetPdbName(), "MRA_Home Budget");
}

TEST(DatabaseFiles, RenameMovesTheFileUnderTheNormalisedNameOrFailsLeavingEverything) {
    TempDir dir;
    std::string taken = PutTabulonFile(dir, "MRA_Taken.PDB");
    CTbObjDB db;
    db.SetLocation(PutTabulonFile(dir, "MRA_Old.PDB"), true);
    EXPECT_EQ(db.Rename("Taken"), kRenameTargetExists);
    EXPECT_EQ(db.Rename("MRA_"), TB_E_FAIL);
    EXPECT_EQ(db.GetPdbName(), "MRA_Old");
    EXPECT_FALSE(db.IsModified());

    EXPECT_EQ(db.Rename("Home/Work: " + std::string(40, 'w')), TB_S_OK);
    std::string expected = "MRA_Home_Work_ " + std::string(16, 'w');
    EXPECT_EQ(db.GetPdbName(), expected);
    EXPECT_EQ(db.FullPath(), dir.File(expected + ".PDB"));
    EXPECT_TRUE(db.IsModified());
    EXPECT_FALSE(fs::exists(dir.File("MRA_Old.PDB")));
    EXPECT_EQ(ReadBytes(db.FullPath()), PatternBytes(300));
    EXPECT_TRUE(fs::exists(taken));

    CTbObjDB gone;
    gone.SetLocation(dir.File("MRA_Gone.PDB"), true);
    EXPECT_EQ(gone.Rename("Other"), kFileNotFound);
    EXPECT_EQ(gone.FullPath(), dir.File("MRA_Gone.PDB"));
}

TEST(DatabaseFiles, DeleteFileRemovesOnlyTheTabulonFileAndReportsAMissingOne) {
    TempDir dir;
    std::string neighbour = PutTabulonFile(dir, "MRA_Neighbour.PDB");
    CTbObjDB db;
    db.SetLocation(dir.File("MRA_Doomed.PDB"), true);
    EXPECT_EQ(db.DeleteFile(), kFileNotFound);
    PutTabulonFile(dir, "MRA_Doomed.PDB");
    EXPECT_EQ(db.DeleteFile(), TB_S_OK);  // the earlier file error is not left behind
    EXPECT_FALSE(fs::exists(db.FullPath()));
    EXPECT_TRUE(fs::exists(neighbour));
}

TEST(DatabaseLoad, IsRefusedOutsideStatesEmptyAndHeaderAndAFailedReadGivesAnErrorText) {
    TempDir dir;
    for (TbLoadState state : {TB_LOAD_FULL, TB_LOAD_NEW, TB_LOAD_FAILED, TB_LOAD_SAVE_FAILED}) {
        CTbObjDB db;
        db.SetLocation(PutTabulonFile(dir, "MRA_Any.PDB"), true);
        db.SetLoadState(state);
        EXPECT_EQ(db.Load(false), TB_E_FAIL) << state;
        EXPECT_EQ(db.Load(true), TB_E_FAIL) << state;
        EXPECT_EQ(db.GetLoadState(), state);
    }
    for (TbLoadState from : {TB_LOAD_EMPTY, TB_LOAD_HEADER}) {
        CTbObjDB db;
        db.SetLocation(dir.File("MRA_Missing.PDB"), true);
        db.SetLoadState(from);
        EXPECT_TRUE(db.GetLastErrorText().empty());
        EXPECT_LT(db.Load(from == TB_LOAD_EMPTY), 0);
        EXPECT_EQ(db.GetLoadState(), TB_LOAD_FAILED);
        std::string readerText = db.Reader().GetErrorText();
        EXPECT_EQ(db.GetLastErrorText(),
                  readerText.empty() ? "Invalid Tabulon: Unknown error reading Tabulon." : readerText);
    }
}

TEST(DatabaseLoad, ACreatedTabulonLoadsHeaderFirstThenInFullAndReloads) {
    TempDir dir;
    {
        CTbObjDB created;
        created.AddField("Name", TEXT_T);
        created.AddField("Phone", TEXT_T);
        for (int i = 0; i < 5; ++i) created.Records().AddRecord(true);
        EXPECT_EQ(created.CreateNew("", 2, dir.Path().string()), TB_E_FAIL);
        EXPECT_EQ(created.ViewCount(), 0);
        ASSERT_EQ(created.CreateNew("Contacts", 2, dir.Path().string()), TB_S_OK);
        EXPECT_EQ(created.GetLoadState(), TB_LOAD_FULL);
        ASSERT_EQ(created.View(0)->ColumnCount(), 2);  // a first view showing fields 1 and 2
        EXPECT_EQ(created.View(0)->Column(1)->GetField(), 2);
    }
    CTbObjDB db;
    db.SetLocation(dir.File("MRA_Contacts.PDB"), true);
    ASSERT_EQ(db.Load(true), TB_S_OK);
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_HEADER);
    EXPECT_EQ(db.RecordCount(), 5);
    ASSERT_EQ(db.Load(false), TB_S_OK);
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_FULL);
    EXPECT_EQ(db.FindField("Phone", TEXT_T), 2);
    EXPECT_EQ(db.GetDbCategory(), 2);
    db.AddField("Unsaved", DATE_T);
    EXPECT_EQ(db.Reload(), TB_S_OK);
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_FULL);
    EXPECT_EQ(db.FindField("Unsaved", DATE_T), TB_E_FIELD_NOT_FOUND);
    EXPECT_EQ(db.RecordCount(), 5);
    EXPECT_FALSE(db.IsModified());
}

TEST(DatabaseSave, IsRefusedOutsideStatesFullAndNewAndAFailedWriteLeavesSaveFailed) {
    TempDir dir;
    for (TbLoadState state : {TB_LOAD_EMPTY, TB_LOAD_HEADER, TB_LOAD_FAILED, TB_LOAD_SAVE_FAILED}) {
        CTbObjDB db;
        db.SetLocation(dir.File("MRA_Unsaved.PDB"), true);
        db.SetLoadState(state);
        EXPECT_EQ(db.Save(), TB_E_FAIL) << state;
        EXPECT_EQ(db.GetLoadState(), state);
        if (state == TB_LOAD_HEADER) continue;
        db.AddField("Kept", TEXT_T);
        EXPECT_EQ(db.Reload(), TB_E_FAIL) << state;  // nothing was loaded to read again
        EXPECT_EQ(db.FindField("Kept", TEXT_T), 1);
    }
    EXPECT_TRUE(fs::is_empty(dir.Path()));
    for (TbLoadState state : {TB_LOAD_FULL, TB_LOAD_NEW}) {
        CTbObjDB db;
        db.SetLocation(dir.File("missing/MRA_Lost.PDB"), true);
        db.SetLoadState(state);
        EXPECT_LT(db.Save(), 0) << state;
        EXPECT_EQ(db.GetLoadState(), TB_LOAD_SAVE_FAILED);
    }
}

TEST(DatabaseRecordCount, AfterAHeaderReadIsTheHeaderCountLessTheDesignRecords) {
    CTbObjDB db;
    db.AddField("Name", TEXT_T);
    for (int i = 0; i < 3; ++i) db.Records().AddRecord(true);
    db.SetLoadState(TB_LOAD_HEADER);
    for (auto [header, records] : {std::pair{0u, 0}, {87u, 0}, {88u, 1}, {87u + 65448u, 65448}}) {
        db.SetPdbRecordCount(header);
        EXPECT_EQ(db.RecordCount(), records) << header;
    }
    db.SetLoadState(TB_LOAD_FULL);
    EXPECT_EQ(db.RecordCount(), 3);
    db.Records().ApplyFilter(0, -1);
    db.SetModified(false);
    db.DeleteAllRecords();
    EXPECT_EQ(db.RecordCount(), 0);
    EXPECT_FALSE(db.Records().IsSubsetActive());
    EXPECT_TRUE(db.IsModified());
}

TEST(Password, ScrambleShiftsXorsAndTerminatesPasswordsShorterThanTen) {
    // 'a' 0x61 + 0x2B = 0x8C, xor 0xA5 = 0x29; 'b' gives 0x28; 0xE0 + 0x2B wraps to 0x0B, xor 0xA5 = 0xAE.
    EXPECT_EQ(CTbObjDB::Scramble(""), "\xA5");
    EXPECT_EQ(CTbObjDB::Scramble("ab\xE0"), "\x29\x28\xAE\xA5");
    EXPECT_EQ(CTbObjDB::Scramble("aaaaaaaaa"), std::string(9, '\x29') + "\xA5");
    EXPECT_EQ(CTbObjDB::Scramble("aaaaaaaaab"),
              std::string(9, '\x29') + "\x28");  // ten fill it: no terminator
    EXPECT_EQ(CTbObjDB::Scramble("aaaaaaaaaab"), std::string(10, '\x29') + "\x28");
}

TEST(Password, OnlyTheExactPasswordIsGrantedComparingTenCharactersAtMost) {
    struct Case {
        const char* stored;  // plain text of the stored password
        const char* entered;
        bool granted;
    };
    for (const Case& c :
         {Case{"ab", "ab", true}, Case{"ab", "a", false}, Case{"ab", "abc", false}, Case{"ab", "", false},
          Case{"ab", "AB", false}, Case{"abcdefghij", "abcdefghij", true},
          Case{"abcdefghij", "abcdefghi", false}, Case{"abcdefghij", "abcdefghijXYZ", true},
          Case{"abcdefghi", "abcdefghij", false}}) {
        for (int kind = TB_PASSWORD_LOGIN; kind <= TB_PASSWORD_COPYRIGHT; ++kind) {
            CTbObjDB db;
            db.SetStoredPassword(kind, CTbObjDB::Scramble(c.stored));
            EXPECT_FALSE(db.AccessGranted(kind));  // nothing entered yet
            EXPECT_EQ(db.SetEnteredPassword(kind, c.entered), c.granted) << c.stored << " / " << c.entered;
            EXPECT_EQ(db.AccessGranted(kind), c.granted)
                << c.stored << " / " << c.entered << " kind " << kind;
        }
    }
}

TEST(Password, KindsAreIndependentAndBeamAndUnstoredKindsAreAlwaysGranted) {
    CTbObjDB db;
    EXPECT_TRUE(db.SetEnteredPassword(TB_PASSWORD_LOGIN, "anything"));
    db.SetStoredPassword(TB_PASSWORD_LOGIN, CTbObjDB::Scramble("login"));
    db.SetStoredPassword(TB_PASSWORD_MODIFY, CTbObjDB::Scramble("modify"));
    db.SetStoredPassword(TB_PASSWORD_BEAM, CTbObjDB::Scramble("beam"));
    EXPECT_TRUE(db.SetEnteredPassword(TB_PASSWORD_LOGIN, "login"));
    EXPECT_FALSE(db.SetEnteredPassword(TB_PASSWORD_MODIFY, "login"));
    EXPECT_TRUE(db.AccessGranted(TB_PASSWORD_LOGIN));
    EXPECT_TRUE(db.AccessGranted(TB_PASSWORD_VIEW));
    EXPECT_TRUE(db.SetEnteredPassword(TB_PASSWORD_BEAM, "wrong"));
    EXPECT_EQ(db.GetStoredPassword(TB_PASSWORD_BEAM), CTbObjDB::Scramble("beam"));
    // A later entry replaces the earlier one.
    EXPECT_FALSE(db.SetEnteredPassword(TB_PASSWORD_LOGIN, "nope"));
    EXPECT_FALSE(db.AccessGranted(TB_PASSWORD_LOGIN));
}

TEST(Password, StoringOneMarksModifiedAndForgetsWhatWasEnteredForThatKindOnly) {
    CTbObjDB db;
    db.SetStoredPassword(TB_PASSWORD_LOGIN, CTbObjDB::Scramble("ab"));
    db.SetStoredPassword(TB_PASSWORD_MODIFY, CTbObjDB::Scramble("ab"));
    EXPECT_TRUE(db.IsModified());
    ASSERT_TRUE(db.SetEnteredPassword(TB_PASSWORD_LOGIN, "ab"));
    ASSERT_TRUE(db.SetEnteredPassword(TB_PASSWORD_MODIFY, "ab"));
    db.SetStoredPassword(TB_PASSWORD_LOGIN, CTbObjDB::Scramble("ab"));  // the same one must be entered again
    EXPECT_FALSE(db.AccessGranted(TB_PASSWORD_LOGIN));
    EXPECT_TRUE(db.AccessGranted(TB_PASSWORD_MODIFY));
    db.SetStoredPassword(TB_PASSWORD_LOGIN, "");  // cleared: granted again
    EXPECT_TRUE(db.AccessGranted(TB_PASSWORD_LOGIN));

    CTbObjDB other;
    other.SetStoredPassword(6, CTbObjDB::Scramble("x"));
    other.SetStoredPassword(-1, CTbObjDB::Scramble("x"));
    EXPECT_TRUE(other.GetStoredPassword(6).empty());
    EXPECT_TRUE(other.GetStoredPassword(-1).empty());
    EXPECT_FALSE(other.IsModified());
}
