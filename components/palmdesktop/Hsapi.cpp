// The stand-in of Palm's HotSync status library HSAPI: the status is the number in the file
// "HotSync.status" of its folder (1 while a HotSync runs); no file means no HotSync.
#include "StandInFolder.h"
#include "library/PalmDesktopApi.h"

#include <cstdlib>

ORVANTA_STANDIN_EXPORT int32_t HsGetSyncStatus(uint32_t* status) {
    std::ifstream in(orvanta::standin::OwnFolder() + "/HotSync.status", std::ios::binary);
    char text[32] = {};
    in.read(text, sizeof text - 1);
    *status = static_cast<uint32_t>(std::strtoul(text, nullptr, 10));
    return 0;
}
