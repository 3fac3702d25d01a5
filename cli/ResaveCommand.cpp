// resave: reads a Tabulon in full and writes it again, in place or to another file; the
// repair for a file the handheld or an older program left in an awkward state.
#include "cli/Commands.h"
#include "cli/TabulonIo.h"

#include "model/TbObjDB.h"

namespace orvanta::cli {

int RunResave(const std::string& path, const SaveTarget& target, CommandIo& io) {
    CTbObjDB db;
    std::string message;
    if (!LoadTabulon(db, path, io, &message)) return Failed(io, message);
    if (!SaveTabulon(db, target, io, &message)) return Failed(io, message);
    return 0;
}

}  // namespace orvanta::cli
