// Records and their values: keys, the 81 typed values of a new record and their defaults, the
// packed storage and has-value rules, copies, dates and times as text, and data files; records
// kept in blocks, and the text arena the reader stores record texts in.
#include "ModelTestSupport.h"

#include "io/QnAutoError.h"
#include "io/QnException.h"
#include "model/TbTextArena.h"
#include "platform/Locale.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using orvanta::platform::Locale;
using orvanta::platform::ScopedLocaleOverride;

namespace {

Locale GermanLocale() {
    Locale german;
    german.shortDatePattern = "dd.MM.yyyy";
    german.timePattern = "HH:mm:ss";
    return german;
}

// Runs fn and reports whether it threw one of the file layer's errors (resetting the shared one).
// The message and cause lines of the file error fn throws; "" when it throws none.
std::string FileErrorLines(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const QnAutoError& error) {
        return error.GetLines();
    }
    return {};
}

}  // namespace

TEST(RecordList, AssignsKeysAboveTheNextKeyAndGivesNoRecordOutsideTheList) {
    CTbObjDB db;
    db.Records().SetNextKey(41);
    CTbObjRecord* first = db.Records().AddRecord(true);
    EXPECT_TRUE(db.IsModified());
    EXPECT_EQ(first->GetKey(), 42u);
    EXPECT_EQ(db.Records().AddRecord(true)->GetKey(), 43u);
    EXPECT_EQ(db.Records().AddRecord(false)->GetKey(), 43u);
    EXPECT_EQ(db.Records().RecordInStoredOrder(0), first);
    for (int position : {-1, 3}) {
        EXPECT_EQ(db.Records().Record(position), nullptr) << position;
        EXPECT_EQ(db.Records().RecordInStoredOrder(position), nullptr) << position;
    }
    db.SetModified(false);
    first->SetKey(7);
    EXPECT_TRUE(db.IsModified());
}

TEST(RecordValues, EverySlotHasAValueTypedByItsFieldAndTheCategoryIsSlotZero) {
    CTbObjDB db;
    for (TbFieldType type : {TEXT_T, DATE_T, LIST_T, KEY_T, DB_JOIN_T, ADV_EXPRESSION_T})
        AddTypedField(db, std::string(FieldTypeLabel(type)), type);
    CTbObjRecord* record = db.Records().AddRecord(true);
    for (int slot = 0; slot < MaxFieldSlots; ++slot)
        EXPECT_EQ(record->Value(slot)->GetType(), db.Field(slot)->GetType()) << slot;
    EXPECT_EQ(record->Value(6)->GetType(), ADV_EXPRESSION_T);
    EXPECT_EQ(record->Value(-1), nullptr);
    EXPECT_EQ(static_cast<const CTbObjRecord*>(record)->Value(81), nullptr);
    record->Value(0)->SetShort(2);
    EXPECT_EQ(record->GetCategory(), 2);
}

TEST(RecordValues, KeepOneNumberAtATimeBesideCheckAndColourCode) {
    CTbObjRecordValue value;
    value.SetLong(-100000);
    EXPECT_EQ(std::tuple(value.GetLong(), value.GetShort(), value.GetFloat()), std::tuple(-100000, 0, 0.0f));
    value.SetFloat(2.5f);
    EXPECT_EQ(std::tuple(value.GetLong(), value.GetShort(), value.GetFloat()), std::tuple(0, 0, 2.5f));
    value.SetShort(-7);
    EXPECT_EQ(std::tuple(value.GetLong(), value.GetShort(), value.PackedDate()), std::tuple(0, -7, 0u));
    value.SetDate(2004, 10, 27);
    value.SetChecked(true);
    for (auto [colour, stored] :
         {std::pair<uint32_t, uint32_t>{TB_YELLOW, TB_YELLOW}, {5, TB_BLACK}, {3, 3}}) {
        value.SetColour(colour);
        EXPECT_EQ(value.GetColour(), stored) << colour;
    }
    EXPECT_EQ(std::tuple(value.GetShort(), value.GetChecked(), value.PackedDate()),
              std::tuple(0, true, PackParts(2004, 10, 27)));
}

