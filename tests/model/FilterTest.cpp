// Filters: how one condition compares a record's value (text, whole number, floating, date,
// time) with a constant or a second field, how the three conditions combine, the Today and Now
// constants on the UTC clock, and the filter's own settings.
#include "ModelTestSupport.h"
#include "support/ScopedEnv.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ctime>
#include <string>

using testing::ElementsAre;

namespace {

// The fields of the test Tabulon by slot, and their types.
constexpr uint16_t kName = 1, kQty = 2, kBig = 3, kPrice = 4, kDone = 5, kDue = 6, kAt = 7, kColour = 8,
                   kId = 9, kNotes = 10, kSize = 11, kQty2 = 12, kAddress = 13, kDue2 = 14, kJoin = 15,
                   kCalc = 16;
const TbFieldType kTypes[] = {TEXT_T,         INTEGER_T, LONG_T,    FLOATING_T,  CHECKBOX_T, DATE_T,
                              TIME_T,         LIST_T,    KEY_T,     MEMO_T,      RADIO_T,    INTEGER_T,
                              ADDR_BK_JOIN_T, DATE_T,    DB_JOIN_T, EXPRESSION_T};

// 27 October 2004, 13:05:09: the clock the table cases run with.
const TbFilterClock kClock{PackParts(2004, 10, 27), PackParts(13, 5, 9)};

// A Tabulon with one field of each kind a condition compares, and a filter to try.
struct FilterFixture {
    FilterFixture() {
        for (TbFieldType type : kTypes)
            AddTypedField(db, std::string("F").append(std::to_string(db.UsedFieldCount())), type);
        for (const char* item : {"Red", "Green", "Blue"})
            db.Field(kColour)->ListProps()->Items().AddItem(item);
        for (const char* item : {"Small", "Large"}) db.Field(kSize)->ListProps()->Items().AddItem(item);
        db.Field(kJoin)->JoinProps()->SetJoinFieldType(TEXT_T);
        filter = db.AddFilter();
    }
    // A record (key 1 in a fresh fixture) whose value in slot is filled by fill.
    CTbObjRecord& NewRecord(uint16_t slot, const Fill& fill) {
        CTbObjRecord& record = *db.Records().AddRecord(true, false);
        fill(*record.Value(slot));
        return record;
    }
    // Whether such a record passes the single condition (slot op constant).
    bool Holds(uint16_t slot, char op, const std::string& constant, const Fill& fill) {
        filter->SetCondition(0, slot, op, 0, constant);
        return filter->Passes(NewRecord(slot, fill), kClock);
    }
    CTbObjDB db;
    CTbObjFilter* filter = nullptr;
};

}  // namespace

TEST(FilterCondition, DecidesAsItsKindOfValueCompares) {
    struct Case {
        uint16_t slot;
        Fill fill;
        char op;
        const char* constant;
        bool expected;
    };
    // Each kind has rows expecting false: a type compared as nothing would pass every record.
    const Case cases[] = {{kName, Text("Hello World"), 'h', "WORLD", true},  // contains, ignoring case
                          {kName, Text("Hello World"), 'H', "WORLD", false},
                          {kName, Text("Hello World"), 's', "hELLO", true},  // starts, ignoring case
                          {kName, Text("Hello World"), 'S', "hello", false},
                          {kName, Text("Hi"), 's', "Hint", false},
                          {kName, Text("Hello World"), '=', "hello world", true},
                          {kName, Text("apple"), '<', "Banana", true},
                          {kName, Text("abc"), '?', "zzz", true},  // an unknown operator passes
                          {kName, Text("abc"), '<', "", false},    // an empty side: only = and ! hold
                          {kName, Text("abc"), '!', "", true},
                          {kName, Unset, '=', "", true},
                          {kName, Unset, 'L', "x", false},
                          {kNotes, Text("first line"), '!', "FIRST LINE", false},
                          {kAddress, Text("Jones"), 'S', "jo", false},
                          {kColour, Short(2), '!', "green", false},  // a list by the text of its item
                          {kColour, Item(3, "Blue"), '=', "blue", true},
                          {kSize, Short(1), '!', "Small", false},
                          {kQty, Short(12), '>', "9", true},  // numbers, not texts
                          {kQty, Short(12), 'L', "11", false},
                          {kQty, Short(12), '=', "12 pieces", true},
                          {kQty, Short(12), 'h', "7", true},  // contains is unknown to numbers
                          {kBig, Long(100000), '<', "99999", false},
                          {kDone, Checked(true), '<', "1", false},
                          {kDone, Unset, 'J', "0", true},
                          {kId, Long(42), '!', "1", false},  // a Key field is the record's key
                          {kPrice, Float(2.5f), '>', "2.25", true},
                          {kPrice, Float(2.5f), 'J', "2.75", false},
                          {kDue, Date(2004, 10, 27), '=', "131336731", true},   // dates as packed numbers
                          {kDue, Date(2004, 10, 27), '?', "131336731", false},  // an unknown operator fails
                          {kDue, Date(2004, 10, 27), '=', "Today", true},
                          {kDue, Date(2004, 10, 26), '<', "T", true},
                          {kDue, Date(2004, 10, 27), '=', "t", false},
                          {kAt, Time(13, 5, 9), 'L', "853256", false},
                          {kAt, Time(13, 5, 9), '=', "W", true},
                          {kAt, Time(13, 5, 10), '<', "W", false}};
    for (const Case& c : cases) {
        FilterFixture fixture;
        EXPECT_EQ(fixture.Holds(c.slot, c.op, c.constant, c.fill), c.expected)
            << "field " << c.slot << " '" << c.op << "' " << c.constant;
    }
}

