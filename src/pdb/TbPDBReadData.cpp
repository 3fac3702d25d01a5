// CTbPDBReader: records 87 onward, one per data record: category, key, then field entries
// each decoded by the type byte of its head, until a head of two zero bytes. The records are
// decoded from a large window of the file; their texts go to the Tabulon's text arena.
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
    m_itemTexts.assign(size_t{MaxFieldSlots} * kItemIndexes, nullptr);
    m_itemTextKnown.assign(m_itemTexts.size(), false);
    for (int record = TbPdb::kDesignRecords; record < m_recordCount; ++record) {
        ReadDataRecord(record);
        Step();
    }
}

// A deleted or archived record is passed over; one outside the file's records, one starting
// inside another record and one of another type are passed over with a warning.
void CTbPDBReader::ReadDataRecord(int record) {
    if (m_dump.IsOn()) m_dump.Banner("Record " + std::to_string(record) + ":  Data Record");
    const uint32_t start = m_offsets[record];
    const bool readable = m_valid[record] && CanReadDataRecordAt(record);
    if (readable) {
        EnterRecord(record);
        m_window.SetPosition(start);
    }
    uint8_t type = readable ? Dumped("Record Type", m_window.ReadU8()) : 0;
    if (type == TbPdb::kDataRecordType)
        ReadDataBody(record);
    else
        m_dump.Note("INVALID DATA RECORD");
    if (readable && type != TbPdb::kDataRecordType)
        Warn(TbLoadWarningKind::RecordWrongType, "Record " + std::to_string(record) +
                                                     " passed over: its type byte is " +
                                                     std::to_string(type) + ", not 87.");
    if (readable) ClaimRecordBytes(start, m_window.GetPosition());
}

void CTbPDBReader::ReadDataBody(int record) {
    CTbObjRecord* data = m_db->Records().AddRecord(false, false);
    Check(data != nullptr, "Data Model error - failed to create new record");
    data->SetUniqueId(m_db->UniqueIds()[record]);
    data->Value(0)->SetShort(Dumped("Category", m_window.ReadU8()));
    data->SetKey(Dumped("Key", m_window.ReadU32()));
    while (ReadEntry(*data)) {
    }
}

// Reads one entry into its slot; false at the end mark.
bool CTbPDBReader::ReadEntry(CTbObjRecord& record) {
    if (RoomInRecord(m_window.GetPosition()) == 0) {
        Warn(TbLoadWarningKind::ValuePastEnd,
             "Record " + std::to_string(m_record) +
                 ": no end mark; the values up to the record's end were kept.");
        return false;
    }
    uint8_t type = m_window.ReadU8();
    uint8_t slot = m_window.ReadU8();
    if (type == 0 && slot == 0) return false;
    if (type < TEXT_T || type > kHighestType) {
        if (m_dump.IsOn()) m_dump.Note(EntryLabel(type, slot) + ": UNKNOWN FIELD TYPE!");
        return true;
    }
    if (!CarriesValue(type)) {
        if (m_dump.IsOn()) m_dump.Note(EntryLabel(type, slot) + ": (no value)");
        return true;
    }
    // A field number beyond 80 has no slot to receive its value: the record is damaged.
    CTbObjRecordValue* slotValue = record.Value(slot);
    Check(slotValue != nullptr, "Invalid field number in data record.");
    CTbObjRecordValue& value = *slotValue;
    m_textCut = false;
    ReadValue(type, slot, value);
    if (m_dump.IsOn()) m_dump.RecordValue(EntryLabel(type, slot), type, value);
    return m_window.GetPosition() <= m_recordEnd || EndAtRecordEnd(slot, value);
}

// An entry as the dump names it.
std::string CTbPDBReader::EntryLabel(int type, int slot) {
    return "Field " + std::to_string(slot) + " " + TbDumpFieldType(type);
}

void CTbPDBReader::ReadValue(int type, int slot, CTbObjRecordValue& value) {
    switch (type) {
        case TEXT_T:
            StoreText(value, WithCrLf(ReadEntryText()));
            break;
        case MEMO_T: {
            std::string_view text = ReadRecordText(m_window.ReadU16());
            m_window.ReadU8();  // the NUL after the text
            StoreText(value, WithCrLf(text));
            break;
        }
        case INTEGER_T:
            value.SetShort(static_cast<int16_t>(m_window.ReadU16()));
            break;
        case LONG_T:
        case KEY_T:  // no value in an entry of its own (CarriesValue); a joined key is a number
        case AUTO_INC_T:
            value.SetLong(static_cast<int32_t>(m_window.ReadU32()));
            break;
        case FLOATING_T:
            value.SetFloat(std::bit_cast<float>(m_window.ReadU32()));
            break;
        case LIST_T:
        case RADIO_T:
            ReadChoice(slot, value);
            break;
        case CHECKBOX_T:
            value.SetChecked(m_window.ReadU8() != 0);
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
            value.SetColour(m_window.ReadU8());
            StoreText(value, ReadEntryText());
            break;
        case DB_JOIN_T:
            ReadJoinValue(slot, value);
            break;
        case ADDR_BK_JOIN_T:
            value.SetExtraWord(m_window.ReadU32());  // the linked address-book record's ID
            StoreText(value, ReadEntryText());
            break;
        case ADDR_BK_LOOKUP_T:
            StoreText(value, ReadEntryText());
            break;
        case IMAGE_T:
            ReadImage(value);
            break;
        default:
            break;
    }
}

