// CTbPDBReader: where a damaged file's records begin and end, and the warnings the read keeps
// with the Tabulon for each record it passes over and each value it drops or cuts.
#include "pdb/TbPDBReader.h"

#include "model/TbObjDB.h"
#include "pdb/TbPDBFormat.h"

#include <limits>

namespace {

std::string RecordName(int record) { return "Record " + std::to_string(record); }

}  // namespace

void CTbPDBReader::Warn(TbLoadWarningKind kind, const std::string& text) {
    m_db->AddLoadWarning(TbLoadWarning{kind, m_record, text});
    m_dump.Note("WARNING: " + text);
}

uint32_t CTbPDBReader::RecordEnd(int record) const {
    uint32_t next = record + 1 < m_recordCount ? m_offsets[record + 1] : m_fileLength;
    return next > m_offsets[record] && next < m_fileLength ? next : m_fileLength;
}

void CTbPDBReader::EnterRecord(int record) {
    m_record = record;
    m_recordEnd = RecordEnd(record);
}

std::string_view CTbPDBReader::ReadRecordText(uint32_t length) {
    uint32_t room = RoomInRecord(m_window.GetPosition());
    m_textCut = length > room;
    m_cutLength = room;
    return m_window.ReadBytes(m_textCut ? room : length);
}

// A data record starts after the record list, inside the file, and not inside the bytes of a
// record read before it.
bool CTbPDBReader::CanReadDataRecordAt(int record) {
    m_record = record;
    const uint32_t start = m_offsets[record];
    if (start < m_listEnd || start >= m_fileLength) {
        Warn(TbLoadWarningKind::RecordOutOfRange, RecordName(record) + " passed over: its offset " +
                                                      std::to_string(start) +
                                                      " lies outside the file's records.");
        return false;
    }
    if (m_claimed.Holds(start)) {
        Warn(TbLoadWarningKind::RecordOverlaps, RecordName(record) + " passed over: its offset " +
                                                    std::to_string(start) +
                                                    " lies inside the bytes of another record.");
        return false;
    }
    return true;
}

// Without reading the data records, those the record list places outside the file's records
// are known already: a design-only read warns of them as a full read would.
void CTbPDBReader::CheckDataRecordOffsets() {
    const int current = m_record;
    for (int record = TbPdb::kDesignRecords; record < m_recordCount; ++record) {
        const uint32_t start = m_offsets[record];
        if (m_valid[record] && (start < m_listEnd || start >= m_fileLength)) CanReadDataRecordAt(record);
    }
    m_record = current;
}

// After a value that took bytes beyond its record's end: a text cut at the end is kept, any
// other value is dropped, and the record ends there.
bool CTbPDBReader::EndAtRecordEnd(int slot, CTbObjRecordValue& value) {
    std::string where = RecordName(m_record) + ": the ";
    if (m_textCut) {
        Warn(TbLoadWarningKind::TextCut, where + "text of field " + std::to_string(slot) +
                                             " ran past the record's end and was cut to " +
                                             std::to_string(m_cutLength) + " bytes.");
    } else {
        value.Reset(m_db->Field(slot), false);
        Warn(TbLoadWarningKind::ValuePastEnd, where + "value of field " + std::to_string(slot) +
                                                  " ran past the record's end and was dropped.");
    }
    return false;
}

void CTbPDBReader::NoteUnterminated(const char* label) {
    std::string what = label ? label : "a text";
    Warn(TbLoadWarningKind::TextUnterminated, (m_record < 0 ? std::string("Header") : RecordName(m_record)) +
                                                  ": " + what +
                                                  " has no terminator and was cut where its room ends.");
}
