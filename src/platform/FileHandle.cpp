#include "platform/FileHandle.h"

#include "platform/FileSystem.h"
#include "platform/WinError.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace orvanta::platform {

namespace {

int OpenFlags(FileAccess access) {
    switch (access) {
        case FileAccess::Read:
            return O_RDONLY;
        case FileAccess::Write:
            return O_WRONLY;
        case FileAccess::ReadWrite:
            return O_RDWR;
    }
    return O_RDONLY;
}

// The error of a failed open: a missing folder on the way is "path not found".
uint32_t OpenError(const std::string& path, int err) {
    if (err == ENOENT && !ParentFolderExists(path)) return WIN_ERROR_PATH_NOT_FOUND;
    return WinErrorFromErrno(err);
}

// The error of a call on an open handle. A valid handle used against its access (a write
// through a read-only handle) is "access denied", as on Windows.
uint32_t HandleError(int handle, int err) {
    if ((err == EBADF || err == EINVAL) && ::fcntl(handle, F_GETFD) != -1) return WIN_ERROR_ACCESS_DENIED;
    return WinErrorFromErrno(err);
}

}  // namespace

uint32_t OpenExisting(const std::string& path, FileAccess access, FileShare share, int* handle) {
    *handle = kInvalidHandle;
    if (path.empty()) return WIN_ERROR_PATH_NOT_FOUND;
    int fd = ::open(path.c_str(), OpenFlags(access) | O_CLOEXEC);
    if (fd < 0) return OpenError(path, errno);
    struct stat st {};
    bool writing = access != FileAccess::Read;
    // Folders cannot be opened as files, and a read-only file refuses writers even when the
    // process could override its permissions, as the read-only attribute does on Windows.
    if (::fstat(fd, &st) == 0 &&
        (S_ISDIR(st.st_mode) || (writing && S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR)))) {
        NoteSystemError(S_ISDIR(st.st_mode) ? EISDIR : EACCES);
        ::close(fd);
        return WIN_ERROR_ACCESS_DENIED;
    }
    int lock = (share == FileShare::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    if (::flock(fd, lock) != 0) {
        int err = errno;
        ::close(fd);
        return err == EWOULDBLOCK ? WIN_ERROR_SHARING_VIOLATION : WinErrorFromErrno(err);
    }
    *handle = fd;
    return WIN_ERROR_SUCCESS;
}

uint32_t CreateFile(const std::string& path, bool overwrite) {
    if (path.empty()) return WIN_ERROR_PATH_NOT_FOUND;
    int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (overwrite ? O_TRUNC : O_EXCL);
    int fd = ::open(path.c_str(), flags, 0666);
    if (fd < 0) {
        int err = errno;
        return err == EEXIST ? WIN_ERROR_FILE_EXISTS : OpenError(path, err);
    }
    ::close(fd);
    return WIN_ERROR_SUCCESS;
}

uint32_t CloseHandle(int handle) { return ::close(handle) == 0 ? WIN_ERROR_SUCCESS : LastWinError(); }

uint32_t DuplicateHandle(int handle, int* duplicate) {
    *duplicate = ::fcntl(handle, F_DUPFD_CLOEXEC, 0);
    return *duplicate >= 0 ? WIN_ERROR_SUCCESS : LastWinError();
}

uint32_t ReadAt(int handle, void* buf, size_t count, int64_t offset, size_t* got) {
    *got = 0;
    auto* p = static_cast<char*>(buf);
    while (*got < count) {
        ssize_t n = ::pread(handle, p + *got, count - *got, static_cast<off_t>(offset + *got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return HandleError(handle, errno);
        if (n == 0) break;
        *got += static_cast<size_t>(n);
    }
    return WIN_ERROR_SUCCESS;
}

uint32_t WriteAt(int handle, const void* buf, size_t count, int64_t offset, size_t* written) {
    *written = 0;
    auto* p = static_cast<const char*>(buf);
    while (*written < count) {
        ssize_t n = ::pwrite(handle, p + *written, count - *written, static_cast<off_t>(offset + *written));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return HandleError(handle, errno);
        if (n == 0) {
            NoteSystemError(ENOSPC);
            return WIN_ERROR_DISK_FULL;
        }
        *written += static_cast<size_t>(n);
    }
    return WIN_ERROR_SUCCESS;
}

uint32_t HandleSize(int handle, int64_t* size) {
    struct stat st {};
    if (::fstat(handle, &st) != 0) return LastWinError();
    *size = st.st_size;
    return WIN_ERROR_SUCCESS;
}

uint32_t TruncateHandle(int handle, int64_t length) {
    if (length < 0) return WIN_ERROR_NEGATIVE_SEEK;
    if (::ftruncate(handle, static_cast<off_t>(length)) != 0) return HandleError(handle, errno);
    return WIN_ERROR_SUCCESS;
}

}  // namespace orvanta::platform
