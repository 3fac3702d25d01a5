// Expression fields: the strict left-to-right number chain, the unsigned time chain and its
// result formats, the date chain's calendar moves and differences, and when a change is reported.
#include "ExprTestSupport.h"

#include "components/expression/IExpressionEvaluator.h"
#include "expr/CTbObjRegExpEvaluator.h"
#include "expr/TbCalendar.h"
#include "platform/OleDate.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace pf = orvanta::platform;
using namespace orvanta::expression;

namespace {

// The sample Tabulon with its Expression field (slot kCalc) evaluated on the record.
class ExprFixture : public SampleTabulon {
public:
    // Sets the chain written with spaces between tokens: field names ("Prev.Qty" in the previous
    // record), numbers, + - * /, Now, Today, and "?" for a token that is no operator.
    void SetUp(int format, const std::string& chain) {
        static const std::map<std::string, uint8_t> kWords = {
            {"+", kTokenPlus}, {"-", kTokenMinus}, {"*", kTokenMultiply}, {"/", kTokenDivide},
            {"?", kTokenFunc}, {"Now", kTokenNow}, {"Today", kTokenToday}};
        std::vector<uint8_t> types;
        std::vector<std::string> texts;
        std::istringstream words(chain);
        for (std::string word; words >> word;) {
            const bool number = std::isdigit(static_cast<unsigned char>(word[0]));
            const bool previous = word.rfind("Prev.", 0) == 0;
            uint8_t type = number ? kTokenFloatConst : kWords.count(word) ? kWords.at(word) : 255;
            for (uint8_t slot = 1; slot <= kCond; ++slot)
                if (db.Field(slot)->GetName() == word.substr(previous ? 5 : 0))
                    type = static_cast<uint8_t>(slot + (previous ? kTokenPreviousBase : 0));
            types.push_back(type);
            texts.push_back(number ? word : "");
        }
        db.Field(kCalc)->ExprProps()->SetResultFormat(format);
        ASSERT_TRUE(db.Field(kCalc)->ExprProps()->SetTokens(types, texts));
    }

    bool Evaluate(const CTbObjRecord* previous = nullptr) {
        return CTbObjRegExpEvaluator().Evaluate(*record, *db.Field(kCalc), previous);
    }
};

}  // namespace

TEST(RegExpEvaluatorTest, EachChainByItsResultFormat) {
    const struct {
        int format;
        const char* chain;
        const char* expected;
        TbDate due = {2004, 10, 27}, due2 = {};
    } cases[] = {
        {EXPR_RESULT_FLOATING, "Qty + 3 * 2", "26"},            // no precedence
        {EXPR_RESULT_FLOATING, "9 / Empty - 1.5", "7.5"},       // a divisor of 0 is skipped
        {EXPR_RESULT_FLOATING, "9 ? 5 + 1", "10"},              // so is an unknown operator with its operand
        {EXPR_RESULT_FLOATING, "Ten + Done * Colour", "80.5"},  // text, checkbox, list item text as decimals
        {EXPR_RESULT_FLOATING, "1 + Notes + At", "1"},          // memo and time count 0
        {EXPR_RESULT_TIME, "At - At2 + 60", "0:1:0"},           // unsigned: 10:00 - 11:00 is 0
        {EXPR_RESULT_TIME, "At2 + 90.9 * 2", "22:3:0"},
        {EXPR_RESULT_HOURS, "5445", "1"},
        {EXPR_RESULT_MINUTES, "5445", "90"},
        {EXPR_RESULT_SECONDS, "5445", "5445"},
        {EXPR_RESULT_HHMMSS, "5445", "5445"},
        {EXPR_RESULT_HHMM, "5445", "5400"},
        {EXPR_RESULT_DATE_DAYS, "Due + 5", "2004-11-1"},
        {EXPR_RESULT_DATE_DAYS, "Due * 28", "2004-9-29"},  // any operator but + moves back
        {EXPR_RESULT_DATE_DAYS, "Due + 2", "2004-3-1", {2004, 2, 28}},
        {EXPR_RESULT_DATE_MONTHS, "Due - Qty", "2003-12-27"},
        {EXPR_RESULT_DATE_MONTHS, "Due + 1", "2004-2-29", {2004, 1, 31}},  // lowered to the month's end
        {EXPR_RESULT_DATE_MONTHS, "Due + 1", "2005-2-28", {2005, 1, 31}},
        {EXPR_RESULT_DATE_MONTHS, "Due + 3", "2005-2-28", {2004, 11, 30}},
        {EXPR_RESULT_DATE_YEARS, "Due + 1", "2005-2-28", {2004, 2, 29}},
        {EXPR_RESULT_DATE_YEARS, "Due + 4", "2008-2-29", {2004, 2, 29}},
        {EXPR_RESULT_YEARS, "Due + Due2", "3", {2004, 3, 14}, {2000, 3, 15}},  // operand 0 less operand 1
        {EXPR_RESULT_YEARS, "Due + Due2", "1", {2005, 2, 28}, {2004, 2, 28}},  // completed on the day
        {EXPR_RESULT_YEARS, "Due + Due2", "0", {2004, 2, 28}, {2005, 2, 28}},
        {EXPR_RESULT_MONTHS, "Due + Due2", "2", {2004, 3, 14}, {2003, 12, 15}},
        {EXPR_RESULT_MONTHS, "Due + Due2", "12", {2005, 2, 28}, {2004, 2, 28}},
        {EXPR_RESULT_MONTHS, "Due + Due2", "0", {2003, 12, 15}, {2004, 3, 14}},
        {EXPR_RESULT_DAYS, "Due + Due2", "2", {2004, 3, 1}, {2004, 2, 28}},
        {EXPR_RESULT_DAYS, "Due + Due2", "366", {2005, 2, 28}, {2004, 2, 28}},
        {EXPR_RESULT_DAYS, "Due + Due2", "0", {2004, 2, 28}, {2004, 3, 1}},
    };
    for (const auto& c : cases) {
        ExprFixture fixture;
        fixture.Value(kDue).SetDate(c.due.year, c.due.month, c.due.day);
        fixture.Value(kDue2).SetDate(c.due2.year, c.due2.month, c.due2.day);
        fixture.SetUp(c.format, c.chain);
        fixture.Evaluate();
        EXPECT_EQ(fixture.Stored(kCalc, c.format), c.expected) << c.chain << " in format " << c.format;
    }
}

