// CTbPDBWriter, data records 87 onward: the category, the key and one entry per field value
// in the handheld's encoding of each field type, then the two-zero end mark.
#include "model/TbObjDB.h"
#include "pdb/TbPDBFormat.h"
#include "pdb/TbPDBWriter.h"

#include <algorithm>
#include <bit>

namespace {

constexpr uint32_t kMaxText = 255;
constexpr uint32_t kMaxMemo = 4095;
constexpr uint32_t kMaxImage = 0xFFFF;

}  // namespace

// The fields' types and settings are looked up once per write, not once per value.
void CTbPDBWriter::PlanDataFields() {
    m_dataFields.clear();
    for (int slot = 1; slot < MaxFieldSlots; ++slot) {
        const CTbObjField& field = *m_db->Field(slot);
        TbFieldType type = field.GetType();
        if (type == NOTUSED_T || type == KEY_T) continue;
        DataField planned{static_cast<uint8_t>(slot), type, 0, 0};
        if (type == EXPRESSION_T || type == ADV_EXPRESSION_T)
            planned.resultFormat = Need(field.ExprProps(), kNoExprPropsMessage).GetResultFormat();
        if (type == DB_JOIN_T)
            planned.joinFieldType =
                Need(field.JoinProps(), "Error getting join advanced properties object, invalid field type.")
                    .GetJoinFieldType();
        m_dataFields.push_back(planned);
    }
}

void CTbPDBWriter::WriteDataRecords() {
    SetText("Writing Tabulon data records...");
    const CTbObjRecordList& records = m_db->Records();
    for (int j = 0; j + TbPdb::kDesignRecords < m_recordCount; ++j) {
        const CTbObjRecord* record = records.RecordInStoredOrder(j);
        m_error.Assert(record != nullptr, kNoRecordMessage, QN_E_ASSERT);
        BeginRecord(TbPdb::kDesignRecords + j);
        WriteDataRecord(*record);
        Step();
    }
}

void CTbPDBWriter::WriteDataRecord(const CTbObjRecord& record) {
    m_out.WriteU8(TbPdb::kDataRecordType);
    m_out.WriteU8(static_cast<uint8_t>(record.GetCategory()));
    m_out.WriteU32(record.GetKey());
    for (const DataField& field : m_dataFields) WriteDataValue(field, *record.Value(field.slot));
    m_out.WriteU16(0);  // end mark: type 0, field 0
}

void CTbPDBWriter::WriteDataValue(const DataField& field, const CTbObjRecordValue& value) {
    // A list without a selection and an image without bytes are left out.
    if (field.type == LIST_T && value.GetShort() <= 0) return;
    if (field.type == IMAGE_T && value.GetData().empty()) return;
    m_out.WriteU8(static_cast<uint8_t>(field.type));
    m_out.WriteU8(field.slot);
    switch (field.type) {
        case TEXT_T:
            WriteRecordText(value.GetText(), kMaxText, false);
            break;
        case MEMO_T:
            WriteRecordText(value.GetText(), kMaxMemo, true);
            break;
        case INTEGER_T:
            m_out.WriteU16(static_cast<uint16_t>(value.GetShort()));
            break;
        case LONG_T:
        case AUTO_INC_T:
            m_out.WriteU32(static_cast<uint32_t>(value.GetLong()));
            break;
        case FLOATING_T:
            WriteFloat(value.GetFloat());
            break;
        case LIST_T:
        case RADIO_T:
            m_out.WriteU8(static_cast<uint8_t>(value.GetShort()));
            break;
        case CHECKBOX_T:
            m_out.WriteU8(value.GetChecked() ? 1 : 0);
            break;
        case DATE_T:
            WriteDate(value);
            break;
        case TIME_T:
            WriteTime(value);
            break;
        case EXPRESSION_T:
            WriteExprResult(field.resultFormat, value, true);
            break;
        case ADV_EXPRESSION_T:
            m_out.WriteU8(static_cast<uint8_t>(value.GetColour()));
            WriteExprResult(field.resultFormat, value, false);
            WriteShortText(value.GetText(), false);
            break;
        case COND_EXP_T:
            m_out.WriteU8(static_cast<uint8_t>(value.GetColour()));
            WriteShortText(value.GetText(), true);
            break;
        case DB_JOIN_T:
            WriteJoinValue(field, value);
            break;
        case ADDR_BK_JOIN_T:
            m_out.WriteU32(value.GetExtraWord());  // the linked address-book record
            WriteShortText(value.GetText(), true);
            break;
        case ADDR_BK_LOOKUP_T:
            WriteShortText(value.GetText(), true);
            break;
        case IMAGE_T:
            WriteImage(value);
            break;
        default:
            break;  // DB Lookup, One To Many, Plug-In: the entry head alone
    }
}

