// Reading a file as a whole: the container checks, records skipped or refused by the record
// list, short, missing and damaged files, the three read modes and the progress they report, and
// the bytes the records read so far have used.
#include "PdbTestSupport.h"
#include "pdb/TbClaimedBytes.h"

namespace {

using namespace pdbtest;
using ReaderFileTest = PdbTest;

constexpr const char* kShortRead = "Couldn't read in all bytes in ReadN()";

TEST_F(ReaderFileTest, An87RecordFileIsAnEmptyTabulonNamedByTheTextBeforeTheNul) {
    PdbFile file = PdbFile::Tabulon();
    file.name = std::string("MRA_A\0junk", 10);
    file.appInfo = 78;  // an AppInfo block is ignored
    Load(file);
    EXPECT_EQ(db.GetPdbName(), "MRA_A");
    EXPECT_EQ(db.Records().Count(true), 0);
    ASSERT_EQ(db.UniqueIds().size(), 87u);
    EXPECT_EQ(db.UniqueIds()[86], 0x1000u + 86);

    file.name = std::string(32, 'N');  // no NUL at all: all 32 characters
    Load(file);
    EXPECT_EQ(db.GetPdbName(), std::string(32, 'N'));
}

TEST_F(ReaderFileTest, ContainerRefusalsKeepWhatWasReadAndASuccessClearsThem) {
    struct Case {
        void (*damage)(PdbFile&);
        const char* message;
        size_t idsRead;
    } cases[] = {
        {[](PdbFile& f) { f.type = "DATA"; }, "Invalid Tabulon file: invalid PDB file type.", 0},
        {[](PdbFile& f) { f.creator = "MNDr"; }, "Invalid Tabulon: invalid PDB creator type.", 0},
        {[](PdbFile& f) { f.records.resize(86); }, "Invalid Tabulon: Missing required design records.", 0},
        {[](PdbFile& f) { f.count = 0xFFFF; }, kShortRead, 0},  // refused before the list is allocated
        {[](PdbFile& f) { f.Record(84).offset = 1u << 30; }, kShortRead, 87},
        // One 3,000-byte memo read through by 400 entries would hold 1.2 MB of text for a 7 kB
        // file. Each entry starts two bytes before the last, in a run of bytes 87 that reads as
        // a record head and entries of no type, so none starts inside bytes already read.
        {[](PdbFile& f) {
             f.records[86].body.Repeat(87, 810);
             f.AddData(DataRecord(87, 0x57575757, Bytes{10, 1}.U16(3000).Repeat('m', 3000).U8(0)));
             for (int i = 0; i < 400; ++i) f.AddData(Bytes{}, 0x40);
             for (size_t r = 88; r < f.records.size(); ++r)
                 f.records[r].offset = f.LaidOutOffset(87) - 2 * static_cast<uint32_t>(r - 85);
         },
         "Invalid Tabulon: records overlap one another.", 488},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        PdbFile file = PdbFile::Tabulon();
        c.damage(file);
        ExpectRefused(file, c.message);
        EXPECT_EQ(db.GetPdbName(), "MRA_Test") << "what was read before the failure stays";
        EXPECT_EQ(db.UniqueIds().size(), c.idsRead);
        EXPECT_LT(db.Records().Count(true), 5);
    }
    Load(PdbFile::Tabulon());
    EXPECT_EQ(reader.GetErrorText(), "");
}

TEST_F(ReaderFileTest, FilesCutShortFailWithTheShortReadMessage) {
    std::vector<uint8_t> whole =
        PdbFile::Tabulon().AddData(DataRecord(0, 1, Bytes{1, 1, 2}.Raw("ab").U8(0))).Build();
    // Inside the header, inside the list, inside record 0, and inside the last data record.
    for (size_t size : {size_t{0}, size_t{77}, size_t{78 + 8 * 40}, size_t{790}, whole.size() - 3}) {
        WriteBytes(dir.File("short.PDB"),
                   std::vector<uint8_t>(whole.begin(), whole.begin() + static_cast<long>(size)));
        EXPECT_EQ(reader.Read(db, dir.File("short.PDB"), CTbPDBReader::TB_READ_FULL, nullptr), -1) << size;
        EXPECT_EQ(reader.GetErrorText(), kShortRead) << size;
    }
}

TEST_F(ReaderFileTest, AShortReadNamesTheRecordItWasIn) {
    PdbFile file = PdbFile::Tabulon().AddData(DataRecord(0, 1, Bytes{1, 1, 2}.Raw("ab").U8(0)));
    file.Record(87).body.Resize(8);
    ExpectRefused(file, kShortRead);
    EXPECT_EQ(reader.GetErrorLines(), kShortRead + ("\n" + path) + ": the file ends inside record 87.");
}

TEST_F(ReaderFileTest, AMissingFileGivesTheSystemErrorStepsOnceAndResetsTheFileException) {
    RecordingProgress progress;
    EXPECT_EQ(reader.Read(db, dir.File("absent.PDB"), CTbPDBReader::TB_READ_FULL, &progress),
              static_cast<int32_t>(0x80080002));
    EXPECT_EQ(reader.GetErrorLines(), std::string("File could not be found or could not be opened.\n")
                                          .append(dir.File("absent.PDB"))
                                          .append(": No such file or directory"));
    EXPECT_EQ(reader.GetError().GetCode(), static_cast<int32_t>(0x80080002));
    EXPECT_EQ(QnFileException::Instance().GetCode(), 0);
    EXPECT_EQ(progress.calls, std::vector<std::string>{"Step 1"}) << "the clean-up still steps";
}

TEST_F(ReaderFileTest, DeletedArchivedMisplacedAndMistypedDataRecordsAreSkipped) {
    PdbFile file = PdbFile::Tabulon();
    for (uint8_t attributes : {0x40, 0x80, 0x08, 0x88, 0x10, 0x00, 0x40, 0x40})
        file.AddData(DataRecord(0, 10u + file.records.size()), attributes);
    file.Record(93).offset = 1u << 30;
    file.Record(94).body[0] = 86;
    Load(file);

    ASSERT_EQ(db.Records().Count(true), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Data(i).GetKey(), std::vector<uint32_t>({97, 101, 102})[i]);
        EXPECT_EQ(Data(i).GetUniqueId(), 0x2000u + std::vector<uint32_t>({87, 91, 92})[i]);
    }
    EXPECT_EQ(db.UniqueIds().size(), 95u) << "every entry's ID, valid or not";
    EXPECT_EQ(db.UniqueIds()[88], 0x2000u + 88);
    EXPECT_EQ(db.GetPdbRecordCount(), 87u + 5) << "counted as the list marks them";
}

