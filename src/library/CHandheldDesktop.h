// CHandheldDesktop: the Palm Desktop beside the program, through its install library
// INSTAIDE.DLL: the HotSync users, each user's folder, and the install queue of the handheld.
#pragma once

#include "library/PalmDesktopApi.h"
#include "platform/RuntimeLibrary.h"

#include <cstdint>
#include <string>

class CHandheldDesktop {
public:
    // The Palm Desktop folder: desktopFolder when given, else the folder of the registry's
    // HotSyncPath.
    explicit CHandheldDesktop(std::string desktopFolder = "");
    virtual ~CHandheldDesktop() = default;

    // 1 when loaded before; 0 when loaded now or when no library can be found;
    // 0x80004005 when the library lacks one of the four user functions.
    int32_t Load();
    bool IsLoaded() const { return m_library.IsLoaded(); }
    void Unload();
    // A user that is not a profile and 0, or 0x80004005 when there are no more.
    int32_t FirstUser(std::string* name);
    int32_t NextUser(std::string* name);
    // 0 and the user's folder, or 0x80004005.
    int32_t UserDirectory(const std::string& user, std::string* directory);
    // Queues "Orvanta.prc" and its plug-ins from programFolder/Handheld: 0, the first failure
    // of the install function, or 0 with nothing queued when the library cannot be loaded.
    int32_t QueueHandheldApplications(const std::string& programFolder, const std::string& user);

    // The handheld files in the order they are queued.
    static const char* const kHandheldFiles[4];
    // The folder of the registry's "HotSyncPath" ("" when it is not set).
    static std::string RegistryDesktopFolder();
    // The desktop folder this object uses.
    std::string DesktopFolder() const;

private:
    std::string m_desktopFolder;
    orvanta::platform::RuntimeLibrary m_library;
    unsigned int m_userIndex = 0;
    PltGetUserCountFn m_getUserCount = nullptr;
    PltGetUserFn m_getUser = nullptr;
    PltGetUserDirectoryFn m_getUserDirectory = nullptr;
    PltIsUserProfileFn m_isUserProfile = nullptr;
    PltRemoveInstallFileFn m_removeInstallFile = nullptr;
    PltInstallFileFn m_installFile = nullptr;
};

// HSAPI's answer: true only when its status is 1. Without the registry key or the library
// HotSync counts as not running.
bool IsHotSyncRunning(const std::string& desktopFolder = "");
