// Database passwords: the scrambled form the handheld stores, and who is let in by what they
// typed since the Tabulon was opened.
#include "model/TbObjDB.h"

#include <gtest/gtest.h>

#include <string>

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
