// CTbPDBWriter, design records 0 to 82: the database header settings, the field table and
// each field slot's advanced properties, as the handheld reads them.
#include "model/TbObjDB.h"
#include "pdb/TbPDBFormat.h"
#include "pdb/TbPDBWriter.h"

#include <algorithm>

namespace {

constexpr const char* kMissingProps = "Missing advanced properties object!";
constexpr const char* kNoJoinProps = "Error getting join advanced properties object, invalid field type.";
constexpr const char* kNoOtmProps =
    "Internal error with object model or attempting to Write One To Many properties for another type of "
    "field";
constexpr const char* kNoCondExprProps =
    "Internal error with object model or attempting to Write Conditional Expression properties for another "
    "type of field";
constexpr const char* kNoPlugInProps =
    "Internal error with object model or attempting to Write Plug-In field properties for another type of "
    "field";

// The six stored passwords in the order record 0 keeps them.
constexpr int kPasswordOrder[6] = {TB_PASSWORD_LOGIN,  TB_PASSWORD_MODIFY, TB_PASSWORD_VIEW,
                                   TB_PASSWORD_DESIGN, TB_PASSWORD_BEAM,   TB_PASSWORD_COPYRIGHT};
constexpr uint32_t kPasswordSize = 10;
constexpr uint8_t kIncludeInGlobalFind = 0x80;
constexpr int kMaxListItems = 255;  // list counts are one byte

}  // namespace

void CTbPDBWriter::WriteDesignRecords() {
    BeginRecord(TbPdb::kHeaderRecord);
    WriteHeaderRecord();
    Step();
    BeginRecord(TbPdb::kFieldRecord);
    WriteFieldRecord();
    Step();
    for (int slot = 0; slot < MaxFieldSlots; ++slot) {
        BeginRecord(TbPdb::kFirstAdvancedRecord + slot);
        WriteAdvancedRecord(slot);
        Step();
    }
    Step();
    SetText("Writing Tabulon design information...");
    BeginRecord(TbPdb::kNextKeyRecord);
    WriteNextKeyRecord();
    Step();
    BeginRecord(TbPdb::kFormRecord);
    WriteFormRecord();
    Step();
    BeginRecord(TbPdb::kViewRecord);
    WriteViewRecord();
    Step();
    BeginRecord(TbPdb::kFilterRecord);
    WriteFilterRecord();
    Step();
}

void CTbPDBWriter::WriteHeaderRecord() {
    const CTbObjDB& db = *m_db;
    m_out.WriteU8(TbPdb::kHeaderRecord);
    m_out.WriteU8(db.GetCurrentCategory());
    m_out.WriteU8(db.GetCurrentView());
    m_out.WriteU8(db.GetReportAmountType() ? 1 : 0);
    m_out.WriteU16(db.GetCurrentFilter());
    m_out.WriteU8(db.GetReportGraphMode() ? 1 : 0);
    m_out.WriteU8(TbPdb::kDbVersion);
    m_out.WriteU8(db.GetDbCategory());
    m_out.WriteU8(db.GetDoNotBackup() ? 1 : 0);
    m_out.WriteU8(db.GetReadOnly() ? 1 : 0);
    m_out.WriteU8(db.GetUseStartupScreen() ? 1 : 0);
    m_out.WriteU16(db.GetCurrentMultiFilter());
    m_out.WriteU8(db.GetIncludeInGlobalFind() ? kIncludeInGlobalFind : 0);
    WriteZeros(9);
    for (int kind : kPasswordOrder) WriteFixedText(db.GetStoredPassword(kind), kPasswordSize);
    WriteZeros(40);
    WriteNulString(db.GetStartupScreen());
}

void CTbPDBWriter::WriteFieldRecord() {
    int used = 0;
    for (int slot = 0; slot < MaxFieldSlots; ++slot) used += m_db->Field(slot)->IsUsed() ? 1 : 0;
    m_out.WriteU8(TbPdb::kFieldRecord);
    m_out.WriteU8(static_cast<uint8_t>(used));
    for (int slot = 0; slot < MaxFieldSlots; ++slot)
        if (m_db->Field(slot)->IsUsed()) WriteFieldEntry(slot);
}

