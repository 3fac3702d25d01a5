// Library items: loading with the file-name check, saving with the catalogue first, renaming
// with the specification file, deleting, and the texts of the main window's list.
#include "library/CTbItem.h"

#include "library/CSyncConfigLibrary.h"
#include "library/CTbBrowser.h"
#include "model/IProgressIndicator.h"
#include "model/TbSaveGuard.h"
#include "platform/FileSystem.h"
#include "platform/Prompt.h"

#include <strings.h>
#include <cstdio>

namespace pf = orvanta::platform;

namespace {

constexpr const char* kCorruptedMessage =
    "Error: The Tabulon is corrupted or cannot be read.  Delete the Tabulon using the delete button on "
    "the toolbar.";

bool EndsWithNoCase(const std::string& text, const char* end) {
    size_t n = std::char_traits<char>::length(end);
    return text.size() >= n && strcasecmp(text.c_str() + text.size() - n, end) == 0;
}

}  // namespace

bool IsTabulonFileName(const std::string& fileName) {
    return pf::IsValidFileName(fileName) && fileName.size() > 8 &&
           strncasecmp(fileName.c_str(), "MRA_", 4) == 0 && EndsWithNoCase(fileName, ".PDB");
}

CTbItem::CTbItem(CTbBrowser* owner, const std::string& folder, const std::string& fileName) : m_owner(owner) {
    std::string path = folder;
    if (path.empty() || path.back() != '/') path += '/';
    m_db.SetLocation(path + fileName, true);
}

bool CTbItem::HasPlainFileName() { return pf::IsValidFileName(m_db.FileName()); }

TbResult CTbItem::Load(bool headerOnly) {
    if (!HasPlainFileName()) return TB_E_FAIL;
    switch (m_db.GetLoadState()) {
        case TB_LOAD_EMPTY:
            m_lastLoadResult = m_db.Load(headerOnly, headerOnly ? nullptr : m_owner->Progress());
            break;
        case TB_LOAD_HEADER:
            if (headerOnly) return TB_S_OK;
            m_lastLoadResult = ReadRest();
            break;
        case TB_LOAD_FULL:
        case TB_LOAD_NEW:
            return TB_S_OK;
        default:
            return TB_E_FAIL;
    }
    if (m_lastLoadResult >= 0) return CheckFileName();
    // What a failed read left of the header is no name to show: the file's name stands for it.
    m_db.SetPdbName(CTbObjDB::PdbNameFromFileName(m_db.FileName()));
    m_db.SetModified(false);
    return m_lastLoadResult;
}

TbResult CTbItem::ReadRest() {
    ProgressShown shown(m_owner->Progress());
    return m_db.Load(false, m_owner->Progress());
}

TbResult CTbItem::CheckFileName() {
    std::string folder = m_db.GetFolder(), current = m_db.FileName();
    m_db.SetLocation(folder, false);  // forgets the cached name: the next one comes from the header
    std::string expected = m_db.FileName();
    if (strcasecmp(expected.c_str(), current.c_str()) == 0 || !IsTabulonFileName(expected)) {
        // A header name that would leave the folder, or name no Tabulon file, keeps the file's name.
        m_db.SetLocation(folder + current, true);
        return TB_S_OK;
    }
    if (pf::MoveFile(folder + current, folder + expected) != 0) {
        m_db.SetLocation(folder + current, true);
        return TB_E_FAIL;
    }
    m_db.SetLocation(folder + expected, true);
    return TB_S_OK;
}

TbResult CTbItem::Save() {
    m_owner->SaveCatalogue();
    if (m_db.GetLoadState() == TB_LOAD_HEADER || m_db.GetLoadState() == TB_LOAD_EMPTY) Load(false);
    TbLoadState state = m_db.GetLoadState();
    if (state != TB_LOAD_FULL && state != TB_LOAD_NEW) {
        if (pf::IPrompt* prompt = m_owner->Prompt())
            prompt->Show("Orvanta", kCorruptedMessage, pf::PromptIcon::Error, pf::PromptButtons::Ok);
        return m_lastLoadResult < 0 ? m_lastLoadResult : TB_E_FAIL;
    }
    if (!HasPlainFileName() || !LossConfirmed()) return TB_E_FAIL;
    ProgressShown shown(m_owner->Progress());
    return m_db.Save(m_owner->Progress());
}

bool CTbItem::LossConfirmed() {
    if (!LossOnSave(m_db).Any()) return true;
    pf::IPrompt* prompt = m_owner->Prompt();
    return prompt && ConfirmSaveInPlace(m_db, *prompt);
}

std::string CTbItem::SpecificationPath() {
    std::string name = m_db.FileName();
    if (name.size() >= 3) name.replace(name.size() - 3, 3, "tps");
    return m_owner->DataFolder() + name;
}

TbResult CTbItem::Rename(const std::string& newName) {
    TbResult result = Save();
    if (result < 0) return result;
    if (m_db.GetLoadState() != TB_LOAD_FULL) return TB_E_FAIL;
    std::string oldSpecification = SpecificationPath();
    result = m_db.Rename(newName);
    if (result < 0) return result;
    m_status = TB_STATUS_NEEDS_SYNC;
    pf::MoveFile(oldSpecification, m_owner->DataFolder() + m_db.GetPdbName() + ".tps");
    // The header carries the name too: without it the next scan would rename the file back.
    ProgressShown shown(m_owner->Progress());
    return m_db.Save(m_owner->Progress());
}

TbResult CTbItem::Delete() {
    m_status = TB_STATUS_DELETED;
    if (!HasPlainFileName()) return TB_E_FAIL;
    TbResult result = m_db.DeleteFile();
    if (result < 0) return result;
    m_owner->SyncConfig().DeleteConfiguration(DisplayName(), m_owner->UserName());
    m_syncCacheValid = false;
    pf::DeleteFile(SpecificationPath());
    return result;
}

std::string CTbItem::SizeText() {
    pf::FileInfo info;
    double size = 0;
    if (HasPlainFileName() && pf::FindFile(FullPath(), &info) == 0) size = static_cast<double>(info.size);
    char text[64];
    std::snprintf(text, sizeof text, "%.1f KB", size / 1024);
    return text;
}

std::string CTbItem::SyncWithText(bool refresh) {
    if (refresh || !m_syncCacheValid) {
        uint16_t id;
        m_syncConfigured = m_owner->SyncConfig().HasConfiguration(DisplayName(), m_owner->UserName(), &id);
        m_syncCacheValid = true;
    }
    return m_syncConfigured ? "Microsoft Access" : "Orvanta Desktop";
}

const char* StatusText(int32_t status) {
    switch (status) {
        case TB_STATUS_NEEDS_SYNC:
            return "Needs Sync";
        case TB_STATUS_MODIFIED:
            return "Modified";
        case TB_STATUS_DELETED:
            return "Deleted";
        default:
            return "Current";
    }
}