TEST(RecordValues, StoringAnythingSetsHasValueExceptTheDateZeroZeroZero) {
    for (const Fill& store :
         {Text(""), Short(0), Long(0), Float(0), Checked(false), Time(0, 0, 0), Date(0, 0, 1)}) {
        CTbObjRecordValue value;
        store(value);
        EXPECT_TRUE(value.HasValue());
    }
    CTbObjRecordValue date;
    date.SetDate(2004, 1, 1);
    date.SetDate(0, 0, 0);
    EXPECT_FALSE(date.HasValue());
}

TEST(RecordDefaults, NumbersAreReadFromTheDefaultTextLikeAtoiAndAtof) {
    struct Case {
        TbFieldType type;
        const char* text;
        double expected;
    };
    for (const Case& c : {Case{INTEGER_T, "  -7 pieces", -7}, Case{INTEGER_T, "abc", 0},
                          Case{INTEGER_T, "3.9", 3}, Case{LONG_T, "123456789", 123456789},
                          Case{FLOATING_T, "1.5e2", 150}, Case{FLOATING_T, "0.75kg", 0.75}}) {
        OneField f(c.type);
        f.field.NumberProps()->SetDefaultValue(c.text);
        const CTbObjRecordValue& value = f.NewValue();
        EXPECT_TRUE(value.HasValue()) << c.text;
        double number = c.type == INTEGER_T ? double(value.GetShort())
                        : c.type == LONG_T  ? double(value.GetLong())
                                            : value.GetFloat();
        EXPECT_DOUBLE_EQ(number, c.expected) << c.text;
    }
}

TEST(RecordDefaults, TextItemsAndAutoIncrementalTakeTheFieldsSettingsOthersStartEmpty) {
    for (TbFieldType type : {TEXT_T, MEMO_T}) {
        OneField f(type);
        f.field.TextProps()->SetDefaultValue("Unknown author");
        EXPECT_EQ(f.NewValue().GetText(), "Unknown author");
    }
    for (TbFieldType type : {LIST_T, RADIO_T}) {
        OneField f(type);
        CTbObjListItems& items = f.field.ListProps()->Items();
        for (const char* text : {"Red", "Green", "Blue"}) items.AddItem(text);
        items.SetDefaultIndex(2);
        EXPECT_EQ(f.NewValue().GetShort(), 2);
        EXPECT_EQ(f.NewValue().GetText(), "Green");
        items.SetDefaultIndex(9);  // no item carries it: index 0, no text, yet a value
        const CTbObjRecordValue& fallback = f.NewValue();
        EXPECT_EQ(std::tuple(fallback.HasValue(), fallback.GetShort(), fallback.GetText()),
                  std::tuple(true, 0, ""));
    }
    OneField autoInc(AUTO_INC_T);
    autoInc.field.NumberProps()->SetNextValue(500);
    EXPECT_EQ(autoInc.NewValue().GetLong(), 500);
    for (TbFieldType type : {CHECKBOX_T, KEY_T, IMAGE_T, DB_JOIN_T, COND_EXP_T, EXPRESSION_T}) {
        OneField f(type);
        EXPECT_FALSE(f.NewValue().HasValue()) << type;
    }
}

TEST(RecordDefaults, DateAndTimeSettingsOneAndTwoGiveTheLocalDateAndTime) {
    ScopedEnv zone("TZ", ZoneOnAnotherDayThanUtc());
    for (uint32_t setting : {0u, 1u, 2u, 3u}) {
        OneField date(DATE_T), clock(TIME_T);
        date.field.DateTimeProps()->SetDefaultValue(setting);
        clock.field.DateTimeProps()->SetDefaultValue(setting);
        std::time_t before = std::time(nullptr);
        const CTbObjRecordValue& day = date.NewValue();
        const CTbObjRecordValue& time = clock.NewValue();
        std::tm early = LocalParts(before), late = LocalParts(std::time(nullptr));
        if (early.tm_mday != late.tm_mday) GTEST_SKIP() << "the local clock passed midnight";
        bool now = setting == 1 || setting == 2;
        EXPECT_EQ(day.HasValue() + time.HasValue(), now ? 2 : 0) << setting;
        EXPECT_EQ(day.PackedDate(), now ? PackedDateOf(early) : 0u) << setting;
        EXPECT_GE(time.PackedTime(), now ? PackedTimeOf(early) : 0u) << setting;
        EXPECT_LE(time.PackedTime(), now ? PackedTimeOf(late) : 0u) << setting;
    }
}

