// Token lines, result format names, results and error locations for the expression commands.
#include "cli/ExprDisplay.h"

#include "expr/TbExprResult.h"
#include "model/TbObjRecord.h"
#include "model/TbTypes.h"
#include "platform/CodePage.h"
#include "platform/OleVariant.h"

#include <cstdio>
#include <cstdlib>

namespace orvanta::cli {

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool IsKindToken(int type) {
    return type == expression::kTokenColor || type == expression::kTokenFunc ||
           type == expression::kTokenOper;
}

std::string Clock(int seconds, bool withSeconds) {
    char text[32];
    if (withSeconds)
        std::snprintf(text, sizeof text, "%d:%02d:%02d", seconds / 3600, seconds % 3600 / 60, seconds % 60);
    else
        std::snprintf(text, sizeof text, "%d:%02d", seconds / 3600, seconds % 3600 / 60);
    return text;
}

}  // namespace

std::string TokenTypeName(int type) {
    if (type >= 1 && type <= MaxUserFields) return "Field Number";
    if (type >= 101 && type <= 100 + MaxUserFields) return "Previous Record's Field Number";
    if (type >= 84 && type <= 99) return std::string(ExprTokenName(type));
    return "????";
}

std::string TokenLine(int type, const std::string& value, const std::string& fieldName) {
    std::string line = std::to_string(type) + "\t" + TokenTypeName(type) + "\t";
    if (IsKindToken(type))
        line += std::to_string(value.empty() ? 0 : static_cast<uint8_t>(value[0]));
    else if (type == expression::kTokenString)
        line += "'" + value + "'";
    else
        line += value;
    if (!fieldName.empty()) line += "(" + fieldName + ")";
    return line;
}

std::optional<int> ResultFormatFromName(const std::string& name) {
    std::string wanted = Lower(name);
    for (int format = 0; format < TbExprResultCount; ++format) {
        std::string full = Lower(std::string(ExprResultName(format)));
        if (wanted == std::to_string(format) || wanted == Lower(std::string(ExprResultLabel(format))) ||
            wanted == full || "expr_result_" + wanted == full)
            return format;
    }
    return std::nullopt;
}

std::string ResultDisplay(const expression::Result& result, int resultFormat) {
    CTbObjRecordValue value;
    StoreExprResult(result, resultFormat, value);
    switch (resultFormat) {
        case EXPR_RESULT_DATE_DAYS:
        case EXPR_RESULT_DATE_MONTHS:
        case EXPR_RESULT_DATE_YEARS:
            return value.DateAsText();
        case EXPR_RESULT_TIME:
            return value.TimeAsText();
        case EXPR_RESULT_HHMMSS:
            return Clock(static_cast<int>(value.GetFloat()), true);
        case EXPR_RESULT_HHMM:
            return Clock(static_cast<int>(value.GetFloat()), false);
        case EXPR_RESULT_TEXT:
            return std::string(value.GetText());
        default:
            return platform::VarTextFromR4(value.GetFloat());
    }
}

std::string ColourName(uint32_t colour) {
    static const char* const kNames[] = {"{black}", "{red}", "{green}", "{blue}", "{yellow}"};
    return colour < 5 ? kNames[colour] : "{black}";
}

std::string ErrorLocation(const std::string& text, int position) {
    if (position < 0) return text;
    size_t column = std::min(static_cast<size_t>(position), text.size());
    return text + "\n" + std::string(column, ' ') + "^";
}

void ShowExpressionError(std::ostream& out, const std::string& error, const std::string& text, int position) {
    out << platform::Utf8FromWindows1252(error) << '\n';
    if (position >= 0)
        out << "Possible error location:\n"
            << platform::Utf8FromWindows1252(ErrorLocation(text, position)) << '\n';
}

std::optional<std::string> ExpressionFromUtf8(const std::string& utf8) {
    std::string text;
    if (!platform::Windows1252FromUtf8(utf8, &text)) return std::nullopt;
    return text;
}

}  // namespace orvanta::cli
