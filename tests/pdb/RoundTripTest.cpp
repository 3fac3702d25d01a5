// Written files and read back: the file of an empty Tabulon, names cut to the header, the unique
// IDs the writer keeps, gives and stores back, a Tabulon using every field type and design record
// that comes back as it was and writes again byte for byte, records that keep their unique IDs,
// and an independent PDB reader (Perl's Palm::PDB) that reads the written header and every record.
#include "PdbTestSupport.h"
#include "pdb/TbUniqueIds.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using namespace pdbtest;

using RoundTripTest = PdbTest;
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

TEST_F(RoundTripTest, EverythingComesBackAndWritesAgainByteForByte) {
    BuildRichTabulon();
    PdbView first = Written();
    auto copy = std::make_unique<CTbObjDB>();
    Opened(*copy, FilePath());
    EXPECT_EQ(copy->GetPdbAttributes(), TbPdb::kAttrNoBeam | 0x8000) << "the backup bit is gone";
    for (int slot = 0; slot < MaxFieldSlots; ++slot)
        EXPECT_EQ(copy->Field(slot)->GetName(), db.Field(slot)->GetName());
    ASSERT_EQ(copy->Records().Count(true), 2);
    const CTbObjRecord& ann = *copy->Records().RecordInStoredOrder(0);
    EXPECT_EQ(ann.Value(2)->GetText(), "a\r\nb");
    EXPECT_EQ(ann.Value(5)->GetText(), "Green");
    EXPECT_EQ(ann.Value(17)->GetData(), (std::vector<uint8_t>{9, 8, 7}));
    EXPECT_EQ(ann.Value(80)->GetLong(), 0x180);
    // What the writer wrote is all it needs to write the same file again.
    ASSERT_EQ(writer.Write(*copy, FilePath(), nullptr), TB_S_OK) << writer.GetErrorText();
    PdbView again(FilePath());
    for (int r = 0; r < first.RecordCount(); ++r)
        EXPECT_EQ(again.Record(r), first.Record(r)) << "record " << r;
    EXPECT_TRUE(again.All() == first.All()) << "the header and the record list";
}

TEST_F(RoundTripTest, RecordsKeepTheirIdsPastADeletedOne) {
    Add(INTEGER_T);
    for (int i = 0; i < 3; ++i) db.Records().AddRecord(true)->Value(1)->SetShort(static_cast<int16_t>(i));
    std::vector<uint8_t> bytes = Written().All();
    // Records 87, 88 and 89 get IDs 100, 101 and 102; 88 is marked deleted.
    for (int r = 87; r <= 89; ++r) {
        size_t entry = 78 + 8 * static_cast<size_t>(r);
        bytes[entry + 4] = r == 88 ? TbPdb::kRecordDeleted : TbPdb::kRecordDirty;
        bytes[entry + 5] = 0, bytes[entry + 6] = 0, bytes[entry + 7] = static_cast<uint8_t>(100 + r - 87);
    }
    WriteBytes(FilePath(), bytes);

    auto copy = std::make_unique<CTbObjDB>();
    Opened(*copy, FilePath());
    ASSERT_EQ(copy->Records().Count(true), 2);
    ASSERT_EQ(writer.Write(*copy, FilePath(), nullptr), TB_S_OK);
    PdbView file(FilePath());
    ASSERT_EQ(file.RecordCount(), 89);
    EXPECT_EQ(file.UniqueId(87), 100u);
    EXPECT_EQ(file.UniqueId(88), 102u);
    EXPECT_EQ(file.Record(88)[9], 2) << "the third record's value";
}

// What Palm::PDB makes of the file: "name|type|creator|count", then "id length" per record;
// "" when Perl or the module is missing.
std::string PalmPdbView(const std::string& path) {
    if (std::system("/usr/bin/perl -MPalm::PDB -MPalm::Raw -e 1 >/dev/null 2>&1") != 0) return "";
    std::string command =
        "/usr/bin/perl -MPalm::PDB -MPalm::Raw -e '$p = Palm::PDB->new; $p->Load($ARGV[0]);"
        " print join(\"|\", $p->{name}, $p->{type}, $p->{creator}, scalar @{$p->{records}}), \"\\n\";"
        " printf(\"%d %d\\n\", $_->{id}, length $_->{data}) for @{$p->{records}};' '" +
        path + "' 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    std::string output;
    char buffer[4096];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) output += buffer;
    return output;
}

TEST_F(RoundTripTest, PalmPdbReadsTheHeaderAndEveryRecord) {
    db.SetPdbName("MRA_Perl Check");
    BuildRichTabulon();
    PdbView file = Written();
    std::string view = PalmPdbView(FilePath());
    if (view.empty()) GTEST_SKIP() << "Perl's Palm::PDB is not installed";
    std::string expected = "MRA_Perl Check|data|MNDR|89\n";
    for (int r = 0; r < 89; ++r)
        expected += std::to_string(file.UniqueId(r)) + " " + std::to_string(file.Record(r).Size()) + "\n";
    EXPECT_EQ(view, expected);
}

}  // namespace
