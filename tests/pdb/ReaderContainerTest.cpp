// Reading the PDB container: the header checks, the record list (validity, unique IDs, record
// count), short and missing files, and damaged lists that must not crash or blow up memory.
#include "PdbBytes.h"
#include "pdb/TbPDBFormat.h"

namespace {

using namespace readertest;
using ReaderContainerTest = ReaderTest;

constexpr const char* kShortRead = "Couldn't read in all bytes in ReadN()";

TEST_F(ReaderContainerTest, AFileOf87RecordsIsAnEmptyTabulonWithItsHeaderStored) {
    PdbFile file = PdbFile::Tabulon();
    file.name = "MRA_Groceries";
    file.attributes = 0x0048;
    file.version = 3;
    file.created = 0xC1000001;
    file.modified = 0xC2000002;
    file.backedUp = 0xC3000003;
    file.modificationNumber = 77;
    file.seed = 0x00ABCDEF;
    Load(file);

    EXPECT_EQ(db.GetPdbName(), "MRA_Groceries");
    EXPECT_EQ(db.GetPdbAttributes(), 0x0048);
    EXPECT_EQ(db.GetPdbVersion(), 3);
    EXPECT_EQ(db.GetCreationDate(), 0xC1000001u);
    EXPECT_EQ(db.GetModificationDate(), 0xC2000002u);
    EXPECT_EQ(db.GetBackupDate(), 0xC3000003u);
    EXPECT_EQ(db.GetModificationNumber(), 77u);
    EXPECT_EQ(db.GetUniqueIdSeed(), 0x00ABCDEFu);
    EXPECT_EQ(db.Records().Count(true), 0);
    ASSERT_EQ(db.UniqueIds().size(), 87u);
    EXPECT_EQ(db.UniqueIds()[0], 0x1000u);
    EXPECT_EQ(db.UniqueIds()[86], 0x1000u + 86);
    EXPECT_EQ(reader.GetErrorText(), "");
}

TEST_F(ReaderContainerTest, TheNameIsTheTextBeforeTheFirstNul) {
    PdbFile file = PdbFile::Tabulon();
    file.name = std::string("MRA_A\0junk", 10);
    Load(file);
    EXPECT_EQ(db.GetPdbName(), "MRA_A");

    file.name = std::string(32, 'N');  // no NUL at all: all 32 characters
    Load(file);
    EXPECT_EQ(db.GetPdbName(), std::string(32, 'N'));
}

TEST_F(ReaderContainerTest, HeaderChecksRefuseOtherFiles) {
    PdbFile upper = PdbFile::Tabulon();
    upper.type = "DATA";
    ExpectRefused(upper, "Invalid Tabulon file: invalid PDB file type.");

    PdbFile creator = PdbFile::Tabulon();
    creator.creator = "MNDr";
    ExpectRefused(creator, "Invalid Tabulon: invalid PDB creator type.");

    PdbFile few = PdbFile::Tabulon();
    few.records.resize(86);
    ExpectRefused(few, "Invalid Tabulon: Missing required design records.");
    EXPECT_EQ(db.GetPdbName(), "MRA_Test") << "what was read before the failure stays";
}

TEST_F(ReaderContainerTest, FilesCutShortFailWithTheShortReadMessage) {
    std::vector<uint8_t> whole =
        PdbFile::Tabulon().AddData(DataRecord(0, 1, Bytes{1, 1, 2}.Raw("ab").U8(0))).Build();
    // Inside the header, inside the list, inside record 0, and inside the last data record.
    for (size_t size :
         {size_t{0}, size_t{50}, size_t{77}, size_t{78 + 8 * 40}, size_t{790}, whole.size() - 3}) {
        WriteBytes(dir.File("short.PDB"),
                   std::vector<uint8_t>(whole.begin(), whole.begin() + static_cast<long>(size)));
        EXPECT_EQ(reader.Read(db, dir.File("short.PDB"), CTbPDBReader::TB_READ_FULL, nullptr), -1) << size;
        EXPECT_EQ(reader.GetErrorText(), kShortRead) << size;
    }
}

TEST_F(ReaderContainerTest, AMissingFileGivesTheSystemErrorAndAResetFileException) {
    EXPECT_EQ(reader.Read(db, dir.File("absent.PDB"), CTbPDBReader::TB_READ_FULL, nullptr),
              static_cast<int32_t>(0x80080002));
    EXPECT_EQ(reader.GetErrorText(), "File could not be found or could not be opened.");
    EXPECT_EQ(reader.GetError().GetCode(), static_cast<int32_t>(0x80080002));
    EXPECT_EQ(QnFileException::Instance().GetCode(), 0) << "reset for the next file operation";
}

TEST_F(ReaderContainerTest, DeletedAndArchivedRecordsAreSkippedAndTheOthersKeepTheirIds) {
    PdbFile file = PdbFile::Tabulon();
    const uint8_t attributes[] = {0x40, 0x80, 0x08, 0x88, 0x10, 0x00};
    for (uint8_t attribute : attributes) file.AddData(DataRecord(0, 10u + file.records.size()), attribute);
    Load(file);

    ASSERT_EQ(db.Records().Count(true), 3);
    EXPECT_EQ(Data(0).GetKey(), 97u);
    EXPECT_EQ(Data(1).GetKey(), 101u);
    EXPECT_EQ(Data(2).GetKey(), 102u);
    EXPECT_EQ(Data(0).GetUniqueId(), 0x2000u + 87);
    EXPECT_EQ(Data(1).GetUniqueId(), 0x2000u + 91);
    EXPECT_EQ(Data(2).GetUniqueId(), 0x2000u + 92);
    EXPECT_EQ(db.UniqueIds().size(), 93u) << "every entry's ID, valid or not";
    EXPECT_EQ(db.UniqueIds()[88], 0x2000u + 88);
    EXPECT_EQ(db.GetPdbRecordCount(), 87u + 3);
}

TEST_F(ReaderContainerTest, DataRecordsBeyondTheFileOrOfAnotherTypeAreSkipped) {
    PdbFile file = PdbFile::Tabulon();
    file.AddData(DataRecord(0, 1)).AddData(DataRecord(0, 2)).AddData(DataRecord(0, 3));
    file.Record(87).offset = 1u << 30;
    file.Record(88).body[0] = 86;
    Load(file);
    ASSERT_EQ(db.Records().Count(true), 1);
    EXPECT_EQ(Data(0).GetKey(), 3u);
}

TEST_F(ReaderContainerTest, ADesignRecordBeyondTheFileIsAShortRead) {
    PdbFile file = PdbFile::Tabulon();
    file.Record(84).offset = 1u << 30;
    ExpectRefused(file, kShortRead);
}

TEST_F(ReaderContainerTest, AnAppInfoBlockIsIgnored) {
    PdbFile file = PdbFile::Tabulon();
    file.appInfo = 78;
    Load(file);
}

TEST_F(ReaderContainerTest, RecordsThatOverlapOneAnotherAreRefused) {
    // One data record with a 3000-byte memo and a list that names it 400 times: reading each
    // entry as a record would hold 1.2 MB of text for a 7 kB file.
    PdbFile file = PdbFile::Tabulon();
    file.AddData(DataRecord(0, 1, Bytes{10, 1}.U16(3000).Repeat('m', 3000).U8(0)));
    for (int i = 0; i < 400; ++i) file.AddData(Bytes{});
    for (size_t r = 88; r < file.records.size(); ++r) file.records[r].offset = file.LaidOutOffset(87);
    ExpectRefused(file, "Invalid Tabulon: records overlap one another.");
    EXPECT_LT(db.Records().Count(true), 5);
}

TEST_F(ReaderContainerTest, ACountLargerThanTheListFailsBeforeAllocating) {
    PdbFile file = PdbFile::Tabulon();
    file.count = 0xFFFF;
    ExpectRefused(file, kShortRead);
    EXPECT_TRUE(db.UniqueIds().empty());
}

TEST_F(ReaderContainerTest, ASuccessfulReadClearsTheLastFailure) {
    PdbFile bad = PdbFile::Tabulon();
    bad.type = "DATA";
    ExpectRefused(bad, "Invalid Tabulon file: invalid PDB file type.");
    CTbObjDB fresh;
    path = PdbFile::Tabulon().WriteTo(dir);
    EXPECT_EQ(reader.Read(fresh, path, CTbPDBReader::TB_READ_FULL, nullptr), TB_S_OK);
    EXPECT_EQ(reader.GetErrorText(), "");
}

// Damaged files, made by cutting and flipping bytes of a rich one: each must end in success
// or in a refusal, never a crash, hang or sanitizer report.
TEST_F(ReaderContainerTest, DamagedFilesAreReadOrRefusedNeverCrash) {
    PdbFile file = PdbFile::Tabulon();
    file.SetFields({FieldEntry(1, TEXT_T), FieldEntry(2, LIST_T), FieldEntry(3, ADV_EXPRESSION_T),
                    FieldEntry(4, PLUGIN_T), FieldEntry(5, COND_EXP_T)});
    file.SetAdvanced(2, ListBlock({{1, "Red"}, {2, "Blue"}}));
    file.SetAdvanced(3, Bytes{0}.U8(86).U8(90).U8(86).Zeros(45).Fixed("1.5", 11).Zeros(11).Fixed("2", 11));
    file.SetAdvanced(4, Bytes{}.Raw("PLUG").U8(1).Zeros(10).Zeros(4).U8(2).U8(0).U8(1).U8(1).U8(2).Raw("ab"));
    file.SetAdvanced(
        5, FilterBlock("c", {{1, 'h', 0, "x"}}).U8(1).Fixed("yes", 21).U8(1).U8(0).Fixed("no", 21).U8(2));
    file.AddData(DataRecord(
        1, 7, Bytes{1, 1, 2}.Raw("hi").U8(0).Add(Bytes{5, 2, 1}).Add(Bytes{22, 3, 0}.U32(0x3FC00000).U8(0))));
    std::vector<uint8_t> good = file.Build();
    uint32_t state = 12345;
    int loaded = 0, refused = 0;
    for (int round = 0; round < 300; ++round) {
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

}  // namespace
