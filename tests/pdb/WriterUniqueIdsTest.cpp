// Unique IDs in the written record list: kept when a record has one, new ones ascending from
// the largest in use (or 0x7FFFFF), 24 bits, and stored back into the database after a save.
#include "WriterTestSupport.h"
#include "pdb/TbPDBFormat.h"
#include "pdb/TbUniqueIds.h"

namespace {

using TbPdb::AssignUniqueIds;
using TbPdb::CTbUniqueIdAllocator;

TEST(UniqueIdAllocatorTest, StartsAt7FFFFFWhenNoIdIsInUse) {
    CTbUniqueIdAllocator allocator({0, 0});
    EXPECT_EQ(allocator.Next(), 0x7FFFFFu);
    EXPECT_EQ(allocator.Next(), 0x800000u);
    EXPECT_EQ(allocator.Next(), 0x800001u);
}

TEST(UniqueIdAllocatorTest, StartsPastTheLargestIdInUse) {
    CTbUniqueIdAllocator allocator({5, 100, 101, 7});
    EXPECT_EQ(allocator.Next(), 102u);
    EXPECT_EQ(allocator.Next(), 103u);
}

TEST(UniqueIdAllocatorTest, WrapsPastTwentyFourBitsWithoutGivingZeroOrAnIdInUse) {
    CTbUniqueIdAllocator allocator({0xFFFFFE, 1, 2});
    EXPECT_EQ(allocator.Next(), 0xFFFFFFu);
    EXPECT_EQ(allocator.Next(), 3u);
}

TEST(UniqueIdAllocatorTest, IdsAreCutTo24Bits) {
    CTbUniqueIdAllocator allocator({0x01000010});
    EXPECT_EQ(allocator.Next(), 0x11u);
}

TEST(AssignUniqueIdsTest, KeepsGivenIdsAndFillsTheRestInOrder) {
    EXPECT_EQ(AssignUniqueIds({0, 50, 0, 10}, {}), (std::vector<uint32_t>{51, 50, 52, 10}));
}

TEST(AssignUniqueIdsTest, KnownIdsAreNotGivenAgain) {
    // 101 belonged to a record that is no longer written.
    EXPECT_EQ(AssignUniqueIds({100, 102, 0}, {100, 101, 102, 200}), (std::vector<uint32_t>{100, 102, 201}));
}

TEST(AssignUniqueIdsTest, EmptyListGivesAscendingIdsFrom7FFFFF) {
    EXPECT_EQ(AssignUniqueIds({0, 0, 0}, {}), (std::vector<uint32_t>{0x7FFFFF, 0x800000, 0x800001}));
}

using WriterUniqueIdsTest = WriterFixture;

TEST_F(WriterUniqueIdsTest, EmptyIdListGivesIdsFrom7FFFFFInFileOrder) {
    db.AddField("N", INTEGER_T);
    db.Records().AddRecord(true);
    db.Records().AddRecord(true);
    PdbBytes file = Written();
    for (int r = 0; r < file.RecordCount(); ++r) EXPECT_EQ(file.UniqueId(r), 0x7FFFFFu + r) << "record " << r;
}

TEST_F(WriterUniqueIdsTest, NewIdsAreStoredBackInFileOrder) {
    db.AddField("N", INTEGER_T);
    CTbObjRecord* first = db.Records().AddRecord(true);
    CTbObjRecord* second = db.Records().AddRecord(true);
    PdbBytes file = Written();
    ASSERT_EQ(db.UniqueIds().size(), 89u);
    for (int r = 0; r < 89; ++r) EXPECT_EQ(db.UniqueIds()[r], file.UniqueId(r));
    EXPECT_EQ(first->GetUniqueId(), file.UniqueId(87));
    EXPECT_EQ(second->GetUniqueId(), file.UniqueId(88));
}

TEST_F(WriterUniqueIdsTest, DesignRecordsKeepTheirListIdsAndZeroesGetNewOnes) {
    std::vector<uint32_t> ids(87);
    for (int i = 0; i < 87; ++i) ids[i] = 1000 + i;
    ids[5] = 0;
    ids[86] = 0x12345678;  // only 24 bits are kept
    db.UniqueIds() = ids;
    PdbBytes file = Written();
    EXPECT_EQ(file.UniqueId(0), 1000u);
    EXPECT_EQ(file.UniqueId(85), 1085u);
    EXPECT_EQ(file.UniqueId(86), 0x345678u);
    EXPECT_EQ(file.UniqueId(5), 0x345679u) << "past the largest ID in use";
    EXPECT_EQ(db.UniqueIds()[5], 0x345679u);
}

TEST_F(WriterUniqueIdsTest, DataRecordsKeepTheirOwnIds) {
    // As read from a file whose records 87, 88 and 89 had IDs 100, 101 and 102, 88 deleted.
    std::vector<uint32_t> ids(90, 0);
    for (int i = 0; i < 87; ++i) ids[i] = 10 + i;
    ids[87] = 100, ids[88] = 101, ids[89] = 102;
    db.UniqueIds() = ids;
    db.AddField("N", INTEGER_T);
    db.Records().AddRecord(true)->SetUniqueId(100);
    db.Records().AddRecord(true)->SetUniqueId(102);
    db.Records().AddRecord(true);  // new since the read
    PdbBytes file = Written();
    ASSERT_EQ(file.RecordCount(), 90);
    EXPECT_EQ(file.UniqueId(87), 100u);
    EXPECT_EQ(file.UniqueId(88), 102u);
    EXPECT_EQ(file.UniqueId(89), 103u) << "101 is not given again";
    EXPECT_EQ(db.UniqueIds().size(), 90u);
    EXPECT_EQ(db.UniqueIds()[88], 102u);
}

TEST_F(WriterUniqueIdsTest, SecondSaveWritesTheSameIds) {
    db.AddField("N", INTEGER_T);
    db.Records().AddRecord(true);
    PdbBytes first = Written();
    PdbBytes second = Written();
    for (int r = 0; r < first.RecordCount(); ++r) EXPECT_EQ(second.UniqueId(r), first.UniqueId(r));
}

}  // namespace
