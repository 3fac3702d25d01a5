// CTbPDBReader: the 78-byte PDB header, the record list and record 0, the database header
// information.
#include "pdb/TbPDBReader.h"

#include "model/TbObjDB.h"
#include "pdb/TbPDBFormat.h"

#include <memory>

namespace {

constexpr uint32_t kPasswordSize = 10;
constexpr uint32_t kRecord0FirstGap = 9;
constexpr uint32_t kRecord0SecondGap = 40;
constexpr uint8_t kGlobalFindBit = 0x80;

// Four characters as the big-endian number they make in the header.
constexpr uint32_t FourChars(const char (&chars)[5]) {
    return static_cast<uint32_t>(static_cast<uint8_t>(chars[0])) << 24 |
           static_cast<uint32_t>(static_cast<uint8_t>(chars[1])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(chars[2])) << 8 | static_cast<uint8_t>(chars[3]);
}

}  // namespace

void CTbPDBReader::ReadPdbHeader() {
    m_dump.Banner("PDB HEADER");
    CTbObjDB& db = *m_db;
    db.SetPdbName(ReadFixedText(TbPdb::kNameSize, "Database Name"));
    if (db.GetPdbName().size() == TbPdb::kNameSize)
        Warn(TbLoadWarningKind::TextUnterminated,
             "Header: the database name has no terminator; a save keeps its first 31 characters.");
    db.SetPdbAttributes(ReadU16("Attributes", TbDumpPdbAttributes));
    db.SetPdbVersion(ReadU16("Version"));
    db.SetCreationDate(ReadU32("Creation Date", TbDumpPalmDate));
    db.SetModificationDate(ReadU32("Modification Date", TbDumpPalmDate));
    db.SetBackupDate(ReadU32("Last Backup Date", TbDumpPalmDate));
    db.SetModificationNumber(ReadU32("Modification Number"));
    m_appInfoOffset = ReadU32("AppInfo Offset");
    ReadU32("SortInfo Offset");
    Check(ReadU32("Database Type", TbDumpFourChars) == FourChars(TbPdb::kType),
          "Invalid Tabulon file: invalid PDB file type.");
    Check(ReadU32("Creator", TbDumpFourChars) == FourChars(TbPdb::kCreator),
          "Invalid Tabulon: invalid PDB creator type.");
    db.SetUniqueIdSeed(ReadU32("Unique ID Seed"));
    ReadU32("Next Record List ID");
    m_recordCount = ReadU16("Number of Records");
    Check(m_recordCount >= TbPdb::kDesignRecords, "Invalid Tabulon: Missing required design records.");
}

void CTbPDBReader::ReadRecordList() {
    m_dump.Banner("PDB RECORD LIST");
    RequireBytes(m_recordCount * TbPdb::kListEntrySize);
    m_listEnd = TbPdb::kHeaderSize + m_recordCount * TbPdb::kListEntrySize;
    m_offsets.resize(m_recordCount);
    m_valid.resize(m_recordCount);
    std::vector<uint32_t>& ids = m_db->UniqueIds();
    ids.reserve(m_recordCount);
    uint32_t validDataRecords = 0;
    for (int record = 0; record < m_recordCount; ++record) {
        if (m_dump.IsOn()) m_dump.Note("Record " + std::to_string(record));
        TbDumpIndent indent(m_dump);
        m_offsets[record] = ReadU32("Offset");
        uint8_t attributes = ReadU8("Attributes", TbDumpRecordAttributes);
        uint32_t high = ReadU8();
        ids.push_back(high << 16 | ReadU16());
        m_dump.Value("Unique ID", ids.back());
        m_valid[record] = (attributes & (TbPdb::kRecordDeleted | TbPdb::kRecordArchived)) == 0;
        if (m_valid[record] && record >= TbPdb::kDesignRecords) ++validDataRecords;
    }
    // As the header would count them, so that a header-only Tabulon knows its data records.
    m_db->SetPdbRecordCount(TbPdb::kDesignRecords + validDataRecords);
}

void CTbPDBReader::NoteAppInfo() {
    m_dump.Banner("APPINFO BLOCK");
    m_dump.Note(m_appInfoOffset != 0 ? "(Data present but format of AppInfo block is unknown!)"
                                     : "(No AppInfo block)");
}

void CTbPDBReader::ReadHeaderRecord() {
    m_dump.Banner("Record 0: Database Header Information");
    // Continuing a header-only read, the values go to a scratch object and are dropped: the
    // Tabulon keeps those of the earlier read and whatever the user changed since.
    std::unique_ptr<CTbObjDB> scratch = m_mode == TB_READ_CONTINUE ? std::make_unique<CTbObjDB>() : nullptr;
    CTbObjDB& target = scratch ? *scratch : *m_db;
    uint32_t start = SeekRecord(TbPdb::kHeaderRecord);
    Check(ReadU8("Record Type") == TbPdb::kHeaderRecord, "Record 0: Invalid Record Type");
    target.SetCurrentCategory(ReadU8("Current Rec Category"));
    target.SetCurrentView(ReadU8("Current View"));
    target.SetReportAmountType(ReadU8("Report Amount Type", TbDumpReportAmount) != 0);
    target.SetCurrentFilter(ReadU16("Current Filter"));
    target.SetReportGraphMode(ReadU8("Report Graph Mode", TbDumpOnOff) != 0);
    uint8_t version = ReadU8("DB Version");
    target.SetDbVersion(version);
    Check(version <= TbPdb::kDbVersion, "Version of Tabulon is higher than this component can read!");
    target.SetDbCategory(ReadU8("DB Category"));
    target.SetDoNotBackup(ReadU8("Do Not Backup") != 0);
    target.SetReadOnly(ReadU8("Read Only") != 0);
    target.SetUseStartupScreen(ReadU8("Use Startup Screen") != 0);
    target.SetCurrentMultiFilter(ReadU16("Current Multi-Filter"));
    target.SetIncludeInGlobalFind((ReadU8("DB Attributes", TbDumpGlobalFind) & kGlobalFindBit) != 0);
    SkipBytes(kRecord0FirstGap);
    ReadPasswords(target);
    SkipBytes(kRecord0SecondGap);
    target.SetStartupScreen(ReadNulString("Startup Screen"));
    ClaimRecordBytes(start);
}

// The six passwords in their stored (scrambled) form, in the order of the record.
void CTbPDBReader::ReadPasswords(CTbObjDB& target) {
    static constexpr struct {
        TbPasswordKind kind;
        const char* label;
    } kOrder[] = {{TB_PASSWORD_LOGIN, "Login Password"}, {TB_PASSWORD_MODIFY, "Modify Password"},
                  {TB_PASSWORD_VIEW, "View Password"},   {TB_PASSWORD_DESIGN, "Design Password"},
                  {TB_PASSWORD_BEAM, "Beam Password"},   {TB_PASSWORD_COPYRIGHT, "Copyright Password"}};
    for (const auto& password : kOrder) {
        std::string scrambled = ReadFixedText(kPasswordSize);
        m_dump.Bytes(password.label, scrambled);
        target.SetStoredPassword(password.kind, scrambled);
    }
}
