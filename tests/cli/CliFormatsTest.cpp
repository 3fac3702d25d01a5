// Unicode text files, .xlsx workbooks, JSON and SQLite through orvanta-cli end to end, checked
// with the tools people use on such files: iconv, sqlite3 and a JSON parser.
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "model/TbObjDB.h"

namespace {

class CliFormats : public CliBooks {
protected:
    void SetUp() override {
        CreateBooks({{"Title", TEXT_T},
                     {"N", INTEGER_T},
                     {"Price", FLOATING_T},
                     {"When", DATE_T},
                     {"At", TIME_T},
                     {"Done", CHECKBOX_T}});
    }
    // A shell command's status, its output in a file of the scratch folder.
    std::string Shell(const std::string& command) {
        const std::string out = scratch.File("shell-out");
        const int status = std::system(("(" + command + ") >" + ShellQuote(out) + " 2>&1").c_str());
        return std::to_string(WEXITSTATUS(status)) + ":" + ReadText(out);
    }
    // Two typed records: one with every value, one with only a title (its numbers, time and
    // checkbox imported as cleared values, its date as none).
    void ImportTwoRecords() {
        Write("in.csv",
              "Title,N,Price,When,At,Done\n\"Caf\xE9, cr\x80me\",12,2.5,12/31/2004,10:30 PM,True\n"
              "Plain,,,,,\n");
        CliRun run = Import("in.csv", " --map 1=1 --map 2=2 --map 3=3 --map 4=4 --map 5=5 --map 6=6");
        ASSERT_EQ(run.status, 0) << run.err;
    }
};

// "Café, crème" with the Euro sign for the e, "Łódź" (two characters outside Windows-1252).
const std::string kUtf8Csv = "Title\n\"Caf\xC3\xA9, cr\xE2\x82\xACme\"\n\xC5\x81\xC3\xB3\x64\xC5\xBA\n";
const std::string kExported = "Title\r\n\"Caf\xE9, cr\x80me\"\r\n?\xF3\x64?\r\n";

TEST_F(CliFormats, UnicodeTextImportsWithAWarningAndTheDefaultStillRefusesIt) {
    Write("signed.csv", "\xEF\xBB\xBF" + kUtf8Csv);
    CliRun run = Import("signed.csv", " --map 1=1");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.err, "Import Error: The text file selected is encoded in Unicode format."))
        << run.err;
    Write("plain.csv", kUtf8Csv);
    ASSERT_EQ(Shell("iconv -f UTF-8 -t UTF-16LE " + Path("plain.csv") + " >" + Path("le.csv")).front(), '0');
    ASSERT_EQ(Shell("iconv -f UTF-8 -t UTF-16BE " + Path("plain.csv") + " >" + Path("be.csv")).front(), '0');
    for (const char* args :
         {"signed.csv --encoding utf-8", "signed.csv --encoding auto", "plain.csv --encoding auto",
          "le.csv --encoding utf-16", "be.csv --encoding utf-16"}) {
        run = Run("import " + tabulon + " " + dir.File(args) + " --map 1=1 --replace");
        ASSERT_EQ(run.status, 0) << args << run.err;
        EXPECT_EQ(run.out, "imported: 2\n");
        EXPECT_TRUE(
            Contains(run.err,
                     "Import Warning: 2 characters of the file cannot be held in the Windows-1252 code "
                     "page and will be imported as \"?\". The first is on line 3."))
            << args << run.err;
        ASSERT_EQ(Export("out.csv", " --fields 1").status, 0);
        EXPECT_EQ(Read("out.csv"), kExported) << args;
    }
    // A saved specification keeps the encoding.
    ASSERT_EQ(Import("le.csv", " --map 1=1 --encoding utf-16 --save-spec U").status, 0);
    run = Run("run-spec " + tabulon + " U");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(run.err, "Import Warning: 2 characters")) << run.err;
    EXPECT_EQ(Run("analyze " + Path("plain.csv") + " --encoding utf-7").status, 1);
    // A transcoded file keeps its own delimiter.
    Write("tabbed.tsv", "Title\tOther\nAlpha, Beta\tx\n");
    ASSERT_EQ(Import("tabbed.tsv", " --map 1=1 --replace --encoding utf-8").status, 0);
    ASSERT_EQ(Export("tabbed.csv", " --fields 1").status, 0);
    EXPECT_TRUE(Contains(Read("tabbed.csv"), "\"Alpha, Beta\"")) << Read("tabbed.csv");
}

// The UTF-8 export, with and without its signature, turned back by iconv.
TEST_F(CliFormats, TextExportsAsUtf8) {
    ImportTwoRecords();
    ASSERT_EQ(Export("ansi.csv", " --fields 1,2").status, 0);
    ASSERT_EQ(Export("utf8.csv", " --fields 1,2 --encoding utf-8").status, 0);
    ASSERT_EQ(Export("bom.csv", " --fields 1,2 --encoding utf-8-bom").status, 0);
    EXPECT_EQ(Read("bom.csv"), "\xEF\xBB\xBF" + Read("utf8.csv"));
    EXPECT_EQ(Shell("iconv -f UTF-8 -t WINDOWS-1252 " + Path("utf8.csv")), "0:" + Read("ansi.csv"));
    EXPECT_EQ(Export("x.csv", " --encoding utf-16").status, 1);
}