TEST(RegExpEvaluatorTest, TodayAndNowAreReadFromTheClock) {
    ExprFixture fixture;
    pf::CalendarDate today = pf::LocalToday();
    fixture.SetUp(EXPR_RESULT_DATE_DAYS, "Today + 0");
    fixture.Evaluate();
    EXPECT_EQ(
        fixture.Stored(kCalc, EXPR_RESULT_DATE_DAYS),
        std::to_string(today.year) + "-" + std::to_string(today.month) + "-" + std::to_string(today.day));

    pf::ClockTime before = pf::LocalNow();
    fixture.SetUp(EXPR_RESULT_SECONDS, "Now");
    fixture.Evaluate();
    pf::ClockTime after = pf::LocalNow();
    float now = fixture.Value(kCalc).GetFloat();
    int wrap = after.hour < before.hour ? 86400 : 0;
    EXPECT_GE(now, before.hour * 3600 + before.minute * 60 + before.second - wrap);
    EXPECT_LE(now, after.hour * 3600 + after.minute * 60 + after.second + wrap);
}

TEST(RegExpEvaluatorTest, IsSetUpWithAFirstTokenAndAnEvaluatedFormat) {
    ExprFixture fixture;
    const CTbObjField& field = *fixture.db.Field(kCalc);
    EXPECT_FALSE(CTbObjRegExpEvaluator::IsSetUp(field)) << "no tokens";
    fixture.SetUp(EXPR_RESULT_FLOATING, "Qty");
    EXPECT_TRUE(CTbObjRegExpEvaluator::IsSetUp(field));
    fixture.SetUp(14, "Qty");
    EXPECT_FALSE(CTbObjRegExpEvaluator::IsSetUp(field));
    EXPECT_FALSE(fixture.Evaluate()) << "format 14 is not evaluated";
}

TEST(RegExpEvaluatorTest, PreviousRecordOperandsAndChangeReporting) {
    ExprFixture fixture;
    CTbObjRecord& previous = *fixture.db.Records().AddRecord(true, false);
    previous.Value(kQty)->SetShort(3);
    fixture.SetUp(EXPR_RESULT_FLOATING, "Qty + Prev.Qty");
    EXPECT_TRUE(fixture.Evaluate(&previous));
    EXPECT_EQ(fixture.Value(kCalc).GetFloat(), 13.0f);
    EXPECT_TRUE(fixture.Value(kCalc).HasValue());
    EXPECT_FALSE(fixture.Evaluate(&previous)) << "an unchanged result is no change";
    EXPECT_TRUE(fixture.Evaluate(nullptr));
    EXPECT_EQ(fixture.Value(kCalc).GetFloat(), 10.0f) << "without a previous record its operand is 0";

    fixture.SetUp(EXPR_RESULT_TIME, "At + 0");
    EXPECT_TRUE(fixture.Evaluate());
    EXPECT_FALSE(fixture.Evaluate()) << "an unchanged time is no change";

    fixture.SetUp(EXPR_RESULT_DATE_DAYS, "Qty + 1");
    EXPECT_TRUE(fixture.Evaluate());
    EXPECT_EQ(fixture.Value(kCalc).PackedDate(), 0u) << "without a start date the result is cleared";
    EXPECT_TRUE(fixture.Evaluate()) << "clearing is reported as a change every time";

    fixture.Value(kCalc).SetFloat(42);
    fixture.Value(kDue2).SetDate(0, 0, 0);
    fixture.SetUp(EXPR_RESULT_DAYS, "Due - Due2");
    EXPECT_FALSE(fixture.Evaluate()) << "without two dates nothing changes";
    EXPECT_EQ(fixture.Value(kCalc).GetFloat(), 42.0f);
}
