// orvanta-cli check, resave and dump on a Tabulon written by the writer, and the progress bar
// that appears only when standard error is a terminal.
#include "CliRunner.h"
#include "SampleTabulon.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

class RepairCommands : public ::testing::Test {
protected:
    void SetUp() override {
        path = WriteSampleTabulon(dir);
        fs::create_directory(temp);
    }
    // The program's temporary files go to a folder of the test's own, to see they are removed.
    std::string TempEnv() const { return "TMPDIR=" + ShellQuote(temp.string()); }
    bool TempFolderEmpty() const { return fs::is_empty(temp); }

    TempDir dir;
    TempDir scratch;
    fs::path temp = dir.Path() / "tmp";
    std::string path;
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A save and a read raise an Auto Incremental field's next value by one (the sample's slot 9);
// apart from that the JSON before and after must be the same.
void ExpectSameAfterRoundTrip(const std::string& before, const std::string& after) {
    nlohmann::json expected = nlohmann::json::parse(before), actual = nlohmann::json::parse(after);
    expected["fields"][9]["nextValue"] = expected["fields"][9]["nextValue"].get<int>() + 1;
    EXPECT_EQ(actual, expected);
}

// Changes the selection of the first record's "Farbe" list (entry head 05 07, selection 2) to -1.
void SetFirstListSelectionToMinusOne(const std::string& path) {
    std::vector<uint8_t> bytes = ReadBytes(path);
    const std::vector<uint8_t> entry = {0x05, kColour, 0x02};
    auto found = std::find_end(bytes.begin(), bytes.end(), entry.begin(), entry.end());
    ASSERT_NE(found, bytes.end());
    found[2] = 0xFF;
    WriteBytes(path, bytes);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// check

TEST_F(RepairCommands, CheckOfAWrittenTabulonIsOk) {
    CliRun run = RunCli(scratch, "check " + ShellQuote(path), TempEnv());
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "ok\n");
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(TempFolderEmpty());
}

TEST_F(RepairCommands, CheckReportsAValueTheWriterLeavesOut) {
    // A list selection of -1 reads as a set value, but only selections above 0 are written.
    SetFirstListSelectionToMinusOne(path);
    CliRun run = RunCli(scratch, "check " + ShellQuote(path), TempEnv());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "records[0].values.7: -1 != (missing)\n");
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(TempFolderEmpty());
}

TEST_F(RepairCommands, CheckLeavesTheFileAsItWas) {
    std::vector<uint8_t> before = ReadBytes(path);
    RunCli(scratch, "check " + ShellQuote(path), TempEnv());
    EXPECT_EQ(ReadBytes(path), before);
}

// ---------------------------------------------------------------------------------------------
// resave

TEST_F(RepairCommands, ResaveInPlaceKeepsTheTabulon) {
    std::string before = RunCli(scratch, "json " + ShellQuote(path)).out;
    CliRun run = RunCli(scratch, "resave " + ShellQuote(path));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    ExpectSameAfterRoundTrip(before, RunCli(scratch, "json " + ShellQuote(path)).out);
}

TEST_F(RepairCommands, ResaveToAnotherFileKeepsTheTabulonsName) {
    std::string copy = dir.File("copy.pdb");
    std::string original = RunCli(scratch, "json " + ShellQuote(path)).out;
    CliRun run = RunCli(scratch, "resave " + ShellQuote(path) + " -o " + ShellQuote(copy));
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_TRUE(fs::exists(copy));
    CliRun resaved = RunCli(scratch, "json " + ShellQuote(copy));
    ASSERT_EQ(resaved.status, 0) << resaved.err;
    EXPECT_TRUE(Contains(resaved.out, "\"name\": \"MRA_Sample List\"")) << resaved.out;
    ExpectSameAfterRoundTrip(original, resaved.out);
}

TEST_F(RepairCommands, ResaveIntoAMissingFolderFailsWithTheWritersMessage) {
    CliRun run =
        RunCli(scratch, "resave " + ShellQuote(path) + " -o " + ShellQuote(dir.File("no/such/x.PDB")));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "File could not be found or could not be opened.\n");
}

