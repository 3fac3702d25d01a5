// The design collections a Tabulon owns: its 81 field slots (adding, finding, retyping and
// deleting fields), the form's tabs, the views and the filters, with their limits.
#include "model/TbObjDB.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> TabNames(const CTbObjDB& db) {
    std::vector<std::string> names;
    for (int i = 0; i < db.TabCount(); ++i) names.push_back(db.Tab(i)->GetName());
    return names;
}

std::vector<std::string> ViewNames(const CTbObjDB& db) {
    std::vector<std::string> names;
    for (int i = 0; i < db.ViewCount(); ++i) names.push_back(db.View(i)->GetName());
    return names;
}

std::vector<uint16_t> ColumnFields(const CTbObjView& view) {
    std::vector<uint16_t> fields;
    for (int i = 0; i < view.ColumnCount(); ++i) fields.push_back(view.Column(i)->GetField());
    return fields;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Adding fields

TEST(AddField, TakesTheLowestFreeSlotAndMarksModified) {
    CTbObjDB db;
    CTbObjField* name = db.AddField("Name", TEXT_T);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name, db.Field(1));
    EXPECT_EQ(name->GetSlot(), 1);
    EXPECT_EQ(name->GetName(), "Name");
    EXPECT_EQ(name->GetType(), TEXT_T);
    EXPECT_NE(name->TextProps(), nullptr);
    EXPECT_TRUE(db.IsModified());

    CTbObjField* age = db.AddField("Age", INTEGER_T);
    ASSERT_NE(age, nullptr);
    EXPECT_EQ(age->GetSlot(), 2);
    EXPECT_EQ(db.UsedFieldCount(), 3);
}

TEST(AddField, ReusesAFreedSlotBeforeLaterOnes) {
    CTbObjDB db;
    db.AddField("A", TEXT_T);
    db.AddField("B", TEXT_T);
    db.AddField("C", TEXT_T);
    db.DeleteField(2);

    CTbObjField* again = db.AddField("D", DATE_T);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->GetSlot(), 2);
    EXPECT_EQ(db.AddField("E", DATE_T)->GetSlot(), 4);
}

TEST(AddField, TakesSlotZeroWhenTheCategoriesFieldWasFreed) {
    CTbObjDB db;
    db.AddField("A", TEXT_T);
    db.DeleteField(0);
    ASSERT_EQ(db.Field(0)->GetType(), NOTUSED_T);

    CTbObjField* field = db.AddField("First", CHECKBOX_T);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->GetSlot(), 0);
}

TEST(AddField, EightyUserFieldsFitAndTheEightyFirstIsRefused) {
    CTbObjDB db;
    for (int i = 1; i <= MaxUserFields; ++i) {
        CTbObjField* field = db.AddField("F" + std::to_string(i), LONG_T);
        ASSERT_NE(field, nullptr) << i;
        EXPECT_EQ(field->GetSlot(), i);
    }
    EXPECT_EQ(db.UsedFieldCount(), MaxFieldSlots);
    db.SetModified(false);

    EXPECT_EQ(db.AddField("One too many", TEXT_T), nullptr);

    EXPECT_EQ(db.UsedFieldCount(), MaxFieldSlots);
    EXPECT_EQ(db.FindField("One too many", TEXT_T), TB_E_FIELD_NOT_FOUND);
    EXPECT_FALSE(db.IsModified());
}

// ---------------------------------------------------------------------------------------------
// Finding fields: the lowest slot with exactly the name (letter case counts) and the type

namespace {

struct FindCase {
    const char* name;
    TbFieldType type;
    int slot;
};

void PrintTo(const FindCase& c, std::ostream* os) { *os << '"' << c.name << "\" type " << c.type; }

}  // namespace

class FindFieldTest : public testing::TestWithParam<FindCase> {
protected:
    void SetUp() override {
        m_db.AddField("Name", TEXT_T);   // 1
        m_db.AddField("name", TEXT_T);   // 2
        m_db.AddField("Name", MEMO_T);   // 3
        m_db.AddField("Name", TEXT_T);   // 4
        m_db.AddField("Due", DATE_T);    // 5
    }
    CTbObjDB m_db;
};

TEST_P(FindFieldTest, MatchesNameAndTypeExactly) {
    EXPECT_EQ(m_db.FindField(GetParam().name, GetParam().type), GetParam().slot);
}

