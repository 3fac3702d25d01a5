// CTbObjDB: lifecycle, files and names, header settings.
#include "model/TbObjDB.h"

#include "io/QnFile.h"
#include "io/QnFileOperation.h"
#include "pdb/TbPDBReader.h"
#include "pdb/TbPDBWriter.h"
#include "platform/OleDate.h"

namespace {

constexpr const char* kPrefix = "MRA_";
constexpr size_t kPrefixLength = 4;
constexpr const char* kUnknownReadError = "Invalid Tabulon: Unknown error reading Tabulon.";

bool IsForbiddenNameChar(char c) {
    switch (c) {
        case '\\':
        case '/':
        case ':':
        case '*':
        case '?':
        case '"':
        case '<':
        case '>':
        case '|':
            return true;
        default:
            return false;
    }
}

// Runs a file operation on path and turns the file layer's exception into its result code.
template <typename Fn>
TbResult FileResult(const std::string& path, Fn&& fn) {
    QnAutoError error;
    return QnRunFileOperation(error, path, std::forward<Fn>(fn));
}

}  // namespace

CTbObjDB::CTbObjDB()
    : m_reader(std::make_unique<CTbPDBReader>()), m_writer(std::make_unique<CTbPDBWriter>()) {
    Reset();
}

CTbObjDB::~CTbObjDB() { Clear(); }

void CTbObjDB::Reset() {
    m_folder.clear();
    m_fileName.clear();
    m_pdbName.clear();
    m_pdbAttributes = 0x0008;
    m_pdbVersion = 0;
    m_creationDate = m_modificationDate = orvanta::platform::PalmNow();
    m_backupDate = m_modificationNumber = m_headerWord = m_pdbRecordCount = 0;
    m_currentCategory = m_currentView = 0;
    m_currentFilter = 0;
    m_reportAmountPercent = m_reportGraph = false;
    m_dbVersion = 30;
    m_dbCategory = 0;
    m_doNotBackup = m_readOnly = m_useStartupScreen = false;
    m_currentMultiFilter = 0;
    m_includeInGlobalFind = true;
    m_startupScreen.clear();
    m_formTabRow = 0;
    m_uniqueIdSeed = 0;
    m_uniqueIds.clear();
    for (auto& password : m_storedPasswords) password.clear();
    for (auto& password : m_enteredPasswords) password.clear();

    m_fields.clear();
    for (int slot = 0; slot < MaxFieldSlots; ++slot)
        m_fields.push_back(std::make_unique<CTbObjField>(this, static_cast<int16_t>(slot)));
    m_fields[0]->SetType(LIST_T);
    m_fields[0]->SetName("Categories");
    m_tabs.clear();
    m_tabs.push_back(std::make_unique<CTbObjTab>(this));
    m_views.clear();
    m_filters.clear();
    m_records = std::make_unique<CTbObjRecordList>(this);
    m_quickFilter = std::make_unique<CTbObjFilter>(this);
    m_externalFilter = std::make_unique<CTbObjFilter>(this);
    m_modified = false;
}

void CTbObjDB::Clear() {
    // Records first: their values refer to nothing else, but fields outlive them in readers' eyes.
    m_records.reset();
    m_fields.clear();
    m_tabs.clear();
    m_views.clear();
    m_filters.clear();
    m_quickFilter.reset();
    m_externalFilter.reset();
    m_loadWarnings.clear();
    m_loadState = TB_LOAD_EMPTY;
}

TbResult CTbObjDB::Load(bool headerOnly, IProgressIndicator* progress) {
    if (m_loadState != TB_LOAD_EMPTY && m_loadState != TB_LOAD_HEADER) return TB_E_FAIL;
    int mode = headerOnly ? CTbPDBReader::TB_READ_HEADER_ONLY
                          : (m_loadState == TB_LOAD_HEADER ? CTbPDBReader::TB_READ_CONTINUE
                                                           : CTbPDBReader::TB_READ_FULL);
    TbResult result = m_reader->Read(*this, FullPath(), mode, progress);
    if (result < 0)
        m_loadState = TB_LOAD_FAILED;
    else
        m_loadState = headerOnly ? TB_LOAD_HEADER : TB_LOAD_FULL;
    return result;
}

TbResult CTbObjDB::LoadDesign(IProgressIndicator* progress) {
    if (m_loadState != TB_LOAD_EMPTY) return TB_E_FAIL;
    TbResult result = m_reader->Read(*this, FullPath(), CTbPDBReader::TB_READ_DESIGN_ONLY, progress);
    m_loadState = result < 0 ? TB_LOAD_FAILED : TB_LOAD_DESIGN;
    return result;
}

TbResult CTbObjDB::Reload(IProgressIndicator* progress) {
    if (m_loadState <= TB_LOAD_EMPTY) return TB_E_FAIL;
    std::string folder = m_folder, fileName = m_fileName, pdbName = m_pdbName;
    Clear();
    Reset();
    m_folder = folder;
    m_fileName = fileName;
    m_pdbName = pdbName;
    TbResult result = Load(false, progress);
    m_modified = false;
    return result;
}

TbResult CTbObjDB::Save(IProgressIndicator* progress) {
    if (m_loadState != TB_LOAD_FULL && m_loadState != TB_LOAD_NEW) return TB_E_FAIL;
    TbResult result = m_writer->Write(*this, FullPath(), progress);
    m_loadState = result < 0 ? TB_LOAD_SAVE_FAILED : TB_LOAD_FULL;
    if (result >= 0) m_loadWarnings.clear();  // the file now holds what the Tabulon holds
    return result;
}

