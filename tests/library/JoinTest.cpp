// Joins and lookups resolved on library items over real Tabulon files: the join field types
// that match and those that cannot, text case, duplicates, missing and unreadable joined
// Tabulons, lookups tied to their join, display texts, resolved types and progress; then
// recalculation through the item and the save that asks before dropping what a read passed over.
#include "LibraryFixture.h"

#include "library/CTbBrowser.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"
#include "platform/Locale.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The slots of the joined Tabulon "Suppliers".
enum SupplierSlot { kName = 1, kCode, kNumber, kSince, kId, kSerial, kRating, kRegion };

// Three suppliers: "Acme" (serial 1), "acme" (serial 2), and a second "Acme" with the first's
// code, number and date (serial 3).
void WriteSuppliers(const std::string& folder) {
    CTbObjDB db;
    NewTabulon(db, folder, "Suppliers");
    for (auto [name, type] : {std::pair{"Name", TEXT_T},
                              {"Code", INTEGER_T},
                              {"Number", LONG_T},
                              {"Since", DATE_T},
                              {"Id", KEY_T},
                              {"Serial", AUTO_INC_T},
                              {"Rating", FLOATING_T},
                              {"Region", LIST_T}})
        db.AddField(name, type);
    db.Field(kRating)->NumberProps()->SetDecimals(2);
    CTbObjListItems& regions = db.Field(kRegion)->ListProps()->Items();
    const uint16_t regionIndexes[] = {regions.AddItem("North"), regions.AddItem("South")};
    struct Row {
        const char* name;
        int16_t code;
        int32_t number;
        int day, serial;
        float rating;
    };
    for (Row row : {Row{"Acme", 7, 70000, 3, 1, 4.5f}, Row{"acme", 8, 80000, 1, 2, 3.25f},
                    Row{"Acme", 7, 70000, 3, 3, 1.0f}}) {
        CTbObjRecord& record = *db.Records().AddRecord(true, false);
        record.Value(kName)->SetText(row.name);
        record.Value(kCode)->SetShort(row.code);
        record.Value(kNumber)->SetLong(row.number);
        record.Value(kSince)->SetDate(2001, 2, row.day);
        record.Value(kSerial)->SetLong(row.serial);
        record.Value(kRating)->SetFloat(row.rating);
        record.Value(kRegion)->SetShort(static_cast<int16_t>(regionIndexes[row.serial % 2]));
    }
    ASSERT_GE(db.Save(), 0);
}

// Items: slot 1 a DB Join to source, matched on joinSlot, showing the supplier's serial, with
// one record holding a join value of the row's type.
struct JoinRow {
    const char* name;
    const char* source;
    int joinSlot;
    int type;             // of the join value
    const char* text;     // a Text value (nullptr: none)
    int32_t number;       // an Integer, Long, Key or Auto Incremental value; a Date's day of February 2001
    const char* display;  // what the join shows
};

void SetJoinValue(const JoinRow& row, CTbObjRecordValue& v) {
    v.SetType(static_cast<uint16_t>(row.type));
    if (row.type == TEXT_T && row.text)
        v.SetText(row.text);
    else if (row.type == DATE_T)
        v.SetDate(2001, 2, row.number);
    else if (row.type == INTEGER_T)
        v.SetShort(static_cast<int16_t>(row.number));
    else if (row.type != TEXT_T)
        v.SetLong(row.number);
}

