// Database passwords: the scrambled form the handheld stores, and who is let in by what they
// typed since the Tabulon was opened.
#include "model/TbObjDB.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

}  // namespace

// ---------------------------------------------------------------------------------------------
// Scrambling

namespace {

struct ScrambleCase {
    std::string plain;
    std::vector<uint8_t> scrambled;
};

void PrintTo(const ScrambleCase& c, std::ostream* os) { *os << '"' << c.plain << '"'; }

}  // namespace

class ScrambleTest : public testing::TestWithParam<ScrambleCase> {};

TEST_P(ScrambleTest, ShiftsXorsAndTerminatesShortPasswords) {
    EXPECT_EQ(Bytes(CTbObjDB::Scramble(GetParam().plain)), GetParam().scrambled);
}

// 'a' 0x61 + 0x2B = 0x8C, xor 0xA5 = 0x29; 'b' gives 0x28; '0' 0x30 + 0x2B = 0x5B, xor 0xA5 = 0xFE.
INSTANTIATE_TEST_SUITE_P(
    Passwords, ScrambleTest,
    testing::Values(ScrambleCase{"", {0xA5}}, ScrambleCase{"ab", {0x29, 0x28, 0xA5}},
                    ScrambleCase{"0", {0xFE, 0xA5}},
                    // 0xE0 + 0x2B wraps to 0x0B, xor 0xA5 = 0xAE.
                    ScrambleCase{"\xE0", {0xAE, 0xA5}},
                    ScrambleCase{"aaaaaaaaa", {0x29, 0x29, 0x29, 0x29, 0x29, 0x29, 0x29, 0x29, 0x29, 0xA5}},
                    // Ten characters fill the stored width: no terminator.
                    ScrambleCase{"aaaaaaaaab", {0x29, 0x29, 0x29, 0x29, 0x29, 0x29, 0x29, 0x29, 0x29, 0x28}},
                    ScrambleCase{"aaaaaaaaaab", {0x29, 0x29, 0x29, 0x29, 0x29, 0x29, 0x29, 0x29, 0x29, 0x29, 0x28}}));

// ---------------------------------------------------------------------------------------------
// Access

namespace {

struct AccessCase {
    std::string stored;  // plain text of the stored password
    std::string entered;
    bool granted;
};

void PrintTo(const AccessCase& c, std::ostream* os) { *os << "stored \"" << c.stored << "\" entered \"" << c.entered << '"'; }

}  // namespace

class AccessTest : public testing::TestWithParam<AccessCase> {};

