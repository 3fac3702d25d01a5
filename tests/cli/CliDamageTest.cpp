// orvanta-cli on damaged copies of the sample: every command tells what the read passed over or
// repaired, an in-place save refuses and leaves the file as it was, -o writes a repaired copy
// and --force replaces the file.
#include "CliRunner.h"
#include "SampleTabulon.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A byte of the sample's record list or records: the list entry of record r starts at 78 + 8r.
uint32_t Offset(const std::vector<uint8_t>& bytes, int record) {
    size_t at = 78 + 8 * static_cast<size_t>(record);
    return static_cast<uint32_t>(bytes[at] << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3]);
}
void SetOffset(std::vector<uint8_t>& bytes, int record, uint32_t offset) {
    for (int i = 0; i < 4; ++i)
        bytes[78 + 8 * static_cast<size_t>(record) + i] = static_cast<uint8_t>(offset >> (24 - 8 * i));
}

struct Damage {
    const char* name;
    void (*damage)(std::vector<uint8_t>&);
    const char* warning;  // the start of the warning line
    const char* loss;     // what the refusal counts
    bool toldByInfo;      // info reads the design and the record list only
};

const Damage kDamages[] = {
    {"offset past the end", [](std::vector<uint8_t>& b) { SetOffset(b, 88, 1u << 20); },
     "warning: Record 88 passed over: its offset 1048576 lies outside", "passed over 1 record;", true},
    {"offset pointing backwards", [](std::vector<uint8_t>& b) { SetOffset(b, 88, Offset(b, 87)); },
     "warning: Record 88 passed over: its offset", "passed over 1 record;", false},
    {"offset into the header", [](std::vector<uint8_t>& b) { SetOffset(b, 88, 40); },
     "warning: Record 88 passed over: its offset 40 lies outside", "passed over 1 record;", true},
    {"text length 255", [](std::vector<uint8_t>& b) { b[Offset(b, 87) + 8] = 255; },
     "warning: Record 87: the text of field 1 ran past the record's end and was cut to",
     "passed over 1 value;", false},
    {"no end mark",
     [](std::vector<uint8_t>& b) { b[Offset(b, 88) - 2] = b[Offset(b, 88) - 1] = 31; },  // a head of no type
     "warning: Record 87: no end mark", "passed over 1 value;", false},
    {"startup text without terminator", [](std::vector<uint8_t>& b) { b[Offset(b, 1) - 1] = 'X'; },
     "warning: Record 0: Startup Screen has no terminator", "passed over 1 value;", true},
    {"name without terminator",
     [](std::vector<uint8_t>& b) { std::fill(b.begin() + 15, b.begin() + 32, 'x'); },
     "warning: Header: the database name has no terminator", "passed over 1 value;", true},
};

TEST(CliDamage, DamageIsToldAndAnInPlaceSaveRefusesUnlessToWriteACopyOrForced) {
    TempDir dir, scratch;
    const std::vector<uint8_t> sound = ReadBytes(WriteSampleTabulon(dir));
    const std::string file = dir.File("MRA_Damaged.PDB"), copy = dir.File("MRA_Copy.PDB");
    const std::string quoted = ShellQuote(file);
    for (const Damage& d : kDamages) {
        SCOPED_TRACE(d.name);
        std::vector<uint8_t> bytes = sound;
        d.damage(bytes);
        WriteBytes(file, bytes);

        CliRun json = RunCli(scratch, "json " + quoted);
        EXPECT_EQ(json.status, 0);
        EXPECT_EQ(json.err.rfind(d.warning, 0), 0u) << json.err;
        nlohmann::json warnings = nlohmann::json::parse(json.out)["warnings"];
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_EQ("warning: " + warnings[0]["text"].get<std::string>() + "\n", json.err);
        CliRun info = RunCli(scratch, "info " + quoted);
        EXPECT_EQ(info.status, 0);
        EXPECT_EQ(info.err, d.toldByInfo ? json.err : "");
        EXPECT_EQ(Contains(info.out, "Warnings (1):\n  " + std::string(d.warning).substr(9)), d.toldByInfo)
            << info.out;
        CliRun check = RunCli(scratch, "check " + quoted);
        EXPECT_EQ(check.status, 1);
        EXPECT_EQ(check.out.rfind(d.warning, 0), 0u) << check.out;

        for (const char* command : {"resave", "recalc"}) {
            CliRun refused = RunCli(scratch, std::string(command) + " " + quoted);
            EXPECT_EQ(refused.status, 1) << command;
            EXPECT_TRUE(Contains(refused.err, d.loss)) << refused.err;
            EXPECT_TRUE(Contains(refused.err,
                                 "\nUse -o OUT to write a repaired copy, or --force to replace the file.\n"))
                << refused.err;
            EXPECT_EQ(ReadBytes(file), bytes) << command << " left the file as it was";
        }
        CliRun repaired = RunCli(scratch, "resave " + quoted + " -o " + ShellQuote(copy));
        EXPECT_EQ(repaired.status, 0) << repaired.err;
        EXPECT_EQ(repaired.err.rfind(d.warning, 0), 0u) << "the copy is written with the warnings told";
        EXPECT_EQ(RunCli(scratch, "check " + ShellQuote(copy)).out, "ok\n");
        EXPECT_EQ(ReadBytes(file), bytes);
        EXPECT_EQ(RunCli(scratch, "resave --force " + quoted).status, 0);
        EXPECT_EQ(RunCli(scratch, "info " + quoted).err, "") << "the file is repaired";
    }
}

}  // namespace
