// The bytes the records read so far have used: stretches met in file order and out of it,
// a stretch met twice, and which offsets fall inside them.
#include "pdb/TbClaimedBytes.h"

#include <gtest/gtest.h>

TEST(ClaimedBytes, HoldsTheOffsetsFromEachStretchStartUpToItsEnd) {
    TbClaimedBytes claimed;
    EXPECT_FALSE(claimed.Holds(0));
    claimed.Claim(100, 150);
    claimed.Claim(150, 170);
    claimed.Claim(200, 260);
    for (uint32_t offset : {100u, 149u, 150u, 169u, 200u, 259u}) EXPECT_TRUE(claimed.Holds(offset)) << offset;
    for (uint32_t offset : {0u, 99u, 170u, 199u, 260u, 1000u}) EXPECT_FALSE(claimed.Holds(offset)) << offset;
}

TEST(ClaimedBytes, KeepsStretchesMetOutOfFileOrderInOrder) {
    TbClaimedBytes claimed;
    claimed.Claim(500, 520);
    claimed.Claim(100, 120);
    claimed.Claim(300, 310);
    for (uint32_t offset : {100u, 119u, 300u, 309u, 500u, 519u}) EXPECT_TRUE(claimed.Holds(offset)) << offset;
    for (uint32_t offset : {99u, 120u, 299u, 310u, 499u, 520u}) EXPECT_FALSE(claimed.Holds(offset)) << offset;
}

TEST(ClaimedBytes, AStretchWithAStartMetBeforeKeepsTheFirstEnd) {
    TbClaimedBytes claimed;
    claimed.Claim(100, 120);
    claimed.Claim(200, 220);
    claimed.Claim(100, 180);
    EXPECT_TRUE(claimed.Holds(119));
    EXPECT_FALSE(claimed.Holds(150));
    claimed.Clear();
    EXPECT_FALSE(claimed.Holds(100));
}
