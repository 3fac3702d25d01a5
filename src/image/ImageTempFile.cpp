// Temporary files get their unique name from the platform (GetTempFileName's "<prefix>XXXXXX.tmp"),
// which is renamed to the operation's extension.
#include "image/ImageTempFile.h"

#include "platform/FileSystem.h"

namespace orvanta::image {

bool MakeImageTempFile(const std::string& prefix, const std::string& extension, std::string* path) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::string made;
        if (platform::MakeTempFile(platform::TempFolder(), prefix, &made) != 0) return false;
        const std::string renamed = made.substr(0, made.size() - 3) + extension;
        const uint32_t moved = platform::MoveFile(made, renamed);
        if (moved == 0) {
            *path = renamed;
            return true;
        }
        platform::DeleteFile(made);  // that name is taken: try another
    }
    return false;
}

}  // namespace orvanta::image
