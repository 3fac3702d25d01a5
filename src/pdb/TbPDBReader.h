// CTbPDBReader: reads a Tabulon file into a CTbObjDB, in full, header only, or continuing a
// header-only read, and can write a diagnostic text dump of everything it reads.
#pragma once

#include "io/QnAutoError.h"
#include "io/QnBufferedFile.h"
#include "model/TbLoadWarning.h"
#include "model/TbTypes.h"
#include "pdb/TbClaimedBytes.h"
#include "pdb/TbPDBDump.h"
#include "pdb/TbReadWindow.h"

#include <limits>
#include <string>
#include <string_view>
#include <vector>

class CTbObjDB;
class CTbObjField;
class CTbObjFieldExpr;
class CTbObjFilter;
class CTbObjRecord;
class CTbObjRecordValue;
class CTbObjTab;
class CTbObjTabRow;
class CTbObjView;
class IProgressIndicator;

class CTbPDBReader {
public:
    // TB_READ_HEADER_ONLY reads the PDB header, the record list and record 0;
    // TB_READ_CONTINUE reads everything but keeps record 0's values from that earlier read;
    // TB_READ_DESIGN_ONLY reads everything but the data records.
    enum Mode : int {
        TB_READ_FULL = 0,
        TB_READ_HEADER_ONLY = 1,
        TB_READ_CONTINUE = 2,
        TB_READ_DESIGN_ONLY = 3
    };

    CTbPDBReader() = default;
    virtual ~CTbPDBReader() = default;
    CTbPDBReader(const CTbPDBReader&) = delete;
    CTbPDBReader& operator=(const CTbPDBReader&) = delete;

    // Reads the file at path into db and returns 0, or the failure's code with its message
    // kept in GetError(). db keeps what was stored before a failure; its modified flag is
    // what it was before the read. progress may be null.
    TbResult Read(CTbObjDB& db, const std::string& path, int mode, IProgressIndicator* progress);
    const QnAutoError& GetError() const { return m_error; }
    // The message of the last failure; "" when the last read succeeded or none was made.
    std::string GetErrorText() const { return m_error.GetMessage(); }
    // The message with a second line naming the file and the cause, where the failure has one.
    std::string GetErrorLines() const { return m_error.GetLines(); }

    // With the dump flag set, each read also writes a text dump of the file (false after construction).
    void SetDumpFlag(bool on) { m_dumpFlag = on; }
    bool GetDumpFlag() const { return m_dumpFlag; }
    // "" (the default): the input path with its last four characters replaced by ".txt".
    void SetDumpPath(const std::string& path) { m_dumpPath = path; }

private:
    // The read as a whole (TbPDBReader.cpp).
    void Reset(int mode);
    void SetupInFile(const std::string& path);
    void SetupDumpFile(const std::string& path);
    void ReadFile();
    void ReadDesignRecords();
    void CleanUp();
    int ProgressRange() const;
    void Step();
    void ShowText(const char* text);

    // Checked, labelled reads and the record bookkeeping (TbPDBReadBasics.cpp). A label
    // (nullptr: none) puts the value into the dump.
    void Check(bool condition, const char* message);
    uint8_t ReadU8(const char* label = nullptr, TbDumpNamer namer = nullptr);
    int8_t ReadI8(const char* label = nullptr, TbDumpNamer namer = nullptr);
    uint16_t ReadU16(const char* label = nullptr, TbDumpNamer namer = nullptr);
    uint32_t ReadU32(const char* label = nullptr, TbDumpNamer namer = nullptr);
    std::string ReadNulString(const char* label = nullptr);
    std::string ReadFixedText(uint32_t size, const char* label = nullptr);
    // length bytes of text in a scratch buffer: the view lasts until the next such read.
    std::string_view ReadCountedText(uint32_t length);
    void SkipBytes(uint32_t n);
    void RequireBytes(uint32_t n);
    uint32_t SeekRecord(int record);
    uint32_t RecordLength(int record) const;
    void ClaimRecordBytes(uint32_t start);

    // What the read passes over or repairs (TbPDBReadDamage.cpp). A record ends where the next
    // one in the list begins; a value read on past that point would take its neighbour's bytes.
    void Warn(TbLoadWarningKind kind, const std::string& text);
    uint32_t RecordEnd(int record) const;
    // Makes record the one being read, ending at RecordEnd(record).
    void EnterRecord(int record);
    // Bytes left from position to the current record's end; unlimited when the record ends with
    // the file, where a short read fails the load instead.
    uint32_t RoomInRecord(uint32_t position) const {
        if (m_recordEnd >= m_fileLength) return std::numeric_limits<uint32_t>::max();
        return position < m_recordEnd ? m_recordEnd - position : 0;
    }
    // length bytes of a data record's text from the window, cut where the record ends.
    std::string_view ReadRecordText(uint32_t length);
    bool CanReadDataRecordAt(int record);
    void CheckDataRecordOffsets();
    bool EndAtRecordEnd(int slot, CTbObjRecordValue& value);
    void NoteUnterminated(const char* label);
    void ClaimRecordBytes(uint32_t start, uint32_t end);
    // A value read for the dump: shown under the label when the dump is on, and returned.
    template <typename T>
    T Dumped(const char* label, T value) {
        if (m_dump.IsOn()) m_dump.Value(label, value);
        return value;
    }
    CTbObjField& FieldOfRecord(int record) const;