const JoinRow kJoins[] = {
    {"TextByteForByte", "Suppliers", kName, TEXT_T, "acme", 0, "2"},
    {"TextFirstOfDuplicates", "Suppliers", kName, TEXT_T, "Acme", 0, "1"},
    {"TextOtherCaseDoesNotMatch", "Suppliers", kName, TEXT_T, "ACME", 0, ""},
    {"TextWithoutValueIsNotLookedFor", "Suppliers", kName, TEXT_T, nullptr, 0, ""},
    {"Integer", "Suppliers", kCode, INTEGER_T, nullptr, 8, "2"},
    {"IntegerFirstOfDuplicates", "Suppliers", kCode, INTEGER_T, nullptr, 7, "1"},
    {"Long", "Suppliers", kNumber, LONG_T, nullptr, 80000, "2"},
    {"LongOnlyIn16BitsDoesNotMatch", "Suppliers", kNumber, LONG_T, nullptr, 80000 - 65536, ""},
    {"Date", "Suppliers", kSince, DATE_T, nullptr, 1, "2"},
    {"Key", "Suppliers", kId, KEY_T, nullptr, 3, "3"},
    {"AutoIncremental", "Suppliers", kSerial, AUTO_INC_T, nullptr, 2, "2"},
    {"TextConvertedToInteger", "Suppliers", kCode, TEXT_T, "8", 0, "2"},
    {"IntegerConvertedToText", "Suppliers", kName, INTEGER_T, nullptr, 8, ""},
    {"FloatJoinFieldIsUnresolved", "Suppliers", kRating, TEXT_T, "4.5", 0, "UNRESOLVED"},
    {"ListJoinFieldIsUnresolved", "Suppliers", kRegion, TEXT_T, "South", 0, "UNRESOLVED"},
    {"UnusedJoinFieldIsUnresolved", "Suppliers", 40, TEXT_T, "Acme", 0, "UNRESOLVED"},
    {"MissingTabulon", "Makers", kName, TEXT_T, "Acme", 0, "UNRESOLVED"},
    {"TabulonNameIsCaseSensitive", "suppliers", kName, TEXT_T, "Acme", 0, "UNRESOLVED"},
    {"UnreadableTabulon", "Broken", kName, TEXT_T, "Acme", 0, "UNRESOLVED"},
    {"NoSourceDatabase", "", kName, TEXT_T, "Acme", 0, "UNRESOLVED"},
};

class Joins : public testing::Test {
protected:
    Joins() {
        orvanta::platform::SetUserLocaleOverride(orvanta::platform::Locale{});
        fs::create_directories(Folder() + "data/");
        WriteSuppliers(Folder());
        WriteBytes(Folder() + "MRA_Broken.PDB", PatternBytes(100));
    }
    ~Joins() override { orvanta::platform::ClearUserLocaleOverride(); }
    std::string Folder() const { return home.Path().string() + "/Orvanta/"; }

    // Writes "Items": a DB Join at slot 1 as the row says, DB Lookups of the supplier's
    // rating, region, date, code and key tied to it (slots 2 to 6), a lookup tied to no join
    // (slot 7), and one record. Returns the opened item.
    CTbItem& WriteItems(const JoinRow& row) {
        CTbObjDB db;
        NewTabulon(db, Folder(), "Items");
        SetJoin(*db.AddField("Supplier", DB_JOIN_T), row.source, row.joinSlot, kSerial, row.joinSlot);
        for (int shown : {kRating, kRegion, kSince, kCode, kId})
            SetJoin(*db.AddField("Shown", DB_LOOKUP_T), "", 1, shown, 0);
        SetJoin(*db.AddField("Loose", DB_LOOKUP_T), "", 9, kName, 0);
        SetJoinValue(row, *db.Records().AddRecord(true, false)->Value(1));
        EXPECT_GE(db.Save(), 0);
        EXPECT_GE(browser.OpenUserDirectory(home.Path().string(), "Ann"), 0);
        CTbItem* item = browser.FindByDisplayName("Items");
        EXPECT_GE(item->Load(false), 0);
        return *item;
    }
    static void SetJoin(CTbObjField& field, const char* source, int joinSlot, int displaySlot,
                        int joinedType) {
        CTbObjFieldJoin& props = *field.JoinProps();
        props.SetSourceDatabase(source);
        props.SetJoinField(static_cast<uint8_t>(joinSlot));
        props.SetDisplayField(static_cast<uint8_t>(displaySlot));
        props.SetJoinFieldType(static_cast<uint8_t>(joinedType));
    }
    static std::string Shown(CTbItem& item, int slot) {
        return std::string(item.Db().Records().RecordInStoredOrder(0)->Value(slot)->JoinedValue().GetText());
    }
    static int ResolvedType(CTbItem& item, int slot) {
        return item.Db().Field(slot)->JoinProps()->GetResolvedType();
    }

