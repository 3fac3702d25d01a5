// The design collections a Tabulon owns: its 81 field slots (adding, finding, retyping and
// deleting fields), the form's tabs, the views and the filters, with their limits; views (columns,
// sort keys, defaults) and the form (tabs of rows that place fields and labels), and which changes
// to them mark the Tabulon modified.
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

namespace {

std::vector<uint16_t> SortKeys(const CTbObjView& view) {  // field and direction of keys 1 to 3
    std::vector<uint16_t> keys;
    for (int k = 1; k <= 3; ++k)
        keys.insert(keys.end(), {view.GetSortKey(k).field, view.GetSortKey(k).direction});
    return keys;
}

// Every setting of a row, to compare it with a row of a new tab.
std::string RowState(const CTbObjTabRow& r) {
    return std::to_string(r.GetField()) + r.GetLabelText() + "|" + r.GetPopupHelp() + "|" +
           std::to_string(r.GetLabelFont() + r.GetLabelForeground() + r.GetFieldFont() +
                          r.GetFieldForeground()) +
           std::to_string(r.GetLabelBackground()) + std::to_string(r.GetFieldBackground()) +
           std::to_string(r.GetAlignment()) + std::to_string(r.GetReadOnly()) +
           std::to_string(r.GetImageDisplay()) + std::to_string(r.IsEmpty());
}

}  // namespace

TEST(ViewDesign, ColumnsAreAddedSixtyWideMovedWithinBoundsAndRemovedByField) {
    CTbObjDB db;
    CTbObjView* view = db.AddView();
    EXPECT_EQ(view->GetDefaultFilter(), NoFilter);
    EXPECT_EQ(SortKeys(*view), std::vector<uint16_t>(6, 0));
    EXPECT_EQ(view->AddColumn(4)->GetWidth(), 60);
    EXPECT_TRUE(view->HasColumn(4));
    EXPECT_FALSE(view->HasColumn(3));
    EXPECT_EQ(view->Column(1), nullptr);
    struct Case {
        int index;
        bool up;
        std::vector<uint16_t> expected;
    };
    for (const Case& c : {Case{1, true, {2, 1, 3}}, Case{2, true, {1, 3, 2}}, Case{0, true, {1, 2, 3}},
                          Case{0, false, {2, 1, 3}}, Case{2, false, {1, 2, 3}}, Case{-1, false, {1, 2, 3}}}) {
        view->Reset(1);
        for (uint16_t field : {1, 2, 3}) view->AddColumn(field);
        view->MoveColumn(c.index, c.up);
        EXPECT_EQ(ColumnFields(*view), c.expected) << c.index << (c.up ? " up" : " down");
    }
    view->RemoveColumnOfField(2);
    EXPECT_EQ(ColumnFields(*view), (std::vector<uint16_t>{1, 3}));
}

TEST(ViewDesign, SortKeysAreKeptPerKeyNumberAndCheckingClearsThoseWithoutAColumn) {
    CTbObjDB db;
    CTbObjView* view = db.AddView();
    view->AddColumn(2);
    view->AddColumn(3);
    for (int k : {0, 1, 2, 3, 4}) view->SetSortKey(k, static_cast<uint16_t>(k + 1), 5);
    EXPECT_EQ(SortKeys(*view), (std::vector<uint16_t>{2, 5, 3, 5, 4, 5}));
    EXPECT_EQ(view->GetSortKey(4).field, 0);
    view->CheckSortKeys();
    EXPECT_EQ(SortKeys(*view), (std::vector<uint16_t>{2, 5, 3, 5, 0, 0}));
    view->SetSortKey(1, 0, 1);  // the category list has no column either
    view->CheckSortKeys();
    EXPECT_EQ(SortKeys(*view), (std::vector<uint16_t>{0, 0, 3, 5, 0, 0}));
    view->AddColumn(0);
    view->SetSortKey(1, 0, 1);
    view->CheckSortKeys();
    EXPECT_EQ(SortKeys(*view), (std::vector<uint16_t>{0, 1, 3, 5, 0, 0}));
}

TEST(FormTab, HasThirtyFourEmptyRowsFoundByTheirPosition) {
    CTbObjDB db;
    CTbObjTab* tab = db.Tab(0);
    EXPECT_EQ(tab->GetFirstColumnWidth(), 60);
    ASSERT_EQ(tab->RowCount(), TabRowCount);
    for (int i = 0; i < tab->RowCount(); ++i) EXPECT_EQ(tab->RowAt(i + 1), tab->RowAtIndex(i)) << i;
    EXPECT_EQ(tab->RowAt(0), nullptr);
    EXPECT_EQ(tab->RowAt(35), nullptr);
    EXPECT_EQ(tab->UsedRowCount(), 0);
    tab->RowAtIndex(0)->SetPosition(40);  // positions travel with the rows
    EXPECT_EQ(tab->RowAt(40), tab->RowAtIndex(0));
    EXPECT_EQ(tab->RowAt(1), nullptr);
}

