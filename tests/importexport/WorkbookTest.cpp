// Workbooks written by the test with Debian's python3-xlwt and python3-odf (or kept in
// tests/data), converted through Vornish.dll.
#include "importexport/ImportExportReport.h"
#include "importexport/WorkbookConvert.h"
#include "platform/Locale.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"
#include "support/XlsFixture.h"

namespace {

namespace pf = orvanta::platform;

class LastPrompt : public pf::IPrompt {
public:
    pf::PromptAnswer Show(const std::string& title, const std::string& text, pf::PromptIcon,
                          pf::PromptButtons) override {
        shown = title + ": " + text;
        return pf::PromptAnswer::Ok;
    }
    std::string shown;
};

// The converter writes with the program's user locale (an override included): its list
// separator, decimal separator and short date.
TEST(Workbook, FirstSheetBecomesCsvInTheUsersLocale) {
    pf::ScopedLocaleOverride locale(pf::Locale::FromName("de_DE"));
    TempDir dir;
    const std::string book = dir.File("book.xls");
    ASSERT_TRUE(WriteWorkbook(book)) << "python3-xlwt (scripts/install-deps.sh) writes the test's workbooks";
    LastPrompt prompt;
    std::string csv = book;
    bool converted = false;
    ASSERT_EQ(ConvertWorkbookToCsv(book, &csv, &converted, prompt), 0) << prompt.shown;
    EXPECT_TRUE(converted);
    EXPECT_EQ(csv, dir.File("book.csv"));
    EXPECT_EQ(ReadTextFile(csv), "Name;N;When\r\nCaf\xE9, bar;42;31.12.2004\r\n\"say \"\"hi\"\"\";1,5;\r\n");
    std::string second = book;
    ASSERT_EQ(ConvertWorkbookToCsv(book, &second, &converted, prompt), 0);
    EXPECT_EQ(second, dir.File("book_1.csv"));
}

// Saved by LibreOffice with a password: see tests/data/workbooks/README.md.
TEST(Workbook, PasswordProtectedWorkbookGivesTheExcelMessage) {
    TempDir dir;
    const std::string book = dir.File("book.xls");
    std::filesystem::copy_file(std::string(ORVANTA_TEST_DATA).append("/workbooks/password.xls"), book);
    LastPrompt prompt;
    std::string csv = book;
    bool converted = true;
    EXPECT_NE(ConvertWorkbookToCsv(book, &csv, &converted, prompt), 0);
    EXPECT_FALSE(converted);
    EXPECT_EQ(csv, book);
    EXPECT_FALSE(std::filesystem::exists(dir.File("book.csv")));
    EXPECT_EQ(prompt.shown, std::string("Error: ").append(kExcelProblemMessage));
}

// What the converter writes for a workbook, in US English; "failed: " and the message otherwise.
std::string Converted(const std::string& book) {
    pf::ScopedLocaleOverride locale(pf::Locale::UsEnglish());
    LastPrompt prompt;
    std::string csv = book;
    bool converted = false;
    if (ConvertWorkbookToCsv(book, &csv, &converted, prompt) != 0) return "failed: " + prompt.shown;
    return converted ? ReadTextFile(csv) : "not converted";
}

// Saved by LibreOffice (see tests/data/workbooks/README.md): the date and time by their number
// formats, the formula's result, the merged cell's second half and the empty cells empty.
TEST(Workbook, XlsxAndOdsFirstSheetsBecomeCsv) {
    TempDir dir;
    const std::string xlsx = dir.File("cells.XLSX");
    std::filesystem::copy_file(std::string(ORVANTA_TEST_DATA).append("/workbooks/cells.xlsx"), xlsx);
    EXPECT_EQ(Converted(xlsx),
              "Name,N,When,At,Real\r\n\"Caf\xE9, bar\",42,12/31/2004,10:30:00 AM,1.5\r\n\x80 5,,,,3\r\n"
              "merged,,,,\r\n");
    const std::string ods = dir.File("cells.ods");
    ASSERT_TRUE(WriteOpenDocument(ods))
        << "python3-odf (scripts/install-deps.sh) writes the test's workbooks";
    EXPECT_EQ(Converted(ods), "Name,N,When,At\r\nCaf\xE9 \x80,42,12/31/2004,10:05:09 PM\r\n,1.5,,\r\n");
    const std::string openpyxl = dir.File("openpyxl.xlsx");
    ASSERT_TRUE(WriteOpenpyxlWorkbook(openpyxl)) << "python3-openpyxl (scripts/install-deps.sh) writes it";
    EXPECT_EQ(Converted(openpyxl), "Name,N,When\r\nCaf\xE9,3,5/1/2020\r\nPlain,4.5,\r\n");
}

TEST(Workbook, DamagedXlsxAndOdsGiveTheExcelMessage) {
    TempDir dir;
    const std::vector<uint8_t> whole =
        ReadBytes(std::string(ORVANTA_TEST_DATA).append("/workbooks/cells.xlsx"));
    WriteBytes(dir.File("cut.xlsx"), std::vector<uint8_t>(whole.begin(), whole.begin() + whole.size() / 2));
    WriteBytes(dir.File("text.ods"), {'n', 'o', 't'});
    // A password-protected .xlsx is a compound file, not a zip package, as the protected .xls is.
    std::filesystem::copy_file(std::string(ORVANTA_TEST_DATA).append("/workbooks/password.xls"),
                               dir.File("protected.xlsx"));
    for (const char* name : {"cut.xlsx", "text.ods", "protected.xlsx"}) {
        EXPECT_EQ(Converted(dir.File(name)), std::string("failed: Error: ").append(kExcelProblemMessage))
            << name;
        EXPECT_FALSE(std::filesystem::exists(dir.File(std::filesystem::path(name).stem().string() + ".csv")));
    }
}

TEST(Workbook, OtherExtensionsAreReadAsTheyAre) {
    LastPrompt prompt;
    std::string csv = "/x/BOOK.XLS";
    bool converted = true;
    EXPECT_EQ(ConvertWorkbookToCsv("/x/BOOK.XLS", &csv, &converted, prompt), 0);
    EXPECT_FALSE(converted);
    EXPECT_EQ(csv, "/x/BOOK.XLS");
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(DelimiterForListSeparator('\t'), 0);
    EXPECT_EQ(DelimiterForListSeparator(';'), 2);
    EXPECT_EQ(DelimiterForListSeparator('|'), 3);
}

}  // namespace
