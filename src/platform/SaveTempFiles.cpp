#include "platform/SaveTempFiles.h"

#include "platform/FileSystem.h"
#include "platform/WinError.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <vector>

namespace orvanta::platform {

namespace {

constexpr const char* kMark = ".orvanta-";
constexpr size_t kUniqueLength = 6;

// The process id in a save temporary file's name, or 0 when the name is not one.
long SaverOf(const std::string& name) {
    size_t mark = name.rfind(kMark);
    if (name.empty() || name[0] != '.' || mark == std::string::npos) return 0;
    std::string rest = name.substr(mark + std::char_traits<char>::length(kMark));
    size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string::npos || rest.size() != dash + 1 + kUniqueLength) return 0;
    for (size_t i = 0; i < dash; ++i)
        if (rest[i] < '0' || rest[i] > '9') return 0;
    return std::strtol(rest.substr(0, dash).c_str(), nullptr, 10);
}

bool IsRunning(long pid) { return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }

}  // namespace

uint32_t MakeSaveTempFile(const std::string& target, std::string* path) {
    std::string folder = FolderOf(target);
    std::string pattern = (folder.empty() ? std::string() : folder + "/") + "." + FileNameOf(target) + kMark +
                          std::to_string(::getpid()) + "-" + std::string(kUniqueLength, 'X');
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) return ParentFolderExists(pattern) ? LastWinError() : WIN_ERROR_PATH_NOT_FOUND;
    ::close(fd);
    *path = name.data();
    return WIN_ERROR_SUCCESS;
}

int RemoveStaleSaveTempFiles(const std::string& folder) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        long pid = SaverOf(name);
        if (pid <= 0 || IsRunning(pid)) continue;
        std::string path = (folder.empty() ? std::string() : folder + "/") + name;
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(path.c_str()) == 0) ++removed;
    }
    ::closedir(dir);
    return removed;
}

}  // namespace orvanta::platform
