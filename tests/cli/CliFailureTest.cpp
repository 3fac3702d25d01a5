// orvanta-cli when things go wrong: a missing file and files that are no Tabulon give exit
// status 1 and the reader's message alone on standard error; usage errors give CLI11's codes.
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

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

constexpr const char* kNotFound = "File could not be found or could not be opened.\n";

}  // namespace

TEST(CliFailure, FilesThatAreNoTabulonFailWithTheReadersMessageForEveryCommand) {
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;  // empty: no file at all
        const char* message;
        bool cause;
    };
    const Case cases[] = {{"MRA_Nowhere.PDB", {}, kNotFound, true},
                          {"MRA_Other.PDB", PdbHeader("data", "XXXX", 87),
                           "Invalid Tabulon: invalid PDB creator type.\n", false},
                          {"MRA_Upper.PDB", PdbHeader("DATA", "MNDR", 87),
                           "Invalid Tabulon file: invalid PDB file type.\n", false},
                          {"MRA_Short.PDB", PdbHeader("data", "MNDR", 86),
                           "Invalid Tabulon: Missing required design records.\n", false},
                          {"MRA_Cut.PDB", PatternBytes(20), "Couldn't read in all bytes in ReadN()\n", true}};
    const std::vector<std::string> every = {"info", "json", "check", "resave", "dump", "expr", "recalc"};
    TempDir dir;
    std::string copy = dir.File("MRA_Copy.PDB");
    for (const Case& c : cases) {
        if (!c.bytes.empty()) WriteBytes(dir.File(c.name), c.bytes);
        // Every command reads through the same path; the first two kinds of failure show it.
        for (const std::string& command : &c < cases + 2 ? every : std::vector<std::string>{"json"}) {
            SCOPED_TRACE(command + " " + c.name);
            std::string args = command == "expr"     ? " Age"
                               : command == "resave" ? " -o " + ShellQuote(copy)
                                                     : "";
            CliRun run = RunCli(dir, command + " " + ShellQuote(dir.File(c.name)) + args);
            EXPECT_EQ(run.status, 1);
            // The message, then the file and the cause where the system or the file gave one.
            EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1), c.message);
            std::string cause = run.err.substr(run.err.find('\n') + 1);
            EXPECT_EQ(cause.rfind(dir.File(c.name) + ": ", 0), c.cause ? 0u : std::string::npos) << cause;
            EXPECT_EQ(run.out, "");
        }
    }
    EXPECT_FALSE(std::filesystem::exists(copy)) << "a failed resave writes nothing";
}

TEST(CliUsage, MissingCommandsFilesAndUnknownOptionsAreUsageErrors) {
    TempDir dir;
    EXPECT_EQ(RunCli(dir, "").status, 106);  // CLI11's RequiredError
    CliRun run = RunCli(dir, "info");
    EXPECT_EQ(run.status, 106);
    EXPECT_TRUE(Contains(run.err, "FILE")) << run.err;
    EXPECT_EQ(RunCli(dir, "json --frobnicate x.PDB").status, 109);  // CLI11's ExtrasError
    EXPECT_EQ(RunCli(dir, "--help").status, 0);
}