TbResult CTbObjDB::DeleteFile() {
    QnFile file(FullPath().c_str());
    return FileResult(FullPath(), [&] { file.Delete(); });
}

TbResult CTbObjDB::Rename(const std::string& newName) {
    std::string pdbName;
    if (NormalizePdbName(newName, true, &pdbName) < 0) return TB_E_FAIL;
    QnFile file(FullPath().c_str());
    std::string oldPdbName = m_pdbName;
    m_pdbName = pdbName;
    m_fileName.clear();
    std::string fileName = FileName();
    TbResult result = FileResult(FullPath(), [&] { file.Rename(fileName.c_str()); });
    if (result < 0) {
        m_pdbName = oldPdbName;
        m_fileName.clear();
        return result;
    }
    m_modified = true;
    return TB_S_OK;
}

TbResult CTbObjDB::CreateNew(const std::string& name, uint8_t dbCategory, const std::string& folder) {
    std::string pdbName;
    if (NormalizePdbName(name, true, &pdbName) < 0) return TB_E_FAIL;
    m_pdbName = pdbName;
    SetLocation(folder, false);
    SetDbCategory(dbCategory);
    m_loadState = TB_LOAD_NEW;
    if (CTbObjView* view = AddView()) {
        view->AddColumn(1);
        view->AddColumn(2);
    }
    return Save();
}

std::string CTbObjDB::GetLastErrorText() const {
    if (m_loadState != TB_LOAD_FAILED) return {};
    std::string text = m_reader->GetErrorText();
    return text.empty() ? kUnknownReadError : text;
}

void CTbObjDB::SetLocation(const std::string& text, bool isFullPath) {
    if (!isFullPath) {
        m_folder = text;
        if (m_folder.empty() || m_folder.back() != '/') m_folder += '/';
        m_fileName.clear();
        return;
    }
    auto slash = text.find_last_of('/');
    m_folder = slash == std::string::npos ? std::string() : text.substr(0, slash + 1);
    m_fileName = slash == std::string::npos ? text : text.substr(slash + 1);
    if (m_pdbName.empty()) m_pdbName = PdbNameFromFileName(m_fileName);
}

std::string CTbObjDB::FullPath() { return m_folder + FileName(); }

std::string CTbObjDB::FileName() {
    if (!m_fileName.empty()) return m_fileName;
    std::string name = m_pdbName;
    for (size_t i = kPrefixLength; i < name.size(); ++i)
        if (IsForbiddenNameChar(name[i])) name[i] = '_';
    m_fileName = name + ".PDB";
    return m_fileName;
}

void CTbObjDB::SetPdbName(std::string name) {
    m_pdbName = std::move(name);
    m_modified = true;
}

std::string CTbObjDB::DisplayName() const {
    return m_pdbName.size() > kPrefixLength ? m_pdbName.substr(kPrefixLength) : std::string();
}

TbResult CTbObjDB::NormalizePdbName(const std::string& name, bool withPrefix, std::string* out) {
    std::string result = name;
    bool changed = false;
    if (withPrefix && result.compare(0, kPrefixLength, kPrefix) != 0) {
        result = kPrefix + result;
        changed = true;
    }
    if (withPrefix ? result.size() < 5 : result.empty()) return TB_E_FAIL;
    size_t limit = withPrefix ? 31 : 27;
    if (result.size() > limit) {
        result.resize(limit);
        changed = true;
    }
    for (char& c : result) {
        if (!IsForbiddenNameChar(c)) continue;
        c = '_';
        changed = true;
    }
    *out = result;
    return changed ? TB_S_CHANGED : TB_S_OK;
}

std::string CTbObjDB::PdbNameFromFileName(const std::string& fileName) {
    std::string name = fileName.size() >= 4 ? fileName.substr(0, fileName.size() - 4) : std::string();
    for (size_t i = kPrefixLength; i < name.size(); ++i)
        if (name[i] == '_') name[i] = ' ';
    return name;
}

// The settings a user changes mark the Tabulon modified; the file's own bookkeeping does not.
void CTbObjDB::SetCurrentCategory(uint8_t value) { m_currentCategory = value, m_modified = true; }
void CTbObjDB::SetCurrentView(uint8_t value) { m_currentView = value, m_modified = true; }
void CTbObjDB::SetCurrentFilter(uint16_t value) { m_currentFilter = value, m_modified = true; }
void CTbObjDB::SetDbCategory(uint8_t value) { m_dbCategory = value, m_modified = true; }
void CTbObjDB::SetReadOnly(bool on) { m_readOnly = on, m_modified = true; }
void CTbObjDB::SetUseStartupScreen(bool on) { m_useStartupScreen = on, m_modified = true; }
void CTbObjDB::SetCurrentMultiFilter(uint16_t value) { m_currentMultiFilter = value, m_modified = true; }
void CTbObjDB::SetIncludeInGlobalFind(bool on) { m_includeInGlobalFind = on, m_modified = true; }
void CTbObjDB::SetFormTabRow(int16_t value) { m_formTabRow = value, m_modified = true; }

void CTbObjDB::SetStartupScreen(std::string text) {
    m_startupScreen = std::move(text);
    m_modified = true;
}
