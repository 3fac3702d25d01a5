// Reading and writing a whole Tabulon for the commands, with the progress shown around it, the
// read's warnings on the error stream, and the reader's or writer's message when it fails.
#pragma once

#include "cli/Commands.h"

#include <string>

class CTbObjDB;

namespace orvanta::cli {

// A full read of the file at path into db, a database not loaded before; with designOnly, the
// header and design without the data records. Each thing the read passed over or repaired goes
// to io.err as a line "warning: ...". False with the reader's message (or the model's generic
// one when the reader gives none).
bool LoadTabulon(CTbObjDB& db, const std::string& path, CommandIo& io, std::string* message,
                 bool designOnly = false);

// Writes db to target.output, or in place. In place is refused (false, with the message) when
// the read passed over records or values the save would drop or change, unless target.force.
// False with the writer's message when the save fails.
bool SaveTabulon(CTbObjDB& db, const SaveTarget& target, CommandIo& io, std::string* message);

}  // namespace orvanta::cli
