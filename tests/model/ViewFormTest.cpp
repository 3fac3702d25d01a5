// Views (columns, sort keys, defaults) and the form (tabs of rows that place fields and labels),
// and that every change to them marks the Tabulon modified.
#include "RecordTestSupport.h"

#include "model/TbObjDB.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

using testing::ElementsAre;
using testing::ElementsAreArray;

namespace {

std::vector<uint16_t> ColumnFields(const CTbObjView& view) {
    std::vector<uint16_t> fields;
    for (int i = 0; i < view.ColumnCount(); ++i) fields.push_back(view.Column(i)->GetField());
    return fields;
}

void ExpectNoSortKeys(const CTbObjView& view) {
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(view.GetSortKey(k).field, 0) << k;
        EXPECT_EQ(view.GetSortKey(k).direction, 0) << k;
    }
}

// Every setting of a row as the row defaults have it.
void ExpectRowDefaults(const CTbObjTabRow& row) {
    EXPECT_TRUE(row.IsEmpty());
    EXPECT_FALSE(row.IsLabelRow());
    EXPECT_EQ(row.GetLabelFont(), 0u);
    EXPECT_EQ(row.GetLabelForeground(), 0u);
    EXPECT_EQ(row.GetLabelBackground(), -1);
    EXPECT_EQ(row.GetLabelText(), "");
    EXPECT_EQ(row.GetPopupHelp(), "");
    EXPECT_EQ(row.GetFieldFont(), 0u);
    EXPECT_EQ(row.GetFieldForeground(), 0u);
    EXPECT_EQ(row.GetFieldBackground(), -1);
    EXPECT_EQ(row.GetAlignment(), 2u);
    EXPECT_FALSE(row.GetReadOnly());
    EXPECT_EQ(row.GetImageDisplay(), 0u);
}

// Changes every setting of a row away from its default.
void CustomiseRow(CTbObjTabRow& row) {
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
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Views

TEST(ViewDefaults, ANewViewHasNoSortKeysNoDefaultFilterAndNoColumns) {
    CTbObjDB db;
    CTbObjView* view = db.AddView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetName(), "View01");
    ExpectNoSortKeys(*view);
    EXPECT_EQ(view->GetDefaultFilter(), 0xFFFF);
    EXPECT_EQ(view->GetFrozenColumns(), 0);
    EXPECT_EQ(view->ColumnCount(), 0);
    EXPECT_EQ(view->Column(0), nullptr);
}

TEST(ViewDefaults, ViewsAreNamedByTheirNumberUpToTwelve) {
    CTbObjDB db;
    std::vector<std::string> names;
    for (int i = 0; i < MaxViews; ++i) names.push_back(db.AddView()->GetName());
    EXPECT_THAT(names, ElementsAre("View01", "View02", "View03", "View04", "View05", "View06", "View07", "View08",
                                   "View09", "View10", "View11", "View12"));
    EXPECT_EQ(db.AddView(), nullptr);
    EXPECT_EQ(db.ViewCount(), MaxViews);
}

TEST(ViewDefaults, ResetGivesTheNumbersNameAndDropsEverythingElse) {
    CTbObjDB db;
    CTbObjView* view = db.AddView();
    view->SetName("Mine");
    view->AddColumn(1);
    view->AddColumn(2);
    view->SetSortKey(1, 1, 1);
    view->SetSortKey(3, 2, 0);
    view->SetDefaultFilter(2);
    view->SetFrozenColumns(1);
    view->Reset(7);
    EXPECT_EQ(view->GetName(), "View07");
    ExpectNoSortKeys(*view);
    EXPECT_EQ(view->GetDefaultFilter(), 0xFFFF);
    EXPECT_EQ(view->GetFrozenColumns(), 0);
    EXPECT_EQ(view->ColumnCount(), 0);
    view->Reset(11);
    EXPECT_EQ(view->GetName(), "View11");
}

