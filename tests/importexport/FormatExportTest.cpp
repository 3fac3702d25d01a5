// The typed exports' values by field type, seen in the JSON export, and the column names they
// share with the workbook and SQLite exports.
#include "ImportExportFixture.h"
#include "importexport/TbFormatExport.h"

namespace {

using Fill = std::function<void(CTbObjField&, CTbObjRecordValue&)>;

struct TypedRow {
    const char* name;
    TbFieldType type;
    Fill fill;
    std::string json;  // the value as the record's object holds it
};

class TypedCases : public ImportExportFixture, public testing::WithParamInterface<TypedRow> {};

TEST_P(TypedCases, ValueExportsTyped) {
    CTbObjField* field = db.AddField("F", GetParam().type);
    CTbObjRecord* record = db.Records().AddRecord(true, false);
    GetParam().fill(*field, *record->Value(field->GetSlot()));
    ASSERT_EQ(ExportJson(db, dir.File("out.json"), {field->GetSlot()}), 0);
    EXPECT_EQ(ReadFile("out.json"), "[\n{\"F\":" + GetParam().json + "}\n]\n");
}

Fill Expression(int format, Fill value) {
    return [=](CTbObjField& f, CTbObjRecordValue& v) {
        f.ExprProps()->SetResultFormat(format);
        value(f, v);
    };
}
const Fill Nothing = [](CTbObjField&, CTbObjRecordValue&) {};

INSTANTIATE_TEST_SUITE_P(
    Types, TypedCases,
    testing::Values(
        TypedRow{"Text", TEXT_T, [](auto&, auto& v) { v.SetText("Caf\xE9 \x80"); },
                 "\"Caf\xC3\xA9 \xE2\x82\xAC\""},
        TypedRow{"EmptyText", MEMO_T, [](auto&, auto& v) { v.SetText(""); }, "null"},
        TypedRow{"Unset", INTEGER_T, Nothing, "null"},
        TypedRow{"Integer", INTEGER_T, [](auto&, auto& v) { v.SetShort(-7); }, "-7"},
        TypedRow{"Long", LONG_T, [](auto&, auto& v) { v.SetLong(123456); }, "123456"},
        TypedRow{"Key", KEY_T, Nothing, "1"},  // the record's key, set or not
        TypedRow{"FloatShortest", FLOATING_T, [](auto&, auto& v) { v.SetFloat(1.1f); }, "1.1"},
        TypedRow{"Checked", CHECKBOX_T, [](auto&, auto& v) { v.SetChecked(true); }, "true"},
        TypedRow{"Date", DATE_T, [](auto&, auto& v) { v.SetDate(2004, 1, 2); }, "\"2004-01-02\""},
        TypedRow{"InvalidDate", DATE_T, [](auto&, auto& v) { v.SetDate(2004, 2, 30); }, "null"},
        TypedRow{"Time", TIME_T, [](auto&, auto& v) { v.SetTime(12, 5, 9); }, "\"12:05:09\""},
        TypedRow{
            "ListItem", LIST_T,
            [](CTbObjField& f, CTbObjRecordValue& v) { v.SetShort(f.ListProps()->Items().AddItem("Red")); },
            "\"Red\""},
        TypedRow{"ExpressionFloat", EXPRESSION_T,
                 Expression(EXPR_RESULT_FLOATING, [](auto&, auto& v) { v.SetFloat(2.5f); }), "2.5"},
        TypedRow{"ExpressionHhMmSs", ADV_EXPRESSION_T,
                 Expression(EXPR_RESULT_HHMMSS, [](auto&, auto& v) { v.SetFloat(3725); }), "\"01:02:05\""},
        TypedRow{"ExpressionDate", ADV_EXPRESSION_T,
                 Expression(EXPR_RESULT_DATE_DAYS, [](auto&, auto& v) { v.SetDate(2031, 12, 31); }),
                 "\"2031-12-31\""}),
    [](const testing::TestParamInfo<TypedRow>& info) { return std::string(info.param.name); });

// A name met before in any letter case, or empty, gets its slot; the format follows the extension.
TEST_F(ImportExportFixture, ColumnNamesAreDistinctAndFormatsFollowExtensions) {
    for (const char* name : {"Name", "NAME", ""}) db.AddField(name, TEXT_T);
    db.Records().AddRecord(true, false);
    ASSERT_EQ(ExportJson(db, dir.File("out.json"), {1, 2, 3}), 0);
    EXPECT_EQ(ReadFile("out.json"), "[\n{\"Name\":null,\"NAME (slot 2)\":null,\" (slot 3)\":null}\n]\n");
    EXPECT_EQ(ExportFormatForPath("/a/b.JSON"), ExportFormat::Json);
    EXPECT_EQ(ExportFormatForPath("b.sqlite3"), ExportFormat::Sqlite);
    EXPECT_EQ(ExportFormatForPath("b.xlsx"), ExportFormat::Xlsx);
    EXPECT_EQ(ExportFormatForPath("b.xls"), ExportFormat::Text);
    EXPECT_EQ(ExportJson(db, dir.File("missing/out.json"), {1}), kExportWriteFailed);
}

}  // namespace
