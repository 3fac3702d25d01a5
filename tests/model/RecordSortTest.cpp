// How records compare on a field, how a view and a heading click order the record list, and
// which records the list keeps in its subset for a category and a filter.
#include "RecordTestSupport.h"

#include "model/TbObjDB.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

using testing::ElementsAre;
using testing::ElementsAreArray;

// ---------------------------------------------------------------------------------------------
// Comparing two records on a field

namespace {

struct CompareCase {
    const char* name;
    TbFieldType type;
    // Prepares the field (items, result format, join type ...) before the records exist.
    std::function<void(CTbObjField&)> design;
    // Fills the two records' values (or keys).
    std::function<void(CTbObjRecord& a, CTbObjRecord& b, int slot)> fill;
    int expected;
};

void PrintTo(const CompareCase& c, std::ostream* os) { *os << c.name; }

void NoDesign(CTbObjField&) {}

std::function<void(CTbObjField&)> ResultFormat(int format) {
    return [format](CTbObjField& field) { field.ExprProps()->SetResultFormat(format); };
}

std::function<void(CTbObjField&)> JoinType(TbFieldType type) {
    return [type](CTbObjField& field) { field.JoinProps()->SetJoinFieldType(static_cast<uint8_t>(type)); };
}

std::function<void(CTbObjField&)> Items(std::vector<std::string> texts) {
    return [texts](CTbObjField& field) {
        for (const std::string& text : texts) field.ListProps()->Items().AddItem(text);
    };
}

auto Texts(const char* a, const char* b) {
    return [=](CTbObjRecord& ra, CTbObjRecord& rb, int slot) {
        ra.Value(slot)->SetText(a);
        rb.Value(slot)->SetText(b);
    };
}

auto Shorts(int16_t a, int16_t b) {
    return [=](CTbObjRecord& ra, CTbObjRecord& rb, int slot) {
        ra.Value(slot)->SetShort(a);
        rb.Value(slot)->SetShort(b);
    };
}

auto Longs(int32_t a, int32_t b) {
    return [=](CTbObjRecord& ra, CTbObjRecord& rb, int slot) {
        ra.Value(slot)->SetLong(a);
        rb.Value(slot)->SetLong(b);
    };
}

auto Floats(float a, float b) {
    return [=](CTbObjRecord& ra, CTbObjRecord& rb, int slot) {
        ra.Value(slot)->SetFloat(a);
        rb.Value(slot)->SetFloat(b);
    };
}

// -1 leaves the value as created (never set).
auto Checks(int a, int b) {
    return [=](CTbObjRecord& ra, CTbObjRecord& rb, int slot) {
        if (a >= 0) ra.Value(slot)->SetChecked(a == 1);
        if (b >= 0) rb.Value(slot)->SetChecked(b == 1);
    };
}

auto Dates(std::array<int, 3> a, std::array<int, 3> b) {
    return [=](CTbObjRecord& ra, CTbObjRecord& rb, int slot) {
        ra.Value(slot)->SetDate(a[0], a[1], a[2]);
        rb.Value(slot)->SetDate(b[0], b[1], b[2]);
    };
}

auto Times(std::array<int, 3> a, std::array<int, 3> b) {
    return [=](CTbObjRecord& ra, CTbObjRecord& rb, int slot) {
        ra.Value(slot)->SetTime(a[0], a[1], a[2]);
        rb.Value(slot)->SetTime(b[0], b[1], b[2]);
    };
}

// A selected item as the record editor stores it: the item index and the item text.
auto Selections(int16_t a, const char* textA, int16_t b, const char* textB) {
    return [=](CTbObjRecord& ra, CTbObjRecord& rb, int slot) {
        ra.Value(slot)->SetShort(a);
        ra.Value(slot)->SetText(textA);
        rb.Value(slot)->SetShort(b);
        rb.Value(slot)->SetText(textB);
    };
}

auto Keys(uint32_t a, uint32_t b) {
    return [=](CTbObjRecord& ra, CTbObjRecord& rb, int) {
        ra.SetKey(a);
        rb.SetKey(b);
    };
}

// Own values ordered one way, joined values the other way.
auto JoinedTexts(const char* a, const char* b) {
    return [=](CTbObjRecord& ra, CTbObjRecord& rb, int slot) {
        ra.Value(slot)->SetText(b);
        rb.Value(slot)->SetText(a);
        CTbObjRecordValue& ja = ra.Value(slot)->JoinedValue();
        CTbObjRecordValue& jb = rb.Value(slot)->JoinedValue();
        ja.SetType(TEXT_T);
        jb.SetType(TEXT_T);
        ja.SetText(a);
        jb.SetText(b);
    };
}

auto JoinedShorts(int16_t a, int16_t b) {
    return [=](CTbObjRecord& ra, CTbObjRecord& rb, int slot) {
        CTbObjRecordValue& ja = ra.Value(slot)->JoinedValue();
        CTbObjRecordValue& jb = rb.Value(slot)->JoinedValue();
        ja.SetType(INTEGER_T);
        jb.SetType(INTEGER_T);
        ja.SetShort(a);
        jb.SetShort(b);
        ja.SetText("b");  // texts that would order the other way
        jb.SetText("a");
    };
}

auto JoinedDates(std::array<int, 3> a, std::array<int, 3> b) {
    return [=](CTbObjRecord& ra, CTbObjRecord& rb, int slot) {
        CTbObjRecordValue& ja = ra.Value(slot)->JoinedValue();
        CTbObjRecordValue& jb = rb.Value(slot)->JoinedValue();
        ja.SetType(DATE_T);
        jb.SetType(DATE_T);
        ja.SetDate(a[0], a[1], a[2]);
        jb.SetDate(b[0], b[1], b[2]);
    };
}

// Different contents that a field of these types still treats as equal.
auto DifferentEverything() {
    return [](CTbObjRecord& ra, CTbObjRecord& rb, int slot) {
        ra.Value(slot)->SetText("a");
        rb.Value(slot)->SetText("b");
        ra.Value(slot)->SetData({1});
        rb.Value(slot)->SetData({2, 2});
        ra.Value(slot)->SetLong(1);
        rb.Value(slot)->SetLong(2);
        ra.SetKey(1);
        rb.SetKey(2);
    };
}

class RecordCompareTest : public testing::TestWithParam<CompareCase> {};

}  // namespace

