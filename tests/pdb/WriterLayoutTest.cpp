// The container the writer emits: the 78-byte header, the record list after its second pass,
// the two zero bytes, and the records' places in the file.
#include "WriterTestSupport.h"
#include "pdb/TbPDBFormat.h"

namespace {

using WriterHeaderTest = WriterFixture;

TEST_F(WriterHeaderTest, HeaderFieldsAreThoseOfTheDatabase) {
    db.SetPdbVersion(3);
    db.SetCreationDate(0xC1000001);
    db.SetModificationDate(0xC2000002);
    db.SetBackupDate(0xC3000003);
    db.SetModificationNumber(77);
    db.SetUniqueIdSeed(0x00ABCDEF);
    PdbBytes file = Written();

    EXPECT_EQ(file.Name(), "MRA_Test");
    EXPECT_EQ(file.U16(34), 3);
    EXPECT_EQ(file.U32(36), 0xC1000001u);
    EXPECT_EQ(file.U32(40), 0xC2000002u);
    EXPECT_EQ(file.U32(44), 0xC3000003u);
    EXPECT_EQ(file.U32(48), 77u);
    EXPECT_EQ(file.U32(52), 0u) << "no AppInfo block";
    EXPECT_EQ(file.U32(56), 0u) << "no SortInfo block";
    EXPECT_EQ(file.Text(60, 4), "data");
    EXPECT_EQ(file.Text(64, 4), "MNDR");
    EXPECT_EQ(file.U32(68), 0x00ABCDEFu);
    EXPECT_EQ(file.U32(72), 0u) << "next record list";
}

TEST_F(WriterHeaderTest, BackupBitIsClearedAndOtherBitsKept) {
    db.SetPdbAttributes(TbPdb::kAttrBackup | TbPdb::kAttrNoBeam | TbPdb::kAttrReadOnly | 0x8000);
    PdbBytes file = Written();
    EXPECT_EQ(file.U16(32), TbPdb::kAttrNoBeam | TbPdb::kAttrReadOnly | 0x8000);
    EXPECT_EQ(db.GetPdbAttributes() & TbPdb::kAttrBackup, TbPdb::kAttrBackup)
        << "the database keeps its own bits";
}

TEST_F(WriterHeaderTest, NameKeepsANulInItsLastByte) {
    db.SetPdbName("MRA_" + std::string(40, 'n'));
    PdbBytes file = Written();
    EXPECT_EQ(file.Name(), "MRA_" + std::string(27, 'n'));
    EXPECT_EQ(file.U8(31), 0);
}

TEST_F(WriterHeaderTest, NameOf31CharactersIsWrittenWhole) {
    std::string name = "MRA_" + std::string(27, 'x');
    db.SetPdbName(name);
    db.SetLocation(dir.File("Thirty.PDB"), true);
    PdbBytes file = Written();
    EXPECT_EQ(file.Name(), name);
}

using WriterListTest = WriterFixture;

TEST_F(WriterListTest, EmptyDatabaseHas87RecordsWithRecordZeroAt776) {
    PdbBytes file = Written();
    ASSERT_EQ(file.RecordCount(), 87);
    EXPECT_EQ(file.Offset(0), 78u + 87u * 8u + 2u);
    EXPECT_EQ(file.Offset(0), 776u);
    EXPECT_EQ(file.U16(774), 0) << "two zero bytes after the list";
}

TEST_F(WriterListTest, RecordCountCountsTheDataRecords) {
    db.AddField("Name", TEXT_T);
    for (int i = 0; i < 5; ++i) db.Records().AddRecord(true);
    PdbBytes file = Written();
    EXPECT_EQ(file.RecordCount(), 92);
    EXPECT_EQ(file.Offset(0), 78u + 92u * 8u + 2u);
}

TEST_F(WriterListTest, SecondPassGivesEachRecordItsOffset) {
    db.AddField("Name", TEXT_T);
    for (int i = 0; i < 3; ++i) db.Records().AddRecord(true);
    PdbBytes file = Written();
    uint32_t previous = 0;
    for (int r = 0; r < file.RecordCount(); ++r) {
        uint32_t offset = file.Offset(r);
        EXPECT_GT(offset, previous) << "record " << r;
        int expectedType = r < TbPdb::kDesignRecords ? r : TbPdb::kDataRecordType;
        EXPECT_EQ(file.U8(offset), expectedType) << "record " << r << " starts with its type byte";
        previous = offset;
    }
    EXPECT_EQ(file.Record(file.RecordCount() - 1).back(), 0) << "the last record ends the file";
}

TEST_F(WriterListTest, EveryRecordIsMarkedDirtyOnly) {
    db.AddField("Name", TEXT_T);
    db.Records().AddRecord(true);
    PdbBytes file = Written();
    for (int r = 0; r < file.RecordCount(); ++r) EXPECT_EQ(file.Attributes(r), 0x40) << "record " << r;
}

TEST_F(WriterListTest, RecordLengthsFollowTheirBodies) {
    db.SetStartupScreen("Hello");
    PdbBytes file = Written();
    EXPECT_EQ(file.Record(TbPdb::kHeaderRecord).size(), 124u + 6u);
    EXPECT_EQ(file.Record(TbPdb::kNextKeyRecord).size(), 5u);
    EXPECT_EQ(file.Record(TbPdb::kFirstAdvancedRecord + 5).size(), 1u) << "an unused slot is its type byte";
    EXPECT_EQ(file.Record(TbPdb::kFilterRecord).size(), 2u + 96u * 2u);
}

TEST_F(WriterListTest, RewritingAFileReplacesItWhole) {
    db.AddField("Name", TEXT_T);
    for (int i = 0; i < 20; ++i) db.Records().AddRecord(true)->Value(1)->SetText(std::string(200, 'x'));
    Written();
    db.DeleteAllRecords();
    PdbBytes file = Written();
    EXPECT_EQ(file.RecordCount(), 87);
    EXPECT_EQ(file.Bytes().size(), file.Offset(86) + file.Record(86).size());
    EXPECT_EQ(
        file.Bytes().size(), 776u + [&] {
            size_t designBytes = 0;
            for (int r = 0; r < 87; ++r) designBytes += file.Record(r).size();
            return designBytes;
        }());
}

}  // namespace
