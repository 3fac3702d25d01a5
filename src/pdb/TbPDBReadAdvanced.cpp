// CTbPDBReader: records 2 to 82, the advanced properties of field slots 0 to 80, whose body
// depends on the type record 1 gave the slot: word and choice lists, joins, one-to-many
// links, counters and plug-ins here; expressions in TbPDBReadExpr.cpp.
#include "pdb/TbPDBReader.h"

#include "model/TbObjDB.h"
#include "pdb/TbPDBFormat.h"

namespace {

constexpr uint32_t kEmptyRecordLength = 2;  // the type byte and one more: no body to read
constexpr uint32_t kRelatedDbSize = 33;
constexpr uint32_t kViewTextSize = 21;
constexpr uint32_t kPlugInReserved = 4;
constexpr const char* kCorrupt = "Corrupt Advanced Properties Record";

}  // namespace

void CTbPDBReader::ReadAdvancedRecord(int record) {
    if (m_dump.IsOn()) m_dump.Banner("Record " + std::to_string(record) + ":  Advanced Field Properties");
    uint32_t start = SeekRecord(record);
    Check(ReadU8("Record Type") == record, "Invalid Record Type");
    CTbObjField& field = FieldOfRecord(record);
    m_dump.Value("Field Number", field.GetSlot());
    m_dump.Value("Field Type", field.GetType(), TbDumpFieldType);
    ReadAdvancedBody(field, record, start);
    CheckAdvancedLength(record, start);
    ClaimRecordBytes(start);
}

void CTbPDBReader::ReadAdvancedBody(CTbObjField& field, int record, uint32_t start) {
    switch (field.GetType()) {
        case TEXT_T:
        case MEMO_T:
            ReadWordList(field, record);
            break;
        case LIST_T:
        case RADIO_T:
            ReadChoices(field, record);
            break;
        case DB_JOIN_T:
        case DB_LOOKUP_T:
        case ADDR_BK_JOIN_T:
        case ADDR_BK_LOOKUP_T:
            ReadJoin(field, record);
            break;
        case ONE_TO_MANY_T:
            ReadOneToMany(field);
            break;
        case EXPRESSION_T:
            ReadExpression(field);
            break;
        case ADV_EXPRESSION_T:
            ReadAdvancedExpression(field, record, start);
            break;
        case COND_EXP_T:
            ReadConditional(field, record);
            break;
        case AUTO_INC_T:
            ReadCounter(field, record);
            break;
        case PLUGIN_T:
            ReadPlugIn(field);
            break;
        default:
            break;  // unused slots and types without advanced properties: the type byte only
    }
}

// A record may be longer than its body, never shorter.
void CTbPDBReader::CheckAdvancedLength(int record, uint32_t start) {
    Check(m_InFile.GetPosition() - start <= RecordLength(record), kCorrupt);
}

// A count, the items' indexes, then their texts. A record too short for its count (each text
// takes at least its NUL) loses the list and the read goes on.
std::vector<CTbPDBReader::ListEntry> CTbPDBReader::ReadListBlock(int record) {
    uint8_t count = ReadU8("Items Count");
    std::vector<ListEntry> items;
    if (RecordLength(record) < 2u * count + 2) {
        m_dump.Note("LIST DATA CORRUPTED, continuing and removing corrupted list data");
        return items;
    }
    items.resize(count);
    for (ListEntry& item : items) item.index = ReadU8();
    for (ListEntry& item : items) item.text = ReadNulString();
    for (size_t i = 0; m_dump.IsOn() && i < items.size(); ++i) {
        std::string item = "Item " + std::to_string(i + 1);
        m_dump.Value(item + " Index", items[i].index);
        m_dump.Text(item + " Value", items[i].text);
    }
    return items;
}

