// Joins resolved against the Tabulon files of a folder, and the recalculation after them.
#include "library/CTbFolderTabulons.h"

#include "expr/CTbRecalculator.h"
#include "library/CTbBrowser.h"
#include "model/TbObjDB.h"

CTbFolderTabulons::CTbFolderTabulons(const std::string& folder)
    : m_folder(folder.empty() || folder.back() == '/' ? folder : folder + "/") {}

CTbFolderTabulons::~CTbFolderTabulons() = default;

CTbObjDB* CTbFolderTabulons::Find(const std::string& displayName) {
    if (!m_scanned) {
        m_scanned = true;
        for (const std::string& name : TabulonFiles(m_folder)) {
            auto db = std::make_unique<CTbObjDB>();
            db->SetLocation(m_folder + name, true);
            if (db->Load(true) >= 0) m_tabulons.push_back(std::move(db));
        }
    }
    for (const auto& db : m_tabulons) {
        if (db->DisplayName() != displayName) continue;
        if (db->GetLoadState() == TB_LOAD_HEADER && db->Load(false) < 0) return nullptr;
        return db->GetLoadState() == TB_LOAD_FULL ? db.get() : nullptr;
    }
    return nullptr;
}

void ResolveBesideFile(CTbObjDB& db, IProgressIndicator* progress, orvanta::platform::IPrompt* prompt) {
    CTbFolderTabulons beside(db.GetFolder());
    CTbJoinResolver(db, beside.Finder()).ResolveAll(progress);
    CTbRecalculator(db, prompt).RecalculateAll(progress);
}
