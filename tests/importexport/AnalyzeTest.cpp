// Type detection of single values and of whole columns, and the analysis of files.
#include "ImportExportFixture.h"
#include "importexport/TbColumnTypes.h"

namespace {

namespace pf = orvanta::platform;

struct DetectRow {
    const char* name;
    std::string text;
    int32_t type;
};

class DetectCases : public testing::TestWithParam<DetectRow> {};

TEST_P(DetectCases, ValueReadsAsType) {
    int32_t type = -1;
    ASSERT_EQ(DetectValueType(GetParam().text, ImportLocale(pf::Locale::UsEnglish(), 0), &type), 0);
    EXPECT_EQ(type, GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DetectCases,
    testing::Values(
        DetectRow{"SmallInteger", "12", INTEGER_T}, DetectRow{"NegativeInteger", " -32768 ", INTEGER_T},
        DetectRow{"BeyondShort", "70000", LONG_T}, DetectRow{"BeyondLong", "99999999999", TEXT_T},
        DetectRow{"WholeReal", "2.0", INTEGER_T}, DetectRow{"HalfReal", "2.5", FLOATING_T},
        DetectRow{"RealWithoutInteger", ".5", FLOATING_T}, DetectRow{"Thousands", "1,234", INTEGER_T},
        DetectRow{"TrueWord", "true", CHECKBOX_T}, DetectRow{"FalseWord", "FALSE", CHECKBOX_T},
        DetectRow{"YesIsText", "yes", TEXT_T}, DetectRow{"MonthFirstDate", "12/31/2004", DATE_T},
        DetectRow{"OldDate", "1/1/1850", TEXT_T}, DetectRow{"LateDate", "1/1/2032", TEXT_T},
        DetectRow{"TimeOfDay", "10:30", TIME_T}, DetectRow{"TimeWithDesignator", "10:30 PM", TIME_T},
        DetectRow{"DateWithTime", "12/31/2004 10:30", TEXT_T},
        DetectRow{"DayFirstIsNoDate", "31/12/2004", TEXT_T}, DetectRow{"Word", "hello", TEXT_T},
        DetectRow{"LongText", std::string(300, 'x'), MEMO_T}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DetectValueType, DayFirstOrderAndDecimalComma) {
    int32_t type = 0;
    ASSERT_EQ(DetectValueType("31/12/2004", ImportLocale(pf::Locale::UsEnglish(), 1), &type), 0);
    EXPECT_EQ(type, DATE_T);
    pf::Locale german = pf::Locale::UsEnglish();
    german.decimalSeparator = ',';
    german.thousandSeparator = '.';
    ASSERT_EQ(DetectValueType("2,5", ImportLocale(german, 0), &type), 0);
    EXPECT_EQ(type, FLOATING_T);
    ASSERT_EQ(DetectValueType("2.5", ImportLocale(german, 0), &type), 0);
    EXPECT_EQ(type, INTEGER_T);  // 25: the point separates thousands
    EXPECT_EQ(DetectValueType(std::string(4096, 'x'), ImportLocale(german, 0), &type), kImportValueTooLong);
}

struct ColumnRow {
    const char* name;
    std::string file;
    int32_t type;
};

class ColumnCases : public ImportExportFixture, public testing::WithParamInterface<ColumnRow> {};

TEST_P(ColumnCases, ColumnWidensToType) {
    CImportFields columns;
    ASSERT_EQ(Analyze(GetParam().file, &columns), 0);
    ASSERT_EQ(columns.size(), 1u);
    EXPECT_EQ(columns[0]->type, GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(Files, ColumnCases,
                         testing::Values(ColumnRow{"Longs", "1\n2\n70000\n", LONG_T},
                                         ColumnRow{"LongsAndReal", "1\n2\n70000\n1.5\n", FLOATING_T},
                                         ColumnRow{"NumbersAndWord", "1\n1.5\nyes\n", TEXT_T},
                                         ColumnRow{"TextAndMemo", "a\n" + std::string(300, 'm') + "\n",
                                                   MEMO_T},
                                         ColumnRow{"CheckboxAndInteger", "true\n5\n", INTEGER_T},
                                         ColumnRow{"Dates", "12/31/2004\n1/1/1999\n", DATE_T},
                                         ColumnRow{"DatesAndNumber", "12/31/2004\n7\n", TEXT_T},
                                         ColumnRow{"NumberThenDate", "7\n12/31/2004\n", TEXT_T},
                                         ColumnRow{"DateAndTime", "12/31/2004\n10:30\n", TEXT_T},
                                         ColumnRow{"EmptyValuesIgnored", "10:30\n\n", TIME_T},
                                         ColumnRow{"OnlyEmpty", "\n\n", NOTUSED_T}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImportExportFixture, AnalysisNamesColumnsAndCountsRecords) {
    CImportFields columns;
    int32_t records = 0;
    ASSERT_EQ(Analyze("A,B,C\n1,x,2\n1,2,3,4,5\n", &columns, &records, Options(1, true)), 0);
    std::vector<std::string> names;
    for (auto& column : columns) names.push_back(column->value);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B", "C", "Field 1", "Field 2"}));
    EXPECT_EQ(records, 3);
    EXPECT_EQ(columns[0]->type, INTEGER_T);
    EXPECT_EQ(columns[1]->type, TEXT_T);
    EXPECT_EQ(columns[4]->type, INTEGER_T);
    columns.clear();
    ASSERT_EQ(Analyze("1;2\n", &columns, &records, Options(2)), 0);
    EXPECT_EQ(columns[1]->value, "Field 2");
}

TEST_F(ImportExportFixture, AnalysisRefusesUnicodeAndWarnsOfLongValues) {
    CImportFields columns;
    EXPECT_EQ(Analyze("\xEF\xBB\xBF"
                      "a,b\n",
                      &columns),
              kImportUnicodeFile);
    EXPECT_TRUE(columns.empty());
    EXPECT_EQ(Analyze("\xFF\xFE", &columns), kImportUnicodeFile);
    EXPECT_EQ(Analyze("a," + std::string(5000, 'x') + "\nb,c\n", &columns), kImportValueTooLong);
    EXPECT_EQ(columns.size(), 2u);
    columns.clear();
    QnFile missing(dir.File("missing.csv").c_str());
    int32_t records = 0;
    EXPECT_NE(CTbImportExport().AnalyzeFile(missing, Options(), &columns, &records), 0);
}

TEST(CompatibleColumns, FieldTypesAcceptTheirColumns) {
    EXPECT_TRUE(IsCompatibleColumn(TEXT_T, DATE_T));
    EXPECT_FALSE(IsCompatibleColumn(TEXT_T, MEMO_T));
    EXPECT_TRUE(IsCompatibleColumn(MEMO_T, MEMO_T));
    EXPECT_TRUE(IsCompatibleColumn(LONG_T, INTEGER_T));
    EXPECT_FALSE(IsCompatibleColumn(INTEGER_T, LONG_T));
    EXPECT_TRUE(IsCompatibleColumn(CHECKBOX_T, LONG_T));
    EXPECT_FALSE(IsCompatibleColumn(DATE_T, TEXT_T));
    EXPECT_TRUE(IsCompatibleColumn(DATE_T, DATE_T));
}

}  // namespace