void CTbPDBReader::ReadWordList(CTbObjField& field, int record) {
    CTbObjFieldText* text = field.TextProps();
    Check(text != nullptr, "Attempting to read list data for non-list type.");
    if (text->GetAutoWriter() == 0 || RecordLength(record) <= kEmptyRecordLength) return;
    for (ListEntry& item : ReadListBlock(record))
        text->Words().AddItemWithIndex(item.index, std::move(item.text));
}

void CTbPDBReader::ReadChoices(CTbObjField& field, int record) {
    CTbObjFieldList* list = field.ListProps();
    Check(list != nullptr, "Attempting to read list data for non-list type.");
    for (ListEntry& item : ReadListBlock(record))
        list->Items().AddItemWithIndex(item.index, std::move(item.text));
}

void CTbPDBReader::ReadJoin(CTbObjField& field, int record) {
    CTbObjFieldJoin* join = field.JoinProps();
    Check(join != nullptr, "Error getting join advanced properties object, invalid field type.");
    if (RecordLength(record) <= kEmptyRecordLength) return;
    join->SetSourceDatabase(ReadNulString("Source DB"));
    join->SetJoinField(static_cast<uint8_t>(ReadI8("Join Field Num")));
    join->SetDisplayField(static_cast<uint8_t>(ReadI8("Display Field Num")));
    join->SetViewNumber(static_cast<uint8_t>(ReadI8("View Num")));
    join->SetJoinFieldType(ReadU8("Join Field Type (only applicable for external joins)", TbDumpFieldType));
}

void CTbPDBReader::ReadOneToMany(CTbObjField& field) {
    CTbObjFieldOTM* link = field.OtmProps();
    Check(link != nullptr,
          "Internal error with object model or attempting to read One To Many properties for another type of "
          "field");
    link->SetRelatedDatabase(ReadFixedText(kRelatedDbSize, "Related DB"));
    link->SetParentField(ReadU8("Parent Field"));
    link->SetRelatedField(ReadU8("Related Field"));
    link->SetViewName(ReadFixedText(kViewTextSize, "View Name"));
    link->SetViewLabel(ReadFixedText(kViewTextSize, "View Label"));
    link->SetExtraSetting(ReadI8("Further Setting"));
}

void CTbPDBReader::ReadCounter(CTbObjField& field, int record) {
    CTbObjFieldNumber* number = field.NumberProps();
    Check(number != nullptr, "Missing advanced properties object!");
    if (RecordLength(record) <= kEmptyRecordLength) return;
    // The file keeps the last value handed out; the field keeps the next one.
    number->SetNextValue(static_cast<int32_t>(ReadU32("Counter") + 1));
}

void CTbPDBReader::ReadPlugIn(CTbObjField& field) {
    CTbObjFieldPlugIn* plugIn = field.PlugInProps();
    Check(plugIn != nullptr,
          "Internal error with object model or attempting to read Plug-In field properties for another type "
          "of field");
    plugIn->SetPlugInType(ReadU32("Plug-In Type ID", TbDumpFourChars));
    plugIn->SetAutoActivate(ReadU8("Auto-Activate") != 0);
    std::vector<uint16_t> results(CTbObjFieldPlugIn::kResultFieldCount);
    for (uint16_t& result : results) result = ReadU8("Result Field", TbDumpFieldNumber);
    plugIn->SetResultField(results[0]);
    plugIn->SetResultFields(results);
    SkipBytes(kPlugInReserved);
    uint8_t count = ReadU8("Parameter Count");
    std::vector<CTbObjFieldPlugIn::Parameter> parameters(count);
    for (CTbObjFieldPlugIn::Parameter& parameter : parameters) {
        TbDumpIndent indent(m_dump);
        parameter.kind = ReadU8("Parameter Type", TbDumpParameterKind);
        if (parameter.kind == 0) {
            parameter.field = ReadU8("Field", TbDumpFieldNumber);
        } else {
            parameter.constant = std::string(ReadCountedText(ReadU8("Constant Length")));
            m_dump.Text("Constant", parameter.constant);
        }
    }
    plugIn->SetParameters(std::move(parameters));
}
