// Exporting every field type with the options, quoting, line ends, and the reported statuses.
#include "ImportExportFixture.h"
#include "importexport/ImportExportReport.h"

namespace {

namespace pf = orvanta::platform;

struct ExportRow {
    const char* name;
    TbFieldType type;
    std::function<void(CTbObjField&, CTbObjRecordValue&)> fill;
    ImportExportOptions options;
    std::string line;  // the record's line, CR LF included
};

class ExportCases : public ImportExportFixture, public testing::WithParamInterface<ExportRow> {};

TEST_P(ExportCases, ValueWritesAsText) {
    CTbObjField* field = db.AddField("F", GetParam().type);
    CTbObjRecord* record = db.Records().AddRecord(true, false);
    GetParam().fill(*field, *record->Value(field->GetSlot()));
    QnFile file(dir.File("out.csv").c_str());
    ASSERT_EQ(CTbImportExport().ExportRecords(db, file, {field->GetSlot()}, GetParam().options), 0);
    EXPECT_EQ(ReadFile("out.csv"), GetParam().line);
}

using Fill = std::function<void(CTbObjField&, CTbObjRecordValue&)>;
Fill Text(std::string t) {
    return [=](CTbObjField&, CTbObjRecordValue& v) { v.SetText(t); };
}
const Fill Nothing = [](CTbObjField&, CTbObjRecordValue&) {};
ImportExportOptions Timed(bool military, bool seconds, int32_t dateFormat = 0) {
    ImportExportOptions options;
    options.delimiter = 1;
    options.timeMilitary = military;
    options.timeHasSeconds = seconds;
    options.dateFormat = dateFormat;
    return options;
}
Fill Expression(int format, Fill value) {
    return [=](CTbObjField& f, CTbObjRecordValue& v) {
        f.ExprProps()->SetResultFormat(format);
        value(f, v);
    };
}
const ImportExportOptions kComma = Timed(false, false);

INSTANTIATE_TEST_SUITE_P(
    Types, ExportCases,
    testing::Values(
        ExportRow{"Text", TEXT_T, Text("plain"), kComma, "plain\r\n"},
        ExportRow{"TextWithComma", TEXT_T, Text("a,b"), kComma, "\"a,b\"\r\n"},
        ExportRow{"TextWithQuote", MEMO_T, Text("say \"hi\""), kComma, "\"say \"\"hi\"\"\"\r\n"},
        ExportRow{"MemoWithLf", MEMO_T, Text("a\nb"), kComma, "\"a\r\nb\"\r\n"},
        ExportRow{"Unset", TEXT_T, Nothing, kComma, "\r\n"},
        ExportRow{"Integer", INTEGER_T, [](auto&, auto& v) { v.SetShort(-7); }, kComma, "-7\r\n"},
        ExportRow{"Long", LONG_T, [](auto&, auto& v) { v.SetLong(123456); }, kComma, "123456\r\n"},
        ExportRow{"Floating", FLOATING_T, [](auto&, auto& v) { v.SetFloat(1.5f); }, kComma, "1.5\r\n"},
        ExportRow{"Checked", CHECKBOX_T, [](auto&, auto& v) { v.SetChecked(true); }, kComma, "-1\r\n"},
        ExportRow{"Unchecked", CHECKBOX_T, [](auto&, auto& v) { v.SetChecked(false); }, kComma, "0\r\n"},
        ExportRow{"DateMonthFirst", DATE_T, [](auto&, auto& v) { v.SetDate(2004, 12, 31); }, kComma,
                  "12/31/2004\r\n"},
        ExportRow{"DateDayFirst", DATE_T, [](auto&, auto& v) { v.SetDate(2004, 1, 2); }, Timed(false, false, 1),
                  "02/01/2004\r\n"},
        ExportRow{"Time12Hour", TIME_T, [](auto&, auto& v) { v.SetTime(14, 5, 9); }, kComma, "02:05 PM\r\n"},
        ExportRow{"Time12HourSeconds", TIME_T, [](auto&, auto& v) { v.SetTime(14, 5, 9); }, Timed(false, true),
                  "02:05:09 PM\r\n"},
        ExportRow{"Time24Hour", TIME_T, [](auto&, auto& v) { v.SetTime(14, 5, 9); }, Timed(true, false),
                  "14:05\r\n"},
        ExportRow{"List", LIST_T,
                  [](CTbObjField& f, auto& v) { v.SetShort(f.ListProps()->Items().AddItem("Red")); }, kComma,
                  "Red\r\n"},
        ExportRow{"ExpressionFloat", ADV_EXPRESSION_T,
                  Expression(EXPR_RESULT_FLOATING, [](auto&, auto& v) { v.SetFloat(2.25f); }), kComma, "2.25\r\n"},
        ExportRow{"ExpressionDate", ADV_EXPRESSION_T,
                  Expression(EXPR_RESULT_DATE_DAYS, [](auto&, auto& v) { v.SetDate(2001, 2, 3); }), kComma,
                  "02/03/2001\r\n"},
        ExportRow{"ExpressionTime", EXPRESSION_T,
                  Expression(EXPR_RESULT_TIME, [](auto&, auto& v) { v.SetTime(9, 0, 0); }), Timed(true, true),
                  "09:00:00\r\n"},
        ExportRow{"ExpressionHhmm", ADV_EXPRESSION_T,
                  Expression(EXPR_RESULT_HHMM, [](auto&, auto& v) { v.SetFloat(3723); }), kComma, "01:02\r\n"},
        ExportRow{"ExpressionText", ADV_EXPRESSION_T, Expression(EXPR_RESULT_TEXT, Text("t")), kComma, "t\r\n"},
        ExportRow{"JoinedCheckbox", DB_JOIN_T,
                  [](auto&, auto& v) {
                      v.JoinedValue().SetType(CHECKBOX_T);
                      v.JoinedValue().SetChecked(true);
                  },
                  kComma, "-1\r\n"},
        ExportRow{"JoinedText", DB_LOOKUP_T, [](auto&, auto& v) { v.JoinedValue().SetText("far"); }, kComma,
                  "far\r\n"},
        ExportRow{"JoinWithoutValue", DB_JOIN_T, Nothing, kComma, "\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImportExportFixture, ExportWritesNamesInSlotOrderAndSkipsImages) {
    db.AddField("Name", TEXT_T);
    db.AddField("Pic", IMAGE_T);
    db.AddField("N\"o", INTEGER_T);
    for (const char* name : {"x", "y\tz"}) db.Records().AddRecord(true, false)->Value(1)->SetText(name);
    db.Records().RecordInStoredOrder(1)->Value(3)->SetShort(4);
    db.Records().RecordInStoredOrder(0)->Value(0)->SetShort(0);  // only a set category is written
    QnFile file(dir.File("out.txt").c_str());
    WriteFile("out.txt", "old content that is longer than the new one");
    ASSERT_EQ(CTbImportExport().ExportRecords(db, file, {3, 2, 1, 99}, Options(0, true)), 0);
    EXPECT_EQ(ReadFile("out.txt"), "\"N\"\"o\"\tName\r\n\tx\r\n4\ty z\r\n");
    ASSERT_EQ(CTbImportExport().ExportRecords(db, file, {0, 1}, Options(2)), 0);
    EXPECT_EQ(ReadFile("out.txt"), "Unfiled;x\r\n;y\tz\r\n");
}

TEST_F(ImportExportFixture, ExportedFileImportsBack) {
    db.AddField("T", TEXT_T);
    db.AddField("D", DATE_T);
    CTbObjRecord* record = db.Records().AddRecord(true, false);
    record->Value(1)->SetText("a \"quoted\", text\nwith a line");
    record->Value(2)->SetDate(1999, 3, 4);
    QnFile file(dir.File("out.csv").c_str());
    ASSERT_EQ(CTbImportExport().ExportRecords(db, file, {1, 2}, Options(1, true)), 0);
    CImportFields columns;
    int32_t records = 0;
    ASSERT_EQ(CTbImportExport().AnalyzeFile(file, Options(1, true), &columns, &records), 0);
    EXPECT_EQ(records, 2);
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[1]->type, DATE_T);
}

TEST_F(ImportExportFixture, ExportToAFolderFails) {
    QnFile file(dir.Path().string().c_str());
    EXPECT_NE(CTbImportExport().ExportRecords(db, file, {0}, Options()), 0);
}

class RecordingPrompt : public pf::IPrompt {
public:
    pf::PromptAnswer Show(const std::string& title, const std::string& text, pf::PromptIcon icon,
                          pf::PromptButtons) override {
        shown.push_back(title + "|" + text.substr(0, 30) + "|" + std::to_string(static_cast<int>(icon)));
        return pf::PromptAnswer::Ok;
    }
    std::vector<std::string> shown;
};

TEST(ReportImportExportResult, TitlesIconsAndStops) {
    RecordingPrompt prompt;
    EXPECT_FALSE(ReportImportExportResult(prompt, 0, -1, ""));
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_TRUE(ReportImportExportResult(prompt, kImportUnicodeFile, -1, ""));
    EXPECT_FALSE(ReportImportExportResult(prompt, kImportValueTooLong, -1, ""));
    EXPECT_TRUE(ReportImportExportResult(prompt, kImportUnexpectedEnd, -1, ""));
    EXPECT_TRUE(ReportImportExportResult(prompt, static_cast<int32_t>(0x80080020u), -1, ""));
    EXPECT_TRUE(ReportImportExportResult(prompt, -5, -1, ""));
    const int error = static_cast<int>(pf::PromptIcon::Error),
              warning = static_cast<int>(pf::PromptIcon::Warning);
    EXPECT_EQ(prompt.shown, (std::vector<std::string>{
                                "Import Error|The text file selected is enco|" + std::to_string(error),
                                "Import Warning|The file contains memo fields |" + std::to_string(warning),
                                "Import Error|Orvanta encountered an unexpec|" + std::to_string(error),
                                "Error|The file to export to is curre|" + std::to_string(error),
                                "Error|An error occured.|" + std::to_string(error)}));
    const std::string conversion = ImportExportReportFor(kImportConversionFailed, 4, "abc").text;
    EXPECT_NE(conversion.find("\n\nPossible error location: Row: 4, Field: abc"), std::string::npos);
    EXPECT_EQ(ImportExportReportFor(kImportConversionFailed, -1, "").text.find("Possible"),
              std::string::npos);
}

}  // namespace
