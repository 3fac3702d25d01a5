// Saving over a file that another program changed after the Tabulon was read: refused before
// anything is written, whether the file was rewritten, replaced, grown or only touched.
#include "PdbTestSupport.h"

#include "platform/FileSystem.h"

#include <filesystem>

namespace {

using namespace pdbtest;

constexpr const char* kChanged = "The Tabulon was changed by another program after it was opened.";

CTbObjDB& Opened(CTbObjDB& db, const std::string& path) {
    db.SetLocation(path, true);
    EXPECT_EQ(db.Load(false), TB_S_OK) << db.GetLastErrorText();
    return db;
}

struct Change {
    const char* name;
    void (*change)(const std::string& path);
};

const Change kChanges[] = {
    {"another Orvanta saved it",
     [](const std::string& path) {
         CTbObjDB other;
         EXPECT_EQ(Opened(other, path).Save(), TB_S_OK);
     }},
    {"rewritten in place, one second later",
     [](const std::string& path) {
         std::vector<uint8_t> bytes = ReadBytes(path);
         bytes[40] ^= 1;
         WriteBytes(path, bytes);
         orvanta::platform::SetModificationTime(path, ::time(nullptr) + 1);
     }},
    {"grown",
     [](const std::string& path) { WriteBytes(path, PdbFile::Tabulon().AddData(DataRecord(0, 1)).Build()); }},
    {"touched",
     [](const std::string& path) { orvanta::platform::SetModificationTime(path, ::time(nullptr) + 5); }},
};

TEST(ChangedOnDiskTest, ASaveRefusesToReplaceAFileChangedSinceTheReadAndWritesNothing) {
    for (const Change& c : kChanges) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        std::string path = PdbFile::Tabulon().WriteTo(dir);
        CTbObjDB db;
        Opened(db, path);
        c.change(path);
        std::vector<uint8_t> changed = ReadBytes(path);
        EXPECT_EQ(db.Save(), -1);
        EXPECT_EQ(db.Writer().GetErrorText(), kChanged);
        EXPECT_EQ(ReadBytes(path), changed);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1)
            << "no temporary file";
    }
}

TEST(ChangedOnDiskTest, ItsOwnSavesAndOtherFilesAreNoChange) {
    TempDir dir;
    std::string path = PdbFile::Tabulon().WriteTo(dir);
    CTbObjDB db;
    Opened(db, path);
    EXPECT_EQ(db.Save(), TB_S_OK);
    EXPECT_EQ(db.Save(), TB_S_OK) << "a save stamps the file it leaves";
    db.SetLocation(dir.File("MRA_Other.PDB"), true);
    PdbFile::Tabulon().WriteTo(dir, "MRA_Other.PDB");
    EXPECT_EQ(db.Save(), TB_S_OK) << "a file the Tabulon never read is not its own to guard";
}

}  // namespace
