// POSIX file handles with the open modes and sharing rules of the Windows file API:
// every call returns 0 or a Windows error number (see WinError.h), never throws.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvanta::platform {

inline constexpr int kInvalidHandle = -1;

// How a file is opened. Exclusive opens hold an advisory lock that makes every other open
// of the same file in any Orvanta process fail with WIN_ERROR_SHARING_VIOLATION; shared
// opens only fail while an exclusive opener holds the file.
enum class FileAccess { Read, Write, ReadWrite };
enum class FileShare { Shared, Exclusive };

// Opens an existing file (OPEN_EXISTING). On success *handle is a valid handle.
uint32_t OpenExisting(const std::string& path, FileAccess access, FileShare share, int* handle);

// Creates a file: with overwrite an existing file is truncated (CREATE_ALWAYS), without it an
// existing file fails with WIN_ERROR_FILE_EXISTS (CREATE_NEW). The handle is closed again.
uint32_t CreateFile(const std::string& path, bool overwrite);

uint32_t CloseHandle(int handle);
uint32_t DuplicateHandle(int handle, int* duplicate);

// Reads up to count bytes at offset; *got is the number read (short at the end of the file).
uint32_t ReadAt(int handle, void* buf, size_t count, int64_t offset, size_t* got);
// Writes all count bytes at offset; *written tells how many reached the file before a failure.
uint32_t WriteAt(int handle, const void* buf, size_t count, int64_t offset, size_t* written);

uint32_t HandleSize(int handle, int64_t* size);
// Sets the end of the file to length (SetEndOfFile at that offset).
uint32_t TruncateHandle(int handle, int64_t length);

}  // namespace orvanta::platform
