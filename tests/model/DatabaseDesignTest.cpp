// The design collections a Tabulon owns: its 81 field slots (adding, finding, retyping and
// deleting fields), the form's tabs, the views and the filters, with their limits.
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<uint16_t> ColumnFields(const CTbObjView& view) {
    std::vector<uint16_t> fields;
    for (int i = 0; i < view.ColumnCount(); ++i) fields.push_back(view.Column(i)->GetField());
    return fields;
}

}  // namespace

TEST(Fields, AddTakesTheLowestFreeSlotUpToEightyUserFields) {
    CTbObjDB db;
    CTbObjField* name = db.AddField("Name", TEXT_T);
    ASSERT_EQ(name, db.Field(1));
    EXPECT_EQ(name->GetName(), "Name");
    EXPECT_NE(name->TextProps(), nullptr);
    EXPECT_TRUE(db.IsModified());
    db.AddField("B", TEXT_T);
    db.AddField("C", TEXT_T);
    db.DeleteField(2);
    EXPECT_EQ(db.AddField("D", DATE_T)->GetSlot(), 2);
    db.DeleteField(0);  // even the Categories slot is reused once freed
    EXPECT_EQ(db.AddField("E", CHECKBOX_T)->GetSlot(), 0);
    for (int i = 4; i <= MaxUserFields; ++i) ASSERT_EQ(db.AddField("F", LONG_T), db.Field(i));
    db.SetModified(false);
    EXPECT_EQ(db.AddField("One too many", TEXT_T), nullptr);
    EXPECT_EQ(db.FindField("One too many", TEXT_T), TB_E_FIELD_NOT_FOUND);
    EXPECT_FALSE(db.IsModified());
}

TEST(Fields, FindMatchesNameWithItsLetterCaseAndTypeAtTheLowestSlot) {
    CTbObjDB db;
    for (auto [name, type] :
         {std::pair{"Name", TEXT_T}, {"name", TEXT_T}, {"Name", MEMO_T}, {"Name", TEXT_T}})
        db.AddField(name, type);
    EXPECT_EQ(db.FindField("Name", TEXT_T), 1);
    EXPECT_EQ(db.FindField("name", TEXT_T), 2);
    EXPECT_EQ(db.FindField("Name", MEMO_T), 3);
    EXPECT_EQ(db.FindField("Categories", LIST_T), 0);
    EXPECT_EQ(db.FindField("NAME", TEXT_T), TB_E_FIELD_NOT_FOUND);
    EXPECT_EQ(db.FindField("Name", INTEGER_T), TB_E_FIELD_NOT_FOUND);
}

TEST(Fields, SetFieldTypeReplacesTypeNameAndPropertiesOfSlotsInRange) {
    CTbObjDB db;
    db.SetFieldType(81, TEXT_T, "Nowhere");
    db.SetFieldType(-1, TEXT_T, "Nowhere");
    EXPECT_FALSE(db.IsModified());
    db.SetFieldType(7, INTEGER_T, "Amount");
    db.SetFieldType(7, DATE_T, "When");
    EXPECT_EQ(db.FindField("When", DATE_T), 7);
    EXPECT_EQ(db.Field(7)->NumberProps(), nullptr);
    EXPECT_NE(db.Field(7)->DateTimeProps(), nullptr);
    EXPECT_EQ(db.UsedFieldCount(), 2);
    EXPECT_TRUE(db.IsModified());
}

