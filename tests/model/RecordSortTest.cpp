// How records compare on a field, how a view and a heading click order the record list (checked
// against the record comparison on random data), and which records the subset keeps for a
// category and a filter.
#include "ModelTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

using testing::ElementsAre;

TEST(RecordCompare, OrdersByTheFieldsKindOfValue) {
    struct Case {
        TbFieldType type;
        int format;  // result format of expressions, joined type of DB joins
        Fill a, b;
        int expected;
    };
    const Case cases[] = {
        {TEXT_T, 0, Text("apple"), Text("Banana"), -1},
        {TEXT_T, 0, Text("Ab"), Text("abc"), -1},
        {MEMO_T, 0, Text("\xC9t\xE9"), Text("\xE9T\xC9"), 0},  // accented capitals fold too
        {ADDR_BK_JOIN_T, 0, Text("smith"), Text("JONES"), 1},
        {COND_EXP_T, 0, Text("high"), Text("HIGH"), 0},
        {INTEGER_T, 0, Short(300), Short(20), 1},
        {LONG_T, 0, Long(100000), Long(-100000), 1},
        {AUTO_INC_T, 0, Long(9), Long(10), -1},
        {FLOATING_T, 0, Float(2.5f), Float(10.25f), -1},
        {CHECKBOX_T, 0, Checked(true), Checked(false), -1},  // checked first
        {CHECKBOX_T, 0, Unset, Checked(true), 1},            // never set is unchecked
        {DATE_T, 0, Date(2005, 1, 1), Date(2004, 12, 31), 1},
        {TIME_T, 0, Time(9, 59, 59), Time(10, 0, 0), -1},
        {EXPRESSION_T, EXPR_RESULT_DAYS, Float(-2), Float(-3), 1},
        {EXPRESSION_T, EXPR_RESULT_DATE_MONTHS, Date(2004, 12, 1), Date(2004, 11, 30), 1},
        {ADV_EXPRESSION_T, EXPR_RESULT_TIME, Time(1, 0, 0), Time(0, 59, 59), 1},
        {ADV_EXPRESSION_T, EXPR_RESULT_TEXT, Text("b"), Text("A"), 1},
        {RADIO_T, 0, Short(1), Short(2), 1},                 // by the text of the item: "beta" after "Alpha"
        {LIST_T, 0, Item(1, "alpha"), Item(2, "ALPHA"), 0},  // the stored text first
        {DB_JOIN_T, TEXT_T, Joined(TEXT_T, Text("a"), "z"), Joined(TEXT_T, Text("B"), "a"), -1},
        {DB_JOIN_T, INTEGER_T, Joined(INTEGER_T, Short(2), "z"), Joined(INTEGER_T, Short(10), "a"), -1},
        {DB_LOOKUP_T, DATE_T, Joined(DATE_T, Date(2004, 1, 2), "a"), Joined(DATE_T, Date(2003, 5, 6), "z"),
         1},
        {NOTUSED_T, 0, Text("a"), Text("b"), 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(FieldTypeName(c.type)) + " format " + std::to_string(c.format) +
                     " expecting " + std::to_string(c.expected));
        CTbObjDB db;
        db.SetFieldType(1, c.type, "Field");
        CTbObjField& field = *db.Field(1);
        if (field.ExprProps()) field.ExprProps()->SetResultFormat(c.format);
        if (field.JoinProps()) field.JoinProps()->SetJoinFieldType(static_cast<uint8_t>(c.format));
        if (field.ListProps())
            field.ListProps()->Items().AddItem("beta"), field.ListProps()->Items().AddItem("Alpha");
        CTbObjRecord& a = *db.Records().AddRecord(true, false);
        CTbObjRecord& b = *db.Records().AddRecord(true, false);
        c.a(*a.Value(1));
        c.b(*b.Value(1));
        EXPECT_EQ(CTbObjRecordList::CompareRecords(a, b, field), c.expected);
        EXPECT_EQ(CTbObjRecordList::CompareRecords(b, a, field), -c.expected);
        EXPECT_EQ(CTbObjRecordList::CompareRecords(a, a, field), 0);
    }
}

namespace {

// Priority (Integer, slot 1), Name (Text, 2) and Due (Date, 3) sorted by the Tabulon's one view.
class RecordViewSortTest : public testing::Test {
protected:
    RecordViewSortTest() {
        for (auto [name, type] : {std::pair{"Priority", INTEGER_T}, {"Name", TEXT_T}, {"Due", DATE_T}})
            AddTypedField(db, name, type);
        db.AddView();
    }
    void Add(int16_t priority, const char* name, int day, int16_t category = 0) {
        CTbObjRecord* record = db.Records().AddRecord(true);
        record->Value(1)->SetShort(priority);
        record->Value(2)->SetText(name);
        record->Value(3)->SetDate(2004, 1, day);
        record->Value(0)->SetShort(category);
    }
    // Sort keys as field and direction, for keys 1 to 3.
    std::vector<uint32_t> Sorted(std::array<uint16_t, 6> keys) {
        for (int k = 0; k < 3; ++k) db.View(0)->SetSortKey(k + 1, keys[2 * k], keys[2 * k + 1]);
        db.Records().ApplyView(0);
        return ShownKeys(db.Records());
    }
    CTbObjDB db;
};

}  // namespace

