// The platform's file services: error mapping, sharing locks, moves and file names.
#include "platform/DriveType.h"
#include "platform/FileHandle.h"
#include "platform/FileSystem.h"
#include "platform/WinError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace orvanta::platform;

TEST(WinErrorTest, CommonErrnoValuesMapToTheirWindowsNumbers) {
    EXPECT_EQ(WinErrorFromErrno(ENOENT), 2u);
    EXPECT_EQ(WinErrorFromErrno(ENOTDIR), 3u);
    EXPECT_EQ(WinErrorFromErrno(EACCES), 5u);
    EXPECT_EQ(WinErrorFromErrno(EWOULDBLOCK), 32u);
    EXPECT_EQ(WinErrorFromErrno(EEXIST), 183u);
    EXPECT_EQ(WinErrorFromErrno(ENOSPC), 112u);
    EXPECT_EQ(WinErrorFromErrno(ENAMETOOLONG), 206u);
    EXPECT_EQ(WinErrorFromErrno(12345), 31u);
}

TEST(FileNameTest, WindowsForbiddenCharactersMakeANameInvalid) {
    EXPECT_TRUE(IsValidFileName("MRA_My Tabulon.PDB"));
    for (const char* bad : {"", ".", "..", "a/b", "a\\b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "a\tb"})
        EXPECT_FALSE(IsValidFileName(bad)) << bad;
    EXPECT_EQ(FolderOf("/x/y/z.pdb"), "/x/y");
    EXPECT_EQ(FolderOf("/z.pdb"), "/");
    EXPECT_EQ(FolderOf("z.pdb"), "");
    EXPECT_EQ(FileNameOf("/x/y/z.pdb"), "z.pdb");
}

TEST(FileHandleTest, LocksFollowTheSharingRules) {
    TempDir dir;
    std::string path = dir.File("f");
    WriteBytes(path, {1});
    int shared = kInvalidHandle, second = kInvalidHandle, exclusive = kInvalidHandle;
    ASSERT_EQ(OpenExisting(path, FileAccess::Read, FileShare::Shared, &shared), 0u);
    ASSERT_EQ(OpenExisting(path, FileAccess::ReadWrite, FileShare::Shared, &second), 0u);
    EXPECT_EQ(OpenExisting(path, FileAccess::Write, FileShare::Exclusive, &exclusive),
              uint32_t{WIN_ERROR_SHARING_VIOLATION});
    EXPECT_EQ(exclusive, kInvalidHandle);
    CloseHandle(shared);
    CloseHandle(second);
    ASSERT_EQ(OpenExisting(path, FileAccess::Write, FileShare::Exclusive, &exclusive), 0u);
    CloseHandle(exclusive);
}

TEST(FileHandleTest, WritingThroughAReadHandleIsAccessDenied) {
    TempDir dir;
    std::string path = dir.File("f");
    WriteBytes(path, {1});
    int handle = kInvalidHandle;
    ASSERT_EQ(OpenExisting(path, FileAccess::Read, FileShare::Shared, &handle), 0u);
    size_t written = 0;
    EXPECT_EQ(WriteAt(handle, "x", 1, 0, &written), uint32_t{WIN_ERROR_ACCESS_DENIED});
    EXPECT_EQ(TruncateHandle(handle, 0), uint32_t{WIN_ERROR_ACCESS_DENIED});
    CloseHandle(handle);
    EXPECT_EQ(WriteAt(handle, "x", 1, 0, &written), uint32_t{WIN_ERROR_INVALID_HANDLE});
}

TEST(FileSystemTest, MoveNeverReplacesAnExistingFile) {
    TempDir dir;
    WriteBytes(dir.File("a"), {1});
    WriteBytes(dir.File("b"), {2});
    EXPECT_EQ(MoveFile(dir.File("a"), dir.File("b")), uint32_t{WIN_ERROR_ALREADY_EXISTS});
    EXPECT_EQ(ReadBytes(dir.File("b")), std::vector<uint8_t>{2});
    EXPECT_EQ(MoveFile(dir.File("a"), dir.File("c")), 0u);
    EXPECT_EQ(MoveFile(dir.File("c"), dir.File("no/c")), uint32_t{WIN_ERROR_PATH_NOT_FOUND});
}

TEST(FileSystemTest, TempFilesAreUniqueAndExist) {
    TempDir dir;
    std::string a, b;
    ASSERT_EQ(MakeTempFile(dir.Path().string(), "Orv", &a), 0u);
    ASSERT_EQ(MakeTempFile(dir.Path().string(), "Orv", &b), 0u);
    EXPECT_NE(a, b);
    FileInfo info;
    EXPECT_EQ(FindFile(a, &info), 0u);
    EXPECT_EQ(info.size, 0);
    EXPECT_EQ(MakeTempFile(dir.File("missing"), "Orv", &a), uint32_t{WIN_ERROR_PATH_NOT_FOUND});
}

TEST(DriveTypeTest, LocalFoldersAreFixedOrRemovable) {
    TempDir dir;
    DriveType type = ClassifyDrive(dir.File("not-yet-there.pdb"));
    EXPECT_NE(type, DriveType::Remote);
    EXPECT_NE(type, DriveType::Unknown);
}
