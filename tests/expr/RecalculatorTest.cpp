// Recalculating records: the order of dependent computed fields, cycles, the previous record
// in a filtered set, and the progress of a pass.
#include "ExprTestSupport.h"

#include "expr/CTbRecalculator.h"
#include "expr/TbObjExprEvaluator.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"
#include "model/TbObjView.h"

#include <gtest/gtest.h>

namespace {

// A Tabulon whose first field is the number Amount; tests add computed fields at the slots they need.
class RecalculatorTest : public ::testing::Test {
protected:
    RecalculatorTest() { db.AddField("Amount", INTEGER_T); }

    // Turns the field at slot into an Advanced Expression with the text (Floating result).
    void SetAdvanced(int slot, const std::string& name, const std::string& text) {
        db.SetFieldType(slot, ADV_EXPRESSION_T, name);
        std::string error;
        ASSERT_EQ(TbObjExprEvaluator(db).SetExpression(*db.Field(slot), text, nullptr, &error), 0) << error;
    }
    CTbObjRecord& AddRecord(int16_t amount) {
        CTbObjRecord* record = db.Records().AddRecord(true, false);
        record->Value(1)->SetShort(amount);
        return *record;
    }
    float FloatAt(const CTbObjRecord& record, int slot) const { return record.Value(slot)->GetFloat(); }

    CTbObjDB db;
};

TEST_F(RecalculatorTest, AFieldIsEvaluatedAfterTheFieldsItDependsOnWhateverTheSlots) {
    // Slot 2: "big" when Double > 15; slot 5: the simple expression "Double + 1"; slot 9: Double.
    db.SetFieldType(2, COND_EXP_T, "Size");
    db.Field(2)->CondExprProps()->Condition().SetCondition(0, 9, TbCompare::Greater, 0, "15");
    db.Field(2)->CondExprProps()->SetTrueConstant("big");
    db.SetFieldType(5, EXPRESSION_T, "Plus one");
    ASSERT_TRUE(db.Field(5)->ExprProps()->SetTokens({9, 90, 86}, {"", "", "1"}));
    SetAdvanced(9, "Double", "Amount * 2");
    CTbObjRecord& record = AddRecord(10);

    CTbRecalculator recalculator(db);
    EXPECT_TRUE(recalculator.RecalculateRecord(record, nullptr));
    EXPECT_FLOAT_EQ(FloatAt(record, 9), 20.0f);
    EXPECT_FLOAT_EQ(FloatAt(record, 5), 21.0f);
    EXPECT_EQ(record.Value(2)->GetText(), "big");
    EXPECT_FALSE(recalculator.RecalculateRecord(record, nullptr));
}

TEST_F(RecalculatorTest, AConditionWithoutAFirstComparisonTakesItsFalseSideInEveryRecord) {
    db.SetFieldType(2, COND_EXP_T, "Size");
    db.Field(2)->CondExprProps()->SetFalseConstant("small");
    CTbObjRecord& record = AddRecord(10);
    EXPECT_TRUE(CTbRecalculator(db).RecalculateRecord(record, nullptr));
    EXPECT_EQ(record.Value(2)->GetText(), "small");
}

TEST_F(RecalculatorTest, FieldsReferringToEachOtherAreEachEvaluatedOnce) {
    SetAdvanced(2, "A", "Amount");
    SetAdvanced(3, "B", "A + 1");
    SetAdvanced(2, "A", "B + 1");
    CTbObjRecord& record = AddRecord(0);
    CTbRecalculator(db).RecalculateRecord(record, nullptr);
    // From A the search finds B, whose dependency A closes the cycle: B first (with A still 0), then A.
    EXPECT_FLOAT_EQ(FloatAt(record, 3), 1.0f);
    EXPECT_FLOAT_EQ(FloatAt(record, 2), 2.0f);
}

TEST_F(RecalculatorTest, AFilteredSetIsRecalculatedWithItsOwnPreviousRecords) {
    SetAdvanced(2, "Running", "Prev(Running) + Amount");
    for (int16_t amount : {1, 10, 100, 1000}) AddRecord(amount);
    CTbObjFilter* filter = db.AddFilter();
    filter->SetCondition(0, 1, TbCompare::GreaterOrEqual, 0, "10");
    db.Records().ApplyFilter(AllCategories, 0);

    EXPECT_EQ(CTbRecalculator(db).RecalculateAll(nullptr), 3);
    const CTbObjRecordList& records = db.Records();
    EXPECT_FLOAT_EQ(FloatAt(*records.RecordInStoredOrder(0), 2), 0.0f);  // outside the filter
    EXPECT_FLOAT_EQ(FloatAt(*records.RecordInStoredOrder(1), 2), 10.0f);
    EXPECT_FLOAT_EQ(FloatAt(*records.RecordInStoredOrder(2), 2), 110.0f);
    EXPECT_FLOAT_EQ(FloatAt(*records.RecordInStoredOrder(3), 2), 1110.0f);
}

TEST_F(RecalculatorTest, APassReportsItsProgressOnlyWhenThereIsSomethingToCompute) {
    for (int16_t amount : {1, 2, 3}) AddRecord(amount);
    RecordingProgress quiet;
    EXPECT_EQ(CTbRecalculator(db).RecalculateAll(&quiet), 0);
    EXPECT_TRUE(quiet.calls.empty());

    db.SetFieldType(2, ADV_EXPRESSION_T, "Empty");
    db.SetFieldType(3, EXPRESSION_T, "Empty too");
    SetAdvanced(4, "Twice", "Amount * 2");
    RecordingPrompt prompt;
    RecordingProgress progress;
    EXPECT_EQ(CTbRecalculator(db, &prompt).RecalculateAll(&progress), 3);
    EXPECT_TRUE(prompt.texts.empty()) << "fields without an expression are skipped";
    EXPECT_EQ(progress.calls,
              (std::vector<std::string>{"Begin", "SetRange 4", "SetText Evaluating expressions...", "Step 1",
                                        "Step 1", "Step 1", "Step 1", "End"}));
}

}  // namespace