void CTbPDBWriter::WriteFieldEntry(int slot) {
    const CTbObjField& field = *m_db->Field(slot);
    TbFieldType type = field.GetType();
    int8_t extra = 0;
    uint8_t autoWriter = 0, incDec = 0;
    std::string defaultValue;
    switch (type) {
        case TEXT_T:
        case MEMO_T: {
            const CTbObjFieldText& text = Need(field.TextProps(), kMissingProps);
            extra = text.GetAutoShift() ? 0 : 1;
            autoWriter = static_cast<uint8_t>(text.GetAutoWriter());
            defaultValue = text.GetDefaultValue();
            break;
        }
        case INTEGER_T:
        case LONG_T:
        case FLOATING_T: {
            const CTbObjFieldNumber& number = Need(field.NumberProps(), kMissingProps);
            if (type == FLOATING_T) extra = static_cast<int8_t>(number.GetDecimals());
            incDec = number.GetIncDec();
            defaultValue = number.GetDefaultValue();
            break;
        }
        case DATE_T:
        case TIME_T: {
            uint32_t kind = Need(field.DateTimeProps(), kMissingProps).GetDefaultValue();
            defaultValue = std::string(kind == 1   ? "A"
                                       : kind == 2 ? "U"
                                                   : "");  // set when added / when updated
            break;
        }
        case LIST_T: {
            uint16_t index = Need(field.ListProps(), kMissingProps).Items().GetDefaultIndex();
            if (index != 0) defaultValue = std::string(1, static_cast<char>(index));
            break;
        }
        case RADIO_T: {
            const CTbObjFieldList& list = Need(field.ListProps(), kMissingProps);
            extra = static_cast<int8_t>(list.GetButtonCount());
            if (list.Items().GetDefaultIndex() != 0)
                defaultValue = std::to_string(list.Items().GetDefaultIndex());
            break;
        }
        case EXPRESSION_T:
        case ADV_EXPRESSION_T:
            extra = static_cast<int8_t>(Need(field.ExprProps(), kMissingProps).GetDecimals());
            break;
        case IMAGE_T:
            extra = static_cast<int8_t>(Need(field.ImageProps(), kMissingProps).GetBitsPerPixel());
            break;
        default:
            break;
    }
    m_out.WriteU8(static_cast<uint8_t>(slot));
    m_out.WriteU8(slot == 0 ? 0 : static_cast<uint8_t>(type));  // the categories field travels as 0
    m_out.WriteU8(static_cast<uint8_t>(field.GetPrintSequence()));
    m_out.WriteU8(static_cast<uint8_t>(extra));
    m_out.WriteU8(autoWriter);
    m_out.WriteU8(incDec);
    m_out.WriteU8(field.GetAttributes() & kIncludeInGlobalFind);
    WriteZeros(5);
    WriteNulString(field.GetName());
    WriteNulString(defaultValue);
}

void CTbPDBWriter::WriteAdvancedRecord(int slot) {
    const CTbObjField& field = *m_db->Field(slot);
    m_out.WriteU8(static_cast<uint8_t>(TbPdb::kFirstAdvancedRecord + slot));
    switch (field.GetType()) {
        case TEXT_T:
        case MEMO_T:
            WriteWordList(slot);
            break;
        case LIST_T:
        case RADIO_T:
            WriteListItems(slot);
            break;
        case DB_JOIN_T:
        case DB_LOOKUP_T:
        case ADDR_BK_JOIN_T:
        case ADDR_BK_LOOKUP_T:
            WriteJoinBlock(slot);
            break;
        case ONE_TO_MANY_T:
            WriteOneToManyBlock(slot);
            break;
        case EXPRESSION_T:
            WriteExpressionBlock(slot, CTbObjFieldExpr::kMaxSimpleTokens);
            break;
        case ADV_EXPRESSION_T:
            WriteExpressionBlock(slot, CTbObjFieldExpr::kMaxAdvancedTokens);
            break;
        case COND_EXP_T:
            WriteCondExprBlock(slot);
            break;
        case AUTO_INC_T:
            m_out.WriteU32(static_cast<uint32_t>(Need(field.NumberProps(), kMissingProps).GetNextValue()));
            break;
        case PLUGIN_T:
            WritePlugInBlock(slot);
            break;
        default:
            break;  // the type byte alone
    }
}

// The auto-writer's words and the list's choices are both list blocks of indexed items.
void CTbPDBWriter::WriteWordList(int slot) {
    WriteListBlock(Need(m_db->Field(slot)->TextProps(), kMissingProps).Words());
}

void CTbPDBWriter::WriteListItems(int slot) {
    WriteListBlock(Need(m_db->Field(slot)->ListProps(), kMissingProps).Items());
}

void CTbPDBWriter::WriteListBlock(const CTbObjListItems& items) {
    int count = std::min(items.Count(), kMaxListItems);
    m_out.WriteU8(static_cast<uint8_t>(count));
    for (int i = 0; i < count; ++i) m_out.WriteU8(static_cast<uint8_t>(items.ItemAt(i)->index));
    for (int i = 0; i < count; ++i) WriteNulString(items.ItemAt(i)->text);
}

