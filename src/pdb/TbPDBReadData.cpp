// CTbPDBReader: records 87 onward, one per data record: category, key, then field entries
// each decoded by the type byte of its head, until a head of two zero bytes.
#include "pdb/TbPDBReader.h"

#include "model/TbObjDB.h"
#include "pdb/TbPDBFormat.h"

#include <bit>

namespace {

constexpr int kHighestType = ADV_EXPRESSION_T;

// Key, DB Lookup, One To Many and Plug-In entries carry no value bytes.
bool CarriesValue(int type) {
    return type != KEY_T && type != DB_LOOKUP_T && type != ONE_TO_MANY_T && type != PLUGIN_T;
}

}  // namespace

void CTbPDBReader::ReadDataRecords() {
    m_db->Records().Reserve(m_db->GetPdbRecordCount() - TbPdb::kDesignRecords);
    for (int record = TbPdb::kDesignRecords; record < m_recordCount; ++record) {
        ReadDataRecord(record);
        Step();
    }
}

// A deleted or archived record, one beyond the end of the file and one of another type are
// passed over without complaint.
void CTbPDBReader::ReadDataRecord(int record) {
    if (m_dump.IsOn()) m_dump.Banner("Record " + std::to_string(record) + ":  Data Record");
    const uint32_t start = m_offsets[record];
    const bool readable = m_valid[record] && CanReadDataRecordAt(record);
    if (readable) SeekRecord(record);
    uint8_t type = readable ? ReadU8("Record Type") : 0;
    if (type == TbPdb::kDataRecordType)
        ReadDataBody(record);
    else
        m_dump.Note("INVALID DATA RECORD");
    if (readable && type != TbPdb::kDataRecordType)
        Warn(TbLoadWarningKind::RecordWrongType, "Record " + std::to_string(record) +
                                                     " passed over: its type byte is " +
                                                     std::to_string(type) + ", not 87.");
    if (readable) ClaimRecordBytes(start);
}

void CTbPDBReader::ReadDataBody(int record) {
    CTbObjRecord* data = m_db->Records().AddRecord(false, false);
    Check(data != nullptr, "Data Model error - failed to create new record");
    data->SetUniqueId(m_db->UniqueIds()[record]);
    data->Value(0)->SetShort(ReadU8("Category"));
    data->SetKey(ReadU32("Key"));
    while (ReadEntry(*data)) {
    }
}

// Reads one entry into its slot; false at the end mark.
bool CTbPDBReader::ReadEntry(CTbObjRecord& record) {
    if (RoomInRecord() == 0) {
        Warn(TbLoadWarningKind::ValuePastEnd,
             "Record " + std::to_string(m_record) +
                 ": no end mark; the values up to the record's end were kept.");
        return false;
    }
    uint8_t type = ReadU8();
    uint8_t slot = ReadU8();
    if (type == 0 && slot == 0) return false;
    std::string label =
        m_dump.IsOn() ? "Field " + std::to_string(slot) + " " + TbDumpFieldType(type) : std::string();
    if (type < TEXT_T || type > kHighestType) {
        m_dump.Note(label + ": UNKNOWN FIELD TYPE!");
        return true;
    }
    if (!CarriesValue(type)) {
        m_dump.Note(label + ": (no value)");
        return true;
    }
    Check(slot <= MaxUserFields, "Invalid field number in data record.");
    CTbObjRecordValue& value = *record.Value(slot);
    m_textCut = false;
    ReadValue(type, slot, value);
    m_dump.RecordValue(label, type, value);
    return m_InFile.GetPosition() <= m_recordEnd || EndAtRecordEnd(slot, value);
}

void CTbPDBReader::ReadValue(int type, int slot, CTbObjRecordValue& value) {
    switch (type) {
        case TEXT_T:
            value.SetText(WithCrLf(ReadEntryText()));
            break;
        case MEMO_T: {
            std::string_view text = ReadCountedText(ReadU16());
            ReadU8();  // the NUL after the text
            value.SetText(WithCrLf(text));
            break;
        }
        case INTEGER_T:
            value.SetShort(static_cast<int16_t>(ReadU16()));
            break;
        case LONG_T:
        case AUTO_INC_T:
            value.SetLong(static_cast<int32_t>(ReadU32()));
            break;
        case FLOATING_T:
            value.SetFloat(std::bit_cast<float>(ReadU32()));
            break;
        case LIST_T:
        case RADIO_T:
            ReadChoice(slot, value);
            break;
        case CHECKBOX_T:
            value.SetChecked(ReadU8() != 0);
            break;
        case DATE_T:
            ReadDate(value);
            break;
        case TIME_T:
            ReadTime(value);
            break;
        case EXPRESSION_T:
            ReadExpressionValue(slot, value);
            break;
        case ADV_EXPRESSION_T:
            ReadAdvancedValue(slot, value);
            break;
        case COND_EXP_T:
            value.SetColour(ReadU8());
            value.SetText(ReadEntryText());
            break;
        case DB_JOIN_T:
            ReadJoinValue(value);
            break;
        case ADDR_BK_JOIN_T:
            value.SetExtraWord(ReadU32());  // the linked address-book record's ID
            value.SetText(ReadEntryText());
            break;
        case ADDR_BK_LOOKUP_T:
            value.SetText(ReadEntryText());
            break;
        case IMAGE_T:
            ReadImage(value);
            break;
        default:
            break;
    }
}

