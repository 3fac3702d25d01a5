// CTbBrowser: the library of one HotSync user: the user's folders, one CTbItem per Tabulon
// file in name order, the Tabulons deleted since the last HotSync, samples, categories, cards.
#pragma once

#include "library/CORVTDTSysDB.h"
#include "library/CSyncConfigLibrary.h"
#include "library/CTbItem.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CHandheldDesktop;
class IProgressIndicator;
namespace orvanta::platform {
class IPrompt;
}

struct TbCategory {
    std::string name;
    uint16_t id = 0;
};

struct TbCard {
    std::string name;
    CardId id{};
};

class CTbBrowser {
public:
    static constexpr const char* kCategoriesFile = "MRA_MindoraSysCategories.PDB";
    // Entries of a catalogue beyond these counts are not kept.
    static constexpr size_t kMaxDeletedItems = 4096;
    static constexpr size_t kMaxCards = 1024;

    // Messages go to prompt and long reads and writes report to progress; both may be null.
    CTbBrowser(IProgressIndicator* progress, orvanta::platform::IPrompt* prompt);
    // Resets (writing the catalogue).
    virtual ~CTbBrowser();
    CTbBrowser(const CTbBrowser&) = delete;
    CTbBrowser& operator=(const CTbBrowser&) = delete;

    // Opens the library of user in the folder the handheld integration gives for that user:
    // 1 when the folder had no catalogue before, 0 otherwise.
    int32_t OpenUser(CHandheldDesktop* handheld, const std::string& user);
    // The same for a user whose HotSync folder is known.
    int32_t OpenUserDirectory(const std::string& userDirectory, const std::string& user);
    // Writes the catalogue and empties every list.
    void Reset();
    int32_t SaveCatalogue();

    CTbItem* FirstItem();
    CTbItem* NextItem();
    CTbItem* FirstDeletedItem();
    CTbItem* NextDeletedItem();
    const std::vector<std::unique_ptr<CTbItem>>& Items() const { return m_items; }
    const std::vector<std::unique_ptr<CTbItem>>& DeletedItems() const { return m_deleted; }
    const std::vector<std::unique_ptr<CTbItem>>& Samples() const { return m_samples; }
    const std::vector<TbCategory>& Categories() const { return m_categories; }

    // Without regard to case.
    CTbItem* FindByPdbName(const std::string& pdbName) const;
    CTbItem* FindByFileName(const std::string& fileName) const;
    // Exact.
    CTbItem* FindByDisplayName(const std::string& displayName) const;
    // True when no item and no deleted item has the display name (ignoring case); otherwise
    // *deleted tells which list has it.
    bool NameCheck(const std::string& displayName, bool* deleted) const;
    // NameCheck, showing the message of the list that has the name.
    bool NameCheckShown(const std::string& displayName) const;

    // A new item (status 1) for a Tabulon file already in the user folder; none for a name
    // that is not a Tabulon file name.
    CTbItem* AddItem(const std::string& fileName, const CardId* card);
    // A deleted item (status 4) named pdbName, from the catalogue.
    CTbItem* AddDeletedItem(const std::string& pdbName);
    // Creates the file of a new Tabulon and adds its item: 0, or the failure.
    TbResult CreateTabulon(const std::string& name, int categoryIndex, const CardId& card);
    // Deletes the file of the item with the PDB name; it goes to the deleted list unless
    // unrecorded. 0 when there is no such item.
    TbResult Delete(const std::string& pdbName, bool unrecorded);
    TbResult Rename(const std::string& fileName, const std::string& newName);

    // Fills the sample list from folder: the number found.
    int ScanSamples(const std::string& folder);
    // Copies the sample into the user folder and adds its item; shows why when it cannot.
    TbResult InstallSample(CTbItem& sample);

    std::string CategoryName(uint16_t id) const;
    int CardCount() const { return static_cast<int>(m_cards.size()); }
    const TbCard& Card(int index) const { return m_cards[static_cast<size_t>(index)]; }
    void AddOrRenameCard(const std::string& name, const CardId& id);
    void RemoveCard(const CardId& id);
    bool AnyItemOnCard(const CardId& id) const;
    // Every item on the card moves to handheld memory with status 1.
    void MoveCardItemsToHandheld(CardId id);
    // "Handheld" for handheld memory, the card's name, or empty for an unknown card.
    std::string CardDisplayName(const CardId& id) const;

    // Desktop-database synchronisation of a Tabulon whose header was read: it is read in full,
    // then handed to the sync-configuration library. False without the library, for a Tabulon
    // not read, for no configuration id (65535), or when the library refuses.
    bool NewSyncConfiguration(CTbItem& item);
    bool EditSyncConfiguration(CTbItem& item, uint16_t configId);

    IProgressIndicator* Progress() const { return m_progress; }
    orvanta::platform::IPrompt* Prompt() const { return m_prompt; }
    CSyncConfigLibrary& SyncConfig() { return m_syncConfig; }
    const std::string& UserName() const { return m_userName; }
    const std::string& UserFolder() const { return m_userFolder; }
    const std::string& DataFolder() const { return m_dataFolder; }
    std::string ArchiveFolder() const { return m_userFolder.empty() ? "" : m_userFolder + "archive/"; }

private:
    int Scan(const std::string& folder, std::vector<std::unique_ptr<CTbItem>>* list);
    void InsertInOrder(std::unique_ptr<CTbItem> item, std::vector<std::unique_ptr<CTbItem>>* list);
    void ReadCategories();
    void ShowMessage(const std::string& text) const;

    IProgressIndicator* m_progress;
    orvanta::platform::IPrompt* m_prompt;
    CHandheldDesktop* m_handheld = nullptr;
    std::string m_userName;
    std::string m_userFolder;
    std::string m_dataFolder;
    std::vector<std::unique_ptr<CTbItem>> m_items;
    std::vector<std::unique_ptr<CTbItem>> m_deleted;
    std::vector<std::unique_ptr<CTbItem>> m_samples;
    std::vector<TbCategory> m_categories;
    std::vector<TbCard> m_cards;
    size_t m_cursor = 0;
    bool m_cursorInDeleted = false;
    std::unique_ptr<CORVTDTSysDB> m_catalogue;
    CSyncConfigLibrary m_syncConfig;
};

// The regular files of folder (ending in "/") whose names are Tabulon file names, in the order
// the system gives. Links are passed over: a library never reads a file outside its folder.
std::vector<std::string> TabulonFiles(const std::string& folder);