TEST_P(RecordCompareTest, OrdersByTheFieldsKindOfValue) {
    const CompareCase& c = GetParam();
    CTbObjDB db;
    CTbObjField& field = AddTypedField(db, "Field", c.type);
    c.design(field);
    CTbObjRecord& a = *db.Records().AddRecord(true, false);
    CTbObjRecord& b = *db.Records().AddRecord(true, false);
    c.fill(a, b, field.GetSlot());
    EXPECT_EQ(CTbObjRecordList::CompareRecords(a, b, field), c.expected);
    EXPECT_EQ(CTbObjRecordList::CompareRecords(b, a, field), -c.expected);
    EXPECT_EQ(CTbObjRecordList::CompareRecords(a, a, field), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RecordCompareTest,
    testing::Values(
        CompareCase{"TextIgnoresCase", TEXT_T, NoDesign, Texts("Apple", "aPPLE"), 0},
        CompareCase{"TextLowerBeforeLaterCapital", TEXT_T, NoDesign, Texts("apple", "Banana"), -1},
        CompareCase{"TextPrefixFirst", TEXT_T, NoDesign, Texts("Ab", "abc"), -1},
        CompareCase{"TextAccentedCapitalsFold", TEXT_T, NoDesign, Texts("\xC9t\xE9", "\xE9T\xC9"), 0},
        CompareCase{"TextEmptyFirst", TEXT_T, NoDesign, Texts("", "a"), -1},
        CompareCase{"MemoIgnoresCase", MEMO_T, NoDesign, Texts("zeta", "Alpha"), 1},
        CompareCase{"AddressJoinText", ADDR_BK_JOIN_T, NoDesign, Texts("smith", "JONES"), 1},
        CompareCase{"AddressLookupText", ADDR_BK_LOOKUP_T, NoDesign, Texts("Jones", "SMITH"), -1},
        CompareCase{"ConditionalExpressionText", COND_EXP_T, NoDesign, Texts("high", "HIGH"), 0},
        CompareCase{"IntegerNegative", INTEGER_T, NoDesign, Shorts(-5, 3), -1},
        CompareCase{"IntegerNotAsText", INTEGER_T, NoDesign, Shorts(300, 20), 1},
        CompareCase{"LongSigned", LONG_T, NoDesign, Longs(100000, -100000), 1},
        CompareCase{"AutoIncrementalLong", AUTO_INC_T, NoDesign, Longs(9, 10), -1},
        CompareCase{"FloatFractions", FLOATING_T, NoDesign, Floats(2.5f, 10.25f), -1},
        CompareCase{"FloatEqual", FLOATING_T, NoDesign, Floats(-1.5f, -1.5f), 0},
        CompareCase{"CheckedBeforeUnchecked", CHECKBOX_T, NoDesign, Checks(1, 0), -1},
        CompareCase{"NeverSetIsUnchecked", CHECKBOX_T, NoDesign, Checks(-1, 1), 1},
        CompareCase{"BothUnchecked", CHECKBOX_T, NoDesign, Checks(0, -1), 0},
        CompareCase{"DateByDay", DATE_T, NoDesign, Dates({2004, 10, 27}, {2004, 11, 1}), -1},
        CompareCase{"DateByYear", DATE_T, NoDesign, Dates({2005, 1, 1}, {2004, 12, 31}), 1},
        CompareCase{"DateUnsetFirst", DATE_T, NoDesign, Dates({0, 0, 0}, {1900, 1, 1}), -1},
        CompareCase{"TimeByMinute", TIME_T, NoDesign, Times({9, 59, 59}, {10, 0, 0}), -1},
        CompareCase{"TimeBySecond", TIME_T, NoDesign, Times({23, 0, 1}, {23, 0, 0}), 1},
        CompareCase{"ListByItemText", LIST_T, Items({"Zebra", "apple"}), Selections(1, "Zebra", 2, "apple"), 1},
        CompareCase{"ListItemTextIgnoresCase", LIST_T, Items({"Red", "RED"}), Selections(1, "Red", 2, "RED"), 0},
        CompareCase{"RadioByItemText", RADIO_T, Items({"beta", "Alpha"}), Selections(1, "beta", 2, "Alpha"), 1},
        CompareCase{"KeyByRecordKeyWithoutValues", KEY_T, NoDesign, Keys(7, 3), 1},
        CompareCase{"KeySignedThirtyTwoBits", KEY_T, NoDesign, Keys(0x80000000u, 1), -1},
        CompareCase{"ExpressionFloating", EXPRESSION_T, ResultFormat(EXPR_RESULT_FLOATING), Floats(3.5f, 12.0f), -1},
        CompareCase{"ExpressionDays", EXPRESSION_T, ResultFormat(EXPR_RESULT_DAYS), Floats(-2.0f, -3.0f), 1},
        CompareCase{"ExpressionDate", EXPRESSION_T, ResultFormat(EXPR_RESULT_DATE_MONTHS),
                    Dates({2004, 12, 1}, {2004, 11, 30}), 1},
        CompareCase{"ExpressionTime", EXPRESSION_T, ResultFormat(EXPR_RESULT_TIME), Times({1, 0, 0}, {0, 59, 59}), 1},
        CompareCase{"AdvancedExpressionText", ADV_EXPRESSION_T, ResultFormat(EXPR_RESULT_TEXT), Texts("b", "A"), 1},
        CompareCase{"AdvancedExpressionFloating", ADV_EXPRESSION_T, ResultFormat(EXPR_RESULT_FLOATING),
                    Floats(0.5f, 0.25f), 1},
        CompareCase{"DbJoinByJoinedText", DB_JOIN_T, JoinType(TEXT_T), JoinedTexts("a", "B"), -1},
        CompareCase{"DbJoinByJoinedInteger", DB_JOIN_T, JoinType(INTEGER_T), JoinedShorts(2, 10), -1},
        CompareCase{"DbLookupByJoinedDate", DB_LOOKUP_T, JoinType(DATE_T), JoinedDates({2004, 1, 2}, {2003, 5, 6}), 1},
        CompareCase{"ImageEqual", IMAGE_T, NoDesign, DifferentEverything(), 0},
        CompareCase{"OneToManyEqual", ONE_TO_MANY_T, NoDesign, DifferentEverything(), 0},
        CompareCase{"PlugInEqual", PLUGIN_T, NoDesign, DifferentEverything(), 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordCompare, AnUnusedSlotComparesEqual) {
    CTbObjDB db;
    CTbObjRecord& a = *db.Records().AddRecord(true);
    CTbObjRecord& b = *db.Records().AddRecord(true);
    a.Value(5)->SetText("a");
    b.Value(5)->SetText("b");
    EXPECT_EQ(CTbObjRecordList::CompareRecords(a, b, *db.Field(5)), 0);
}

// ---------------------------------------------------------------------------------------------
// Ordering the list by a view

namespace {

// Priority (Integer), Name (Text), Due (Date), Done (Checkbox), Id (Key), with a view showing each.
class RecordViewSortTest : public testing::Test {
protected:
    RecordViewSortTest()
        : priority(AddTypedField(db, "Priority", INTEGER_T)),
          name(AddTypedField(db, "Name", TEXT_T)),
          due(AddTypedField(db, "Due", DATE_T)),
          done(AddTypedField(db, "Done", CHECKBOX_T)),
          id(AddTypedField(db, "Id", KEY_T)) {
        view = db.AddView();
        for (const CTbObjField* field : {&priority, &name, &due, &done, &id}) view->AddColumn(SlotOf(*field));
    }

    CTbObjRecord* Add(int16_t p, const char* n, std::array<int, 3> d, uint16_t category = 0) {
        CTbObjRecord* record = db.Records().AddRecord(true);
        record->Value(priority.GetSlot())->SetShort(p);
        record->Value(name.GetSlot())->SetText(n);
        record->Value(due.GetSlot())->SetDate(d[0], d[1], d[2]);
        record->Value(0)->SetShort(static_cast<int16_t>(category));
        return record;
    }

    void Keys(std::array<std::pair<const CTbObjField*, uint16_t>, 3> keys) {
        for (int k = 1; k <= 3; ++k)
            view->SetSortKey(k, keys[k - 1].first ? SlotOf(*keys[k - 1].first) : 0, keys[k - 1].second);
    }

    // Five records that need all three keys: 2 and 5 tie on everything.
    void AddTieBreakingRecords() {
        Add(2, "b", {2004, 1, 2});   // key 1
        Add(1, "z", {2000, 1, 1});   // key 2: lowest priority, whatever its name and date
        Add(2, "a", {2004, 1, 3});   // key 3
        Add(2, "b", {2004, 1, 1});   // key 4
        Add(2, "B", {2004, 1, 1});   // key 5: ties with key 4 (names ignore case)
    }

    CTbObjDB db;
    CTbObjField& priority;
    CTbObjField& name;
    CTbObjField& due;
    CTbObjField& done;
    CTbObjField& id;
    CTbObjView* view = nullptr;
};

}  // namespace

TEST_F(RecordViewSortTest, TiesOnTheFirstKeyAreOrderedByTheSecondAndThird) {
    AddTieBreakingRecords();
    Keys({{{&priority, 0}, {&name, 0}, {&due, 0}}});
    db.Records().ApplyView(0);
    EXPECT_TRUE(db.Records().IsSubsetActive());
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(2u, 3u, 4u, 5u, 1u));
    EXPECT_THAT(StoredKeys(db.Records()), ElementsAre(1u, 2u, 3u, 4u, 5u));
}

TEST_F(RecordViewSortTest, EachKeyHasItsOwnDirection) {
    AddTieBreakingRecords();
    Keys({{{&priority, 0}, {&name, 0}, {&due, 1}}});
    db.Records().ApplyView(0);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(2u, 3u, 1u, 4u, 5u));

    Keys({{{&priority, 1}, {&name, 1}, {&due, 0}}});
    db.Records().ApplyView(0);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(4u, 5u, 1u, 3u, 2u));
}