TEST(RecordDefaults, AreAppliedOnlyWhenAskedAndResetClearsEverything) {
    OneField f(INTEGER_T);
    f.field.NumberProps()->SetDefaultValue("12");
    EXPECT_FALSE(f.NewValue(false).HasValue());
    EXPECT_EQ(f.NewValue(false).GetType(), INTEGER_T);
    CTbObjRecordValue& value = f.NewValue();
    value.SetText("note");
    value.SetColour(TB_RED);
    value.SetChecked(true);
    value.SetExtraWord(0xABCD);
    value.SetData({1, 2, 3});
    value.JoinedValue().SetText("joined");
    value.Reset(&f.field, false);
    EXPECT_EQ(std::tuple(value.HasValue(), value.GetShort(), std::string(value.GetText()), value.GetColour()),
              std::tuple(false, 0, std::string(), 0u));
    EXPECT_EQ(std::tuple(value.GetChecked(), value.GetExtraWord(), value.GetData().size()),
              std::tuple(false, 0u, 0u));
    EXPECT_EQ(value.JoinedValueIfAny(), nullptr);
    value.Reset(&f.field, true);
    EXPECT_EQ(value.GetShort(), 12);
}

TEST(RecordCopy, IsADetachedDeepCopyOfKeyAndValues) {
    CTbObjDB db;
    CTbObjRecord* original = db.Records().AddRecord(true);
    original->SetKey(77);
    original->SetUniqueId(0x123456);
    original->Value(1)->SetText("Alice");
    original->Value(1)->SetColour(TB_GREEN);
    original->Value(2)->SetData({1, 2, 3, 4});
    original->Value(2)->SetExtraWord(9);
    original->Value(3)->JoinedValue().SetText("joined");
    std::unique_ptr<CTbObjRecord> copy = original->Copy();
    EXPECT_EQ(copy->Database(), nullptr);
    EXPECT_EQ(std::tuple(copy->GetKey(), copy->GetUniqueId(), std::string(copy->Value(1)->GetText())),
              std::tuple(77u, 0x123456u, std::string("Alice")));
    EXPECT_EQ(std::tuple(copy->Value(1)->GetColour(), copy->Value(2)->GetData().size(),
                         copy->Value(2)->GetExtraWord()),
              std::tuple(TB_GREEN, 4u, 9u));
    ASSERT_NE(copy->Value(3)->JoinedValueIfAny(), nullptr);
    copy->Value(2)->SetData({9});
    copy->Value(3)->JoinedValue().SetText("other");
    db.SetModified(false);
    copy->SetKey(5);
    EXPECT_EQ(original->Value(2)->GetData(), (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(original->Value(3)->JoinedValueIfAny()->GetText(), "joined");
    EXPECT_FALSE(db.IsModified());
}

TEST(RecordDateTimeText, FormatsValidValuesAndClearsInvalidOnes) {
    struct Case {
        bool date, german;
        int a, b, c;
        const char* text;
        bool cleared;
    };
    for (const Case& c :
         {Case{true, false, 2004, 2, 29, "2/29/2004", false},
          Case{true, true, 2004, 3, 5, "05.03.2004", false}, Case{true, false, 2003, 2, 29, "", true},
          Case{true, false, 2004, 4, 31, "", true}, Case{true, true, 99, 12, 31, "", true},
          Case{true, false, 2004, 0, 27, "", false}, Case{false, false, 13, 5, 9, "1:05:09 PM", false},
          Case{false, false, 0, 0, 0, "12:00:00 AM", false}, Case{false, true, 7, 5, 9, "07:05:09", false},
          Case{false, false, 24, 0, 0, "12:00:00 AM", true},
          Case{false, false, 8, 30, 60, "12:00:00 AM", true},
          Case{false, true, 10, 0, -1, "00:00:00", true}}) {
        SCOPED_TRACE(std::to_string(c.a) + " " + std::to_string(c.b) + " " + std::to_string(c.c));
        ScopedLocaleOverride locale(c.german ? GermanLocale() : Locale::UsEnglish());
        CTbObjRecordValue value;
        c.date ? value.SetDate(c.a, c.b, c.c) : value.SetTime(c.a, c.b, c.c);
        EXPECT_EQ(c.date ? value.DateAsText() : value.TimeAsText(), c.text);
        EXPECT_EQ(value.PackedDate(), c.cleared ? 0u : PackParts(c.a, c.b, c.c));
    }
    ScopedLocaleOverride locale(Locale::UsEnglish());
    CTbObjRecordValue date, time;
    EXPECT_EQ(time.TimeAsText(), "12:00:00 AM");  // a time is shown even without a value, a date is not
    date.SetDate(2004, 10, 27);
    time.SetTime(18, 30, 0);
    date.SetHasValue(false);
    time.SetHasValue(false);
    EXPECT_EQ(date.DateAsText(), "");
    EXPECT_EQ(date.PackedDate(), PackParts(2004, 10, 27));
    EXPECT_EQ(time.TimeAsText(), "6:30:00 PM");
}

TEST(RecordData, SaveAndLoadCarryTheExactBytesAndFailuresThrowFileErrors) {
    TempDir dir;
    std::string path = dir.File("picture.bin");
    WriteBytes(path, std::vector<uint8_t>(5000, 0xEE));
    CTbObjRecordValue value;
    std::vector<uint8_t> bytes = PatternBytes(4097, 7);  // more than one buffer of the file layer
    value.SetData(bytes);
    value.SaveData(path);
    EXPECT_EQ(ReadBytes(path), bytes);  // a longer old file leaves nothing behind
    value.SaveData(dir.File("new.bin"));
    EXPECT_EQ(ReadBytes(dir.File("new.bin")), bytes);
    CTbObjRecordValue other;
    other.SetData({1, 2, 3});
    other.LoadData(path);
    EXPECT_EQ(other.GetData(), bytes);
    WriteBytes(path, {});
    other.LoadData(path);
    EXPECT_TRUE(other.GetData().empty());
    other.SaveData(dir.File("none.bin"));  // empty data writes nothing, not even an empty file
    EXPECT_FALSE(std::filesystem::exists(dir.File("none.bin")));

    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"new.bin", "picture.bin"})) << "no temporary file is left";

    std::string lost = (dir.Path() / "no-such-folder" / "picture.bin").string();
    EXPECT_EQ(FileErrorLines([&] { value.SaveData(lost); }),
              "Problem creating m_DumpFile in SetupFiles()\n" + lost + ": No such file or directory");
    EXPECT_FALSE(std::filesystem::exists(lost));
    std::string absent = dir.File("absent.bin");
    EXPECT_EQ(FileErrorLines([&] { value.LoadData(absent); }),
              "File could not be found or could not be opened.\n" + absent + ": No such file or directory");
}

