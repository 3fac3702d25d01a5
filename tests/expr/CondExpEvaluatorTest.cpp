// Conditional Expression fields: how each kind of operand compares, how the three comparisons
// join, which side's text and colour are stored, and a field's value as text.
#include "expr/CCondExpEvaluator.h"
#include "expr/TbValueText.h"
#include "model/TbObjDB.h"
#include "model/TbObjView.h"
#include "platform/OleDate.h"

#include <gtest/gtest.h>

#include <string>

namespace pf = orvanta::platform;

namespace {

enum Slot { kName = 1, kTen, kEmpty, kQty, kPrice, kDone, kDue, kDue2, kAt, kList, kId, kCalc, kJoin, kRes };

const std::pair<const char*, TbFieldType> kFields[] = {
    {"Name", TEXT_T},        {"Ten", TEXT_T},        {"Empty", TEXT_T}, {"Qty", INTEGER_T},
    {"Price", FLOATING_T},   {"Done", CHECKBOX_T},   {"Due", DATE_T},   {"Due2", DATE_T},
    {"At", TIME_T},          {"Colour", LIST_T},     {"Id", KEY_T},     {"Calc", EXPRESSION_T},
    {"Lookup", DB_LOOKUP_T}, {"Result", COND_EXP_T},
};

// A Tabulon with a field of each kind, a Conditional Expression field (slot kRes) choosing
// "Yes" in green or "No" in red, and one record (key 5) holding a value in each field.
class CondExpFixture {
public:
    CondExpFixture() {
        for (const auto& [name, type] : kFields) db.AddField(name, type);
        for (const char* item : {"Red", "Green"}) db.Field(kList)->ListProps()->Items().AddItem(item);
        props = db.Field(kRes)->CondExprProps();
        props->SetTrueConstant("Yes");
        props->SetTrueColour(TB_GREEN);
        props->SetFalseConstant("No");
        props->SetFalseColour(TB_RED);
        record = db.Records().AddRecord(false, false);
        record->SetKey(5);
        Value(kName).SetText("Hello World");
        Value(kTen).SetText("10");
        Value(kQty).SetShort(10);
        Value(kPrice).SetFloat(1.1f);
        Value(kDone).SetChecked(true);
        Value(kDue).SetDate(2004, 10, 27);
        Value(kDue2).SetToday();
        Value(kAt).SetTime(10, 0, 0);
        Value(kList).SetShort(2);
        Value(kCalc).SetFloat(3.5f);
        Value(kJoin).JoinedValue().SetText("abc");
        Value(kJoin).JoinedValue().SetType(TEXT_T);
    }

    CTbObjRecordValue& Value(uint16_t slot) { return *record->Value(slot); }
    CTbObjFilter& Condition() { return props->Condition(); }

    // The chosen side after evaluating: true for "Yes".
    bool Holds() {
        CCondExpEvaluator().Evaluate(*record, *db.Field(kRes));
        return Value(kRes).GetText() == "Yes";
    }

    CTbObjDB db;
    CTbObjFieldCondExpr* props;
    CTbObjRecord* record;
};

struct ComparisonCase {
    const char* name;
    uint16_t field;
    char op;
    uint16_t second;
    const char* constant;
    bool expected;
};

class CondExpComparisonTest : public testing::TestWithParam<ComparisonCase> {};

}  // namespace

