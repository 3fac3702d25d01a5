// set-expression and recalc: the commands that change computed fields and save the Tabulon.
#include "cli/Commands.h"
#include "cli/ExprDisplay.h"
#include "cli/StreamPrompt.h"
#include "cli/TabulonIo.h"

#include "expr/CTbRecalculator.h"
#include "expr/TbObjExprEvaluator.h"
#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"
#include "platform/CodePage.h"
#include "platform/Component.h"

namespace orvanta::cli {

namespace {

using platform::Utf8FromWindows1252;

// Recalculates every record and reports how many changed.
void Recalculate(CTbObjDB& db, StreamPrompt& prompt, CommandIo& io) {
    CTbRecalculator recalculator(db, &prompt);
    int changed = recalculator.RecalculateAll(io.progress);
    io.out << "Recalculated " << recalculator.ComputedFields().size() << " computed field"
           << (recalculator.ComputedFields().size() == 1 ? "" : "s") << " in " << db.Records().Count(false)
           << " records; " << changed << " changed.\n";
}

// Stores the parsed expression (evaluated once for the first record); false with the error shown.
bool StoreExpression(CTbObjDB& db, CTbObjField& field, const std::string& text, StreamPrompt& prompt,
                     CommandIo& io) {
    TbObjExprEvaluator evaluator(db, &prompt);
    std::string error;
    int position = -1;
    CTbObjRecord* first = db.Records().RecordInStoredOrder(0);
    if (evaluator.SetExpression(field, text, first, &error, &position) == 0) {
        io.out << "Field " << field.GetSlot() << " \"" << Utf8FromWindows1252(field.GetName())
               << "\": " << Utf8FromWindows1252(evaluator.ExpressionText(field)) << '\n';
        return true;
    }
    ShowExpressionError(io.err, error.empty() ? "The expression component could not be used." : error, text,
                        position);
    return false;
}

}  // namespace

int RunSetExpression(const std::string& path, int slot, const std::string& utf8Text,
                     const std::optional<std::string>& formatName, const SaveTarget& target, CommandIo& io) {
    std::optional<int> format = formatName ? ResultFormatFromName(*formatName) : std::nullopt;
    if (formatName && !format) return Failed(io, "Unknown result format: " + *formatName);
    std::optional<std::string> text = ExpressionFromUtf8(utf8Text);
    if (!text) return Failed(io, "The expression holds characters a Tabulon cannot store.");
    CTbObjDB db;
    std::string message;
    if (!LoadTabulon(db, path, io, &message)) return Failed(io, message);
    CTbObjField* field = slot >= 1 && slot <= MaxUserFields ? db.Field(slot) : nullptr;
    if (!field || field->GetType() != ADV_EXPRESSION_T)
        return Failed(io, "Field " + std::to_string(slot) + " is not an Advanced Expression field.");
    StreamPrompt prompt(io.err);
    try {
        CTbObjFieldExpr& props = *field->ExprProps();
        int oldFormat = props.GetResultFormat();
        if (format) props.SetResultFormat(*format);
        if (!StoreExpression(db, *field, *text, prompt, io)) {
            props.SetResultFormat(oldFormat);
            return 1;
        }
        Recalculate(db, prompt, io);
    } catch (const platform::ComError& error) {
        return Failed(io, error.what());
    }
    if (!SaveTabulon(db, target, io, &message)) return Failed(io, message);
    return 0;
}

int RunRecalc(const std::string& path, const SaveTarget& target, CommandIo& io) {
    CTbObjDB db;
    std::string message;
    if (!LoadTabulon(db, path, io, &message)) return Failed(io, message);
    StreamPrompt prompt(io.err);
    try {
        Recalculate(db, prompt, io);
    } catch (const platform::ComError& error) {
        return Failed(io, error.what());
    }
    if (!SaveTabulon(db, target, io, &message)) return Failed(io, message);
    return 0;
}

}  // namespace orvanta::cli