TEST_F(RecordViewSortTest, TiesOnAKeyFallThroughToTheNextEachWithItsOwnDirectionUntilAKeyWithoutField) {
    Add(2, "b", 2);
    Add(1, "z", 1);
    Add(2, "a", 3);
    Add(2, "b", 1);
    Add(2, "B", 1);  // ties with key 4: names ignore case
    EXPECT_THAT(Sorted({1, 0, 2, 0, 3, 0}), ElementsAre(2u, 3u, 4u, 5u, 1u));
    EXPECT_THAT(StoredKeys(db.Records()), ElementsAre(1u, 2u, 3u, 4u, 5u));
    EXPECT_THAT(Sorted({1, 0, 2, 0, 3, 0xFFFF}), ElementsAre(2u, 3u, 1u, 4u, 5u));  // any but 0 descends
    EXPECT_THAT(Sorted({1, 1, 2, 2, 3, 0}), ElementsAre(4u, 5u, 1u, 3u, 2u));
    EXPECT_THAT(Sorted({1, 1, 0, 0, 3, 0}), ElementsAre(1u, 3u, 4u, 5u, 2u));
    EXPECT_THAT(Sorted({0, 0, 1, 0, 3, 0}), ElementsAre(1u, 2u, 3u, 4u, 5u));
}

TEST_F(RecordViewSortTest, OnlyTheRecordsOfTheStoredCategoryAreOrderedFilteredAgain) {
    Add(3, "a", 3, 1);
    Add(9, "b", 1, 2);
    Add(1, "c", 2, 1);
    Add(2, "a", 1, 1);
    db.Records().ApplyFilter(1, -1);
    db.Records().RecordInStoredOrder(1)->Value(0)->SetShort(1);  // moved into the category since
    EXPECT_THAT(Sorted({1, 0, 0, 0, 0, 0}), ElementsAre(3u, 4u, 1u, 2u));
    EXPECT_EQ(db.Records().GetCurrentCategory(), 1);
    db.Records().RecordInStoredOrder(1)->Value(0)->SetShort(2);
    EXPECT_EQ(db.Records().GetManualSortField(), -1);
    db.Records().SortByField(3, false);  // a heading click: that field alone, remembered
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(1u, 3u, 4u));
    EXPECT_EQ(db.Records().GetManualSortField(), 3);
    EXPECT_FALSE(db.Records().GetManualSortAscending());
    db.Records().SortByField(2, true);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(1u, 4u, 3u));  // ties keep the stored order
    EXPECT_TRUE(db.Records().GetManualSortAscending());
}

TEST(RecordJoinSort, AViewOnADbJoinOrdersByTheJoinedValues) {
    CTbObjDB db;
    AddTypedField(db, "Customer", DB_JOIN_T).JoinProps()->SetJoinFieldType(TEXT_T);
    db.AddView()->SetSortKey(1, 1, 0);
    for (const char* joined : {"Mango", "apple", "Kiwi"})
        Joined(TEXT_T, Text(joined), "same")(*db.Records().AddRecord(true)->Value(1));
    db.Records().ApplyView(0);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(2u, 3u, 1u));
}

// The view sort takes each record's sort values out once for speed; on random data with few
// distinct values its order must be exactly that of comparing the records themselves.
TEST(RecordViewSortRandom, OrderEqualsTheRecordComparisonOrder) {
    const TbFieldType types[] = {TEXT_T, INTEGER_T, LONG_T, FLOATING_T, CHECKBOX_T,
                                 DATE_T, TIME_T,    LIST_T, KEY_T};
    const char* const words[] = {"apple", "Apple", "b", "", "\xC4pfel", "zebra", "\xE4pfel"};
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        CTbObjDB db;
        for (TbFieldType type : types) db.AddField(std::string(FieldTypeLabel(type)), type);
        for (const char* item : {"one", "Two", "three"}) db.Field(8)->ListProps()->Items().AddItem(item);
        for (int i = 0; i < 300; ++i) {
            CTbObjRecord* record = db.Records().AddRecord(true, false);
            record->Value(1)->SetText(words[random() % 7]);
            record->Value(2)->SetShort(static_cast<int16_t>(random() % 5 - 2));
            record->Value(3)->SetLong(static_cast<int32_t>(random() % 5) * 1000000 - 2000000);
            record->Value(4)->SetFloat(static_cast<float>(random() % 5) / 4.0f - 0.5f);
            if (random() % 2) record->Value(5)->SetChecked(true);
            if (random() % 4)
                record->Value(6)->SetDate(2000 + random() % 2, 1 + random() % 2, 1 + random() % 2);
            record->Value(7)->SetTime(random() % 2, random() % 2, random() % 3);
            record->Value(8)->SetShort(static_cast<int16_t>(random() % 4));
            if (random() % 3 == 0) record->SetKey(static_cast<uint32_t>(random() % 4) * 0x7FFFFFFFu);
        }
        CTbObjView* view = db.AddView();
        std::vector<std::pair<const CTbObjField*, bool>> keys;
        for (int k = 1; k <= 3; ++k) {
            keys.push_back({db.Field(1 + static_cast<int>(random() % std::size(types))), random() % 2 == 1});
            view->SetSortKey(k, SlotOf(*keys.back().first), keys.back().second);
        }
        db.Records().ApplyView(0);

        std::vector<CTbObjRecord*> expected;
        for (int i = 0; i < db.Records().Count(true); ++i)
            expected.push_back(db.Records().RecordInStoredOrder(i));
        std::stable_sort(expected.begin(), expected.end(), [&](CTbObjRecord* a, CTbObjRecord* b) {
            for (auto& [field, descending] : keys) {
                int r = CTbObjRecordList::CompareRecords(*a, *b, *field);
                if (r != 0) return descending ? r > 0 : r < 0;
            }
            return false;
        });
        for (size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(db.Records().Record(static_cast<int>(i)), expected[i]) << i;
    }
}

