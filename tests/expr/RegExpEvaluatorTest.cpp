// Expression fields: the strict left-to-right number chain, the unsigned time chain and its
// result formats, the date chain's calendar moves and differences, and when a change is reported.
#include "components/expression/IExpressionEvaluator.h"
#include "expr/CTbObjRegExpEvaluator.h"
#include "expr/TbCalendar.h"
#include "model/TbObjDB.h"
#include "platform/OleDate.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace pf = orvanta::platform;
using namespace orvanta::expression;

void PrintTo(const TbDate& date, std::ostream* os) {
    *os << date.year << "-" << date.month << "-" << date.day;
}

namespace {

enum Slot : uint16_t { kQty = 1, kPrice, kName, kDone, kColour, kNotes, kAt, kAt2, kDue, kDue2, kCalc };

const std::pair<const char*, TbFieldType> kFields[] = {
    {"Qty", INTEGER_T}, {"Price", FLOATING_T}, {"Name", TEXT_T},       {"Done", CHECKBOX_T},
    {"Colour", LIST_T}, {"Notes", MEMO_T},     {"At", TIME_T},         {"At2", TIME_T},
    {"Due", DATE_T},    {"Due2", DATE_T},      {"Calc", EXPRESSION_T},
};

// One token: a type byte and its value text (only float constants use the text).
struct Token {
    uint8_t type;
    std::string text;
};

Token Field(uint16_t slot) { return {static_cast<uint8_t>(slot), ""}; }
Token Previous(uint16_t slot) { return {static_cast<uint8_t>(kTokenPreviousBase + slot), ""}; }
Token Constant(const char* text) { return {kTokenFloatConst, text}; }
const Token kPlus{kTokenPlus, ""}, kMinus{kTokenMinus, ""}, kTimes{kTokenMultiply, ""},
    kDivide{kTokenDivide, ""};

// A Tabulon whose Expression field (slot kCalc) is evaluated on a record.
class ExprFixture {
public:
    ExprFixture() {
        for (const auto& [name, type] : kFields) db.AddField(name, type);
        for (const char* item : {"one", "7"}) db.Field(kColour)->ListProps()->Items().AddItem(item);
        record = db.Records().AddRecord(true, false);
    }

    void SetUp(int format, const std::vector<Token>& tokens) {
        std::vector<uint8_t> types;
        std::vector<std::string> texts;
        for (const Token& token : tokens) {
            types.push_back(token.type);
            texts.push_back(token.text);
        }
        CTbObjFieldExpr& expr = *db.Field(kCalc)->ExprProps();
        expr.SetResultFormat(format);
        ASSERT_TRUE(expr.SetTokens(types, texts));
    }

    bool Evaluate(const CTbObjRecord* previous = nullptr) {
        return CTbObjRegExpEvaluator().Evaluate(*record, *db.Field(kCalc), previous);
    }
    float Number(int format, const std::vector<Token>& tokens) {
        SetUp(format, tokens);
        Evaluate();
        return Value(kCalc).GetFloat();
    }
    TbDate Date(int format, const std::vector<Token>& tokens) {
        SetUp(format, tokens);
        Evaluate();
        int16_t y, m, d;
        Value(kCalc).GetDate(&y, &m, &d);
        return {y, m, d};
    }

    CTbObjRecordValue& Value(uint16_t slot) { return *record->Value(slot); }

    CTbObjDB db;
    CTbObjRecord* record;
};

}  // namespace

TEST(RegExpEvaluatorTest, IsSetUpWithAFirstTokenAndAnEvaluatedFormat) {
    ExprFixture fixture;
    const CTbObjField& field = *fixture.db.Field(kCalc);
    EXPECT_FALSE(CTbObjRegExpEvaluator::IsSetUp(field)) << "no tokens";
    fixture.SetUp(EXPR_RESULT_FLOATING, {Field(kQty)});
    EXPECT_TRUE(CTbObjRegExpEvaluator::IsSetUp(field));
    fixture.SetUp(14, {Field(kQty)});
    EXPECT_FALSE(CTbObjRegExpEvaluator::IsSetUp(field));
    EXPECT_FALSE(fixture.Evaluate()) << "format 14 is not evaluated";
}

