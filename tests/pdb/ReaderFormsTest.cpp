// Reading records 83 to 86: next key, form tabs and rows, views and filters.
#include "PdbBytes.h"

namespace {

using namespace readertest;
using ReaderFormsTest = ReaderTest;

Bytes Row(int field, int position, int labelFont = 0, int fieldFont = 1, int attributes = 0) {
    Bytes row{field, position, labelFont};
    row.U32(0x00FF0000).U32(0xFFFFFFFF).U8(fieldFont).U32(0x000000FF).U32(0x00EEEEEE).U8(attributes);
    return row.Zeros(2).Str("Label").Str("Help");
}

Bytes FormRecord(int tabRow, const std::vector<Bytes>& tabs) {
    Bytes body{84, tabRow, static_cast<int>(tabs.size())};
    for (const Bytes& tab : tabs) body.Add(tab);
    return body;
}

Bytes Tab(const std::string& name, int width, const std::vector<Bytes>& rows = {}) {
    Bytes tab;
    tab.Str(name).U8(width).Zeros(2).U8(static_cast<int>(rows.size()));
    for (const Bytes& row : rows) tab.Add(row);
    return tab;
}

TEST_F(ReaderFormsTest, NextKey) {
    PdbFile file = PdbFile::Tabulon();
    file.Record(83).body = Bytes{83}.U32(123456);
    Load(file);
    EXPECT_EQ(db.Records().GetNextKey(), 123456u);

    file.Record(83).body[0] = 84;
    ExpectRefused(file, "Invalid Record Type");
}

TEST_F(ReaderFormsTest, TabsAndRows) {
    PdbFile file = PdbFile::Tabulon();
    file.SetFields({FieldEntry(1, TEXT_T), FieldEntry(2, IMAGE_T)});
    file.Record(84).body = FormRecord(-1, {Tab("Main", 70, {Row(1, 3, 2, 3, 0x80), Row(255, 1, 0, 0, 0x40)}),
                                           Tab("Photo", 50, {Row(2, 40, 0, 0, 0xC0)})});
    Load(file);
    EXPECT_EQ(db.GetFormTabRow(), -1);
    ASSERT_EQ(db.TabCount(), 2);
    const CTbObjTab& main = *db.Tab(0);
    EXPECT_EQ(main.GetName(), "Main");
    EXPECT_EQ(main.GetFirstColumnWidth(), 70);
    EXPECT_EQ(main.UsedRowCount(), 2);

    const CTbObjTabRow& field = *main.RowAt(3);
    EXPECT_EQ(field.GetField(), 1);
    EXPECT_EQ(field.GetLabelFont(), 2u);
    EXPECT_EQ(field.GetLabelForeground(), 0x00FF0000u);
    EXPECT_EQ(field.GetLabelBackground(), -1);
    EXPECT_EQ(field.GetFieldFont(), 3u);
    EXPECT_EQ(field.GetFieldForeground(), 0x000000FFu);
    EXPECT_EQ(field.GetFieldBackground(), 0x00EEEEEE);
    EXPECT_TRUE(field.GetReadOnly());
    EXPECT_EQ(field.GetLabelText(), "Label");
    EXPECT_EQ(field.GetPopupHelp(), "Help");

    const CTbObjTabRow& label = *main.RowAt(1);
    EXPECT_TRUE(label.IsLabelRow());
    EXPECT_EQ(label.GetAlignment(), 1u);
    EXPECT_FALSE(label.GetReadOnly());

    const CTbObjTabRow& image = *db.Tab(1)->RowAt(40);
    EXPECT_EQ(image.GetImageDisplay(), 2u) << "bits 5-6 of an Image field's row";
    EXPECT_TRUE(image.GetReadOnly());
    EXPECT_EQ(main.RowAt(3)->GetImageDisplay(), 0u) << "other fields have no image display";
}

TEST_F(ReaderFormsTest, TabCountMustBeOneToFifteen) {
    PdbFile file = PdbFile::Tabulon();
    const char* message = "Invalid tab count - must have at least one tab (Tab 0) and up to 14";
    file.Record(84).body = FormRecord(0, {});
    ExpectRefused(file, message);
    file.Record(84).body = FormRecord(0, std::vector<Bytes>(16, Tab("T", 60)));
    ExpectRefused(file, message);

    file.Record(84).body = FormRecord(0, std::vector<Bytes>(15, Tab("T", 60)));
    CTbObjDB fresh;
    EXPECT_EQ(reader.Read(fresh, file.WriteTo(dir), CTbPDBReader::TB_READ_FULL, nullptr), TB_S_OK);
    EXPECT_EQ(fresh.TabCount(), 15);
}

TEST_F(ReaderFormsTest, FontsAboveThreeAreRefused) {
    PdbFile file = PdbFile::Tabulon();
    file.Record(84).body = FormRecord(0, {Tab("T", 60, {Row(1, 1, 4, 0)})});
    ExpectRefused(file, "Invalid label font setting on a tab row.");
    file.Record(84).body = FormRecord(0, {Tab("T", 60, {Row(1, 1, 0, 4)})});
    ExpectRefused(file, "Invalid field font setting on a tab row.");
}

Bytes View(const std::string& name, std::vector<int> sort, int defaultFilter,
           const std::vector<int>& columns) {
    Bytes view;
    view.Fixed(name, 21);
    for (int byte : sort) view.U8(byte);
    view.U16(defaultFilter).U8(1).U8(9).Zeros(6).U8(static_cast<int>(columns.size()));
    for (int field : columns) view.U8(field).U8(field * 10).U8(field % 2).Zeros(2);
    return view;
}

Bytes ViewRecord(const std::vector<Bytes>& views) {
    Bytes body{85, static_cast<int>(views.size())};
    for (const Bytes& view : views) body.Add(view);
    return body;
}

TEST_F(ReaderFormsTest, ViewsWithColumnsSortKeysAndDefaultFilter) {
    PdbFile file = PdbFile::Tabulon();
    // Sort on field 2 (shown) descending, then field 7 (not shown).
    file.Record(85).body = ViewRecord({View("By name", {2, 7, 0, 1, 0, 0}, 0x0006, {1, 2})});
    Load(file);
    ASSERT_EQ(db.ViewCount(), 1);
    const CTbObjView& view = *db.View(0);
    EXPECT_EQ(view.GetName(), "By name");
    EXPECT_EQ(view.GetSortKey(1).field, 2);
    EXPECT_EQ(view.GetSortKey(1).direction, 1);
    EXPECT_EQ(view.GetSortKey(2).field, 0) << "cleared: the view has no column of field 7";
    EXPECT_EQ(view.GetDefaultFilter(), 1) << "the lowest bit set";
    EXPECT_EQ(view.GetFrozenColumns(), 1);
    ASSERT_EQ(view.ColumnCount(), 2);
    EXPECT_EQ(view.Column(1)->GetField(), 2);
    EXPECT_EQ(view.Column(1)->GetWidth(), 20);
    EXPECT_FALSE(view.Column(1)->GetIdenticalSuppress());
    EXPECT_TRUE(view.Column(0)->GetIdenticalSuppress());
}

TEST_F(ReaderFormsTest, DefaultFilterMasks) {
    const std::pair<int, uint16_t> cases[] = {
        {0x0000, NoFilter}, {0x0004, 2}, {0x0006, 1}, {0xC000, NoFilter}, {0x2000, 13}};
    for (const auto& [mask, index] : cases) {
        PdbFile file = PdbFile::Tabulon();
        file.Record(85).body = ViewRecord({View("V", {0, 0, 0, 0, 0, 0}, mask, {})});
        CTbObjDB fresh;
        ASSERT_EQ(reader.Read(fresh, file.WriteTo(dir), CTbPDBReader::TB_READ_FULL, nullptr), TB_S_OK);
        EXPECT_EQ(fresh.View(0)->GetDefaultFilter(), index) << mask;
    }
}

TEST_F(ReaderFormsTest, ViewRecordChecks) {
    PdbFile file = PdbFile::Tabulon();
    file.Record(85).body = ViewRecord({});
    file.Record(85).body[0] = 86;
    ExpectRefused(file, "Invalid database format - view record invalid type.");

    file.Record(85).body = ViewRecord(std::vector<Bytes>(13, View("V", {0, 0, 0, 0, 0, 0}, 0, {})));
    CTbObjDB fresh;
    EXPECT_EQ(reader.Read(fresh, file.WriteTo(dir), CTbPDBReader::TB_READ_FULL, nullptr), -1);
    EXPECT_EQ(reader.GetErrorText(), "Could not create a new view in the internal object model.");
}

TEST_F(ReaderFormsTest, FiltersExternalAndQuick) {
    PdbFile file = PdbFile::Tabulon();
    Bytes body{86, 2};
    body.Add(FilterBlock("Big", {Condition{3, 'J', 0, "100"}, Condition{4, 'x', 5, ""}}, 'O', 'A'));
    body.Add(FilterBlock("Empty"));
    body.Add(FilterBlock("External", {Condition{90, 'h', 0, "abc"}}));
    body.Add(FilterBlock("Quick", {Condition{1, 's', 0, "Jo"}}));
    file.Record(86).body = body;
    Load(file);

    ASSERT_EQ(db.FilterCount(), 2);
    const CTbObjFilter& big = *db.Filter(0);
    EXPECT_EQ(big.GetName(), "Big");
    EXPECT_EQ(big.GetCondition(0).field, 3);
    EXPECT_EQ(big.GetCondition(0).op, 'J');
    EXPECT_EQ(big.GetCondition(0).secondField, 0);
    EXPECT_EQ(big.GetCondition(0).constant, "100");
    EXPECT_EQ(big.GetCondition(1).op, 'x') << "an unknown operator is kept";
    EXPECT_EQ(big.GetCondition(1).secondField, 5);
    EXPECT_EQ(big.GetCondition(2).field, 0);
    EXPECT_EQ(big.GetLogicOperator(0), 'O');
    EXPECT_EQ(big.GetLogicOperator(1), 'A');
    EXPECT_EQ(db.Filter(1)->GetName(), "Empty");
    EXPECT_EQ(db.ExternalFilter().GetCondition(0).field, 90) << "passed on even though invalid";
    EXPECT_EQ(db.QuickFilter().GetName(), "Quick");
    EXPECT_EQ(db.QuickFilter().GetCondition(0).constant, "Jo");

    file.Record(86).body[0] = 85;
    ExpectRefused(file, "Filters data record has an invalid record type.");
}

}  // namespace