// A byte length, the text, and its NUL (present even after a length of 0).
std::string_view CTbPDBReader::ReadEntryText() {
    std::string_view text = ReadCountedText(ReadU8());
    ReadU8();
    return text;
}

// The handheld ends lines with LF alone; the desktop's texts use CR LF.
std::string_view CTbPDBReader::WithCrLf(std::string_view text) {
    if (text.find('\n') == std::string_view::npos) return text;
    m_converted.clear();
    for (char c : text) {
        if (c == '\n') m_converted.push_back('\r');
        m_converted.push_back(c);
    }
    return m_converted;
}

// The selected item's index, sign-extended, and that item's text from the field's list.
void CTbPDBReader::ReadChoice(int slot, CTbObjRecordValue& value) {
    int16_t index = ReadI8();
    value.SetShort(index);
    const CTbObjFieldList* list = m_db->Field(slot)->ListProps();
    value.SetText(list ? list->Items().TextOfIndex(index) : std::string());
}

void CTbPDBReader::ReadDate(CTbObjRecordValue& value) {
    uint16_t year = ReadU16();
    int8_t month = ReadI8();
    int8_t day = ReadI8();
    value.SetDate(year, month, day);
}

void CTbPDBReader::ReadTime(CTbObjRecordValue& value) {
    ReadU8();  // always 0
    int8_t hour = ReadI8();
    int8_t minute = ReadI8();
    int8_t second = ReadI8();
    value.SetTime(hour, minute, second);
}

// Four bytes holding a float, a date or a time as the result format says; a text result
// leaves them unused.
void CTbPDBReader::ReadResult(int format, CTbObjRecordValue& value) {
    switch (ExprResultValueType(format)) {
        case FLOATING_T:
            value.SetFloat(std::bit_cast<float>(ReadU32()));
            break;
        case DATE_T:
            ReadDate(value);
            break;
        case TIME_T:
            ReadTime(value);
            break;
        default:
            ReadU32();
            break;
    }
}

void CTbPDBReader::ReadExpressionValue(int slot, CTbObjRecordValue& value) {
    const CTbObjFieldExpr* expr = m_db->Field(slot)->ExprProps();
    Check(expr != nullptr, "Could not read expression object from internal object model.");
    int format = expr->GetResultFormat();
    Check(format >= 0 && format < EXPR_RESULT_TEXT, "Invalid expression return type for (old) expressions.");
    ReadResult(format, value);
}

void CTbPDBReader::ReadAdvancedValue(int slot, CTbObjRecordValue& value) {
    const CTbObjFieldExpr* expr = m_db->Field(slot)->ExprProps();
    Check(expr != nullptr, "Could not read expression object from internal object model.");
    value.SetColour(ReadU8());
    ReadResult(expr->GetResultFormat(), value);
    // Unlike the other texts, an empty result text has no NUL after its length.
    uint8_t length = ReadU8();
    std::string_view text = ReadCountedText(length);
    if (length > 0) ReadU8();
    value.SetText(text);
}

void CTbPDBReader::ReadJoinValue(CTbObjRecordValue& value) {
    uint8_t original = ReadU8();
    value.SetType(original);
    switch (original) {
        case TEXT_T:
            value.SetText(ReadEntryText());
            break;
        case INTEGER_T:
            value.SetShort(static_cast<int16_t>(ReadU16()));
            break;
        case LONG_T:
        case KEY_T:
        case AUTO_INC_T:
            value.SetLong(static_cast<int32_t>(ReadU32()));
            break;
        case DATE_T:
            ReadDate(value);
            break;
        default:
            break;  // the joined value of other types is not kept in the file
    }
}

void CTbPDBReader::ReadImage(CTbObjRecordValue& value) {
    uint16_t size = ReadU16();
    ReadU8("Image State", TbDumpImageState);
    RequireBytes(size);
    std::vector<uint8_t> data(size);
    if (size > 0) m_InFile.ReadN(data.data(), size);
    value.SetData(std::move(data));
    value.SetHasValue(size > 0);
}
