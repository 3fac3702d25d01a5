// CTbPDBWriter: the order of the writing steps, the temporary file that replaces the old one,
// the PDB header and the record list (written twice: first with provisional offsets).
#include "pdb/TbPDBWriter.h"

#include "io/QnFileOperation.h"
#include "model/IProgressIndicator.h"
#include "model/TbObjDB.h"
#include "pdb/TbPDBFormat.h"
#include "pdb/TbUniqueIds.h"
#include "platform/FileSystem.h"
#include "platform/SaveTempFiles.h"
#include "platform/WinError.h"

#include <algorithm>
#include <cstring>

namespace pf = orvanta::platform;

namespace {

constexpr const char* kChangedOnDisk = "The Tabulon was changed by another program after it was opened.";
constexpr const char* kTooManyRecords = "Too many records: a Tabulon holds at most 65,448 records.";

}  // namespace

TbResult CTbPDBWriter::Write(CTbObjDB& db, const std::string& path, IProgressIndicator* progress) {
    m_db = &db;
    m_progress = progress;
    m_error = QnAutoError();
    TbResult result = QnRunFileOperation(m_error, path, [&] { WriteAll(path); });
    CleanUp();
    return result;
}

void CTbPDBWriter::WriteAll(const std::string& path) {
    const CTbObjRecordList& records = m_db->Records();
    int dataRecords = records.Count(true);
    // The header counts records in 16 bits; nothing is written for a Tabulon that cannot fit.
    m_error.Assert(dataRecords <= static_cast<int>(TbPdb::kMaxDataRecords), kTooManyRecords, QN_E_ASSERT);
    m_recordCount = static_cast<uint16_t>(TbPdb::kDesignRecords + dataRecords);
    m_offsets.assign(m_recordCount, 0);
    m_uniqueIds = TbPdb::AssignUniqueIds(WantedUniqueIds(), m_db->UniqueIds());
    PlanDataFields();

    SetRange(dataRecords + 89);
    SetText("Preparing file for writing...");
    SetupOutFile(path);
    Step();
    SetText("Writing header information...");
    WriteHeader();
    m_listPosition = m_out.GetPosition();
    WriteRecordList();
    WriteZeros(2);
    WriteDesignRecords();
    WriteDataRecords();
    // Second pass: the header again, and the list with the offsets now known.
    m_out.SetPosition(0);
    WriteHeader();
    m_out.SetPosition(m_listPosition);
    WriteRecordList();
    CommitOutFile(path);
    Step();
    StoreUniqueIds();
}

void CTbPDBWriter::SetupOutFile(const std::string& path) {
    m_OutFile.SetErrorObject(&m_error);
    m_OutFile.SetByteSwapMethod(PLATFORM_PALM);
    m_error.SetCode(m_OutFile.SetPath(path.c_str()));
    m_error.Check("Problem initializing m_outFile in SetupOutFile()");
    CheckUnchangedOnDisk(path);
    if (m_OutFile.Exists(false)) {
        // An old file that may not be written (read-only, or held by another program) stops
        // the save here, before anything is written.
        m_error.SetCode(m_OutFile.Open(QN_OPEN_WRITE));
        m_error.Check("Problem opening m_OutFile in SetupFiles()");
        m_OutFile.Close();
    }
    pf::RemoveStaleSaveTempFiles(pf::FolderOf(path));
    uint32_t err = pf::MakeSaveTempFile(path, &m_tempPath);
    if (err != pf::WIN_ERROR_SUCCESS) {
        m_tempPath.clear();
        m_OutFile.ReportError(QnWinErrorCode(err));
    }
    m_error.SetCode(m_OutFile.SetPath(m_tempPath.c_str()));
    m_error.Check("Problem initializing m_outFile in SetupOutFile()");
    m_error.SetCode(m_OutFile.Open(QN_OPEN_WRITE));
    m_error.Check("Problem opening m_OutFile in SetupFiles()");
    m_error.SetCode(m_OutFile.SetLength(0));
    m_error.Check("Problem truncating m_OutFile in SetupFiles()");
}

void CTbPDBWriter::CommitOutFile(const std::string& path) {
    m_out.Flush();
    m_OutFile.Close();
    CheckUnchangedOnDisk(path);  // once more: the other program may have saved while this one wrote
    uint32_t err = pf::ReplaceFile(m_tempPath, path);
    if (err != pf::WIN_ERROR_SUCCESS) m_OutFile.ReportError(QnWinErrorCode(err));
    m_tempPath.clear();
    pf::FileStamp stamp;
    if (pf::StampFile(path, &stamp) == pf::WIN_ERROR_SUCCESS) m_db->SetDiskStamp(path, stamp);
}

void CTbPDBWriter::CheckUnchangedOnDisk(const std::string& path) {
    pf::FileStamp now;
    if (m_db->GetStampedPath() != path || pf::StampFile(path, &now) != pf::WIN_ERROR_SUCCESS) return;
    m_error.Assert(now == m_db->GetDiskStamp(), kChangedOnDisk, QN_E_ASSERT);
}