TEST_P(AccessTest, GrantsOnlyTheExactPassword) {
    for (int kind = TB_PASSWORD_LOGIN; kind <= TB_PASSWORD_COPYRIGHT; ++kind) {
        CTbObjDB db;
        db.SetStoredPassword(kind, CTbObjDB::Scramble(GetParam().stored));
        EXPECT_EQ(db.SetEnteredPassword(kind, GetParam().entered), GetParam().granted) << "kind " << kind;
        EXPECT_EQ(db.AccessGranted(kind), GetParam().granted) << "kind " << kind;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, AccessTest,
    testing::Values(AccessCase{"ab", "ab", true}, AccessCase{"ab", "a", false}, AccessCase{"ab", "abc", false},
                    AccessCase{"ab", "", false}, AccessCase{"ab", "AB", false}, AccessCase{"ab", "ba", false},
                    AccessCase{"secret", "secret", true}, AccessCase{"secret", "secreT", false},
                    AccessCase{"abcdefghij", "abcdefghij", true}, AccessCase{"abcdefghij", "abcdefghi", false},
                    // Only ten characters are compared.
                    AccessCase{"abcdefghij", "abcdefghijXYZ", true},
                    AccessCase{"abcdefghi", "abcdefghij", false}, AccessCase{"abcdefghi", "abcdefghi", true}));

TEST(PasswordAccess, NoStoredPasswordGrantsEveryEntry) {
    for (int kind = TB_PASSWORD_LOGIN; kind <= TB_PASSWORD_COPYRIGHT; ++kind) {
        CTbObjDB db;
        EXPECT_TRUE(db.AccessGranted(kind)) << kind;
        EXPECT_TRUE(db.SetEnteredPassword(kind, "anything")) << kind;
        EXPECT_TRUE(db.SetEnteredPassword(kind, "")) << kind;
    }
}

TEST(PasswordAccess, NothingEnteredIsRefusedWhenAPasswordIsStored) {
    CTbObjDB db;
    db.SetStoredPassword(TB_PASSWORD_DESIGN, CTbObjDB::Scramble("pw"));
    EXPECT_FALSE(db.AccessGranted(TB_PASSWORD_DESIGN));
}

TEST(PasswordAccess, BeamIsAlwaysGranted) {
    CTbObjDB db;
    db.SetStoredPassword(TB_PASSWORD_BEAM, CTbObjDB::Scramble("beam"));
    EXPECT_EQ(Bytes(db.GetStoredPassword(TB_PASSWORD_BEAM)), Bytes(CTbObjDB::Scramble("beam")));
    EXPECT_TRUE(db.AccessGranted(TB_PASSWORD_BEAM));
    EXPECT_TRUE(db.SetEnteredPassword(TB_PASSWORD_BEAM, "wrong"));
    EXPECT_TRUE(db.AccessGranted(TB_PASSWORD_BEAM));
}

TEST(PasswordAccess, KindsAreIndependent) {
    CTbObjDB db;
    db.SetStoredPassword(TB_PASSWORD_LOGIN, CTbObjDB::Scramble("login"));
    db.SetStoredPassword(TB_PASSWORD_MODIFY, CTbObjDB::Scramble("modify"));
    EXPECT_TRUE(db.SetEnteredPassword(TB_PASSWORD_LOGIN, "login"));
    EXPECT_FALSE(db.AccessGranted(TB_PASSWORD_MODIFY));
    EXPECT_FALSE(db.SetEnteredPassword(TB_PASSWORD_MODIFY, "login"));
    EXPECT_TRUE(db.AccessGranted(TB_PASSWORD_LOGIN));
    EXPECT_TRUE(db.AccessGranted(TB_PASSWORD_VIEW));
}

TEST(PasswordAccess, LaterEntryReplacesTheEarlierOne) {
    CTbObjDB db;
    db.SetStoredPassword(TB_PASSWORD_VIEW, CTbObjDB::Scramble("pw"));
    EXPECT_TRUE(db.SetEnteredPassword(TB_PASSWORD_VIEW, "pw"));
    EXPECT_FALSE(db.SetEnteredPassword(TB_PASSWORD_VIEW, "nope"));
    EXPECT_FALSE(db.AccessGranted(TB_PASSWORD_VIEW));
}

// ---------------------------------------------------------------------------------------------
// Storing passwords

TEST(StoredPassword, IsKeptScrambledAndMarksModified) {
    CTbObjDB db;
    std::string scrambled = CTbObjDB::Scramble("ab");
    db.SetStoredPassword(TB_PASSWORD_COPYRIGHT, scrambled);
    EXPECT_EQ(Bytes(db.GetStoredPassword(TB_PASSWORD_COPYRIGHT)), (std::vector<uint8_t>{0x29, 0x28, 0xA5}));
    EXPECT_TRUE(db.IsModified());
    EXPECT_TRUE(db.GetStoredPassword(TB_PASSWORD_LOGIN).empty());
}

TEST(StoredPassword, SettingItClearsWhatWasEnteredForThatKindOnly) {
    CTbObjDB db;
    db.SetStoredPassword(TB_PASSWORD_LOGIN, CTbObjDB::Scramble("ab"));
    db.SetStoredPassword(TB_PASSWORD_MODIFY, CTbObjDB::Scramble("ab"));
    ASSERT_TRUE(db.SetEnteredPassword(TB_PASSWORD_LOGIN, "ab"));
    ASSERT_TRUE(db.SetEnteredPassword(TB_PASSWORD_MODIFY, "ab"));

    // The same password stored again still needs to be entered again.
    db.SetStoredPassword(TB_PASSWORD_LOGIN, CTbObjDB::Scramble("ab"));

    EXPECT_FALSE(db.AccessGranted(TB_PASSWORD_LOGIN));
    EXPECT_TRUE(db.AccessGranted(TB_PASSWORD_MODIFY));
    EXPECT_TRUE(db.SetEnteredPassword(TB_PASSWORD_LOGIN, "ab"));
}

TEST(StoredPassword, ClearingItGrantsAccessAgain) {
    CTbObjDB db;
    db.SetStoredPassword(TB_PASSWORD_LOGIN, CTbObjDB::Scramble("ab"));
    db.SetEnteredPassword(TB_PASSWORD_LOGIN, "zz");
    db.SetStoredPassword(TB_PASSWORD_LOGIN, "");
    EXPECT_TRUE(db.AccessGranted(TB_PASSWORD_LOGIN));
}

TEST(StoredPassword, UnknownKindsHoldNothing) {
    CTbObjDB db;
    db.SetStoredPassword(6, CTbObjDB::Scramble("x"));
    db.SetStoredPassword(-1, CTbObjDB::Scramble("x"));
    EXPECT_TRUE(db.GetStoredPassword(6).empty());
    EXPECT_TRUE(db.GetStoredPassword(-1).empty());
    EXPECT_FALSE(db.IsModified());
}