TEST_F(RecordViewSortTest, AnyNonZeroDirectionIsDescending) {
    Add(1, "x", {2004, 1, 1});
    Add(3, "x", {2004, 1, 1});
    Add(2, "x", {2004, 1, 1});
    for (uint16_t direction : {1, 2, 0xFFFF}) {
        Keys({{{&priority, direction}, {nullptr, 0}, {nullptr, 0}}});
        db.Records().ApplyView(0);
        EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(2u, 3u, 1u)) << direction;
    }
}

TEST_F(RecordViewSortTest, RecordsEqualOnEveryKeyKeepTheirStoredOrder) {
    for (int i = 0; i < 90; ++i) Add(static_cast<int16_t>(i % 3), i % 2 ? "same" : "SAME", {2004, 1, 1});
    for (uint16_t direction : {0, 1}) {
        Keys({{{&priority, direction}, {&name, 0}, {&due, 0}}});
        db.Records().ApplyView(0);
        std::vector<uint32_t> shown = ShownKeys(db.Records());
        ASSERT_EQ(shown.size(), 90u);
        for (size_t i = 1; i < shown.size(); ++i) {
            int16_t before = db.Records().Record(static_cast<int>(i - 1))->Value(priority.GetSlot())->GetShort();
            int16_t now = db.Records().Record(static_cast<int>(i))->Value(priority.GetSlot())->GetShort();
            if (before == now) EXPECT_LT(shown[i - 1], shown[i]) << "position " << i << " direction " << direction;
            else EXPECT_TRUE(direction == 0 ? before < now : before > now) << "position " << i;
        }
    }
}

