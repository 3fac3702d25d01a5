// The commands of orvanta-cli, each reading its Tabulon and writing to the given streams.
// Each returns the exit status: 0 done, 1 failed (the one-line message is on the error stream).
#pragma once

#include <optional>
#include <ostream>
#include <string>

class IProgressIndicator;

namespace orvanta::cli {

// Where a command writes: its output, its messages, and the progress of reads and writes.
struct CommandIo {
    std::ostream& out;
    std::ostream& err;
    IProgressIndicator* progress = nullptr;
};

// Where a command that changes a Tabulon saves it: in place, or to output (keeping the Tabulon's
// own name). force replaces the file in place even when its read passed over damage.
struct SaveTarget {
    std::optional<std::string> output;
    bool force = false;
};

// Writes a failure's message (its lines) on the error stream; returns the exit status 1.
inline int Failed(CommandIo& io, const std::string& message) {
    io.err << message << '\n';
    return 1;
}

// Name, design version, record count, the used fields, views, filters and tabs, for people;
// reads the header and design only (the record count is the header's).
int RunInfo(const std::string& path, CommandIo& io);

// The whole Tabulon as JSON (see JsonExport.h).
int RunJson(const std::string& path, CommandIo& io);

// A full read with the reader's diagnostic dump on. Without output the dump goes next to the
// file (X.PDB gives X.txt); "-" sends it to io.out; any other output is the dump's path.
// A failed read still leaves the dump written so far.
int RunDump(const std::string& path, const std::optional<std::string>& output, CommandIo& io);

// A full read and a save, in place or to the target's output.
int RunResave(const std::string& path, const SaveTarget& target, CommandIo& io);

// A full read, a save to a temporary file, a second read of it and a comparison of the two:
// "ok" (0), or one line per difference (1).
int RunCheck(const std::string& path, CommandIo& io);

// Parses an expression (UTF-8) against the Tabulon's fields; shows the token list, the text
// turned back from it and the result and colour for record N (counted from 1; every record
// without one), or the parse error with its location (1).
int RunExpr(const std::string& path, const std::string& text, const std::string& format,
            std::optional<int> recordNumber, CommandIo& io);

// Stores a parsed expression (and, when given, a result format) in the Advanced Expression
// field of the slot, recalculates every record and saves as the target says.
int RunSetExpression(const std::string& path, int slot, const std::string& text,
                     const std::optional<std::string>& format, const SaveTarget& target, CommandIo& io);

// Recalculates every computed field of every record and saves as the target says.
int RunRecalc(const std::string& path, const SaveTarget& target, CommandIo& io);

struct LibraryOptions;

// The library's Tabulon of that name: its joins resolved against the library, every computed
// field of every record recalculated (forced), then saved as the target says.
int RunLibraryRecalc(const std::string& name, const LibraryOptions& options, const SaveTarget& target,
                     CommandIo& io);

// The library's Tabulon of that name as JSON, joins resolved and computed fields recalculated,
// not saved; each DB Join and DB Lookup value with its "display" text. A joined Tabulon that
// is missing shows "UNRESOLVED" and is no failure.
int RunResolvedJson(const std::string& name, const LibraryOptions& options, CommandIo& io);

}  // namespace orvanta::cli
