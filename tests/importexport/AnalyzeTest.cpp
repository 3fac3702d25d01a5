// Type detection of single values and of whole columns, and the analysis of files.
#include "ImportExportFixture.h"
#include "importexport/TbColumnTypes.h"

namespace {

namespace pf = orvanta::platform;

pf::Locale German() {
    pf::Locale german = pf::Locale::UsEnglish();
    german.decimalSeparator = ',';
    german.thousandSeparator = '.';
    return german;
}

struct ColumnRow {
    const char* name;
    std::string file;
    int32_t type;  // of the first column (0 when there is none)
    int32_t status = 0;
    int32_t dateFormat = 0;
    pf::Locale locale = pf::Locale::UsEnglish();
};

class ColumnCases : public ImportExportFixture, public testing::WithParamInterface<ColumnRow> {};

TEST_P(ColumnCases, ValuesWidenTheColumnsType) {
    pf::ScopedLocaleOverride locale(GetParam().locale);
    ImportExportOptions options = Options();
    options.dateFormat = GetParam().dateFormat;
    CImportFields columns;
    EXPECT_EQ(Analyze(GetParam().file, &columns, nullptr, options), GetParam().status);
    EXPECT_EQ(columns.empty() ? NOTUSED_T : columns[0]->type, GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ColumnCases,
    testing::Values(
        ColumnRow{"NegativeInteger", "-32768\n", INTEGER_T}, ColumnRow{"BeyondLong", "99999999999\n", TEXT_T},
        ColumnRow{"WholeReal", "2.0\n", INTEGER_T}, ColumnRow{"HalfReal", "2.5\n", FLOATING_T},
        ColumnRow{"OldDate", "1/1/1850\n", TEXT_T}, ColumnRow{"LateDate", "1/1/2032\n", TEXT_T},
        ColumnRow{"Midnight", "12:00 AM\n", TIME_T}, ColumnRow{"DateWithTime", "12/31/2004 10:30\n", TEXT_T},
        ColumnRow{"DayFirst", "31/12/2004\n", DATE_T, 0, 1},
        ColumnRow{"DecimalComma", "\"2,5\"\n", FLOATING_T, 0, 0, German()},
        ColumnRow{"PointSeparatesThousands", "2.5\n", INTEGER_T, 0, 0, German()},
        ColumnRow{"TextAndMemo", "a\n" + std::string(300, 'm') + "\n", MEMO_T},
        ColumnRow{"CheckboxAndInteger", "true\n5\n", INTEGER_T},
        ColumnRow{"DatesAndNumber", "12/31/2004\n7\n", TEXT_T},
        ColumnRow{"EmptyValuesIgnored", "10:30\n\n", TIME_T},
        ColumnRow{"Utf8Signature", "\xEF\xBB\xBF\x61\n", NOTUSED_T, kImportUnicodeFile},
        ColumnRow{"Utf16Signature", "\xFF\xFE", NOTUSED_T, kImportUnicodeFile},
        ColumnRow{"Utf16BigEndian", std::string("\xFE\xFF\x00\x61", 4), NOTUSED_T, kImportUnicodeFile},
        ColumnRow{"ValueOverMemoLength", "a," + std::string(5000, 'x') + "\nb,c\n", TEXT_T,
                  kImportValueTooLong}),
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

TEST(CompatibleColumns, FieldTypesAcceptTheirColumns) {
    const std::vector<std::tuple<int, int, bool>> cases = {
        {TEXT_T, DATE_T, true},     {TEXT_T, MEMO_T, false}, {MEMO_T, INTEGER_T, true},
        {LONG_T, INTEGER_T, true},  {LONG_T, TEXT_T, false}, {INTEGER_T, LONG_T, false},
        {CHECKBOX_T, LONG_T, true}, {DATE_T, TEXT_T, false}, {DATE_T, DATE_T, true}};
    for (const auto& [field, column, accepted] : cases)
        EXPECT_EQ(IsCompatibleColumn(field, column), accepted) << field << " " << column;
}

}  // namespace
