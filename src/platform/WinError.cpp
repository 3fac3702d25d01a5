#include "platform/WinError.h"

#include <cerrno>
#include <cstring>

namespace orvanta::platform {

namespace {

thread_local int t_lastErrno = 0;

uint32_t MapErrno(int err) {
    switch (err) {
        case 0:
            return WIN_ERROR_SUCCESS;
        case ENOENT:
            return WIN_ERROR_FILE_NOT_FOUND;
        case ENOTDIR:
            return WIN_ERROR_PATH_NOT_FOUND;
        case EMFILE:
        case ENFILE:
            return WIN_ERROR_TOO_MANY_OPEN_FILES;
        case EACCES:
        case EPERM:
        case EISDIR:
            return WIN_ERROR_ACCESS_DENIED;
        case EBADF:
            return WIN_ERROR_INVALID_HANDLE;
        case ENOMEM:
            return WIN_ERROR_NOT_ENOUGH_MEMORY;
        case EXDEV:
            return WIN_ERROR_NOT_SAME_DEVICE;
        case EROFS:
            return WIN_ERROR_WRITE_PROTECT;
        case EWOULDBLOCK:
            return WIN_ERROR_SHARING_VIOLATION;
        case ETXTBSY:
            return WIN_ERROR_SHARING_VIOLATION;
        case EBUSY:
            return WIN_ERROR_BUSY;
        case ENOSYS:
        case EOPNOTSUPP:
            return WIN_ERROR_NOT_SUPPORTED;
        case EEXIST:
            return WIN_ERROR_ALREADY_EXISTS;
        case EINVAL:
            return WIN_ERROR_INVALID_PARAMETER;
        case EPIPE:
            return WIN_ERROR_BROKEN_PIPE;
        case ENOSPC:
        case EDQUOT:
            return WIN_ERROR_DISK_FULL;
        case ENAMETOOLONG:
            return WIN_ERROR_FILENAME_EXCED_RANGE;
        case ENOTEMPTY:
            return WIN_ERROR_DIR_NOT_EMPTY;
        case EIO:
            return WIN_ERROR_IO_DEVICE;
        default:
            return WIN_ERROR_GEN_FAILURE;
    }
}

}  // namespace

uint32_t WinErrorFromErrno(int err) {
    if (err != 0) NoteSystemError(err);
    return MapErrno(err);
}

uint32_t LastWinError() { return WinErrorFromErrno(errno); }

void NoteSystemError(int err) { t_lastErrno = err; }

std::string SystemCause(uint32_t winError) {
    if (winError == WIN_ERROR_SHARING_VIOLATION || winError == WIN_ERROR_LOCK_VIOLATION)
        return "locked by another program";
    int err = t_lastErrno;
    if (err != 0 && (MapErrno(err) == winError || (err == ENOENT && winError == WIN_ERROR_PATH_NOT_FOUND)))
        return std::strerror(err);
    switch (winError) {
        case WIN_ERROR_FILE_NOT_FOUND:
        case WIN_ERROR_PATH_NOT_FOUND:
            return std::strerror(ENOENT);
        case WIN_ERROR_ACCESS_DENIED:
            return std::strerror(EACCES);
        case WIN_ERROR_DISK_FULL:
            return std::strerror(ENOSPC);
        default:
            return "system error " + std::to_string(winError);
    }
}

}  // namespace orvanta::platform
