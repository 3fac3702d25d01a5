#include "model/TbTypes.h"

namespace {

constexpr std::string_view kTypeNames[TbFieldTypeCount] = {
    "NOTUSED_T",  "TEXT_T",      "INTEGER_T",     "LONG_T",         "FLOATING_T",       "LIST_T",
    "CHECKBOX_T", "DATE_T",      "TIME_T",        "EXPRESSION_T",   "MEMO_T",           "KEY_T",
    "DB_JOIN_T",  "DB_LOOKUP_T", "ONE_TO_MANY_T", "ADDR_BK_JOIN_T", "ADDR_BK_LOOKUP_T", "RADIO_T",
    "IMAGE_T",    "COND_EXP_T",  "AUTO_INC_T",    "PLUGIN_T",       "ADV_EXPRESSION_T",
};

constexpr std::string_view kTypeLabels[TbFieldTypeCount] = {
    "Unknown",
    "Text",
    "Integer",
    "Long",
    "Float",
    "List",
    "Checkbox",
    "Date",
    "Time",
    "Expression",
    "Memo",
    "Key",
    "DB Join",
    "DB Lookup",
    "One To Many",
    "Address Join",
    "Address Lookup",
    "Radio Button",
    "Image",
    "Conditional Expression",
    "Auto Incremental",
    "Plug-In",
    "Advanced Expression",
};

constexpr std::string_view kResultNames[TbExprResultCount] = {
    "EXPR_RESULT_FLOATING", "EXPR_RESULT_DATE_DAYS", "EXPR_RESULT_DATE_MONTHS", "EXPR_RESULT_DATE_YEARS",
    "EXPR_RESULT_DAYS",     "EXPR_RESULT_MONTHS",    "EXPR_RESULT_YEARS",       "EXPR_RESULT_TIME",
    "EXPR_RESULT_HOURS",    "EXPR_RESULT_MINUTES",   "EXPR_RESULT_SECONDS",     "EXPR_RESULT_HHMMSS",
    "EXPR_RESULT_HHMM",     "EXPR_RESULT_TEXT",
};

constexpr std::string_view kResultLabels[TbExprResultCount] = {
    "Floating",      "Date +/- Days", "Date +/- Months", "Date +/- Years", "Days",    "Months",
    "Years",         "Time",          "Hours",           "Minutes",        "Seconds", "Hours-Minutes-Seconds",
    "Hours-Minutes", "Text",
};

}  // namespace

std::string_view FieldTypeName(int type) {
    return type >= 0 && type < TbFieldTypeCount ? kTypeNames[type] : "UNKNOWN";
}

std::string_view FieldTypeLabel(int type) {
    return type >= 0 && type < TbFieldTypeCount ? kTypeLabels[type] : "Unknown";
}

std::string_view ExprResultName(int format) {
    return format >= 0 && format < TbExprResultCount ? kResultNames[format] : "UNKNOWN";
}

std::string_view ExprResultLabel(int format) {
    return format >= 0 && format < TbExprResultCount ? kResultLabels[format] : "Unknown";
}

TbValueKind TbValueKindOf(int type) {
    switch (type) {
        case TEXT_T:
        case MEMO_T:
        case ADDR_BK_JOIN_T:
        case ADDR_BK_LOOKUP_T:
        case COND_EXP_T:
            return TbValueKind::Text;
        case LIST_T:
        case RADIO_T:
            return TbValueKind::ItemText;
        case INTEGER_T:
            return TbValueKind::Short;
        case LONG_T:
        case AUTO_INC_T:
            return TbValueKind::Long;
        case KEY_T:
            return TbValueKind::Key;
        case FLOATING_T:
            return TbValueKind::Float;
        case CHECKBOX_T:
            return TbValueKind::Checked;
        case DATE_T:
            return TbValueKind::Date;
        case TIME_T:
            return TbValueKind::Time;
        case IMAGE_T:
            return TbValueKind::Data;
        default:
            return TbValueKind::None;
    }
}

bool TbIsJoinType(int type) { return type == DB_JOIN_T || type == DB_LOOKUP_T; }

TbFieldType ExprResultValueType(int format) {
    switch (format) {
        case EXPR_RESULT_DATE_DAYS:
        case EXPR_RESULT_DATE_MONTHS:
        case EXPR_RESULT_DATE_YEARS:
            return DATE_T;
        case EXPR_RESULT_TIME:
            return TIME_T;
        case EXPR_RESULT_TEXT:
            return TEXT_T;
        default:
            return format >= 0 && format < TbExprResultCount ? FLOATING_T : NOTUSED_T;
    }
}

bool ExprResultIsClock(int format) { return format == EXPR_RESULT_HHMM || format == EXPR_RESULT_HHMMSS; }

bool ExprResultIsCount(int format) {
    return (format >= EXPR_RESULT_DAYS && format <= EXPR_RESULT_YEARS) ||
           (format >= EXPR_RESULT_HOURS && format <= EXPR_RESULT_SECONDS);
}

std::string_view ExprTokenName(int type) {
    static constexpr std::string_view kTokens[] = {"exprTokenToday",      "????",
                                                   "exprTokenFloatConst", "exprTokenNow",
                                                   "exprTokenString",     "exprTokenColor",
                                                   "exprTokenPlus",       "exprTokenMinus",
                                                   "exprTokenMultiply",   "exprTokenDivide",
                                                   "exprTokenFunc",       "exprTokenParenL",
                                                   "exprTokenParenR",     "exprTokenComma",
                                                   "exprTokenOper",       "exprTokenPrevRecIndex"};
    return type >= 84 && type <= 99 ? kTokens[type - 84] : std::string_view();
}
