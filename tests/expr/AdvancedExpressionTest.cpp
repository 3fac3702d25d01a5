// TbObjExprEvaluator with the real expression component: setting expressions with their checks
// and messages, the values handed over, and how each result format is stored.
#include "ExprTestSupport.h"

#include "expr/TbObjExprEvaluator.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"
#include "platform/Component.h"

#include <gtest/gtest.h>

namespace {

// The sample Tabulon with an Advanced Expression field after its other fields.
class AdvancedExpressionTest : public ::testing::Test, public SampleTabulon {
protected:
    void SetUp() override { db.SetModified(false); }

    CTbObjField& Result() { return *m_result; }
    CTbObjRecordValue& Result(CTbObjRecord& of) { return *of.Value(m_result->GetSlot()); }
    // Sets the expression with the result format; fails the test on an error.
    void Set(const std::string& text, int format = EXPR_RESULT_FLOATING) {
        Result().ExprProps()->SetResultFormat(format);
        std::string error;
        ASSERT_EQ(evaluator.SetExpression(Result(), text, record, &error), 0) << error;
    }

    CTbObjField* m_result = db.AddField("Result", ADV_EXPRESSION_T);
    RecordingPrompt prompt;
    TbObjExprEvaluator evaluator{db, &prompt};
};

TEST_F(AdvancedExpressionTest, ConstantsOfTenCharactersAreTakenLongerOnesRefused) {
    std::string error;
    EXPECT_EQ(evaluator.SetExpression(Result(), "'abcdefghij'", record, &error), 0) << error;
    std::vector<uint8_t> kept = Result().ExprProps()->GetTokenTypes();
    EXPECT_EQ(evaluator.SetExpression(Result(), "'abcdefghijk' + Price", record, &error), -1);
    EXPECT_EQ(error,
              "The max number of characters allowd in a constant is 10.\nThe following constant is too long: "
              "abcdefghijk");
    EXPECT_EQ(Result().ExprProps()->GetTokenTypes(), kept);
}

TEST_F(AdvancedExpressionTest, ParseErrorsKeepTheOldExpressionAndGivePosition) {
    Set("Price * Qty");
    db.SetModified(false);
    std::string error;
    int position = -2;
    EXPECT_EQ(evaluator.SetExpression(Result(), "Price * Qtty", record, &error, &position), -1);
    EXPECT_EQ(position, 8);
    EXPECT_NE(error.find("position 9"), std::string::npos) << error;
    EXPECT_EQ(evaluator.ExpressionText(Result()), "Price * Qty");
    EXPECT_FALSE(db.IsModified());
}

TEST_F(AdvancedExpressionTest, UnusedSlotsAndCategoriesCannotBeNamed) {
    std::vector<std::string> names = evaluator.FieldNames();
    ASSERT_EQ(names.size(), 81u);
    EXPECT_EQ(names[0], "");
    EXPECT_EQ(names[kTen], "Ten");
    EXPECT_EQ(names[m_result->GetSlot() + 1], "");
    std::string error;
    EXPECT_EQ(evaluator.SetExpression(Result(), "Categories", record, &error), -1);
}

TEST_F(AdvancedExpressionTest, SettingEvaluatesOnceAndOnlyADifferentResultIsAChange) {
    Set("Price * Qty");
    EXPECT_FLOAT_EQ(Result(*record).GetFloat(), 11.0f);
    EXPECT_TRUE(Result(*record).HasValue());
    EXPECT_TRUE(db.IsModified());
    db.SetModified(false);
    EXPECT_FALSE(evaluator.Evaluate(*record, Result()));
    EXPECT_FALSE(db.IsModified());
    Value(kPrice).SetFloat(3.0f);
    EXPECT_TRUE(evaluator.Evaluate(*record, Result()));
    EXPECT_FLOAT_EQ(Result(*record).GetFloat(), 30.0f);
}

TEST_F(AdvancedExpressionTest, EachResultFormatStoresItsFormOfTheValuesHandedOver) {
    Value(kAt2).SetTime(17, 30, 0);
    db.Field(kLookup)->JoinProps()->SetResolvedType(TEXT_T);
    const struct {
        int format;
        const char* expression;
        const char* expected;
    } cases[] = {
        {EXPR_RESULT_FLOATING, "Price", "1.1"},
        {EXPR_RESULT_TEXT, "Name + ' (' + Colour + ')'", "Hello World (7 Green)"},
        {EXPR_RESULT_TEXT, "Lookup + '!'", "abc!"},  // the value found in the other Tabulon
        {EXPR_RESULT_TEXT, "Price * Qty", "11"},
        {EXPR_RESULT_DATE_DAYS, "Due + 5", "2004-11-1"},
        {EXPR_RESULT_TIME, "At2 - At", "7:30:0"},
        {EXPR_RESULT_HHMMSS, "At2 - At", "27000"},
        {EXPR_RESULT_HOURS, "At2 - At", "7.5"},
    };
    for (const auto& c : cases) {
        Set(c.expression, c.format);
        EXPECT_EQ(Stored(m_result->GetSlot(), c.format), c.expected) << c.expression;
    }
    TbObjExprEvaluator::FieldTypes types;
    evaluator.BuildFieldTypes(&types);
    EXPECT_EQ(types[kLookup], TEXT_T) << "a lookup has the type it resolved to";
}

TEST_F(AdvancedExpressionTest, ColourIsStoredWithTheValue) {
    Set("If(Qty > 3, {red} Price, {green} Price)");
    EXPECT_EQ(Result(*record).GetColour(), TB_RED);
    Value(kQty).SetShort(1);
    EXPECT_FALSE(evaluator.Evaluate(*record, Result()));
    EXPECT_EQ(Result(*record).GetColour(), TB_GREEN);
}

TEST_F(AdvancedExpressionTest, PreviousRecordValuesAreHandedOver) {
    Set("Prev(Qty) + PrevIndex");
    CTbObjRecord* second = db.Records().AddRecord(true, false);
    EXPECT_TRUE(evaluator.Evaluate(*second, Result(), record));
    EXPECT_FLOAT_EQ(Result(*second).GetFloat(), 11.0f);
    EXPECT_FALSE(evaluator.Evaluate(*record, Result(), nullptr));  // no previous record: 0 + 0
    EXPECT_FLOAT_EQ(Result(*record).GetFloat(), 0.0f);
}

TEST_F(AdvancedExpressionTest, AFailedEvaluationIsShownAndChangesNothing) {
    Set("Price");
    // A token list the handheld could have damaged: an operator with nothing around it.
    ASSERT_TRUE(Result().ExprProps()->SetTokens({90}, {""}));
    Result(*record).SetFloat(7.0f);
    EXPECT_FALSE(evaluator.Evaluate(*record, Result()));
    EXPECT_FLOAT_EQ(Result(*record).GetFloat(), 7.0f);
    ASSERT_EQ(prompt.texts.size(), 1u);
    EXPECT_FALSE(prompt.texts[0].empty());
}

// A component that exists but does not offer the evaluator interface.
class BareComponent : public orvanta::platform::IComponent {
public:
    void* QueryInterface(std::string_view) override { return nullptr; }
};

TEST_F(AdvancedExpressionTest, AComponentWithoutTheInterfaceSkipsTheCall) {
    Set("Price");
    orvanta::platform::RegisterComponent(orvanta::expression::kProgId,
                                         [] { return std::make_unique<BareComponent>(); });
    std::string error;
    int result = evaluator.SetExpression(Result(), "Qty", record, &error);
    bool changed = evaluator.Evaluate(*record, Result());
    orvanta::platform::RegisterComponent(orvanta::expression::kProgId, nullptr);
    EXPECT_EQ(result, -1);
    EXPECT_FALSE(changed);
    EXPECT_TRUE(prompt.texts.empty());
    EXPECT_EQ(evaluator.ExpressionText(Result()), "Price");
}

TEST_F(AdvancedExpressionTest, AComponentThatCannotBeCreatedIsAComError) {
    orvanta::platform::RegisterComponent(orvanta::expression::kProgId, [] { return nullptr; });
    std::string error;
    EXPECT_THROW(evaluator.SetExpression(Result(), "1", nullptr, &error), orvanta::platform::ComError);
    orvanta::platform::RegisterComponent(orvanta::expression::kProgId, nullptr);
}

}  // namespace