TEST(Fields, DeleteFreesTheSlotRemovesItsColumnsAndValuesAndTheLastOneEveryRecord) {
    CTbObjDB db;
    for (const char* name : {"Name", "Phone", "Age"}) db.AddField(name, TEXT_T);
    for (uint16_t field : {1, 2, 3}) db.AddView()->AddColumn(field);
    db.View(1)->AddColumn(1);
    for (int i = 0; i < 3; ++i) {
        CTbObjRecord* record = db.Records().AddRecord(true);
        for (int slot = 1; slot <= 3; ++slot) record->Value(slot)->SetText("x");
    }
    db.SetModified(false);
    db.DeleteField(81);
    EXPECT_FALSE(db.IsModified());

    db.DeleteField(2);
    EXPECT_EQ(db.Field(2)->AdvancedProperties(), nullptr);
    EXPECT_TRUE(db.IsModified());
    EXPECT_EQ(db.View(1)->ColumnCount(), 1);
    EXPECT_EQ(ColumnFields(*db.View(0)), (std::vector<uint16_t>{1}));
    for (int i = 0; i < db.RecordCount(); ++i) {
        const CTbObjRecord* record = db.Records().RecordInStoredOrder(i);
        EXPECT_FALSE(record->Value(2)->HasValue()) << i;
        EXPECT_EQ(record->Value(2)->GetType(), NOTUSED_T);
        EXPECT_EQ(record->Value(2)->GetText(), "");
        EXPECT_TRUE(record->Value(1)->HasValue() && record->Value(3)->HasValue()) << i;
    }
    db.DeleteField(1);
    EXPECT_EQ(db.RecordCount(), 3);
    db.DeleteField(3);
    EXPECT_EQ(db.UsedFieldCount(), 1);
    EXPECT_EQ(db.RecordCount(), 0);
}

TEST(Tabs, FifteenFitAndTabZeroIsNeverRemovedNorMoved) {
    CTbObjDB db;
    auto order = [&db] {
        std::string names;
        for (int i = 0; i < db.TabCount(); ++i) names += db.Tab(i)->GetName();
        return names;
    };
    db.Tab(0)->SetName("0");
    for (int i = 1; i < MaxTabs; ++i) db.AddTab()->SetName(std::string(1, static_cast<char>('a' + i - 1)));
    db.SetModified(false);
    EXPECT_EQ(db.AddTab(), nullptr);
    for (int index : {0, 15, -1}) db.RemoveTab(index);
    db.MoveTabUp(1);
    db.MoveTabUp(15);
    db.MoveTabDown(0);
    db.MoveTabDown(14);
    EXPECT_EQ(order(), "0abcdefghijklmn");
    EXPECT_FALSE(db.IsModified());
    db.RemoveTab(2);
    db.MoveTabUp(2);
    EXPECT_TRUE(db.IsModified());
    db.MoveTabDown(3);
    db.MoveTabUp(13);
    EXPECT_EQ(order(), "0caedfghijklnm");
    CTbObjTab* first = db.Tab(0);
    db.RemoveAllTabsButFirst();
    EXPECT_EQ(db.TabCount(), 1);
    EXPECT_EQ(db.Tab(0), first);
}

TEST(Views, TwelveAreNumberedAsAddedAndDeletingRenumbersNothing) {
    CTbObjDB db;
    for (int i = 1; i <= MaxViews; ++i) ASSERT_NE(db.AddView(), nullptr) << i;
    EXPECT_EQ(db.View(8)->GetName(), "View09");
    db.SetModified(false);
    EXPECT_EQ(db.AddView(), nullptr);
    db.DeleteView(12);
    db.DeleteView(-1);
    EXPECT_FALSE(db.IsModified());
    db.DeleteView(1);
    EXPECT_TRUE(db.IsModified());
    EXPECT_EQ(db.View(1)->GetName(), "View03");
    EXPECT_EQ(db.AddView()->GetName(), "View12");  // one above the count
}

TEST(Filters, AreAddedBesideTheQuickAndExternalFiltersAndFoundByIndex) {
    CTbObjDB db;
    CTbObjFilter* first = db.AddFilter();
    EXPECT_TRUE(db.IsModified());
    EXPECT_EQ((std::vector<CTbObjFilter*>{db.Filter(-1), db.Filter(0), db.Filter(1)}),
              (std::vector<CTbObjFilter*>{nullptr, first, nullptr}));
    EXPECT_NE(&db.QuickFilter(), &db.ExternalFilter());
}