// A byte length, the text, and its NUL (present even after a length of 0). The view lasts
// until the next read from the window.
std::string_view CTbPDBReader::ReadEntryText() {
    std::string_view text = ReadRecordText(m_window.ReadU8());
    m_window.ReadU8();
    return text;
}

void CTbPDBReader::StoreText(CTbObjRecordValue& value, std::string_view text) {
    value.ShareText(m_db->Records().Texts().Store(text));
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

// The selected item's index, sign-extended, and that item's text from the field's list. Each
// item's text is stored once per read and shared by every value that selects it.
void CTbPDBReader::ReadChoice(int slot, CTbObjRecordValue& value) {
    auto index = static_cast<int8_t>(m_window.ReadU8());
    value.SetShort(index);
    size_t at = static_cast<size_t>(slot) * kItemIndexes + static_cast<uint8_t>(index);
    if (!m_itemTextKnown[at]) {
        const CTbObjFieldList* list = m_db->Field(slot)->ListProps();
        m_itemTexts[at] = list ? m_db->Records().Texts().Store(list->Items().TextOfIndex(index)) : nullptr;
        m_itemTextKnown[at] = true;
    }
    value.ShareText(m_itemTexts[at]);
}

void CTbPDBReader::ReadDate(CTbObjRecordValue& value) {
    uint16_t year = m_window.ReadU16();
    auto month = static_cast<int8_t>(m_window.ReadU8());
    auto day = static_cast<int8_t>(m_window.ReadU8());
    value.SetDate(year, month, day);
}

void CTbPDBReader::ReadTime(CTbObjRecordValue& value) {
    m_window.ReadU8();  // always 0
    auto hour = static_cast<int8_t>(m_window.ReadU8());
    auto minute = static_cast<int8_t>(m_window.ReadU8());
    auto second = static_cast<int8_t>(m_window.ReadU8());
    value.SetTime(hour, minute, second);
}

// Four bytes holding a float, a date or a time as the result format says, each stored as a
// value of that type; a text result leaves them unused.
void CTbPDBReader::ReadResult(int slot, int format, CTbObjRecordValue& value) {
    int type = ExprResultValueType(format);
    if (type == FLOATING_T || type == DATE_T || type == TIME_T)
        ReadValue(type, slot, value);
    else
        m_window.ReadU32();
}

void CTbPDBReader::ReadExpressionValue(int slot, CTbObjRecordValue& value) {
    const CTbObjFieldExpr* expr = m_db->Field(slot)->ExprProps();
    Check(expr != nullptr, "Could not read expression object from internal object model.");
    int format = expr->GetResultFormat();
    Check(format >= 0 && format < EXPR_RESULT_TEXT, "Invalid expression return type for (old) expressions.");
    ReadResult(slot, format, value);
}

void CTbPDBReader::ReadAdvancedValue(int slot, CTbObjRecordValue& value) {
    const CTbObjFieldExpr* expr = m_db->Field(slot)->ExprProps();
    Check(expr != nullptr, "Could not read expression object from internal object model.");
    value.SetColour(m_window.ReadU8());
    ReadResult(slot, expr->GetResultFormat(), value);
    // Unlike the other texts, an empty result text has no NUL after its length.
    uint8_t length = m_window.ReadU8();
    std::string_view text = ReadRecordText(length);
    if (length > 0) m_window.ReadU8();
    StoreText(value, text);
}

void CTbPDBReader::ReadJoinValue(int slot, CTbObjRecordValue& value) {
    uint8_t original = m_window.ReadU8();
    value.SetType(original);
    switch (original) {
        case TEXT_T:
            StoreText(value, ReadEntryText());  // a joined text keeps its line ends as stored
            break;
        case INTEGER_T:
        case LONG_T:
        case KEY_T:
        case AUTO_INC_T:
        case DATE_T:
            ReadValue(original, slot, value);  // stored as a value of the original type
            break;
        default:
            break;  // the joined value of other types is not kept in the file
    }
}

void CTbPDBReader::ReadImage(CTbObjRecordValue& value) {
    uint16_t size = m_window.ReadU16();
    uint8_t state = m_window.ReadU8();
    if (m_dump.IsOn()) m_dump.Value("Image State", state, TbDumpImageState);
    std::string_view bytes = m_window.ReadBytes(size);
    value.SetData(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    value.SetHasValue(size > 0);
}
