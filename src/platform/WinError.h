// The Windows system error numbers that Orvanta's result codes carry in their low word,
// and the mapping from POSIX errno values to them.
#pragma once

#include <cstdint>
#include <string>

namespace orvanta::platform {

// Windows error numbers (winerror.h) that the file layer reports.
enum WinError : uint32_t {
    WIN_ERROR_SUCCESS = 0,
    WIN_ERROR_INVALID_FUNCTION = 1,
    WIN_ERROR_FILE_NOT_FOUND = 2,
    WIN_ERROR_PATH_NOT_FOUND = 3,
    WIN_ERROR_TOO_MANY_OPEN_FILES = 4,
    WIN_ERROR_ACCESS_DENIED = 5,
    WIN_ERROR_INVALID_HANDLE = 6,
    WIN_ERROR_NOT_ENOUGH_MEMORY = 8,
    WIN_ERROR_NOT_SAME_DEVICE = 17,
    WIN_ERROR_WRITE_PROTECT = 19,
    WIN_ERROR_GEN_FAILURE = 31,
    WIN_ERROR_SHARING_VIOLATION = 32,
    WIN_ERROR_LOCK_VIOLATION = 33,
    WIN_ERROR_HANDLE_EOF = 38,
    WIN_ERROR_NOT_SUPPORTED = 50,
    WIN_ERROR_FILE_EXISTS = 80,
    WIN_ERROR_INVALID_PARAMETER = 87,
    WIN_ERROR_BROKEN_PIPE = 109,
    WIN_ERROR_DISK_FULL = 112,
    WIN_ERROR_INVALID_NAME = 123,
    WIN_ERROR_DIR_NOT_EMPTY = 145,
    WIN_ERROR_NEGATIVE_SEEK = 131,
    WIN_ERROR_BUSY = 170,
    WIN_ERROR_ALREADY_EXISTS = 183,
    WIN_ERROR_FILENAME_EXCED_RANGE = 206,
    WIN_ERROR_IO_DEVICE = 1117,
};

// Maps an errno value to the Windows error number the same failure gives on Windows.
// Anything without a closer match becomes WIN_ERROR_GEN_FAILURE.
uint32_t WinErrorFromErrno(int err);

// The Windows error of the calling thread's last failed POSIX call (errno).
uint32_t LastWinError();

// Keeps err as the system's reason for the calling thread's last failure; WinErrorFromErrno
// does so for every error it maps.
void NoteSystemError(int err);
// The system's reason for a failure with this Windows error, for people: the text of the last
// noted errno when it gives this error ("No space left on device", "Is a directory"), else a
// text of the error itself; a sharing violation is "locked by another program".
std::string SystemCause(uint32_t winError);

}  // namespace orvanta::platform
