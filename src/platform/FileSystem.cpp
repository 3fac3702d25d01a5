#include "platform/FileSystem.h"

#include "platform/WinError.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <vector>

namespace orvanta::platform {

namespace {

uint32_t PathError(const std::string& path, int err) {
    if (err == ENOENT && !ParentFolderExists(path)) return WIN_ERROR_PATH_NOT_FOUND;
    return WinErrorFromErrno(err);
}

time_t BirthTime(const std::string& path, const struct stat& st) {
    struct statx sx {};
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME, &sx) == 0 && (sx.stx_mask & STATX_BTIME))
        return static_cast<time_t>(sx.stx_btime.tv_sec);
    return st.st_ctime;
}

uint32_t CopyContents(int in, int out) {
    std::vector<char> block(1 << 16);
    for (;;) {
        ssize_t n = ::read(in, block.data(), block.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return LastWinError();
        if (n == 0) return WIN_ERROR_SUCCESS;
        for (ssize_t done = 0; done < n;) {
            ssize_t w = ::write(out, block.data() + done, static_cast<size_t>(n - done));
            if (w < 0 && errno == EINTR) continue;
            if (w < 0) return LastWinError();
            done += w;
        }
    }
}

// The permission bits a file created now gets: 0666 less the process's umask. Reading the
// umask sets it for a moment; all file work runs on the main thread, so nothing sees that.
mode_t NewFileMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

uint32_t SyncPath(const std::string& path, int flags) {
    int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) return PathError(path, errno);
    uint32_t err = ::fsync(fd) == 0 || errno == EINVAL ? WIN_ERROR_SUCCESS : LastWinError();
    ::close(fd);
    return err;
}

}  // namespace

uint32_t FindFile(const std::string& path, FileInfo* info) {
    struct stat st {};
    if (path.empty()) return WIN_ERROR_PATH_NOT_FOUND;
    if (::stat(path.c_str(), &st) != 0) return PathError(path, errno);
    if (info) {
        info->isDirectory = S_ISDIR(st.st_mode);
        info->readOnly = (st.st_mode & S_IWUSR) == 0;
        info->size = st.st_size;
        info->creationTime = BirthTime(path, st);
        info->modificationTime = st.st_mtime;
    }
    return WIN_ERROR_SUCCESS;
}

uint32_t StampFile(const std::string& path, FileStamp* stamp) {
    struct stat st {};
    if (path.empty()) return WIN_ERROR_PATH_NOT_FOUND;
    if (::stat(path.c_str(), &st) != 0) return PathError(path, errno);
    *stamp = FileStamp{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino), st.st_size,
                       st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
    return WIN_ERROR_SUCCESS;
}

bool ParentFolderExists(const std::string& path) {
    std::string folder = FolderOf(path);
    if (folder.empty()) return true;
    struct stat st {};
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string FolderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string FileNameOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsValidFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (unsigned char c : name)
        if (c < 32 || c == '/' || c == '\\' || c == '<' || c == '>' || c == ':' || c == '"' || c == '|' ||
            c == '?' || c == '*')
            return false;
    return true;
}

uint32_t CopyFile(const std::string& from, const std::string& to) {
    int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return PathError(from, errno);
    struct stat st {};
    ::fstat(in, &st);
    int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, st.st_mode & 07777);
    if (out < 0) {
        uint32_t err = PathError(to, errno);
        ::close(in);
        return err;
    }
    uint32_t err = CopyContents(in, out);
    struct timespec times[2] = {st.st_atim, st.st_mtim};
    if (err == WIN_ERROR_SUCCESS) ::futimens(out, times);
    ::close(in);
    if (::close(out) != 0 && err == WIN_ERROR_SUCCESS) err = LastWinError();
    return err;
}

uint32_t MoveFile(const std::string& from, const std::string& to) {
    struct stat st {};
    if (::stat(from.c_str(), &st) != 0) return PathError(from, errno);
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return WIN_ERROR_SUCCESS;
    int err = errno;
    if (err == EINVAL || err == ENOSYS) {
        // The file system cannot refuse to replace by itself: check first, then rename.
        if (::lstat(to.c_str(), &st) == 0) return WIN_ERROR_ALREADY_EXISTS;
        if (::rename(from.c_str(), to.c_str()) == 0) return WIN_ERROR_SUCCESS;
        err = errno;
    }
    if (err == EXDEV) {
        // Another file system: copy, then remove the original, as MoveFile does across drives.
        uint32_t copied = CopyFile(from, to);
        if (copied != WIN_ERROR_SUCCESS) return copied;
        return DeleteFile(from);
    }
    return PathError(to, err);
}

uint32_t DeleteFile(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return WIN_ERROR_ACCESS_DENIED;
    return ::unlink(path.c_str()) == 0 ? WIN_ERROR_SUCCESS : PathError(path, errno);
}

uint32_t ReplaceFile(const std::string& from, const std::string& to) {
    struct stat st {};
    bool replacing = ::stat(to.c_str(), &st) == 0;
    // The owner is kept where the process may give it away (else the file stays the saver's);
    // a change of owner clears the special permission bits, so the bits are set after it.
    if (replacing && ::chown(from.c_str(), st.st_uid, st.st_gid) != 0 && errno != EPERM)
        return PathError(from, errno);
    mode_t mode = replacing ? (st.st_mode & 07777) : NewFileMode();
    if (::chmod(from.c_str(), mode) != 0) return PathError(from, errno);
    if (uint32_t err = SyncPath(from, O_RDONLY)) return err;
    if (::rename(from.c_str(), to.c_str()) != 0) return PathError(to, errno);
    // The rename itself lasts only once the folder's entry is on the disk too.
    std::string folder = FolderOf(to);
    SyncPath(folder.empty() ? "." : folder, O_RDONLY | O_DIRECTORY);
    return WIN_ERROR_SUCCESS;
}

uint32_t SetReadOnly(const std::string& path, bool readOnly) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return PathError(path, errno);
    mode_t mode = st.st_mode & 07777;
    mode = readOnly ? (mode & ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH)) : (mode | S_IWUSR);
    return ::chmod(path.c_str(), mode) == 0 ? WIN_ERROR_SUCCESS : LastWinError();
}

uint32_t SetModificationTime(const std::string& path, time_t when) {
    struct timespec times[2] = {{0, UTIME_OMIT}, {when, 0}};
    return ::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0 ? WIN_ERROR_SUCCESS : PathError(path, errno);
}

std::string TempFolder() {
    const char* dir = std::getenv("TMPDIR");
    struct stat st {};
    if (dir && *dir && ::stat(dir, &st) == 0 && S_ISDIR(st.st_mode)) return dir;
    return "/tmp";
}

uint32_t MakeTempFile(const std::string& folder, const std::string& prefix, std::string* path) {
    std::string pattern = folder + "/" + prefix + "XXXXXX.tmp";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemps(name.data(), 4);
    if (fd < 0) return PathError(pattern, errno);
    ::close(fd);
    *path = name.data();
    return WIN_ERROR_SUCCESS;
}

}  // namespace orvanta::platform