TEST(FilterCondition, ASecondFieldTakesThePlaceOfTheConstant) {
    struct Case {
        uint16_t slot, second;
        Fill fill, secondFill;
        char op;
        bool expected;
    };
    const Case cases[] = {{kQty, kQty2, Short(5), Short(7), '<', true},
                          {kQty, kPrice, Short(5), Float(5.75f), '=', true},  // another numeric type
                          {kName, kNotes, Text("abc"), Text("B"), 'H', false},
                          {kName, kNotes, Text("abc"), Unset, '<', false},
                          {kDue, kDue2, Date(2004, 10, 27), Date(2004, 10, 28), '<', true}};
    for (const Case& c : cases) {
        FilterFixture fixture;
        CTbObjRecord& record = fixture.NewRecord(c.slot, c.fill);
        c.secondFill(*record.Value(c.second));
        fixture.filter->SetCondition(0, c.slot, c.op, c.second, "b");  // the constant is not looked at
        EXPECT_EQ(fixture.filter->Passes(record, kClock), c.expected)
            << "field " << c.slot << " '" << c.op << "' field " << c.second;
    }
}

TEST(FilterCondition, AnExpressionComparesByItsResultFormatAndADbJoinByItsJoinedValue) {
    // A Time result compares as a number (an unknown operator passes), the Date +/- results as
    // packed dates (an unknown operator fails).
    for (TbFieldType type : {EXPRESSION_T, ADV_EXPRESSION_T}) {
        FilterFixture fixture;
        fixture.db.Field(kCalc)->SetType(type);
        fixture.db.Field(kCalc)->ExprProps()->SetResultFormat(EXPR_RESULT_TIME);
        EXPECT_TRUE(fixture.Holds(kCalc, '?', "0", Time(10, 0, 0))) << type;
        fixture.db.Field(kCalc)->ExprProps()->SetResultFormat(EXPR_RESULT_DATE_YEARS);
        EXPECT_FALSE(fixture.Holds(kCalc, '?', "131336731", Date(2004, 10, 27))) << type;
        EXPECT_TRUE(fixture.Holds(kCalc, '=', "T", Date(2004, 10, 27))) << type;
        fixture.db.Field(kCalc)->ExprProps()->SetResultFormat(EXPR_RESULT_TEXT);
        EXPECT_FALSE(fixture.Holds(kCalc, 'H', "TOTAL", Text("Total 12"))) << type;
    }
    FilterFixture fixture;
    Fill joined = Joined(INTEGER_T, Short(7), "own text");
    EXPECT_TRUE(fixture.Holds(kJoin, '=', "7", joined));
    EXPECT_FALSE(fixture.Holds(kJoin, '>', "10", joined));
    EXPECT_FALSE(fixture.Holds(kJoin, '=', "own text", joined));
    EXPECT_TRUE(fixture.Holds(kJoin, 'h', "OWN TEX", Text("own text")));
}

