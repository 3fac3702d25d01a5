// Conditional Expression fields: how each kind of operand compares, how the three comparisons
// join, which side's text and colour are stored, and a field's value as text.
#include "ExprTestSupport.h"

#include "expr/CCondExpEvaluator.h"
#include "expr/TbValueText.h"
#include "model/TbObjView.h"
#include "platform/OleDate.h"

#include <gtest/gtest.h>

#include <string>

namespace pf = orvanta::platform;

namespace {

CTbObjFilter& Condition(SampleTabulon& t) { return t.db.Field(kCond)->CondExprProps()->Condition(); }

// The chosen side after evaluating: true for "Yes".
bool Holds(SampleTabulon& t) {
    CCondExpEvaluator().Evaluate(*t.record, *t.db.Field(kCond));
    return t.Value(kCond).GetText() == "Yes";
}

}  // namespace

TEST(CondExpComparisonTest, ComparesByTheKindsOfItsOperands) {
    const struct {
        const char* name;
        uint16_t field;
        char op;
        uint16_t second;
        const char* constant;
        bool expected;
    } cases[] = {
        {"IntegerReadsTheConstantAsANumber", kQty, '>', 0, "9", true},
        {"TextComparesTheConstantAsText", kTen, '>', 0, "9", false},
        {"FloatReadsTheConstantAsADecimal", kPrice, '=', 0, "1.1", true},
        {"IntegerAgainstFloatField", kDone, '<', kPrice, "", true},
        {"FloatAgainstCheckboxField", kPrice, '>', kDone, "", true},
        {"TextAgainstIntegerReadLikeAtoi", kTen, '=', kQty, "", true},
        {"KeyIsTheRecordKey", kId, '=', 0, "5", true},
        {"ListIsItsItemText", kColour, '=', 0, "7 GREEN", true},
        {"DateAgainstPackedNumber", kDue, '=', 0, "131336731", true},
        {"DateAgainstTodayToken", kDue2, '=', 0, "Today", true},
        {"TimeHasNoKindAndIsFalse", kAt, '!', 0, "1", false},
        {"FloatingExpressionIsAFloat", kCalc, '>', 0, "3.4", true},
        {"LookupUsesTheJoinedValue", kLookup, '=', 0, "ABC", true},
        {"ContainsCaseSensitiveMisses", kName, 'H', 0, "WORLD", false},
        {"ContainsIgnoringCase", kName, 'h', 0, "WORLD", true},
        {"StartsCaseSensitiveMisses", kName, 'S', 0, "hell", false},
        {"StartsIgnoringCase", kName, 's', 0, "hELL", true},
        {"UnknownTextOperatorIsTrue", kName, '?', 0, "b", true},
        {"BothEmptyEqual", kEmpty, '=', 0, "", true},
        {"BothEmptyNotDifferent", kEmpty, '!', 0, "", false},
        {"OneEmptyDifferent", kEmpty, '!', 0, "x", true},
        {"OneEmptyNothingElse", kName, 'h', 0, "", false},
    };
    for (const auto& c : cases) {
        SampleTabulon sample;
        Condition(sample).SetCondition(0, c.field, c.op, c.second, c.constant);
        EXPECT_EQ(Holds(sample), c.expected) << c.name;
    }
}

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
        SampleTabulon sample;
        CTbObjFilter& condition = Condition(sample);
        condition.SetCondition(0, kQty, c.first ? '=' : '!', 0, "10");
        condition.SetCondition(1, kQty, c.second ? '=' : '!', 0, "10");
        condition.SetCondition(2, kQty, c.third ? '=' : '!', 0, "10");
        condition.SetLogicOperator(0, c.logic0);
        condition.SetLogicOperator(1, c.logic1);
        EXPECT_EQ(Holds(sample), c.expected) << c.first << c.logic0 << c.second << c.logic1 << c.third;
    }
}

