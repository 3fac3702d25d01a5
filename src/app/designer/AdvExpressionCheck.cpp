// Checking, previewing and storing an advanced expression.
#include "app/designer/AdvExpressionCheck.h"

#include "app/records/RecordCell.h"
#include "app/widgets/QtText.h"
#include "expr/TbExprResult.h"
#include "expr/TbObjExprEvaluator.h"
#include "model/TbObjDB.h"
#include "platform/Component.h"
#include "platform/OleVariant.h"

namespace orvanta::app {

namespace {

// The result as the field will hold it, with its colour when not black.
std::string ResultText(const expression::Result& result, int format) {
    static const char* const kColours[] = {"", " {red}", " {green}", " {blue}", " {yellow}"};
    CTbObjRecordValue value;
    StoreExprResult(result, format, value);
    std::string text;
    if (format == EXPR_RESULT_HHMMSS || format == EXPR_RESULT_HHMM)
        text = FromQt(ClockText(value.GetFloat(), format == EXPR_RESULT_HHMMSS));
    else
        text = platform::VarTextFromR4(value.GetFloat());
    return text + (result.colour < 5 ? kColours[result.colour] : "");
}

}  // namespace

AdvExpressionCheck::AdvExpressionCheck(CTbObjDB& db, CTbObjField& field, platform::IPrompt* prompt)
    : m_db(db), m_field(field), m_prompt(prompt) {}

std::string AdvExpressionCheck::CurrentText() const {
    try {
        return TbObjExprEvaluator(m_db).ExpressionText(m_field);
    } catch (const platform::ComError&) {
        return {};
    }
}

int AdvExpressionCheck::CurrentFormat() const {
    const CTbObjFieldExpr* props = m_field.ExprProps();
    return props ? props->GetResultFormat() : EXPR_RESULT_FLOATING;
}

std::string AdvExpressionCheck::Preview(const std::string& text, int format) const {
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) return {};
    const CTbObjRecord* first = m_db.Records().RecordInStoredOrder(0);
    const CTbObjFieldExpr* props = m_field.ExprProps();
    TbObjExprEvaluator evaluator(m_db);
    std::vector<uint8_t> types;
    std::vector<std::string> values;
    std::string error;
    int position = -1;
    expression::Result result;
    try {
        if (evaluator.PrepareTokens(text, &types, &values, &error, &position) != 0)
            return "Error: " + ErrorMessage(error, position);
        if (!first) return "No record to show a result for.";
        if (evaluator.EvaluateTokens(*first, nullptr, types, values, props ? props->GetDecimals() : 3, format,
                                     &result, &error) != 0)
            return "Error: " + error;
    } catch (const platform::ComError& failure) {
        return std::string("Error: ") + failure.what();
    }
    return "Result for the first record: " + ResultText(result, format);
}

bool AdvExpressionCheck::Store(const std::string& text, int format, std::string* message, int* position) {
    CTbObjFieldExpr* props = m_field.ExprProps();
    *position = -1;
    if (!props) {
        *message = "Error preparing to parse expression.";
        return false;
    }
    const int oldFormat = props->GetResultFormat();
    const bool wasModified = m_db.IsModified();
    props->SetResultFormat(format);
    std::string error;
    int result = -1;
    try {
        TbObjExprEvaluator evaluator(m_db, m_prompt);
        result =
            evaluator.SetExpression(m_field, text, m_db.Records().RecordInStoredOrder(0), &error, position);
    } catch (const platform::ComError& failure) {
        error = failure.what();
    }
    if (result == 0) {
        m_db.SetModified(true);
        return true;
    }
    props->SetResultFormat(oldFormat);
    m_db.SetModified(wasModified);
    *message = ErrorMessage(error, *position);
    return false;
}

std::string AdvExpressionCheck::ErrorMessage(const std::string& error, int position) {
    if (position < 0) return error;
    return error + "\n\nPossible error location: Row: " + std::to_string(position + 1);
}

}  // namespace orvanta::app