TEST_F(RecordViewSortTest, AKeyWithFieldZeroEndsTheListOfKeys) {
    Add(1, "c", {2004, 1, 1});
    Add(1, "a", {2004, 1, 1});
    Add(0, "b", {2004, 1, 1});
    Keys({{{&priority, 0}, {nullptr, 0}, {&name, 0}}});
    db.Records().ApplyView(0);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(3u, 1u, 2u));
}

TEST_F(RecordViewSortTest, AViewWithoutKeysShowsTheStoredOrder) {
    Add(3, "c", {2004, 1, 3});
    Add(1, "a", {2004, 1, 1});
    Add(2, "b", {2004, 1, 2});
    Keys({{{nullptr, 0}, {&priority, 0}, {&name, 0}}});
    db.Records().ApplyView(0);
    EXPECT_TRUE(db.Records().IsSubsetActive());
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(1u, 2u, 3u));
}

TEST_F(RecordViewSortTest, CheckboxAscendingPutsCheckedRecordsFirst) {
    for (int i = 0; i < 6; ++i) {
        CTbObjRecord* record = Add(0, "x", {2004, 1, 1});
        if (i % 3 == 1) record->Value(done.GetSlot())->SetChecked(true);
        if (i % 3 == 2) record->Value(done.GetSlot())->SetChecked(false);
    }
    Keys({{{&done, 0}, {nullptr, 0}, {nullptr, 0}}});
    db.Records().ApplyView(0);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(2u, 5u, 1u, 3u, 4u, 6u));
}