TEST_F(CliFormats, JsonIsAnArrayOfTypedObjects) {
    ImportTwoRecords();
    // The format by name wins over the extension, and a saved specification keeps it.
    CliRun run = Export("out.txt", " --format json --save-spec J");
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json records = nlohmann::json::parse(Read("out.txt"));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], nlohmann::json::parse(
                              "{\"Categories\": \"Unfiled\", \"Title\": \"Caf\xC3\xA9, cr\xE2\x82\xACme\", "
                              "\"N\": 12, \"Price\": 2.5, \"When\": \"2004-12-31\", \"At\": \"22:30:00\", "
                              "\"Done\": true}"));
    EXPECT_EQ(records[1], nlohmann::json::parse(
                              "{\"Categories\": \"Unfiled\", \"Title\": \"Plain\", \"N\": 0, \"Price\": 0.0, "
                              "\"When\": null, \"At\": \"00:00:00\", \"Done\": false}"));
    std::filesystem::remove(dir.File("out.txt"));
    ASSERT_EQ(Run("run-spec " + tabulon + " J").status, 0);
    EXPECT_EQ(nlohmann::json::parse(Read("out.txt")), records);
}

TEST_F(CliFormats, SqliteTableReplacedOnlyWhenAsked) {
    ImportTwoRecords();
    ASSERT_EQ(Export("out.sqlite").status, 0);
    const std::string query = "sqlite3 " + Path("out.sqlite") + " ";
    EXPECT_EQ(Shell(query + "'SELECT count(*) FROM Books'"), "0:2\n");
    EXPECT_EQ(Shell(query + "'SELECT typeof(Title), typeof(N), typeof(Price), \"When\", At, Done FROM Books "
                            "WHERE N = 12'"),
              "0:text|integer|real|2004-12-31|22:30:00|1\n");
    EXPECT_EQ(Shell(query + "'SELECT typeof(N), typeof(\"When\") FROM Books WHERE Title = \"Plain\"'"),
              "0:integer|null\n");
    EXPECT_EQ(Shell(query + "'SELECT date(\"When\", \"+1 day\") FROM Books WHERE N = 12'"), "0:2005-01-01\n");
    CliRun run = Export("out.sqlite");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.err, "Export Error: The file already holds a table named \"Books\"."))
        << run.err;
    ASSERT_EQ(Export("out.sqlite", " --replace --fields 1").status, 0);
    EXPECT_EQ(Shell(query + "'SELECT count(*), group_concat(name) FROM pragma_table_info(\"Books\")'"),
              "0:1|Title\n");
    Write("text.sqlite", "not a database");
    run = Export("text.sqlite");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.err, "Export Error: The file could not be written.")) << run.err;
}

// The workbook export read back through the workbook import: the same values and types.
TEST_F(CliFormats, XlsxExportReadsBackThroughTheImport) {
    ImportTwoRecords();
    ASSERT_EQ(Export("before.csv").status, 0);
    CliRun run = Export("out.xlsx", " --time-24h");
    ASSERT_EQ(run.status, 0) << run.err;
    run = Run("analyze " + Path("out.xlsx"));
    EXPECT_EQ(
        run.out,
        "1\tCategories\t1\tText\n2\tTitle\t1\tText\n3\tN\t2\tInteger\n4\tPrice\t4\tFloat\n5\tWhen\t7\tDate\n"
        "6\tAt\t8\tTime\n7\tDone\t6\tCheckbox\nrecords: 3\n")
        << run.err;
    ASSERT_EQ(
        Import("out.xlsx", " --replace --map 2=1 --map 3=2 --map 4=3 --map 5=4 --map 6=5 --map 7=6").status,
        0);
    ASSERT_EQ(Export("back.csv").status, 0);
    EXPECT_EQ(Read("back.csv"), Read("before.csv"));
    EXPECT_TRUE(Contains(Read("back.csv"), "\"Caf\xE9, cr\x80me\",12,2.5,12/31/2004,10:30 PM,-1\r\n"));
}

// The workbook as openpyxl reads it: the sheet's name, the bold and frozen header, the fitted
// widths, typed cells with their formats, and text that needs escaping in XML.
TEST_F(CliFormats, XlsxExportIsAWorkbookOpenpyxlReads) {
    ImportTwoRecords();
    Write("odd.csv", "Title\n\" <b> & \x01 \"\n");
    ASSERT_EQ(Import("odd.csv", " --map 1=1").status, 0);
    ASSERT_EQ(Export("out.xlsx").status, 0);
    Write("read.py",
          "import sys, openpyxl\n"
          "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
          "print(ws.title, ws.freeze_panes, ws['A1'].font.b, ws.column_dimensions['B'].width)\n"
          "for row in ws.iter_rows(min_row=2):\n"
          "    print('|'.join(ascii(c.value) + ' ' + c.number_format for c in row))\n");
    EXPECT_EQ(
        Shell("/usr/bin/python3 " + Path("read.py") + " " + Path("out.xlsx")),
        "0:Books A2 True 13.0\n"
        "'Unfiled' General|'Caf\\xe9, cr\\u20acme' General|12 General|2.5 General|"
        "datetime.datetime(2004, 12, 31, 0, 0) mm/dd/yyyy|datetime.time(22, 30) h:mm AM/PM|True General\n"
        "'Unfiled' General|'Plain' General|0 General|0 General|None General|"
        "datetime.time(0, 0) h:mm AM/PM|False General\n"
        "'Unfiled' General|' <b> & _x0001_ ' General|0 General|0 General|None General|"
        "datetime.time(0, 0) h:mm AM/PM|False General\n");
}

}  // namespace
