// CTbPDBReader: the advanced properties of computed fields: old (15-element) and advanced
// (48-element) expressions, and conditional expressions.
#include "pdb/TbPDBReader.h"

#include "model/TbObjDB.h"
#include "pdb/TbPDBFormat.h"

namespace {

constexpr uint32_t kElementValueSize = 11;
constexpr uint32_t kConstantSize = 21;
constexpr uint32_t kHighestColour = TB_YELLOW;
constexpr const char* kNotExpression =
    "Internal error with object model or attempting to read expression properties for a non-expression type "
    "field";

// The elements in use: those before the first element type 0.
size_t ElementCount(const std::vector<uint8_t>& types) {
    size_t count = 0;
    while (count < types.size() && types[count] != 0) ++count;
    return count;
}

}  // namespace

int CTbPDBReader::ReadResultFormat() {
    uint8_t format = ReadU8("Expression Format", TbDumpExprResult);
    Check(format < TbExprResultCount, "Invalid expresssion result type");
    return format;
}

void CTbPDBReader::ReadExpression(CTbObjField& field) {
    CTbObjFieldExpr* expr = field.ExprProps();
    Check(expr != nullptr, kNotExpression);
    expr->SetResultFormat(ReadResultFormat());
    std::vector<uint8_t> types(CTbObjFieldExpr::kMaxSimpleTokens);
    for (uint8_t& type : types) type = ReadU8();
    std::vector<std::string> values(types.size());
    for (std::string& value : values) value = ReadFixedText(kElementValueSize);
    StoreTokens(*expr, types, std::move(values));
}

void CTbPDBReader::ReadAdvancedExpression(CTbObjField& field, int record, uint32_t start) {
    CTbObjFieldExpr* expr = field.ExprProps();
    Check(expr != nullptr, kNotExpression);
    expr->SetResultFormat(ReadResultFormat());
    std::vector<uint8_t> types(CTbObjFieldExpr::kMaxAdvancedTokens);
    for (uint8_t& type : types) type = ReadU8();
    // Only the elements in use carry a value.
    std::vector<std::string> values(ElementCount(types));
    for (std::string& value : values) value = ReadFixedText(kElementValueSize);
    CheckAdvancedLength(record, start);
    StoreTokens(*expr, types, std::move(values));
}

// Hands the elements in use to the expression, and shows each in the dump: a colour, function or
// operator token keeps its code in the first byte of its value.
void CTbPDBReader::StoreTokens(CTbObjFieldExpr& expr, const std::vector<uint8_t>& types,
                               std::vector<std::string> values) {
    size_t count = ElementCount(types);
    values.resize(count);
    for (size_t i = 0; m_dump.IsOn() && i < count; ++i) {
        std::string element = "Element " + std::to_string(i + 1);
        auto type = static_cast<int8_t>(types[i]);
        m_dump.Value(element + " Type", type, TbDumpToken);
        if (type == 89 || type == 94 || type == 98)
            m_dump.Value(element + " Value", values[i].empty() ? 0 : static_cast<uint8_t>(values[i][0]));
        else
            m_dump.Text(element + " Value", values[i]);
    }
    expr.SetTokens(std::vector<uint8_t>(types.begin(), types.begin() + static_cast<long>(count)),
                   std::move(values));
}

void CTbPDBReader::ReadConditional(CTbObjField& field, int record) {
    CTbObjFieldCondExpr* conditional = field.CondExprProps();
    Check(conditional != nullptr,
          "Internal error with object model or attempting to read Conditional Expression properties for "
          "another type of "
          "field");
    if (RecordLength(record) < TbPdb::kCondExprMinRecord) {
        m_dump.Note(
            "Conditional Expression advanced property record is invalid.  Probably not set up on the HH.");
        return;
    }
    ReadFilterBlock(conditional->Condition());
    conditional->SetTrueField(static_cast<uint16_t>(ReadI8("True Result (field)", TbDumpFieldNumber)));
    conditional->SetTrueConstant(ReadFixedText(kConstantSize, "True Result (constant)"));
    conditional->SetTrueColour(ReadConditionColour("True Color"));
    conditional->SetFalseField(static_cast<uint16_t>(ReadI8("False Result (field)", TbDumpFieldNumber)));
    conditional->SetFalseConstant(ReadFixedText(kConstantSize, "False Result (constant)"));
    conditional->SetFalseColour(ReadConditionColour("False Color"));
}

uint8_t CTbPDBReader::ReadConditionColour(const char* label) {
    uint8_t colour = ReadU8(label, TbDumpColour);
    Check(colour <= kHighestColour, "Invalid color on a conditional expression field.");
    return colour;
}
