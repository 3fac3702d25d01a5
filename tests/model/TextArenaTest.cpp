// The text arena the reader stores record texts in, and values that share its texts: stored
// texts keep their bytes while more are added, and copies of a value outlive the arena.
#include "model/TbObjRecord.h"
#include "model/TbTextArena.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(TextArena, StoresEachTextUpToItsFirstNulWithItsLength) {
    struct Row {
        const char* name;
        std::string text;
        std::string stored;
    };
    const Row rows[] = {
        {"plain", "abc", "abc"},
        {"cut at the first NUL", std::string("ab\0cd", 5), "ab"},
        {"one byte", "x", "x"},
        {"larger than a block", std::string(3 << 20, 'q'), std::string(3 << 20, 'q')},
    };
    TbTextArena arena;
    std::vector<const char*> stored;
    for (const Row& row : rows) stored.push_back(arena.Store(row.text));
    // Many more texts move the arena on to new blocks; the earlier ones stay where they are.
    for (int i = 0; i < 200000; ++i) arena.Store("filler text " + std::to_string(i));
    for (size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(TbStoredTextView(stored[i]), rows[i].stored) << rows[i].name;
    EXPECT_EQ(arena.Store(""), nullptr);
    EXPECT_EQ(arena.Store(std::string_view("\0a", 2)), nullptr);
}

TEST(TextArena, ValuesSharingItsTextsCopyThemWhenCopiedMovedOrExtended) {
    auto arena = std::make_unique<TbTextArena>();
    CTbObjRecordValue shared, extended;
    shared.ShareText(arena->Store("shared text"));
    extended.ShareText(arena->Store("address"));
    extended.SetExtraWord(7);  // the extension takes the text along
    CTbObjRecordValue copied(shared);
    CTbObjRecordValue assigned;
    assigned = shared;
    CTbObjRecordValue moved(std::move(shared));
    CTbObjRecordValue empty;
    empty.ShareText(nullptr);
    arena.reset();  // a use of the freed blocks is caught by the sanitizers
    EXPECT_EQ(copied.GetText(), "shared text");
    EXPECT_EQ(assigned.GetText(), "shared text");
    EXPECT_EQ(moved.GetText(), "shared text");
    EXPECT_EQ(extended.GetText(), "address");
    EXPECT_EQ(extended.GetExtraWord(), 7u);
    EXPECT_TRUE(empty.HasValue());
    EXPECT_EQ(empty.GetText(), "");
}

}  // namespace
