// expr: parses an expression against a Tabulon's fields and shows its token list, the text
// turned back from it and its result for records, or where the parse failed.
#include "cli/Commands.h"
#include "cli/ExprDisplay.h"
#include "cli/StreamPrompt.h"
#include "cli/TabulonIo.h"

#include "expr/TbObjExprEvaluator.h"
#include "model/TbObjDB.h"
#include "model/TbObjRecord.h"
#include "platform/CodePage.h"
#include "platform/Component.h"

namespace orvanta::cli {

namespace {

using platform::Utf8FromWindows1252;

struct Parsed {
    std::vector<uint8_t> types;
    std::vector<std::string> values;
};

// The name of the field a field token (this or the previous record) refers to, else "".
std::string FieldNameOfToken(const std::vector<std::string>& names, int type) {
    int slot = type > expression::kTokenPreviousBase ? type - expression::kTokenPreviousBase : type;
    bool field = type <= MaxUserFields || type > expression::kTokenPreviousBase;
    return field && slot >= 1 && slot <= MaxUserFields ? names[slot] : std::string();
}

// Parses text (Windows-1252) as set-expression would store it; false with the error and its
// location shown.
bool ParseExpression(const TbObjExprEvaluator& evaluator, const std::string& text, Parsed* parsed,
                     CommandIo& io) {
    std::string error;
    int position = -1;
    if (evaluator.PrepareTokens(text, &parsed->types, &parsed->values, &error, &position) == 0) return true;
    ShowExpressionError(io.err, error, text, position);
    return false;
}

void PrintTokens(const TbObjExprEvaluator& evaluator, const Parsed& parsed, CommandIo& io) {
    std::vector<std::string> names = evaluator.FieldNames();
    io.out << "Tokens (" << parsed.types.size() << "):\n";
    for (size_t i = 0; i < parsed.types.size(); ++i)
        io.out << "  "
               << Utf8FromWindows1252(
                      TokenLine(parsed.types[i], parsed.values[i], FieldNameOfToken(names, parsed.types[i])))
               << '\n';
}

void PrintResult(const TbObjExprEvaluator& evaluator, const CTbObjDB& db, const Parsed& parsed, int position,
                 int format, CommandIo& io) {
    const CTbObjRecordList& records = db.Records();
    const CTbObjRecord* record = records.RecordInStoredOrder(position);
    const CTbObjRecord* previous = position > 0 ? records.RecordInStoredOrder(position - 1) : nullptr;
    expression::Result result;
    std::string error;
    io.out << "Record " << position + 1 << ": ";
    if (evaluator.EvaluateTokens(*record, previous, parsed.types, parsed.values, 3, format, &result,
                                 &error) != 0) {
        io.out << "error: " << Utf8FromWindows1252(error) << '\n';
        return;
    }
    io.out << Utf8FromWindows1252(ResultDisplay(result, format)) << "  " << ColourName(result.colour) << '\n';
}

}  // namespace

int RunExpr(const std::string& path, const std::string& utf8Text, const std::string& formatName,
            std::optional<int> recordNumber, CommandIo& io) {
    std::optional<int> format = ResultFormatFromName(formatName);
    if (!format) return Failed(io, "Unknown result format: " + formatName);
    std::optional<std::string> text = ExpressionFromUtf8(utf8Text);
    if (!text) return Failed(io, "The expression holds characters a Tabulon cannot store.");
    CTbObjDB db;
    std::string message;
    if (!LoadTabulon(db, path, io, &message)) return Failed(io, message);
    int count = db.Records().Count(true);
    if (recordNumber && (*recordNumber < 1 || *recordNumber > count))
        return Failed(io, "No record " + std::to_string(*recordNumber) + ": the Tabulon has " +
                              std::to_string(count) + " records.");

    StreamPrompt prompt(io.err);
    TbObjExprEvaluator evaluator(db, &prompt);
    Parsed parsed;
    try {
        if (!ParseExpression(evaluator, *text, &parsed, io)) return 1;
        PrintTokens(evaluator, parsed, io);
        io.out << "Text: " << Utf8FromWindows1252(evaluator.TokensAsText(parsed.types, parsed.values))
               << '\n';
        io.out << "Result format: " << ExprResultLabel(*format) << '\n';
        int first = recordNumber ? *recordNumber - 1 : 0, last = recordNumber ? *recordNumber : count;
        for (int position = first; position < last; ++position)
            PrintResult(evaluator, db, parsed, position, *format, io);
    } catch (const platform::ComError& error) {
        return Failed(io, error.what());
    }
    return 0;
}

}  // namespace orvanta::cli