TEST(FormTab, PlacingAFieldFillsTheRowAtThatPositionAndAddingAppendsMissingOnes) {
    CTbObjDB db;
    CTbObjTab* tab = db.Tab(0);
    EXPECT_EQ(tab->PlaceField(7, 35), nullptr);
    CTbObjTabRow* row = tab->PlaceField(7, 5);
    ASSERT_EQ(row, tab->RowAt(5));
    EXPECT_FALSE(row->IsEmpty());
    tab->PlaceField(9, 5);
    EXPECT_EQ(row->GetField(), 9);
    EXPECT_EQ(tab->UsedRowCount(), 1);
    EXPECT_EQ(tab->AddRow(3, 6), tab->RowAt(6));  // a file's row takes the row at its position
    CTbObjTabRow* added = tab->AddRow(4, 40);     // or is appended when there is none
    EXPECT_EQ(tab->RowCount(), 35);
    EXPECT_EQ(tab->RowAt(40), added);
    EXPECT_EQ(added->GetField(), 4);
    EXPECT_EQ(tab->UsedRowCount(), 3);
}

TEST(FormTab, ALabelRowCountsOnceNotEmptyAndEmptyingRestoresTheRowDefaults) {
    CTbObjDB db;
    CTbObjTab* tab = db.AddTab();
    const std::string fresh = RowState(*tab->RowAt(1));
    CTbObjTabRow* label = tab->RowAt(21);
    label->MakeLabelRow();
    EXPECT_EQ(label->GetField(), 255);
    EXPECT_TRUE(label->IsLabelRow());
    EXPECT_FALSE(db.AnyTabHasRows());
    label->SetEmpty(false);
    EXPECT_TRUE(db.AnyTabHasRows());
    for (int position : {1, 17}) {
        CTbObjTabRow& row = *tab->RowAt(position);
        row.SetField(12);
        row.SetLabelFont(3);
        row.SetLabelForeground(0x123456);
        row.SetLabelBackground(0x00FF00);
        row.SetLabelText("Label");
        row.SetPopupHelp("Help");
        row.SetFieldFont(1);
        row.SetFieldForeground(0xABCDEF);
        row.SetFieldBackground(0x0000FF);
        row.SetAlignment(0);
        row.SetReadOnly(true);
        row.SetImageDisplay(2);
        row.SetEmpty(false);
        EXPECT_EQ(row.GetLabelText(), "Label");  // not empty keeps the settings
    }
    tab->RowAt(17)->SetEmpty(true);
    EXPECT_EQ(RowState(*tab->RowAt(17)), fresh);
    EXPECT_EQ(tab->RowAt(17)->GetPosition(), 17);
    tab->ClearAllRows();
    EXPECT_FALSE(db.AnyTabHasRows());
    for (int position : {1, 21}) EXPECT_EQ(RowState(*tab->RowAt(position)), fresh) << position;
}

TEST(DesignChanges, MarkTheDatabaseModifiedUnlessTheyChangeNothing) {
    struct Case {
        const char* name;
        void (*change)(CTbObjDB&);
        bool marks = true;
    };
    const Case cases[] = {
        {"sort key", [](CTbObjDB& db) { db.View(0)->SetSortKey(2, 1, 0); }},
        {"column moved", [](CTbObjDB& db) { db.View(0)->MoveColumn(1, true); }},
        {"first column not moved up", [](CTbObjDB& db) { db.View(0)->MoveColumn(0, true); }, false},
        {"no column to remove", [](CTbObjDB& db) { db.View(0)->RemoveColumnOfField(9); }, false},
        {"column width", [](CTbObjDB& db) { db.View(0)->Column(0)->SetWidth(90); }},
        {"filter logic", [](CTbObjDB& db) { db.Filter(0)->SetLogicOperator(1, 'O'); }},
        {"field placed on the form", [](CTbObjDB& db) { db.Tab(0)->PlaceField(1, 2); }},
        {"form row emptied", [](CTbObjDB& db) { db.Tab(0)->RowAt(1)->SetEmpty(true); }}};
    for (const Case& c : cases) {
        CTbObjDB db;
        db.AddView()->AddColumn(1);
        db.View(0)->AddColumn(2);
        db.AddFilter();
        db.SetModified(false);
        c.change(db);
        EXPECT_EQ(db.IsModified(), c.marks) << c.name;
    }
}