INSTANTIATE_TEST_SUITE_P(Lookups, FindFieldTest,
                         testing::Values(FindCase{"Name", TEXT_T, 1}, FindCase{"name", TEXT_T, 2},
                                         FindCase{"Name", MEMO_T, 3}, FindCase{"Due", DATE_T, 5},
                                         FindCase{"Categories", LIST_T, 0},
                                         FindCase{"NAME", TEXT_T, TB_E_FIELD_NOT_FOUND},
                                         FindCase{"Nam", TEXT_T, TB_E_FIELD_NOT_FOUND},
                                         FindCase{"Name ", TEXT_T, TB_E_FIELD_NOT_FOUND},
                                         FindCase{"Name", INTEGER_T, TB_E_FIELD_NOT_FOUND},
                                         FindCase{"Due", TIME_T, TB_E_FIELD_NOT_FOUND},
                                         FindCase{"Categories", RADIO_T, TB_E_FIELD_NOT_FOUND}));

// ---------------------------------------------------------------------------------------------
// Retyping and deleting fields

TEST(SetFieldType, ChangesTypeAndNameAndReplacesProperties) {
    CTbObjDB db;
    db.AddField("Amount", INTEGER_T);
    db.Field(1)->NumberProps()->SetDecimals(0);
    db.SetModified(false);

    db.SetFieldType(1, DATE_T, "When");

    const CTbObjField* field = db.Field(1);
    EXPECT_EQ(field->GetType(), DATE_T);
    EXPECT_EQ(field->GetName(), "When");
    EXPECT_EQ(field->NumberProps(), nullptr);
    ASSERT_NE(field->DateTimeProps(), nullptr);
    EXPECT_EQ(field->DateTimeProps()->GetDefaultValue(), 0u);
    EXPECT_TRUE(db.IsModified());
}

TEST(SetFieldType, TakesAFreeSlotIntoUse) {
    CTbObjDB db;
    db.SetFieldType(7, RADIO_T, "Size");
    EXPECT_EQ(db.Field(7)->GetType(), RADIO_T);
    EXPECT_EQ(db.UsedFieldCount(), 2);
    EXPECT_EQ(db.FindField("Size", RADIO_T), 7);
}

TEST(SetFieldType, IgnoresSlotsOutOfRange) {
    CTbObjDB db;
    db.SetFieldType(81, TEXT_T, "Nowhere");
    db.SetFieldType(-1, TEXT_T, "Nowhere");
    EXPECT_EQ(db.UsedFieldCount(), 1);
    EXPECT_FALSE(db.IsModified());
}

class DeleteFieldTest : public testing::Test {
protected:
    void SetUp() override {
        m_db.AddField("Name", TEXT_T);   // 1
        m_db.AddField("Phone", TEXT_T);  // 2
        m_db.AddField("Age", LONG_T);    // 3
        CTbObjView* all = m_db.AddView();
        all->AddColumn(1);
        all->AddColumn(2);
        all->AddColumn(3);
        CTbObjView* phones = m_db.AddView();
        phones->AddColumn(2);
        phones->AddColumn(1);
        for (int i = 0; i < 3; ++i) {
            CTbObjRecord* record = m_db.Records().AddRecord(true);
            record->Value(1)->SetText("name " + std::to_string(i));
            record->Value(2)->SetText("555-010" + std::to_string(i));
            record->Value(3)->SetLong(20 + i);
        }
        m_db.SetModified(false);
    }
    CTbObjDB m_db;
};

TEST_F(DeleteFieldTest, FreesTheSlot) {
    m_db.DeleteField(2);
    EXPECT_EQ(m_db.Field(2)->GetType(), NOTUSED_T);
    EXPECT_EQ(m_db.Field(2)->AdvancedProperties(), nullptr);
    EXPECT_EQ(m_db.UsedFieldCount(), 3);
    EXPECT_TRUE(m_db.IsModified());
}

TEST_F(DeleteFieldTest, RemovesTheFieldsColumnFromEveryView) {
    m_db.DeleteField(2);
    EXPECT_EQ(ColumnFields(*m_db.View(0)), (std::vector<uint16_t>{1, 3}));
    EXPECT_EQ(ColumnFields(*m_db.View(1)), (std::vector<uint16_t>{1}));
}

