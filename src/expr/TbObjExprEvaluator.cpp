// Setting and evaluating Advanced Expressions through the expression component.
#include "expr/TbObjExprEvaluator.h"

#include "expr/TbExprResult.h"
#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"
#include "platform/Component.h"
#include "platform/Prompt.h"

#include <memory>

using namespace orvanta;
using expression::IExpressionEvaluator;

namespace {

constexpr size_t kMaxConstantLength = 10;

// The component, or none when it lacks the interface (the call is then skipped). Any other
// failure to create it is a COM error the caller cannot go on from.
IExpressionEvaluator* CreateEvaluator(std::unique_ptr<platform::IComponent>* holder) {
    IExpressionEvaluator* evaluator = nullptr;
    int32_t hr = platform::CreateComponentInterface(expression::kProgId, expression::kInterfaceName, holder,
                                                    &evaluator);
    if (hr == platform::kNoInterface) return nullptr;
    if (hr != 0)
        throw platform::ComError(hr, std::string("The expression component \"") + expression::kProgId +
                                         "\" could not be created.");
    return evaluator;
}

std::string TooLongConstant(const std::vector<std::string>& values) {
    for (const std::string& value : values)
        if (value.size() > kMaxConstantLength)
            return "The max number of characters allowd in a constant is 10.\nThe following constant is too "
                   "long: " +
                   value;
    return {};
}

}  // namespace

TbObjExprEvaluator::TbObjExprEvaluator(CTbObjDB& db, platform::IPrompt* prompt)
    : m_db(db), m_prompt(prompt) {}

TbObjExprEvaluator::~TbObjExprEvaluator() = default;

std::vector<std::string> TbObjExprEvaluator::FieldNames() const {
    std::vector<std::string> names(MaxFieldSlots);
    for (int slot = 1; slot < MaxFieldSlots; ++slot)
        if (const CTbObjField* field = m_db.Field(slot); field && field->IsUsed())
            names[slot] = field->GetName();
    return names;
}

int TbObjExprEvaluator::SetExpression(CTbObjField& field, const std::string& text, CTbObjRecord* record,
                                      std::string* error, int* errorPosition) {
    if (errorPosition) *errorPosition = -1;
    CTbObjFieldExpr* props = field.ExprProps();
    if (!props) {
        *error = "Error preparing to parse expression.";
        return -1;
    }
    std::vector<uint8_t> types;
    std::vector<std::string> values;
    int position = -1;
    int prepared = PrepareTokens(text, &types, &values, error, &position);
    if (errorPosition) *errorPosition = position;
    if (prepared != 0) return -1;

    std::vector<uint8_t> oldTypes = props->GetTokenTypes();
    std::vector<std::string> oldValues = props->GetTokenValues();
    bool wasModified = m_db.IsModified();
    if (!props->SetTokens(std::move(types), std::move(values))) {
        *error = "Error setting new expression.";
        return -1;
    }
    if (record && EvaluateField(*record, field, nullptr, error) == Outcome::Failed) {
        props->SetTokens(std::move(oldTypes), std::move(oldValues));
        m_db.SetModified(wasModified);
        return -1;
    }
    m_db.SetModified(true);
    return 0;
}

int TbObjExprEvaluator::PrepareTokens(const std::string& text, std::vector<uint8_t>* tokenTypes,
                                      std::vector<std::string>* tokenValues, std::string* error,
                                      int* errorPosition) const {
    if (ParseText(text, tokenTypes, tokenValues, error, errorPosition) != expression::kOk) return -1;
    if (std::string tooLong = TooLongConstant(*tokenValues); !tooLong.empty()) {
        *error = tooLong;
        return -1;
    }
    return 0;
}

bool TbObjExprEvaluator::Evaluate(CTbObjRecord& record, const CTbObjField& field,
                                  const CTbObjRecord* previous) {
    std::string error;
    Outcome outcome = EvaluateField(record, field, previous, &error);
    if (outcome == Outcome::Failed && !error.empty()) Show(error);
    return outcome == Outcome::Changed;
}

