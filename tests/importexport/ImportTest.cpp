// Importing into every target type: conversions, failures, lengths, lists and the record limit.
#include "ImportExportFixture.h"

namespace {

struct ImportRow {
    const char* name;
    TbFieldType type;
    std::string text;
    int32_t status;
    std::function<void(const CTbObjRecordValue&)> check;
};

class ImportCases : public ImportExportFixture, public testing::WithParamInterface<ImportRow> {};

TEST_P(ImportCases, TextBecomesValue) {
    const ImportRow& row = GetParam();
    CTbObjField* field = db.AddField("F", row.type);
    ASSERT_EQ(Import("\"" + row.text + "\"\n", {static_cast<uint16_t>(field->GetSlot())}), row.status);
    ASSERT_EQ(db.RecordCount(), 1);
    const CTbObjRecordValue& value = ValueOf(0, field->GetSlot());
    EXPECT_EQ(value.GetType(), row.type);
    if (row.status == kImportConversionFailed) {
        EXPECT_FALSE(value.HasValue());
        EXPECT_EQ(problemRecord, 1);
        EXPECT_EQ(problemText, row.text);
    } else {
        row.check(value);
    }
}

auto IsText = [](std::string text) {
    return [=](const CTbObjRecordValue& v) { EXPECT_EQ(v.GetText(), text); };
};
auto IsShort = [](int16_t n) { return [=](const CTbObjRecordValue& v) { EXPECT_EQ(v.GetShort(), n); }; };
auto IsLong = [](int32_t n) { return [=](const CTbObjRecordValue& v) { EXPECT_EQ(v.GetLong(), n); }; };
auto IsFloat = [](float n) { return [=](const CTbObjRecordValue& v) { EXPECT_FLOAT_EQ(v.GetFloat(), n); }; };
auto IsChecked = [](bool on) {
    return [=](const CTbObjRecordValue& v) {
        EXPECT_TRUE(v.HasValue());
        EXPECT_EQ(v.GetChecked(), on);
    };
};
auto IsDate = [](int y, int m, int d) {
    return [=](const CTbObjRecordValue& v) { EXPECT_EQ(v.PackedDate(), uint32_t(y * 65536 + m * 256 + d)); };
};
auto IsTime = [](int h, int m, int s) {
    return [=](const CTbObjRecordValue& v) { EXPECT_EQ(v.PackedTime(), uint32_t(h * 65536 + m * 256 + s)); };
};
auto IsUnset = [](const CTbObjRecordValue& v) { EXPECT_FALSE(v.HasValue()); };

INSTANTIATE_TEST_SUITE_P(
    Targets, ImportCases,
    testing::Values(ImportRow{"Text", TEXT_T, "a, b", 0, IsText("a, b")},
                    ImportRow{"TextCut", TEXT_T, std::string(300, 't'), kImportValueTooLong,
                              IsText(std::string(255, 't'))},
                    ImportRow{"Memo", MEMO_T, std::string(300, 'm'), 0, IsText(std::string(300, 'm'))},
                    ImportRow{"MemoCut", MEMO_T, std::string(5000, 'm'), kImportValueTooLong,
                              IsText(std::string(4095, 'm'))},
                    ImportRow{"Integer", INTEGER_T, "-12", 0, IsShort(-12)},
                    ImportRow{"IntegerRounded", INTEGER_T, "2.5", 0, IsShort(2)},
                    ImportRow{"IntegerLetters", INTEGER_T, "abc", kImportConversionFailed, IsUnset},
                    ImportRow{"IntegerOverflow", INTEGER_T, "40000", kImportConversionFailed, IsUnset},
                    ImportRow{"Long", LONG_T, "70000", 0, IsLong(70000)},
                    ImportRow{"Floating", FLOATING_T, "1.25", 0, IsFloat(1.25f)},
                    ImportRow{"FloatingWord", FLOATING_T, "x1", kImportConversionFailed, IsUnset},
                    ImportRow{"CheckboxWord", CHECKBOX_T, "True", 0, IsChecked(true)},
                    ImportRow{"CheckboxNumber", CHECKBOX_T, "0", 0, IsChecked(false)},
                    ImportRow{"CheckboxMinusOne", CHECKBOX_T, "-1", 0, IsChecked(true)},
                    ImportRow{"CheckboxYes", CHECKBOX_T, "yes", kImportConversionFailed, IsUnset},
                    ImportRow{"Date", DATE_T, "12/31/2004", 0, IsDate(2004, 12, 31)},
                    ImportRow{"DateWrongOrder", DATE_T, "31/12/2004", kImportConversionFailed, IsUnset},
                    ImportRow{"Time", TIME_T, "10:30 PM", 0, IsTime(22, 30, 0)},
                    ImportRow{"TimeOfDateTime", TIME_T, "1/2/2003 8:05:09", 0, IsTime(8, 5, 9)},
                    ImportRow{"ImageStaysCleared", IMAGE_T, "abc", 0, IsUnset}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImportExportFixture, ListTextsFindOrAppendItems) {
    CTbObjField* list = db.AddField("L", LIST_T);
    CTbObjListItems& items = list->ListProps()->Items();
    for (int i = 0; i < 58; ++i) items.AddItem("item " + std::to_string(i));
    const uint16_t slot = static_cast<uint16_t>(list->GetSlot());
    ASSERT_EQ(Import("ITEM 3\nnew one\nsecond new\n" + std::string(90, 'l') + "\n", {slot}),
              kImportValueTooLong);
    EXPECT_EQ(items.TextOfIndex(ValueOf(0, slot).GetShort()), "item 3");
    EXPECT_EQ(items.TextOfIndex(ValueOf(1, slot).GetShort()), "new one");
    EXPECT_EQ(items.Count(), 60);
    EXPECT_EQ(ValueOf(2, slot).GetShort(), items.ItemAt(59)->index);
    EXPECT_EQ(ValueOf(3, slot).GetShort(), 0);  // the list is full
}

TEST_F(ImportExportFixture, UnfiledIsTheFirstCategory) {
    db.Field(0)->ListProps()->Items().AddItem("Business");
    ASSERT_EQ(Import("Unfiled\nBusiness\n", {0}), 0);
    EXPECT_EQ(ValueOf(0, 0).GetShort(), 0);
    EXPECT_EQ(db.Field(0)->ListProps()->Items().TextOfIndex(ValueOf(1, 0).GetShort()), "Business");
}

TEST_F(ImportExportFixture, HeaderSkippedEmptyLinesClearedUnmappedIgnored) {
    CTbObjField* a = db.AddField("A", TEXT_T);
    CTbObjField* b = db.AddField("B", INTEGER_T);
    ASSERT_EQ(Import("name,skip,n\nx,zzz,1\n\ny,,2\n", {1, kNotMapped, 2}, Options(1, true)), 0);
    ASSERT_EQ(db.RecordCount(), 3);
    EXPECT_EQ(ValueOf(0, a->GetSlot()).GetText(), "x");
    EXPECT_FALSE(ValueOf(1, a->GetSlot()).HasValue());
    EXPECT_FALSE(ValueOf(1, b->GetSlot()).HasValue());
    EXPECT_EQ(ValueOf(2, b->GetSlot()).GetShort(), 2);
}

struct RowStatusRow {
    const char* name;
    std::string text;  // columns into Integer A (slot 1), Text B (slot 2), Integer C (slot 3)
    int32_t status;
    int records;
    int32_t problemRecord;  // and problemText "abc" when the import stopped
};

class RowStatus : public ImportExportFixture, public testing::WithParamInterface<RowStatusRow> {};

// A row's status is the status of its last imported value: a value that cannot be converted
// before it is left cleared and the import goes on; a failing last value stops the import.
TEST_P(RowStatus, LastImportedValueDecides) {
    const RowStatusRow& row = GetParam();
    db.AddField("A", INTEGER_T);
    db.AddField("B", TEXT_T);
    db.AddField("C", INTEGER_T);
    ASSERT_EQ(Import("a,b,c\n" + row.text, {1, 2, 3}, Options(1, true)), row.status);
    EXPECT_EQ(db.RecordCount(), row.records);
    if (row.status == kImportConversionFailed) {
        EXPECT_EQ(problemRecord, row.problemRecord);  // the header row counts
        EXPECT_EQ(problemText, "abc");
        EXPECT_FALSE(ValueOf(row.records - 1, 3).HasValue());  // the failing record stays, cleared
    } else {
        EXPECT_FALSE(ValueOf(1, 1).HasValue());
        EXPECT_EQ(ValueOf(1, 3).GetShort(), 4);
    }
    EXPECT_EQ(ValueOf(0, 3).GetShort(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RowStatus,
    testing::Values(RowStatusRow{"LastValueFails", "1,x,2\n3,y,abc\n5,z,6\n", kImportConversionFailed, 2, 3},
                    RowStatusRow{"EarlierValueFails", "1,x,2\nabc,y,4\n5,z,6\n", 0, 3, -1},
                    RowStatusRow{"EarlierValueCut", "1,x,2\nabc," + std::string(300, 'y') + ",4\n",
                                 kImportValueTooLong, 2, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImportExportFixture, RefusesUnicodeAndTooManyColumns) {
    db.AddField("T", TEXT_T);
    EXPECT_EQ(Import("\xFE\xFF\x00"
                     "a",
                     {1}),
              kImportUnicodeFile);
    EXPECT_EQ(db.RecordCount(), 0);
    EXPECT_EQ(Import("a\n", std::vector<uint16_t>(81, 1)), kImportTooManyColumns);
    EXPECT_EQ(db.RecordCount(), 0);
}

TEST_F(ImportExportFixture, StopsAtTheRecordLimit) {
    db.AddField("T", TEXT_T);
    for (int i = 0; i < kMaxImportedRecords - 2; ++i) db.Records().AddRecord(true, false);
    EXPECT_EQ(Import("a\nb\nc\nd\n", {1}), kImportRecordLimit);
    EXPECT_EQ(db.RecordCount(), kMaxImportedRecords);
    EXPECT_EQ(problemRecord, 3);
    EXPECT_EQ(ValueOf(kMaxImportedRecords - 1, 1).GetText(), "b");
}

}  // namespace