// Damaged files, made by cutting and flipping bytes of the rich Tabulon: each must end in success
// or in a refusal, never a crash, hang or sanitizer report.
TEST_F(ReaderFileTest, DamagedFilesAreReadOrRefusedNeverCrash) {
    BuildRichTabulon();
    std::vector<uint8_t> good = Written().All();
    uint32_t state = 12345;
    int loaded = 0, refused = 0;
    for (int round = 0; round < 400; ++round) {
        std::vector<uint8_t> bytes = good;
        state = state * 1103515245u + 12345u;
        if (round % 3 == 0) bytes.resize(state % bytes.size());
        for (int flips = 0; flips < 1 + round % 4 && !bytes.empty(); ++flips) {
            state = state * 1103515245u + 12345u;
            bytes[(state >> 8) % bytes.size()] = static_cast<uint8_t>(state >> 24);
        }
        WriteBytes(dir.File("damaged.PDB"), bytes);
        CTbObjDB target;
        TbResult result = reader.Read(target, dir.File("damaged.PDB"), round % 3, nullptr);
        EXPECT_TRUE(result == TB_S_OK || result == -1) << round << ": " << result;
        (result == TB_S_OK ? loaded : refused) += 1;
    }
    EXPECT_GT(loaded, 10) << "some damage is harmless";
    EXPECT_GT(refused, 10);
}

// A Tabulon with a Text field, read only, DB category 4, and two data records.
PdbFile SmallTabulon() {
    PdbFile file = PdbFile::Tabulon();
    file.Record(0).body[10] = 1;
    file.Record(0).body[8] = 4;
    file.SetFields({FieldEntry(1, TEXT_T, "Name")});
    file.AddData(DataRecord(0, 1, Bytes{1, 1, 1}.Raw("a").U8(0)));
    file.AddData(DataRecord(0, 2, Bytes{1, 1, 1}.Raw("b").U8(0)));
    return file;
}

// Places the small Tabulon and a third, deleted record (not counted) at db's location.
void LocateSmallTabulonWithADeletedRecord(CTbObjDB& db, const TempDir& dir) {
    db.SetLocation(SmallTabulon().AddData(DataRecord(0, 3), 0x80).WriteTo(dir), true);
}

