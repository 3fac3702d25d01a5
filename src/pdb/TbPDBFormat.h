// The fixed numbers of the Tabulon file: a Palm database (PDB) of type "data" and creator
// "MNDR", a 78-byte header, 8-byte record list entries, 87 design records, then data records.
#pragma once

#include <cstdint>

namespace TbPdb {

inline constexpr uint32_t kHeaderSize = 78;
inline constexpr uint32_t kNameSize = 32;
inline constexpr uint32_t kListEntrySize = 8;
inline constexpr char kType[5] = "data";
inline constexpr char kCreator[5] = "MNDR";
inline constexpr uint8_t kDbVersion = 30;                      // the design version read and written
inline constexpr uint32_t kMaxRecords = 0xFFFF;                // the header's record count is 16 bits
inline constexpr uint32_t kMaxDataRecords = kMaxRecords - 87;  // 65,448

// Header attribute bits.
inline constexpr uint16_t kAttrReadOnly = 0x0002;
inline constexpr uint16_t kAttrDirtyAppInfo = 0x0004;
inline constexpr uint16_t kAttrBackup = 0x0008;
inline constexpr uint16_t kAttrReplaceNewer = 0x0010;
inline constexpr uint16_t kAttrResetPalm = 0x0020;
inline constexpr uint16_t kAttrNoBeam = 0x0040;

// Record list attribute bits.
inline constexpr uint8_t kRecordDeleted = 0x80;
inline constexpr uint8_t kRecordDirty = 0x40;
inline constexpr uint8_t kRecordArchived = 0x08;

// Design record numbers; each record's first byte repeats its number.
inline constexpr int kHeaderRecord = 0;
inline constexpr int kFieldRecord = 1;
inline constexpr int kFirstAdvancedRecord = 2;  // records 2 to 82: advanced properties of slots 0 to 80
inline constexpr int kNextKeyRecord = 83;
inline constexpr int kFormRecord = 84;
inline constexpr int kViewRecord = 85;
inline constexpr int kFilterRecord = 86;
inline constexpr int kDesignRecords = 87;
inline constexpr uint8_t kDataRecordType = 87;

inline constexpr uint32_t kFilterBlockSize = 96;
inline constexpr uint32_t kCondExprMinRecord = 138;

// Palm seconds of 1970-01-01: dates at or below it mean "no date".
inline constexpr uint32_t kUnixEpochInPalmSeconds = 2082844800u;

}  // namespace TbPdb
