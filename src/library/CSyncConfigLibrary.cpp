// The sync-configuration library's four calls; every one answers false without the library.
#include "library/CSyncConfigLibrary.h"

#include "library/CQnRegEntry.h"

std::string CSyncConfigLibrary::LibraryFolder() {
    CQnRegEntry path("Orvanta\\", "Path");
    path.Read();
    char folder[CQnRegEntry::kBufferSize];
    path.GetString(folder, sizeof folder);
    std::string result = folder;
    if (result.empty()) return result;
    if (result.back() != '/') result += '/';
    return result + "Desktop/";
}

bool CSyncConfigLibrary::IsAvailable() {
    if (m_tried) return m_library.IsLoaded();
    m_tried = true;
    if (!m_library.Load(LibraryFolder() + "DocklineConfigMgr.dll")) return false;
    m_getInfo = m_library.Entry<GetTBDocklineInfoFn>("GetTBDocklineInfo");
    m_delete = m_library.Entry<DeleteSyncConfigFn>("DeleteSyncConfig");
    m_new = m_library.Entry<DoNewSyncConfigFn>("DoNewSyncConfig");
    m_edit = m_library.Entry<EditSyncConfigFn>("EditSyncConfig");
    if (!m_getInfo || !m_delete || !m_new || !m_edit) m_library.Free();
    return m_library.IsLoaded();
}

bool CSyncConfigLibrary::HasConfiguration(const std::string& displayName, const std::string& user,
                                          uint16_t* configId) {
    *configId = kNoSyncConfig;
    if (!IsAvailable()) return false;
    char table[260] = {}, source[260] = {};
    m_getInfo(displayName.c_str(), user.c_str(), table, source, sizeof table, configId);
    return *configId < kNoSyncConfig;
}

bool CSyncConfigLibrary::DeleteConfiguration(const std::string& displayName, const std::string& user) {
    uint16_t id;
    if (!HasConfiguration(displayName, user, &id)) return false;
    return m_delete(id) == 0;
}

bool CSyncConfigLibrary::NewConfiguration(const std::string& user, const std::string& pdbName) {
    return IsAvailable() && m_new(user.c_str(), pdbName.c_str()) == 0;
}

bool CSyncConfigLibrary::EditConfiguration(const std::string& user, const std::string& fullPath,
                                           uint16_t configId) {
    return IsAvailable() && configId < kNoSyncConfig && m_edit(user.c_str(), fullPath.c_str(), configId) == 0;
}