TEST(ViewColumns, AddColumnAppendsAColumnSixtyWide) {
    CTbObjDB db;
    CTbObjView* view = db.AddView();
    CTbObjViewColumn* first = view->AddColumn(4);
    CTbObjViewColumn* second = view->AddColumn(2);
    EXPECT_EQ(first->GetField(), 4);
    EXPECT_EQ(first->GetWidth(), 60);
    EXPECT_FALSE(first->GetIdenticalSuppress());
    EXPECT_EQ(view->Column(1), second);
    EXPECT_THAT(ColumnFields(*view), ElementsAre(4, 2));
    EXPECT_TRUE(view->HasColumn(4));
    EXPECT_TRUE(view->HasColumn(2));
    EXPECT_FALSE(view->HasColumn(3));
    EXPECT_EQ(view->Column(2), nullptr);
    EXPECT_EQ(view->Column(-1), nullptr);
}

namespace {

struct MoveCase {
    const char* name;
    int index;
    bool up;
    std::vector<uint16_t> expected;
};

void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class ViewMoveColumnTest : public testing::TestWithParam<MoveCase> {};

}  // namespace

TEST_P(ViewMoveColumnTest, SwapsWithTheNeighbourInsideTheBounds) {
    const MoveCase& c = GetParam();
    CTbObjDB db;
    CTbObjView* view = db.AddView();
    for (uint16_t field : {1, 2, 3}) view->AddColumn(field);
    view->MoveColumn(c.index, c.up);
    EXPECT_THAT(ColumnFields(*view), ElementsAreArray(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Moves, ViewMoveColumnTest,
                         testing::Values(MoveCase{"MiddleUp", 1, true, {2, 1, 3}},
                                         MoveCase{"LastUp", 2, true, {1, 3, 2}},
                                         MoveCase{"FirstUpStays", 0, true, {1, 2, 3}},
                                         MoveCase{"FirstDown", 0, false, {2, 1, 3}},
                                         MoveCase{"MiddleDown", 1, false, {1, 3, 2}},
                                         MoveCase{"LastDownStays", 2, false, {1, 2, 3}},
                                         MoveCase{"BeyondEndUpStays", 3, true, {1, 2, 3}},
                                         MoveCase{"NegativeDownStays", -1, false, {1, 2, 3}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ViewColumns, RemovingTheColumnOfAFieldLeavesTheOthers) {
    CTbObjDB db;
    CTbObjView* view = db.AddView();
    for (uint16_t field : {5, 6, 7}) view->AddColumn(field);
    view->RemoveColumnOfField(6);
    EXPECT_THAT(ColumnFields(*view), ElementsAre(5, 7));
    EXPECT_FALSE(view->HasColumn(6));
    view->RemoveColumnOfField(40);
    EXPECT_THAT(ColumnFields(*view), ElementsAre(5, 7));
}

TEST(ViewColumns, DeletingAFieldRemovesItsColumnFromEveryView) {
    CTbObjDB db;
    CTbObjField& name = AddTypedField(db, "Name", TEXT_T);
    CTbObjField& qty = AddTypedField(db, "Qty", INTEGER_T);
    CTbObjView* first = db.AddView();
    CTbObjView* second = db.AddView();
    for (CTbObjView* view : {first, second}) {
        view->AddColumn(SlotOf(name));
        view->AddColumn(SlotOf(qty));
    }
    db.DeleteField(qty.GetSlot());
    EXPECT_THAT(ColumnFields(*first), ElementsAre(SlotOf(name)));
    EXPECT_THAT(ColumnFields(*second), ElementsAre(SlotOf(name)));
}

TEST(ViewSortKeys, AreKeptPerKeyNumber) {
    CTbObjDB db;
    CTbObjView* view = db.AddView();
    view->SetSortKey(1, 4, 0);
    view->SetSortKey(2, 9, 1);
    view->SetSortKey(3, 2, 5);
    view->SetSortKey(0, 7, 1);
    view->SetSortKey(4, 7, 1);
    EXPECT_EQ(view->GetSortKey(1).field, 4);
    EXPECT_EQ(view->GetSortKey(1).direction, 0);
    EXPECT_EQ(view->GetSortKey(2).field, 9);
    EXPECT_EQ(view->GetSortKey(2).direction, 1);
    EXPECT_EQ(view->GetSortKey(3).field, 2);
    EXPECT_EQ(view->GetSortKey(3).direction, 5);
    EXPECT_EQ(view->GetSortKey(0).field, 0);
    EXPECT_EQ(view->GetSortKey(4).field, 0);
}

TEST(ViewSortKeys, CheckingClearsTheKeysWhoseFieldHasNoColumn) {
    CTbObjDB db;
    CTbObjView* view = db.AddView();
    view->AddColumn(2);
    view->AddColumn(3);
    view->SetSortKey(1, 2, 1);
    view->SetSortKey(2, 5, 1);
    view->SetSortKey(3, 3, 0);
    view->CheckSortKeys();
    EXPECT_EQ(view->GetSortKey(1).field, 2);
    EXPECT_EQ(view->GetSortKey(1).direction, 1);
    EXPECT_EQ(view->GetSortKey(2).field, 0);
    EXPECT_EQ(view->GetSortKey(2).direction, 0);
    EXPECT_EQ(view->GetSortKey(3).field, 3);

    view->RemoveColumnOfField(2);
    view->CheckSortKeys();
    EXPECT_EQ(view->GetSortKey(1).field, 0);
    EXPECT_EQ(view->GetSortKey(1).direction, 0);
    EXPECT_EQ(view->GetSortKey(3).field, 3);
}

// ---------------------------------------------------------------------------------------------
// The form: tabs of rows

TEST(FormTab, ANewTabHasThirtyFourEmptyRowsAtPositionsOneToThirtyFour) {
    CTbObjDB db;
    ASSERT_EQ(db.TabCount(), 1);
    CTbObjTab* tab = db.Tab(0);
    EXPECT_EQ(tab->GetName(), "Tab");
    EXPECT_EQ(tab->GetFirstColumnWidth(), 60);
    ASSERT_EQ(tab->RowCount(), 34);
    for (int i = 0; i < tab->RowCount(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(tab->RowAtIndex(i)->GetPosition(), i + 1);
        ExpectRowDefaults(*tab->RowAtIndex(i));
    }
    EXPECT_EQ(tab->UsedRowCount(), 0);
    CTbObjTab* added = db.AddTab();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->RowCount(), 34);
    EXPECT_EQ(added->UsedRowCount(), 0);
}

TEST(FormTab, RowAtFindsTheRowByItsPosition) {
    CTbObjDB db;
    CTbObjTab* tab = db.Tab(0);
    EXPECT_EQ(tab->RowAt(1), tab->RowAtIndex(0));
    EXPECT_EQ(tab->RowAt(34), tab->RowAtIndex(33));
    EXPECT_EQ(tab->RowAt(0), nullptr);
    EXPECT_EQ(tab->RowAt(35), nullptr);
    EXPECT_EQ(tab->RowAtIndex(34), nullptr);
    EXPECT_EQ(tab->RowAtIndex(-1), nullptr);

    // Positions travel with the rows, not with their place in the list.
    tab->RowAtIndex(0)->SetPosition(40);
    EXPECT_EQ(tab->RowAt(40), tab->RowAtIndex(0));
    EXPECT_EQ(tab->RowAt(1), nullptr);
}

TEST(FormTab, PlacingAFieldFillsTheRowAtThatPosition) {
    CTbObjDB db;
    CTbObjTab* tab = db.Tab(0);
    CTbObjTabRow* row = tab->PlaceField(7, 5);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row, tab->RowAt(5));
    EXPECT_EQ(row->GetField(), 7);
    EXPECT_FALSE(row->IsEmpty());
    EXPECT_EQ(tab->UsedRowCount(), 1);
    tab->PlaceField(8, 34);
    EXPECT_EQ(tab->UsedRowCount(), 2);
    tab->PlaceField(9, 5);
    EXPECT_EQ(tab->RowAt(5)->GetField(), 9);
    EXPECT_EQ(tab->UsedRowCount(), 2);
    EXPECT_TRUE(tab->RowAt(4)->IsEmpty());
}

TEST(FormTab, PlacingAtAMissingPositionChangesNothing) {
    CTbObjDB db;
    CTbObjTab* tab = db.Tab(0);
    EXPECT_EQ(tab->PlaceField(7, 0), nullptr);
    EXPECT_EQ(tab->PlaceField(7, 35), nullptr);
    EXPECT_EQ(tab->UsedRowCount(), 0);
}

TEST(FormRow, ALabelRowHasField255AndCountsOnceUsed) {
    CTbObjDB db;
    CTbObjTab* tab = db.Tab(0);
    CTbObjTabRow* row = tab->RowAt(3);
    row->MakeLabelRow();
    row->SetLabelText("Shipping");
    EXPECT_EQ(row->GetField(), LabelRowField);
    EXPECT_EQ(row->GetField(), 255);
    EXPECT_TRUE(row->IsLabelRow());
    row->SetEmpty(false);
    EXPECT_EQ(tab->UsedRowCount(), 1);
    EXPECT_EQ(row->GetLabelText(), "Shipping");
}

TEST(FormRow, SettingEmptyRestoresTheRowDefaultsAndNotEmptyKeepsTheSettings) {
    CTbObjDB db;
    CTbObjTabRow* row = db.Tab(0)->RowAt(9);
    CustomiseRow(*row);
    row->SetEmpty(false);
    EXPECT_EQ(row->GetLabelText(), "Label");
    EXPECT_TRUE(row->GetReadOnly());
    row->SetEmpty(true);
    ExpectRowDefaults(*row);
    EXPECT_EQ(row->GetPosition(), 9);
}

TEST(FormTab, ClearingAllRowsRestoresEveryRowsDefaults) {
    CTbObjDB db;
    CTbObjTab* tab = db.Tab(0);
    for (int position : {1, 17, 34}) CustomiseRow(*tab->RowAt(position));
    tab->PlaceField(3, 20)->SetLabelText("Qty");
    tab->RowAt(21)->MakeLabelRow();
    tab->RowAt(21)->SetEmpty(false);
    ASSERT_EQ(tab->UsedRowCount(), 5);
    tab->ClearAllRows();
    EXPECT_EQ(tab->UsedRowCount(), 0);
    for (int i = 0; i < tab->RowCount(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(tab->RowAtIndex(i)->GetPosition(), i + 1);
        ExpectRowDefaults(*tab->RowAtIndex(i));
    }
}

TEST(FormTabs, AnyTabHasRowsWhenSomeTabUsesARow) {
    CTbObjDB db;
    EXPECT_FALSE(db.AnyTabHasRows());
    db.Tab(0)->PlaceField(1, 1);
    EXPECT_TRUE(db.AnyTabHasRows());
    db.Tab(0)->ClearAllRows();
    EXPECT_FALSE(db.AnyTabHasRows());
    CTbObjTab* second = db.AddTab();
    EXPECT_FALSE(db.AnyTabHasRows());
    second->RowAt(34)->MakeLabelRow();
    EXPECT_FALSE(db.AnyTabHasRows());  // a row counts once it is no longer empty
    second->RowAt(34)->SetEmpty(false);
    EXPECT_TRUE(db.AnyTabHasRows());
}

TEST(FormTabs, ATabulonHoldsAtMostFifteenTabs) {
    CTbObjDB db;
    while (db.TabCount() < MaxTabs) ASSERT_NE(db.AddTab(), nullptr);
    EXPECT_EQ(db.TabCount(), 15);
    EXPECT_EQ(db.AddTab(), nullptr);
    EXPECT_EQ(db.TabCount(), 15);
}

// ---------------------------------------------------------------------------------------------
// Every change to a view, column, filter, tab or row marks the Tabulon modified

namespace {

struct DesignChange {
    const char* name;
    std::function<void(CTbObjDB&)> change;
};

void PrintTo(const DesignChange& c, std::ostream* os) { *os << c.name; }

CTbObjView& FirstView(CTbObjDB& db) { return *db.View(0); }
CTbObjViewColumn& FirstColumn(CTbObjDB& db) { return *db.View(0)->Column(0); }
CTbObjFilter& FirstFilter(CTbObjDB& db) { return *db.Filter(0); }
CTbObjTab& FirstTab(CTbObjDB& db) { return *db.Tab(0); }
CTbObjTabRow& FirstRow(CTbObjDB& db) { return *db.Tab(0)->RowAt(1); }

class ViewFormModifiedTest : public testing::TestWithParam<DesignChange> {};

}  // namespace

TEST_P(ViewFormModifiedTest, MarksTheDatabaseModified) {
    CTbObjDB db;
    CTbObjView* view = db.AddView();
    view->AddColumn(1);
    view->AddColumn(2);
    db.AddFilter();
    db.SetModified(false);
    GetParam().change(db);
    EXPECT_TRUE(db.IsModified());
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ViewFormModifiedTest,
    testing::Values(
        DesignChange{"ViewName", [](CTbObjDB& db) { FirstView(db).SetName("x"); }},
        DesignChange{"ViewSortKey", [](CTbObjDB& db) { FirstView(db).SetSortKey(2, 1, 0); }},
        DesignChange{"ViewDefaultFilter", [](CTbObjDB& db) { FirstView(db).SetDefaultFilter(0); }},
        DesignChange{"ViewFrozenColumns", [](CTbObjDB& db) { FirstView(db).SetFrozenColumns(1); }},
        DesignChange{"ViewAddColumn", [](CTbObjDB& db) { FirstView(db).AddColumn(3); }},
        DesignChange{"ViewMoveColumn", [](CTbObjDB& db) { FirstView(db).MoveColumn(1, true); }},
        DesignChange{"ViewRemoveColumn", [](CTbObjDB& db) { FirstView(db).RemoveColumnOfField(2); }},
        DesignChange{"ColumnField", [](CTbObjDB& db) { FirstColumn(db).SetField(4); }},
        DesignChange{"ColumnWidth", [](CTbObjDB& db) { FirstColumn(db).SetWidth(90); }},
        DesignChange{"ColumnIdenticalSuppress", [](CTbObjDB& db) { FirstColumn(db).SetIdenticalSuppress(true); }},
        DesignChange{"FilterName", [](CTbObjDB& db) { FirstFilter(db).SetName("x"); }},
        DesignChange{"FilterCondition", [](CTbObjDB& db) { FirstFilter(db).SetCondition(1, 2, '=', 0, "x"); }},
        DesignChange{"FilterLogic", [](CTbObjDB& db) { FirstFilter(db).SetLogicOperator(1, 'O'); }},
        DesignChange{"TabName", [](CTbObjDB& db) { FirstTab(db).SetName("x"); }},
        DesignChange{"TabFirstColumnWidth", [](CTbObjDB& db) { FirstTab(db).SetFirstColumnWidth(70); }},
        DesignChange{"TabPlaceField", [](CTbObjDB& db) { FirstTab(db).PlaceField(1, 2); }},
        DesignChange{"RowField", [](CTbObjDB& db) { FirstRow(db).SetField(3); }},
        DesignChange{"RowPosition", [](CTbObjDB& db) { FirstRow(db).SetPosition(35); }},
        DesignChange{"RowLabelRow", [](CTbObjDB& db) { FirstRow(db).MakeLabelRow(); }},
        DesignChange{"RowLabelFont", [](CTbObjDB& db) { FirstRow(db).SetLabelFont(1); }},
        DesignChange{"RowLabelForeground", [](CTbObjDB& db) { FirstRow(db).SetLabelForeground(5); }},
        DesignChange{"RowLabelBackground", [](CTbObjDB& db) { FirstRow(db).SetLabelBackground(5); }},
        DesignChange{"RowLabelText", [](CTbObjDB& db) { FirstRow(db).SetLabelText("x"); }},
        DesignChange{"RowPopupHelp", [](CTbObjDB& db) { FirstRow(db).SetPopupHelp("x"); }},
        DesignChange{"RowFieldFont", [](CTbObjDB& db) { FirstRow(db).SetFieldFont(2); }},
        DesignChange{"RowFieldForeground", [](CTbObjDB& db) { FirstRow(db).SetFieldForeground(5); }},
        DesignChange{"RowFieldBackground", [](CTbObjDB& db) { FirstRow(db).SetFieldBackground(5); }},
        DesignChange{"RowAlignment", [](CTbObjDB& db) { FirstRow(db).SetAlignment(1); }},
        DesignChange{"RowReadOnly", [](CTbObjDB& db) { FirstRow(db).SetReadOnly(true); }},
        DesignChange{"RowImageDisplay", [](CTbObjDB& db) { FirstRow(db).SetImageDisplay(1); }},
        DesignChange{"RowSetEmpty", [](CTbObjDB& db) { FirstRow(db).SetEmpty(true); }},
        DesignChange{"RowSetNotEmpty", [](CTbObjDB& db) { FirstRow(db).SetEmpty(false); }}),
    [](const auto& info) { return std::string(info.param.name); });
