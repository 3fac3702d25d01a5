// Reading and writing a whole Tabulon for the commands, with the progress shown around it and
// the reader's or writer's message handed back when it fails.
#pragma once

#include <string>

class CTbObjDB;
class IProgressIndicator;

namespace orvanta::cli {

// A full read of the file at path into db, a database not loaded before; with designOnly, the
// header and design without the data records. False with the reader's message (or the
// model's generic one when the reader gives none).
bool LoadTabulon(CTbObjDB& db, const std::string& path, IProgressIndicator* progress, std::string* message,
                 bool designOnly = false);

// Writes db to its location (CTbObjDB::FullPath). False with the writer's message.
bool SaveTabulon(CTbObjDB& db, IProgressIndicator* progress, std::string* message);

}  // namespace orvanta::cli