TEST_F(ReaderFileTest, AHeaderOnlyReadStopsAfterRecordZeroAndAFullReadStepsThroughEveryRecord) {
    RecordingProgress progress;
    ASSERT_EQ(Read(SmallTabulon(), CTbPDBReader::TB_READ_HEADER_ONLY, &progress), TB_S_OK);
    EXPECT_TRUE(db.GetReadOnly());
    EXPECT_EQ(db.GetDbCategory(), 4);
    EXPECT_FALSE(db.Field(1)->IsUsed()) << "record 1 is not read";
    EXPECT_EQ(db.Records().Count(true), 0);
    EXPECT_EQ(db.UniqueIds().size(), 89u);
    std::vector<std::string> expected = {"SetRange 2", "SetText Loading Tabulon header information...",
                                         "Step 1", "SetText Loading Tabulon field information...", "Step 1"};
    EXPECT_EQ(progress.calls, expected);

    progress.calls.clear();
    ASSERT_EQ(Read(SmallTabulon(), CTbPDBReader::TB_READ_FULL, &progress), TB_S_OK);
    expected[0] = "SetRange 90";
    expected.insert(expected.end(), 82, "Step 1");
    expected.push_back("SetText Loading Tabulon design information...");
    expected.insert(expected.end(), 4, "Step 1");
    expected.push_back("SetText Loading Tabulon data records...");
    expected.insert(expected.end(), 3, "Step 1");  // two records and the clean-up
    EXPECT_EQ(progress.calls, expected);
}

// What info reads: the design in full, no data record, and the record count from the list.
TEST_F(ReaderFileTest, ADesignOnlyLoadReadsEveryDesignRecordAndNoDataRecord) {
    LocateSmallTabulonWithADeletedRecord(db, dir);
    RecordingProgress progress;
    ASSERT_EQ(db.LoadDesign(&progress), TB_S_OK) << db.Reader().GetErrorText();
    EXPECT_TRUE(db.Field(1)->IsUsed());
    EXPECT_EQ(db.Records().Count(true), 0);
    EXPECT_EQ(db.RecordCount(), 2);
    EXPECT_EQ(progress.calls.front(), "SetRange 88");
    EXPECT_EQ(
        std::count(progress.calls.begin(), progress.calls.end(), "SetText Loading Tabulon data records..."),
        0);
    EXPECT_EQ(db.Load(false), TB_E_FAIL) << "a design-only Tabulon is not loaded further";
    EXPECT_EQ(db.Save(), TB_E_FAIL) << "nor saved without its records";
}

TEST_F(ReaderFileTest, ContinuingKeepsHeaderSettingsChangedInBetweenAndRebuildsIds) {
    LocateSmallTabulonWithADeletedRecord(db, dir);
    ASSERT_EQ(db.Load(true), TB_S_OK);
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_HEADER);
    EXPECT_EQ(db.RecordCount(), 2);
    db.SetReadOnly(false);
    db.SetDbCategory(9);
    db.UniqueIds().push_back(77);
    ASSERT_EQ(db.Load(false), TB_S_OK) << db.GetLastErrorText();

    EXPECT_EQ(db.GetLoadState(), TB_LOAD_FULL);
    EXPECT_FALSE(db.GetReadOnly());
    EXPECT_EQ(db.GetDbCategory(), 9);
    EXPECT_EQ(db.Field(1)->GetName(), "Name");
    EXPECT_EQ(db.RecordCount(), 2);
    EXPECT_EQ(db.UniqueIds().size(), 90u);
    EXPECT_TRUE(db.IsModified()) << "the user's changes still count";
}

TEST_F(ReaderFileTest, ReadingNeverLeavesTheTabulonModified) {
    Load(SmallTabulon());
    EXPECT_FALSE(db.IsModified());
    PdbFile bad = SmallTabulon();
    bad.Record(1).body[0] = 9;
    CTbObjDB other;
    other.SetModified(true);
    EXPECT_EQ(reader.Read(other, bad.WriteTo(dir), CTbPDBReader::TB_READ_FULL, nullptr), -1);
    EXPECT_TRUE(other.IsModified()) << "restored to what it was, also after a failure";
}

TEST(ClaimedBytes, HoldTheOffsetsFromEachStretchStartUpToTheEndFirstClaimedForIt) {
    TbClaimedBytes claimed;
    EXPECT_FALSE(claimed.Holds(0));
    for (auto [start, end] : {std::pair{100u, 120u},
                              {150u, 170u},
                              {300u, 310u},
                              {300u, 400u},
                              {500u, 520u},
                              {200u, 210u},
                              {100u, 140u}})
        claimed.Claim(start, end);
    for (uint32_t offset : {100u, 119u, 150u, 169u, 200u, 209u, 300u, 309u, 500u, 519u})
        EXPECT_TRUE(claimed.Holds(offset)) << offset;
    for (uint32_t offset : {0u, 99u, 120u, 130u, 170u, 199u, 210u, 299u, 310u, 350u, 499u, 520u})
        EXPECT_FALSE(claimed.Holds(offset)) << offset;
    claimed.Clear();
    EXPECT_FALSE(claimed.Holds(100));
}

}  // namespace
