// The library commands of orvanta-cli: what the desktop program's main window shows and does
// for a HotSync user's Tabulons. Each returns the exit status: 0 done, 1 refused or failed.
#pragma once

#include "cli/Commands.h"
#include "cli/LibrarySession.h"

#include <optional>
#include <string>
#include <vector>

namespace orvanta::cli {

// The HotSync users that are not profiles, one a line.
int RunUsers(const LibraryOptions& options, CommandIo& io);
// One line per Tabulon in the library's order: Name, Sync With, Records, Status, Category,
// Size, tab-separated.
int RunList(const LibraryOptions& options, CommandIo& io);
// categoryIndex in the user's category list (0 Unfiled); card as 24 hexadecimal digits.
int RunCreate(const LibraryOptions& options, const std::string& name, int categoryIndex,
              const std::string& cardHex, CommandIo& io);
int RunRename(const LibraryOptions& options, const std::string& name, const std::string& newName,
              CommandIo& io);
int RunDelete(const LibraryOptions& options, const std::string& name, CommandIo& io);
// Without names: the samples offered; with names: installs those.
int RunSamples(const LibraryOptions& options, const std::vector<std::string>& install, CommandIo& io);
// The cards known for the user ("Handheld" first); with a card: removes it, moving its
// Tabulons to handheld memory.
int RunCards(const LibraryOptions& options, const std::optional<std::string>& removeHex, CommandIo& io);
int RunQueueHandheld(const LibraryOptions& options, CommandIo& io);

// The path of a file command's FILE: the path itself, or with --user or --desktop (or for a
// bare name that is no file) the file of the library's Tabulon of that name. False with the reason on io.err.
// True when FILE names a Tabulon of the library rather than a file: with --user or --desktop,
// or when it is a bare name that is no file.
bool NamesLibraryTabulon(const std::string& file, const LibraryOptions& options);
bool ResolveTabulonPath(const std::string& file, const LibraryOptions& options, CommandIo& io,
                        std::string* path);

}  // namespace orvanta::cli