TEST_P(CondExpComparisonTest, ComparesByTheKindsOfItsOperands) {
    const ComparisonCase& c = GetParam();
    CondExpFixture fixture;
    fixture.Condition().SetCondition(0, c.field, c.op, c.second, c.constant);
    EXPECT_EQ(fixture.Holds(), c.expected) << "'" << c.op << "' \"" << c.constant << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CondExpComparisonTest,
    testing::Values(ComparisonCase{"IntegerReadsTheConstantAsANumber", kQty, '>', 0, "9", true},
                    ComparisonCase{"TextComparesTheConstantAsText", kTen, '>', 0, "9", false},
                    ComparisonCase{"FloatReadsTheConstantAsADecimal", kPrice, '=', 0, "1.1", true},
                    ComparisonCase{"IntegerAgainstFloatField", kDone, '<', kPrice, "", true},
                    ComparisonCase{"FloatAgainstCheckboxField", kPrice, '>', kDone, "", true},
                    ComparisonCase{"TextAgainstIntegerReadLikeAtoi", kTen, '=', kQty, "", true},
                    ComparisonCase{"KeyIsTheRecordKey", kId, '=', 0, "5", true},
                    ComparisonCase{"ListIsItsItemText", kList, '=', 0, "GREEN", true},
                    ComparisonCase{"DateAgainstPackedNumber", kDue, '=', 0, "131336731", true},
                    ComparisonCase{"DateAgainstTodayToken", kDue2, '=', 0, "Today", true},
                    ComparisonCase{"DateAgainstDateField", kDue, '<', kDue2, "", true},
                    ComparisonCase{"TimeHasNoKindAndIsFalse", kAt, '!', 0, "1", false},
                    ComparisonCase{"FloatingExpressionIsAFloat", kCalc, '>', 0, "3.4", true},
                    ComparisonCase{"LookupUsesTheJoinedValue", kJoin, '=', 0, "ABC", true},
                    ComparisonCase{"ContainsCaseSensitiveMisses", kName, 'H', 0, "WORLD", false},
                    ComparisonCase{"ContainsIgnoringCase", kName, 'h', 0, "WORLD", true},
                    ComparisonCase{"StartsCaseSensitiveMisses", kName, 'S', 0, "hell", false},
                    ComparisonCase{"StartsIgnoringCase", kName, 's', 0, "hELL", true},
                    ComparisonCase{"UnknownTextOperatorIsTrue", kName, '?', 0, "b", true},
                    ComparisonCase{"UnknownNumberOperatorIsTrue", kQty, 'h', 0, "2", true},
                    ComparisonCase{"BothEmptyEqual", kEmpty, '=', 0, "", true},
                    ComparisonCase{"BothEmptyNotDifferent", kEmpty, '!', 0, "", false},
                    ComparisonCase{"OneEmptyDifferent", kEmpty, '!', 0, "x", true},
                    ComparisonCase{"OneEmptyNothingElse", kName, 'h', 0, "", false}),
    [](const testing::TestParamInfo<ComparisonCase>& info) { return std::string(info.param.name); });

TEST(CondExpJoiningTest, FollowsTheLogicOperatorsLeftToRight) {
    struct Case {
        bool first, second, third;
        char logic0, logic1;
        bool expected;
    } cases[] = {
        {true, false, false, 'O', 'A', false}, {true, false, true, 'A', 'O', true},
        {true, false, false, 'X', 'A', true},  {false, true, true, 'X', 'O', false},
        {true, true, false, 'A', 'X', true},   {false, false, true, 'O', 'O', true},
    };
    for (const Case& c : cases) {
        CondExpFixture fixture;
        CTbObjFilter& condition = fixture.Condition();
        condition.SetCondition(0, kQty, c.first ? '=' : '!', 0, "10");
        condition.SetCondition(1, kQty, c.second ? '=' : '!', 0, "10");
        condition.SetCondition(2, kQty, c.third ? '=' : '!', 0, "10");
        condition.SetLogicOperator(0, c.logic0);
        condition.SetLogicOperator(1, c.logic1);
        EXPECT_EQ(fixture.Holds(), c.expected) << c.first << c.logic0 << c.second << c.logic1 << c.third;
    }
}