TEST_F(RecordViewSortTest, AKeyFieldOrdersByRecordKeyWithoutAnyValue) {
    for (uint32_t key : {30u, 10u, 0x80000000u, 20u}) {
        CTbObjRecord* record = db.Records().AddRecord(false);
        record->SetKey(key);
        ASSERT_FALSE(record->Value(id.GetSlot())->HasValue());
    }
    Keys({{{&id, 0}, {nullptr, 0}, {nullptr, 0}}});
    db.Records().ApplyView(0);
    // Keys compare as signed 32-bit numbers: 0x80000000 is the lowest.
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(0x80000000u, 10u, 20u, 30u));
    Keys({{{&id, 1}, {nullptr, 0}, {nullptr, 0}}});
    db.Records().ApplyView(0);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(30u, 20u, 10u, 0x80000000u));
}

TEST_F(RecordViewSortTest, OnlyTheRecordsOfTheStoredCategoryAreOrdered) {
    Add(3, "a", {2004, 1, 1}, 1);
    Add(9, "b", {2004, 1, 1}, 2);
    Add(1, "c", {2004, 1, 1}, 1);
    Add(2, "d", {2004, 1, 1}, 1);
    db.Records().ApplyFilter(1, -1);
    Keys({{{&priority, 0}, {nullptr, 0}, {nullptr, 0}}});
    db.Records().ApplyView(0);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(3u, 4u, 1u));
    EXPECT_EQ(db.Records().Count(true), 4);
}

