// Filters: how one condition compares a record's value (text, whole number, floating, date,
// time) with a constant or a second field, how the three conditions combine, the Today and Now
// constants, and the filter's own settings.
#include "RecordTestSupport.h"

#include "model/TbObjDB.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

using testing::ElementsAre;

namespace {

// The fields of the test Tabulon, in slot order.
enum Slot : uint16_t {
    kName = 1, kQty, kBig, kPrice, kDone, kDue, kAt, kColour, kId, kSeq, kNotes, kSize, kQty2, kOther,
    kDue2, kFlag, kAddress, kPhoto, kAt2, kPrice2, kJoin, kCalc, kLastSlot = kCalc
};

const std::pair<const char*, TbFieldType> kFields[] = {
    {"Name", TEXT_T},     {"Qty", INTEGER_T},    {"Big", LONG_T},       {"Price", FLOATING_T},
    {"Done", CHECKBOX_T}, {"Due", DATE_T},       {"At", TIME_T},        {"Colour", LIST_T},
    {"Id", KEY_T},        {"Seq", AUTO_INC_T},   {"Notes", MEMO_T},     {"Size", RADIO_T},
    {"Qty2", INTEGER_T},  {"Other", TEXT_T},     {"Due2", DATE_T},      {"Flag", COND_EXP_T},
    {"Address", ADDR_BK_JOIN_T}, {"Photo", IMAGE_T}, {"At2", TIME_T},   {"Price2", FLOATING_T},
    {"Join", DB_JOIN_T},  {"Calc", EXPRESSION_T},
};

// 27 October 2004, 13:05:09: the clock the table cases run with.
const TbFilterClock kClock{PackParts(2004, 10, 27), PackParts(13, 5, 9)};

using Fill = std::function<void(CTbObjRecord&)>;

Fill Text(uint16_t slot, const char* text) {
    return [=](CTbObjRecord& r) { r.Value(slot)->SetText(text); };
}
Fill Short(uint16_t slot, int16_t value) {
    return [=](CTbObjRecord& r) { r.Value(slot)->SetShort(value); };
}
Fill Long(uint16_t slot, int32_t value) {
    return [=](CTbObjRecord& r) { r.Value(slot)->SetLong(value); };
}
Fill Float(uint16_t slot, float value) {
    return [=](CTbObjRecord& r) { r.Value(slot)->SetFloat(value); };
}
Fill Checked(bool on) {
    return [=](CTbObjRecord& r) { r.Value(kDone)->SetChecked(on); };
}
Fill Date(uint16_t slot, int y, int m, int d) {
    return [=](CTbObjRecord& r) { r.Value(slot)->SetDate(y, m, d); };
}
Fill Time(uint16_t slot, int h, int m, int s) {
    return [=](CTbObjRecord& r) { r.Value(slot)->SetTime(h, m, s); };
}
Fill Key(uint32_t key) {
    return [=](CTbObjRecord& r) { r.SetKey(key); };
}
Fill Nothing() {
    return [](CTbObjRecord&) {};
}
Fill Both(Fill a, Fill b) {
    return [=](CTbObjRecord& r) {
        a(r);
        b(r);
    };
}

// A Tabulon with one field of each kind a condition compares, and a filter to try.
class FilterFixture {
public:
    FilterFixture() {
        for (const auto& [name, type] : kFields) AddTypedField(db, name, type);
        EXPECT_EQ(db.Field(kLastSlot)->GetName(), "Calc");
        CTbObjListItems& colours = db.Field(kColour)->ListProps()->Items();
        for (const char* item : {"Red", "Green", "Blue"}) colours.AddItem(item);
        CTbObjListItems& sizes = db.Field(kSize)->ListProps()->Items();
        for (const char* item : {"Small", "Large"}) sizes.AddItem(item);
        db.Field(kJoin)->JoinProps()->SetJoinFieldType(TEXT_T);
        filter = db.AddFilter();
    }

    CTbObjRecord& NewRecord(const Fill& fill) {
        CTbObjRecord& record = *db.Records().AddRecord(true, false);
        fill(record);
        return record;
    }

    // Whether a record filled by fill passes the single condition (slot op constant).
    bool Holds(uint16_t slot, char op, const std::string& constant, const Fill& fill, uint16_t second = 0) {
        filter->SetCondition(0, slot, op, second, constant);
        return filter->Passes(NewRecord(fill), kClock);
    }

