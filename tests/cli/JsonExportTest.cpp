// The design half of the JSON export: header numbers, settings and passwords, the used fields
// with the properties of their class, views, filters, tabs and the records in file order.
#include "cli/JsonExport.h"

#include "model/TbObjDB.h"

#include <gtest/gtest.h>

using orvanta::cli::FieldToJson;
using orvanta::cli::FilterToJson;
using orvanta::cli::Json;
using orvanta::cli::TabulonToJson;

// ---------------------------------------------------------------------------------------------
// Header and settings

TEST(TabulonJson, HeaderNumbersAreCopiedAsTheyAre) {
    CTbObjDB db;
    db.SetPdbName("MRA_Caf\xE9");
    db.SetPdbAttributes(0x0048);
    db.SetPdbVersion(3);
    db.SetCreationDate(3000000000u);
    db.SetModificationDate(3000000100u);
    db.SetBackupDate(0);
    db.SetModificationNumber(17);
    db.SetUniqueIdSeed(0x123456);
    Json json = TabulonToJson(db);
    EXPECT_EQ(json["name"], "MRA_Caf\xC3\xA9");
    EXPECT_EQ(json["attributes"], 0x48);
    EXPECT_EQ(json["version"], 3);
    EXPECT_EQ(json["creationDate"], 3000000000u);
    EXPECT_EQ(json["modificationDate"], 3000000100u);
    EXPECT_EQ(json["backupDate"], 0);
    EXPECT_EQ(json["modificationNumber"], 17);
    EXPECT_EQ(json["uniqueIdSeed"], 0x123456);
    EXPECT_EQ(json["dbVersion"], 30);
}

TEST(TabulonJson, TopLevelMembersComeInTabulonOrder) {
    CTbObjDB db;
    Json json = TabulonToJson(db);
    std::vector<std::string> keys;
    for (const auto& [key, value] : json.items()) keys.push_back(key);
    std::vector<std::string> expected = {"name",
                                         "attributes",
                                         "version",
                                         "creationDate",
                                         "modificationDate",
                                         "backupDate",
                                         "modificationNumber",
                                         "uniqueIdSeed",
                                         "dbVersion",
                                         "settings",
                                         "passwords",
                                         "nextKey",
                                         "fields",
                                         "views",
                                         "filters",
                                         "quickFilter",
                                         "externalFilter",
                                         "tabs",
                                         "records"};
    EXPECT_EQ(keys, expected);
}

TEST(TabulonJson, SettingsCarryTheHeaderRecord) {
    CTbObjDB db;
    db.SetCurrentView(2);
    db.SetReadOnly(true);
    db.SetIncludeInGlobalFind(false);
    db.SetUseStartupScreen(true);
    db.SetStartupScreen("Bienvenue \xE0 bord");
    db.SetDbCategory(4);
    Json settings = TabulonToJson(db)["settings"];
    EXPECT_EQ(settings["currentView"], 2);
    EXPECT_EQ(settings["readOnly"], true);
    EXPECT_EQ(settings["includeInGlobalFind"], false);
    EXPECT_EQ(settings["useStartupScreen"], true);
    EXPECT_EQ(settings["startupScreen"], "Bienvenue \xC3\xA0 bord");
    EXPECT_EQ(settings["dbCategory"], 4);
}

TEST(TabulonJson, OnlyStoredPasswordsAppearAsTheirScrambledBytes) {
    CTbObjDB db;
    db.SetStoredPassword(TB_PASSWORD_LOGIN, CTbObjDB::Scramble("ab"));
    Json passwords = TabulonToJson(db)["passwords"];
    ASSERT_EQ(passwords.size(), 1u);
    // 'a' + 0x2B = 0x8C ^ 0xA5 = 0x29; 'b' gives 0x28; then the terminator 0xA5.
    EXPECT_EQ(passwords["login"], "2928a5");
}

// ---------------------------------------------------------------------------------------------
// Fields