TEST_F(RecordViewSortTest, ApplyingAViewFiltersAgainWithTheStoredCategory) {
    CTbObjRecord* moved = Add(5, "a", {2004, 1, 1}, 2);
    Add(4, "b", {2004, 1, 1}, 1);
    db.Records().ApplyFilter(1, -1);
    ASSERT_EQ(db.Records().Count(), 1);
    moved->Value(0)->SetShort(1);
    Keys({{{&priority, 0}, {nullptr, 0}, {nullptr, 0}}});
    db.Records().ApplyView(0);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(2u, 1u));
    EXPECT_EQ(db.Records().GetCurrentCategory(), 1);
}

TEST_F(RecordViewSortTest, SortByFieldOrdersByThatFieldAloneAndIsRemembered) {
    EXPECT_EQ(db.Records().GetManualSortField(), -1);
    Add(1, "b", {2004, 1, 3});
    Add(2, "a", {2004, 1, 1});
    Add(1, "a", {2004, 1, 2});
    Keys({{{&priority, 0}, {&name, 0}, {nullptr, 0}}});
    db.Records().SortByField(static_cast<int16_t>(due.GetSlot()), false);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(1u, 3u, 2u));
    EXPECT_EQ(db.Records().GetManualSortField(), due.GetSlot());
    EXPECT_FALSE(db.Records().GetManualSortAscending());

    db.Records().SortByField(static_cast<int16_t>(name.GetSlot()), true);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(2u, 3u, 1u));  // ties keep the stored order
    EXPECT_EQ(db.Records().GetManualSortField(), name.GetSlot());
    EXPECT_TRUE(db.Records().GetManualSortAscending());
}

TEST_F(RecordViewSortTest, SortByFieldKeepsTheStoredCategory) {
    Add(3, "a", {2004, 1, 1}, 1);
    Add(1, "b", {2004, 1, 1}, 2);
    Add(2, "c", {2004, 1, 1}, 1);
    db.Records().ApplyFilter(1, -1);
    db.Records().SortByField(static_cast<int16_t>(priority.GetSlot()), true);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(3u, 1u));
}

TEST(RecordListSort, AViewOnAListOrdersByItemTextNotByIndex) {
    CTbObjDB db;
    CTbObjField& colour = AddTypedField(db, "Colour", LIST_T);
    CTbObjListItems& items = colour.ListProps()->Items();
    for (const char* item : {"red", "Green", "blue"}) items.AddItem(item);
    CTbObjView* view = db.AddView();
    view->AddColumn(SlotOf(colour));
    view->SetSortKey(1, SlotOf(colour), 0);
    for (int16_t index : {1, 2, 3, 2}) db.Records().AddRecord(true, false)->Value(colour.GetSlot())->SetShort(index);
    db.Records().ApplyView(0);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(3u, 2u, 4u, 1u));  // blue, Green, Green, red
}

