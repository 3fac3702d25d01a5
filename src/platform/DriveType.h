// Classifies the drive a path lives on, as GetDriveType does: removable media and optical
// discs count as removable, network file systems as remote.
#pragma once

#include <string>

namespace orvanta::platform {

enum class DriveType { Unknown, Fixed, Removable, CdRom, Remote };

// Looks at the file system of the nearest existing folder on the path.
DriveType ClassifyDrive(const std::string& path);

}  // namespace orvanta::platform
