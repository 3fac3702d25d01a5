// CTbObjDB: one Tabulon in memory. It owns its 81 field slots, records, tabs, views and
// filters, its header settings and passwords, and the reader and writer that load and save it.
#pragma once

#include "model/TbLoadWarning.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"
#include "model/TbObjView.h"
#include "model/TbTypes.h"
#include "platform/FileSystem.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class CTbPDBReader;
class CTbPDBWriter;
class IProgressIndicator;

class CTbObjDB {
public:
    CTbObjDB();
    virtual ~CTbObjDB();
    CTbObjDB(const CTbObjDB&) = delete;
    CTbObjDB& operator=(const CTbObjDB&) = delete;

    // --- lifecycle and files ---
    void Reset();
    void Clear();
    // States 0 and 1 only: a header-only or full read of the file at FullPath().
    TbResult Load(bool headerOnly, IProgressIndicator* progress = nullptr);
    // State 0 only: the header and the design records of the file at FullPath(), no data
    // records (RecordCount() is the header's); the Tabulon can then be neither loaded further nor saved.
    TbResult LoadDesign(IProgressIndicator* progress = nullptr);
    TbResult Reload(IProgressIndicator* progress = nullptr);
    // States 2 and 3 only: writes the whole Tabulon to FullPath().
    TbResult Save(IProgressIndicator* progress = nullptr);
    TbResult DeleteFile();
    TbResult Rename(const std::string& newName);
    TbResult CreateNew(const std::string& name, uint8_t dbCategory, const std::string& folder);
    TbLoadState GetLoadState() const { return m_loadState; }
    void SetLoadState(TbLoadState state) { m_loadState = state; }
    std::string GetLastErrorText() const;
    // A folder (a "/" is appended when missing) or, with isFullPath, a file path.
    void SetLocation(const std::string& text, bool isFullPath);
    const std::string& GetFolder() const { return m_folder; }
    std::string FullPath();
    // "MRA_" + the name with the characters files cannot hold made "_", + ".PDB"; cached.
    std::string FileName();
    const std::string& GetPdbName() const { return m_pdbName; }
    void SetPdbName(std::string name);
    // The PDB name without "MRA_".
    std::string DisplayName() const;
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }
    // What the last read passed over or repaired, in the order met; emptied by a successful save.
    const TbLoadWarnings& LoadWarnings() const { return m_loadWarnings; }
    void AddLoadWarning(TbLoadWarning warning) { m_loadWarnings.push_back(std::move(warning)); }
    void ClearLoadWarnings() { m_loadWarnings.clear(); }
    // The file as the last read or save left it. A save to that path refuses when the file
    // there has another stamp: another program changed it since.
    void SetDiskStamp(std::string path, const orvanta::platform::FileStamp& stamp) {
        m_stampedPath = std::move(path);
        m_diskStamp = stamp;
    }
    const std::string& GetStampedPath() const { return m_stampedPath; }
    const orvanta::platform::FileStamp& GetDiskStamp() const { return m_diskStamp; }
    CTbPDBReader& Reader() { return *m_reader; }
    CTbPDBWriter& Writer() { return *m_writer; }

    // Normalises a Tabulon name: TB_S_CHANGED or TB_S_OK with the result in *out, TB_E_FAIL when too short.
    static TbResult NormalizePdbName(const std::string& name, bool withPrefix, std::string* out);
    // The PDB name a file name stands for ("MRA_My_List.PDB" -> "MRA_My List").
    static std::string PdbNameFromFileName(const std::string& fileName);

    // --- header settings ---
    uint16_t GetPdbAttributes() const { return m_pdbAttributes; }
    void SetPdbAttributes(uint16_t value) { m_pdbAttributes = value; }
    uint16_t GetPdbVersion() const { return m_pdbVersion; }
    void SetPdbVersion(uint16_t value) { m_pdbVersion = value; }
    uint32_t GetCreationDate() const { return m_creationDate; }
    void SetCreationDate(uint32_t value) { m_creationDate = value; }
    uint32_t GetModificationDate() const { return m_modificationDate; }
    void SetModificationDate(uint32_t value) { m_modificationDate = value; }
    uint32_t GetBackupDate() const { return m_backupDate; }
    void SetBackupDate(uint32_t value) { m_backupDate = value; }
    uint32_t GetModificationNumber() const { return m_modificationNumber; }
    void SetModificationNumber(uint32_t value) { m_modificationNumber = value; }
    uint32_t GetHeaderWord() const { return m_headerWord; }
    void SetHeaderWord(uint32_t value) { m_headerWord = value; }
    uint32_t GetPdbRecordCount() const { return m_pdbRecordCount; }
    void SetPdbRecordCount(uint32_t value) { m_pdbRecordCount = value; }
    uint8_t GetCurrentCategory() const { return m_currentCategory; }
    void SetCurrentCategory(uint8_t value);
    uint8_t GetCurrentView() const { return m_currentView; }
    void SetCurrentView(uint8_t value);
    uint16_t GetCurrentFilter() const { return m_currentFilter; }
    void SetCurrentFilter(uint16_t value);
    bool GetReportAmountType() const { return m_reportAmountPercent; }
    void SetReportAmountType(bool percent) { m_reportAmountPercent = percent; }
    bool GetReportGraphMode() const { return m_reportGraph; }
    void SetReportGraphMode(bool on) { m_reportGraph = on; }
    uint8_t GetDbVersion() const { return m_dbVersion; }
    void SetDbVersion(uint8_t value) { m_dbVersion = value; }
    uint8_t GetDbCategory() const { return m_dbCategory; }
    void SetDbCategory(uint8_t value);
    bool GetDoNotBackup() const { return m_doNotBackup; }
    void SetDoNotBackup(bool on) { m_doNotBackup = on; }
    bool GetReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool on);
    bool GetUseStartupScreen() const { return m_useStartupScreen; }
    void SetUseStartupScreen(bool on);
    uint16_t GetCurrentMultiFilter() const { return m_currentMultiFilter; }
    void SetCurrentMultiFilter(uint16_t value);
    bool GetIncludeInGlobalFind() const { return m_includeInGlobalFind; }
    void SetIncludeInGlobalFind(bool on);
    // The text the handheld shows on opening when the startup screen is used.
    const std::string& GetStartupScreen() const { return m_startupScreen; }
    void SetStartupScreen(std::string text);
    // The form's "Tab Row" setting.
    int16_t GetFormTabRow() const { return m_formTabRow; }
    void SetFormTabRow(int16_t value);

    // --- file bookkeeping (never marks the Tabulon modified) ---
    uint32_t GetUniqueIdSeed() const { return m_uniqueIdSeed; }
    void SetUniqueIdSeed(uint32_t value) { m_uniqueIdSeed = value; }
    // The unique IDs of the file's records in file order, as last read or written; data
    // records also carry their own (CTbObjRecord::GetUniqueId).
    std::vector<uint32_t>& UniqueIds() { return m_uniqueIds; }
    const std::vector<uint32_t>& UniqueIds() const { return m_uniqueIds; }

    // --- fields ---
    // The field of a slot 0 to 80; none otherwise.
    CTbObjField* Field(int slot) const {
        return slot >= 0 && slot < static_cast<int>(m_fields.size()) ? m_fields[slot].get() : nullptr;
    }
    int UsedFieldCount() const;
    CTbObjField* AddField(const std::string& name, TbFieldType type);
    void SetFieldType(int slot, TbFieldType type, const std::string& name);
    void DeleteField(int slot);
    // The lowest slot with exactly this name and type, or TB_E_FIELD_NOT_FOUND.
    int FindField(const std::string& name, TbFieldType type) const;

    // --- records ---
    CTbObjRecordList& Records() { return *m_records; }
    const CTbObjRecordList& Records() const { return *m_records; }
    // After a header-only read: the header's count less the design records.
    int RecordCount() const;
    void DeleteAllRecords();

    // --- tabs, views, filters ---
    int TabCount() const { return static_cast<int>(m_tabs.size()); }
    CTbObjTab* Tab(int index) const;
    CTbObjTab* AddTab();
    void RemoveTab(int index);
    void RemoveAllTabsButFirst();
    void MoveTabUp(int index);
    void MoveTabDown(int index);
    bool AnyTabHasRows() const;
    int ViewCount() const { return static_cast<int>(m_views.size()); }
    CTbObjView* View(int index) const;
    CTbObjView* AddView();
    void DeleteView(int index);
    int FilterCount() const { return static_cast<int>(m_filters.size()); }
    CTbObjFilter* Filter(int index) const;
    CTbObjFilter* AddFilter();
    CTbObjFilter& QuickFilter() { return *m_quickFilter; }
    CTbObjFilter& ExternalFilter() { return *m_externalFilter; }

    // --- passwords ---
    const std::string& GetStoredPassword(int kind) const;
    void SetStoredPassword(int kind, std::string scrambled);
    static std::string Scramble(const std::string& plain);
    bool SetEnteredPassword(int kind, std::string plain);
    bool AccessGranted(int kind) const;
    // Whether a plain entry matches a scrambled stored password; an empty stored one matches nothing.
    static bool PasswordMatches(const std::string& stored, const std::string& entered);