// ---------------------------------------------------------------------------------------------
// dump

TEST_F(RepairCommands, DumpGoesNextToTheFileByDefault) {
    CliRun run = RunCli(scratch, "dump " + ShellQuote(path));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    std::string dump = ReadText(dir.File("MRA_Sample List.txt"));
    EXPECT_TRUE(Contains(dump, "PDB HEADER")) << dump;
    EXPECT_TRUE(Contains(dump, "End Read (full read)")) << dump;
}

TEST_F(RepairCommands, DumpToStandardOutputLeavesNoFileBehind) {
    CliRun run = RunCli(scratch, "dump " + ShellQuote(path) + " -o -", TempEnv());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "PDB HEADER")) << run.out;
    EXPECT_TRUE(Contains(run.out, "Record 86: Filter Definitions")) << run.out;
    EXPECT_TRUE(Contains(run.out, "End Read (full read)")) << run.out;
    EXPECT_TRUE(TempFolderEmpty());
    EXPECT_FALSE(fs::exists(dir.File("MRA_Sample List.txt")));
}

TEST_F(RepairCommands, DumpToAChosenFile) {
    std::string out = dir.File("report.txt");
    CliRun run = RunCli(scratch, "dump " + ShellQuote(path) + " -o " + ShellQuote(out));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(ReadText(out), "End Read (full read)"));
    EXPECT_FALSE(fs::exists(dir.File("MRA_Sample List.txt")));
}

TEST_F(RepairCommands, DumpOfADamagedFileKeepsWhatWasReadAndFails) {
    std::vector<uint8_t> bytes = ReadBytes(path);
    bytes.resize(78 + 8 * 10);  // the record list ends after ten entries
    WriteBytes(path, bytes);
    CliRun run = RunCli(scratch, "dump " + ShellQuote(path) + " -o -", TempEnv());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Couldn't read in all bytes in ReadN()\n");
    EXPECT_TRUE(Contains(run.out, "PDB HEADER")) << run.out;
    EXPECT_FALSE(Contains(run.out, "End Read")) << run.out;
    EXPECT_TRUE(TempFolderEmpty());
}

// ---------------------------------------------------------------------------------------------
// Progress

// Runs the program with standard error on a pseudo terminal; returns what the terminal showed.
std::string RunOnTerminal(const std::vector<std::string>& args, int* status) {
    int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) return "";
    std::string slaveName = ::ptsname(master);
    int slave = ::open(slaveName.c_str(), O_RDWR | O_NOCTTY);  // kept open so no hang-up loses output
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, slaveName.c_str(), O_RDWR, 0);
    std::vector<char*> argv{const_cast<char*>(ORVANTA_CLI)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    std::string shown;
    if (posix_spawn(&pid, ORVANTA_CLI, &actions, nullptr, argv.data(), environ) == 0) {
        ::fcntl(master, F_SETFL, O_NONBLOCK);
        int wait = 0;
        char buffer[4096];
        for (bool done = false; !done;) {
            done = ::waitpid(pid, &wait, WNOHANG) == pid;
            for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;)
                shown.append(buffer, static_cast<size_t>(n));
            if (!done) ::usleep(5000);
        }
        *status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(slave);
    ::close(master);
    return shown;
}

TEST_F(RepairCommands, ProgressBarIsDrawnAndErasedOnATerminal) {
    int status = -1;
    std::string shown = RunOnTerminal({"check", path}, &status);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(Contains(shown, "100%")) << shown;
    EXPECT_TRUE(Contains(shown, "Loading Tabulon")) << shown;
    EXPECT_EQ(shown.substr(shown.size() >= 4 ? shown.size() - 4 : 0), "\r\x1b[K") << shown;
}

TEST_F(RepairCommands, NoProgressWhenStandardErrorIsAFile) {
    CliRun run = RunCli(scratch, "info " + ShellQuote(path));
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
}
