// TbObjExprEvaluator: the program's side of Advanced Expression fields. It has the expression
// component parse expression text into a field's token list and evaluate it for records.
#pragma once

#include "components/expression/IExpressionEvaluator.h"
#include "model/TbTypes.h"

#include <array>
#include <string>
#include <vector>

class CTbObjDB;
class CTbObjField;
class CTbObjFieldExpr;
class CTbObjRecord;

namespace orvanta::platform {
class IPrompt;
}

class TbObjExprEvaluator {
public:
    using FieldTypes = std::array<uint8_t, MaxUserFields>;  // slots 0 to 79
    using RecordValues = std::array<orvanta::expression::InValue, MaxFieldSlots>;
    using TextScratch = std::array<std::string, MaxFieldSlots>;  // texts made for values, by slot

    // Failures of evaluation are shown through the prompt when one is given.
    explicit TbObjExprEvaluator(CTbObjDB& db, orvanta::platform::IPrompt* prompt = nullptr);
    virtual ~TbObjExprEvaluator();

    // Parses text into the field's token list and evaluates it once for record (when given).
    // 0, or -1 with *error set and the old token list kept. *errorPosition (when asked) gets
    // the 0-based position of a parse error, else -1.
    virtual int SetExpression(CTbObjField& field, const std::string& text, CTbObjRecord* record,
                              std::string* error, int* errorPosition = nullptr);

    // Evaluates the field for the record (previous: the record before it, or none), stores the
    // colour and, when it differs, the result. True when the stored result changed.
    virtual bool Evaluate(CTbObjRecord& record, const CTbObjField& field,
                          const CTbObjRecord* previous = nullptr);

    // The types of slots 0 to 79, joins and lookups as the type they resolved to.
    virtual void BuildFieldTypes(FieldTypes* types) const;
    // The field's token list as the component takes it; false when the field has none.
    virtual bool BuildTokenArrays(const CTbObjField& field, std::vector<uint8_t>* types,
                                  std::vector<std::string>* values) const;
    // The record's values for the slots the tokens name (others stay empty). Texts are
    // borrowed from the record or kept in scratch, which must outlive the values.
    virtual void BuildRecordValues(const CTbObjRecord& record, const std::vector<uint8_t>& tokenTypes,
                                   RecordValues* values, TextScratch* scratch) const;
    // The same for the previous record's slots (tokens 101 to 180).
    virtual void BuildPreviousValues(const CTbObjRecord& previous, const std::vector<uint8_t>& tokenTypes,
                                     RecordValues* values, TextScratch* scratch) const;
    // True as soon as a token refers to a field of this or the previous record.
    virtual bool RefersToFields(const std::vector<uint8_t>& tokenTypes) const;

    // Evaluates a token list for the record with the given decimals and result format without
    // storing anything: 0 with *result, or the component's failure with *error.
    int32_t EvaluateTokens(const CTbObjRecord& record, const CTbObjRecord* previous,
                           const std::vector<uint8_t>& tokenTypes,
                           const std::vector<std::string>& tokenValues, int decimals, int resultFormat,
                           orvanta::expression::Result* result, std::string* error) const;

    // The 81 names the component matches field names against (slot 0 and unused slots empty).
    std::vector<std::string> FieldNames() const;
    // Has the component parse text against the field names: 0 with the tokens, or the
    // component's failure with *error and the 0-based *errorPosition (-1 when it has none).
    int32_t ParseText(const std::string& text, std::vector<uint8_t>* tokenTypes,
                      std::vector<std::string>* tokenValues, std::string* error, int* errorPosition) const;
    // What SetExpression would store: ParseText, then the length limit of constants (10
    // characters). 0 with the tokens, else -1 with *error (and *errorPosition, -1 when none).
    int PrepareTokens(const std::string& text, std::vector<uint8_t>* tokenTypes,
                      std::vector<std::string>* tokenValues, std::string* error, int* errorPosition) const;
    // A token list turned back into text; "" when the component fails.
    std::string TokensAsText(const std::vector<uint8_t>& tokenTypes,
                             const std::vector<std::string>& tokenValues) const;
    // The token list of a field turned back into text; "" when it has none or the component fails.
    std::string ExpressionText(const CTbObjField& field) const;

private:
    enum class Outcome { Failed, Unchanged, Changed };
    Outcome EvaluateField(CTbObjRecord& record, const CTbObjField& field, const CTbObjRecord* previous,
                          std::string* error);
    void Show(const std::string& text) const;

    CTbObjDB& m_db;
    orvanta::platform::IPrompt* m_prompt;
};
