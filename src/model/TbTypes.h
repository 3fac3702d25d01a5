// The enumerations and limits every part of a Tabulon shares: field types, expression result
// formats, load states, password kinds, colour codes, compare operators and result codes.
#pragma once

#include <cstdint>
#include <string_view>

using TbResult = int32_t;

inline constexpr TbResult TB_S_OK = 0;
inline constexpr TbResult TB_S_CHANGED = 1;
inline constexpr TbResult TB_E_FAIL = static_cast<int32_t>(0x80004005u);
inline constexpr TbResult TB_E_FIELD_NOT_FOUND = -210;

inline constexpr int MaxFieldSlots = 81;  // slots 0 to 80; slot 0 is the "Categories" list
inline constexpr int MaxUserFields = 80;
inline constexpr int DesignRecordCount = 87;  // design records ahead of the data records
inline constexpr int MaxViews = 12;
inline constexpr int MaxTabs = 15;
inline constexpr int TabRowCount = 34;
inline constexpr uint16_t AllCategories = 0xFFFF;
inline constexpr uint16_t NoFilter = 0xFFFF;
inline constexpr uint16_t LabelRowField = 255;

enum TbFieldType : int32_t {
    NOTUSED_T = 0,
    TEXT_T = 1,
    INTEGER_T = 2,
    LONG_T = 3,
    FLOATING_T = 4,
    LIST_T = 5,
    CHECKBOX_T = 6,
    DATE_T = 7,
    TIME_T = 8,
    EXPRESSION_T = 9,
    MEMO_T = 10,
    KEY_T = 11,
    DB_JOIN_T = 12,
    DB_LOOKUP_T = 13,
    ONE_TO_MANY_T = 14,
    ADDR_BK_JOIN_T = 15,
    ADDR_BK_LOOKUP_T = 16,
    RADIO_T = 17,
    IMAGE_T = 18,
    COND_EXP_T = 19,
    AUTO_INC_T = 20,
    PLUGIN_T = 21,
    ADV_EXPRESSION_T = 22,
};
inline constexpr int TbFieldTypeCount = 23;

// What a value of a (value) type holds, which decides how it is compared, filtered, turned
// into text and exported: Text for Text, Memo, Address Join, Address Lookup and Conditional
// Expression; ItemText for List and Radio Button (an item index standing for its text); Short
// for Integer; Long for Long and Auto Incremental; Key; Float; Checked for Checkbox; Date; Time;
// Data for Image; None for types that hold no value of their own.
enum class TbValueKind { None, Text, ItemText, Short, Long, Key, Float, Checked, Date, Time, Data };
TbValueKind TbValueKindOf(int type);
// DB Join and DB Lookup: fields that show a value of a record in another Tabulon.
bool TbIsJoinType(int type);

// "TEXT_T" and so on for the dump report; "UNKNOWN" for other values.
std::string_view FieldTypeName(int type);
// "Text", "Date", "Advanced Expression" ... as the user sees them; "Unknown" for other values.
std::string_view FieldTypeLabel(int type);

enum TbExprResult : int32_t {
    EXPR_RESULT_FLOATING = 0,
    EXPR_RESULT_DATE_DAYS = 1,
    EXPR_RESULT_DATE_MONTHS = 2,
    EXPR_RESULT_DATE_YEARS = 3,
    EXPR_RESULT_DAYS = 4,
    EXPR_RESULT_MONTHS = 5,
    EXPR_RESULT_YEARS = 6,
    EXPR_RESULT_TIME = 7,
    EXPR_RESULT_HOURS = 8,
    EXPR_RESULT_MINUTES = 9,
    EXPR_RESULT_SECONDS = 10,
    EXPR_RESULT_HHMMSS = 11,
    EXPR_RESULT_HHMM = 12,
    EXPR_RESULT_TEXT = 13,
};
inline constexpr int TbExprResultCount = 14;

std::string_view ExprResultName(int format);   // "EXPR_RESULT_FLOATING" ...
std::string_view ExprResultLabel(int format);  // "Floating", "Date +/- Days" ...
// The value type an expression result of this format is kept as: FLOATING_T, DATE_T,
// TIME_T, TEXT_T, or NOTUSED_T for an unknown format.
TbFieldType ExprResultValueType(int format);
// HH:MM and HH:MM:SS results: a number of seconds, shown as a clock.
bool ExprResultIsClock(int format);
// Days, months, years, hours, minutes and seconds: counts, shown as whole numbers.
bool ExprResultIsCount(int format);

// The name of an expression token type byte 84 to 99 ("exprTokenPlus" ...; "????" for 85,
// which has no token); "" for other bytes.
std::string_view ExprTokenName(int type);

enum TbLoadState : int32_t {
    TB_LOAD_SAVE_FAILED = -2,
    TB_LOAD_FAILED = -1,
    TB_LOAD_EMPTY = 0,
    TB_LOAD_HEADER = 1,
    TB_LOAD_FULL = 2,
    TB_LOAD_NEW = 3,
    TB_LOAD_DESIGN =
        4,  // the header and the design without the records: to be looked at, not loaded further or saved
};

enum TbPasswordKind : int32_t {
    TB_PASSWORD_LOGIN = 0,
    TB_PASSWORD_MODIFY = 1,
    TB_PASSWORD_DESIGN = 2,
    TB_PASSWORD_VIEW = 3,
    TB_PASSWORD_COPYRIGHT = 4,
    TB_PASSWORD_BEAM = 5,
};
inline constexpr int TbPasswordKindCount = 6;
inline constexpr int TbEnteredPasswordCount = 5;

// Colour codes of computed values.
enum TbColour : uint32_t { TB_BLACK = 0, TB_RED = 1, TB_GREEN = 2, TB_BLUE = 3, TB_YELLOW = 4 };

// Compare operators of filters and conditional expressions, as stored.
namespace TbCompare {
inline constexpr char Equal = '=';
inline constexpr char NotEqual = '!';
inline constexpr char Less = '<';
inline constexpr char Greater = '>';
inline constexpr char GreaterOrEqual = 'J';
inline constexpr char LessOrEqual = 'L';
inline constexpr char ContainsNoCase = 'h';
inline constexpr char Contains = 'H';
inline constexpr char StartsNoCase = 's';
inline constexpr char Starts = 'S';
inline constexpr char And = 'A';
inline constexpr char Or = 'O';
}  // namespace TbCompare
