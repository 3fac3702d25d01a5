// The entry points of the Palm Desktop libraries and of the sync-configuration library, as the
// desktop program calls them: the binding both the program and the stand-in libraries use.
#pragma once

#include <cstdint>

extern "C" {
// INSTAIDE.DLL: the HotSync users, their folders and the install queue.
using PltGetUserCountFn = int (*)();
// The name of user index into name (size bytes with the NUL): its length, or 0 or less on failure.
using PltGetUserFn = int (*)(unsigned int index, char* name, short* size);
// The user's folder (an absolute path) into buffer: 0 or more, negative on failure.
using PltGetUserDirectoryFn = int (*)(const char* user, char* buffer, int* size);
// Non-zero for a profile, which is not a real user.
using PltIsUserProfileFn = int (*)(const char* user);
// Removes a queued file by its bare name: 0 done (also when none was queued).
using PltRemoveInstallFileFn = int (*)(const char* user, const char* fileName);
// Queues a file for the next HotSync: 0 done, non-zero failed.
using PltInstallFileFn = int (*)(const char* user, const char* path);

// HSAPI: 0 and *status (1 while a HotSync runs), or non-zero when the status is unknown.
using HsGetSyncStatusFn = int32_t (*)(uint32_t* status);

// DocklineConfigMgr.dll: the desktop-database sync configurations of Tabulons.
// The two out texts (size bytes each) are not used by the program; *configId stays 65535
// when the Tabulon has no configuration.
using GetTBDocklineInfoFn = int (*)(const char* tabulon, const char* user, char* table, char* source,
                                    int size, uint16_t* configId);
using DeleteSyncConfigFn = int (*)(uint16_t configId);
using DoNewSyncConfigFn = int (*)(const char* user, const char* pdbName);
using EditSyncConfigFn = int (*)(const char* user, const char* fullPath, uint16_t configId);
}

inline constexpr uint16_t kNoSyncConfig = 0xFFFF;
