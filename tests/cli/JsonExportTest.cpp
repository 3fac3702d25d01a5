// The JSON export: the top level in Tabulon order with texts in UTF-8, stored passwords, the
// properties of each field class, views, filters, tabs, and the JSON form of each value kind,
// only set values of used fields appearing. The end-to-end runs cover the sample's plain kinds.
#include "cli/JsonExport.h"

#include "model/TbObjDB.h"

#include <gtest/gtest.h>

#include <functional>

using orvanta::cli::Json;
using orvanta::cli::RecordToJson;
using orvanta::cli::TabulonToJson;

namespace {

// Every member of expected (JSON text) must be in actual with the same value.
void ExpectMembers(const Json& actual, const char* expected) {
    const Json members = Json::parse(expected);
    for (const auto& [key, value] : members.items())
        EXPECT_EQ(actual.contains(key) ? actual.at(key) : Json("(missing)"), value) << key;
}

}  // namespace

TEST(TabulonJson, TopLevelComesInTabulonOrderWithTextsInUtf8AndStoredPasswords) {
    CTbObjDB db;
    db.SetPdbName("MRA_Caf\xE9");
    db.SetCreationDate(3000000000u);
    db.SetStartupScreen("Bienvenue \xE0 bord");
    db.SetStoredPassword(TB_PASSWORD_LOGIN, CTbObjDB::Scramble("ab"));
    Json json = TabulonToJson(db);
    std::string keys;
    for (const auto& [key, value] : json.items()) keys += key + " ";
    EXPECT_EQ(
        keys,
        "name attributes version creationDate modificationDate backupDate modificationNumber uniqueIdSeed "
        "dbVersion settings passwords nextKey fields views filters quickFilter externalFilter tabs records ");
    ExpectMembers(json, R"({"name":"MRA_Caf\u00e9","creationDate":3000000000,"dbVersion":30})");
    EXPECT_EQ(json["settings"]["startupScreen"], "Bienvenue \xC3\xA0 bord");
    // Only stored passwords appear, as their scrambled bytes: 'a' + 0x2B = 0x8C ^ 0xA5 = 0x29,
    // 'b' gives 0x28, then the terminator 0xA5.
    EXPECT_EQ(json["passwords"], Json::parse(R"({"login":"2928a5"})"));
}

TEST(TabulonJson, FieldsAreTheUsedOnesWithThePropertiesOfTheirClass) {
    CTbObjDB db;
    db.Field(0)->ListProps()->Items().AddItem("Business");
    CTbObjListItems& items = db.AddField("Size", RADIO_T)->ListProps()->Items();
    items.AddItem("Small");
    items.AddItem("Gro\xDF");
    items.RemoveItem(0);
    CTbObjFieldExpr* total = db.AddField("Total", ADV_EXPRESSION_T)->ExprProps();
    total->SetResultFormat(EXPR_RESULT_DATE_DAYS);
    total->SetTokens({3, 7, 1}, {"1", "+", "\xB5"});
    db.AddField("Status", COND_EXP_T)
        ->CondExprProps()
        ->Condition()
        .SetCondition(0, 2, TbCompare::GreaterOrEqual, 0, "18");
    db.AddField("Done", CHECKBOX_T);
    Json fields = TabulonToJson(db)["fields"];
    ASSERT_EQ(fields.size(), 5u);
    ExpectMembers(fields[0], R"({"slot":0,"name":"Categories","items":[{"index":1,"text":"Business"}]})");
    ExpectMembers(fields[1],
                  R"({"typeLabel":"Radio Button","items":[{"index":2,"text":"Gro\u00df"}],"nextIndex":3})");
    ExpectMembers(fields[2], R"({"resultFormatLabel":"Date +/- Days",
                                 "tokens":[{"type":3,"value":"1"},{"type":7,"value":"+"},{"type":1,"value":"\u00b5"}]})");
    EXPECT_EQ(fields[3]["condition"]["conditions"][0],
              Json::parse(R"({"field":2,"operator":"J","secondField":0,"constant":"18"})"));
    EXPECT_EQ(fields[4].size(), 6u) << "a checkbox has only the common members";
}