namespace {

// Keys 1..6 with categories 1, 2, 1, 0, 2, 1 and quantities 10..60.
class RecordSubsetTest : public testing::Test {
protected:
    RecordSubsetTest() {
        AddTypedField(db, "Qty", INTEGER_T);
        for (int16_t category : {1, 2, 1, 0, 2, 1}) {
            CTbObjRecord* record = db.Records().AddRecord(true);
            record->Value(0)->SetShort(category);
            record->Value(1)->SetShort(static_cast<int16_t>(10 * db.Records().Count()));
        }
        db.AddFilter()->SetCondition(0, 1, TbCompare::Greater, 0, "25");
    }
    std::vector<uint32_t> Shown(uint16_t category, int16_t filter) {
        db.Records().ApplyFilter(category, filter);
        return ShownKeys(db.Records());
    }
    CTbObjDB db;
};

}  // namespace

TEST_F(RecordSubsetTest, ACategoryAndAFilterKeepTheirRecordsInStoredOrder) {
    EXPECT_THAT(Shown(AllCategories, -1), ElementsAre(1u, 2u, 3u, 4u, 5u, 6u));
    EXPECT_FALSE(db.Records().IsSubsetActive());
    EXPECT_THAT(Shown(1, -1), ElementsAre(1u, 3u, 6u));
    EXPECT_TRUE(db.Records().IsSubsetActive());
    EXPECT_EQ(db.Records().Count(true), 6);
    EXPECT_EQ(db.Records().Record(3), nullptr);
    EXPECT_THAT(Shown(0, -1), ElementsAre(4u));
    EXPECT_THAT(Shown(7, -1), ElementsAre());
    EXPECT_THAT(Shown(AllCategories, 0), ElementsAre(3u, 4u, 5u, 6u));
    EXPECT_EQ(db.Records().GetCurrentFilterIndex(), 0);
    EXPECT_THAT(Shown(1, 0), ElementsAre(3u, 6u));
    EXPECT_THAT(Shown(2, 3), ElementsAre(2u, 5u));  // a filter index without a filter passes all
    db.Records().ClearSubset();
    EXPECT_FALSE(db.Records().IsSubsetActive());
    EXPECT_EQ(db.Records().GetCurrentCategory(), AllCategories);
    EXPECT_EQ(db.Records().GetCurrentFilterIndex(), -1);
    EXPECT_EQ(db.Records().Count(), 6);
}

TEST_F(RecordSubsetTest, AViewKeepsTheFilterAndActivatesTheSubsetThatNewRecordsJoin) {
    db.AddView()->SetSortKey(1, 1, 1);
    db.Records().ApplyView(0);
    EXPECT_TRUE(db.Records().IsSubsetActive());
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(6u, 5u, 4u, 3u, 2u, 1u));
    CTbObjRecord* added = db.Records().AddRecord(true);
    EXPECT_EQ(db.Records().Record(6), added);
    db.Records().ApplyFilter(AllCategories, 0);
    db.Records().ApplyView(0);
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(6u, 5u, 4u, 3u));
    EXPECT_EQ(db.Records().GetCurrentFilterIndex(), 0);
}

TEST_F(RecordSubsetTest, RemovingARecordTakesItOutOfSubsetAndList) {
    Shown(2, -1);
    db.SetModified(false);
    db.Records().RemoveRecord(db.Records().Record(0));
    EXPECT_TRUE(db.IsModified());
    EXPECT_THAT(ShownKeys(db.Records()), ElementsAre(5u));
    EXPECT_THAT(StoredKeys(db.Records()), ElementsAre(1u, 3u, 4u, 5u, 6u));
    db.Records().ClearSubset();
    db.Records().RemoveRecord(db.Records().Record(0));
    EXPECT_THAT(StoredKeys(db.Records()), ElementsAre(3u, 4u, 5u, 6u));
}
