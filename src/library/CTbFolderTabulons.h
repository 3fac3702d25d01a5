// CTbFolderTabulons: the Tabulons beside a Tabulon file, for resolving its joins without an open
// library: the "MRA_*.PDB" files of its folder (the files a library of that folder lists),
// each found by the display name in its header and read in full on first use.
#pragma once

#include "library/CTbJoinResolver.h"

#include <memory>
#include <string>
#include <vector>

class CTbObjDB;
class IProgressIndicator;

namespace orvanta::platform {
class IPrompt;
}

class CTbFolderTabulons {
public:
    // folder: where the Tabulon files are, with or without a final "/".
    explicit CTbFolderTabulons(const std::string& folder);
    ~CTbFolderTabulons();
    CTbFolderTabulons(const CTbFolderTabulons&) = delete;
    CTbFolderTabulons& operator=(const CTbFolderTabulons&) = delete;

    // The Tabulon whose display name is displayName (exactly), read in full; none when the folder
    // has no such Tabulon or it cannot be read. The object lives as long as this one.
    CTbObjDB* Find(const std::string& displayName);
    CTbJoinResolver::TabulonFinder Finder() {
        return [this](const std::string& displayName) { return Find(displayName); };
    }

private:
    std::string m_folder;
    bool m_scanned = false;
    std::vector<std::unique_ptr<CTbObjDB>> m_tabulons;  // headers read; full once found
};

// What the library does for a Tabulon before it is exported: its joins resolved against the
// Tabulons beside its file (db was read from FullPath()) and every record recalculated.
// Evaluation failures are shown through the prompt when given.
void ResolveBesideFile(CTbObjDB& db, IProgressIndicator* progress, orvanta::platform::IPrompt* prompt);