TEST(TabulonJson, ViewsFiltersTabsAndRecordsInStoredOrder) {
    CTbObjDB db;
    uint16_t slot = static_cast<uint16_t>(db.AddField("Name", TEXT_T)->GetSlot());
    CTbObjView* view = db.AddView();
    view->AddColumn(slot)->SetWidth(90);
    view->SetSortKey(1, slot, 1);
    CTbObjFilter* filter = db.AddFilter();
    filter->SetName("Gro\xDF");
    filter->SetCondition(0, 1, TbCompare::ContainsNoCase, 0, "\xE9t\xE9");
    filter->SetLogicOperator(0, TbCompare::Or);
    CTbObjTabRow* label = db.Tab(0)->RowAt(3);
    db.Tab(0)->PlaceField(1, 1);
    label->MakeLabelRow();
    label->SetEmpty(false);
    label->SetLabelText("Notes");
    for (const char* name : {"b", "a", "c"}) db.Records().AddRecord(true, false)->Value(slot)->SetText(name);
    db.Records().ApplyView(0);  // a sorted subset must not change the order written out
    Json json = TabulonToJson(db);
    ExpectMembers(json["views"][0], R"({"name":"View01","columns":[1],"columnWidths":[90]})");
    ExpectMembers(json["filters"][0], R"({"name":"Gro\u00df","logic":["O",""]})");
    ExpectMembers(json["filters"][0]["conditions"][0], R"({"operator":"h","constant":"\u00e9t\u00e9"})");
    EXPECT_EQ(json["quickFilter"]["logic"], Json::parse(R"(["",""])")) << "NUL operators are empty";
    ExpectMembers(json["tabs"][0], R"({"rows":2})");
    EXPECT_EQ(json["tabs"][0]["usedRows"][1]["labelText"], "Notes");
    EXPECT_EQ(json["records"].size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(json["records"][i]["values"]["1"], std::string(1, "bac"[i]));
    EXPECT_EQ(json["nextKey"], 3);
}

TEST(RecordJson, EachValueKindHasItsJsonForm) {
    using V = CTbObjRecordValue&;
    struct Case {
        TbFieldType type;
        int resultFormat;  // -1: none
        std::function<void(V)> set;
        const char* expected;
    };
    const Case cases[] = {
        {LONG_T, -1, [](V v) { v.SetLong(100000); }, "100000"},
        {FLOATING_T, -1, [](V v) { v.SetFloat(1.1f); }, "1.1"},  // the shortest form of the float
        {RADIO_T, -1, [](V v) { v.SetShort(0), v.SetHasValue(true); }, "0"},
        {IMAGE_T, -1, [](V v) { v.SetData(std::vector<uint8_t>(4, 0xFB)); }, R"("+/v7+w==")"},
        {ADDR_BK_LOOKUP_T, -1, [](V v) { v.SetText("555-0100"); }, R"("555-0100")"},
        {COND_EXP_T, -1, [](V v) { v.SetText("Due \x96 now"), v.SetColour(TB_RED); },
         R"({"text":"Due \u2013 now","color":1})"},
        {ADV_EXPRESSION_T, EXPR_RESULT_HOURS,
         [](V v) { v.SetFloat(2.5f), v.SetText("2.50"), v.SetColour(TB_BLUE); },
         R"({"value":2.5,"text":"2.50","color":3})"},
        {ADV_EXPRESSION_T, EXPR_RESULT_TEXT, [](V v) { v.SetText("A\xE9"), v.SetColour(TB_GREEN); },
         R"({"value":null,"text":"A\u00e9","color":2})"},
        {ADV_EXPRESSION_T, EXPR_RESULT_TIME, [](V v) { v.SetTime(23, 59, 58); },
         R"({"value":"23:59:58","text":"","color":0})"},
        {EXPRESSION_T, EXPR_RESULT_DATE_DAYS, [](V v) { v.SetDate(1999, 12, 31); }, R"("1999-12-31")"},
        {EXPRESSION_T, EXPR_RESULT_TEXT, [](V v) { v.SetText("x\xE9"); }, R"("x\u00e9")"},
        {EXPRESSION_T, -1, [](V v) { v.SetFloat(-0.75f), v.SetHasValue(true); }, "-0.75"},
        {DB_JOIN_T, -1, [](V v) { v.SetType(TEXT_T), v.SetText("M\xFCller"); }, R"("M\u00fcller")"},
        {DB_JOIN_T, -1, [](V v) { v.SetType(DATE_T), v.SetDate(2001, 1, 2); }, R"("2001-01-02")"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        CTbObjDB db;
        CTbObjField* field = db.AddField("F", c.type);
        if (c.resultFormat >= 0) field->ExprProps()->SetResultFormat(c.resultFormat);
        CTbObjRecord* record = db.Records().AddRecord(true, false);
        c.set(*record->Value(field->GetSlot()));
        EXPECT_EQ(RecordToJson(db, *record)["values"], Json({{"1", Json::parse(c.expected)}}));
    }
}

TEST(RecordJson, OnlySetValuesOfUsedFieldsAppearWithKeyCategoryIdAndExtraWords) {
    CTbObjDB db;
    for (TbFieldType type : {TEXT_T, INTEGER_T, DATE_T, IMAGE_T, ADDR_BK_JOIN_T}) db.AddField("F", type);
    EXPECT_FALSE(RecordToJson(db, *db.Records().AddRecord(true, false)).contains("extraWords"));
    CTbObjRecord* record = db.Records().AddRecord(true, false);
    record->Value(1);                    // a text never set
    record->Value(3)->SetDate(0, 0, 0);  // no date: stays unset
    record->Value(4)->SetData({1});      // data alone makes it set
    record->Value(4)->SetHasValue(false);
    record->Value(5)->SetText("Smith, Ann");
    record->Value(5)->SetExtraWord(0x00C0FFEE);  // the linked address-book record
    record->Value(40)->SetText("stray");         // an unused slot
    record->Value(0)->SetShort(3);               // the category
    record->Value(0)->SetHasValue(true);
    record->SetUniqueId(0x800001);
    Json json = RecordToJson(db, *record);
    EXPECT_EQ(json["values"], Json::parse(R"({"4":"AQ==","5":"Smith, Ann"})"));
    EXPECT_EQ(json["extraWords"], Json::parse(R"({"5":12648430})"));
    ExpectMembers(json, R"({"key":2,"category":3,"uniqueId":8388609})");
}
