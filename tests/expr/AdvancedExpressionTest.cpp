// TbObjExprEvaluator with the real expression component: setting expressions with their checks
// and messages, the values handed over, and how each result format is stored.
#include "ExprTestSupport.h"

#include "expr/TbObjExprEvaluator.h"
#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"
#include "platform/Component.h"

#include <gtest/gtest.h>

namespace {

enum Slot { kPrice = 1, kQuantity, kName, kDue, kStart, kEnd, kSize, kResult };

class AdvancedExpressionTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.AddField("Price", FLOATING_T);
        db.AddField("Quantity", INTEGER_T);
        db.AddField("Customer Name", TEXT_T);
        db.AddField("Due", DATE_T);
        db.AddField("Start", TIME_T);
        db.AddField("End", TIME_T);
        CTbObjField* size = db.AddField("Size", LIST_T);
        size->ListProps()->Items().AddItem("Small");
        size->ListProps()->Items().AddItem("Large");
        db.AddField("Result", ADV_EXPRESSION_T);
        record = db.Records().AddRecord(true, false);
        record->Value(kPrice)->SetFloat(2.5f);
        record->Value(kPrice)->SetHasValue(true);
        record->Value(kQuantity)->SetShort(4);
        record->Value(kQuantity)->SetHasValue(true);
        record->Value(kName)->SetText("Ann");
        record->Value(kDue)->SetDate(2004, 2, 28);
        record->Value(kStart)->SetTime(9, 0, 0);
        record->Value(kEnd)->SetTime(17, 30, 0);
        record->Value(kSize)->SetShort(2);
        record->Value(kSize)->SetHasValue(true);
        db.SetModified(false);
    }

    CTbObjField& Result() { return *db.Field(kResult); }
    CTbObjRecordValue& Value() { return *record->Value(kResult); }
    // Sets the expression with the result format; fails the test on an error.
    void Set(const std::string& text, int format = EXPR_RESULT_FLOATING) {
        Result().ExprProps()->SetResultFormat(format);
        std::string error;
        ASSERT_EQ(evaluator.SetExpression(Result(), text, record, &error), 0) << error;
    }

    CTbObjDB db;
    CTbObjRecord* record = nullptr;
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
    Set("Price * Quantity");
    db.SetModified(false);
    std::string error;
    int position = -2;
    EXPECT_EQ(evaluator.SetExpression(Result(), "Price * Qty", record, &error, &position), -1);
    EXPECT_EQ(position, 8);
    EXPECT_NE(error.find("position 9"), std::string::npos) << error;
    EXPECT_EQ(evaluator.ExpressionText(Result()), "Price * Quantity");
    EXPECT_FALSE(db.IsModified());
}

TEST_F(AdvancedExpressionTest, UnusedSlotsAndCategoriesCannotBeNamed) {
    std::vector<std::string> names = evaluator.FieldNames();
    ASSERT_EQ(names.size(), 81u);
    EXPECT_EQ(names[0], "");
    EXPECT_EQ(names[kName], "Customer Name");
    EXPECT_EQ(names[kResult + 1], "");
    std::string error;
    EXPECT_EQ(evaluator.SetExpression(Result(), "Categories", record, &error), -1);
}

TEST_F(AdvancedExpressionTest, SettingEvaluatesOnceAndMarksModified) {
    Set("Price * Quantity");
    EXPECT_FLOAT_EQ(Value().GetFloat(), 10.0f);
    EXPECT_TRUE(Value().HasValue());
    EXPECT_TRUE(db.IsModified());
}

TEST_F(AdvancedExpressionTest, ReevaluatingAnUnchangedRecordReportsNoChange) {
    Set("Price + 0");
    db.SetModified(false);
    EXPECT_FALSE(evaluator.Evaluate(*record, Result()));
    EXPECT_FALSE(db.IsModified());
    record->Value(kPrice)->SetFloat(3.0f);
    EXPECT_TRUE(evaluator.Evaluate(*record, Result()));
    EXPECT_FLOAT_EQ(Value().GetFloat(), 3.0f);
}