TEST(CondExpJoiningTest, AComparisonWithoutAFieldEndsTheConditionAndCountsFalse) {
    SampleTabulon sample;
    CTbObjFilter& condition = Condition(sample);
    condition.SetCondition(0, kQty, '=', 0, "10");
    condition.SetLogicOperator(0, 'A');
    EXPECT_FALSE(Holds(sample)) << "an unused second comparison is false, not true as in a filter";

    condition.SetLogicOperator(0, 'O');
    condition.SetCondition(2, kQty, '=', 0, "10");
    condition.SetLogicOperator(1, 'A');
    EXPECT_FALSE(Holds(sample)) << "the third comparison is not collected after an empty second";

    condition.SetCondition(0, 81, '=', 0, "10");
    EXPECT_FALSE(CCondExpEvaluator::IsSetUp(*sample.db.Field(kCond)));
    condition.SetCondition(0, 0, '=', 0, "10");
    condition.SetCondition(1, kQty, '=', 0, "10");
    EXPECT_FALSE(Holds(sample)) << "no first comparison selects the false side, whatever follows";
}

TEST(CondExpEvaluatorTest, StoresTheChosenSideAndReportsOnlyTextChanges) {
    SampleTabulon sample;
    Condition(sample).SetCondition(0, kQty, '>', 0, "2");
    const CTbObjField& field = *sample.db.Field(kCond);
    ASSERT_TRUE(CCondExpEvaluator::IsSetUp(field));
    EXPECT_FALSE(CCondExpEvaluator::IsSetUp(*sample.db.Field(kName)));

    CCondExpEvaluator evaluator;
    EXPECT_TRUE(evaluator.Evaluate(*sample.record, field));
    EXPECT_EQ(sample.Value(kCond).GetText(), "Yes");
    EXPECT_EQ(sample.Value(kCond).GetColour(), TB_GREEN);

    sample.Value(kCond).SetColour(TB_BLACK);
    EXPECT_FALSE(evaluator.Evaluate(*sample.record, field));
    EXPECT_EQ(sample.Value(kCond).GetColour(), TB_GREEN) << "the colour is stored even without a change";

    sample.Value(kQty).SetShort(1);
    sample.db.Field(kCond)->CondExprProps()->SetFalseField(kPrice);
    EXPECT_TRUE(evaluator.Evaluate(*sample.record, field));
    EXPECT_EQ(sample.Value(kCond).GetText(), "1.1");
    EXPECT_EQ(sample.Value(kCond).GetColour(), TB_RED);
}

TEST(ValueTextTest, GivesEachFieldByItsValueType) {
    pf::ScopedLocaleOverride us(pf::Locale::UsEnglish());
    SampleTabulon sample;
    auto text = [&](uint16_t slot) { return ValueAsText(*sample.record, *sample.db.Field(slot)); };
    sample.Value(kQty).SetShort(-42);
    sample.Value(kPrice).SetFloat(12345678.0f);
    sample.Value(kAt).SetTime(13, 5, 9);
    const std::pair<uint16_t, const char*> cases[] = {
        {kQty, "-42"},   {kPrice, "1.234568E+07"}, {kColour, "7 Green"},
        {kDone, "true"}, {kDue, "10/27/2004"},     {kAt, "1:05:09 PM"},
        {kId, "5"},      {kCalc, "3.5"},           {kLookup, "abc"},
    };
    for (const auto& [slot, expected] : cases) EXPECT_EQ(text(slot), expected) << slot;

    CTbObjRecordValue& joined = sample.Value(kLookup).JoinedValue();
    joined.SetLong(77);
    joined.SetType(NOTUSED_T);
    sample.db.Field(kLookup)->JoinProps()->SetResolvedType(LONG_T);
    EXPECT_EQ(text(kLookup), "77") << "a joined value without a type is read by the resolved type";
    joined.SetType(KEY_T);
    EXPECT_EQ(text(kLookup), "77") << "a joined key is the key it holds, not this record's";
}
