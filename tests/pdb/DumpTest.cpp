// The reader's diagnostic dump: where it goes, its banners and sections, labelled lines with
// the names of enumerated values, CR LF line ends.
#include "PdbBytes.h"

#include <unistd.h>
#include <cstdlib>
#include <ctime>
#include <filesystem>

namespace {

using namespace readertest;

// Sets TZ for one test and puts the old value back.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) m_old = old;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~ScopedTimeZone() {
        if (m_old)
            ::setenv("TZ", m_old->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> m_old;
};

class DumpTest : public ReaderTest {
protected:
    // Reads with the dump on and returns the dump's text.
    std::string Dumped(const PdbFile& file, int mode = CTbPDBReader::TB_READ_FULL,
                       TbResult expected = TB_S_OK) {
        reader.SetDumpFlag(true);
        EXPECT_EQ(Read(file, mode), expected) << reader.GetErrorText();
        std::vector<uint8_t> bytes = ReadBytes(dir.File("MRA_Test.txt"));
        return std::string(bytes.begin(), bytes.end());
    }
    // The dump's lines without their CR LF.
    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        for (size_t at = 0; at < text.size();) {
            size_t end = text.find("\r\n", at);
            if (end == std::string::npos) end = text.size();
            lines.push_back(text.substr(at, end - at));
            at = end + 2;
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

TEST_F(DumpTest, TheDumpIsOffUntilAsked) {
    EXPECT_FALSE(reader.GetDumpFlag());
    Load(RichTabulon());
    EXPECT_FALSE(std::filesystem::exists(dir.File("MRA_Test.txt")));
    reader.SetDumpFlag(true);
    EXPECT_TRUE(reader.GetDumpFlag());
}

TEST_F(DumpTest, BannersCentreTheTitleInStars) {
    EXPECT_EQ(CTbPDBDump::BannerTitleLine("PDB HEADER"),
              std::string(23, '*') + "PDB HEADER" + std::string(23, '*'));
    EXPECT_EQ(CTbPDBDump::BannerTitleLine("odd"), std::string(26, '*') + "odd" + std::string(27, '*'));
}

TEST_F(DumpTest, AFullReadDumpsEverySectionInOrder) {
    std::string text = Dumped(RichTabulon());
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "lines end in CR LF";
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
        ASSERT_EQ(text[at - 1], '\r');

    std::vector<std::string> lines = Lines(text);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::string(60, '-'));
    EXPECT_EQ(lines[1], CTbPDBDump::BannerTitleLine("PDB HEADER"));
    EXPECT_EQ(lines[2], std::string(60, '-'));
    std::vector<std::string> titles = {"PDB HEADER",
                                       "PDB RECORD LIST",
                                       "APPINFO BLOCK",
                                       "Record 0: Database Header Information",
                                       "Record 1: Field Properties (Level 1)",
                                       "Record 2:  Advanced Field Properties",
                                       "Record 82:  Advanced Field Properties",
                                       "Record 83: Next Key",
                                       "Record 84: Form Definition",
                                       "Record 85: View Definitions",
                                       "Record 86: Filter Definitions",
                                       "Record 87:  Data Record",
                                       "Record 88:  Data Record",
                                       "End Read (full read)"};
    auto at = lines.begin();
    for (const std::string& title : titles) {
        at = std::find(at, lines.end(), CTbPDBDump::BannerTitleLine(title));
        ASSERT_NE(at, lines.end()) << title;
    }
}

TEST_F(DumpTest, ValuesAreLabelledAndNamed) {
    std::vector<std::string> lines = Lines(Dumped(RichTabulon()));
    for (const char* line :
         {"Database Name: MRA_Test",
          "Attributes: 8 (Backup Database)",
          "Number of Records: 89",
          "Last Backup Date: 0 (none)",
          "(No AppInfo block)",
          "DB Version: 30",
          "  Field Type: 1 (TEXT_T)",
          "  Autowriter: 1 (auto-writer using comma)",
          "  Extra Attribute: 0 (Auto Shift Enabled)",
          "  Attributes: 128 (Include in Global Find)",
          "  Field Name: Name",
          "Item 1 Value: Mr",
          "LIST DATA CORRUPTED, continuing and removing corrupted list data",
          "Expression Format: 13 (EXPR_RESULT_TEXT)",
          "Element 1 Type: 1 (field 1)",
          "Element 2 Type: 90 (exprTokenPlus)",
          "Conditional Expression advanced property record is invalid.  Probably not set up on the HH.",
          "Next Key Value: 42",
          "  Tab Name: Main",
          "    Field Number: 255 {Label Row}",
          "    Label Font: 1 {boldFont}",
          "    Field Attributes: 64 {Align Center}",
          "    Label Text: Hello",
          "  Condition 1 Compare Operator: 104 (contains)",
          "  Condition 1 Second Field: 0 (use constant)",
          "  Logic Operator 1: 79 (OR)",
          "  Condition 2 Field: 0 (unused)",
          "Key: 7",
          "Field 1 (TEXT_T): hi",
          "Field 2 (UNKNOWN): UNKNOWN FIELD TYPE!",
          "INVALID DATA RECORD"})
        EXPECT_TRUE(Has(lines, line)) << line;
}

TEST_F(DumpTest, AHeaderOnlyDumpStopsAfterRecordZero) {
    std::vector<std::string> lines = Lines(Dumped(RichTabulon(), CTbPDBReader::TB_READ_HEADER_ONLY));
    EXPECT_TRUE(Has(lines, CTbPDBDump::BannerTitleLine("Record 0: Database Header Information")));
    EXPECT_FALSE(Has(lines, CTbPDBDump::BannerTitleLine("Record 1: Field Properties (Level 1)")));
    EXPECT_EQ(lines[lines.size() - 2], CTbPDBDump::BannerTitleLine("End Read (header only)"));
}

TEST_F(DumpTest, AFailedReadKeepsWhatWasDumped) {
    PdbFile file = RichTabulon();
    file.type = "DATA";
    file.appInfo = 1;
    std::vector<std::string> lines = Lines(Dumped(file, CTbPDBReader::TB_READ_FULL, -1));
    EXPECT_TRUE(Has(lines, "Database Type: 1145132097 ('DATA')"));
    EXPECT_FALSE(Has(lines, CTbPDBDump::BannerTitleLine("PDB RECORD LIST")));
}

TEST_F(DumpTest, TheDumpCanGoElsewhere) {
    reader.SetDumpFlag(true);
    reader.SetDumpPath(dir.File("elsewhere.log"));
    Load(RichTabulon());
    EXPECT_TRUE(std::filesystem::exists(dir.File("elsewhere.log")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("MRA_Test.txt")));

    reader.SetDumpPath(dir.File("missing/folder.log"));
    EXPECT_EQ(Read(RichTabulon()), static_cast<int32_t>(0x80080003));
    EXPECT_EQ(reader.GetErrorText(), "File could not be found or could not be opened.");
}

TEST_F(DumpTest, AnInputPathTooShortForTheDumpNameClearsTheFlag) {
    std::filesystem::path old = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    WriteBytes("A.P", RichTabulon().Build());
    reader.SetDumpFlag(true);
    EXPECT_EQ(reader.Read(db, "A.P", CTbPDBReader::TB_READ_FULL, nullptr), TB_S_OK);
    std::filesystem::current_path(old);
    EXPECT_FALSE(reader.GetDumpFlag());
    EXPECT_FALSE(std::filesystem::exists(dir.File(".txt")));
}

TEST_F(DumpTest, ADumpNamedLikeItsInputIsNotWritten) {
    path = dir.File("MRA_Notes.txt");
    std::vector<uint8_t> bytes = RichTabulon().Build();
    WriteBytes(path, bytes);
    reader.SetDumpFlag(true);
    EXPECT_EQ(reader.Read(db, path, CTbPDBReader::TB_READ_FULL, nullptr), TB_S_OK);
    EXPECT_EQ(ReadBytes(path), bytes) << "the input is left as it was";
    EXPECT_FALSE(reader.GetDumpFlag());
}

TEST(DumpNamesTest, NamesFollowTheTablesOfTheFormat) {
    EXPECT_EQ(TbDumpPdbAttributes(0x004A), "(Read Only, Backup Database, No Beam)");
    EXPECT_EQ(TbDumpPdbAttributes(0x8000), "");
    EXPECT_EQ(TbDumpRecordAttributes(0x88), "(Deleted, Archived, not valid)");
    EXPECT_EQ(TbDumpFieldType(22), "(ADV_EXPRESSION_T)");
    EXPECT_EQ(TbDumpFieldType(23), "(UNKNOWN)");
    EXPECT_EQ(TbDumpExprResult(0), "(EXPR_RESULT_FLOATING)");
    EXPECT_EQ(TbDumpExprResult(14), "(Invalid Format!)");
    EXPECT_EQ(TbDumpToken(84), "(exprTokenToday)");
    EXPECT_EQ(TbDumpToken(99), "(exprTokenPrevRecIndex)");
    for (int unnamed : {81, 82, 83, 85, 100, -3}) EXPECT_EQ(TbDumpToken(unnamed), "(\?\?\?\?)") << unnamed;
    EXPECT_EQ(TbDumpToken(105), "(previous record field 5)");
    EXPECT_EQ(TbDumpAutoWriter(7), "(auto-writer using no separator)");
    EXPECT_EQ(TbDumpAutoShift(1), "(Disable Auto Shift)");
    EXPECT_EQ(TbDumpGlobalFind(0), "(Exclude from Global Find)");
    EXPECT_EQ(TbDumpColour(4), "(yellow)");
    EXPECT_EQ(TbDumpColour(5), "(INVALID COLOR)");
    EXPECT_EQ(TbDumpFieldNumber(81), "(INVALID FIELD NUMBER)");
    EXPECT_EQ(TbDumpFormField(81), "(INVALID FIELD NUMBER)");
    EXPECT_EQ(TbDumpFilterField(90), "(INVALID FIELD INDEX)");
    EXPECT_EQ(TbDumpFont(3), "{largeBoldFont}");
    EXPECT_EQ(TbDumpAlignment(3), "{Align Justify}");
    EXPECT_EQ(TbDumpImageDisplay(2), "{Display as Large Thunbnail}");
    EXPECT_EQ(TbDumpCompareOperator('='), "(=)");
    EXPECT_EQ(TbDumpCompareOperator('L'), "(<=)");
    EXPECT_EQ(TbDumpCompareOperator('J'), "(>=)");
    EXPECT_EQ(TbDumpCompareOperator('H'), "(Contains (case sensitive))");
    EXPECT_EQ(TbDumpCompareOperator('S'), "(Starts (case sensitive))");
    EXPECT_EQ(TbDumpCompareOperator('x'), "(UNKNOWN OPERATOR)");
    EXPECT_EQ(TbDumpLogicOperator('A'), "(AND)");
    EXPECT_EQ(TbDumpLogicOperator('X'), "(UNKNOWN LOGIC OPERATOR)");
    EXPECT_EQ(TbDumpDefaultFilter(0x0006), "(filter 1)");
    EXPECT_EQ(TbDumpDefaultFilter(0xC000), "(no default filter)");
    EXPECT_EQ(TbDumpFourChars(0x4D4E4452), "('MNDR')");
}

TEST(DumpNamesTest, DatesAreLocalTimeWithTheMonthsName) {
    ScopedTimeZone utc("UTC");
    EXPECT_EQ(TbDumpPalmDate(0), "(none)");
    EXPECT_EQ(TbDumpPalmDate(2082844800), "(none)");
    EXPECT_EQ(TbDumpPalmDate(2082844801), "(January 1, 1970 00:00:01)");
    EXPECT_EQ(TbDumpPalmDate(1098878400LL + 2082844800LL), "(October 27, 2004 12:00:00)");
    ScopedTimeZone berlin("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(TbDumpPalmDate(1098878400LL + 2082844800LL), "(October 27, 2004 14:00:00)");
}

TEST(DumpNamesTest, TextIsEscaped) { EXPECT_EQ(CTbPDBDump::Escaped("a\r\n\tb\x01"), "a\\r\\n\\tb\\x01"); }

}  // namespace