TEST_F(AdvancedExpressionTest, EachResultFormatStoresItsForm) {
    Set("Price");
    EXPECT_FLOAT_EQ(Value().GetFloat(), 2.5f);

    Set("Customer Name + ' (' + Size + ')'", EXPR_RESULT_TEXT);
    EXPECT_EQ(Value().GetText(), "Ann (Large)");

    Set("Due + 1", EXPR_RESULT_DATE_DAYS);
    int16_t year, month, day;
    Value().GetDate(&year, &month, &day);
    EXPECT_EQ(year * 10000 + month * 100 + day, 20040229);

    Set("End - Start", EXPR_RESULT_TIME);
    int16_t hour, minute, second;
    Value().GetTime(&hour, &minute, &second);
    EXPECT_EQ(hour * 3600 + minute * 60 + second, 8 * 3600 + 30 * 60);

    Set("End - Start", EXPR_RESULT_HHMMSS);
    EXPECT_FLOAT_EQ(Value().GetFloat(), 8 * 3600 + 30 * 60);

    Set("End - Start", EXPR_RESULT_HOURS);
    EXPECT_FLOAT_EQ(Value().GetFloat(), 8.5f);
}

TEST_F(AdvancedExpressionTest, ColourIsStoredWithTheValue) {
    Set("If(Quantity > 3, {red} Price, {green} Price)");
    EXPECT_EQ(Value().GetColour(), TB_RED);
    record->Value(kQuantity)->SetShort(1);
    EXPECT_FALSE(evaluator.Evaluate(*record, Result()));
    EXPECT_EQ(Value().GetColour(), TB_GREEN);
}

TEST_F(AdvancedExpressionTest, PreviousRecordValuesAreHandedOver) {
    Set("Prev(Quantity) + PrevIndex");
    CTbObjRecord* second = db.Records().AddRecord(true, false);
    EXPECT_TRUE(evaluator.Evaluate(*second, Result(), record));
    EXPECT_FLOAT_EQ(second->Value(kResult)->GetFloat(), 5.0f);
    EXPECT_FALSE(evaluator.Evaluate(*record, Result(), nullptr));  // no previous record: 0 + 0
    EXPECT_FLOAT_EQ(Value().GetFloat(), 0.0f);
}

TEST_F(AdvancedExpressionTest, AJoinIsReadAsTheValueFoundInTheOtherTabulon) {
    CTbObjField* join = db.AddField("Supplier", DB_JOIN_T);
    join->JoinProps()->SetResolvedType(TEXT_T);
    CTbObjRecordValue& joined = record->Value(join->GetSlot())->JoinedValue();
    joined.SetType(TEXT_T);
    joined.SetText("Acme");
    Set("Supplier + '!'", EXPR_RESULT_TEXT);
    EXPECT_EQ(Value().GetText(), "Acme!");
    TbObjExprEvaluator::FieldTypes types;
    evaluator.BuildFieldTypes(&types);
    EXPECT_EQ(types[join->GetSlot()], TEXT_T);
}

TEST_F(AdvancedExpressionTest, AFailedEvaluationIsShownAndChangesNothing) {
    Set("Price");
    // A token list the handheld could have damaged: an operator with nothing around it.
    ASSERT_TRUE(Result().ExprProps()->SetTokens({90}, {""}));
    Value().SetFloat(7.0f);
    EXPECT_FALSE(evaluator.Evaluate(*record, Result()));
    EXPECT_FLOAT_EQ(Value().GetFloat(), 7.0f);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_FALSE(prompt.messages[0].empty());
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
    int result = evaluator.SetExpression(Result(), "Quantity", record, &error);
    bool changed = evaluator.Evaluate(*record, Result());
    orvanta::platform::RegisterComponent(orvanta::expression::kProgId, nullptr);
    EXPECT_EQ(result, -1);
    EXPECT_FALSE(changed);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(evaluator.ExpressionText(Result()), "Price");
}

TEST(ComponentTable, AnUnknownProgIdIsNotRegistered) {
    std::unique_ptr<orvanta::platform::IComponent> component;
    EXPECT_EQ(orvanta::platform::CreateComponent("Nobody.Nothing.1", &component),
              orvanta::platform::kClassNotRegistered);
    EXPECT_FALSE(component);
}

}  // namespace

namespace {

TEST(ComponentTable, AComponentThatCannotBeCreatedIsAComError) {
    CTbObjDB db;
    CTbObjField* field = db.AddField("Result", ADV_EXPRESSION_T);
    orvanta::platform::RegisterComponent(orvanta::expression::kProgId, [] { return nullptr; });
    std::string error;
    EXPECT_THROW(TbObjExprEvaluator(db).SetExpression(*field, "1", nullptr, &error),
                 orvanta::platform::ComError);
    orvanta::platform::RegisterComponent(orvanta::expression::kProgId, nullptr);
}

}  // namespace