TEST(TabulonJson, OnlyUsedFieldsAppearStartingWithTheCategories) {
    CTbObjDB db;
    db.Field(0)->ListProps()->Items().AddItem("Business");
    db.AddField("Nom \xE9l\xE8ve", TEXT_T);
    db.AddField("Age", INTEGER_T);
    Json fields = TabulonToJson(db)["fields"];
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[0]["slot"], 0);
    EXPECT_EQ(fields[0]["name"], "Categories");
    EXPECT_EQ(fields[0]["items"], Json::parse(R"([{"index":1,"text":"Business"}])"));
    EXPECT_EQ(fields[1]["name"], "Nom \xC3\xA9l\xC3\xA8ve");
    EXPECT_EQ(fields[1]["type"], TEXT_T);
    EXPECT_EQ(fields[1]["typeLabel"], "Text");
    EXPECT_EQ(fields[2]["typeLabel"], "Integer");
}

TEST(FieldJson, TextFieldsGiveDefaultAndAutoWriter) {
    CTbObjDB db;
    CTbObjField* field = db.AddField("City", MEMO_T);
    field->TextProps()->SetDefaultValue("K\xF6ln");
    field->TextProps()->SetAutoWriter(3);
    field->TextProps()->SetAutoShift(true);
    field->TextProps()->SetAutoWriterWords({"Bonn", "K\xF6ln"});
    Json json = FieldToJson(*field);
    EXPECT_EQ(json["typeLabel"], "Memo");
    EXPECT_EQ(json["defaultValue"], "K\xC3\xB6ln");
    EXPECT_EQ(json["autoWriter"], 3);
    EXPECT_EQ(json["autoShift"], true);
    EXPECT_EQ(json["autoWriterWords"], Json::parse(R"(["Bonn","K\u00f6ln"])"));
}

TEST(FieldJson, NumberFieldsGiveDecimalsNextValueAndDefault) {
    CTbObjDB db;
    CTbObjField* field = db.AddField("Serial", AUTO_INC_T);
    field->NumberProps()->SetNextValue(41);
    field->NumberProps()->SetDecimals(0);
    CTbObjField* price = db.AddField("Price", FLOATING_T);
    price->NumberProps()->SetDefaultValue("9.99");
    price->NumberProps()->SetIncDec(1);
    Json serial = FieldToJson(*field), priceJson = FieldToJson(*price);
    EXPECT_EQ(serial["nextValue"], 41);
    EXPECT_EQ(serial["decimals"], 0);
    EXPECT_EQ(priceJson["decimals"], 3);
    EXPECT_EQ(priceJson["defaultValue"], "9.99");
    EXPECT_EQ(priceJson["incDec"], 1);
}

TEST(FieldJson, ListFieldsGiveItemsWithIndexAndText) {
    CTbObjDB db;
    CTbObjField* field = db.AddField("Size", RADIO_T);
    CTbObjListItems& items = field->ListProps()->Items();
    items.AddItem("Small");
    items.AddItem("Gro\xDF");
    items.RemoveItem(0);
    items.SetDefaultIndex(2);
    field->ListProps()->SetButtonCount(2);
    Json json = FieldToJson(*field);
    EXPECT_EQ(json["items"], Json::parse(R"([{"index":2,"text":"Gro\u00df"}])"));
    EXPECT_EQ(json["defaultIndex"], 2);
    EXPECT_EQ(json["nextIndex"], 3);
    EXPECT_EQ(json["buttons"], 2);
}

TEST(FieldJson, DateFieldsGiveTheirDefaultSetting) {
    CTbObjDB db;
    CTbObjField* field = db.AddField("Added", DATE_T);
    field->DateTimeProps()->SetDefaultValue(1);
    EXPECT_EQ(FieldToJson(*field)["defaultValue"], 1);
}

TEST(FieldJson, ExpressionFieldsGiveResultFormatAndTokens) {
    CTbObjDB db;
    CTbObjField* field = db.AddField("Total", ADV_EXPRESSION_T);
    field->ExprProps()->SetResultFormat(EXPR_RESULT_DATE_DAYS);
    field->ExprProps()->SetDecimals(2);
    ASSERT_TRUE(field->ExprProps()->SetTokens({3, 7, 1}, {"1", "+", "\xB5"}));
    Json json = FieldToJson(*field);
    EXPECT_EQ(json["resultFormat"], 1);
    EXPECT_EQ(json["resultFormatLabel"], "Date +/- Days");
    EXPECT_EQ(json["decimals"], 2);
    EXPECT_EQ(json["tokens"], Json::parse(R"([{"type":3,"value":"1"},{"type":7,"value":"+"},
                                              {"type":1,"value":"\u00b5"}])"));
}

