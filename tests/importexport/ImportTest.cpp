// Importing into every target type: conversions, failures, lengths, lists, the status of a row
// and the record limit.
#include "ImportExportFixture.h"

namespace {

struct ImportRow {
    const char* name;
    std::vector<TbFieldType> fields;  // added in slots 1, 2, ...
    std::string file;                 // comma-delimited, no header unless header is set
    int32_t status;
    std::string shown;  // the mapped values of each record as export writes them, a line each
    int32_t problemRecord = -1;
    std::string problemText = "";
    std::vector<uint16_t> targets = {};  // column i into targets[i]; by default into slot i + 1
    bool header = false;
};

class ImportCases : public ImportExportFixture, public testing::WithParamInterface<ImportRow> {};

TEST_P(ImportCases, RowsBecomeRecords) {
    const ImportRow& row = GetParam();
    std::vector<uint16_t> targets = row.targets;
    for (TbFieldType type : row.fields) {
        CTbObjField* field = db.AddField("F", type);
        if (type == LIST_T)  // 58 items: room for two more
            for (int i = 0; i < 58; ++i) field->ListProps()->Items().AddItem("item " + std::to_string(i));
        if (row.targets.empty()) targets.push_back(static_cast<uint16_t>(field->GetSlot()));
    }
    EXPECT_EQ(Import(row.file, targets, Options(1, row.header)), row.status);
    EXPECT_EQ(Shown(targets), row.shown);
    EXPECT_EQ(problemRecord, row.problemRecord);  // the header row counts
    EXPECT_EQ(problemText, row.problemText);
}

const std::string kLong(5000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Targets, ImportCases,
    testing::Values(
        ImportRow{"TextCut",
                  {TEXT_T},
                  kLong.substr(0, 300) + "\n",
                  kImportValueTooLong,
                  kLong.substr(0, 255) + "\n"},
        ImportRow{"MemoCut", {MEMO_T}, kLong + "\n", kImportValueTooLong, kLong.substr(0, 4095) + "\n"},
        ImportRow{"Integer", {INTEGER_T}, "-12\n", 0, "-12\n"},
        ImportRow{"IntegerOverflow", {INTEGER_T}, "1\n40000\n", kImportConversionFailed, "1\n\n", 2, "40000"},
        ImportRow{"Long", {LONG_T}, "70000\n", 0, "70000\n"},
        ImportRow{"CheckboxNumber", {CHECKBOX_T}, "0\n", 0, "0\n"},
        ImportRow{"TimeOfDateTime", {TIME_T}, "1/2/2003 8:05:09\n", 0, "08:05:09\n"},
        ImportRow{"ImageStaysCleared", {IMAGE_T}, "abc\n", 0, "\n"},
        ImportRow{"TooManyColumns",
                  {TEXT_T},
                  "a\n",
                  kImportTooManyColumns,
                  "",
                  -1,
                  "",
                  std::vector<uint16_t>(81, 1)},
        // A list item is found in any letter case, else appended while the list has fewer
        // than 60 items, else the value is index 0 (no item); texts are cut to 80 characters.
        ImportRow{"ListItems",
                  {LIST_T},
                  "ITEM 3\nnew one\nsecond new\n" + kLong.substr(0, 81) + "\n",
                  kImportValueTooLong,
                  "item 3\nnew one\nsecond new\n\n"},
        // A value over 4095 characters warns even in a column that is not imported.
        ImportRow{"HeaderEmptyLineAndUnmapped",
                  {TEXT_T, INTEGER_T},
                  "name,skip,n\nx," + kLong + ",1\n\ny,,2\n",
                  kImportValueTooLong,
                  "x,1\n,\ny,2\n",
                  -1,
                  "",
                  {1, kNotMapped, 2},
                  true},
        // A row's status is its last imported value's: a value that cannot be converted
        // before it stays cleared and the import goes on; a failing last value stops it.
        ImportRow{"LastValueFails",
                  {INTEGER_T, TEXT_T, INTEGER_T},
                  "1,x,2\n3,y,abc\n5,z,6\n",
                  kImportConversionFailed,
                  "1,x,2\n3,y,\n",
                  2,
                  "abc"},
        ImportRow{"EarlierValueFails",
                  {INTEGER_T, TEXT_T, INTEGER_T},
                  "1,x,2\nabc,y,4\n5,z,6\n",
                  0,
                  "1,x,2\n,y,4\n5,z,6\n"},
        ImportRow{"EarlierValueCut",
                  {INTEGER_T, TEXT_T, INTEGER_T},
                  "abc," + kLong.substr(0, 300) + ",4\n",
                  kImportValueTooLong,
                  "," + kLong.substr(0, 255) + ",4\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImportExportFixture, UnfiledIsTheFirstCategory) {
    db.Field(0)->ListProps()->Items().AddItem("Business");
    ASSERT_EQ(Import("Unfiled\nBusiness\n", {0}), 0);
    EXPECT_EQ(ValueOf(0, 0).GetShort(), 0);
    EXPECT_EQ(Shown({0}), "Unfiled\nBusiness\n");
}

TEST_F(ImportExportFixture, StopsAtTheRecordLimit) {
    db.AddField("T", TEXT_T);
    db.AddField("N", INTEGER_T);
    for (int i = 0; i < kMaxImportedRecords - 2; ++i) db.Records().AddRecord(true, false);
    EXPECT_EQ(Import("a,1\n2,b\nc,d\n", {2, 1}), kImportRecordLimit);
    ASSERT_EQ(db.RecordCount(), kMaxImportedRecords);
    EXPECT_EQ(problemRecord, 3);
    EXPECT_EQ(problemText, "");  // not the value that failed in an earlier row
    EXPECT_EQ(ValueOf(kMaxImportedRecords - 1, 1).GetText(), "b");
}

}  // namespace