TEST(RegExpEvaluatorTest, NumberChainRunsStrictlyLeftToRight) {
    ExprFixture fixture;
    fixture.Value(kQty).SetShort(4);
    EXPECT_EQ(
        fixture.Number(EXPR_RESULT_FLOATING, {Field(kQty), kPlus, Constant("3"), kTimes, Constant("2")}),
        14.0f);
    fixture.Value(kPrice).SetFloat(0);
    EXPECT_EQ(fixture.Number(EXPR_RESULT_FLOATING,
                             {Constant("9"), kDivide, Field(kPrice), kMinus, Constant("1.5")}),
              7.5f)
        << "dividing by a field holding 0 leaves the running result";
    EXPECT_EQ(fixture.Number(EXPR_RESULT_FLOATING,
                             {Constant("9"), {kTokenFunc, ""}, Constant("5"), kPlus, Constant("1")}),
              10.0f)
        << "an unknown operator is ignored with its operand";
}

TEST(RegExpEvaluatorTest, NumberChainReadsEachKindOfField) {
    ExprFixture fixture;
    fixture.Value(kName).SetText("2.5 kg");
    fixture.Value(kDone).SetChecked(true);
    fixture.Value(kColour).SetShort(2);
    fixture.Value(kNotes).SetText("100");
    fixture.Value(kAt).SetTime(1, 0, 0);
    EXPECT_EQ(
        fixture.Number(EXPR_RESULT_FLOATING, {Field(kName), kPlus, Field(kDone), kTimes, Field(kColour)}),
        24.5f);
    EXPECT_EQ(fixture.Number(EXPR_RESULT_FLOATING, {Constant("1"), kPlus, Field(kNotes), kPlus, Field(kAt)}),
              1.0f)
        << "Memo and Time fields count 0 in a number";
}

TEST(RegExpEvaluatorTest, PreviousRecordOperandsAndChangeReporting) {
    ExprFixture fixture;
    CTbObjRecord& previous = *fixture.db.Records().AddRecord(true, false);
    previous.Value(kQty)->SetShort(10);
    fixture.Value(kQty).SetShort(3);
    fixture.SetUp(EXPR_RESULT_FLOATING, {Field(kQty), kPlus, Previous(kQty)});

    EXPECT_TRUE(fixture.Evaluate(&previous));
    EXPECT_EQ(fixture.Value(kCalc).GetFloat(), 13.0f);
    EXPECT_TRUE(fixture.Value(kCalc).HasValue());
    EXPECT_FALSE(fixture.Evaluate(&previous)) << "an unchanged result is no change";
    EXPECT_TRUE(fixture.Evaluate(nullptr));
    EXPECT_EQ(fixture.Value(kCalc).GetFloat(), 3.0f) << "without a previous record its operand is 0";
}

TEST(RegExpEvaluatorTest, TimeChainIsAnUnsignedTotalOfSeconds) {
    ExprFixture fixture;
    fixture.Value(kAt).SetTime(10, 0, 0);
    fixture.Value(kAt2).SetTime(11, 0, 0);
    fixture.Value(kCalc).SetTime(1, 2, 3);
    fixture.SetUp(EXPR_RESULT_TIME, {Field(kAt), kMinus, Field(kAt2)});
    EXPECT_TRUE(fixture.Evaluate());
    int16_t h, m, s;
    fixture.Value(kCalc).GetTime(&h, &m, &s);
    EXPECT_EQ((std::vector<int>{h, m, s}), (std::vector<int>{0, 0, 0})) << "10:00 - 11:00 is 0, not negative";

    fixture.SetUp(EXPR_RESULT_TIME, {Field(kAt2), kPlus, Constant("90.9"), kTimes, Constant("2")});
    EXPECT_TRUE(fixture.Evaluate());
    fixture.Value(kCalc).GetTime(&h, &m, &s);
    EXPECT_EQ((std::vector<int>{h, m, s}), (std::vector<int>{22, 3, 0}));
    EXPECT_FALSE(fixture.Evaluate());
}

TEST(RegExpEvaluatorTest, TimeResultFormatsCutTheTotal) {
    ExprFixture fixture;
    fixture.Value(kAt).SetTime(1, 30, 45);  // 5445 seconds
    const std::pair<int, float> formats[] = {{EXPR_RESULT_HOURS, 1},
                                             {EXPR_RESULT_MINUTES, 90},
                                             {EXPR_RESULT_SECONDS, 5445},
                                             {EXPR_RESULT_HHMMSS, 5445},
                                             {EXPR_RESULT_HHMM, 5400}};
    for (const auto& [format, expected] : formats)
        EXPECT_EQ(fixture.Number(format, {Field(kAt), kPlus, Constant("0")}), expected)
            << "format " << format;

    pf::ClockTime before = pf::LocalNow();
    float now = fixture.Number(EXPR_RESULT_SECONDS, {{kTokenNow, ""}});
    pf::ClockTime after = pf::LocalNow();
    EXPECT_GE(now, before.hour * 3600 + before.minute * 60 + before.second -
                       (after.hour < before.hour ? 86400 : 0));
    EXPECT_LE(now,
              after.hour * 3600 + after.minute * 60 + after.second + (after.hour < before.hour ? 86400 : 0));
}

