// Opening a user's library: the folders, the scan in name order with header reads, the
// catalogue and the categories; the lookups, the iteration for the catalogue and the cards.
#include "library/CTbBrowser.h"

#include "library/CHandheldDesktop.h"
#include "platform/FileSystem.h"
#include "platform/Prompt.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstring>

namespace pf = orvanta::platform;

namespace {

// Makes the folder when missing; false when it is not a folder afterwards.
bool MakeFolder(const std::string& folder) {
    ::mkdir(folder.c_str(), 0755);
    struct stat info {};
    return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::vector<std::string> TabulonFiles(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return names;
    while (dirent* entry = ::readdir(dir)) {
        if (!IsTabulonFileName(entry->d_name)) continue;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat info {};
            if (::lstat((folder + entry->d_name).c_str(), &info) == 0 && S_ISREG(info.st_mode)) type = DT_REG;
        }
        if (type == DT_REG) names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    return names;
}

CTbBrowser::CTbBrowser(IProgressIndicator* progress, pf::IPrompt* prompt)
    : m_progress(progress), m_prompt(prompt) {}

CTbBrowser::~CTbBrowser() { Reset(); }

void CTbBrowser::Reset() {
    SaveCatalogue();
    m_catalogue.reset();
    m_items.clear();
    m_deleted.clear();
    m_samples.clear();
    m_categories.clear();
    m_cards.clear();
}

int32_t CTbBrowser::SaveCatalogue() { return m_catalogue ? m_catalogue->Save() : 0; }

int32_t CTbBrowser::OpenUser(CHandheldDesktop* handheld, const std::string& user) {
    std::string directory;
    if (handheld) handheld->UserDirectory(user, &directory);
    m_handheld = handheld;
    return OpenUserDirectory(directory, user);
}

int32_t CTbBrowser::OpenUserDirectory(const std::string& userDirectory, const std::string& user) {
    Reset();
    m_userName = user;
    m_userFolder.clear();
    m_dataFolder.clear();
    if (userDirectory.empty()) return 0;
    std::string folder = userDirectory + (userDirectory.back() == '/' ? "" : "/") + "Orvanta/";
    if (!MakeFolder(folder) || !MakeFolder(folder + "data/")) return 0;
    MakeFolder(folder + "archive/");
    m_userFolder = folder;
    m_dataFolder = folder + "data/";
    m_catalogue = std::make_unique<CORVTDTSysDB>();
    m_catalogue->SetFile(m_dataFolder, this);
    bool existed = m_catalogue->Exists();
    Scan(m_userFolder, &m_items);
    if (m_catalogue->Load() < 0) m_catalogue->Save();
    ReadCategories();
    return existed ? 0 : 1;
}

int CTbBrowser::Scan(const std::string& folder, std::vector<std::unique_ptr<CTbItem>>* list) {
    std::vector<std::string> files = TabulonFiles(folder);
    list->reserve(list->size() + files.size());
    for (const std::string& name : files) {
        auto item = std::make_unique<CTbItem>(this, folder, name);
        CTbItem* added = item.get();
        InsertInOrder(std::move(item), list);
        added->Load(true);
    }
    return static_cast<int>(files.size());
}

void CTbBrowser::InsertInOrder(std::unique_ptr<CTbItem> item, std::vector<std::unique_ptr<CTbItem>>* list) {
    std::string name = item->DisplayName();
    auto before = list->begin();
    while (before != list->end() && (*before)->DisplayName().compare(name) <= 0) ++before;
    list->insert(before, std::move(item));
}

void CTbBrowser::ReadCategories() {
    m_categories.clear();
    CTbObjDB categories;
    categories.SetLocation(m_dataFolder + kCategoriesFile, true);
    if (categories.Load(false) < 0) return;
    const CTbObjListItems& items = categories.Field(0)->ListProps()->Items();
    for (int i = 0; i < items.Count(); ++i)
        m_categories.push_back({items.ItemAt(i)->text, items.ItemAt(i)->index});
}

CTbItem* CTbBrowser::FirstItem() {
    m_cursor = 0;
    m_cursorInDeleted = false;
    return NextItem();
}

CTbItem* CTbBrowser::NextItem() {
    if (m_cursorInDeleted || m_cursor >= m_items.size()) return nullptr;
    return m_items[m_cursor++].get();
}

CTbItem* CTbBrowser::FirstDeletedItem() {
    m_cursor = 0;
    m_cursorInDeleted = true;
    return NextDeletedItem();
}

CTbItem* CTbBrowser::NextDeletedItem() {
    if (!m_cursorInDeleted || m_cursor >= m_deleted.size()) return nullptr;
    return m_deleted[m_cursor++].get();
}

CTbItem* CTbBrowser::FindByPdbName(const std::string& pdbName) const {
    for (const auto& item : m_items)
        if (strcasecmp(item->PdbName().c_str(), pdbName.c_str()) == 0) return item.get();
    return nullptr;
}

CTbItem* CTbBrowser::FindByFileName(const std::string& fileName) const {
    for (const auto& item : m_items)
        if (strcasecmp(item->FileName().c_str(), fileName.c_str()) == 0) return item.get();
    return nullptr;
}

CTbItem* CTbBrowser::FindByDisplayName(const std::string& displayName) const {
    for (const auto& item : m_items)
        if (item->DisplayName() == displayName) return item.get();
    return nullptr;
}

bool CTbBrowser::NameCheck(const std::string& displayName, bool* deleted) const {
    for (const auto* list : {&m_items, &m_deleted})
        for (const auto& item : *list)
            if (strcasecmp(item->DisplayName().c_str(), displayName.c_str()) == 0) {
                *deleted = list == &m_deleted;
                return false;
            }
    *deleted = false;
    return true;
}

CTbItem* CTbBrowser::AddItem(const std::string& fileName, const CardId* card) {
    if (m_userFolder.empty() || !IsTabulonFileName(fileName)) return nullptr;
    m_items.push_back(std::make_unique<CTbItem>(this, m_userFolder, fileName));
    if (card) m_items.back()->SetCardId(*card);
    return m_items.back().get();
}

CTbItem* CTbBrowser::AddDeletedItem(const std::string& pdbName) {
    if (m_deleted.size() >= kMaxDeletedItems) return nullptr;
    // Only the name is kept: a deleted item's file is never opened again.
    auto item = std::make_unique<CTbItem>(this, m_dataFolder, "");
    item->Db().SetPdbName(pdbName);
    item->Db().SetModified(false);
    item->SetStatus(TB_STATUS_DELETED);
    m_deleted.push_back(std::move(item));
    return m_deleted.back().get();
}

std::string CTbBrowser::CategoryName(uint16_t id) const {
    for (const TbCategory& category : m_categories)
        if (category.id == id) return category.name;
    return {};
}

void CTbBrowser::AddOrRenameCard(const std::string& name, const CardId& id) {
    for (TbCard& card : m_cards)
        if (card.id == id) {
            card.name = name;
            return;
        }
    if (m_cards.size() < kMaxCards) m_cards.push_back({name, id});
}

void CTbBrowser::RemoveCard(const CardId& id) {
    std::erase_if(m_cards, [&](const TbCard& card) { return card.id == id; });
}

bool CTbBrowser::AnyItemOnCard(const CardId& id) const {
    for (const auto& item : m_items)
        if (item->GetCardId() == id) return true;
    return false;
}

void CTbBrowser::MoveCardItemsToHandheld(CardId id) {  // a copy: the items' own ids change
    for (const auto& item : m_items)
        if (item->GetCardId() == id) {
            item->SetCardId(CardId{});
            item->SetStatus(TB_STATUS_NEEDS_SYNC);
        }
}

std::string CTbBrowser::CardDisplayName(const CardId& id) const {
    if (id == CardId{}) return "Handheld";
    for (const TbCard& card : m_cards)
        if (card.id == id) return card.name;
    return {};
}

void CTbBrowser::ShowMessage(const std::string& text) const {
    if (m_prompt) m_prompt->Show("Orvanta", text, pf::PromptIcon::Warning, pf::PromptButtons::Ok);
}