    // The PDB header, record list and record 0 (TbPDBReadHeader.cpp).
    void ReadPdbHeader();
    void ReadRecordList();
    void NoteAppInfo();
    void ReadHeaderRecord();
    void ReadPasswords(CTbObjDB& target);

    // Record 1 (TbPDBReadFields.cpp).
    void ReadFieldRecord();
    void ReadFieldEntry();
    void StoreExtraAttribute(CTbObjField& field, int8_t extra);
    void StoreAutoWriter(CTbObjField& field, uint8_t code);
    void StoreIncDec(CTbObjField& field, uint8_t incDec);
    void StoreDefaultValue(CTbObjField& field, const std::string& text);

    // Records 2 to 82 (TbPDBReadAdvanced.cpp, TbPDBReadExpr.cpp).
    void ReadAdvancedRecord(int record);
    void ReadAdvancedBody(CTbObjField& field, int record, uint32_t start);
    void CheckAdvancedLength(int record, uint32_t start);
    struct ListEntry {
        uint16_t index;
        std::string text;
    };
    std::vector<ListEntry> ReadListBlock(int record);
    void ReadWordList(CTbObjField& field, int record);
    void ReadChoices(CTbObjField& field, int record);
    void ReadJoin(CTbObjField& field, int record);
    void ReadOneToMany(CTbObjField& field);
    void ReadCounter(CTbObjField& field, int record);
    void ReadPlugIn(CTbObjField& field);
    int ReadResultFormat();
    void ReadExpression(CTbObjField& field);
    void ReadAdvancedExpression(CTbObjField& field, int record, uint32_t start);
    void StoreTokens(CTbObjFieldExpr& expr, const std::vector<uint8_t>& types,
                     std::vector<std::string> values);
    void ReadConditional(CTbObjField& field, int record);
    uint8_t ReadConditionColour(const char* label);

    // Records 83 to 86 (TbPDBReadForms.cpp).
    void ReadNextKeyRecord();
    void ReadFormRecord();
    void ReadTab(CTbObjTab& tab);
    void ReadTabRow(CTbObjTab& tab);
    void StoreRowAttributes(CTbObjTabRow& row, uint8_t attributes);
    void ReadViewRecord();
    void ReadView(CTbObjView& view);
    void ReadViewColumn(CTbObjView& view);
    void ReadFilterRecord();
    void ReadFilterBlock(CTbObjFilter& filter);

    // Records 87 onward (TbPDBReadData.cpp).
    void ReadDataRecords();
    void ReadDataRecord(int record);
    void ReadDataBody(int record);
    bool ReadEntry(CTbObjRecord& record);
    static std::string EntryLabel(int type, int slot);
    void ReadValue(int type, int slot, CTbObjRecordValue& value);
    std::string_view ReadEntryText();
    void StoreText(CTbObjRecordValue& value, std::string_view text);
    std::string_view WithCrLf(std::string_view text);
    void ReadChoice(int slot, CTbObjRecordValue& value);
    void ReadDate(CTbObjRecordValue& value);
    void ReadTime(CTbObjRecordValue& value);
    void ReadResult(int slot, int format, CTbObjRecordValue& value);
    void ReadExpressionValue(int slot, CTbObjRecordValue& value);
    void ReadAdvancedValue(int slot, CTbObjRecordValue& value);
    void ReadJoinValue(int slot, CTbObjRecordValue& value);
    void ReadImage(CTbObjRecordValue& value);

    CTbObjDB* m_db = nullptr;
    IProgressIndicator* m_progress = nullptr;
    bool m_dumpFlag = false;
    std::string m_dumpPath;
    int m_mode = TB_READ_FULL;
    QnAutoError m_error;
    QnBufferedFile m_InFile;
    CTbPDBDump m_dump;
    uint16_t m_recordCount = 0;
    uint32_t m_appInfoOffset = 0;
    std::vector<uint32_t> m_offsets;  // file offset of each record
    std::vector<uint16_t> m_valid;    // 1 for a record to read, 0 for a deleted or archived one
    uint32_t m_fileLength = 0;
    // Bytes of the file that no record has used yet: records that overlap one another would
    // otherwise let a small file stand for any number of copies of one large record.
    uint32_t m_unclaimedBytes = 0;
    int m_record = -1;         // the record being read; -1 for the header and record list
    uint32_t m_recordEnd = 0;  // see RecordEnd()
    uint32_t m_listEnd = 0;    // the first byte after the record list
    bool m_textCut = false;    // the last counted text was cut at its record's end
    uint32_t m_cutLength = 0;  // to this length
    TbClaimedBytes m_claimed;  // start and end of the bytes each record read used
    // Data records are decoded from this window of m_InFile.
    TbReadWindow m_window{m_InFile, m_error};
    std::string m_scratch;    // the counted texts of the design records
    std::string m_converted;  // a data record text with CR LF line ends
    // The stored text of each list item by slot and item index (as a byte), looked up on first use.
    static constexpr size_t kItemIndexes = 256;
    std::vector<const char*> m_itemTexts;
    std::vector<bool> m_itemTextKnown;
};
