// Path-level file services of the Windows file API on POSIX: find, copy, move, delete,
// attributes, file times and temporary files. Calls return 0 or a Windows error number.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace orvanta::platform {

// What FindFirstFile tells of one path.
struct FileInfo {
    bool isDirectory = false;
    bool readOnly = false;  // no write permission for the owner
    int64_t size = 0;
    time_t creationTime = 0;  // birth time where the file system keeps it, else the change time
    time_t modificationTime = 0;
};

// Which file a path names and how it was when looked at: a file replaced, written or touched
// since gives another stamp.
struct FileStamp {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedSeconds = 0;
    int64_t modifiedNanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};

// 0 and *stamp filled when the path exists; WIN_ERROR_FILE_NOT_FOUND or _PATH_NOT_FOUND otherwise.
uint32_t StampFile(const std::string& path, FileStamp* stamp);

// 0 and *info filled when the path exists; WIN_ERROR_FILE_NOT_FOUND or _PATH_NOT_FOUND otherwise.
uint32_t FindFile(const std::string& path, FileInfo* info);
bool ParentFolderExists(const std::string& path);

// The folder part of a path ("" for a bare name) and the name plus extension.
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);
// True when name can be a file name on the handheld user's Windows desktop: not empty, not
// "." or "..", no folder separator and none of the characters < > : " | ? * or control codes.
bool IsValidFileName(const std::string& name);

// Copies contents, permissions and modification time; an existing target is replaced.
uint32_t CopyFile(const std::string& from, const std::string& to);
// Moves or renames; an existing target fails with WIN_ERROR_ALREADY_EXISTS, as MoveFile does.
uint32_t MoveFile(const std::string& from, const std::string& to);
uint32_t DeleteFile(const std::string& path);
// Puts a finished file in place of another, for saves that must never lose the old file:
// flushes from to the disk, gives it the permission bits (and, where allowed, the owner) of to,
// or the bits a newly created file gets when to does not exist, renames it over to in one step
// and flushes the folder.
uint32_t ReplaceFile(const std::string& from, const std::string& to);

uint32_t SetReadOnly(const std::string& path, bool readOnly);
uint32_t SetModificationTime(const std::string& path, time_t when);

// The folder for temporary files: $TMPDIR when it names a folder, else /tmp.
std::string TempFolder();
// Creates a new empty file with a unique name "<prefix>XXXXXX.tmp" in folder (GetTempFileName).
uint32_t MakeTempFile(const std::string& folder, const std::string& prefix, std::string* path);

}  // namespace orvanta::platform