TEST_F(DeleteFieldTest, ClearsTheFieldsValueInEveryRecordAndKeepsTheRest) {
    m_db.DeleteField(2);
    ASSERT_EQ(m_db.RecordCount(), 3);
    for (int i = 0; i < 3; ++i) {
        CTbObjRecord* record = m_db.Records().RecordInStoredOrder(i);
        EXPECT_FALSE(record->Value(2)->HasValue()) << i;
        EXPECT_TRUE(record->Value(2)->GetText().empty()) << i;
        EXPECT_EQ(record->Value(1)->GetText(), "name " + std::to_string(i));
        EXPECT_EQ(record->Value(3)->GetLong(), 20 + i);
    }
}

TEST_F(DeleteFieldTest, DeletingTheLastUserFieldDeletesEveryRecord) {
    m_db.DeleteField(1);
    m_db.DeleteField(3);
    EXPECT_EQ(m_db.RecordCount(), 3);

    m_db.DeleteField(2);

    EXPECT_EQ(m_db.UsedFieldCount(), 1);
    EXPECT_EQ(m_db.RecordCount(), 0);
    EXPECT_EQ(m_db.Records().RecordInStoredOrder(0), nullptr);
}

TEST_F(DeleteFieldTest, IgnoresSlotsOutOfRange) {
    m_db.DeleteField(81);
    m_db.DeleteField(-1);
    EXPECT_EQ(m_db.UsedFieldCount(), 4);
    EXPECT_EQ(m_db.RecordCount(), 3);
    EXPECT_EQ(ColumnFields(*m_db.View(0)), (std::vector<uint16_t>{1, 2, 3}));
    EXPECT_FALSE(m_db.IsModified());
}

// ---------------------------------------------------------------------------------------------
// Form tabs: at most 15; tab 0 never moves and is never removed

class TabsTest : public testing::Test {
protected:
    // Tabs named T0, T1, ... so that their order can be read back.
    void MakeTabs(int count) {
        m_db.Tab(0)->SetName("T0");
        for (int i = 1; i < count; ++i) m_db.AddTab()->SetName("T" + std::to_string(i));
        m_db.SetModified(false);
    }
    CTbObjDB m_db;
};

TEST_F(TabsTest, FifteenTabsFitAndTheSixteenthIsRefused) {
    for (int i = 1; i < MaxTabs; ++i) {
        m_db.SetModified(false);
        ASSERT_NE(m_db.AddTab(), nullptr) << i;
        EXPECT_TRUE(m_db.IsModified());
    }
    EXPECT_EQ(m_db.TabCount(), 15);
    m_db.SetModified(false);

    EXPECT_EQ(m_db.AddTab(), nullptr);

    EXPECT_EQ(m_db.TabCount(), 15);
    EXPECT_FALSE(m_db.IsModified());
}

TEST_F(TabsTest, RemoveTabRemovesThatTabButNeverTabZero) {
    MakeTabs(4);
    m_db.RemoveTab(0);
    m_db.RemoveTab(4);
    m_db.RemoveTab(-1);
    EXPECT_EQ(TabNames(m_db), (std::vector<std::string>{"T0", "T1", "T2", "T3"}));
    EXPECT_FALSE(m_db.IsModified());

    m_db.RemoveTab(2);
    EXPECT_EQ(TabNames(m_db), (std::vector<std::string>{"T0", "T1", "T3"}));
    EXPECT_TRUE(m_db.IsModified());
}

TEST_F(TabsTest, RemoveAllTabsButFirstKeepsTabZero) {
    MakeTabs(5);
    CTbObjTab* first = m_db.Tab(0);
    m_db.RemoveAllTabsButFirst();
    EXPECT_EQ(m_db.TabCount(), 1);
    EXPECT_EQ(m_db.Tab(0), first);
    EXPECT_EQ(m_db.Tab(1), nullptr);
    EXPECT_TRUE(m_db.IsModified());
}

TEST_F(TabsTest, AnyTabHasRowsOnceAFieldIsPlacedOnAnyTab) {
    MakeTabs(3);
    m_db.AddField("Name", TEXT_T);
    EXPECT_FALSE(m_db.AnyTabHasRows());
    ASSERT_NE(m_db.Tab(2)->PlaceField(1, 1), nullptr);
    EXPECT_TRUE(m_db.AnyTabHasRows());
}

namespace {

struct MoveCase {
    bool up;
    int index;
    std::vector<std::string> order;
    bool moved;
};

void PrintTo(const MoveCase& c, std::ostream* os) { *os << (c.up ? "up " : "down ") << c.index; }

}  // namespace

class MoveTabTest : public TabsTest, public testing::WithParamInterface<MoveCase> {};

