// A written Tabulon read by an independent PDB reader, Perl's Palm::PDB: the header's name,
// type and creator, the record count, and each record's unique ID and length.
#include "WriterTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

bool PalmPdbAvailable() {
    return std::system(
               "test -x /usr/bin/perl && /usr/bin/perl -MPalm::PDB -MPalm::Raw -e 1 >/dev/null 2>&1") == 0;
}

// What Palm::PDB makes of the file: "name|type|creator|count", then "id length" per record.
std::string PalmPdbView(const std::string& path) {
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

using WriterPalmPdbTest = WriterFixture;

TEST_F(WriterPalmPdbTest, PalmPdbReadsTheHeaderAndEveryRecord) {
    if (!PalmPdbAvailable()) GTEST_SKIP() << "Perl's Palm::PDB is not installed";
    db.SetPdbName("MRA_Perl Check");
    db.AddField("Name", TEXT_T);
    db.AddField("Notes", MEMO_T);
    for (int i = 0; i < 3; ++i) {
        CTbObjRecord* record = db.Records().AddRecord(true);
        record->Value(1)->SetText("name " + std::to_string(i));
        record->Value(2)->SetText(std::string(100u * static_cast<size_t>(i), 'n'));
    }
    PdbBytes file = Written();

    std::string expected = "MRA_Perl Check|data|MNDR|90\n";
    for (int r = 0; r < 90; ++r)
        expected += std::to_string(file.UniqueId(r)) + " " + std::to_string(file.Record(r).size()) + "\n";
    EXPECT_EQ(PalmPdbView(FilePath()), expected);
}

}  // namespace