TEST(FieldJson, ConditionalExpressionGivesConditionAndBothResults) {
    CTbObjDB db;
    CTbObjField* field = db.AddField("Status", COND_EXP_T);
    CTbObjFieldCondExpr* props = field->CondExprProps();
    props->Condition().SetCondition(0, 2, TbCompare::GreaterOrEqual, 0, "18");
    props->SetTrueConstant("adult");
    props->SetTrueColour(TB_GREEN);
    props->SetFalseField(3);
    props->SetFalseColour(TB_RED);
    Json json = FieldToJson(*field);
    EXPECT_EQ(json["condition"]["conditions"][0],
              Json::parse(R"({"field":2,"operator":"J","secondField":0,"constant":"18"})"));
    EXPECT_EQ(json["trueConstant"], "adult");
    EXPECT_EQ(json["trueColor"], 2);
    EXPECT_EQ(json["falseField"], 3);
    EXPECT_EQ(json["falseColor"], 1);
}

TEST(FieldJson, JoinFieldsGiveTheirJoinSettings) {
    CTbObjDB db;
    CTbObjField* field = db.AddField("Customer", DB_JOIN_T);
    CTbObjFieldJoin* props = field->JoinProps();
    props->SetSourceDatabase("Clients \xE9t\xE9");
    props->SetJoinFieldType(TEXT_T);
    props->SetJoinField(4);
    props->SetDisplayField(5);
    props->SetViewNumber(1);
    Json json = FieldToJson(*field);
    EXPECT_EQ(json["sourceDatabase"], "Clients \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(json["joinFieldType"], TEXT_T);
    EXPECT_EQ(json["joinField"], 4);
    EXPECT_EQ(json["displayField"], 5);
    EXPECT_EQ(json["viewNumber"], 1);
}

TEST(FieldJson, ImageOneToManyAndPlugInFieldsGiveTheirSettings) {
    CTbObjDB db;
    CTbObjField* image = db.AddField("Photo", IMAGE_T);
    image->ImageProps()->SetBitsPerPixel(4);
    CTbObjField* otm = db.AddField("Orders", ONE_TO_MANY_T);
    otm->OtmProps()->SetRelatedDatabase("Orders");
    otm->OtmProps()->SetRelatedField(2);
    CTbObjField* plugIn = db.AddField("Scan", PLUGIN_T);
    plugIn->PlugInProps()->SetPlugInType(0x42434F44);
    plugIn->PlugInProps()->SetParameters({{1, 0, "x"}});
    EXPECT_EQ(FieldToJson(*image)["bitsPerPixel"], 4);
    EXPECT_EQ(FieldToJson(*image)["secondSetting"], 4);
    EXPECT_EQ(FieldToJson(*otm)["relatedDatabase"], "Orders");
    EXPECT_EQ(FieldToJson(*otm)["relatedField"], 2);
    EXPECT_EQ(FieldToJson(*plugIn)["plugInType"], 0x42434F44);
    EXPECT_EQ(FieldToJson(*plugIn)["parameters"], Json::parse(R"([{"kind":1,"field":0,"constant":"x"}])"));
}

TEST(FieldJson, CheckboxAndKeyFieldsHaveOnlyTheCommonMembers) {
    CTbObjDB db;
    Json json = FieldToJson(*db.AddField("Done", CHECKBOX_T));
    EXPECT_EQ(json.size(), 6u);
    EXPECT_EQ(json["typeLabel"], "Checkbox");
}

// ---------------------------------------------------------------------------------------------
// Views, filters, tabs

TEST(TabulonJson, ViewsGiveColumnsSortKeysAndDefaultFilter) {
    CTbObjDB db;
    CTbObjView* view = db.AddView();
    view->AddColumn(3);
    view->AddColumn(1)->SetWidth(90);
    view->SetSortKey(1, 1, 1);
    view->SetDefaultFilter(0);
    Json json = TabulonToJson(db)["views"];
    ASSERT_EQ(json.size(), 1u);
    EXPECT_EQ(json[0]["name"], "View01");
    EXPECT_EQ(json[0]["columns"], Json::parse("[3, 1]"));
    EXPECT_EQ(json[0]["columnWidths"], Json::parse("[60, 90]"));
    EXPECT_EQ(json[0]["defaultFilter"], 0);
    EXPECT_EQ(json[0]["sortKeys"][0], Json::parse(R"({"field":1,"direction":1})"));
    EXPECT_EQ(json[0]["sortKeys"][1]["field"], 0);
}

TEST(TabulonJson, FiltersGiveConditionsAndLogic) {
    CTbObjDB db;
    CTbObjFilter* filter = db.AddFilter();
    filter->SetName("Gro\xDF");
    filter->SetCondition(0, 1, TbCompare::ContainsNoCase, 0, "\xE9t\xE9");
    filter->SetCondition(1, 2, TbCompare::Less, 3, "");
    filter->SetLogicOperator(0, TbCompare::Or);
    Json json = TabulonToJson(db)["filters"];
    ASSERT_EQ(json.size(), 1u);
    EXPECT_EQ(json[0]["name"], "Gro\xC3\x9F");
    EXPECT_EQ(json[0]["conditions"][0]["constant"], "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(json[0]["conditions"][0]["operator"], "h");
    EXPECT_EQ(json[0]["conditions"][1]["secondField"], 3);
    EXPECT_EQ(json[0]["conditions"][2]["field"], 0);
    EXPECT_EQ(json[0]["logic"], Json::parse(R"(["O", ""])"));
}

TEST(TabulonJson, TabsCountTheirUsedRowsAndListThem) {
    CTbObjDB db;
    db.AddField("Name", TEXT_T);
    CTbObjTab* tab = db.Tab(0);
    tab->SetName("G\xE9n\xE9ral");
    tab->PlaceField(1, 1);
    CTbObjTabRow* label = tab->RowAt(3);
    label->MakeLabelRow();
    label->SetEmpty(false);
    label->SetLabelText("Notes");
    Json json = TabulonToJson(db)["tabs"];
    ASSERT_EQ(json.size(), 1u);
    EXPECT_EQ(json[0]["name"], "G\xC3\xA9n\xC3\xA9ral");
    EXPECT_EQ(json[0]["rows"], 2);
    ASSERT_EQ(json[0]["usedRows"].size(), 2u);
    EXPECT_EQ(json[0]["usedRows"][0]["field"], 1);
    EXPECT_EQ(json[0]["usedRows"][1]["field"], 255);
    EXPECT_EQ(json[0]["usedRows"][1]["labelText"], "Notes");
}

TEST(TabulonJson, RecordsComeInStoredOrderWithTheNextKey) {
    CTbObjDB db;
    int slot = db.AddField("Name", TEXT_T)->GetSlot();
    for (const char* name : {"b", "a", "c"}) db.Records().AddRecord(true, false)->Value(slot)->SetText(name);
    db.AddView()->AddColumn(static_cast<uint16_t>(slot));
    db.View(0)->SetSortKey(1, static_cast<uint16_t>(slot), 0);
    db.Records().ApplyView(0);  // a sorted subset must not change the order written out
    Json json = TabulonToJson(db);
    ASSERT_EQ(json["records"].size(), 3u);
    EXPECT_EQ(json["records"][0]["values"]["1"], "b");
    EXPECT_EQ(json["records"][1]["values"]["1"], "a");
    EXPECT_EQ(json["records"][2]["values"]["1"], "c");
    EXPECT_EQ(json["nextKey"], 3);
}

TEST(TabulonJson, FilterJsonShowsNulOperatorsAsEmpty) {
    CTbObjDB db;
    Json json = FilterToJson(db.QuickFilter());
    EXPECT_EQ(json["logic"], Json::parse(R"(["", ""])"));
    EXPECT_EQ(json["conditions"].size(), 3u);
}
