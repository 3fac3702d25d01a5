// CTbPDBReader: record 1, the field properties: one entry per used field slot, giving its
// type, name, attributes and the type-dependent extra attribute, auto-writer and default.
#include "pdb/TbPDBReader.h"

#include "model/TbObjDB.h"
#include "pdb/TbPDBFormat.h"

#include <cstdlib>

namespace {

constexpr uint32_t kEntryGap = 5;
constexpr uint8_t kGlobalFindBit = 0x80;
constexpr const char* kMissingProperties = "Missing advanced properties object!";

bool IsTextType(int type) { return type == TEXT_T || type == MEMO_T; }

}  // namespace

void CTbPDBReader::ReadFieldRecord() {
    m_dump.Banner("Record 1: Field Properties (Level 1)");
    uint32_t start = SeekRecord(TbPdb::kFieldRecord);
    Check(ReadU8("Record Type") == TbPdb::kFieldRecord, "Invalid Record Type - Record 1 not valid");
    uint8_t count = ReadU8("Number Of Fields");
    for (int entry = 0; entry < count; ++entry) {
        if (m_dump.IsOn()) m_dump.Note("Field Entry " + std::to_string(entry + 1));
        TbDumpIndent indent(m_dump);
        ReadFieldEntry();
    }
    ClaimRecordBytes(start);
}

void CTbPDBReader::ReadFieldEntry() {
    uint8_t number = ReadU8("Field Number", TbDumpFieldNumber);
    Check(number <= MaxUserFields, "Invalid field number in field properties record.");
    uint8_t type = ReadU8("Field Type", TbDumpFieldType);
    // Slot 0 is always the category list, whatever the file says.
    m_db->SetFieldType(number, number == 0 ? LIST_T : static_cast<TbFieldType>(type), "");
    CTbObjField* field = m_db->Field(number);
    Check(field != nullptr, "Error saving field into memory");
    const bool text = IsTextType(field->GetType());
    field->SetPrintSequence(ReadI8("Print Sequence"));
    StoreExtraAttribute(*field, ReadI8("Extra Attribute", text ? TbDumpAutoShift : nullptr));
    StoreAutoWriter(*field, ReadU8("Autowriter", text ? TbDumpAutoWriter : nullptr));
    StoreIncDec(*field, ReadU8("Increment/Decrement"));
    if (ReadU8("Attributes", TbDumpGlobalFind) & kGlobalFindBit)
        field->SetAttributes(field->GetAttributes() | kGlobalFindBit);
    SkipBytes(kEntryGap);
    std::string name = ReadNulString("Field Name");
    field->SetName(number == 0 ? "Categories" : name);
    StoreDefaultValue(*field, ReadNulString("Default Value"));
}

namespace {

template <typename T>
T& Props(T* props, QnAutoError& error) {
    error.Assert(props != nullptr, kMissingProperties, QN_E_ASSERT);
    return *props;
}

}  // namespace

void CTbPDBReader::StoreExtraAttribute(CTbObjField& field, int8_t extra) {
    switch (field.GetType()) {
        case TEXT_T:
        case MEMO_T:
            Props(field.TextProps(), m_error).SetAutoShift(extra == 0);
            break;
        case FLOATING_T:
            Props(field.NumberProps(), m_error).SetDecimals(static_cast<uint16_t>(extra));
            break;
        case EXPRESSION_T:
        case ADV_EXPRESSION_T:
            Props(field.ExprProps(), m_error).SetDecimals(static_cast<uint16_t>(extra));
            break;
        case RADIO_T:
            Props(field.ListProps(), m_error).SetButtonCount(static_cast<uint16_t>(extra));
            break;
        case IMAGE_T:
            Props(field.ImageProps(), m_error).SetBitsPerPixel(static_cast<uint32_t>(extra));
            break;
        default:
            break;
    }
}

void CTbPDBReader::StoreAutoWriter(CTbObjField& field, uint8_t code) {
    if (IsTextType(field.GetType())) Props(field.TextProps(), m_error).SetAutoWriter(code);
}

void CTbPDBReader::StoreIncDec(CTbObjField& field, uint8_t incDec) {
    int type = field.GetType();
    if (type == INTEGER_T || type == LONG_T || type == FLOATING_T)
        Props(field.NumberProps(), m_error).SetIncDec(incDec);
}

void CTbPDBReader::StoreDefaultValue(CTbObjField& field, const std::string& text) {
    switch (field.GetType()) {
        case TEXT_T:
        case MEMO_T:
            Props(field.TextProps(), m_error).SetDefaultValue(text);
            break;
        case INTEGER_T:
        case LONG_T:
        case FLOATING_T:
            Props(field.NumberProps(), m_error).SetDefaultValue(text);
            break;
        case DATE_T:
        case TIME_T: {
            // 'A': set when the record is added; 'U': set when it is updated; anything else: none.
            uint32_t kind = text.empty() ? 0 : text[0] == 'A' ? 1 : text[0] == 'U' ? 2 : 0;
            Props(field.DateTimeProps(), m_error).SetDefaultValue(kind);
            break;
        }
        case LIST_T: {
            // The first byte, signed, is the default item's index.
            int16_t index = text.empty() ? 0 : static_cast<int8_t>(text[0]);
            Props(field.ListProps(), m_error).Items().SetDefaultIndex(static_cast<uint16_t>(index));
            break;
        }
        case RADIO_T:
            Props(field.ListProps(), m_error)
                .Items()
                .SetDefaultIndex(static_cast<uint16_t>(std::strtol(text.c_str(), nullptr, 10)));
            break;
        default:
            break;
    }
}
