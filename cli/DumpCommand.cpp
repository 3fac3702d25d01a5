// dump: a full read with the reader's diagnostic dump switched on, the dump going next to the
// file, to a path of the user's choice, or through a temporary file to the standard output.
#include "cli/Commands.h"
#include "cli/TabulonIo.h"

#include "model/TbObjDB.h"
#include "pdb/TbPDBReader.h"
#include "platform/FileSystem.h"

#include <fstream>

namespace orvanta::cli {
namespace {

constexpr const char* kToStandardOutput = "-";

// Copies the whole file to out, as its bytes.
void CopyFileTo(const std::string& path, std::ostream& out) {
    std::ifstream in(path, std::ios::binary);
    if (in && in.peek() != std::ifstream::traits_type::eof()) out << in.rdbuf();
    out.flush();
}

}  // namespace

int RunDump(const std::string& path, const std::optional<std::string>& output, CommandIo& io) {
    CTbObjDB db;
    db.Reader().SetDumpFlag(true);
    std::string tempPath;
    if (output && *output == kToStandardOutput) {
        if (platform::MakeTempFile(platform::TempFolder(), "orvanta-dump-", &tempPath) != 0)
            return Failed(io, "Could not create a temporary file in " + platform::TempFolder() + ".");
        db.Reader().SetDumpPath(tempPath);
    } else {
        db.Reader().SetDumpPath(output.value_or(""));
    }
    std::string message;
    bool loaded = LoadTabulon(db, path, io, &message);
    if (!tempPath.empty()) {
        CopyFileTo(tempPath, io.out);
        platform::DeleteFile(tempPath);
    }
    return loaded ? 0 : Failed(io, message);
}

}  // namespace orvanta::cli