TbObjExprEvaluator::Outcome TbObjExprEvaluator::EvaluateField(CTbObjRecord& record, const CTbObjField& field,
                                                              const CTbObjRecord* previous,
                                                              std::string* error) {
    std::vector<uint8_t> tokenTypes;
    std::vector<std::string> tokenValues;
    CTbObjRecordValue* value = record.Value(field.GetSlot());
    if (!value || !BuildTokenArrays(field, &tokenTypes, &tokenValues)) return Outcome::Failed;
    const CTbObjFieldExpr& props = *field.ExprProps();
    expression::Result result;
    if (EvaluateTokens(record, previous, tokenTypes, tokenValues, props.GetDecimals(),
                       props.GetResultFormat(), &result, error) != expression::kOk)
        return Outcome::Failed;
    value->SetColour(result.colour);
    return StoreExprResult(result, props.GetResultFormat(), *value) ? Outcome::Changed : Outcome::Unchanged;
}

int32_t TbObjExprEvaluator::EvaluateTokens(const CTbObjRecord& record, const CTbObjRecord* previous,
                                           const std::vector<uint8_t>& tokenTypes,
                                           const std::vector<std::string>& tokenValues, int decimals,
                                           int resultFormat, expression::Result* result,
                                           std::string* error) const {
    FieldTypes fieldTypes;
    BuildFieldTypes(&fieldTypes);
    RecordValues current{}, before{};
    TextScratch currentTexts, beforeTexts;
    BuildRecordValues(record, tokenTypes, &current, &currentTexts);
    std::span<const expression::InValue> previousValues;
    if (previous) {
        BuildPreviousValues(*previous, tokenTypes, &before, &beforeTexts);
        previousValues = before;
    }
    std::unique_ptr<platform::IComponent> holder;
    IExpressionEvaluator* evaluator = CreateEvaluator(&holder);
    if (!evaluator) return platform::kNoInterface;
    int32_t hr = evaluator->Evaluate(fieldTypes, tokenTypes, tokenValues, current, previousValues, decimals,
                                     resultFormat, result);
    if (hr != expression::kOk) *error = evaluator->ErrorDescription();
    return hr;
}

int32_t TbObjExprEvaluator::ParseText(const std::string& text, std::vector<uint8_t>* tokenTypes,
                                      std::vector<std::string>* tokenValues, std::string* error,
                                      int* errorPosition) const {
    *errorPosition = -1;
    std::unique_ptr<platform::IComponent> holder;
    IExpressionEvaluator* evaluator = CreateEvaluator(&holder);
    if (!evaluator) return platform::kNoInterface;
    int32_t hr = evaluator->Parse(FieldNames(), text, tokenTypes, tokenValues);
    if (hr != expression::kOk) {
        *error = evaluator->ErrorDescription();
        *errorPosition = evaluator->ErrorPosition();
    }
    return hr;
}

std::string TbObjExprEvaluator::TokensAsText(const std::vector<uint8_t>& tokenTypes,
                                             const std::vector<std::string>& tokenValues) const {
    std::unique_ptr<platform::IComponent> holder;
    IExpressionEvaluator* evaluator = CreateEvaluator(&holder);
    std::string text;
    if (!evaluator || evaluator->ToText(FieldNames(), tokenTypes, tokenValues, &text) != expression::kOk)
        return {};
    return text;
}

std::string TbObjExprEvaluator::ExpressionText(const CTbObjField& field) const {
    std::vector<uint8_t> types;
    std::vector<std::string> values;
    return BuildTokenArrays(field, &types, &values) ? TokensAsText(types, values) : std::string();
}

void TbObjExprEvaluator::Show(const std::string& text) const {
    if (m_prompt)
        m_prompt->Show("Expression", text, platform::PromptIcon::Error, platform::PromptButtons::Ok);
}
