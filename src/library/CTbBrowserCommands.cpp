// The browser's operations on whole Tabulons: create, delete, rename and the samples, with the
// messages the desktop program shows when one is refused.
#include "library/CTbBrowser.h"

#include "platform/FileSystem.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace pf = orvanta::platform;

namespace {

std::string Formatted(const char* format, const std::string& text) {
    std::vector<char> buffer(std::char_traits<char>::length(format) + text.size() + 1);
    std::snprintf(buffer.data(), buffer.size(), format, text.c_str());
    return buffer.data();
}

constexpr const char* kNameExists = "Cannot create %s.  A Tabulon with this name already exists.";
constexpr const char* kNameDeleted =
    "Cannot create  %s. A Tabulon with this name was deleted on the desktop since your last HotSync. \nUse a "
    "unique name for this Tabulon, or perform a HotSync and try this action again.";
constexpr const char* kCannotCopy =
    "Cannot copy the file %s.  Check to make sure that the file is not locked by another application or that "
    "it doesn't already exist.";

}  // namespace

bool CTbBrowser::NameCheckShown(const std::string& displayName) const {
    bool deleted = false;
    if (NameCheck(displayName, &deleted)) return true;
    ShowMessage(Formatted(deleted ? kNameDeleted : kNameExists, displayName));
    return false;
}

TbResult CTbBrowser::CreateTabulon(const std::string& name, int categoryIndex, const CardId& card) {
    if (m_userFolder.empty()) return TB_E_FAIL;
    uint8_t category = 0;
    if (categoryIndex > 0 && categoryIndex < static_cast<int>(m_categories.size()))
        category = static_cast<uint8_t>(m_categories[static_cast<size_t>(categoryIndex)].id);
    CTbObjDB db;
    std::string pdbName;
    if (CTbObjDB::NormalizePdbName(name, true, &pdbName) < 0) return TB_E_FAIL;
    db.SetPdbName(pdbName);
    db.SetLocation(m_userFolder, false);
    // A file of that name that the library does not list (a link, say) is never overwritten.
    if (pf::FindFile(db.FullPath(), nullptr) == 0) {
        ShowMessage(Formatted(kNameExists, db.DisplayName()));
        return TB_E_FAIL;
    }
    TbResult result = db.CreateNew(name, category, m_userFolder);
    std::string fileName = db.FileName();
    if (result >= 0 && pf::FindFile(m_userFolder + fileName, nullptr) == 0) AddItem(fileName, &card);
    return result;
}

TbResult CTbBrowser::Delete(const std::string& pdbName, bool unrecorded) {
    auto found = std::find_if(m_items.begin(), m_items.end(), [&](const auto& item) {
        return strcasecmp(item->PdbName().c_str(), pdbName.c_str()) == 0;
    });
    if (found == m_items.end()) return TB_S_OK;
    std::unique_ptr<CTbItem> item = std::move(*found);
    m_items.erase(found);
    TbResult result = item->Delete();
    if (!unrecorded) m_deleted.push_back(std::move(item));
    return result;
}

TbResult CTbBrowser::Rename(const std::string& fileName, const std::string& newName) {
    CTbItem* item = FindByFileName(fileName);
    return item ? item->Rename(newName) : TB_E_FAIL;
}

int CTbBrowser::ScanSamples(const std::string& folder) {
    m_samples.clear();
    std::string path = folder + (!folder.empty() && folder.back() == '/' ? "" : "/");
    return Scan(path, &m_samples);
}

TbResult CTbBrowser::InstallSample(CTbItem& sample) {
    if (!NameCheckShown(sample.DisplayName())) return TB_E_FAIL;
    std::string fileName = sample.FileName();
    std::string target = m_userFolder + fileName;
    if (m_userFolder.empty() || !IsTabulonFileName(fileName) || pf::FindFile(target, nullptr) == 0 ||
        pf::CopyFile(sample.FullPath(), target) != 0) {
        ShowMessage(Formatted(kCannotCopy, fileName));
        return TB_E_FAIL;
    }
    if (CTbItem* item = AddItem(fileName, nullptr)) item->Load(true);
    return TB_S_OK;
}
