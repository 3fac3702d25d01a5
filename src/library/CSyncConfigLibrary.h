// CSyncConfigLibrary: the optional desktop-database sync set-up "DocklineConfigMgr.dll",
// loaded on first use from the install folder's "Desktop" folder; usable only with all four
// entry points.
#pragma once

#include "library/PalmDesktopApi.h"
#include "platform/RuntimeLibrary.h"

#include <cstdint>
#include <string>

class CSyncConfigLibrary {
public:
    // True when the Tabulon has a configuration; its id in *configId (65535 when none).
    bool HasConfiguration(const std::string& displayName, const std::string& user, uint16_t* configId);
    bool DeleteConfiguration(const std::string& displayName, const std::string& user);
    bool NewConfiguration(const std::string& user, const std::string& pdbName);
    bool EditConfiguration(const std::string& user, const std::string& fullPath, uint16_t configId);
    bool IsAvailable();

    // The install folder's "Desktop" folder: the registry's "Path" under "Software\Quennel\Orvanta\".
    static std::string LibraryFolder();

private:
    bool m_tried = false;
    orvanta::platform::RuntimeLibrary m_library;
    GetTBDocklineInfoFn m_getInfo = nullptr;
    DeleteSyncConfigFn m_delete = nullptr;
    DoNewSyncConfigFn m_new = nullptr;
    EditSyncConfigFn m_edit = nullptr;
};