private:
    TbLoadState m_loadState = TB_LOAD_EMPTY;
    std::string m_folder;
    std::string m_fileName;
    std::unique_ptr<CTbPDBReader> m_reader;
    std::unique_ptr<CTbPDBWriter> m_writer;
    std::vector<std::unique_ptr<CTbObjField>> m_fields;
    std::unique_ptr<CTbObjRecordList> m_records;
    std::vector<std::unique_ptr<CTbObjTab>> m_tabs;
    std::vector<std::unique_ptr<CTbObjView>> m_views;
    std::vector<std::unique_ptr<CTbObjFilter>> m_filters;
    std::unique_ptr<CTbObjFilter> m_quickFilter;
    std::unique_ptr<CTbObjFilter> m_externalFilter;
    std::string m_pdbName;
    uint16_t m_pdbAttributes = 0;
    uint16_t m_pdbVersion = 0;
    uint32_t m_creationDate = 0;
    uint32_t m_modificationDate = 0;
    uint32_t m_backupDate = 0;
    uint32_t m_modificationNumber = 0;
    uint32_t m_headerWord = 0;
    uint32_t m_pdbRecordCount = 0;
    uint8_t m_currentCategory = 0;
    uint8_t m_currentView = 0;
    uint16_t m_currentFilter = 0;
    bool m_reportAmountPercent = false;
    bool m_reportGraph = false;
    uint8_t m_dbVersion = 30;
    uint8_t m_dbCategory = 0;
    bool m_doNotBackup = false;
    bool m_readOnly = false;
    bool m_useStartupScreen = false;
    uint16_t m_currentMultiFilter = 0;
    bool m_includeInGlobalFind = true;
    std::string m_startupScreen;
    int16_t m_formTabRow = 0;
    uint32_t m_uniqueIdSeed = 0;
    std::vector<uint32_t> m_uniqueIds;
    TbLoadWarnings m_loadWarnings;
    std::string m_stampedPath;  // empty: no file read or written yet
    orvanta::platform::FileStamp m_diskStamp;
    std::array<std::string, TbPasswordKindCount> m_storedPasswords;
    std::array<std::string, TbEnteredPasswordCount> m_enteredPasswords;
    bool m_modified = false;
};