void CTbPDBWriter::WriteRecordText(std::string_view text, uint32_t limit, bool wideLength) {
    char stripped[kMaxMemo];
    if (text.find('\r') != std::string_view::npos) {
        // The handheld ends lines with LF alone.
        uint32_t n = 0;
        for (size_t i = 0; i < text.size() && n < limit; ++i)
            if (text[i] != '\r') stripped[n++] = text[i];
        text = std::string_view(stripped, n);
    }
    uint32_t n = static_cast<uint32_t>(std::min<size_t>(text.size(), limit));
    if (wideLength)
        m_out.WriteU16(static_cast<uint16_t>(n));
    else
        m_out.WriteU8(static_cast<uint8_t>(n));
    m_out.WriteN(text.data(), n);
    m_out.WriteU8(0);
}

void CTbPDBWriter::WriteDate(const CTbObjRecordValue& value) {
    int16_t year, month, day;
    value.GetDate(&year, &month, &day);
    m_out.WriteU16(static_cast<uint16_t>(year));
    m_out.WriteU8(static_cast<uint8_t>(month));
    m_out.WriteU8(static_cast<uint8_t>(day));
}

void CTbPDBWriter::WriteTime(const CTbObjRecordValue& value) {
    int16_t hour, minute, second;
    value.GetTime(&hour, &minute, &second);
    m_out.WriteU8(0);
    m_out.WriteU8(static_cast<uint8_t>(hour));
    m_out.WriteU8(static_cast<uint8_t>(minute));
    m_out.WriteU8(static_cast<uint8_t>(second));
}

void CTbPDBWriter::WriteFloat(float value) { m_out.WriteU32(std::bit_cast<uint32_t>(value)); }

// The 4-byte result of an expression, by the field's result format. An old Expression cannot
// hold a text (or unknown) result; an Advanced Expression writes 4 zero bytes before its text.
void CTbPDBWriter::WriteExprResult(int32_t format, const CTbObjRecordValue& value, bool oldExpression) {
    switch (ExprResultValueType(format)) {
        case FLOATING_T:
            WriteFloat(value.GetFloat());
            return;
        case DATE_T:
            WriteDate(value);
            return;
        case TIME_T:
            WriteTime(value);
            return;
        default:
            break;
    }
    m_error.Assert(!oldExpression, "Invalid expression return type for (old) expressions.", QN_E_ASSERT);
    m_out.WriteU32(0);
}

// The join value, behind the type of the joined field: the type the value was given when it
// was read or resolved, else the join field type of the field's properties.
void CTbPDBWriter::WriteJoinValue(const DataField& field, const CTbObjRecordValue& value) {
    uint16_t original = value.GetType();
    if (original == DB_JOIN_T || original == NOTUSED_T) original = field.joinFieldType;
    m_out.WriteU8(static_cast<uint8_t>(original));
    switch (original) {
        case TEXT_T:
            WriteShortText(value.GetText(), true);
            break;
        case INTEGER_T:
            m_out.WriteU16(static_cast<uint16_t>(value.GetShort()));
            break;
        case LONG_T:
        case KEY_T:
        case AUTO_INC_T:
            m_out.WriteU32(static_cast<uint32_t>(value.GetLong()));
            break;
        case DATE_T:
            WriteDate(value);
            break;
        default:
            break;
    }
}

void CTbPDBWriter::WriteImage(const CTbObjRecordValue& value) {
    const std::vector<uint8_t>& data = value.GetData();
    m_error.Assert(data.size() <= kMaxImage, "Image too large: an image value holds at most 65,535 bytes.",
                   QN_E_ASSERT);
    m_out.WriteU16(static_cast<uint16_t>(data.size()));
    m_out.WriteU8(0);  // synchronized
    m_out.WriteN(data.data(), static_cast<uint32_t>(data.size()));
}