    CTbObjDB db;
    CTbObjFilter* filter = nullptr;
};

struct ConditionCase {
    const char* name;
    uint16_t slot;
    Fill fill;
    char op;
    const char* constant;
    bool expected;
    uint16_t second = 0;
};

void PrintTo(const ConditionCase& c, std::ostream* os) { *os << c.name; }

std::string CaseName(const testing::TestParamInfo<ConditionCase>& info) { return info.param.name; }

class FilterConditionTest : public testing::TestWithParam<ConditionCase> {};

}  // namespace

TEST_P(FilterConditionTest, DecidesAsItsKindOfValueCompares) {
    const ConditionCase& c = GetParam();
    FilterFixture fixture;
    EXPECT_EQ(fixture.Holds(c.slot, c.op, c.constant, c.fill, c.second), c.expected)
        << "'" << c.op << "' \"" << c.constant << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Text, FilterConditionTest,
    testing::Values(
        ConditionCase{"ContainsIgnoresCase", kName, Text(kName, "Hello World"), 'h', "WORLD", true},
        ConditionCase{"ContainsCaseSensitiveMisses", kName, Text(kName, "Hello World"), 'H', "WORLD", false},
        ConditionCase{"ContainsCaseSensitiveHits", kName, Text(kName, "Hello World"), 'H', "o W", true},
        ConditionCase{"ContainsAbsent", kName, Text(kName, "Hello World"), 'h', "xyz", false},
        ConditionCase{"StartsIgnoresCase", kName, Text(kName, "Hello World"), 's', "hELLO", true},
        ConditionCase{"StartsCaseSensitiveMisses", kName, Text(kName, "Hello World"), 'S', "hello", false},
        ConditionCase{"StartsCaseSensitiveHits", kName, Text(kName, "Hello World"), 'S', "Hell", true},
        ConditionCase{"StartsNotInside", kName, Text(kName, "Hello World"), 's', "World", false},
        ConditionCase{"StartsLongerThanValue", kName, Text(kName, "Hi"), 's', "Hint", false},
        ConditionCase{"EqualIgnoresCase", kName, Text(kName, "Hello World"), '=', "hello world", true},
        ConditionCase{"EqualIsWholeText", kName, Text(kName, "Hello World"), '=', "Hello", false},
        ConditionCase{"NotEqualIgnoresCase", kName, Text(kName, "Hello World"), '!', "HELLO WORLD", false},
        ConditionCase{"NotEqual", kName, Text(kName, "Hello World"), '!', "Hello", true},
        ConditionCase{"LessIgnoresCase", kName, Text(kName, "apple"), '<', "Banana", true},
        ConditionCase{"GreaterIgnoresCase", kName, Text(kName, "banana"), '>', "APPLE", true},
        ConditionCase{"GreaterLonger", kName, Text(kName, "Hello World"), '>', "hello", true},
        ConditionCase{"GreaterOrEqualSame", kName, Text(kName, "Hello World"), 'J', "HELLO WORLD", true},
        ConditionCase{"LessOrEqualShorter", kName, Text(kName, "Hello World"), 'L', "hello wor", false},
        ConditionCase{"UnknownOperator", kName, Text(kName, "abc"), '?', "zzz", true},
        ConditionCase{"EmptyConstantLess", kName, Text(kName, "abc"), '<', "", false},
        ConditionCase{"EmptyConstantGreater", kName, Text(kName, "abc"), '>', "", false},
        ConditionCase{"EmptyConstantContains", kName, Text(kName, "abc"), 'h', "", false},
        ConditionCase{"EmptyConstantUnknown", kName, Text(kName, "abc"), '?', "", false},
        ConditionCase{"EmptyConstantEqual", kName, Text(kName, "abc"), '=', "", false},
        ConditionCase{"EmptyConstantNotEqual", kName, Text(kName, "abc"), '!', "", true},
        ConditionCase{"EmptyValueEqualsEmpty", kName, Nothing(), '=', "", true},
        ConditionCase{"EmptyValueNotEqual", kName, Nothing(), '!', "x", true},
        ConditionCase{"EmptyValueLess", kName, Nothing(), '<', "x", false},
        ConditionCase{"EmptyValueLessOrEqual", kName, Nothing(), 'L', "x", false},
        ConditionCase{"EmptyValueContains", kName, Nothing(), 'h', "x", false},
        ConditionCase{"EmptyValueUnknown", kName, Nothing(), '?', "x", false},
        ConditionCase{"Memo", kNotes, Text(kNotes, "first line"), 'h', "LINE", true},
        ConditionCase{"ListByItemTextOfIndex", kColour, Short(kColour, 2), 'h', "REE", true},
        ConditionCase{"ListStoredText", kColour, Both(Short(kColour, 3), Text(kColour, "Blue")), '=', "blue", true},
        ConditionCase{"ListNotByIndex", kColour, Short(kColour, 2), '=', "2", false},
        ConditionCase{"ListNoSelection", kColour, Nothing(), '=', "", true},
        ConditionCase{"RadioByItemText", kSize, Short(kSize, 1), 's', "sm", true},
        ConditionCase{"ConditionalExpression", kFlag, Text(kFlag, "Overdue"), '=', "OVERDUE", true},
        ConditionCase{"AddressJoin", kAddress, Text(kAddress, "Jones"), 'S', "Jo", true}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    WholeNumbers, FilterConditionTest,
    testing::Values(ConditionCase{"IntegerEqual", kQty, Short(kQty, 12), '=', "12", true},
                    ConditionCase{"IntegerGreaterNotAsText", kQty, Short(kQty, 12), '>', "9", true},
                    ConditionCase{"IntegerLessNegative", kQty, Short(kQty, 12), '<', "-3", false},
                    ConditionCase{"IntegerNegativeLess", kQty, Short(kQty, -4), '<', "-3", true},
                    ConditionCase{"IntegerLessOrEqual", kQty, Short(kQty, 12), 'L', "12", true},
                    ConditionCase{"IntegerGreaterOrEqual", kQty, Short(kQty, 12), 'J', "13", false},
                    ConditionCase{"IntegerNotEqual", kQty, Short(kQty, 12), '!', "12", false},
                    ConditionCase{"IntegerConstantLikeAtoi", kQty, Short(kQty, 12), '=', "12 pieces", true},
                    ConditionCase{"IntegerUnknownOperator", kQty, Short(kQty, 12), '?', "99", true},
                    ConditionCase{"IntegerContainsIsUnknown", kQty, Short(kQty, 12), 'h', "7", true},
                    ConditionCase{"IntegerUnsetIsZero", kQty, Nothing(), '=', "0", true},
                    ConditionCase{"LongBeyondShort", kBig, Long(kBig, 100000), '>', "99999", true},
                    ConditionCase{"LongNegative", kBig, Long(kBig, -5), '<', "0", true},
                    ConditionCase{"AutoIncremental", kSeq, Long(kSeq, 5), '=', "5", true},
                    ConditionCase{"CheckedIsOne", kDone, Checked(true), '=', "1", true},
                    ConditionCase{"CheckedAboveZero", kDone, Checked(true), '>', "0", true},
                    ConditionCase{"CheckedNotBelowOne", kDone, Checked(true), '<', "1", false},
                    ConditionCase{"UncheckedIsZero", kDone, Checked(false), '=', "0", true},
                    ConditionCase{"NeverCheckedIsZero", kDone, Nothing(), '=', "0", true},
                    ConditionCase{"KeyIsTheRecordKey", kId, Key(42), '=', "42", true},
                    ConditionCase{"KeyGreater", kId, Key(42), '>', "41", true},
                    ConditionCase{"KeyLessOrEqual", kId, Key(42), 'L', "41", false}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Floating, FilterConditionTest,
    testing::Values(ConditionCase{"Greater", kPrice, Float(kPrice, 2.5f), '>', "2.25", true},
                    ConditionCase{"Equal", kPrice, Float(kPrice, 2.5f), '=', "2.5", true},
                    ConditionCase{"EqualOtherSpelling", kPrice, Float(kPrice, 2.5f), '!', "2.50", false},
                    ConditionCase{"NotLessThanItself", kPrice, Float(kPrice, 2.5f), '<', "2.5", false},
                    ConditionCase{"GreaterOrEqual", kPrice, Float(kPrice, 2.5f), 'J', "2.5", true},
                    ConditionCase{"LessNotAsText", kPrice, Float(kPrice, 2.5f), '<', "10", true},
                    ConditionCase{"FractionNotTruncated", kPrice, Float(kPrice, 2.5f), '>', "2", true},
                    ConditionCase{"FractionalConstant", kPrice, Float(kPrice, 2.0f), '<', "2.75", true},
                    ConditionCase{"UnknownOperator", kPrice, Float(kPrice, 2.5f), '?', "x", true},
                    ConditionCase{"ExpressionFloating", kCalc, Float(kCalc, 12.5f), 'J', "12.5", true},
                    ConditionCase{"ExpressionNotAsText", kCalc, Float(kCalc, 12.5f), '<', "9", false}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Dates, FilterConditionTest,
    testing::Values(ConditionCase{"PackedConstant", kDue, Date(kDue, 2004, 10, 27), '=', "131336731", true},
                    ConditionCase{"PackedNextDay", kDue, Date(kDue, 2004, 10, 27), '<', "131336732", true},
                    ConditionCase{"PackedSameIsNotGreater", kDue, Date(kDue, 2004, 10, 27), '>', "131336731", false},
                    ConditionCase{"PackedLessOrEqual", kDue, Date(kDue, 2004, 10, 27), 'L', "131336731", true},
                    ConditionCase{"PackedNotEqual", kDue, Date(kDue, 2004, 10, 28), '!', "131336731", true},
                    ConditionCase{"UnsetIsZero", kDue, Nothing(), '<', "1", true},
                    ConditionCase{"UnknownOperatorFails", kDue, Date(kDue, 2004, 10, 27), '?', "131336731", false},
                    ConditionCase{"ContainsFails", kDue, Date(kDue, 2004, 10, 27), 'h', "2004", false},
                    ConditionCase{"TodayToken", kDue, Date(kDue, 2004, 10, 27), '=', "T", true},
                    ConditionCase{"TodayWord", kDue, Date(kDue, 2004, 10, 27), '=', "Today", true},
                    ConditionCase{"BeforeToday", kDue, Date(kDue, 2004, 10, 26), '<', "T", true},
                    ConditionCase{"NotAfterToday", kDue, Date(kDue, 2004, 10, 26), '>', "T", false},
                    ConditionCase{"LowerCaseIsNotToday", kDue, Date(kDue, 2004, 10, 27), '=', "t", false}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Times, FilterConditionTest,
    testing::Values(ConditionCase{"PackedConstant", kAt, Time(kAt, 13, 5, 9), '=', "853257", true},
                    ConditionCase{"PackedLessOrEqual", kAt, Time(kAt, 13, 5, 9), 'L', "853256", false},
                    ConditionCase{"PackedGreaterOrEqual", kAt, Time(kAt, 13, 5, 9), 'J', "853257", true},
                    ConditionCase{"Midnight", kAt, Time(kAt, 0, 0, 0), '=', "0", true},
                    ConditionCase{"UnknownOperatorFails", kAt, Time(kAt, 13, 5, 9), '?', "853257", false},
                    ConditionCase{"StartsFails", kAt, Time(kAt, 13, 5, 9), 'S', "8", false},
                    ConditionCase{"NowToken", kAt, Time(kAt, 13, 5, 9), '=', "W", true},
                    ConditionCase{"AfterNow", kAt, Time(kAt, 13, 5, 10), '>', "W", true},
                    ConditionCase{"NotBeforeNow", kAt, Time(kAt, 13, 5, 10), '<', "W", false}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    SecondField, FilterConditionTest,
    testing::Values(
        ConditionCase{"IntegerLess", kQty, Both(Short(kQty, 5), Short(kQty2, 7)), '<', "", true, kQty2},
        ConditionCase{"IntegerEqualIgnoresConstant", kQty, Both(Short(kQty, 5), Short(kQty2, 5)), '=', "99", true, kQty2},
        ConditionCase{"IntegerNotEqual", kQty, Both(Short(kQty, 5), Short(kQty2, 7)), '=', "5", false, kQty2},
        ConditionCase{"TextEqualIgnoresCase", kName, Both(Text(kName, "abc"), Text(kOther, "ABC")), '=', "", true, kOther},
        ConditionCase{"TextContainsCaseSensitive", kName, Both(Text(kName, "abc"), Text(kOther, "B")), 'H', "", false, kOther},
        ConditionCase{"TextContainsIgnoringCase", kName, Both(Text(kName, "abc"), Text(kOther, "B")), 'h', "b", true, kOther},
        ConditionCase{"TextEmptySecond", kName, Text(kName, "abc"), '<', "zzz", false, kOther},
        ConditionCase{"DateLess", kDue, Both(Date(kDue, 2004, 10, 27), Date(kDue2, 2004, 10, 28)), '<', "", true, kDue2},
        ConditionCase{"DateEqual", kDue, Both(Date(kDue, 2004, 10, 27), Date(kDue2, 2004, 10, 27)), '=', "", true, kDue2},
        ConditionCase{"TimeGreater", kAt, Both(Time(kAt, 10, 0, 1), Time(kAt2, 10, 0, 0)), '>', "", true, kAt2},
        ConditionCase{"FloatGreater", kPrice, Both(Float(kPrice, 2.5f), Float(kPrice2, 2.25f)), '>', "", true, kPrice2}),
    CaseName);

// ---------------------------------------------------------------------------------------------
// Expression fields compare by their result format

namespace {

struct ResultFormatCase {
    const char* name;
    int format;
    Fill fill;
    char op;
    const char* constant;
    bool expected;
};

void PrintTo(const ResultFormatCase& c, std::ostream* os) { *os << c.name; }

class FilterExpressionTest : public testing::TestWithParam<std::tuple<TbFieldType, ResultFormatCase>> {};

}  // namespace

TEST_P(FilterExpressionTest, ResultFormatDecidesTheKindOfComparison) {
    auto [type, c] = GetParam();
    FilterFixture fixture;
    CTbObjField& field = *fixture.db.Field(kCalc);
    field.SetType(type);
    field.ExprProps()->SetResultFormat(c.format);
    EXPECT_EQ(fixture.Holds(kCalc, c.op, c.constant, c.fill), c.expected)
        << ExprResultLabel(c.format) << " '" << c.op << "' \"" << c.constant << "\"";
}

// Floating, and every format from Days onwards except Text, compare as numbers: an unknown
// operator passes. The three Date +/- formats compare as packed dates: an unknown operator fails.
INSTANTIATE_TEST_SUITE_P(
    Formats, FilterExpressionTest,
    testing::Combine(
        testing::Values(EXPRESSION_T, ADV_EXPRESSION_T),
        testing::Values(
            ResultFormatCase{"Floating", EXPR_RESULT_FLOATING, Float(kCalc, 7.5f), '>', "7", true},
            ResultFormatCase{"Days", EXPR_RESULT_DAYS, Float(kCalc, 7.5f), '<', "7", false},
            ResultFormatCase{"Months", EXPR_RESULT_MONTHS, Float(kCalc, 7.5f), 'J', "7.5", true},
            ResultFormatCase{"Years", EXPR_RESULT_YEARS, Float(kCalc, -1.5f), '<', "-1", true},
            ResultFormatCase{"TimeUnknownOperator", EXPR_RESULT_TIME, Time(kCalc, 10, 0, 0), '?', "0", true},
            ResultFormatCase{"Hours", EXPR_RESULT_HOURS, Float(kCalc, 3.0f), '=', "3", true},
            ResultFormatCase{"MinutesUnknownOperator", EXPR_RESULT_MINUTES, Float(kCalc, 3.0f), '?', "x", true},
            ResultFormatCase{"Seconds", EXPR_RESULT_SECONDS, Float(kCalc, 59.0f), 'L', "60", true},
            ResultFormatCase{"HoursMinutesSeconds", EXPR_RESULT_HHMMSS, Float(kCalc, 3600.0f), '=', "3600", true},
            ResultFormatCase{"HoursMinutes", EXPR_RESULT_HHMM, Float(kCalc, 5400.0f), '>', "3600", true},
            ResultFormatCase{"DateDays", EXPR_RESULT_DATE_DAYS, Date(kCalc, 2004, 10, 27), '=', "131336731", true},
            ResultFormatCase{"DateMonthsToday", EXPR_RESULT_DATE_MONTHS, Date(kCalc, 2004, 10, 27), '=', "T", true},
            ResultFormatCase{"DateYearsUnknownOperator", EXPR_RESULT_DATE_YEARS, Date(kCalc, 2004, 10, 27), '?',
                             "131336731", false},
            ResultFormatCase{"Text", EXPR_RESULT_TEXT, Text(kCalc, "Total 12"), 'h', "TOTAL", true})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param) == EXPRESSION_T ? "Expression" : "Advanced") +
               std::get<1>(info.param).name;
    });

// ---------------------------------------------------------------------------------------------
// DB Join and DB Lookup fields look at the joined value

TEST(FilterJoin, AJoinedValueIsComparedByItsOwnType) {
    FilterFixture fixture;
    Fill joined = [](CTbObjRecord& r) {
        r.Value(kJoin)->SetText("own text");
        r.Value(kJoin)->JoinedValue().SetType(INTEGER_T);
        r.Value(kJoin)->JoinedValue().SetShort(7);
    };
    EXPECT_TRUE(fixture.Holds(kJoin, '=', "7", joined));
    EXPECT_FALSE(fixture.Holds(kJoin, '>', "10", joined));
    EXPECT_FALSE(fixture.Holds(kJoin, '=', "own text", joined));
}

TEST(FilterJoin, AValueWithoutJoinedValueIsComparedByTheJoinFieldType) {
    FilterFixture fixture;
    EXPECT_TRUE(fixture.Holds(kJoin, '=', "OWN TEXT", Text(kJoin, "own text")));
    EXPECT_TRUE(fixture.Holds(kJoin, 'h', "TEX", Text(kJoin, "own text")));
}

// ---------------------------------------------------------------------------------------------
// Combining the three conditions

namespace {

struct LogicCase {
    const char* name;
    bool c1, c2, c3;
    char logic1, logic2;
    bool expected;
};

void PrintTo(const LogicCase& c, std::ostream* os) { *os << c.name; }

class FilterLogicTest : public testing::TestWithParam<LogicCase> {};

}  // namespace

TEST_P(FilterLogicTest, CombinesConditionOneAndTwoThenTheResultWithThree) {
    const LogicCase& c = GetParam();
    FilterFixture fixture;
    // Quantity 5: "= 5" is true, "= 6" is false; each condition on its own field.
    CTbObjRecord& record = fixture.NewRecord(Both(Short(kQty, 5), Both(Short(kQty2, 5), Long(kBig, 5))));
    fixture.filter->SetCondition(0, kQty, '=', 0, c.c1 ? "5" : "6");
    fixture.filter->SetCondition(1, kQty2, '=', 0, c.c2 ? "5" : "6");
    fixture.filter->SetCondition(2, kBig, '=', 0, c.c3 ? "5" : "6");
    fixture.filter->SetLogicOperator(0, c.logic1);
    fixture.filter->SetLogicOperator(1, c.logic2);
    EXPECT_EQ(fixture.filter->Passes(record, kClock), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Operators, FilterLogicTest,
    testing::Values(LogicCase{"TrueFalseTrue_AndOr", true, false, true, 'A', 'O', true},
                    LogicCase{"TrueFalseTrue_OrAnd", true, false, true, 'O', 'A', true},
                    LogicCase{"TrueFalseTrue_AndAnd", true, false, true, 'A', 'A', false},
                    LogicCase{"TrueFalseTrue_OrOr", true, false, true, 'O', 'O', true},
                    LogicCase{"FalseTrueFalse_OrAnd", false, true, false, 'O', 'A', false},
                    LogicCase{"FalseFalseTrue_AndOr", false, false, true, 'A', 'O', true},
                    LogicCase{"TrueTrueFalse_AndAnd", true, true, false, 'A', 'A', false},
                    LogicCase{"TrueTrueTrue_AndAnd", true, true, true, 'A', 'A', true},
                    LogicCase{"FalseFalseFalse_OrOr", false, false, false, 'O', 'O', false},
                    LogicCase{"OtherFirstKeepsConditionOne", false, true, false, 'x', 'x', false},
                    LogicCase{"OtherFirstKeepsConditionOneTrue", true, false, false, '\0', '\0', true},
                    LogicCase{"LowerCaseIsNotAnOperator", false, true, true, 'o', 'o', false},
                    LogicCase{"OtherSecondKeepsTheResult", true, false, false, 'O', '\0', true},
                    LogicCase{"OtherSecondIgnoresConditionThree", false, false, true, 'A', 'Z', false},
                    LogicCase{"OtherFirstThenOr", false, true, true, '\0', 'O', true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FilterConditions, AFilterWithAllFieldsZeroPassesEveryRecord) {
    FilterFixture fixture;
    std::vector<CTbObjRecord*> records = {&fixture.NewRecord(Nothing()), &fixture.NewRecord(Text(kName, "x")),
                                          &fixture.NewRecord(Date(kDue, 2004, 1, 1))};
    for (CTbObjRecord* record : records) EXPECT_TRUE(fixture.filter->Passes(*record, kClock));
    // Operators and constants do not matter while the fields are 0.
    for (int i = 0; i < 3; ++i) fixture.filter->SetCondition(i, 0, '<', 0, "zzz");
    fixture.filter->SetLogicOperator(0, 'A');
    fixture.filter->SetLogicOperator(1, 'A');
    for (CTbObjRecord* record : records) EXPECT_TRUE(fixture.filter->Passes(*record, kClock));
    fixture.db.Records().ApplyFilter(AllCategories, 0);
    EXPECT_EQ(fixture.db.Records().Count(), 3);
}

TEST(FilterConditions, AnUnusedConditionCountsAsTrue) {
    FilterFixture fixture;
    CTbObjRecord& record = fixture.NewRecord(Short(kQty, 5));
    fixture.filter->SetCondition(1, kQty, '=', 0, "6");
    fixture.filter->SetLogicOperator(0, 'O');
    EXPECT_TRUE(fixture.filter->Passes(record, kClock));  // condition 1 unused: true or false
    fixture.filter->SetLogicOperator(0, 'A');
    EXPECT_FALSE(fixture.filter->Passes(record, kClock));
}

TEST(FilterConditions, AnEmptyConstantWithLessFailsEveryRecordAndWithNotEqualPassesEveryValue) {
    FilterFixture fixture;
    for (const char* name : {"alpha", "", "Beta", "", "gamma"}) fixture.NewRecord(Text(kName, name));
    fixture.filter->SetCondition(0, kName, '<', 0, "");
    fixture.db.Records().ApplyFilter(AllCategories, 0);
    EXPECT_EQ(fixture.db.Records().Count(), 0);
    fixture.filter->SetCondition(0, kName, '!', 0, "");
    fixture.db.Records().ApplyFilter(AllCategories, 0);
    EXPECT_THAT(ShownKeys(fixture.db.Records()), ElementsAre(1u, 3u, 5u));
}

TEST(FilterConditions, ContainsFindsOtherLetterCaseButTheCaseSensitiveOneDoesNot) {
    FilterFixture fixture;
    for (const char* name : {"The Quick Fox", "quick", "QUICKLY", "slow"}) fixture.NewRecord(Text(kName, name));
    fixture.filter->SetCondition(0, kName, 'h', 0, "qUiCk");
    fixture.db.Records().ApplyFilter(AllCategories, 0);
    EXPECT_THAT(ShownKeys(fixture.db.Records()), ElementsAre(1u, 2u, 3u));
    fixture.filter->SetCondition(0, kName, 'H', 0, "qUiCk");
    fixture.db.Records().ApplyFilter(AllCategories, 0);
    EXPECT_EQ(fixture.db.Records().Count(), 0);
}

// ---------------------------------------------------------------------------------------------
// Today and Now on the UTC clock

TEST(FilterClock, NowIsTheUtcDateAndTime) {
    ScopedTimeZone zone(ZoneOnAnotherDayThanUtc());
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::time_t before = std::time(nullptr);
        TbFilterClock clock = TbFilterClock::UtcNow();
        std::time_t after = std::time(nullptr);
        if (before != after) continue;  // a second passed: try again
        EXPECT_EQ(clock.packedDate, PackedDateOf(UtcParts(before)));
        EXPECT_EQ(clock.packedTime, PackedTimeOf(UtcParts(before)));
        return;
    }
    GTEST_SKIP() << "the clock kept moving on";
}

TEST(FilterClock, TodayMeansTheUtcDateWhenTheRecordListFilters) {
    ScopedTimeZone zone(ZoneOnAnotherDayThanUtc());
    FilterFixture fixture;
    std::time_t now = std::time(nullptr);
    for (std::time_t when : {now - 86400, now, now + 86400}) {
        std::tm parts = UtcParts(when);
        fixture.NewRecord(Date(kDue, parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday));
    }
    fixture.filter->SetCondition(0, kDue, '=', 0, "T");
    fixture.db.Records().ApplyFilter(AllCategories, 0);
    if (PackedDateOf(UtcParts(std::time(nullptr))) != PackedDateOf(UtcParts(now)))
        GTEST_SKIP() << "the UTC date changed during the test";
    EXPECT_THAT(ShownKeys(fixture.db.Records()), ElementsAre(2u));

    fixture.filter->SetCondition(0, kDue, '<', 0, "T");
    EXPECT_TRUE(fixture.filter->Passes(*fixture.db.Records().RecordInStoredOrder(0)));
    EXPECT_FALSE(fixture.filter->Passes(*fixture.db.Records().RecordInStoredOrder(2)));
}

TEST(FilterClock, NowMeansTheUtcTimeOfDayWhenTheRecordListFilters) {
    ScopedTimeZone zone(ZoneOnAnotherDayThanUtc());
    std::time_t now = std::time(nullptr);
    std::tm parts = UtcParts(now);
    int secondOfDay = parts.tm_hour * 3600 + parts.tm_min * 60 + parts.tm_sec;
    if (secondOfDay < 600 || secondOfDay > 86400 - 600) GTEST_SKIP() << "too close to midnight UTC";
    FilterFixture fixture;
    for (std::time_t when : {now - 300, now + 300}) {
        std::tm p = UtcParts(when);
        fixture.NewRecord(Time(kAt, p.tm_hour, p.tm_min, p.tm_sec));
    }
    fixture.filter->SetCondition(0, kAt, 'L', 0, "W");
    fixture.db.Records().ApplyFilter(AllCategories, 0);
    EXPECT_THAT(ShownKeys(fixture.db.Records()), ElementsAre(1u));
    fixture.filter->SetCondition(0, kAt, 'J', 0, "Wall clock");
    fixture.db.Records().ApplyFilter(AllCategories, 0);
    EXPECT_THAT(ShownKeys(fixture.db.Records()), ElementsAre(2u));
}

// ---------------------------------------------------------------------------------------------
// The filter's own settings

namespace {

class FilterDefinedTest : public testing::TestWithParam<std::pair<uint16_t, bool>> {};

}  // namespace

TEST_P(FilterDefinedTest, WhenConditionOneNamesAUserField) {
    CTbObjDB db;
    CTbObjFilter* filter = db.AddFilter();
    EXPECT_FALSE(filter->IsDefined());
    filter->SetCondition(0, GetParam().first, '=', 0, "x");
    EXPECT_EQ(filter->IsDefined(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Fields, FilterDefinedTest,
                         testing::Values(std::pair<uint16_t, bool>{0, false}, std::pair<uint16_t, bool>{1, true},
                                         std::pair<uint16_t, bool>{40, true}, std::pair<uint16_t, bool>{80, true},
                                         std::pair<uint16_t, bool>{81, false},
                                         std::pair<uint16_t, bool>{255, false}));

TEST(FilterSettings, OnlyConditionOneMakesAFilterDefined) {
    CTbObjDB db;
    CTbObjFilter* filter = db.AddFilter();
    filter->SetCondition(1, 5, '=', 0, "x");
    filter->SetCondition(2, 6, '=', 0, "y");
    EXPECT_FALSE(filter->IsDefined());
}

TEST(FilterSettings, ConditionsAreKeptAsSetAndOtherIndexesIgnored) {
    CTbObjDB db;
    CTbObjFilter* filter = db.AddFilter();
    filter->SetCondition(0, 3, 'h', 0, "abc");
    filter->SetCondition(2, 7, 'L', 9, "");
    db.SetModified(false);
    filter->SetCondition(3, 8, '=', 0, "ignored");
    filter->SetCondition(-1, 8, '=', 0, "ignored");
    EXPECT_FALSE(db.IsModified());

    CTbObjFilter::Condition first = filter->GetCondition(0);
    EXPECT_EQ(first.field, 3);
    EXPECT_EQ(first.op, 'h');
    EXPECT_EQ(first.secondField, 0);
    EXPECT_EQ(first.constant, "abc");
    EXPECT_EQ(filter->GetCompareOperator(0), 'h');
    EXPECT_EQ(filter->GetCondition(1).field, 0);
    CTbObjFilter::Condition third = filter->GetCondition(2);
    EXPECT_EQ(third.field, 7);
    EXPECT_EQ(third.secondField, 9);
    EXPECT_EQ(filter->GetCompareOperator(2), 'L');
    EXPECT_EQ(filter->GetCondition(3).field, 0);
    EXPECT_EQ(filter->GetCondition(-1).field, 0);
}

TEST(FilterSettings, LogicOperatorsAreKeptForTheTwoPositionsOnly) {
    CTbObjDB db;
    CTbObjFilter* filter = db.AddFilter();
    filter->SetLogicOperator(0, 'O');
    filter->SetLogicOperator(1, 'A');
    filter->SetLogicOperator(2, 'O');
    EXPECT_EQ(filter->GetLogicOperator(0), 'O');
    EXPECT_EQ(filter->GetLogicOperator(1), 'A');
}

TEST(FilterSettings, TheDatabaseKeepsItsFiltersInOrderBesideQuickAndExternal) {
    CTbObjDB db;
    EXPECT_EQ(db.FilterCount(), 0);
    EXPECT_EQ(db.Filter(0), nullptr);
    CTbObjFilter* first = db.AddFilter();
    CTbObjFilter* second = db.AddFilter();
    EXPECT_EQ(db.FilterCount(), 2);
    EXPECT_EQ(db.Filter(0), first);
    EXPECT_EQ(db.Filter(1), second);
    EXPECT_EQ(db.Filter(2), nullptr);
    EXPECT_EQ(db.Filter(-1), nullptr);
    EXPECT_NE(&db.QuickFilter(), first);
    EXPECT_NE(&db.ExternalFilter(), &db.QuickFilter());
}