TEST(RecordBlocks, RecordsAcrossManyBlocksKeepTheirValuesRemovedOnesLeaveTheRestAndEmptyingStartsAfresh) {
    CTbObjDB db;
    CTbObjField& field = AddTypedField(db, "Name", TEXT_T);
    const int count = 3000;  // about three blocks
    for (int i = 0; i < count; ++i)
        db.Records().AddRecord(true, false)->Value(field.GetSlot())->SetText("record " + std::to_string(i));
    db.Records().RemoveRecord(db.Records().RecordInStoredOrder(1500));
    CTbObjRecord* added = db.Records().AddRecord(true, true);
    EXPECT_EQ(added->Value(field.GetSlot())->GetType(), TEXT_T);
    EXPECT_FALSE(added->Value(field.GetSlot())->HasValue());
    ASSERT_EQ(db.Records().Count(true), count);
    for (int i = 0; i < count - 1; ++i) {
        int number = i < 1500 ? i : i + 1;
        const CTbObjRecord* record = db.Records().RecordInStoredOrder(i);
        ASSERT_EQ(record->GetKey(), static_cast<uint32_t>(number + 1)) << i;
        ASSERT_EQ(record->Value(field.GetSlot())->GetText(), "record " + std::to_string(number)) << i;
    }
    EXPECT_EQ(db.Records().RecordInStoredOrder(count - 1), added);
    db.Records().DeleteAllRecords();  // emptied and filled again: only the new record
    added = db.Records().AddRecord(true, false);
    EXPECT_EQ(db.Records().Count(true), 1);
    EXPECT_EQ(added->Value(field.GetSlot())->GetType(), TEXT_T);
    EXPECT_FALSE(added->Value(field.GetSlot())->HasValue());
    EXPECT_EQ(added->Value(field.GetSlot())->GetText(), "");
}

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