TEST(CondExpJoiningTest, AComparisonWithoutAFieldEndsTheConditionAndCountsFalse) {
    CondExpFixture fixture;
    CTbObjFilter& condition = fixture.Condition();
    condition.SetCondition(0, kQty, '=', 0, "10");
    condition.SetLogicOperator(0, 'A');
    EXPECT_FALSE(fixture.Holds()) << "an unused second comparison is false, not true as in a filter";

    condition.SetLogicOperator(0, 'O');
    condition.SetCondition(2, kQty, '=', 0, "10");
    condition.SetLogicOperator(1, 'A');
    EXPECT_FALSE(fixture.Holds()) << "the third comparison is not collected after an empty second";

    condition.SetCondition(0, 81, '=', 0, "10");
    EXPECT_FALSE(CCondExpEvaluator::IsSetUp(*fixture.db.Field(kRes)));
    condition.SetCondition(0, 0, '=', 0, "10");
    EXPECT_FALSE(fixture.Holds()) << "no first comparison selects the false side";
}

TEST(CondExpEvaluatorTest, StoresTheChosenSideAndReportsOnlyTextChanges) {
    CondExpFixture fixture;
    fixture.Condition().SetCondition(0, kQty, '>', 0, "2");
    const CTbObjField& field = *fixture.db.Field(kRes);
    ASSERT_TRUE(CCondExpEvaluator::IsSetUp(field));
    EXPECT_FALSE(CCondExpEvaluator::IsSetUp(*fixture.db.Field(kName)));

    CCondExpEvaluator evaluator;
    EXPECT_TRUE(evaluator.Evaluate(*fixture.record, field));
    EXPECT_EQ(fixture.Value(kRes).GetText(), "Yes");
    EXPECT_EQ(fixture.Value(kRes).GetColour(), TB_GREEN);

    fixture.Value(kRes).SetColour(TB_BLACK);
    EXPECT_FALSE(evaluator.Evaluate(*fixture.record, field));
    EXPECT_EQ(fixture.Value(kRes).GetColour(), TB_GREEN) << "the colour is stored even without a change";

    fixture.Value(kQty).SetShort(1);
    fixture.props->SetFalseField(kPrice);
    EXPECT_TRUE(evaluator.Evaluate(*fixture.record, field));
    EXPECT_EQ(fixture.Value(kRes).GetText(), "1.1");
    EXPECT_EQ(fixture.Value(kRes).GetColour(), TB_RED);
}

TEST(ValueTextTest, GivesEachFieldByItsValueType) {
    pf::ScopedLocaleOverride us(pf::Locale::UsEnglish());
    CondExpFixture fixture;
    auto text = [&](uint16_t slot) { return ValueAsText(*fixture.record, *fixture.db.Field(slot)); };
    fixture.Value(kQty).SetShort(-42);
    fixture.Value(kPrice).SetFloat(12345678.0f);
    fixture.Value(kAt).SetTime(13, 5, 9);
    fixture.Value(kCalc).SetFloat(1.25f);
    EXPECT_EQ(text(kName), "Hello World");
    EXPECT_EQ(text(kQty), "-42");
    EXPECT_EQ(text(kPrice), "1.234568E+07");
    EXPECT_EQ(text(kList), "Green");
    EXPECT_EQ(text(kDone), "true");
    EXPECT_EQ(text(kDue), "10/27/2004");
    EXPECT_EQ(text(kAt), "1:05:09 PM");
    EXPECT_EQ(text(kId), "5");
    EXPECT_EQ(text(kCalc), "1.25");
    EXPECT_EQ(text(kJoin), "abc");

    CTbObjRecordValue& joined = fixture.Value(kJoin).JoinedValue();
    joined.SetLong(77);
    joined.SetType(NOTUSED_T);
    fixture.db.Field(kJoin)->JoinProps()->SetResolvedType(LONG_T);
    EXPECT_EQ(text(kJoin), "77") << "a joined value without a type is read by the resolved type";
    joined.SetType(KEY_T);
    EXPECT_EQ(text(kJoin), "77") << "a joined key is the key it holds, not this record's";
}
