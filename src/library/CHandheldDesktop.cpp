// Loading INSTAIDE.DLL (the current folder first, then the HotSync program's folder), the user
// enumeration that passes over profiles, and the install queue.
#include "library/CHandheldDesktop.h"

#include "platform/FileSystem.h"
#include "platform/Registry.h"

namespace pf = orvanta::platform;

namespace {
constexpr int32_t kFail = static_cast<int32_t>(0x80004005u);
constexpr const char* kPalmCoreKey = "Software\\U.S. Robotics\\Pilot Desktop\\Core";

// Windows paths may arrive with backslashes; the folder part is what comes before the last one.
std::string FolderOfPath(const std::string& path) {
    size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? std::string() : path.substr(0, cut == 0 ? 1 : cut);
}

// A user folder the library may work in: absolute and without ".." parts.
bool IsPlainAbsoluteFolder(const std::string& folder) {
    if (folder.empty() || folder[0] != '/') return false;
    std::string padded = folder + "/";
    return padded.find("/../") == std::string::npos;
}
}  // namespace

const char* const CHandheldDesktop::kHandheldFiles[4] = {"Orvanta.prc", "OrvantaChecklist.prc",
                                                         "OrvantaDatebook.prc", "OrvantaTimer.prc"};

CHandheldDesktop::CHandheldDesktop(std::string desktopFolder) : m_desktopFolder(std::move(desktopFolder)) {}

std::string CHandheldDesktop::RegistryDesktopFolder() {
    pf::RegistryValue value;
    if (pf::RegistryQueryValue(pf::RegistryRoot::CurrentUser, kPalmCoreKey, "HotSyncPath", &value) != 0 ||
        value.type != pf::REG_SZ || value.data.size() > 260)
        return {};
    return FolderOfPath(value.data.c_str());
}

std::string CHandheldDesktop::DesktopFolder() const {
    return m_desktopFolder.empty() ? RegistryDesktopFolder() : m_desktopFolder;
}

int32_t CHandheldDesktop::Load() {
    if (IsLoaded()) return 1;
    if (!m_library.Load("INSTAIDE.DLL")) {
        std::string folder = DesktopFolder();
        if (folder.empty() || !m_library.Load(folder + "/INSTAIDE.DLL")) return 0;
    }
    m_userIndex = 0;
    m_getUserCount = m_library.Entry<PltGetUserCountFn>("PltGetUserCount");
    m_getUser = m_library.Entry<PltGetUserFn>("PltGetUser");
    m_getUserDirectory = m_library.Entry<PltGetUserDirectoryFn>("PltGetUserDirectory");
    m_isUserProfile = m_library.Entry<PltIsUserProfileFn>("PltIsUserProfile");
    m_removeInstallFile = m_library.Entry<PltRemoveInstallFileFn>("PltRemoveInstallFile");
    m_installFile = m_library.Entry<PltInstallFileFn>("PltInstallFile");
    if (m_getUserCount && m_getUser && m_getUserDirectory && m_isUserProfile) return 0;
    Unload();
    return kFail;
}

void CHandheldDesktop::Unload() {
    m_library.Free();
    m_getUserCount = nullptr;
    m_getUser = nullptr;
    m_getUserDirectory = nullptr;
    m_isUserProfile = nullptr;
    m_removeInstallFile = nullptr;
    m_installFile = nullptr;
}

int32_t CHandheldDesktop::FirstUser(std::string* name) {
    m_userIndex = 0;
    return NextUser(name);
}

int32_t CHandheldDesktop::NextUser(std::string* name) {
    name->clear();
    if (!IsLoaded()) return kFail;
    while (static_cast<int>(m_userIndex) < m_getUserCount()) {
        char buffer[256] = {};
        short size = sizeof buffer;
        int result = m_getUser(m_userIndex++, buffer, &size);
        if (result <= 0) return kFail;
        buffer[sizeof buffer - 1] = '\0';
        if (m_isUserProfile(buffer)) continue;
        *name = buffer;
        return 0;
    }
    return kFail;
}

int32_t CHandheldDesktop::UserDirectory(const std::string& user, std::string* directory) {
    directory->clear();
    if (!IsLoaded()) return kFail;
    char buffer[260] = {};
    int size = sizeof buffer;
    if (m_getUserDirectory(user.c_str(), buffer, &size) < 0) return kFail;
    buffer[sizeof buffer - 1] = '\0';
    if (!IsPlainAbsoluteFolder(buffer)) return kFail;
    *directory = buffer;
    return 0;
}

int32_t CHandheldDesktop::QueueHandheldApplications(const std::string& programFolder,
                                                    const std::string& user) {
    if (Load() < 0 || !IsLoaded() || !m_installFile) return 0;
    for (const char* file : kHandheldFiles) {
        if (m_removeInstallFile) m_removeInstallFile(user.c_str(), file);
        std::string path = programFolder + "/Handheld/" + file;
        if (int result = m_installFile(user.c_str(), path.c_str()); result != 0) return result;
    }
    return 0;
}

bool IsHotSyncRunning(const std::string& desktopFolder) {
    std::string folder = desktopFolder.empty() ? CHandheldDesktop::RegistryDesktopFolder() : desktopFolder;
    if (folder.empty()) return false;
    pf::RuntimeLibrary hsapi;
    if (!hsapi.Load(folder + "/HSAPI.dll")) return false;
    auto getStatus = hsapi.Entry<HsGetSyncStatusFn>("HsGetSyncStatus");
    uint32_t status = 0;
    if (!getStatus || getStatus(&status) != 0) return false;
    return status == 1;
}
