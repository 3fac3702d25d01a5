// orvanta-cli expr, set-expression and recalc on a Tabulon written by the writer: the token
// list and results shown, parse errors with their location, and what the saved file holds.
#include "CliRunner.h"
#include "SampleTabulon.h"

#include "model/TbObjField.h"
#include "model/TbObjRecord.h"

#include <gtest/gtest.h>

namespace {

constexpr int kTotal = 10;  // an Advanced Expression field added to the sample

// The sample plus an Advanced Expression "Total" whose token list is "Price * Age" (type bytes
// written directly, as the handheld would) and whose stored values are stale.
std::string WriteWithTotal(const TempDir& dir) {
    std::string path = WriteSampleTabulon(dir);
    CTbObjDB db;
    db.SetLocation(path, true);
    EXPECT_GE(db.Load(false), 0);
    db.SetFieldType(kTotal, ADV_EXPRESSION_T, "Total");
    db.Field(kTotal)->ExprProps()->SetTokens({kPrice, 92, kAge}, {"", "", ""});
    for (int i = 0; i < db.Records().Count(true); ++i) {
        CTbObjRecordValue& value = *db.Records().RecordInStoredOrder(i)->Value(kTotal);
        value.SetType(ADV_EXPRESSION_T);
        value.SetFloat(-1.0f);
    }
    EXPECT_GE(db.Save(), 0) << db.Writer().GetErrorText();
    return path;
}

std::vector<float> Totals(const std::string& path) {
    CTbObjDB db;
    db.SetLocation(path, true);
    EXPECT_GE(db.Load(false), 0);
    std::vector<float> totals;
    for (int i = 0; i < db.Records().Count(true); ++i)
        totals.push_back(db.Records().RecordInStoredOrder(i)->Value(kTotal)->GetFloat());
    return totals;
}

class ExpressionCommands : public ::testing::Test {
protected:
    void SetUp() override { path = WriteWithTotal(dir); }
    // Runs "<command> <the Tabulon> <rest>".
    CliRun Run(const std::string& command, const std::string& rest) {
        return RunCli(scratch, command + " " + ShellQuote(path) + " " + rest);
    }
    TempDir dir;
    TempDir scratch;
    std::string path;
};

TEST_F(ExpressionCommands, ExprShowsTokensTextAndEveryRecordsResult) {
    CliRun run = Run("expr", "'age*2 + Prev(Age)'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "2\tField Number\t(Age)\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "92\texprTokenMultiply\t\n"));
    EXPECT_TRUE(Contains(run.out, "86\texprTokenFloatConst\t2\n"));
    EXPECT_TRUE(Contains(run.out, "102\tPrevious Record's Field Number\t(Age)\n"));
    EXPECT_TRUE(Contains(run.out, "Text: Age * 2 + Prev(Age)\n"));
    EXPECT_TRUE(Contains(run.out, "Record 1: 84  {black}\n"));
    EXPECT_TRUE(Contains(run.out, "Record 2: 56  {black}\n"));  // 7 * 2 + 42
}

TEST_F(ExpressionCommands, ExprOfOneRecordInAChosenFormat) {
    CliRun run = Run("expr", "\"If(Done, {red} 'yes', 'no')\" --format Text --record 1");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "89\texprTokenColor\t1\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "94\texprTokenFunc\t1\n"));
    EXPECT_TRUE(Contains(run.out, "Record 1: yes  {red}\n"));
    EXPECT_FALSE(Contains(run.out, "Record 2"));
}

TEST_F(ExpressionCommands, ExprReportsAParseErrorWithItsLocation) {
    CliRun run = Run("expr", "'Age * Qty'");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.err, "position 7")) << run.err;
    EXPECT_TRUE(Contains(run.err, "Possible error location:\nAge * Qty\n      ^\n"));
}

TEST_F(ExpressionCommands, ExprRefusesAConstantSetExpressionWouldRefuse) {
    CliRun run = Run("expr", "\"'abcdefghijk'\" --format Text");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.err, "The following constant is too long: abcdefghijk")) << run.err;
    EXPECT_FALSE(Contains(run.out, "Record 1")) << run.out;
}

TEST_F(ExpressionCommands, ExprRefusesAnUnknownFormatAndRecord) {
    EXPECT_EQ(Run("expr", "Age --format Weeks").status, 1);
    CliRun run = Run("expr", "Age --record 3");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.err, "No record 3: the Tabulon has 2 records.")) << run.err;
}

TEST_F(ExpressionCommands, SetExpressionStoresRecalculatesAndSaves) {
    CliRun run = Run("set-expression", "10 'Age + Price' --format Floating");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "Field 10 \"Total\": Age + Price\n")) << run.out;
    EXPECT_EQ(Totals(path), (std::vector<float>{44.5f, 7.25f}));
}

TEST_F(ExpressionCommands, SetExpressionRefusesOtherFieldsAndBadTextKeepingTheFile) {
    std::vector<uint8_t> before = ReadBytes(path);
    CliRun notAdvanced = Run("set-expression", "2 'Age + 1'");
    EXPECT_EQ(notAdvanced.status, 1);
    EXPECT_TRUE(Contains(notAdvanced.err, "Field 2 is not an Advanced Expression field."));
    CliRun tooLong = Run("set-expression", "10 \"'abcdefghijk'\"");
    EXPECT_EQ(tooLong.status, 1);
    EXPECT_TRUE(Contains(tooLong.err, "The following constant is too long: abcdefghijk")) << tooLong.err;
    EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(ExpressionCommands, RecalcToAnotherFileComputesTheStoredExpressions) {
    std::string out = dir.File("Recalculated.PDB");
    CliRun run = Run("recalc", "-o " + ShellQuote(out));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "Recalculated 1 computed field in 2 records; 2 changed.")) << run.out;
    EXPECT_EQ(Totals(out), (std::vector<float>{105.0f, 1.75f}));
    EXPECT_EQ(Totals(path), (std::vector<float>{-1.0f, -1.0f}));
}

}  // namespace
