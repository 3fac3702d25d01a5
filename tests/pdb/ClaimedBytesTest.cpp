// The bytes the records read so far have used: stretches met in file order and out of it, a
// stretch whose start was met before, and which offsets fall inside them.
#include "pdb/TbClaimedBytes.h"

#include <gtest/gtest.h>

#include <utility>

TEST(ClaimedBytes, HoldTheOffsetsFromEachStretchStartUpToTheEndFirstClaimedForIt) {
    TbClaimedBytes claimed;
    EXPECT_FALSE(claimed.Holds(0));
    for (auto [start, end] : {std::pair{100u, 120u},
                              {150u, 170u},
                              {300u, 310u},
                              {300u, 400u},
                              {500u, 520u},
                              {200u, 210u},
                              {100u, 140u}})
        claimed.Claim(start, end);
    for (uint32_t offset : {100u, 119u, 150u, 169u, 200u, 209u, 300u, 309u, 500u, 519u})
        EXPECT_TRUE(claimed.Holds(offset)) << offset;
    for (uint32_t offset : {0u, 99u, 120u, 130u, 170u, 199u, 210u, 299u, 310u, 350u, 499u, 520u})
        EXPECT_FALSE(claimed.Holds(offset)) << offset;
    claimed.Clear();
    EXPECT_FALSE(claimed.Holds(100));
}
