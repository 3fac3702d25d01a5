// CTbPDBReader: checked reads of the file's numbers and texts, each optionally labelled into
// the dump, and the bookkeeping of where each record starts and how much of the file it uses.
#include "pdb/TbPDBReader.h"

#include "model/TbObjDB.h"
#include "pdb/TbPDBFormat.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr const char* kShortRead = "Couldn't read in all bytes in ReadN()";
constexpr const char* kOverlap = "Invalid Tabulon: records overlap one another.";
}  // namespace

void CTbPDBReader::Check(bool condition, const char* message) {
    m_error.Assert(condition, message, QN_E_ASSERT);
}

uint8_t CTbPDBReader::ReadU8(const char* label, TbDumpNamer namer) {
    uint8_t value = m_InFile.ReadU8();
    if (label) m_dump.Value(label, value, namer);
    return value;
}

int8_t CTbPDBReader::ReadI8(const char* label, TbDumpNamer namer) {
    auto value = static_cast<int8_t>(m_InFile.ReadU8());
    if (label) m_dump.Value(label, value, namer);
    return value;
}

uint16_t CTbPDBReader::ReadU16(const char* label, TbDumpNamer namer) {
    uint16_t value = m_InFile.ReadU16();
    if (label) m_dump.Value(label, value, namer);
    return value;
}

uint32_t CTbPDBReader::ReadU32(const char* label, TbDumpNamer namer) {
    uint32_t value = m_InFile.ReadU32();
    if (label) m_dump.Value(label, value, namer);
    return value;
}

std::string CTbPDBReader::ReadNulString(const char* label) {
    std::string text;
    for (uint32_t room = RoomInRecord(m_InFile.GetPosition());; --room) {
        if (room == 0) {
            NoteUnterminated(label);
            break;
        }
        uint8_t c = m_InFile.ReadU8();
        if (c == 0) break;
        text.push_back(static_cast<char>(c));
    }
    if (label) m_dump.Text(label, text);
    return text;
}

std::string CTbPDBReader::ReadFixedText(uint32_t size, const char* label) {
    std::string text(size, '\0');
    m_InFile.ReadN(text.data(), size);
    text.resize(strnlen(text.data(), size));
    if (label) m_dump.Text(label, text);
    return text;
}

std::string_view CTbPDBReader::ReadCountedText(uint32_t length) {
    uint32_t room = RoomInRecord(m_InFile.GetPosition());
    m_textCut = length > room;
    if (m_textCut) length = room;
    RequireBytes(length);
    m_scratch.resize(length);
    if (length > 0) m_InFile.ReadN(m_scratch.data(), length);
    return m_scratch;
}

void CTbPDBReader::SkipBytes(uint32_t n) { m_InFile.Skip(n); }

// Fails as a short read would, before anything is allocated for bytes the file does not hold.
void CTbPDBReader::RequireBytes(uint32_t n) {
    uint32_t position = m_InFile.GetPosition();
    uint32_t left = position < m_fileLength ? m_fileLength - position : 0;
    Check(n <= left, kShortRead);
}

uint32_t CTbPDBReader::SeekRecord(int record) {
    EnterRecord(record);
    m_InFile.SetPosition(m_offsets[record]);
    return m_offsets[record];
}

// The distance to the next record's offset, as the record list gives it.
uint32_t CTbPDBReader::RecordLength(int record) const { return m_offsets[record + 1] - m_offsets[record]; }

void CTbPDBReader::ClaimRecordBytes(uint32_t start) { ClaimRecordBytes(start, m_InFile.GetPosition()); }

void CTbPDBReader::ClaimRecordBytes(uint32_t start, uint32_t end) {
    uint32_t used = end > start ? end - start : 0;
    Check(used <= m_unclaimedBytes, kOverlap);
    m_unclaimedBytes -= used;
    // A value cut at the record's end read one byte on; the next record still starts there.
    if (used > 0) m_claimed.Claim(start, m_recordEnd < m_fileLength ? std::min(end, m_recordEnd) : end);
}

CTbObjField& CTbPDBReader::FieldOfRecord(int record) const {
    return *m_db->Field(record - TbPdb::kFirstAdvancedRecord);
}