TEST_P(MoveTabTest, SwapsWithTheNeighbourWithinBounds) {
    MakeTabs(4);
    const MoveCase& c = GetParam();
    if (c.up)
        m_db.MoveTabUp(c.index);
    else
        m_db.MoveTabDown(c.index);
    EXPECT_EQ(TabNames(m_db), c.order);
    EXPECT_EQ(m_db.IsModified(), c.moved);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MoveTabTest,
    testing::Values(MoveCase{true, 2, {"T0", "T2", "T1", "T3"}, true}, MoveCase{true, 3, {"T0", "T1", "T3", "T2"}, true},
                    MoveCase{true, 1, {"T0", "T1", "T2", "T3"}, false},
                    MoveCase{true, 0, {"T0", "T1", "T2", "T3"}, false},
                    MoveCase{true, 4, {"T0", "T1", "T2", "T3"}, false},
                    MoveCase{false, 1, {"T0", "T2", "T1", "T3"}, true},
                    MoveCase{false, 2, {"T0", "T1", "T3", "T2"}, true},
                    MoveCase{false, 3, {"T0", "T1", "T2", "T3"}, false},
                    MoveCase{false, 0, {"T0", "T1", "T2", "T3"}, false},
                    MoveCase{false, -1, {"T0", "T1", "T2", "T3"}, false}));

// ---------------------------------------------------------------------------------------------
// Views: at most 12, numbered as they are added

TEST(Views, TwelveViewsAreNumberedAndTheThirteenthIsRefused) {
    CTbObjDB db;
    for (int i = 1; i <= MaxViews; ++i) {
        db.SetModified(false);
        CTbObjView* view = db.AddView();
        ASSERT_NE(view, nullptr) << i;
        char expected[8];
        std::snprintf(expected, sizeof expected, "View%02d", i);
        EXPECT_EQ(view->GetName(), expected);
        EXPECT_EQ(view->ColumnCount(), 0);
        EXPECT_TRUE(db.IsModified());
    }
    db.SetModified(false);

    EXPECT_EQ(db.AddView(), nullptr);

    EXPECT_EQ(db.ViewCount(), 12);
    EXPECT_FALSE(db.IsModified());
    EXPECT_EQ(db.View(12), nullptr);
}

TEST(Views, DeleteViewRemovesThatViewAndMarksModified) {
    CTbObjDB db;
    db.AddView();
    db.AddView();
    db.AddView();
    db.SetModified(false);

    db.DeleteView(1);

    EXPECT_EQ(ViewNames(db), (std::vector<std::string>{"View01", "View03"}));
    EXPECT_TRUE(db.IsModified());
}

TEST(Views, DeleteViewOutOfRangeChangesNothing) {
    CTbObjDB db;
    db.AddView();
    db.SetModified(false);
    db.DeleteView(1);
    db.DeleteView(-1);
    EXPECT_EQ(db.ViewCount(), 1);
    EXPECT_FALSE(db.IsModified());
}

TEST(Views, ANewViewIsNumberedOneAboveTheCount) {
    CTbObjDB db;
    db.AddView();
    db.AddView();
    db.DeleteView(0);
    EXPECT_EQ(db.AddView()->GetName(), "View02");
}

// ---------------------------------------------------------------------------------------------
// Filters

TEST(Filters, AddFilterAppendsAndMarksModified) {
    CTbObjDB db;
    CTbObjFilter* first = db.AddFilter();
    EXPECT_TRUE(db.IsModified());
    first->SetName("Open");
    CTbObjFilter* second = db.AddFilter();
    second->SetName("Closed");
    EXPECT_EQ(db.FilterCount(), 2);
    EXPECT_EQ(db.Filter(0), first);
    EXPECT_EQ(db.Filter(1), second);
    EXPECT_EQ(db.Filter(2), nullptr);
    EXPECT_EQ(db.Filter(-1), nullptr);
}

TEST(Filters, QuickAndExternalFiltersAreNotInTheList) {
    CTbObjDB db;
    db.AddFilter();
    db.QuickFilter().SetName("quick");
    db.ExternalFilter().SetName("external");
    EXPECT_EQ(db.FilterCount(), 1);
    EXPECT_NE(db.Filter(0), &db.QuickFilter());
    EXPECT_NE(db.Filter(0), &db.ExternalFilter());
    EXPECT_EQ(db.QuickFilter().GetName(), "quick");
    EXPECT_EQ(db.ExternalFilter().GetName(), "external");
}
