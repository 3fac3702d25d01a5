// The platform's file services that the file layer's own tests do not reach: the rules for file
// names, folder parts at the root, moves that would replace a file, and unique temporary files.
#include "platform/FileSystem.h"
#include "platform/WinError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace orvanta::platform;

TEST(FileServices, WindowsForbiddenCharactersMakeANameInvalid) {
    EXPECT_TRUE(IsValidFileName("MRA_My Tabulon.PDB"));
    for (const char* bad :
         {"", ".", "..", "a/b", "a\\b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "a\tb"})
        EXPECT_FALSE(IsValidFileName(bad)) << bad;
    EXPECT_EQ(FolderOf("/x/y/z.pdb"), "/x/y");
    EXPECT_EQ(FolderOf("/z.pdb"), "/");
    EXPECT_EQ(FolderOf("z.pdb"), "");
    EXPECT_EQ(FileNameOf("/x/y/z.pdb"), "z.pdb");
}

TEST(FileServices, MovesNeverReplaceAFileAndTempFilesAreUniqueAndEmpty) {
    TempDir dir;
    WriteBytes(dir.File("a"), {1});
    WriteBytes(dir.File("b"), {2});
    EXPECT_EQ(MoveFile(dir.File("a"), dir.File("b")), uint32_t{WIN_ERROR_ALREADY_EXISTS});
    EXPECT_EQ(ReadBytes(dir.File("b")), std::vector<uint8_t>{2});
    std::string first, second;
    ASSERT_EQ(MakeTempFile(dir.Path().string(), "Orv", &first), 0u);
    ASSERT_EQ(MakeTempFile(dir.Path().string(), "Orv", &second), 0u);
    EXPECT_NE(first, second);
    FileInfo info;
    EXPECT_EQ(FindFile(first, &info), 0u);
    EXPECT_EQ(info.size, 0);
    EXPECT_EQ(MakeTempFile(dir.File("missing"), "Orv", &first), uint32_t{WIN_ERROR_PATH_NOT_FOUND});
}
