// The program's folders, found from /proc/self/exe.
#include "platform/ProgramFolder.h"

#include <limits.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace orvanta::platform {

std::string ProgramFolder() {
    char path[PATH_MAX];
    ssize_t length = ::readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0) return {};
    std::string text(path, static_cast<size_t>(length));
    return text.substr(0, text.find_last_of('/'));
}

std::string ProgramFolderWith(const std::string& sub) {
    if (const char* folder = std::getenv("ORVANTA_PROGRAM_FOLDER"); folder && *folder) return folder;
    std::filesystem::path program = ProgramFolder();
    if (program.empty()) return {};
    for (const auto& folder :
         {program, program.parent_path() / "share" / "orvanta", program.parent_path() / "samples"}) {
        std::error_code ec;
        if (std::filesystem::is_directory(folder / sub, ec)) return folder.string();
    }
    return {};
}

}  // namespace orvanta::platform
