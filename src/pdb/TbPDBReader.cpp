// CTbPDBReader: the order of a read, its three modes, progress, clean-up and how failures
// reach the caller.
#include "pdb/TbPDBReader.h"

#include "io/QnFileOperation.h"
#include "model/IProgressIndicator.h"
#include "model/TbObjDB.h"
#include "pdb/TbPDBFormat.h"

#include <filesystem>

namespace {

constexpr const char* kShortRead = "Couldn't read in all bytes in ReadN()";
constexpr const char* kHeaderText = "Loading Tabulon header information...";
constexpr const char* kFieldText = "Loading Tabulon field information...";
constexpr const char* kDesignText = "Loading Tabulon design information...";
constexpr const char* kDataText = "Loading Tabulon data records...";

}  // namespace

TbResult CTbPDBReader::Read(CTbObjDB& db, const std::string& path, int mode, IProgressIndicator* progress) {
    m_db = &db;
    m_progress = progress;
    const bool wasModified = db.IsModified();
    TbResult result = QnRunFileOperation(m_error, path, [&] {
        Reset(mode);
        SetupInFile(path);
        ReadFile();
    });
    if (result < 0 && m_error.GetMessage() == kShortRead)
        m_error.SetDetail(
            path + ": the file ends inside " +
            (m_record < 0 ? std::string("its header or record list") : "record " + std::to_string(m_record)) +
            ".");
    CleanUp();
    db.SetModified(wasModified);
    m_db = nullptr;
    m_progress = nullptr;
    return result;
}

void CTbPDBReader::Reset(int mode) {
    m_error = QnAutoError();
    m_offsets = {};
    m_valid = {};
    m_recordCount = 0;
    m_appInfoOffset = 0;
    m_record = -1;
    m_recordEnd = m_listEnd = 0;
    m_claimed.Clear();
    m_db->UniqueIds().clear();
    m_db->ClearLoadWarnings();
    m_mode = mode;
}

void CTbPDBReader::SetupInFile(const std::string& path) {
    m_InFile.SetErrorObject(&m_error);
    m_InFile.SetByteSwapMethod(PLATFORM_PALM);
    m_error.SetCode(m_InFile.SetPath(path.c_str()));
    m_error.Check("Problem initializing m_InFile in SetupInFile()");
    m_error.SetCode(m_InFile.Open(QN_OPEN_READ));
    m_error.Check("Problem opening m_InFile in SetupInFile()");
    orvanta::platform::FileStamp stamp;
    if (orvanta::platform::StampFile(path, &stamp) == 0) m_db->SetDiskStamp(path, stamp);
    m_fileLength = m_recordEnd = m_InFile.GetLength();
    m_unclaimedBytes = m_fileLength;
    if (m_dumpFlag) SetupDumpFile(path);
}

void CTbPDBReader::SetupDumpFile(const std::string& path) {
    std::string dumpPath = m_dumpPath;
    if (dumpPath.empty()) {
        if (path.size() < 4) {
            m_dumpFlag = false;
            return;
        }
        dumpPath = path.substr(0, path.size() - 4) + ".txt";
    }
    // A dump named like its input ("X.txt" read as a Tabulon) would empty the file being read.
    std::error_code error;
    if (std::filesystem::equivalent(path, dumpPath, error)) {
        m_dumpFlag = false;
        return;
    }
    m_dump.Open(dumpPath, m_error);
}

void CTbPDBReader::ReadFile() {
    ReadPdbHeader();
    if (m_progress) m_progress->SetRange(ProgressRange());
    ShowText(kHeaderText);
    ReadRecordList();
    NoteAppInfo();
    ReadHeaderRecord();
    Step();
    ShowText(kFieldText);
    if (m_mode == TB_READ_HEADER_ONLY) {
        m_dump.Banner("End Read (header only)");
        return;
    }
    ReadDesignRecords();
    if (m_mode == TB_READ_DESIGN_ONLY) {
        CheckDataRecordOffsets();
        m_dump.Banner("End Read (design only)");
        return;
    }
    ShowText(kDataText);
    ReadDataRecords();
    m_dump.Banner("End Read (full read)");
}

void CTbPDBReader::ReadDesignRecords() {
    ReadFieldRecord();
    Step();
    for (int record = TbPdb::kFirstAdvancedRecord; record < TbPdb::kNextKeyRecord; ++record) {
        ReadAdvancedRecord(record);
        Step();
    }
    Step();
    ShowText(kDesignText);
    ReadNextKeyRecord();
    Step();
    ReadFormRecord();
    Step();
    ReadViewRecord();
    Step();
    ReadFilterRecord();
    Step();
}

void CTbPDBReader::CleanUp() {
    m_InFile.Close();  // read-only: nothing is written back, so closing cannot fail
    m_dump.Close();
    Step();
    m_offsets = {};
    m_valid = {};
    m_claimed.Clear();
    m_window.Release();
    m_scratch = {};
    m_converted = {};
    m_itemTexts = {};
    m_itemTextKnown = {};
}

int CTbPDBReader::ProgressRange() const {
    switch (m_mode) {
        case TB_READ_HEADER_ONLY:
            return 2;
        case TB_READ_DESIGN_ONLY:
            return TbPdb::kDesignRecords + 1;
        default:
            return m_recordCount + 1;
    }
}

void CTbPDBReader::Step() {
    if (m_progress) m_progress->Step(1);
}

void CTbPDBReader::ShowText(const char* text) {
    if (m_progress) m_progress->SetText(text);
}