void CTbPDBWriter::WriteJoinBlock(int slot) {
    const CTbObjFieldJoin& join = Need(m_db->Field(slot)->JoinProps(), kNoJoinProps);
    WriteNulString(join.GetSourceDatabase());
    m_out.WriteU8(join.GetJoinField());
    m_out.WriteU8(join.GetDisplayField());
    m_out.WriteU8(join.GetViewNumber());
    m_out.WriteU8(join.GetJoinFieldType());
}

void CTbPDBWriter::WriteOneToManyBlock(int slot) {
    const CTbObjFieldOTM& otm = Need(m_db->Field(slot)->OtmProps(), kNoOtmProps);
    WriteFixedText(otm.GetRelatedDatabase(), 33);
    m_out.WriteU8(static_cast<uint8_t>(otm.GetParentField()));
    m_out.WriteU8(static_cast<uint8_t>(otm.GetRelatedField()));
    WriteFixedText(otm.GetViewName(), 21);
    WriteFixedText(otm.GetViewLabel(), 21);
    m_out.WriteU8(static_cast<uint8_t>(otm.GetExtraSetting()));
}

// The old block always holds maxTokens types and values; the advanced one only the values of
// the tokens before the first 0 type.
void CTbPDBWriter::WriteExpressionBlock(int slot, int maxTokens) {
    constexpr uint32_t kValueSize = 11;
    const CTbObjFieldExpr& expr = Need(m_db->Field(slot)->ExprProps(), kNoExprPropsMessage);
    const std::vector<uint8_t>& types = expr.GetTokenTypes();
    const std::vector<std::string>& values = expr.GetTokenValues();
    int count = std::min<int>(static_cast<int>(types.size()), maxTokens);
    m_out.WriteU8(static_cast<uint8_t>(expr.GetResultFormat()));
    m_out.WriteN(types.data(), static_cast<uint32_t>(count));
    WriteZeros(static_cast<uint32_t>(maxTokens - count));
    bool advanced = maxTokens == CTbObjFieldExpr::kMaxAdvancedTokens;
    int written = advanced
                      ? static_cast<int>(std::find(types.begin(), types.begin() + count, 0) - types.begin())
                      : maxTokens;
    for (int i = 0; i < written; ++i)
        WriteFixedText(i < static_cast<int>(values.size()) ? std::string_view(values[i]) : "", kValueSize);
}

void CTbPDBWriter::WriteCondExprBlock(int slot) {
    const CTbObjFieldCondExpr& cond = Need(m_db->Field(slot)->CondExprProps(), kNoCondExprProps);
    WriteFilterBlock(cond.Condition());
    m_out.WriteU8(static_cast<uint8_t>(cond.GetTrueField()));
    WriteFixedText(cond.GetTrueConstant(), 21);
    m_out.WriteU8(static_cast<uint8_t>(cond.GetTrueColour()));
    m_out.WriteU8(static_cast<uint8_t>(cond.GetFalseField()));
    WriteFixedText(cond.GetFalseConstant(), 21);
    m_out.WriteU8(static_cast<uint8_t>(cond.GetFalseColour()));
}

// Result Field 1 to 10 are the plug-in's further result fields; when it keeps none, Result
// Field 1 is its one result field.
void CTbPDBWriter::WritePlugInBlock(int slot) {
    const CTbObjFieldPlugIn& plugIn = Need(m_db->Field(slot)->PlugInProps(), kNoPlugInProps);
    m_out.WriteU32(plugIn.GetPlugInType());
    m_out.WriteU8(plugIn.GetAutoActivate() ? 1 : 0);
    std::vector<uint16_t> results = plugIn.GetResultFields();
    if (results.empty()) results.push_back(plugIn.GetResultField());
    results.resize(CTbObjFieldPlugIn::kResultFieldCount, 0);
    for (uint16_t result : results) m_out.WriteU8(static_cast<uint8_t>(result));
    WriteZeros(4);
    const std::vector<CTbObjFieldPlugIn::Parameter>& parameters = plugIn.GetParameters();
    int count = std::min<int>(static_cast<int>(parameters.size()), kMaxListItems);
    m_out.WriteU8(static_cast<uint8_t>(count));
    for (int i = 0; i < count; ++i) {
        const CTbObjFieldPlugIn::Parameter& parameter = parameters[i];
        bool isField = parameter.kind == 0;
        m_out.WriteU8(isField ? 0 : 1);
        if (isField) {
            m_out.WriteU8(static_cast<uint8_t>(parameter.field));
            continue;
        }
        uint8_t length = static_cast<uint8_t>(std::min<size_t>(parameter.constant.size(), 255));
        m_out.WriteU8(length);
        m_out.WriteN(parameter.constant.data(), length);
    }
}
