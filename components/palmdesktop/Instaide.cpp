// The stand-in of Palm's install library INSTAIDE.DLL over the desktop folder it lies in: the
// users of its "Users" file (name, tab, folder relative to the desktop, tab, profile flag 0/1)
// and each user's install queue as copies in "<user folder>/Install/".
#include "StandInFolder.h"
#include "library/PalmDesktopApi.h"

#include <sys/stat.h>

#include <cstring>
#include <filesystem>

namespace {

using orvanta::standin::OwnFolder;
using orvanta::standin::ReadTabbedLines;

struct User {
    std::string name;
    std::string folder;
    bool profile = false;
};

std::vector<User> Users() {
    std::vector<User> users;
    for (const auto& fields : ReadTabbedLines(OwnFolder() + "/Users")) {
        if (fields.size() < 2 || fields[0].empty()) continue;
        users.push_back({fields[0], fields[1], fields.size() > 2 && fields[2] == "1"});
    }
    return users;
}

// A user's folder inside the desktop folder: relative, without "..", "." or empty parts.
bool IsInsideDesktop(const std::string& folder) {
    if (folder.empty() || folder[0] == '/') return false;
    for (size_t start = 0; start <= folder.size();) {
        size_t end = folder.find('/', start);
        if (end == std::string::npos) end = folder.size();
        std::string part = folder.substr(start, end - start);
        if (part.empty() || part == "." || part == "..") return false;
        start = end + 1;
    }
    return true;
}

// The user's folder as an absolute path; empty for an unknown user or a folder outside.
std::string FolderOf(const char* user) {
    for (const User& entry : Users())
        if (entry.name == user) return IsInsideDesktop(entry.folder) ? OwnFolder() + "/" + entry.folder : "";
    return {};
}

bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

}  // namespace

ORVANTA_STANDIN_EXPORT int PltGetUserCount() { return static_cast<int>(Users().size()); }

ORVANTA_STANDIN_EXPORT int PltGetUser(unsigned int index, char* name, short* size) {
    std::vector<User> users = Users();
    if (index >= users.size() || *size <= 0) return -1;
    const std::string& text = users[index].name;
    if (text.size() + 1 > static_cast<size_t>(*size)) return -1;
    std::memcpy(name, text.c_str(), text.size() + 1);
    *size = static_cast<short>(text.size() + 1);
    return static_cast<int>(text.size());
}

ORVANTA_STANDIN_EXPORT int PltGetUserDirectory(const char* user, char* buffer, int* size) {
    std::string folder = FolderOf(user);
    std::error_code ec;
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);  // made with the user
    if (folder.empty() || *size <= 0 || folder.size() + 1 > static_cast<size_t>(*size)) return -1;
    std::memcpy(buffer, folder.c_str(), folder.size() + 1);
    *size = static_cast<int>(folder.size() + 1);
    return 0;
}

ORVANTA_STANDIN_EXPORT int PltIsUserProfile(const char* user) {
    for (const User& entry : Users())
        if (entry.name == user) return entry.profile ? 1 : 0;
    return 0;
}

ORVANTA_STANDIN_EXPORT int PltRemoveInstallFile(const char* user, const char* fileName) {
    std::string folder = FolderOf(user);
    if (folder.empty() || !IsPlainName(fileName)) return -1;
    std::error_code ec;
    std::filesystem::remove(folder + "/Install/" + fileName, ec);
    return 0;
}

ORVANTA_STANDIN_EXPORT int PltInstallFile(const char* user, const char* path) {
    std::string folder = FolderOf(user);
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_regular_file(path, ec)) return -1;
    std::filesystem::create_directories(folder + "/Install", ec);
    std::string target = folder + "/Install/" + std::filesystem::path(path).filename().string();
    std::filesystem::copy_file(path, target, std::filesystem::copy_options::overwrite_existing, ec);
    return ec ? -1 : 0;
}
