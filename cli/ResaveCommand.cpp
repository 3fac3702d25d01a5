// resave: reads a Tabulon in full and writes it again, in place or to another file; the
// repair for a file the handheld or an older program left in an awkward state.
#include "cli/Commands.h"
#include "cli/TabulonIo.h"

#include "model/TbObjDB.h"

namespace orvanta::cli {

int RunResave(const std::string& path, const std::optional<std::string>& output, CommandIo& io) {
    CTbObjDB db;
    std::string message;
    if (!LoadTabulon(db, path, io.progress, &message)) return Failed(io, message);
    // A new location changes the file only: the Tabulon keeps the name it was read with.
    if (output) db.SetLocation(*output, true);
    if (!SaveTabulon(db, io.progress, &message)) return Failed(io, message);
    return 0;
}

}  // namespace orvanta::cli
