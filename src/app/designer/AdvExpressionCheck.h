// AdvExpressionCheck: the advanced expression editor's work on the model, through the same
// evaluator the Records tab and orvanta-cli use: the field's expression as text, a preview of
// an expression's result for the Tabulon's first record, and storing an expression with its
// result format (or the error and where it lies).
#pragma once

#include <string>

class CTbObjDB;
class CTbObjField;

namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::app {

class AdvExpressionCheck {
public:
    static constexpr const char* kErrorTitle = "Error In Expression";

    AdvExpressionCheck(CTbObjDB& db, CTbObjField& field, platform::IPrompt* prompt);

    // The field's stored expression turned back into text ("" when it has none).
    std::string CurrentText() const;
    const CTbObjDB* Database() const { return &m_db; }
    int CurrentFormat() const;
    // "Result for the first record: ..." or "Error: ..." (nothing for an empty text).
    std::string Preview(const std::string& text, int format) const;
    // Stores the expression and the result format in the field (marking the Tabulon modified);
    // false with the message to show, the field left as it was. *position gets the 0-based
    // place of a parse error, else -1.
    bool Store(const std::string& text, int format, std::string* message, int* position);
    // The evaluator's message followed by the possible error location (1-based) when known.
    static std::string ErrorMessage(const std::string& error, int position);

private:
    CTbObjDB& m_db;
    CTbObjField& m_field;
    platform::IPrompt* m_prompt;
};

}  // namespace orvanta::app
