// The temporary files of saves: hidden and named after the Tabulon and the saving process; a save
// into a folder removes those that processes no longer running left, and keeps the rest.
#include "PdbTestSupport.h"

#include "platform/SaveTempFiles.h"

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>

namespace {

using namespace pdbtest;
using SaveTempFilesTest = PdbTest;

// The id of a process that has ended.
pid_t EndedProcess() {
    pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

std::set<std::string> Names(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        names.insert(entry.path().filename().string());
    return names;
}

TEST_F(SaveTempFilesTest, ATemporaryFileIsHiddenAndCarriesTheTabulonsNameAndTheProcess) {
    std::string temp;
    ASSERT_EQ(orvanta::platform::MakeSaveTempFile(dir.File("MRA_Test.PDB"), &temp), 0u);
    std::string name = std::filesystem::path(temp).filename().string();
    EXPECT_EQ(name.rfind(".MRA_Test.PDB.orvanta-" + std::to_string(::getpid()) + "-", 0), 0u) << name;
    EXPECT_EQ(name.size(),
              std::string(".MRA_Test.PDB.orvanta-").size() + std::to_string(::getpid()).size() + 7);
}

TEST_F(SaveTempFilesTest, ASaveRemovesTheFilesOfEndedSavesAndKeepsThoseOfRunningOnes) {
    std::string ended = ".MRA_Old.PDB.orvanta-" + std::to_string(EndedProcess()) + "-a1B2c3";
    std::string running = ".MRA_Old.PDB.orvanta-" + std::to_string(::getpid()) + "-a1B2c3";
    const std::set<std::string> kept = {running, ".MRA_Old.PDB.orvanta-x-a1B2c3",
                                        "MRA_Old.PDB.orvanta-1-a1B2c3", ".MRA_Old.PDB.orvanta-1-a1B2c",
                                        "MRA_Test.PDB"};
    for (const std::string& name : kept) WriteBytes(dir.File(name), {1});
    WriteBytes(dir.File(ended), {1});
    std::filesystem::create_directory(
        dir.File(".MRA_Dir.orvanta-" + std::to_string(EndedProcess()) + "-a1B2c3"));
    Written();
    std::set<std::string> names = Names(dir);
    EXPECT_EQ(names.count(ended), 0u);
    for (const std::string& name : kept) EXPECT_EQ(names.count(name), 1u) << name;
    EXPECT_EQ(names.size(), kept.size() + 1) << "only the folder of that name is left besides them";
}

}  // namespace