TEST(RecordJoinSort, AViewOnADbJoinOrdersByTheJoinedValues) {
    CTbObjDB db;
    CTbObjField& join = AddTypedField(db, "Customer", DB_JOIN_T);
    join.JoinProps()->SetJoinFieldType(TEXT_T);
    CTbObjView* view = db.AddView();
    view->AddColumn(SlotOf(join));
    view->SetSortKey(1, SlotOf(join), 0);
    const char* joined[] = {"Mango", "apple", "Kiwi"};
    const char* own[] = {"1", "2", "3"};
    for (int i = 0; i < 3; ++i) {
        CTbObjRecordValue& value = *db.Records().AddRecord(true)->Value(join.GetSlot());
        value.SetText(own[i]);
        value.JoinedValue().SetType(TEXT_T);
        value.JoinedValue().SetText(joined[i]);
    }
    db.Records().ApplyView(0);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(2u, 3u, 1u));
}

// ---------------------------------------------------------------------------------------------
// The subset: category and filter

namespace {

class RecordSubsetTest : public testing::Test {
protected:
    RecordSubsetTest() : qty(AddTypedField(db, "Qty", INTEGER_T)) {
        CTbObjListItems& categories = db.Field(0)->ListProps()->Items();
        categories.AddItem("Business");
        categories.AddItem("Personal");
        // Keys 1..6 with categories 1, 2, 1, 0, 2, 1 and quantities 10..60.
        const int16_t kCategories[] = {1, 2, 1, 0, 2, 1};
        for (int i = 0; i < 6; ++i) {
            CTbObjRecord* record = db.Records().AddRecord(true);
            record->Value(0)->SetShort(kCategories[i]);
            record->Value(qty.GetSlot())->SetShort(static_cast<int16_t>(10 * (i + 1)));
        }
    }

    CTbObjDB db;
    CTbObjField& qty;
};

}  // namespace

TEST_F(RecordSubsetTest, ANewListShowsAllRecordsWithoutASubset) {
    CTbObjDB fresh;
    EXPECT_FALSE(fresh.Records().IsSubsetActive());
    EXPECT_EQ(fresh.Records().GetCurrentCategory(), AllCategories);
    EXPECT_EQ(fresh.Records().GetCurrentFilterIndex(), -1);
    EXPECT_EQ(fresh.Records().GetManualSortField(), -1);
    EXPECT_EQ(db.Records().Count(), 6);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(1u, 2u, 3u, 4u, 5u, 6u));
}

TEST_F(RecordSubsetTest, AllCategoriesAndNoFilterLeaveTheSubsetInactiveUntilAViewIsApplied) {
    db.Records().ApplyFilter(AllCategories, -1);
    EXPECT_FALSE(db.Records().IsSubsetActive());
    EXPECT_EQ(db.Records().Count(), 6);
    db.AddView();
    db.Records().ApplyView(0);
    EXPECT_TRUE(db.Records().IsSubsetActive());
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(1u, 2u, 3u, 4u, 5u, 6u));
    // From now on a new record joins the subset too.
    CTbObjRecord* added = db.Records().AddRecord(true);
    ASSERT_EQ(db.Records().Count(), 7);
    EXPECT_EQ(db.Records().Record(6), added);
}

TEST_F(RecordSubsetTest, ACategoryKeepsItsRecordsInStoredOrder) {
    db.Records().ApplyFilter(1, -1);
    EXPECT_TRUE(db.Records().IsSubsetActive());
    EXPECT_EQ(db.Records().GetCurrentCategory(), 1);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(1u, 3u, 6u));
    EXPECT_EQ(db.Records().Count(), 3);
    EXPECT_EQ(db.Records().Count(true), 6);
    EXPECT_EQ(db.Records().Record(3), nullptr);
    EXPECT_EQ(db.Records().RecordInStoredOrder(3)->GetKey(), 4u);

    db.Records().ApplyFilter(0, -1);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(4u));
    db.Records().ApplyFilter(7, -1);
    EXPECT_TRUE(db.Records().IsSubsetActive());
    EXPECT_EQ(db.Records().Count(), 0);
}