void CTbPDBWriter::CleanUp() {
    m_out.Release();  // what a failed write left unwritten goes with the temporary file
    try {
        m_OutFile.Close();
    } catch (QnFileException* exception) {
        // The window could not be written back either. The file is dropped below, so only its
        // handle is closed; the failure already reported is the one that counts.
        exception->Reset();
        m_OutFile.QnFile::Close();
    }
    if (!m_tempPath.empty()) pf::DeleteFile(m_tempPath);
    m_tempPath.clear();
}

std::vector<uint32_t> CTbPDBWriter::WantedUniqueIds() {
    const std::vector<uint32_t>& list = m_db->UniqueIds();
    std::vector<uint32_t> wanted(m_recordCount, 0);
    for (int i = 0; i < TbPdb::kDesignRecords && i < static_cast<int>(list.size()); ++i) wanted[i] = list[i];
    const CTbObjRecordList& records = m_db->Records();
    for (int j = 0; j + TbPdb::kDesignRecords < m_recordCount; ++j) {
        const CTbObjRecord* record = records.RecordInStoredOrder(j);
        m_error.Assert(record != nullptr, kNoRecordMessage, QN_E_ASSERT);
        wanted[TbPdb::kDesignRecords + j] = record->GetUniqueId();
    }
    return wanted;
}

void CTbPDBWriter::StoreUniqueIds() {
    m_db->UniqueIds() = m_uniqueIds;
    CTbObjRecordList& records = m_db->Records();
    for (int j = 0; j + TbPdb::kDesignRecords < m_recordCount; ++j)
        records.RecordInStoredOrder(j)->SetUniqueId(m_uniqueIds[TbPdb::kDesignRecords + j]);
}

void CTbPDBWriter::WriteHeader() {
    const std::string& name = m_db->GetPdbName();
    char nameBytes[TbPdb::kNameSize] = {};
    std::memcpy(nameBytes, name.data(), std::min<size_t>(name.size(), TbPdb::kNameSize - 1));
    m_out.WriteN(nameBytes, TbPdb::kNameSize);
    m_out.WriteU16(static_cast<uint16_t>(m_db->GetPdbAttributes() & ~TbPdb::kAttrBackup));
    m_out.WriteU16(m_db->GetPdbVersion());
    m_out.WriteU32(m_db->GetCreationDate());
    m_out.WriteU32(m_db->GetModificationDate());
    m_out.WriteU32(m_db->GetBackupDate());
    m_out.WriteU32(m_db->GetModificationNumber());
    m_out.WriteU32(0);  // AppInfo: none
    m_out.WriteU32(0);  // SortInfo: none
    m_out.WriteN(TbPdb::kType, 4);
    m_out.WriteN(TbPdb::kCreator, 4);
    m_out.WriteU32(m_db->GetUniqueIdSeed());
    m_out.WriteU32(0);  // next record list: none
    m_out.WriteU16(m_recordCount);
}

void CTbPDBWriter::WriteRecordList() {
    for (int i = 0; i < m_recordCount; ++i) {
        uint32_t id = m_uniqueIds[i];
        m_out.WriteU32(m_offsets[i]);
        m_out.WriteU8(TbPdb::kRecordDirty);
        m_out.WriteU8(static_cast<uint8_t>(id >> 16));
        m_out.WriteU16(static_cast<uint16_t>(id));
    }
}

void CTbPDBWriter::SetRange(int steps) {
    if (m_progress) m_progress->SetRange(steps);
}

void CTbPDBWriter::Step() {
    if (m_progress) m_progress->Step(1);
}

void CTbPDBWriter::SetText(const char* text) {
    if (m_progress) m_progress->SetText(text);
}

void CTbPDBWriter::WriteZeros(uint32_t n) {
    static constexpr uint8_t kZeros[64] = {};
    for (uint32_t chunk; n > 0; n -= chunk) {
        chunk = std::min<uint32_t>(n, sizeof kZeros);
        m_out.WriteN(kZeros, chunk);
    }
}

void CTbPDBWriter::WriteNulString(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    m_out.WriteN(text.data(), static_cast<uint32_t>(text.size()));
    m_out.WriteU8(0);
}

void CTbPDBWriter::WriteFixedText(std::string_view text, uint32_t size) {
    uint32_t n = static_cast<uint32_t>(std::min<size_t>(text.size(), size));
    m_out.WriteN(text.data(), n);
    WriteZeros(size - n);
}

void CTbPDBWriter::WriteShortText(std::string_view text, bool nulWhenEmpty) {
    uint8_t n = static_cast<uint8_t>(std::min<size_t>(text.size(), 255));
    m_out.WriteU8(n);
    m_out.WriteN(text.data(), n);
    if (n > 0 || nulWhenEmpty) m_out.WriteU8(0);
}
