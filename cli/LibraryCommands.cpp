// The library commands over LibrarySession; messages of the library reach the error stream
// through the session's prompt.
#include "cli/LibraryCommands.h"

#include "library/CORVTDTSysDB.h"
#include "pdb/TbPDBWriter.h"
#include "platform/CodePage.h"
#include "platform/ProgramFolder.h"

#include <strings.h>

#include <algorithm>
#include <filesystem>

namespace orvanta::cli {
namespace {

using platform::ProgramFolderWith;
using platform::Utf8FromWindows1252;

std::string ListLine(LibrarySession& session, CTbItem& item) {
    item.Load(true);
    CTbObjDB& db = item.Db();
    bool readable = db.GetLoadState() > 0;
    std::string category = session.Browser().CategoryName(db.GetDbCategory());
    if (category.empty() && db.GetDbCategory() == 0) category = "Unfiled";
    return Utf8FromWindows1252(item.DisplayName()) + '\t' + item.SyncWithText() + '\t' +
           (readable ? std::to_string(db.RecordCount()) : "") + '\t' +
           (readable ? StatusText(item.GetStatus()) : Utf8FromWindows1252(item.GetLastErrorText())) + '\t' +
           Utf8FromWindows1252(readable ? category : "") + '\t' + item.SizeText();
}

bool ParseCard(const std::string& hex, CardId* card) {
    if (hex.size() != 24 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return false;
    *card = CORVTDTSysDB::DecodeCardId(hex);
    return true;
}

// The command's status: 1 when the library showed a message (a refusal) or result failed.
int Finished(LibrarySession& session, int messagesBefore, TbResult result) {
    return result < 0 || session.MessageCount() > messagesBefore ? 1 : 0;
}

}  // namespace

int RunUsers(const LibraryOptions& options, CommandIo& io) {
    CHandheldDesktop desktop(options.desktop.value_or(""));
    if (desktop.Load() < 0 || !desktop.IsLoaded())
        return Failed(
            io, "The Palm Desktop install library (INSTAIDE.DLL) was not found: there are no HotSync users.");
    std::string name;
    for (int32_t r = desktop.FirstUser(&name); r == 0; r = desktop.NextUser(&name))
        io.out << Utf8FromWindows1252(name) << '\n';
    return 0;
}

int RunList(const LibraryOptions& options, CommandIo& io) {
    LibrarySession session(options, io);
    if (!session.Open()) return 1;
    for (const auto& item : session.Browser().Items()) io.out << ListLine(session, *item) << '\n';
    return 0;
}

int RunCreate(const LibraryOptions& options, const std::string& name, int categoryIndex,
              const std::string& cardHex, CommandIo& io) {
    CardId card{};
    if (!cardHex.empty() && !ParseCard(cardHex, &card))
        return Failed(io, "A card is 24 hexadecimal digits (see \"orvanta-cli cards\").");
    LibrarySession session(options, io);
    if (!session.Open()) return 1;
    std::string pdbName;
    if (CTbObjDB::NormalizePdbName(name, true, &pdbName) < 0) return Failed(io, "A Tabulon needs a name.");
    int categories = static_cast<int>(session.Browser().Categories().size());
    if (categoryIndex < 0 || (categoryIndex > 0 && categoryIndex >= categories))
        return Failed(io, "No category " + std::to_string(categoryIndex) + " in this library.");
    if (!session.Browser().NameCheckShown(pdbName.substr(4))) return 1;
    int before = session.MessageCount();
    TbResult result = session.Browser().CreateTabulon(name, categoryIndex, card);
    if (result < 0 && session.MessageCount() == before)
        return Failed(io, "The Tabulon could not be created.");
    if (result >= 0) io.out << "Created " << Utf8FromWindows1252(pdbName.substr(4)) << '\n';
    return Finished(session, before, result);
}

int RunRename(const LibraryOptions& options, const std::string& name, const std::string& newName,
              CommandIo& io) {
    LibrarySession session(options, io);
    if (!session.Open()) return 1;
    CTbItem* item = session.FindByName(name);
    if (!item) return Failed(io, "No Tabulon named \"" + name + "\" in this library.");
    std::string pdbName;
    if (CTbObjDB::NormalizePdbName(newName, true, &pdbName) < 0) return Failed(io, "A Tabulon needs a name.");
    bool sameName = strcasecmp(pdbName.c_str(), item->PdbName().c_str()) == 0;
    if (!sameName && !session.Browser().NameCheckShown(pdbName.substr(4))) return 1;
    int before = session.MessageCount();
    TbResult result = session.Browser().Rename(item->FileName(), newName);
    if (result < 0 && session.MessageCount() == before)
        return Failed(io, "The Tabulon could not be renamed: " +
                              Utf8FromWindows1252(item->Db().Writer().GetErrorText()));
    if (result >= 0) io.out << "Renamed to " << Utf8FromWindows1252(item->DisplayName()) << '\n';
    return Finished(session, before, result);
}

int RunDelete(const LibraryOptions& options, const std::string& name, CommandIo& io) {
    LibrarySession session(options, io);
    if (!session.Open()) return 1;
    CTbItem* item = session.FindByName(name);
    if (!item) return Failed(io, "No Tabulon named \"" + name + "\" in this library.");
    std::string display = item->DisplayName();
    if (session.Browser().Delete(item->PdbName(), false) < 0)
        return Failed(io, "The Tabulon file could not be deleted.");
    io.out << "Deleted " << Utf8FromWindows1252(display) << '\n';
    return 0;
}

int RunSamples(const LibraryOptions& options, const std::vector<std::string>& install, CommandIo& io) {
    LibrarySession session(options, io);
    if (!session.Open()) return 1;
    std::string program = ProgramFolderWith("Sample Tabulons");
    if (program.empty() || session.Browser().ScanSamples(program + "/Sample Tabulons") == 0)
        return Failed(
            io,
            "No Tabulons were found in the Sample Tabulons folder.  Re-install Orvanta to get the sample "
            "files installed.");
    const auto& samples = session.Browser().Samples();
    if (install.empty()) {
        for (const auto& sample : samples) io.out << Utf8FromWindows1252(sample->DisplayName()) << '\n';
        return 0;
    }
    int status = 0;
    for (const std::string& name : install) {
        auto found = std::find_if(samples.begin(), samples.end(),
                                  [&](const auto& s) { return s->DisplayName() == name; });
        if (found == samples.end()) {
            status = Failed(io, "No sample Tabulon named \"" + name + "\".");
        } else if (session.Browser().InstallSample(**found) < 0) {
            status = 1;
        } else {
            io.out << "Installed " << Utf8FromWindows1252(name) << '\n';
        }
    }
    return status;
}

int RunCards(const LibraryOptions& options, const std::optional<std::string>& removeHex, CommandIo& io) {
    CardId card{};
    if (removeHex && !ParseCard(*removeHex, &card))
        return Failed(io, "A card is 24 hexadecimal digits (see \"orvanta-cli cards\").");
    LibrarySession session(options, io);
    if (!session.Open()) return 1;
    CTbBrowser& browser = session.Browser();
    if (removeHex) {
        if (browser.CardDisplayName(card).empty() || card == CardId{})
            return Failed(io, "No card " + *removeHex + " is known for this user.");
        browser.MoveCardItemsToHandheld(card);
        browser.RemoveCard(card);
        io.out << "Removed " << *removeHex << '\n';
        return 0;
    }
    io.out << CORVTDTSysDB::EncodeCardId(CardId{}) << "\tHandheld\n";
    for (int i = 0; i < browser.CardCount(); ++i)
        io.out << CORVTDTSysDB::EncodeCardId(browser.Card(i).id) << '\t'
               << Utf8FromWindows1252(browser.Card(i).name) << '\n';
    return 0;
}

int RunQueueHandheld(const LibraryOptions& options, CommandIo& io) {
    LibrarySession session(options, io);
    if (!session.Open()) return 1;
    CHandheldDesktop queue(options.desktop.value_or(""));
    int32_t result = queue.QueueHandheldApplications(ProgramFolderWith("Handheld"), session.User());
    queue.Unload();
    if (result != 0) return Failed(io, "Error: The handheld applications did not install correctly.");
    io.out << "Handheld Application Queued For Installation: The handheld application has been queued for "
              "installation.  Installation will occur at the time of the next synchronization.\n";
    return 0;
}

bool NamesLibraryTabulon(const std::string& file, const LibraryOptions& options) {
    // A path (a folder part, a ".PDB" name or an existing file) is read as given.
    std::error_code ec;
    bool isPath = file.find('/') != std::string::npos || std::filesystem::exists(file, ec) ||
                  (file.size() > 4 && strcasecmp(file.c_str() + file.size() - 4, ".PDB") == 0);
    return options.user || options.desktop || !isPath;
}

bool ResolveTabulonPath(const std::string& file, const LibraryOptions& options, CommandIo& io,
                        std::string* path) {
    if (!NamesLibraryTabulon(file, options)) {
        *path = file;
        return true;
    }
    LibrarySession session(options, io);
    if (!session.Open()) return false;
    CTbItem* item = session.FindByName(file);
    if (!item) {
        Failed(io, "No Tabulon named \"" + file + "\" in the library of " + session.User() + ".");
        return false;
    }
    *path = item->FullPath();
    return true;
}

}  // namespace orvanta::cli
