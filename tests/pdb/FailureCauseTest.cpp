// The second line of a failure: the file and the system's cause of a save or read that could not
// be made, under the message the failure has always had.
#include "PdbTestSupport.h"

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace {

using namespace pdbtest;

// The message of a file failure and its second line.
std::string FileFailure(const std::string& path, const char* cause) {
    std::string lines = "File could not be found or could not be opened.\n";
    lines.append(path).append(": ").append(cause);
    return lines;
}

struct Cause {
    const char* name;
    // Prepares dir for a save to the returned path; "" skips the case where it cannot be made.
    std::string (*prepare)(const TempDir& dir);
    const char* cause;
};

const Cause kCauses[] = {
    {"missing folder", [](const TempDir& dir) { return dir.File("gone/MRA_Test.PDB"); },
     "No such file or directory"},
    {"folder in the file's place",
     [](const TempDir& dir) {
         std::filesystem::create_directory(dir.File("MRA_Test.PDB"));
         return dir.File("MRA_Test.PDB");
     },
     "Is a directory"},
    {"read-only folder",
     [](const TempDir& dir) {
         ::chmod(dir.Path().c_str(), 0555);
         // Permission checks do not hold the superuser back.
         return ::geteuid() == 0 ? std::string() : dir.File("MRA_Test.PDB");
     },
     "Permission denied"},
    {"full disk",
     [](const TempDir& dir) {
         std::string folder = dir.File("small");
         std::filesystem::create_directory(folder);
         if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=4k") != 0) return std::string();
         return folder + "/MRA_Test.PDB";
     },
     "No space left on device"},
};

class FailureCauseTest : public PdbTest {};

TEST_F(FailureCauseTest, ASaveThatCannotBeMadeNamesTheFileAndTheSystemsCause) {
    BuildRichTabulon();  // larger than the small disk
    for (const Cause& c : kCauses) {
        SCOPED_TRACE(c.name);
        TempDir place;
        std::string target = c.prepare(place);
        if (target.empty()) {
            std::cout << "[  SKIPPED ] " << c.name << ": cannot be made here\n";
            continue;
        }
        EXPECT_LT(writer.Write(db, target, nullptr), 0);
        EXPECT_EQ(writer.GetErrorLines(), FileFailure(target, c.cause));
        if (std::string(c.name) == "full disk") ::umount2(place.File("small").c_str(), MNT_DETACH);
    }
}

TEST_F(FailureCauseTest, AShortReadNamesTheRecordItWasIn) {
    PdbFile file = PdbFile::Tabulon().AddData(DataRecord(0, 1, Bytes{1, 1, 2}.Raw("ab").U8(0)));
    file.Record(87).body.Resize(8);
    ExpectRefused(file, "Couldn't read in all bytes in ReadN()");
    EXPECT_EQ(reader.GetErrorLines(),
              "Couldn't read in all bytes in ReadN()\n" + path + ": the file ends inside record 87.");
}

}  // namespace
