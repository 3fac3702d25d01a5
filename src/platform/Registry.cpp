// The registry store: each call reads the file under a shared lock, each change reads,
// modifies and replaces it under an exclusive lock on a companion ".lock" file.
#include "platform/Registry.h"

#include "platform/FileSystem.h"
#include "platform/RegistryText.h"
#include "platform/WinError.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace orvanta::platform {
namespace {

// Makes every folder of path that is missing; false when one cannot be made.
bool MakeFolders(const std::string& folder) {
    for (size_t pos = 1; pos <= folder.size(); ++pos) {
        if (pos < folder.size() && folder[pos] != '/') continue;
        std::string part = folder.substr(0, pos);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return true;
}

// Holds flock on the registry's lock file for the lifetime of the object.
class RegistryLock {
public:
    RegistryLock(const std::string& path, bool exclusive) {
        if (exclusive && !MakeFolders(FolderOf(path))) return;
        m_fd = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd < 0) return;
        while (::flock(m_fd, exclusive ? LOCK_EX : LOCK_SH) != 0)
            if (errno != EINTR) {
                ::close(m_fd);
                m_fd = -1;
                return;
            }
    }
    ~RegistryLock() {
        if (m_fd >= 0) ::close(m_fd);
    }
    RegistryLock(const RegistryLock&) = delete;
    RegistryLock& operator=(const RegistryLock&) = delete;
    // Readers go on without a lock file in a folder they cannot write; writers may not.
    bool Held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

RegistryData ReadRegistry(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return ParseRegistryText(text.str());
}

uint32_t WriteRegistry(const std::string& path, const RegistryData& data) {
    std::string temp = FolderOf(path) + "/." + FileNameOf(path) + "." + std::to_string(::getpid()) + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << RegistryTextOf(data);
        out.flush();
        if (!out) {
            DeleteFile(temp);
            return WIN_ERROR_ACCESS_DENIED;
        }
    }
    uint32_t err = ReplaceFile(temp, path);
    if (err != WIN_ERROR_SUCCESS) DeleteFile(temp);
    return err;
}

// Runs change on the registry's contents under the exclusive lock and writes the result
// when change returns true.
template <typename Change>
uint32_t ModifyRegistry(Change&& change) {
    std::string path = RegistryFilePath();
    RegistryLock lock(path, true);
    if (!lock.Held()) return WIN_ERROR_ACCESS_DENIED;
    RegistryData data = ReadRegistry(path);
    if (!change(data)) return WIN_ERROR_SUCCESS;
    return WriteRegistry(path, data);
}

RegistryKeyData& KeyOf(RegistryData& data, RegistryRoot root, const std::string& key) {
    std::string path = RegistryKeyPath(root, key);
    RegistryKeyData& entry = data[FoldRegistryName(path)];
    if (entry.name.empty()) entry.name = path;
    return entry;
}

}  // namespace

RegistryValue RegistryDword(uint32_t number) {
    RegistryValue value{REG_DWORD, std::string(4, '\0')};
    std::memcpy(value.data.data(), &number, 4);
    return value;
}

RegistryValue RegistryString(const std::string& text) { return {REG_SZ, text + '\0'}; }

std::string RegistryFilePath() {
    if (const char* path = std::getenv("ORVANTA_REGISTRY"); path && *path) return path;
    std::string config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        config = xdg;
    else
        config = std::string(std::getenv("HOME") ? std::getenv("HOME") : "") + "/.config";
    return config + "/orvanta/registry";
}

uint32_t RegistryOpenKey(RegistryRoot root, const std::string& key) {
    std::string path = RegistryFilePath();
    RegistryLock lock(path, false);
    RegistryData data = ReadRegistry(path);
    return data.count(FoldRegistryName(RegistryKeyPath(root, key))) ? WIN_ERROR_SUCCESS
                                                                    : WIN_ERROR_FILE_NOT_FOUND;
}

uint32_t RegistryCreateKey(RegistryRoot root, const std::string& key) {
    return ModifyRegistry([&](RegistryData& data) {
        size_t before = data.size();
        KeyOf(data, root, key);
        return data.size() != before;
    });
}

uint32_t RegistryQueryValue(RegistryRoot root, const std::string& key, const std::string& name,
                            RegistryValue* value) {
    std::string path = RegistryFilePath();
    RegistryLock lock(path, false);
    RegistryData data = ReadRegistry(path);
    auto found = data.find(FoldRegistryName(RegistryKeyPath(root, key)));
    if (found == data.end()) return WIN_ERROR_FILE_NOT_FOUND;
    auto entry = found->second.values.find(FoldRegistryName(name));
    if (entry == found->second.values.end()) return WIN_ERROR_FILE_NOT_FOUND;
    *value = entry->second;
    return WIN_ERROR_SUCCESS;
}

uint32_t RegistrySetValue(RegistryRoot root, const std::string& key, const std::string& name,
                          const RegistryValue& value) {
    return ModifyRegistry([&](RegistryData& data) {
        RegistryKeyData& entry = KeyOf(data, root, key);
        std::string folded = FoldRegistryName(name);
        if (!entry.valueNames.count(folded)) entry.valueNames[folded] = name;
        entry.values[folded] = value;
        return true;
    });
}

uint32_t RegistryDeleteValue(RegistryRoot root, const std::string& key, const std::string& name) {
    uint32_t result = WIN_ERROR_SUCCESS;
    uint32_t err = ModifyRegistry([&](RegistryData& data) {
        auto found = data.find(FoldRegistryName(RegistryKeyPath(root, key)));
        if (found == data.end() || !found->second.values.erase(FoldRegistryName(name))) {
            result = WIN_ERROR_FILE_NOT_FOUND;
            return false;
        }
        found->second.valueNames.erase(FoldRegistryName(name));
        return true;
    });
    return err != WIN_ERROR_SUCCESS ? err : result;
}

}  // namespace orvanta::platform
