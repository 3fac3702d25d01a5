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
        ExportRow{"MemoWithLf", MEMO_T, Text("a\nb"), kComma, "\"a\r\nb\"\r\n"},
        ExportRow{"Long", LONG_T, [](auto&, auto& v) { v.SetLong(123456); }, kComma, "123456\r\n"},
        ExportRow{"Key", KEY_T, Nothing, kComma, "1\r\n"},  // the record's key, set or not
        ExportRow{"Checked", CHECKBOX_T, [](auto&, auto& v) { v.SetChecked(true); }, kComma, "-1\r\n"},
        ExportRow{"DateDayFirst", DATE_T, [](auto&, auto& v) { v.SetDate(2004, 1, 2); },
                  Timed(false, false, 1), "02/01/2004\r\n"},
        ExportRow{"InvalidDate", DATE_T, [](auto&, auto& v) { v.SetDate(2004, 2, 30); }, kComma, "\r\n"},
        ExportRow{"Noon12Hour", TIME_T, [](auto&, auto& v) { v.SetTime(12, 5, 9); }, kComma, "12:05 PM\r\n"},
        ExportRow{"ExpressionDate", ADV_EXPRESSION_T,
                  Expression(EXPR_RESULT_DATE_DAYS, [](auto&, auto& v) { v.SetDate(2001, 2, 3); }), kComma,
                  "02/03/2001\r\n"},
        ExportRow{"ExpressionTime", EXPRESSION_T,
                  Expression(EXPR_RESULT_TIME, [](auto&, auto& v) { v.SetTime(9, 0, 0); }), Timed(true, true),
                  "09:00:00\r\n"},
        ExportRow{"ExpressionHhmm", ADV_EXPRESSION_T,
                  Expression(EXPR_RESULT_HHMM, [](auto&, auto& v) { v.SetFloat(3723); }), kComma,
                  "01:02\r\n"},
        ExportRow{"ExpressionText", ADV_EXPRESSION_T, Expression(EXPR_RESULT_TEXT, Text("t")), kComma,
                  "t\r\n"},
        ExportRow{"JoinedCheckbox", DB_JOIN_T,
                  [](auto&, auto& v) {
                      v.JoinedValue().SetType(CHECKBOX_T);
                      v.JoinedValue().SetChecked(true);
                  },
                  kComma, "-1\r\n"},
        ExportRow{"JoinWithoutJoinedValue", DB_JOIN_T, Text("stored"), kComma, "\r\n"}),
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

class CountingPrompt : public pf::IPrompt {
public:
    pf::PromptAnswer Show(const std::string&, const std::string&, pf::PromptIcon,
                          pf::PromptButtons) override {
        ++shown;
        return pf::PromptAnswer::Ok;
    }
    int shown = 0;
};

TEST(ReportImportExportResult, TitlesIconsAndStops) {
    const std::pair<int32_t, std::string> rows[] = {
        {0, ": (no message)"},
        {kImportUnicodeFile, "Import Error: The text file selected is enco (error, stops)"},
        {kImportValueTooLong, "Import Warning: The file contains memo fields  (warning)"},
        {kImportUnexpectedEnd, "Import Error: Orvanta encountered an unexpec (error, stops)"},
        {static_cast<int32_t>(0x80080020u), "Error: The file to export to is curre (error, stops)"},
        {-5, "Error: An error occured. (error, stops)"}};
    for (const auto& [status, expected] : rows) {
        CountingPrompt prompt;
        const bool stops = ReportImportExportResult(prompt, status, -1, "");
        const ImportExportReport report = ImportExportReportFor(status, -1, "");
        const char* icon = report.icon == pf::PromptIcon::Warning ? " (warning" : " (error";
        EXPECT_EQ(report.title + ": " +
                      (prompt.shown ? report.text.substr(0, 30) + icon + (stops ? ", stops)" : ")")
                                    : "(no message)"),
                  expected);
    }
    EXPECT_NE(ImportExportReportFor(kImportConversionFailed, 4, "abc")
                  .text.find("\n\nPossible error location: Row: 4, Field: abc"),
              std::string::npos);
    EXPECT_EQ(ImportExportReportFor(kImportConversionFailed, -1, "").text.find("Possible"),
              std::string::npos);
    EXPECT_NE(ImportExportReportFor(kImportRecordLimit, 3, "").text.find("Row: 3, Field: "),
              std::string::npos);
}

}  // namespace
