// orvanta-cli when things go wrong: a missing file and files that are no Tabulon give exit
// status 1 and the reader's message alone on standard error; usage errors give CLI11's codes.
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* kNotFound = "File could not be found or could not be opened.\n";

// The 78-byte header of a Palm database with a given type, creator and record count.
std::vector<uint8_t> PdbHeader(const char* type, const char* creator, uint16_t records) {
    std::vector<uint8_t> header(78, 0);
    std::memcpy(header.data(), "MRA_Broken", 10);
    std::memcpy(&header[60], type, 4);
    std::memcpy(&header[64], creator, 4);
    header[76] = static_cast<uint8_t>(records >> 8);
    header[77] = static_cast<uint8_t>(records & 0xFF);
    return header;
}

class EveryCommand : public ::testing::TestWithParam<const char*> {
protected:
    CliRun Run(const std::string& path) {
        return RunCli(scratch, std::string(GetParam()) + " " + ShellQuote(path));
    }
    TempDir scratch;
};

}  // namespace

TEST_P(EveryCommand, MissingFileFailsWithTheReadersMessage) {
    CliRun run = Run(scratch.File("MRA_Nowhere.PDB"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, kNotFound);
    EXPECT_EQ(run.out, "");
}

TEST_P(EveryCommand, WrongCreatorFailsWithItsMessage) {
    std::string path = scratch.File("MRA_Other.PDB");
    WriteBytes(path, PdbHeader("data", "XXXX", 87));
    CliRun run = Run(path);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Invalid Tabulon: invalid PDB creator type.\n");
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(Cli, EveryCommand, ::testing::Values("info", "json", "check", "resave", "dump"));

TEST(CliFailure, WrongFileTypeFailsWithItsMessage) {
    TempDir dir;
    std::string path = dir.File("MRA_Upper.PDB");
    WriteBytes(path, PdbHeader("DATA", "MNDR", 87));
    CliRun run = RunCli(dir, "info " + ShellQuote(path));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Invalid Tabulon file: invalid PDB file type.\n");
}

TEST(CliFailure, TooFewDesignRecordsFailsWithItsMessage) {
    TempDir dir;
    std::string path = dir.File("MRA_Short.PDB");
    WriteBytes(path, PdbHeader("data", "MNDR", 86));
    CliRun run = RunCli(dir, "json " + ShellQuote(path));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Invalid Tabulon: Missing required design records.\n");
    EXPECT_EQ(run.out, "");
}

TEST(CliFailure, FileShorterThanItsHeaderFailsWithTheShortReadMessage) {
    TempDir dir;
    std::string path = dir.File("MRA_Cut.PDB");
    WriteBytes(path, PatternBytes(20));
    CliRun run = RunCli(dir, "info " + ShellQuote(path));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Couldn't read in all bytes in ReadN()\n");
}

TEST(CliFailure, ResaveOfAMissingFileWritesNothing) {
    TempDir dir;
    CliRun run = RunCli(dir, "resave " + ShellQuote(dir.File("MRA_Gone.PDB")) + " -o " +
                                 ShellQuote(dir.File("MRA_Copy.PDB")));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, kNotFound);
    EXPECT_FALSE(std::filesystem::exists(dir.File("MRA_Copy.PDB")));
}

// ---------------------------------------------------------------------------------------------
// Usage

TEST(CliUsage, NoCommandIsAUsageError) {
    TempDir dir;
    CliRun run = RunCli(dir, "");
    EXPECT_EQ(run.status, 106);  // CLI11's RequiredError
    EXPECT_NE(run.err, "");
}

TEST(CliUsage, CommandWithoutFileIsAUsageError) {
    TempDir dir;
    CliRun run = RunCli(dir, "info");
    EXPECT_EQ(run.status, 106);
    EXPECT_NE(run.err.find("FILE"), std::string::npos) << run.err;
}

TEST(CliUsage, UnknownOptionIsAUsageError) {
    TempDir dir;
    CliRun run = RunCli(dir, "json --frobnicate x.PDB");
    EXPECT_EQ(run.status, 109);  // CLI11's ExtrasError
}

TEST(CliUsage, HelpListsTheCommands) {
    TempDir dir;
    CliRun run = RunCli(dir, "--help");
    EXPECT_EQ(run.status, 0);
    for (const char* command : {"info", "json", "dump", "resave", "check"})
        EXPECT_NE(run.out.find(command), std::string::npos) << command;
}