TEST(RegExpEvaluatorTest, DateChainMovesByCalendarUnits) {
    ExprFixture fixture;
    fixture.Value(kDue).SetDate(2004, 2, 28);
    EXPECT_EQ(fixture.Date(EXPR_RESULT_DATE_DAYS, {Field(kDue), kPlus, Constant("2")}), (TbDate{2004, 3, 1}));
    EXPECT_EQ(fixture.Date(EXPR_RESULT_DATE_DAYS, {Field(kDue), kTimes, Constant("28")}),
              (TbDate{2004, 1, 31}))
        << "any operator but plus moves back";
    fixture.Value(kQty).SetShort(11);
    EXPECT_EQ(fixture.Date(EXPR_RESULT_DATE_MONTHS, {Field(kDue), kMinus, Field(kQty)}),
              (TbDate{2003, 3, 28}));

    fixture.Value(kDue).SetDate(2004, 1, 31);
    EXPECT_EQ(fixture.Date(EXPR_RESULT_DATE_MONTHS, {Field(kDue), kPlus, Constant("1")}),
              (TbDate{2004, 2, 29}));
    fixture.Value(kDue).SetDate(2005, 1, 31);
    EXPECT_EQ(fixture.Date(EXPR_RESULT_DATE_MONTHS, {Field(kDue), kPlus, Constant("1")}),
              (TbDate{2005, 2, 28}));
    fixture.Value(kDue).SetDate(2004, 2, 29);
    EXPECT_EQ(fixture.Date(EXPR_RESULT_DATE_YEARS, {Field(kDue), kPlus, Constant("1")}),
              (TbDate{2005, 2, 28}));

    pf::CalendarDate today = pf::LocalToday();
    EXPECT_EQ(fixture.Date(EXPR_RESULT_DATE_DAYS, {{kTokenToday, ""}, kPlus, Constant("0")}),
              (TbDate{today.year, today.month, today.day}));
}

TEST(RegExpEvaluatorTest, DateChainWithoutAStartDateClearsTheResult) {
    ExprFixture fixture;
    fixture.Value(kCalc).SetDate(2004, 1, 1);
    fixture.SetUp(EXPR_RESULT_DATE_DAYS, {Field(kQty), kPlus, Constant("1")});
    EXPECT_TRUE(fixture.Evaluate());
    EXPECT_EQ(fixture.Value(kCalc).PackedDate(), 0u);
    EXPECT_TRUE(fixture.Evaluate()) << "clearing is reported as a change every time";
}

TEST(RegExpEvaluatorTest, DateDifferencesInDaysMonthsAndYears) {
    ExprFixture fixture;
    auto difference = [&](int format, TbDate later, TbDate earlier) {
        fixture.Value(kDue).SetDate(later.year, later.month, later.day);
        fixture.Value(kDue2).SetDate(earlier.year, earlier.month, earlier.day);
        return fixture.Number(format, {Field(kDue), kPlus, Field(kDue2)});
    };
    EXPECT_EQ(difference(EXPR_RESULT_YEARS, {2004, 3, 14}, {2000, 3, 15}), 3.0f);
    EXPECT_EQ(difference(EXPR_RESULT_MONTHS, {2004, 3, 14}, {2003, 12, 15}), 2.0f);
    EXPECT_EQ(difference(EXPR_RESULT_MONTHS, {2003, 12, 15}, {2004, 3, 14}), 0.0f);
    EXPECT_EQ(difference(EXPR_RESULT_DAYS, {2004, 3, 1}, {2004, 2, 28}), 2.0f);
    EXPECT_EQ(difference(EXPR_RESULT_DAYS, {2004, 2, 28}, {2004, 3, 1}), 0.0f) << "operand 0 earlier";

    fixture.Value(kCalc).SetFloat(42);
    fixture.Value(kDue2).SetDate(0, 0, 0);
    fixture.SetUp(EXPR_RESULT_DAYS, {Field(kDue), kMinus, Field(kDue2)});
    EXPECT_FALSE(fixture.Evaluate()) << "without two dates nothing changes";
    EXPECT_EQ(fixture.Value(kCalc).GetFloat(), 42.0f);
}
