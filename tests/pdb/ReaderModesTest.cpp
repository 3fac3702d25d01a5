// The three read modes, the modified flag, and the progress a read reports.
#include "PdbBytes.h"

namespace {

using namespace readertest;
using ReaderModesTest = ReaderTest;

// A Tabulon with a Text field, a header setting and two data records.
PdbFile SmallTabulon() {
    PdbFile file = PdbFile::Tabulon();
    file.Record(0).body[10] = 1;  // read only
    file.Record(0).body[8] = 4;   // DB category
    file.SetFields({FieldEntry(1, TEXT_T, "Name")});
    file.AddData(DataRecord(0, 1, Bytes{1, 1, 1}.Raw("a").U8(0)));
    file.AddData(DataRecord(0, 2, Bytes{1, 1, 1}.Raw("b").U8(0)));
    return file;
}

TEST_F(ReaderModesTest, AHeaderOnlyReadStopsAfterRecordZero) {
    Load(SmallTabulon(), CTbPDBReader::TB_READ_HEADER_ONLY);
    EXPECT_TRUE(db.GetReadOnly());
    EXPECT_EQ(db.GetDbCategory(), 4);
    EXPECT_FALSE(db.Field(1)->IsUsed()) << "record 1 is not read";
    EXPECT_EQ(db.Records().Count(true), 0);
    EXPECT_EQ(db.UniqueIds().size(), 89u);
}

TEST_F(ReaderModesTest, AHeaderOnlyLoadKnowsItsNumberOfDataRecords) {
    PdbFile file = SmallTabulon();
    file.AddData(DataRecord(0, 3), 0x80);  // deleted: not counted
    db.SetLocation(file.WriteTo(dir), true);
    ASSERT_EQ(db.Load(true), TB_S_OK);
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_HEADER);
    EXPECT_EQ(db.RecordCount(), 2);
}

TEST_F(ReaderModesTest, ContinuingKeepsHeaderSettingsChangedInBetweenAndRebuildsIds) {
    db.SetLocation(SmallTabulon().WriteTo(dir), true);
    ASSERT_EQ(db.Load(true), TB_S_OK);
    db.SetReadOnly(false);
    db.SetDbCategory(9);
    db.UniqueIds().push_back(77);
    ASSERT_EQ(db.Load(false), TB_S_OK) << db.GetLastErrorText();

    EXPECT_EQ(db.GetLoadState(), TB_LOAD_FULL);
    EXPECT_FALSE(db.GetReadOnly());
    EXPECT_EQ(db.GetDbCategory(), 9);
    EXPECT_EQ(db.Field(1)->GetName(), "Name");
    EXPECT_EQ(db.RecordCount(), 2);
    EXPECT_EQ(db.UniqueIds().size(), 89u);
    EXPECT_TRUE(db.IsModified()) << "the user's changes still count";
}

TEST_F(ReaderModesTest, ContinuingStillChecksRecordZero) {
    PdbFile file = SmallTabulon();
    file.Record(0).body[7] = 31;
    EXPECT_EQ(Read(file, CTbPDBReader::TB_READ_CONTINUE), -1);
    EXPECT_EQ(reader.GetErrorText(), "Version of Tabulon is higher than this component can read!");
    EXPECT_EQ(db.GetDbVersion(), 30) << "not stored when continuing";
}

TEST_F(ReaderModesTest, ReadingNeverLeavesTheTabulonModified) {
    Load(SmallTabulon());
    EXPECT_FALSE(db.IsModified());

    PdbFile bad = SmallTabulon();
    bad.Record(1).body[0] = 9;
    CTbObjDB other;
    other.SetModified(true);
    EXPECT_EQ(reader.Read(other, bad.WriteTo(dir), CTbPDBReader::TB_READ_FULL, nullptr), -1);
    EXPECT_TRUE(other.IsModified()) << "restored to what it was, also after a failure";
}

std::vector<std::string> Repeated(const std::string& call, int times) {
    return std::vector<std::string>(times, call);
}

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(ReaderModesTest, AFullReadReportsEachRecordAndTheCleanUp) {
    ProgressLog progress;
    ASSERT_EQ(Read(SmallTabulon(), CTbPDBReader::TB_READ_FULL, &progress), TB_S_OK);
    std::vector<std::string> expected = {"SetRange 90", "SetText Loading Tabulon header information...",
                                         "Step 1", "SetText Loading Tabulon field information...", "Step 1"};
    expected = Concat(expected, Repeated("Step 1", 81));
    expected = Concat(expected, {"Step 1", "SetText Loading Tabulon design information..."});
    expected = Concat(expected, Repeated("Step 1", 4));
    expected = Concat(expected, {"SetText Loading Tabulon data records...", "Step 1", "Step 1", "Step 1"});
    EXPECT_EQ(progress.calls, expected);
}

TEST_F(ReaderModesTest, AHeaderOnlyReadReportsTwoSteps) {
    ProgressLog progress;
    ASSERT_EQ(Read(SmallTabulon(), CTbPDBReader::TB_READ_HEADER_ONLY, &progress), TB_S_OK);
    std::vector<std::string> expected = {"SetRange 2", "SetText Loading Tabulon header information...",
                                         "Step 1", "SetText Loading Tabulon field information...", "Step 1"};
    EXPECT_EQ(progress.calls, expected);
}

TEST_F(ReaderModesTest, AFailedReadStillStepsForItsCleanUp) {
    ProgressLog progress;
    EXPECT_LT(reader.Read(db, dir.File("absent.PDB"), CTbPDBReader::TB_READ_FULL, &progress), 0);
    EXPECT_EQ(progress.calls, std::vector<std::string>{"Step 1"});
}

}  // namespace