TEST_F(RecordSubsetTest, AFilterKeepsTheRecordsThatPassIt) {
    db.AddFilter()->SetCondition(0, SlotOf(qty), TbCompare::Greater, 0, "25");
    db.Records().ApplyFilter(AllCategories, 0);
    EXPECT_TRUE(db.Records().IsSubsetActive());
    EXPECT_EQ(db.Records().GetCurrentFilterIndex(), 0);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(3u, 4u, 5u, 6u));

    db.Records().ApplyFilter(1, 0);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(3u, 6u));
}

TEST_F(RecordSubsetTest, AFilterIndexWithoutAFilterPassesEveryRecord) {
    db.AddFilter()->SetCondition(0, SlotOf(qty), TbCompare::Equal, 0, "10");
    db.Records().ApplyFilter(AllCategories, 3);
    EXPECT_TRUE(db.Records().IsSubsetActive());
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(1u, 2u, 3u, 4u, 5u, 6u));
    db.Records().ApplyFilter(2, 3);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(2u, 5u));
}

TEST_F(RecordSubsetTest, ANewRecordIsAppendedToAnActiveSubset) {
    db.Records().ApplyFilter(2, -1);
    CTbObjRecord* added = db.Records().AddRecord(true);
    EXPECT_EQ(db.Records().Count(), 3);
    EXPECT_EQ(db.Records().Record(2), added);
    EXPECT_EQ(db.Records().Count(true), 7);
}

TEST_F(RecordSubsetTest, RemovingARecordTakesItOutOfSubsetAndList) {
    db.Records().ApplyFilter(1, -1);
    CTbObjRecord* third = db.Records().Record(1);
    ASSERT_NE(third, nullptr);
    ASSERT_EQ(third->GetKey(), 3u);
    db.SetModified(false);
    db.Records().RemoveRecord(third);
    EXPECT_TRUE(db.IsModified());
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(1u, 6u));
    EXPECT_THAT(StoredKeys(db.Records()), ElementsAre(1u, 2u, 4u, 5u, 6u));

    db.Records().ClearSubset();
    db.Records().RemoveRecord(db.Records().Record(0));
    EXPECT_THAT(StoredKeys(db.Records()), ElementsAre(2u, 4u, 5u, 6u));
}

TEST_F(RecordSubsetTest, ClearingTheSubsetShowsAllRecordsAgain) {
    db.AddFilter()->SetCondition(0, SlotOf(qty), TbCompare::Less, 0, "30");
    db.Records().ApplyFilter(1, 0);
    ASSERT_EQ(db.Records().Count(), 1);
    db.Records().ClearSubset();
    EXPECT_FALSE(db.Records().IsSubsetActive());
    EXPECT_EQ(db.Records().GetCurrentCategory(), AllCategories);
    EXPECT_EQ(db.Records().GetCurrentFilterIndex(), -1);
    EXPECT_EQ(db.Records().Count(), 6);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAreArray(StoredKeys(db.Records())));
}

TEST_F(RecordSubsetTest, ApplyingAViewAfterAFilterKeepsTheFilter) {
    db.AddFilter()->SetCondition(0, SlotOf(qty), TbCompare::GreaterOrEqual, 0, "40");
    CTbObjView* view = db.AddView();
    view->AddColumn(SlotOf(qty));
    view->SetSortKey(1, SlotOf(qty), 1);
    db.Records().ApplyFilter(AllCategories, 0);
    db.Records().ApplyView(0);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(6u, 5u, 4u));
    EXPECT_EQ(db.Records().GetCurrentFilterIndex(), 0);
}
