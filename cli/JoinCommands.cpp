// recalc and json --resolved on a Tabulon of the user's library: its joins resolved against the
// library's other Tabulons and its computed fields recalculated.
#include "cli/Commands.h"
#include "cli/JsonExport.h"
#include "cli/LibrarySession.h"
#include "cli/TabulonIo.h"

#include "expr/CTbRecalculator.h"
#include "model/TbObjDB.h"
#include "model/TbObjRecord.h"
#include "platform/Component.h"

namespace orvanta::cli {

namespace {

// The named Tabulon read in full, its joins resolved and every record recalculated; none with
// the reason on the error stream.
CTbItem* ResolvedItem(LibrarySession& session, const std::string& name, CommandIo& io) {
    if (!session.Open()) return nullptr;
    CTbItem* item = session.FindByName(name);
    if (!item) {
        Failed(io, "No Tabulon named \"" + name + "\" in the library of " + session.User() + ".");
        return nullptr;
    }
    TbResult result = item->Load(false);
    for (const TbLoadWarning& warning : item->Db().LoadWarnings())
        io.err << "warning: " << warning.text << '\n';
    if (result < 0) {
        std::string message = item->GetLastErrorText();
        Failed(io, message.empty() ? "The Tabulon could not be read." : message);
        return nullptr;
    }
    item->ResolveJoins();
    item->Recalculate(true);
    return item;
}

}  // namespace

int RunLibraryRecalc(const std::string& name, const LibraryOptions& options, const SaveTarget& target,
                     CommandIo& io) {
    LibrarySession session(options, io);
    try {
        CTbItem* item = ResolvedItem(session, name, io);
        if (!item) return 1;
        size_t computed = CTbRecalculator(item->Db()).ComputedFields().size();
        io.out << "Resolved joins and recalculated " << computed << " computed field"
               << (computed == 1 ? "" : "s") << " in " << item->Db().Records().Count(false) << " records.\n";
        std::string message;
        if (!SaveTabulon(item->Db(), target, io, &message)) return Failed(io, message);
    } catch (const platform::ComError& error) {
        return Failed(io, error.what());
    }
    return 0;
}

int RunResolvedJson(const std::string& name, const LibraryOptions& options, CommandIo& io) {
    LibrarySession session(options, io);
    try {
        CTbItem* item = ResolvedItem(session, name, io);
        if (!item) return 1;
        JsonWriter out(&io.out);
        WriteTabulonJson(out, item->Db(), true, true);
        out.Flush();
        io.out << '\n';
    } catch (const platform::ComError& error) {
        return Failed(io, error.what());
    }
    return 0;
}

}  // namespace orvanta::cli
