// Written files read back: a Tabulon using every field type and design record comes back as it
// was and writes again byte for byte, records keep their unique IDs, and an independent PDB
// reader (Perl's Palm::PDB) reads the written header and every record.
#include "PdbTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using namespace pdbtest;

struct RoundTripTest : PdbTest {
    // Reads the file at FilePath() into a new database.
    std::unique_ptr<CTbObjDB> ReadBack() {
        auto copy = std::make_unique<CTbObjDB>();
        copy->SetLocation(FilePath(), true);
        EXPECT_EQ(copy->Load(false), TB_S_OK) << copy->GetLastErrorText();
        return copy;
    }
};

TEST_F(RoundTripTest, EverythingComesBackAndWritesAgainByteForByte) {
    BuildRichTabulon();
    PdbView first = Written();
    std::unique_ptr<CTbObjDB> copy = ReadBack();
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

    std::unique_ptr<CTbObjDB> copy = ReadBack();
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
