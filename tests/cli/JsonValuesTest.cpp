// Record values in the JSON export: each value kind in its JSON form, only set values of used
// fields appearing, and texts converted from Windows-1252 to UTF-8.
#include "cli/JsonExport.h"

#include "model/TbObjDB.h"

#include <gtest/gtest.h>

using orvanta::cli::Json;
using orvanta::cli::RecordToJson;

namespace {

// A Tabulon in memory with one record to fill; values() gives that record's JSON values.
class RecordValues : public ::testing::Test {
protected:
    int Add(const char* name, TbFieldType type) { return db.AddField(name, type)->GetSlot(); }
    CTbObjRecordValue& Value(int slot) {
        if (!record) record = db.Records().AddRecord(true, false);
        return *record->Value(slot);
    }
    Json Values() {
        if (!record) record = db.Records().AddRecord(true, false);
        return RecordToJson(db, *record)["values"];
    }
    static std::string Key(int slot) { return std::to_string(slot); }

    CTbObjDB db;
    CTbObjRecord* record = nullptr;
};

}  // namespace

TEST_F(RecordValues, TextsAreStringsInUtf8WithTheirLineBreaks) {
    int text = Add("Name", TEXT_T), memo = Add("Notes", MEMO_T);
    Value(text).SetText("Caf\xE9 \x80");
    Value(memo).SetText("line 1\r\nline 2");
    Json values = Values();
    EXPECT_EQ(values[Key(text)], "Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(values[Key(memo)], "line 1\r\nline 2");
}

TEST_F(RecordValues, WholeNumbersAreIntegers) {
    int integer = Add("Age", INTEGER_T), longer = Add("Count", LONG_T), serial = Add("Serial", AUTO_INC_T);
    Value(integer).SetShort(-12);
    Value(longer).SetLong(100000);
    Value(serial).SetLong(7);
    Json values = Values();
    EXPECT_EQ(values[Key(integer)], -12);
    EXPECT_EQ(values[Key(longer)], 100000);
    EXPECT_EQ(values[Key(serial)], 7);
    EXPECT_TRUE(values[Key(longer)].is_number_integer());
}

TEST_F(RecordValues, FloatsAreNumbersInTheirShortestForm) {
    int price = Add("Price", FLOATING_T);
    Value(price).SetFloat(1.1f);
    Json values = Values();
    ASSERT_TRUE(values[Key(price)].is_number_float());
    EXPECT_EQ(values[Key(price)].dump(), "1.1");
}

TEST_F(RecordValues, ListAndRadioButtonGiveTheItemIndex) {
    int list = Add("Colour", LIST_T), radio = Add("Size", RADIO_T);
    db.Field(list)->ListProps()->Items().AddItem("Red");
    db.Field(list)->ListProps()->Items().AddItem("Green");
    Value(list).SetShort(2);
    Value(list).SetText("Green");
    Value(radio).SetShort(0);
    Value(radio).SetHasValue(true);
    Json values = Values();
    EXPECT_EQ(values[Key(list)], 2);
    EXPECT_EQ(values[Key(radio)], 0);
}

TEST_F(RecordValues, CheckboxesAreBooleans) {
    int on = Add("Done", CHECKBOX_T), off = Add("Paid", CHECKBOX_T);
    Value(on).SetChecked(true);
    Value(off).SetChecked(false);
    Value(off).SetHasValue(true);
    Json values = Values();
    EXPECT_EQ(values[Key(on)], true);
    EXPECT_EQ(values[Key(off)], false);
}

TEST_F(RecordValues, DatesAndTimesAreIsoText) {
    int date = Add("Born", DATE_T), time = Add("Alarm", TIME_T);
    Value(date).SetDate(2004, 10, 27);
    Value(time).SetTime(7, 5, 9);
    Json values = Values();
    EXPECT_EQ(values[Key(date)], "2004-10-27");
    EXPECT_EQ(values[Key(time)], "07:05:09");
}

TEST_F(RecordValues, ConditionalExpressionGivesTextAndColour) {
    int cond = Add("Status", COND_EXP_T);
    Value(cond).SetText("Overdue \x96 call");
    Value(cond).SetColour(TB_RED);
    Json values = Values();
    EXPECT_EQ(values[Key(cond)], (Json{{"text", "Overdue \xE2\x80\x93 call"}, {"color", 1}}));
}

TEST_F(RecordValues, AdvancedExpressionValueFollowsTheResultFormat) {
    int floating = Add("Total", ADV_EXPRESSION_T), date = Add("Due", ADV_EXPRESSION_T);
    int time = Add("Start", ADV_EXPRESSION_T), text = Add("Label", ADV_EXPRESSION_T);
    db.Field(floating)->ExprProps()->SetResultFormat(EXPR_RESULT_HOURS);
    db.Field(date)->ExprProps()->SetResultFormat(EXPR_RESULT_DATE_MONTHS);
    db.Field(time)->ExprProps()->SetResultFormat(EXPR_RESULT_TIME);
    db.Field(text)->ExprProps()->SetResultFormat(EXPR_RESULT_TEXT);
    Value(floating).SetFloat(2.5f);
    Value(floating).SetText("2.50");
    Value(floating).SetColour(TB_BLUE);
    Value(date).SetDate(2024, 2, 29);
    Value(time).SetTime(23, 59, 58);
    Value(text).SetText("A\xE9");
    Value(text).SetColour(TB_GREEN);
    Json values = Values();
    EXPECT_EQ(values[Key(floating)], (Json{{"value", 2.5}, {"text", "2.50"}, {"color", 3}}));
    EXPECT_EQ(values[Key(date)]["value"], "2024-02-29");
    EXPECT_EQ(values[Key(time)]["value"], "23:59:58");
    EXPECT_EQ(values[Key(text)], (Json{{"value", nullptr}, {"text", "A\xC3\xA9"}, {"color", 2}}));
}

TEST_F(RecordValues, ExpressionGivesItsValueByResultFormat) {
    int floating = Add("Sum", EXPRESSION_T), date = Add("Next", EXPRESSION_T), time = Add("At", EXPRESSION_T);
    db.Field(floating)->ExprProps()->SetResultFormat(EXPR_RESULT_FLOATING);
    db.Field(date)->ExprProps()->SetResultFormat(EXPR_RESULT_DATE_DAYS);
    db.Field(time)->ExprProps()->SetResultFormat(EXPR_RESULT_TIME);
    Value(floating).SetFloat(-0.75f);
    Value(floating).SetHasValue(true);
    Value(date).SetDate(1999, 12, 31);
    Value(time).SetTime(0, 0, 1);
    Json values = Values();
    EXPECT_EQ(values[Key(floating)], -0.75);
    EXPECT_EQ(values[Key(date)], "1999-12-31");
    EXPECT_EQ(values[Key(time)], "00:00:01");
}

TEST_F(RecordValues, DbJoinGivesTheValueInItsOriginalType) {
    int text = Add("Customer", DB_JOIN_T), number = Add("Id", DB_JOIN_T), date = Add("Since", DB_JOIN_T);
    Value(text).SetType(TEXT_T);
    Value(text).SetText("M\xFCller");
    Value(number).SetType(INTEGER_T);
    Value(number).SetShort(31);
    Value(number).SetHasValue(true);
    Value(date).SetType(DATE_T);
    Value(date).SetDate(2001, 1, 2);
    Json values = Values();
    EXPECT_EQ(values[Key(text)], "M\xC3\xBCller");
    EXPECT_EQ(values[Key(number)], 31);
    EXPECT_EQ(values[Key(date)], "2001-01-02");
}

TEST_F(RecordValues, AddressJoinAndLookupAreStrings) {
    int join = Add("Contact", ADDR_BK_JOIN_T), lookup = Add("Phone", ADDR_BK_LOOKUP_T);
    Value(join).SetText("Smith, Ann");
    Value(lookup).SetText("555-0100");
    Json values = Values();
    EXPECT_EQ(values[Key(join)], "Smith, Ann");
    EXPECT_EQ(values[Key(lookup)], "555-0100");
}

TEST_F(RecordValues, AddressJoinRecordIdsAppearAsExtraWords) {
    int join = Add("Contact", ADDR_BK_JOIN_T), name = Add("Name", TEXT_T);
    Value(join).SetText("Smith, Ann");
    Value(join).SetExtraWord(0x00C0FFEE);
    Value(name).SetText("x");
    Json json = RecordToJson(db, *record);
    EXPECT_EQ(json["extraWords"], (Json{{Key(join), 0x00C0FFEE}}));
}

TEST_F(RecordValues, RecordsWithoutExtraWordsHaveNoSuchMember) {
    Value(Add("Name", TEXT_T)).SetText("x");
    EXPECT_FALSE(RecordToJson(db, *record).contains("extraWords"));
}

TEST_F(RecordValues, ImagesAreBase64OfTheirBytes) {
    int image = Add("Photo", IMAGE_T), small = Add("Icon", IMAGE_T);
    Value(image).SetData({0x00, 0x01, 0x02, 0xFF});
    Value(small).SetData({'M', 'a'});
    Json values = Values();
    EXPECT_EQ(values[Key(image)], "AAEC/w==");
    EXPECT_EQ(values[Key(small)], "TWE=");
}

TEST_F(RecordValues, OnlySetValuesAppear) {
    int text = Add("Name", TEXT_T), number = Add("Age", INTEGER_T), date = Add("Born", DATE_T);
    int image = Add("Photo", IMAGE_T);
    Value(text);
    Value(date).SetDate(0, 0, 0);  // no date: stays unset
    Value(image).SetData({1});     // data alone makes it set
    Value(image).SetHasValue(false);
    Json values = Values();
    EXPECT_FALSE(values.contains(Key(text)));
    EXPECT_FALSE(values.contains(Key(number)));
    EXPECT_FALSE(values.contains(Key(date)));
    EXPECT_TRUE(values.contains(Key(image)));
    EXPECT_EQ(values.size(), 1u);
}

TEST_F(RecordValues, ValuesOfUnusedSlotsAndTheCategoryDoNotAppear) {
    int text = Add("Name", TEXT_T);
    Value(text).SetText("kept");
    Value(40).SetText("stray");
    Value(0).SetShort(2);
    Value(0).SetHasValue(true);
    Json values = Values();
    EXPECT_EQ(values, (Json{{Key(text), "kept"}}));
}

TEST(RecordJson, CarriesKeyCategoryAndUniqueId) {
    CTbObjDB db;
    db.AddField("Name", TEXT_T);
    CTbObjRecord* first = db.Records().AddRecord(true, false);
    CTbObjRecord* second = db.Records().AddRecord(true, false);
    second->Value(0)->SetShort(3);
    second->SetUniqueId(0x800001);
    Json json = RecordToJson(db, *second);
    EXPECT_EQ(json["key"], second->GetKey());
    EXPECT_NE(first->GetKey(), second->GetKey());
    EXPECT_EQ(json["category"], 3);
    EXPECT_EQ(json["uniqueId"], 0x800001);
    EXPECT_TRUE(json["values"].is_object());
}
