// Views (columns, sort keys, defaults) and the form (tabs of rows that place fields and labels),
// and which changes to them mark the Tabulon modified.
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
