// The file of an empty Tabulon, names cut to the header, and the unique IDs the writer keeps,
// gives and stores back.
#include "PdbTestSupport.h"
#include "pdb/TbUniqueIds.h"

namespace {

using namespace pdbtest;
using WriterFileTest = PdbTest;

TEST_F(WriterFileTest, ANameKeepsANulInItsLastByte) {
    db.SetPdbName("MRA_" + std::string(40, 'n'));
    EXPECT_EQ(Written().Text(0, 32), "MRA_" + std::string(27, 'n') + '\0');
    db.SetPdbName("MRA_" + std::string(27, 'x'));
    EXPECT_EQ(Written().Text(0, 32), "MRA_" + std::string(27, 'x') + '\0') << "31 characters are kept whole";
}

TEST_F(WriterFileTest, AnEmptyTabulonIs87RecordsFrom776AndReplacesALongerFileWhole) {
    db.AddField("Name", TEXT_T);
    for (int i = 0; i < 3; ++i) db.Records().AddRecord(true)->Value(1)->SetText(std::string(200, 'x'));
    ASSERT_EQ(Written().RecordCount(), 90);
    db.DeleteAllRecords();
    PdbView file = Written();
    ASSERT_EQ(file.RecordCount(), 87);
    EXPECT_EQ(file.Offset(0), 776u);
    EXPECT_EQ(file.All().size(), file.Offset(86) + 2 + 96 * 2) << "nothing of the longer file is left";
    EXPECT_EQ(file.Record(TbPdb::kHeaderRecord)[14], 0x80) << "global find is on";
    EXPECT_EQ(file.Record(TbPdb::kFormRecord), (Bytes{84, 0, 1}.Str("Tab").U8(60).Zeros(3)))
        << "one empty tab";
}

TEST(UniqueIdAllocatorTest, NewIdsAscendPastTheLargestInUseIn24BitsNeverZeroOrTaken) {
    std::pair<std::vector<uint32_t>, std::vector<uint32_t>> cases[] = {// in use, then given
                                                                       {{0, 0}, {0x7FFFFF, 0x800000}},
                                                                       {{5, 101, 7}, {102, 103}},
                                                                       {{0xFFFFFE, 1, 2}, {0xFFFFFF, 3}},
                                                                       {{0x01000010}, {0x11}}};
    for (auto& [inUse, given] : cases) {
        TbPdb::CTbUniqueIdAllocator allocator(inUse);
        for (uint32_t id : given) EXPECT_EQ(allocator.Next(), id) << inUse[0];
    }
    EXPECT_EQ(TbPdb::AssignUniqueIds({0, 50, 0, 10}, {}), (std::vector<uint32_t>{51, 50, 52, 10}));
    // 101 belonged to a record that is no longer written.
    EXPECT_EQ(TbPdb::AssignUniqueIds({100, 102, 0}, {100, 101, 102, 200}),
              (std::vector<uint32_t>{100, 102, 201}));
}

TEST_F(WriterFileTest, AnEmptyIdListGivesIdsFrom7FFFFFInFileOrderStoredBackAndKept) {
    db.AddField("N", INTEGER_T);
    CTbObjRecord* first = db.Records().AddRecord(true);
    CTbObjRecord* second = db.Records().AddRecord(true);
    PdbView file = Written();
    ASSERT_EQ(db.UniqueIds().size(), 89u);
    for (int r = 0; r < 89; ++r) {
        EXPECT_EQ(file.UniqueId(r), 0x7FFFFFu + r) << "record " << r;
        EXPECT_EQ(db.UniqueIds()[r], file.UniqueId(r));
    }
    EXPECT_EQ(first->GetUniqueId(), file.UniqueId(87));
    EXPECT_EQ(second->GetUniqueId(), file.UniqueId(88));
    EXPECT_EQ(Written().All(), file.All()) << "a second save writes the same IDs";
}

TEST_F(WriterFileTest, DesignRecordsKeepTheirListIdsAndZeroesGetNewOnes) {
    std::vector<uint32_t> ids(87);
    for (int i = 0; i < 87; ++i) ids[i] = 1000 + i;
    ids[5] = 0;
    ids[86] = 0x12345678;  // only 24 bits are kept
    db.UniqueIds() = ids;
    PdbView file = Written();
    EXPECT_EQ(file.UniqueId(85), 1085u);
    EXPECT_EQ(file.UniqueId(86), 0x345678u);
    EXPECT_EQ(file.UniqueId(5), 0x345679u) << "past the largest ID in use";
    EXPECT_EQ(db.UniqueIds()[5], 0x345679u);
}

}  // namespace
