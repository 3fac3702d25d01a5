// The reader's diagnostic dump: where it goes and when it is not written, its banners and
// sections in order, labelled lines with the names of enumerated values, CR LF line ends.
#include "PdbTestSupport.h"
#include "support/ScopedEnv.h"

#include <filesystem>

namespace {

using namespace pdbtest;
namespace fs = std::filesystem;

class DumpTest : public PdbTest {
protected:
    // Reads with the dump on and returns the dump's lines, checking that each ends in CR LF.
    std::vector<std::string> Dumped(const PdbFile& file, int mode = CTbPDBReader::TB_READ_FULL,
                                    TbResult expected = TB_S_OK) {
        reader.SetDumpFlag(true);
        EXPECT_EQ(Read(file, mode), expected) << reader.GetErrorText();
        std::vector<uint8_t> bytes = ReadBytes(dir.File("MRA_Test.txt"));
        std::string text(bytes.begin(), bytes.end());
        std::vector<std::string> lines;
        for (size_t at = 0, lf; at < text.size(); at = lf + 1) {
            lf = text.find('\n', at);
            if (lf == std::string::npos || lf == at || text[lf - 1] != '\r') {
                ADD_FAILURE() << "line " << lines.size() << " does not end in CR LF";
                break;
            }
            lines.push_back(text.substr(at, lf - 1 - at));
        }
        return lines;
    }
    static bool Has(const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

// A Tabulon with a little of everything the dump shows.
PdbFile RichTabulon() {
    PdbFile file = PdbFile::Tabulon();
    file.SetFields({FieldEntry(1, TEXT_T, "Name").AutoWriter(1).Attributes(0x80),
                    FieldEntry(2, LIST_T, "Colour"), FieldEntry(3, ADV_EXPRESSION_T, "Sum"),
                    FieldEntry(4, COND_EXP_T, "Check")});
    file.SetAdvanced(1, ListBlock({{1, "Mr"}}));
    file.SetAdvanced(2, Bytes{3, 1, 2});  // too short for three items
    file.SetAdvanced(3, Bytes{EXPR_RESULT_TEXT, 1, 90}.Zeros(46).Zeros(22));
    file.Record(83).body = Bytes{83}.U32(42);
    file.Record(84).body = Bytes{84, 0, 1}.Str("Main").U8(60).Zeros(2).U8(1);
    file.Record(84).body.Add(
        Bytes{255, 1, 1}.U32(0).U32(0).U8(0).U32(0).U32(0).U8(0x40).Zeros(2).Str("Hello").Str(""));
    file.Record(86).body = Bytes{86, 1}.Add(FilterBlock("F", {Condition{1, 'h', 0, "x"}}, 'O', 'A'));
    file.Record(86).body.Add(FilterBlock("")).Add(FilterBlock(""));
    file.AddData(DataRecord(0, 7, Bytes{1, 1, 2}.Raw("hi").U8(0).Add(Bytes{30, 2})));
    file.AddData(DataRecord(0, 8), 0x80);
    return file;
}

TEST_F(DumpTest, AFullReadDumpsEverySectionInOrder) {
    std::vector<std::string> lines = Dumped(RichTabulon());
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::string(60, '-'));
    EXPECT_EQ(lines[1], std::string(23, '*') + "PDB HEADER" + std::string(23, '*'));
    EXPECT_EQ(lines[2], std::string(60, '-'));
    auto at = lines.begin();
    for (const char* title :
         {"PDB HEADER", "PDB RECORD LIST", "APPINFO BLOCK", "Record 0: Database Header Information",
          "Record 1: Field Properties (Level 1)", "Record 2:  Advanced Field Properties",
          "Record 82:  Advanced Field Properties", "Record 83: Next Key", "Record 84: Form Definition",
          "Record 85: View Definitions", "Record 86: Filter Definitions", "Record 87:  Data Record",
          "Record 88:  Data Record", "End Read (full read)"}) {
        at = std::find(at, lines.end(), CTbPDBDump::BannerTitleLine(title));
        ASSERT_NE(at, lines.end()) << title;
    }
}

TEST_F(DumpTest, ValuesAreLabelledAndNamed) {
    std::vector<std::string> lines = Dumped(RichTabulon());
    for (const char* line :
         {"Database Name: MRA_Test",
          "Attributes: 8 (Backup Database)",
          "Number of Records: 89",
          "(No AppInfo block)",
          "  Field Type: 1 (TEXT_T)",
          "  Autowriter: 1 (auto-writer using comma)",
          "  Attributes: 128 (Include in Global Find)",
          "Item 1 Value: Mr",
          "LIST DATA CORRUPTED, continuing and removing corrupted list data",
          "Expression Format: 13 (EXPR_RESULT_TEXT)",
          "Element 2 Type: 90 (exprTokenPlus)",
          "Conditional Expression advanced property record is invalid.  Probably not set up on the HH.",
          "Next Key Value: 42",
          "    Field Number: 255 {Label Row}",
          "    Field Attributes: 64 {Align Center}",
          "  Condition 1 Compare Operator: 104 (contains)",
          "Key: 7",
          "Field 1 (TEXT_T): hi",
          "Field 2 (UNKNOWN): UNKNOWN FIELD TYPE!",
          "INVALID DATA RECORD"})
        EXPECT_TRUE(Has(lines, line)) << line;
}

TEST_F(DumpTest, AHeaderOnlyOrFailedReadDumpsWhatItRead) {
    std::vector<std::string> lines = Dumped(RichTabulon(), CTbPDBReader::TB_READ_HEADER_ONLY);
    EXPECT_TRUE(Has(lines, CTbPDBDump::BannerTitleLine("Record 0: Database Header Information")));
    EXPECT_FALSE(Has(lines, CTbPDBDump::BannerTitleLine("Record 1: Field Properties (Level 1)")));
    EXPECT_EQ(lines[lines.size() - 2], CTbPDBDump::BannerTitleLine("End Read (header only)"));

    PdbFile file = RichTabulon();
    file.type = "DATA";
    lines = Dumped(file, CTbPDBReader::TB_READ_FULL, -1);
    EXPECT_TRUE(Has(lines, "Database Type: 1145132097 ('DATA')"));
    EXPECT_FALSE(Has(lines, CTbPDBDump::BannerTitleLine("PDB RECORD LIST")));
}

TEST_F(DumpTest, TheDumpIsOffUntilAskedAndGoesWhereItIsToldOrNowhere) {
    Load(RichTabulon());
    EXPECT_FALSE(fs::exists(dir.File("MRA_Test.txt")));
    reader.SetDumpFlag(true);
    reader.SetDumpPath(dir.File("elsewhere.log"));
    Load(RichTabulon());
    EXPECT_TRUE(fs::exists(dir.File("elsewhere.log")));
    EXPECT_FALSE(fs::exists(dir.File("MRA_Test.txt")));

    reader.SetDumpPath(dir.File("missing/folder.log"));
    EXPECT_EQ(Read(RichTabulon()), static_cast<int32_t>(0x80080003));
    EXPECT_EQ(reader.GetErrorText(), "File could not be found or could not be opened.");

    // No dump overwrites its input or gets a name of its extension only.
    reader.SetDumpPath("");
    path = dir.File("MRA_Notes.txt");
    std::vector<uint8_t> bytes = RichTabulon().Build();
    WriteBytes(path, bytes);
    reader.SetDumpFlag(true);
    EXPECT_EQ(reader.Read(db, path, CTbPDBReader::TB_READ_FULL, nullptr), TB_S_OK);
    EXPECT_EQ(ReadBytes(path), bytes) << "the input is left as it was";
    EXPECT_FALSE(reader.GetDumpFlag());

    fs::path old = fs::current_path();
    fs::current_path(dir.Path());
    WriteBytes("A.P", bytes);
    reader.SetDumpFlag(true);
    EXPECT_EQ(reader.Read(db, "A.P", CTbPDBReader::TB_READ_FULL, nullptr), TB_S_OK);
    fs::current_path(old);
    EXPECT_FALSE(reader.GetDumpFlag());
    EXPECT_FALSE(fs::exists(dir.File(".txt")));
}

TEST(DumpNamesTest, BannersDatesTokensMasksAndEscapes) {
    EXPECT_EQ(CTbPDBDump::BannerTitleLine("odd"), std::string(26, '*') + "odd" + std::string(27, '*'));
    EXPECT_EQ(TbDumpPdbAttributes(0x004A), "(Read Only, Backup Database, No Beam)");
    for (int unnamed : {81, 85, 100, -3}) EXPECT_EQ(TbDumpToken(unnamed), "(\?\?\?\?)") << unnamed;
    EXPECT_EQ(TbDumpToken(105), "(previous record field 5)");
    EXPECT_EQ(TbDumpDefaultFilter(0x0006), "(filter 1)");
    EXPECT_EQ(CTbPDBDump::Escaped("a\r\n\tb\x01"), "a\\r\\n\\tb\\x01");
    ScopedEnv zone("TZ", "UTC");
    EXPECT_EQ(TbDumpPalmDate(2082844800), "(none)");
    EXPECT_EQ(TbDumpPalmDate(2082844801), "(January 1, 1970 00:00:01)");
    zone.Set("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(TbDumpPalmDate(1098878400LL + 2082844800LL), "(October 27, 2004 14:00:00)") << "local time";
}

}  // namespace
