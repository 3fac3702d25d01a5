// Randomized scripts of writes, reads, seeks, gaps and truncations, each checked against a
// plain byte vector, catch window bookkeeping faults that single cases miss.
#include "io/BufferedFileHarness.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>

class BufferedFileModelTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(BufferedFileModelTest, RandomScriptMatchesModel) {
    TempDir dir;
    std::mt19937 random(GetParam());
    std::vector<uint8_t> script(3000);
    for (auto& b : script) b = static_cast<uint8_t>(random());
    QnFileException::Instance().Reset();

    BufferedFileHarness harness(dir.File("model.bin"));
    size_t at = 0;
    int step = 0;
    while (at < script.size()) {
        std::string failure = harness.Step(script.data(), script.size(), &at);
        ASSERT_EQ(failure, "") << "step " << step << " of seed " << GetParam();
        ++step;
    }
    EXPECT_EQ(harness.Finish(), "");
}

INSTANTIATE_TEST_SUITE_P(Seeds, BufferedFileModelTest, ::testing::Range(1u, 25u));
