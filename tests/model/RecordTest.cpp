// Records and their values: keys, the 81 typed values of a new record and their defaults, the
// has-value rules, copies, dates and times as text, and image data handed to and from files.
#include "RecordTestSupport.h"

#include "io/QnAutoError.h"
#include "io/QnException.h"
#include "model/TbObjDB.h"
#include "platform/Locale.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

using orvanta::platform::Locale;
using orvanta::platform::ScopedLocaleOverride;

namespace {

Locale GermanLocale() {
    Locale german;
    german.shortDatePattern = "dd.MM.yyyy";
    german.timePattern = "HH:mm:ss";
    german.decimalSeparator = ',';
    german.thousandSeparator = '.';
    german.listSeparator = ';';
    return german;
}

Locale LocaleNamed(const std::string& name) { return name == "de" ? GermanLocale() : Locale::UsEnglish(); }

// A value of a fresh record in a Tabulon whose only user field has the given type.
struct OneFieldDb {
    explicit OneFieldDb(TbFieldType type) : field(AddTypedField(db, "Field", type)) {}
    CTbObjRecordValue& NewValue(bool applyDefaults = true) {
        return *db.Records().AddRecord(true, applyDefaults)->Value(field.GetSlot());
    }
    CTbObjDB db;
    CTbObjField& field;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Keys and the record list's bookkeeping

TEST(RecordKeys, AssigningAKeyRaisesTheNextKeyFirst) {
    CTbObjDB db;
    db.Records().SetNextKey(41);
    CTbObjRecord* first = db.Records().AddRecord(true);
    EXPECT_EQ(first->GetKey(), 42u);
    EXPECT_EQ(db.Records().GetNextKey(), 42u);
    CTbObjRecord* second = db.Records().AddRecord(true);
    EXPECT_EQ(second->GetKey(), 43u);
    EXPECT_EQ(db.Records().GetNextKey(), 43u);
}

TEST(RecordKeys, AddingWithoutAssigningLeavesTheNextKeyAlone) {
    CTbObjDB db;
    db.Records().SetNextKey(7);
    db.Records().AddRecord(false);
    db.Records().AddRecord(false);
    EXPECT_EQ(db.Records().GetNextKey(), 7u);
    EXPECT_EQ(db.Records().Count(true), 2);
}

TEST(RecordKeys, SettingAKeyStoresItAndMarksTheDatabaseModified) {
    CTbObjDB db;
    CTbObjRecord* record = db.Records().AddRecord(true);
    db.SetModified(false);
    record->SetKey(0xFFFFFFF0u);
    EXPECT_EQ(record->GetKey(), 0xFFFFFFF0u);
    EXPECT_TRUE(db.IsModified());
}

TEST(RecordList, AddingARecordAppendsItInStoredOrderAndMarksModified) {
    CTbObjDB db;
    db.SetModified(false);
    CTbObjRecord* a = db.Records().AddRecord(true);
    CTbObjRecord* b = db.Records().AddRecord(true);
    EXPECT_TRUE(db.IsModified());
    EXPECT_EQ(db.Records().RecordInStoredOrder(0), a);
    EXPECT_EQ(db.Records().RecordInStoredOrder(1), b);
    EXPECT_EQ(a->Database(), &db);
}

TEST(RecordList, PositionsOutsideTheListGiveNoRecord) {
    CTbObjDB db;
    for (int i = 0; i < 3; ++i) db.Records().AddRecord(true);
    for (int position : {-1, 3, 1000}) {
        EXPECT_EQ(db.Records().Record(position), nullptr) << position;
        EXPECT_EQ(db.Records().RecordInStoredOrder(position), nullptr) << position;
    }
    EXPECT_NE(db.Records().Record(2), nullptr);
}

TEST(RecordList, DeleteAllRecordsEmptiesTheListClearsTheSubsetAndMarksModified) {
    CTbObjDB db;
    for (int i = 0; i < 4; ++i) db.Records().AddRecord(true)->Value(0)->SetShort(1);
    db.Records().ApplyFilter(1, -1);
    db.SetModified(false);
    db.Records().DeleteAllRecords();
    EXPECT_TRUE(db.IsModified());
    EXPECT_EQ(db.Records().Count(true), 0);
    EXPECT_FALSE(db.Records().IsSubsetActive());
    EXPECT_EQ(db.Records().GetCurrentCategory(), AllCategories);
    EXPECT_EQ(db.Records().GetCurrentFilterIndex(), -1);
}

// ---------------------------------------------------------------------------------------------
// The 81 values of a record

TEST(RecordValues, EverySlotHasAValueTypedByItsField) {
    CTbObjDB db;
    const TbFieldType types[] = {TEXT_T,  INTEGER_T, DATE_T, LIST_T,     IMAGE_T,
                                 KEY_T,   DB_JOIN_T, MEMO_T, AUTO_INC_T, ADV_EXPRESSION_T};
    for (TbFieldType type : types) AddTypedField(db, std::string(FieldTypeLabel(type)), type);
    CTbObjRecord* record = db.Records().AddRecord(true);
    for (int slot = 0; slot < MaxFieldSlots; ++slot) {
        ASSERT_NE(record->Value(slot), nullptr) << slot;
        EXPECT_EQ(record->Value(slot)->GetType(), db.Field(slot)->GetType()) << slot;
    }
    EXPECT_EQ(record->Value(0)->GetType(), LIST_T);
    EXPECT_EQ(record->Value(1)->GetType(), TEXT_T);
    EXPECT_EQ(record->Value(10)->GetType(), ADV_EXPRESSION_T);
    EXPECT_EQ(record->Value(11)->GetType(), NOTUSED_T);
}

TEST(RecordValues, SlotsOutsideZeroToEightyGiveNoValue) {
    CTbObjDB db;
    CTbObjRecord* record = db.Records().AddRecord(true);
    const CTbObjRecord* constRecord = record;
    for (int slot : {-1, 81, 255}) {
        EXPECT_EQ(record->Value(slot), nullptr) << slot;
        EXPECT_EQ(constRecord->Value(slot), nullptr) << slot;
    }
    EXPECT_NE(record->Value(80), nullptr);
}

TEST(RecordValues, TheCategoryIsTheItemIndexOfTheCategoriesValue) {
    CTbObjDB db;
    db.Field(0)->ListProps()->Items().AddItem("Business");
    db.Field(0)->ListProps()->Items().AddItem("Personal");
    CTbObjRecord* record = db.Records().AddRecord(true);
    record->Value(0)->SetShort(2);
    EXPECT_EQ(record->GetCategory(), 2);
}

TEST(RecordValues, SetTypeChangesOnlyTheRecordedType) {
    OneFieldDb fixture(TEXT_T);
    CTbObjRecordValue& value = fixture.NewValue();
    value.SetText("kept");
    value.SetType(MEMO_T);
    EXPECT_EQ(value.GetType(), MEMO_T);
    EXPECT_EQ(value.GetText(), "kept");
    EXPECT_TRUE(value.HasValue());
}

// ---------------------------------------------------------------------------------------------
// Defaults of a new record

namespace {

struct NumericDefaultCase {
    const char* name;
    TbFieldType type;
    const char* defaultText;
    double expected;
};

void PrintTo(const NumericDefaultCase& c, std::ostream* os) { *os << c.name; }

double NumberIn(const CTbObjRecordValue& value, TbFieldType type) {
    switch (type) {
    case INTEGER_T: return value.GetShort();
    case LONG_T: return value.GetLong();
    default: return value.GetFloat();
    }
}

class RecordNumericDefaultTest : public testing::TestWithParam<NumericDefaultCase> {};

}  // namespace

TEST_P(RecordNumericDefaultTest, IsReadFromTheDefaultTextAndCountsAsAValue) {
    const NumericDefaultCase& c = GetParam();
    OneFieldDb fixture(c.type);
    fixture.field.NumberProps()->SetDefaultValue(c.defaultText);
    const CTbObjRecordValue& value = fixture.NewValue();
    EXPECT_TRUE(value.HasValue());
    EXPECT_DOUBLE_EQ(NumberIn(value, c.type), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    LikeAtoiAtolAtof, RecordNumericDefaultTest,
    testing::Values(NumericDefaultCase{"Integer12", INTEGER_T, "12", 12},
                    NumericDefaultCase{"IntegerBlanksSignAndTrailingText", INTEGER_T, "  -7 pieces", -7},
                    NumericDefaultCase{"IntegerNoDigits", INTEGER_T, "abc", 0},
                    NumericDefaultCase{"IntegerEmpty", INTEGER_T, "", 0},
                    NumericDefaultCase{"IntegerStopsAtPoint", INTEGER_T, "3.9", 3},
                    NumericDefaultCase{"Long", LONG_T, "123456789", 123456789},
                    NumericDefaultCase{"LongNegativeWithText", LONG_T, "-42 apples", -42},
                    NumericDefaultCase{"LongEmpty", LONG_T, "", 0},
                    NumericDefaultCase{"Float", FLOATING_T, "2.5", 2.5},
                    NumericDefaultCase{"FloatExponent", FLOATING_T, "1.5e2", 150},
                    NumericDefaultCase{"FloatTrailingText", FLOATING_T, "0.75kg", 0.75},
                    NumericDefaultCase{"FloatEmpty", FLOATING_T, "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

class RecordTextDefaultTest : public testing::TestWithParam<TbFieldType> {};

TEST_P(RecordTextDefaultTest, TakesTheFieldsDefaultText) {
    OneFieldDb fixture(GetParam());
    fixture.field.TextProps()->SetDefaultValue("Unknown author");
    EXPECT_EQ(fixture.NewValue().GetText(), "Unknown author");
}

INSTANTIATE_TEST_SUITE_P(TextAndMemo, RecordTextDefaultTest, testing::Values(TEXT_T, MEMO_T),
                         [](const auto& info) { return std::string(FieldTypeLabel(info.param)); });

class RecordItemDefaultTest : public testing::TestWithParam<TbFieldType> {
protected:
    RecordItemDefaultTest() : fixture(GetParam()) {
        CTbObjListItems& items = fixture.field.ListProps()->Items();
        items.AddItem("Red");
        items.AddItem("Green");
        items.AddItem("Blue");
    }
    OneFieldDb fixture;
};

TEST_P(RecordItemDefaultTest, TakesTheDefaultItemIndexAndItsText) {
    fixture.field.ListProps()->Items().SetDefaultIndex(2);
    const CTbObjRecordValue& value = fixture.NewValue();
    EXPECT_TRUE(value.HasValue());
    EXPECT_EQ(value.GetShort(), 2);
    EXPECT_EQ(value.GetText(), "Green");
}

TEST_P(RecordItemDefaultTest, FallsBackToIndexZeroWhenTheDefaultItemHasNoText) {
    fixture.field.ListProps()->Items().SetDefaultIndex(9);
    const CTbObjRecordValue& value = fixture.NewValue();
    EXPECT_TRUE(value.HasValue());
    EXPECT_EQ(value.GetShort(), 0);
    EXPECT_EQ(value.GetText(), "");
}

INSTANTIATE_TEST_SUITE_P(ListAndRadio, RecordItemDefaultTest, testing::Values(LIST_T, RADIO_T),
                         [](const auto& info) { return info.param == LIST_T ? "List" : "Radio"; });

class RecordTodayDefaultTest : public testing::TestWithParam<uint32_t> {};

TEST_P(RecordTodayDefaultTest, DateSettingOneOrTwoStartsWithTodaysLocalDate) {
    ScopedTimeZone zone(ZoneOnAnotherDayThanUtc());
    OneFieldDb fixture(DATE_T);
    fixture.field.DateTimeProps()->SetDefaultValue(GetParam());
    std::tm before = LocalParts(std::time(nullptr));
    const CTbObjRecordValue& value = fixture.NewValue();
    std::tm after = LocalParts(std::time(nullptr));
    EXPECT_TRUE(value.HasValue());
    uint32_t packed = value.PackedDate();
    EXPECT_TRUE(packed == PackedDateOf(before) || packed == PackedDateOf(after))
        << packed << " is not the local date " << PackedDateOf(before);
}

INSTANTIATE_TEST_SUITE_P(Settings, RecordTodayDefaultTest, testing::Values(1u, 2u));

class RecordNowDefaultTest : public testing::TestWithParam<uint32_t> {};

TEST_P(RecordNowDefaultTest, TimeSettingOneOrTwoStartsWithTheLocalTimeNow) {
    ScopedTimeZone zone(ZoneOnAnotherDayThanUtc());
    OneFieldDb fixture(TIME_T);
    fixture.field.DateTimeProps()->SetDefaultValue(GetParam());
    std::time_t before = std::time(nullptr);
    const CTbObjRecordValue& value = fixture.NewValue();
    std::time_t after = std::time(nullptr);
    std::tm early = LocalParts(before), late = LocalParts(after);
    if (early.tm_mday != late.tm_mday) GTEST_SKIP() << "the local clock passed midnight";
    EXPECT_TRUE(value.HasValue());
    uint32_t packed = value.PackedTime();
    EXPECT_GE(packed, PackedTimeOf(early));
    EXPECT_LE(packed, PackedTimeOf(late));
}

INSTANTIATE_TEST_SUITE_P(Settings, RecordNowDefaultTest, testing::Values(1u, 2u));

class RecordNoClockDefaultTest : public testing::TestWithParam<TbFieldType> {};

TEST_P(RecordNoClockDefaultTest, OtherSettingsLeaveTheValueUnset) {
    for (uint32_t setting : {0u, 3u, 100u}) {
        OneFieldDb fixture(GetParam());
        fixture.field.DateTimeProps()->SetDefaultValue(setting);
        const CTbObjRecordValue& value = fixture.NewValue();
        EXPECT_FALSE(value.HasValue()) << setting;
        EXPECT_EQ(value.PackedDate(), 0u) << setting;
    }
}

INSTANTIATE_TEST_SUITE_P(DateAndTime, RecordNoClockDefaultTest, testing::Values(DATE_T, TIME_T),
                         [](const auto& info) { return std::string(FieldTypeLabel(info.param)); });

TEST(RecordDefaults, AutoIncrementalTakesTheFieldsNextValue) {
    OneFieldDb fixture(AUTO_INC_T);
    fixture.field.NumberProps()->SetNextValue(500);
    const CTbObjRecordValue& value = fixture.NewValue();
    EXPECT_TRUE(value.HasValue());
    EXPECT_EQ(value.GetLong(), 500);
}

TEST(RecordDefaults, OtherTypesStartEmpty) {
    for (TbFieldType type : {CHECKBOX_T, KEY_T, IMAGE_T, DB_JOIN_T, COND_EXP_T, ADDR_BK_JOIN_T, EXPRESSION_T}) {
        OneFieldDb fixture(type);
        const CTbObjRecordValue& value = fixture.NewValue();
        EXPECT_FALSE(value.HasValue()) << FieldTypeLabel(type);
        EXPECT_FALSE(value.GetChecked()) << FieldTypeLabel(type);
        EXPECT_EQ(value.GetText(), "") << FieldTypeLabel(type);
        EXPECT_TRUE(value.GetData().empty()) << FieldTypeLabel(type);
    }
}

TEST(RecordDefaults, AreNotAppliedWhenTheCallerDoesNotAskForThem) {
    CTbObjDB db;
    AddTypedField(db, "Text", TEXT_T).TextProps()->SetDefaultValue("default");
    AddTypedField(db, "Integer", INTEGER_T).NumberProps()->SetDefaultValue("12");
    AddTypedField(db, "Date", DATE_T).DateTimeProps()->SetDefaultValue(1);
    AddTypedField(db, "Auto", AUTO_INC_T).NumberProps()->SetNextValue(9);
    CTbObjRecord* record = db.Records().AddRecord(true, false);
    for (int slot = 1; slot <= 4; ++slot) EXPECT_FALSE(record->Value(slot)->HasValue()) << slot;
    EXPECT_EQ(record->Value(1)->GetText(), "");
    EXPECT_EQ(record->Value(2)->GetShort(), 0);
    EXPECT_EQ(record->Value(3)->PackedDate(), 0u);
    EXPECT_EQ(record->Value(4)->GetLong(), 0);
    EXPECT_EQ(record->Value(1)->GetType(), TEXT_T);
}

TEST(RecordDefaults, ResetClearsEverythingAndReappliesTheDefaultOnRequest) {
    OneFieldDb fixture(INTEGER_T);
    fixture.field.NumberProps()->SetDefaultValue("12");
    CTbObjRecordValue& value = fixture.NewValue();
    value.SetShort(99);
    value.SetText("note");
    value.SetColour(TB_RED);
    value.SetChecked(true);
    value.SetExtraWord(0xABCD);
    value.SetData({1, 2, 3});

    value.Reset(&fixture.field, false);
    EXPECT_FALSE(value.HasValue());
    EXPECT_EQ(value.GetShort(), 0);
    EXPECT_EQ(value.GetText(), "");
    EXPECT_EQ(value.GetColour(), TB_BLACK);
    EXPECT_FALSE(value.GetChecked());
    EXPECT_EQ(value.GetExtraWord(), 0u);
    EXPECT_TRUE(value.GetData().empty());

    value.Reset(&fixture.field, true);
    EXPECT_TRUE(value.HasValue());
    EXPECT_EQ(value.GetShort(), 12);
}

// ---------------------------------------------------------------------------------------------
// Has-value rules

TEST(RecordHasValue, ADateOfZeroZeroZeroIsNoValue) {
    OneFieldDb fixture(DATE_T);
    CTbObjRecordValue& value = fixture.NewValue();
    value.SetDate(0, 0, 0);
    EXPECT_FALSE(value.HasValue());
}

TEST(RecordHasValue, ADateWithAnyPartSetIsAValue) {
    for (auto parts : {std::array<int, 3>{2004, 10, 27}, {0, 0, 1}, {0, 1, 0}, {1, 0, 0}}) {
        OneFieldDb fixture(DATE_T);
        CTbObjRecordValue& value = fixture.NewValue();
        value.SetDate(parts[0], parts[1], parts[2]);
        EXPECT_TRUE(value.HasValue()) << parts[0] << "-" << parts[1] << "-" << parts[2];
        int16_t y, m, d;
        value.GetDate(&y, &m, &d);
        EXPECT_EQ(y, parts[0]);
        EXPECT_EQ(m, parts[1]);
        EXPECT_EQ(d, parts[2]);
    }
}

TEST(RecordHasValue, MidnightIsATime) {
    OneFieldDb fixture(TIME_T);
    CTbObjRecordValue& value = fixture.NewValue();
    ASSERT_FALSE(value.HasValue());
    value.SetTime(0, 0, 0);
    EXPECT_TRUE(value.HasValue());
}

TEST(RecordHasValue, StoringAnythingSetsIt) {
    std::vector<std::pair<const char*, std::function<void(CTbObjRecordValue&)>>> stores = {
        {"empty text", [](CTbObjRecordValue& v) { v.SetText(""); }},
        {"text", [](CTbObjRecordValue& v) { v.SetText("x"); }},
        {"short 0", [](CTbObjRecordValue& v) { v.SetShort(0); }},
        {"long 0", [](CTbObjRecordValue& v) { v.SetLong(0); }},
        {"float 0", [](CTbObjRecordValue& v) { v.SetFloat(0); }},
        {"unchecked", [](CTbObjRecordValue& v) { v.SetChecked(false); }},
        {"time", [](CTbObjRecordValue& v) { v.SetTime(13, 5, 9); }},
    };
    for (auto& [name, store] : stores) {
        OneFieldDb fixture(TEXT_T);
        CTbObjRecordValue& value = fixture.NewValue();
        ASSERT_FALSE(value.HasValue()) << name;
        store(value);
        EXPECT_TRUE(value.HasValue()) << name;
    }
}

// ---------------------------------------------------------------------------------------------
// Copies

TEST(RecordCopy, IsADetachedDeepCopyOfKeyAndValues) {
    CTbObjDB db;
    CTbObjField& text = AddTypedField(db, "Name", TEXT_T);
    CTbObjField& image = AddTypedField(db, "Photo", IMAGE_T);
    CTbObjField& join = AddTypedField(db, "Join", DB_JOIN_T);
    CTbObjField& date = AddTypedField(db, "Due", DATE_T);
    CTbObjRecord* original = db.Records().AddRecord(true);
    original->SetKey(77);
    original->Value(text.GetSlot())->SetText("Alice");
    original->Value(image.GetSlot())->SetData({1, 2, 3, 4});
    original->Value(join.GetSlot())->JoinedValue().SetText("joined");
    original->Value(date.GetSlot())->SetDate(2004, 10, 27);
    original->Value(text.GetSlot())->SetColour(TB_GREEN);

    std::unique_ptr<CTbObjRecord> copy = original->Copy();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Database(), nullptr);
    EXPECT_EQ(copy->GetKey(), 77u);
    EXPECT_EQ(copy->Value(text.GetSlot())->GetText(), "Alice");
    EXPECT_EQ(copy->Value(text.GetSlot())->GetColour(), TB_GREEN);
    EXPECT_EQ(copy->Value(image.GetSlot())->GetData(), (std::vector<uint8_t>{1, 2, 3, 4}));
    ASSERT_NE(copy->Value(join.GetSlot())->JoinedValueIfAny(), nullptr);
    EXPECT_EQ(copy->Value(join.GetSlot())->JoinedValueIfAny()->GetText(), "joined");
    EXPECT_EQ(copy->Value(date.GetSlot())->PackedDate(), PackParts(2004, 10, 27));
    for (int slot = 0; slot < MaxFieldSlots; ++slot)
        EXPECT_EQ(copy->Value(slot)->GetType(), original->Value(slot)->GetType()) << slot;

    // Changing either side leaves the other as it was.
    copy->Value(text.GetSlot())->SetText("Bob");
    copy->Value(image.GetSlot())->SetData({9});
    copy->Value(join.GetSlot())->JoinedValue().SetText("other");
    original->Value(date.GetSlot())->SetDate(1999, 1, 1);
    EXPECT_EQ(original->Value(text.GetSlot())->GetText(), "Alice");
    EXPECT_EQ(original->Value(image.GetSlot())->GetData(), (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(original->Value(join.GetSlot())->JoinedValueIfAny()->GetText(), "joined");
    EXPECT_EQ(copy->Value(date.GetSlot())->PackedDate(), PackParts(2004, 10, 27));

    // A detached copy belongs to no database: changing it neither marks nor grows the Tabulon.
    db.SetModified(false);
    copy->SetKey(5);
    EXPECT_FALSE(db.IsModified());
    EXPECT_EQ(db.Records().Count(true), 1);
    EXPECT_EQ(original->GetKey(), 77u);
}

// ---------------------------------------------------------------------------------------------
// Dates and times as text

namespace {

struct DateTextCase {
    const char* name;
    const char* locale;
    int year, month, day;
    const char* text;
    bool cleared;
};

void PrintTo(const DateTextCase& c, std::ostream* os) { *os << c.name; }

class RecordDateTextTest : public testing::TestWithParam<DateTextCase> {};

}  // namespace

TEST_P(RecordDateTextTest, FormatsValidDatesAndClearsInvalidOnes) {
    const DateTextCase& c = GetParam();
    ScopedLocaleOverride locale(LocaleNamed(c.locale));
    OneFieldDb fixture(DATE_T);
    CTbObjRecordValue& value = fixture.NewValue();
    value.SetDate(c.year, c.month, c.day);
    EXPECT_EQ(value.DateAsText(), c.text);
    int16_t y, m, d;
    value.GetDate(&y, &m, &d);
    if (c.cleared) {
        EXPECT_EQ(y, 0);
        EXPECT_EQ(m, 0);
        EXPECT_EQ(d, 0);
        EXPECT_EQ(value.DateAsText(), "");
    } else {
        EXPECT_EQ(y, c.year);
        EXPECT_EQ(m, c.month);
        EXPECT_EQ(d, c.day);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dates, RecordDateTextTest,
    testing::Values(DateTextCase{"UsOctober", "us", 2004, 10, 27, "10/27/2004", false},
                    DateTextCase{"UsLeapDay", "us", 2004, 2, 29, "2/29/2004", false},
                    DateTextCase{"GermanOctober", "de", 2004, 10, 27, "27.10.2004", false},
                    DateTextCase{"GermanLeadingZeros", "de", 2004, 3, 5, "05.03.2004", false},
                    DateTextCase{"UsMonth13", "us", 2004, 13, 1, "", true},
                    DateTextCase{"UsFebruary30", "us", 2004, 2, 30, "", true},
                    DateTextCase{"UsNoLeapDay", "us", 2003, 2, 29, "", true},
                    DateTextCase{"UsApril31", "us", 2004, 4, 31, "", true},
                    DateTextCase{"UsBeforeYear100", "us", 99, 12, 31, "", true},
                    DateTextCase{"GermanMonth13", "de", 2004, 13, 5, "", true},
                    DateTextCase{"ZeroMonthIsNotFormattedNorCleared", "us", 2004, 0, 27, "", false},
                    DateTextCase{"ZeroDayIsNotFormattedNorCleared", "de", 2004, 10, 0, "", false},
                    DateTextCase{"Unset", "us", 0, 0, 0, "", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordDateText, ADateWithoutHasValueIsEmptyAndKept) {
    ScopedLocaleOverride locale(Locale::UsEnglish());
    OneFieldDb fixture(DATE_T);
    CTbObjRecordValue& value = fixture.NewValue();
    value.SetDate(2004, 10, 27);
    value.SetHasValue(false);
    EXPECT_EQ(value.DateAsText(), "");
    EXPECT_EQ(value.PackedDate(), PackParts(2004, 10, 27));
}

namespace {

struct TimeTextCase {
    const char* name;
    const char* locale;
    int hour, minute, second;
    const char* text;
    bool cleared;
};

void PrintTo(const TimeTextCase& c, std::ostream* os) { *os << c.name; }

class RecordTimeTextTest : public testing::TestWithParam<TimeTextCase> {};

}  // namespace

TEST_P(RecordTimeTextTest, FormatsValidTimesAndShowsMidnightForInvalidOnes) {
    const TimeTextCase& c = GetParam();
    ScopedLocaleOverride locale(LocaleNamed(c.locale));
    OneFieldDb fixture(TIME_T);
    CTbObjRecordValue& value = fixture.NewValue();
    value.SetTime(c.hour, c.minute, c.second);
    EXPECT_EQ(value.TimeAsText(), c.text);
    int16_t h, m, s;
    value.GetTime(&h, &m, &s);
    if (c.cleared) {
        EXPECT_EQ(h, 0);
        EXPECT_EQ(m, 0);
        EXPECT_EQ(s, 0);
    } else {
        EXPECT_EQ(h, c.hour);
        EXPECT_EQ(m, c.minute);
        EXPECT_EQ(s, c.second);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Times, RecordTimeTextTest,
    testing::Values(TimeTextCase{"UsAfternoon", "us", 13, 5, 9, "1:05:09 PM", false},
                    TimeTextCase{"UsMidnight", "us", 0, 0, 0, "12:00:00 AM", false},
                    TimeTextCase{"UsNoon", "us", 12, 0, 0, "12:00:00 PM", false},
                    TimeTextCase{"UsLastSecond", "us", 23, 59, 59, "11:59:59 PM", false},
                    TimeTextCase{"GermanAfternoon", "de", 13, 5, 9, "13:05:09", false},
                    TimeTextCase{"GermanMorning", "de", 7, 5, 9, "07:05:09", false},
                    TimeTextCase{"UsHour24", "us", 24, 0, 0, "12:00:00 AM", true},
                    TimeTextCase{"UsMinute60", "us", 12, 60, 0, "12:00:00 AM", true},
                    TimeTextCase{"UsSecond60", "us", 8, 30, 60, "12:00:00 AM", true},
                    TimeTextCase{"UsNegativeSecond", "us", 10, 0, -1, "12:00:00 AM", true},
                    TimeTextCase{"GermanHour25", "de", 25, 0, 0, "00:00:00", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordTimeText, ATimeWithoutHasValueIsStillFormatted) {
    ScopedLocaleOverride locale(Locale::UsEnglish());
    OneFieldDb fixture(TIME_T);
    CTbObjRecordValue& fresh = fixture.NewValue();
    ASSERT_FALSE(fresh.HasValue());
    EXPECT_EQ(fresh.TimeAsText(), "12:00:00 AM");

    CTbObjRecordValue& unset = fixture.NewValue();
    unset.SetTime(18, 30, 0);
    unset.SetHasValue(false);
    EXPECT_EQ(unset.TimeAsText(), "6:30:00 PM");
}

TEST(RecordTimeText, FollowsTheLocaleInForceWhenAsked) {
    OneFieldDb fixture(TIME_T);
    CTbObjRecordValue& value = fixture.NewValue();
    value.SetTime(21, 7, 3);
    {
        ScopedLocaleOverride us(Locale::UsEnglish());
        EXPECT_EQ(value.TimeAsText(), "9:07:03 PM");
    }
    {
        ScopedLocaleOverride german(GermanLocale());
        EXPECT_EQ(value.TimeAsText(), "21:07:03");
    }
}

// ---------------------------------------------------------------------------------------------
// Image data to and from files

namespace {

// Runs fn and reports whether it threw one of the file layer's errors (resetting the shared one).
bool ThrowsFileError(const std::function<void()>& fn) {
    try {
        fn();
    } catch (QnFileException* exception) {
        exception->Reset();
        return true;
    } catch (const QnAutoError&) {
        return true;
    }
    return false;
}

}  // namespace

TEST(RecordData, SaveThenLoadGivesTheSameBytes) {
    TempDir dir;
    OneFieldDb fixture(IMAGE_T);
    CTbObjRecordValue& value = fixture.NewValue();
    std::vector<uint8_t> bytes = PatternBytes(10000, 7);
    value.SetData(bytes);
    std::string path = dir.File("picture.bin");
    value.SaveData(path);
    EXPECT_EQ(ReadBytes(path), bytes);

    CTbObjRecordValue& other = fixture.NewValue();
    other.LoadData(path);
    EXPECT_EQ(other.GetData(), bytes);
}

TEST(RecordData, SaveReplacesALongerExistingFileExactly) {
    TempDir dir;
    std::string path = dir.File("picture.bin");
    WriteBytes(path, std::vector<uint8_t>(5000, 0xEE));
    OneFieldDb fixture(IMAGE_T);
    CTbObjRecordValue& value = fixture.NewValue();
    std::vector<uint8_t> bytes = PatternBytes(100);
    value.SetData(bytes);
    value.SaveData(path);
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_EQ(std::filesystem::file_size(path), 100u);
}

TEST(RecordData, SaveOfEmptyDataWritesNothing) {
    TempDir dir;
    OneFieldDb fixture(IMAGE_T);
    CTbObjRecordValue& value = fixture.NewValue();
    std::string missing = dir.File("none.bin");
    value.SaveData(missing);
    EXPECT_FALSE(std::filesystem::exists(missing));

    std::string existing = dir.File("old.bin");
    WriteBytes(existing, {5, 6, 7});
    value.SaveData(existing);
    EXPECT_EQ(ReadBytes(existing), (std::vector<uint8_t>{5, 6, 7}));
}

TEST(RecordData, SaveIntoAMissingFolderThrowsAFileError) {
    TempDir dir;
    OneFieldDb fixture(IMAGE_T);
    CTbObjRecordValue& value = fixture.NewValue();
    value.SetData({1, 2, 3});
    std::string path = (dir.Path() / "no-such-folder" / "picture.bin").string();
    EXPECT_TRUE(ThrowsFileError([&] { value.SaveData(path); }));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(RecordData, LoadReplacesTheBytesWithTheWholeFile) {
    TempDir dir;
    std::string path = dir.File("converted.bin");
    std::vector<uint8_t> bytes = PatternBytes(4097, 3);  // more than one buffer of the file layer
    WriteBytes(path, bytes);
    OneFieldDb fixture(IMAGE_T);
    CTbObjRecordValue& value = fixture.NewValue();
    value.SetData({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    value.LoadData(path);
    EXPECT_EQ(value.GetData(), bytes);

    std::string empty = dir.File("empty.bin");
    WriteBytes(empty, {});
    value.LoadData(empty);
    EXPECT_TRUE(value.GetData().empty());
}

TEST(RecordData, LoadOfAMissingFileThrowsAFileError) {
    TempDir dir;
    OneFieldDb fixture(IMAGE_T);
    CTbObjRecordValue& value = fixture.NewValue();
    EXPECT_TRUE(ThrowsFileError([&] { value.LoadData(dir.File("absent.bin")); }));
}
