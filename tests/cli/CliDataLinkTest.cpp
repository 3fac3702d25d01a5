// analyze, import, export, the specs and run-spec commands end to end on files the test writes.
#include "CliRunner.h"

#include <gtest/gtest.h>

#include "model/TbObjDB.h"
#include "support/XlsFixture.h"

namespace {

class CliDataLink : public CliBooks {
protected:
    void SetUp() override { CreateBooks({{"Title", TEXT_T}}); }
};

TEST_F(CliDataLink, AnalyzeListsColumnsAndRefusesUnicode) {
    CliRun run = Run("analyze " + Write("a.csv", "Name;N\nx;1\ny;70000\n") + " --delimiter semicolon");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1\tName\t1\tText\n2\tN\t3\tLong\nrecords: 3\n");
    run = Run("analyze " + Write("b.TSV", "a b\tc\n"));
    EXPECT_EQ(run.out, "1\ta b\t0\tUnknown\n2\tc\t0\tUnknown\nrecords: 1\n");
    run = Run("analyze " + Write("u.csv", "\xEF\xBB\xBFx\n"));
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.err, "Import Error: The text file selected is encoded in Unicode format."))
        << run.err;
    run = Run("analyze " + ShellQuote(dir.File("none.csv")));
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.err, "File Missing: The specified file cannot be found.")) << run.err;
}

TEST_F(CliDataLink, ImportsExportsAndKeepsRecordsBeforeAFailure) {
    Write("in.csv", "Name,Pages\n\"Dune, 1\",412\nEmma,300\n");
    CliRun run = Import("in.csv", " --add-all --save-spec Books_In");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "imported: 2\n");
    run = Export("out.TAB", " --fields 3,2 --no-header");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Read("out.TAB"), "412\tDune, 1\r\n300\tEmma\r\n");
    run = Run("import " + tabulon + " " + Write("bad.csv", "N\n5\nfive\n6\n") + " --map 1=3 --replace");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "imported: 2\n");
    EXPECT_TRUE(Contains(run.err, "Possible error location: Row: 3, Field: five")) << run.err;
    run = Export("after.csv", " --fields 3");
    // The row that failed stays, cleared; the file keeps its number as 0.
    EXPECT_EQ(Read("after.csv"), "Pages\r\n5\r\n0\r\n");
    run = Run("import " + tabulon + " " + Write("in2.csv", "a\n") + " --map 1=3 --map 1=3");
    EXPECT_EQ(run.status, 0);
    run = Run("import " + tabulon + " " + Write("in3.csv", "a,b\n") + " --map 1=2 --map 2=2");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.err, "Field Mapping Error")) << run.err;
}

TEST_F(CliDataLink, ImportsAWorkbookAndRemovesItsCsv) {
    ASSERT_TRUE(WriteWorkbook(dir.File("book.xls")));
    CliRun run = Import("book.xls", " --add-all");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "imported: 2\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("book.csv")));
    run = Export("o.csv", " --fields 2,3,4");
    // Import keeps doubled quotes doubled, so export doubles them again.
    EXPECT_EQ(Read("o.csv"),
              "Name,N,When\r\n\"Caf\xE9, bar\",42,12/31/2004\r\n\"say \"\"\"\"hi\"\"\"\"\",1.5,\r\n");
    run = Run("analyze " + Write("bad.xls", "not a workbook"));
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.err, "Error: Orvanta encountered a problem while trying to import the file."))
        << run.err;
}

TEST_F(CliDataLink, SavedSpecsListAndRunUntilTheMappingBreaks) {
    const std::string in = Write("in.csv", "Name\nA\nB\n");
    ASSERT_EQ(Run("import " + tabulon + " " + in + " --map 1=1 --save-spec Daily").status, 0);
    ASSERT_EQ(Export("o.csv", " --save-spec Out").status, 0);
    CliRun run = Run("specs " + tabulon);
    EXPECT_EQ(run.out, "Daily\tImport\t" + dir.File("in.csv") + "\nOut\tExport\t" + dir.File("o.csv") + "\n");
    run = Run("run-spec " + tabulon + " Daily");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "imported: 2\n");
    ASSERT_EQ(Run("run-spec " + tabulon + " Out").status, 0);
    EXPECT_EQ(Read("o.csv"), "Categories,Title\r\nUnfiled,A\r\nUnfiled,B\r\nUnfiled,A\r\nUnfiled,B\r\n");
    for (const char* changed : {"Other\nA\n", "Name\n1\n"}) {  // another name, another type
        Write("in.csv", changed);
        run = Run("run-spec " + tabulon + " Daily");
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(Contains(run.err, "Warning: The field mapping is no longer valid")) << run.err;
    }
    EXPECT_EQ(Run("run-spec " + tabulon + " Nothing").status, 1);
    std::filesystem::remove(dir.File("MRA_Books.tps"));
    std::filesystem::create_directory(dir.File("MRA_Books.tps"));  // a file that cannot be read
    run = Run("specs " + tabulon);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.err, "There was an error loading the Import / Export specifications."))
        << run.err;
}

// The joined pair of samples: the DB Join and DB Lookups resolved against the Tabulon beside
// the file and the order value recalculated, by export and by a saved export specification.
TEST_F(CliDataLink, ExportsJoinedAndComputedValuesAsResolvedNow) {
    const auto samples =
        std::filesystem::path(ORVANTA_CLI).parent_path().parent_path() / "samples" / "Sample Tabulons";
    for (const char* name : {"MRA_Suppliers.PDB", "MRA_Workshop Stock.PDB"})
        std::filesystem::copy_file(samples / name, dir.File(name));
    const std::string stock = ShellQuote(dir.File("MRA_Workshop Stock.PDB")), out = dir.File("parts.csv");
    CliRun run = Run("export " + stock + " " + ShellQuote(out) + " --fields 1,2,3,5,8 --save-spec Parts");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string expected =
        "Part,Supplier,Phone,Discount,Order value\r\nClaw hammer,Brightwell Tools,555-0142,5.0,55.1\r\n";
    EXPECT_EQ(ReadText(out).substr(0, expected.size()), expected);
    EXPECT_TRUE(Contains(ReadText(out), "\r\nWall plugs,,,,136\r\n"));  // a supplier not in Suppliers
    std::filesystem::remove(out);
    ASSERT_EQ(Run("run-spec " + stock + " Parts").status, 0);
    EXPECT_EQ(ReadText(out).substr(0, expected.size()), expected);
}

}  // namespace
