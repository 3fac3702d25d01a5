// Recalculating through a library item: a computed field that reads a looked-up value, the
// recalculation-needed flag against forced runs, one record; and the item's save asking before
// it drops what the read passed over.
#include "LibraryFixture.h"

#include "library/CTbBrowser.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"
#include "model/TbObjView.h"

#include <filesystem>

namespace fs = std::filesystem;
using orvanta::platform::PromptAnswer;

namespace {

constexpr uint8_t kTokenFloatConst = 86, kTokenPlus = 90;

class ItemRecalc : public testing::Test {
protected:
    ItemRecalc() { fs::create_directories(Folder() + "data/"); }
    std::string Folder() const { return home.Path().string() + "/Orvanta/"; }

    // "Parts": Price (Float) in two records, 2.5 and 4. "Orders": slot 1 a DB Join on the
    // part's key, slot 2 a DB Lookup of its price, slot 3 the expression "Price + 1"; the
    // orders join parts 2 and 1.
    void WriteJoinedPair() {
        CTbObjDB parts, orders;
        NewTabulon(parts, Folder(), "Parts");
        parts.AddField("Price", FLOATING_T);
        parts.AddField("Id", KEY_T);
        for (float price : {2.5f, 4.0f}) parts.Records().AddRecord(true, false)->Value(1)->SetFloat(price);
        ASSERT_GE(parts.Save(), 0);
        NewTabulon(orders, Folder(), "Orders");
        for (auto [name, type, display] : {std::tuple{"Part", DB_JOIN_T, 2}, {"Price", DB_LOOKUP_T, 1}}) {
            CTbObjFieldJoin& props = *orders.AddField(name, type)->JoinProps();
            props.SetSourceDatabase(type == DB_JOIN_T ? "Parts" : "");
            props.SetJoinField(type == DB_JOIN_T ? 2 : 1);
            props.SetDisplayField(static_cast<uint8_t>(display));
        }
        orders.AddField("Plus one", EXPRESSION_T);
        CTbObjFieldCondExpr& dear = *orders.AddField("Dear", COND_EXP_T)->CondExprProps();
        dear.Condition().SetCondition(0, 2, TbCompare::Greater, 0, "3");
        dear.SetTrueConstant("dear");
        dear.SetFalseConstant("cheap");
        ASSERT_TRUE(
            orders.Field(3)->ExprProps()->SetTokens({2, kTokenPlus, kTokenFloatConst}, {"", "", "1"}));
        for (int32_t key : {2, 1}) {
            CTbObjRecordValue& join = *orders.Records().AddRecord(true, false)->Value(1);
            join.SetType(KEY_T);
            join.SetLong(key);
        }
        ASSERT_GE(orders.Save(), 0);
    }
    CTbItem& Open(const std::string& name) {
        EXPECT_GE(browser.OpenUserDirectory(home.Path().string(), "Ann"), 0);
        CTbItem* item = browser.FindByDisplayName(name);
        EXPECT_GE(item->Load(false), 0);
        return *item;
    }
    static float Result(CTbItem& item, int record) {
        return item.Db().Records().RecordInStoredOrder(record)->Value(3)->GetFloat();
    }

    TempDir home, config;
    ScopedRegistry registry{config.File("registry")};
    RecordingPrompt prompt;
    CTbBrowser browser{nullptr, &prompt};
};

}  // namespace

TEST_F(ItemRecalc, AComputedFieldReadsTheLookedUpValueAndRunsOnceUnlessForced) {
    WriteJoinedPair();
    CTbItem& orders = Open("Orders");
    EXPECT_TRUE(orders.NeedsRecalculation());
    orders.ResolveJoins();
    orders.Recalculate(false);
    EXPECT_FALSE(orders.NeedsRecalculation());
    EXPECT_FLOAT_EQ(Result(orders, 0), 5.0f);
    EXPECT_FLOAT_EQ(Result(orders, 1), 3.5f);
    for (auto [record, text] : {std::pair{0, "dear"}, {1, "cheap"}})  // the condition reads the lookup too
        EXPECT_EQ(orders.Db().Records().RecordInStoredOrder(record)->Value(4)->GetText(), text);

    CTbObjRecord& first = *orders.Db().Records().RecordInStoredOrder(0);
    first.Value(3)->SetFloat(0);
    orders.Recalculate(false);
    EXPECT_FLOAT_EQ(Result(orders, 0), 0.0f);
    orders.Recalculate(true);
    EXPECT_FLOAT_EQ(Result(orders, 0), 5.0f);

    first.Value(1)->SetLong(1);
    orders.ResolveJoin(*orders.Db().Field(1), first);
    EXPECT_TRUE(orders.RecalculateRecord(first, nullptr));
    EXPECT_FLOAT_EQ(Result(orders, 0), 3.5f);
    EXPECT_FALSE(orders.RecalculateRecord(first, nullptr));
}

TEST_F(ItemRecalc, SavingWhatTheReadPassedOverAsksFirstAndKeepsTheFileUnlessYes) {
    std::string path = WriteTabulon(Folder(), "Damaged", 3);
    std::vector<uint8_t> bytes = ReadBytes(path);
    size_t last = (size_t{bytes[76]} << 8 | bytes[77]) - 1;
    for (size_t i = 0; i < 4; ++i) bytes[78 + 8 * last + i] = i == 1 ? 0x10 : 0;  // offset past the end
    WriteBytes(path, bytes);
    CTbItem& item = Open("Damaged");

    EXPECT_LT(item.Save(), 0);
    ASSERT_EQ(prompt.texts.size(), 1u);
    EXPECT_NE(prompt.texts[0].find("passed over 1 record"), std::string::npos) << prompt.texts[0];
    EXPECT_EQ(ReadBytes(path), bytes);

    prompt.answer = PromptAnswer::Yes;
    EXPECT_GE(item.Save(), 0);
    EXPECT_NE(ReadBytes(path), bytes);
}