TEST(FilterLogic, CombinesConditionsOneAndTwoThenTheResultWithThreeAndUnusedOnesHold) {
    struct Case {
        bool c1, c2, c3;
        char logic1, logic2;
        bool expected;
    };
    const Case cases[] = {{true, false, true, 'A', 'O', true},   {true, false, true, 'A', 'A', false},
                          {false, true, false, 'O', 'A', false}, {false, false, false, 'O', 'O', false},
                          {true, false, false, '\0', 'x', true}, {false, true, true, 'o', 'o', false},
                          {false, true, true, '\0', 'O', true}};
    for (const Case& c : cases) {
        FilterFixture fixture;
        CTbObjRecord& record = fixture.NewRecord(kQty, Short(5));
        const bool holds[] = {c.c1, c.c2, c.c3};
        for (int i = 0; i < 3; ++i) fixture.filter->SetCondition(i, kQty, '=', 0, holds[i] ? "5" : "6");
        fixture.filter->SetLogicOperator(0, c.logic1);
        fixture.filter->SetLogicOperator(1, c.logic2);
        EXPECT_EQ(fixture.filter->Passes(record, kClock), c.expected)
            << c.c1 << " '" << c.logic1 << "' " << c.c2 << " '" << c.logic2 << "' " << c.c3;
    }
    FilterFixture fixture;
    CTbObjRecord& record = fixture.NewRecord(kQty, Short(5));
    fixture.filter->SetCondition(1, kQty, '=', 0, "6");
    fixture.filter->SetLogicOperator(0, 'O');
    EXPECT_TRUE(fixture.filter->Passes(record, kClock));  // condition 1 unused: true or false
    fixture.filter->SetLogicOperator(0, 'A');
    EXPECT_FALSE(fixture.filter->Passes(record, kClock));
}

TEST(FilterClock, TodayAndNowMeanTheUtcClockWhenTheRecordListFilters) {
    ScopedEnv zone("TZ", ZoneOnAnotherDayThanUtc());
    std::time_t now = std::time(nullptr);
    std::tm parts = UtcParts(now);
    int secondOfDay = parts.tm_hour * 3600 + parts.tm_min * 60 + parts.tm_sec;
    if (secondOfDay < 600 || secondOfDay > 86400 - 600) GTEST_SKIP() << "too close to midnight UTC";
    FilterFixture fixture;
    for (std::time_t when : {now - 86400, now, now + 86400}) {
        std::tm p = UtcParts(when);
        fixture.NewRecord(kDue, Date(p.tm_year + 1900, p.tm_mon + 1, p.tm_mday));
    }
    for (std::time_t when : {now - 300, now + 300}) {
        std::tm p = UtcParts(when);
        fixture.NewRecord(kAt, Time(p.tm_hour, p.tm_min, p.tm_sec));
    }
    fixture.filter->SetCondition(0, kDue, '=', 0, "T");
    fixture.db.Records().ApplyFilter(AllCategories, 0);
    EXPECT_THAT(ShownKeys(fixture.db.Records()), ElementsAre(2u));
    fixture.filter->SetCondition(0, kAt, 'J', 0, "Wall clock");  // only the first letter counts
    fixture.db.Records().ApplyFilter(AllCategories, 0);
    EXPECT_THAT(ShownKeys(fixture.db.Records()), ElementsAre(5u));
    fixture.filter->SetCondition(0, kAt, 'L', 0, "W");
    EXPECT_TRUE(fixture.filter->Passes(*fixture.db.Records().RecordInStoredOrder(3)));
}

TEST(FilterSettings, OnlyConditionOneNamingAUserFieldDefinesAFilterAndOtherIndexesAreIgnored) {
    CTbObjDB db;
    CTbObjFilter* filter = db.AddFilter();
    filter->SetCondition(2, 7, 'L', 9, "");
    EXPECT_FALSE(filter->IsDefined());
    for (auto [field, defined] : {std::pair<uint16_t, bool>{1, true}, {80, true}, {81, false}, {0, false}}) {
        filter->SetCondition(0, field, 'h', 0, "abc");
        EXPECT_EQ(filter->IsDefined(), defined) << field;
    }
    db.SetModified(false);
    filter->SetCondition(3, 8, '=', 0, "ignored");
    filter->SetLogicOperator(2, 'O');
    EXPECT_FALSE(db.IsModified());
    CTbObjFilter::Condition third = filter->GetCondition(2);
    EXPECT_EQ(std::tuple(third.field, third.op, third.secondField), std::tuple(7, 'L', 9));
    EXPECT_EQ(filter->GetCondition(3).field, 0);
}