    TempDir home, config;
    ScopedRegistry registry{config.File("registry")};
    RecordingPrompt prompt;
    RecordingProgress progress;
    CTbBrowser browser{&progress, &prompt};
};

}  // namespace

TEST_F(Joins, EachJoinFieldTypeMatchesByItsOwnEqualityAndTheFirstMatchWins) {
    for (const JoinRow& row : kJoins) {
        SCOPED_TRACE(row.name);
        CTbItem& item = WriteItems(row);
        item.ResolveJoins();
        EXPECT_EQ(Shown(item, 1), row.display);
        bool matched = std::string(row.display) == "1" || std::string(row.display) == "2" ||
                       std::string(row.display) == "3";
        EXPECT_EQ(ResolvedType(item, 1), matched ? AUTO_INC_T : NOTUSED_T);
        EXPECT_TRUE(item.Db().Records().RecordInStoredOrder(0)->Value(1)->JoinedValue().HasValue());
        if (!matched) {
            EXPECT_EQ(Shown(item, 2), "");  // a lookup never shows "UNRESOLVED"
        }
        EXPECT_FALSE(item.IsModified());
    }
}

TEST_F(Joins, LookupsShowTheMatchedRecordsFieldsInTheirFormsAndLooseLookupsAreLeftAlone) {
    CTbItem& item = WriteItems(kJoins[1]);  // the first "Acme"
    item.ResolveJoins();
    const std::pair<int, std::string> shown[] = {
        {2, "4.50"}, {3, "South"}, {4, "2/3/2001"}, {5, "7"}, {6, "1"}};
    const int types[] = {FLOATING_T, LIST_T, DATE_T, INTEGER_T, KEY_T};
    for (size_t i = 0; i < std::size(shown); ++i) {
        EXPECT_EQ(Shown(item, shown[i].first), shown[i].second) << shown[i].first;
        EXPECT_EQ(ResolvedType(item, shown[i].first), types[i]) << shown[i].first;
    }
    const CTbObjRecordValue& code = item.Db().Records().RecordInStoredOrder(0)->Value(5)->JoinedValue();
    EXPECT_EQ(code.GetShort(), 7);  // the number is kept beside its text
    EXPECT_EQ(item.Db().Records().RecordInStoredOrder(0)->Value(7)->JoinedValueIfAny(), nullptr);
    EXPECT_EQ(browser.FindByDisplayName("Suppliers")->Db().GetLoadState(), TB_LOAD_FULL);
}

TEST_F(Joins, OneJoinForOneRecordAndTheProgressOfAllRecords) {
    CTbItem& item = WriteItems(kJoins[0]);
    CTbObjRecord& record = *item.Db().Records().RecordInStoredOrder(0);
    item.ResolveJoin(*item.Db().Field(1), record);
    EXPECT_EQ(Shown(item, 1), "2");
    EXPECT_TRUE(progress.calls.empty() || progress.calls.back() == "End");  // only the joined Tabulon's read
    progress.calls.clear();
    item.Db().Records().AddRecord(true, false);
    item.ResolveJoins();
    EXPECT_EQ(progress.calls,
              (std::vector<std::string>{"Begin", "SetRange 3", "SetText Resolving joins and lookups...",
                                        "Step 1", "Step 1", "Step 1", "End"}));
}

TEST_F(Joins, ATabulonWithoutJoinsShowsNoProgress) {
    WriteTabulon(Folder(), "Plain", 3);
    ASSERT_GE(browser.OpenUserDirectory(home.Path().string(), "Ann"), 0);
    CTbItem& item = *browser.FindByDisplayName("Plain");
    ASSERT_GE(item.Load(false), 0);
    progress.calls.clear();
    item.ResolveJoins();
    EXPECT_TRUE(progress.calls.empty());
}
