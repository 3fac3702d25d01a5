// CTbPDBWriter: writes a CTbObjDB as a Tabulon file, in the handheld's layout, beside the old
// file, and puts it in the old file's place only once complete. Failures are kept in its error object.
#pragma once

#include "io/QnAutoError.h"
#include "io/QnBufferedFile.h"
#include "model/TbTypes.h"
#include "pdb/TbWriteBuffer.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CTbObjDB;
class CTbObjFilter;
class CTbObjListItems;
class CTbObjRecord;
class CTbObjRecordValue;
class CTbObjTab;
class CTbObjTabRow;
class CTbObjView;
class IProgressIndicator;

class CTbPDBWriter {
public:
    CTbPDBWriter() = default;
    virtual ~CTbPDBWriter() = default;
    CTbPDBWriter(const CTbPDBWriter&) = delete;
    CTbPDBWriter& operator=(const CTbPDBWriter&) = delete;

    // Writes db to path; progress may be null. 0 on success: the file at path is the new one,
    // and db's unique ID list and its records' IDs are those written. Otherwise the failure
    // code, with its message kept here; the file at path and db are left as they were.
    TbResult Write(CTbObjDB& db, const std::string& path, IProgressIndicator* progress);
    const QnAutoError& GetError() const { return m_error; }
    // The message of the last failure, empty when there was none.
    std::string GetErrorText() const { return m_error.GetMessage(); }
    // The message with a second line naming the file and the cause, where the failure has one.
    std::string GetErrorLines() const { return m_error.GetLines(); }

private:
    // Messages shared by the writing steps.
    static constexpr const char* kNoRecordMessage = "Data Model error - failed to get record";
    static constexpr const char* kNoExprPropsMessage =
        "Internal error with object model or attempting to Write expression properties for a non-expression "
        "type field";

    // What a data record writes for one field slot, taken from the field once per write.
    struct DataField {
        uint8_t slot;
        TbFieldType type;
        int32_t resultFormat;   // Expression and Advanced Expression
        uint8_t joinFieldType;  // DB Join
    };

    // TbPDBWriter.cpp: the order of the steps, the files, the header and the record list.
    void WriteAll(const std::string& path);
    void SetupOutFile(const std::string& path);
    void CommitOutFile(const std::string& path);
    // Fails when the file at path is the one the Tabulon was read from or saved to, and another
    // program has changed it since.
    void CheckUnchangedOnDisk(const std::string& path);
    void CleanUp();
    std::vector<uint32_t> WantedUniqueIds();
    void StoreUniqueIds();
    void WriteHeader();
    void WriteRecordList();
    void BeginRecord(int record) { m_offsets[record] = m_out.GetPosition(); }
    void SetRange(int steps);
    void Step();
    void SetText(const char* text);
    void WriteZeros(uint32_t n);
    // Text up to its first NUL, then a 0 byte.
    void WriteNulString(std::string_view text);
    // size bytes: the text cut to size bytes, padded with zeros.
    void WriteFixedText(std::string_view text, uint32_t size);
    // A u8 length, the text cut to 255 bytes, then a 0 byte (also after an empty text unless
    // nulWhenEmpty is false).
    void WriteShortText(std::string_view text, bool nulWhenEmpty);
    // Fails with message (code -1) when props is null.
    template <typename T>
    T& Need(T* props, const char* message) {
        m_error.Assert(props != nullptr, message, QN_E_ASSERT);
        return *props;
    }

    // TbPDBWriteDesign.cpp: records 0 to 82.
    void WriteDesignRecords();
    void WriteHeaderRecord();
    void WriteFieldRecord();
    void WriteFieldEntry(int slot);
    void WriteAdvancedRecord(int slot);
    void WriteWordList(int slot);
    void WriteListItems(int slot);
    void WriteListBlock(const CTbObjListItems& items);
    void WriteJoinBlock(int slot);
    void WriteOneToManyBlock(int slot);
    void WriteExpressionBlock(int slot, int maxTokens);
    void WriteCondExprBlock(int slot);
    void WritePlugInBlock(int slot);

    // TbPDBWriteForms.cpp: records 83 to 86 and the filter condition block.
    void WriteNextKeyRecord();
    void WriteFormRecord();
    void WriteTab(const CTbObjTab& tab);
    void WriteTabRow(const CTbObjTabRow& row);
    void WriteViewRecord();
    void WriteView(const CTbObjView& view);
    void WriteFilterRecord();
    void WriteFilterBlock(const CTbObjFilter& filter);

    // TbPDBWriteData.cpp: records 87 onward.
    void PlanDataFields();
    void WriteDataRecords();
    void WriteDataRecord(const CTbObjRecord& record);
    void WriteDataValue(const DataField& field, const CTbObjRecordValue& value);
    // TEXT_T and MEMO_T: without CR bytes, cut to limit, with a u8 or u16 length and a 0 byte.
    void WriteRecordText(std::string_view text, uint32_t limit, bool wideLength);
    void WriteDate(const CTbObjRecordValue& value);
    void WriteTime(const CTbObjRecordValue& value);
    void WriteFloat(float value);
    void WriteExprResult(int32_t format, const CTbObjRecordValue& value, bool oldExpression);
    void WriteJoinValue(const DataField& field, const CTbObjRecordValue& value);
    void WriteImage(const CTbObjRecordValue& value);

    CTbObjDB* m_db = nullptr;
    IProgressIndicator* m_progress = nullptr;
    QnAutoError m_error;
    QnBufferedFile m_OutFile;        // declared after m_error, which it reports to
    TbWriteBuffer m_out{m_OutFile};  // everything written goes through it
    std::string m_tempPath;          // the file being written, until it replaces the old one
    uint16_t m_recordCount = 0;      // design records and data records
    std::vector<uint32_t> m_offsets;
    std::vector<uint32_t> m_uniqueIds;
    uint32_t m_listPosition = 0;
    std::vector<DataField> m_dataFields;
};
