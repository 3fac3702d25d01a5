#include "platform/DriveType.h"

#include "platform/FileSystem.h"

#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <fstream>

namespace orvanta::platform {

namespace {

// File-system magic numbers (linux/magic.h) of network and optical file systems.
constexpr unsigned long kNfs = 0x6969, kSmb = 0x517B, kCifs = 0xFF534D42, kSmb2 = 0xFE534D42,
                        kAfs = 0x5346414F, kCoda = 0x73757245, kNcp = 0x564C, kCeph = 0x00C36400,
                        kIso9660 = 0x9660, kUdf = 0x15013346;

std::string NearestExistingFolder(std::string path) {
    struct stat st {};
    while (!path.empty() && ::stat(path.c_str(), &st) != 0) path = FolderOf(path);
    return path.empty() ? "." : path;
}

// The block device's "removable" flag from sysfs, looking at the partition and its disk.
bool IsRemovableDevice(dev_t dev) {
    std::string base = "/sys/dev/block/" + std::to_string(major(dev)) + ":" + std::to_string(minor(dev));
    for (const char* rel : {"/removable", "/../removable"}) {
        std::ifstream in(base + rel);
        int flag = 0;
        if (in >> flag) return flag == 1;
    }
    return false;
}

}  // namespace

DriveType ClassifyDrive(const std::string& path) {
    std::string folder = NearestExistingFolder(path);
    struct statfs fs {};
    struct stat st {};
    if (::statfs(folder.c_str(), &fs) != 0 || ::stat(folder.c_str(), &st) != 0) return DriveType::Unknown;
    switch (static_cast<unsigned long>(fs.f_type)) {
        case kNfs:
        case kSmb:
        case kCifs:
        case kSmb2:
        case kAfs:
        case kCoda:
        case kNcp:
        case kCeph:
            return DriveType::Remote;
        case kIso9660:
        case kUdf:
            return DriveType::CdRom;
        default:
            break;
    }
    return IsRemovableDevice(st.st_dev) ? DriveType::Removable : DriveType::Fixed;
}

}  // namespace orvanta::platform
