// CTbItem: one Tabulon of the library: its Tabulon object and what only the desktop knows of
// it: synchronisation status, the handheld's stamp and the expansion card it lives on.
#pragma once

#include "model/TbObjDB.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CTbBrowser;
class CTbObjField;
class CTbObjRecord;

// The identifier of an expansion card; all zero for handheld memory.
using CardId = std::array<uint8_t, 12>;

enum TbItemStatus : int32_t {
    TB_STATUS_CURRENT = 0,
    TB_STATUS_NEEDS_SYNC = 1,
    TB_STATUS_MODIFIED = 2,
    TB_STATUS_UNUSED = 3,  // written back as 0
    TB_STATUS_DELETED = 4,
};

class CTbItem {
public:
    // A Tabulon file fileName in folder (ending in "/"), status 1 "Needs Sync".
    CTbItem(CTbBrowser* owner, const std::string& folder, const std::string& fileName);
    virtual ~CTbItem() = default;
    CTbItem(const CTbItem&) = delete;
    CTbItem& operator=(const CTbItem&) = delete;

    // Reads the header or the whole file, then renames a file whose name does not match the
    // name in its header. 0x80004005 after a failed read or save, or a failed rename.
    TbResult Load(bool headerOnly);
    // Writes the catalogue, then the whole Tabulon (reading it first when only its header was
    // read); shows the "corrupted" message when it cannot be read. When the read passed over
    // what the save would drop, the browser's prompt asks first (without one nothing is saved).
    TbResult Save();
    // Saves, renames the file and its import/export specification, and writes the new name
    // into the file's header; the status becomes 1.
    TbResult Rename(const std::string& newName);
    // Removes the file (status 4) with its sync configuration and specification file.
    TbResult Delete();
    std::string GetLastErrorText() const { return m_db.GetLastErrorText(); }

    // Sets the display value of every DB Join and DB Lookup of all records from the joined
    // Tabulons of the library (each found by its display name and read in full).
    void ResolveJoins();
    // The same for the DB Join field's group and one record (after the user picked a join record).
    void ResolveJoin(const CTbObjField& joinField, CTbObjRecord& record);
    // Recalculates the computed fields of the current record set when forced or when the item
    // was never recalculated; clears the recalculation-needed flag.
    void Recalculate(bool forced);
    // Recalculates one record; previous is the record before it in the set (none for the first).
    // True when any value changed.
    bool RecalculateRecord(CTbObjRecord& record, const CTbObjRecord* previous);
    bool NeedsRecalculation() const { return m_recalculationNeeded; }

    const std::string& PdbName() const { return m_db.GetPdbName(); }
    std::string DisplayName() const { return m_db.DisplayName(); }
    std::string FileName() { return m_db.FileName(); }
    std::string FullPath() { return m_db.FullPath(); }
    // The file's import/export specification: the data folder and the file name ending in "tps".
    std::string SpecificationPath();
    // The file's size as "%.1f KB".
    std::string SizeText();
    // "Microsoft Access" when the sync-configuration library has a configuration for it,
    // "Orvanta Desktop" otherwise; asked again only on refresh or when nothing is cached.
    std::string SyncWithText(bool refresh = false);
    void ForgetSyncConfiguration() { m_syncCacheValid = false; }

    int32_t GetStatus() const { return m_status; }
    void SetStatus(int32_t status) { m_status = status; }
    int32_t GetHandheldStamp() const { return m_handheldStamp; }
    void SetHandheldStamp(int32_t stamp) { m_handheldStamp = stamp; }
    const CardId& GetCardId() const { return m_cardId; }
    void SetCardId(const CardId& card) { m_cardId = card; }
    bool IsModified() const { return m_db.IsModified(); }
    CTbObjDB& Db() { return m_db; }
    const CTbObjDB& Db() const { return m_db; }

    // Where the record viewer left off in this Tabulon.
    int32_t m_recordPositions[2] = {-1, -1};
    std::vector<uint16_t> m_viewerState;

private:
    // Only a plain file name in the item's folder may be read, written, renamed or deleted.
    bool HasPlainFileName();
    TbResult CheckFileName();
    TbResult ReadRest();
    // True when saving loses nothing the read passed over, or the user agrees to lose it.
    bool LossConfirmed();

    CTbBrowser* m_owner;
    CTbObjDB m_db;
    TbResult m_lastLoadResult = TB_S_OK;
    int32_t m_status = TB_STATUS_NEEDS_SYNC;
    int32_t m_handheldStamp = 0;
    bool m_syncConfigured = false;
    bool m_syncCacheValid = false;
    bool m_recalculationNeeded = true;
    CardId m_cardId{};
};

// The status as the list of Tabulons shows it: "Needs Sync", "Modified", "Deleted", else "Current".
const char* StatusText(int32_t status);

// A name the library may give a Tabulon file: a plain file name "MRA_*.PDB" (any letter case).
bool IsTabulonFileName(const std::string& fileName);
