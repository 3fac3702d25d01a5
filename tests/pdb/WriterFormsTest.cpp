// Design records 83 to 86 as the writer emits them: next key, form tabs and rows, views with
// their default-filter masks, and the 96-byte filter blocks with their reserved bytes zero.
#include "WriterTestSupport.h"
#include "pdb/TbPDBFormat.h"

namespace {

using WriterFormsTest = WriterFixture;

TEST_F(WriterFormsTest, NextKeyRecordHoldsTheKeyGenerator) {
    db.Records().SetNextKey(0x01020304);
    EXPECT_EQ(Written().Record(TbPdb::kNextKeyRecord), Bytes({83, 1, 2, 3, 4}));
}

TEST_F(WriterFormsTest, NewFormIsOneEmptyTab) {
    EXPECT_EQ(Written().Record(TbPdb::kFormRecord), Bytes({84, 0, 1, 'T', 'a', 'b', 0, 60, 0, 0, 0}));
}

TEST_F(WriterFormsTest, RowsPlacedInATabAreWrittenWithTheirSettings) {
    Add(TEXT_T);
    db.SetFormTabRow(-1);
    CTbObjTab& tab = *db.Tab(0);
    CTbObjTabRow& field = *tab.PlaceField(1, 3);
    field.SetReadOnly(true);
    field.SetLabelFont(1);
    field.SetLabelForeground(0x00112233);
    field.SetFieldFont(2);
    field.SetLabelText("Name");
    field.SetPopupHelp("?");
    CTbObjTabRow& label = *tab.PlaceField(LabelRowField, 5);
    label.SetAlignment(1);
    std::vector<uint8_t> r = Written().Record(TbPdb::kFormRecord);

    std::vector<uint8_t> expected = Bytes({84, 0xFF, 1, 'T', 'a', 'b', 0, 60, 0, 0, 2});
    expected = Concat(expected,
                      Bytes({1, 3,    1,    0x00, 0x11, 0x22, 0x33, 0xFF, 0xFF, 0xFF, 0xFF, 2,   0, 0,   0,
                             0, 0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0,    0,    'N',  'a',  'm',  'e', 0, '?', 0}));
    expected = Concat(expected, Bytes({0xFF, 5, 0, 0,    0,    0,    0,    0xFF, 0xFF, 0xFF, 0xFF, 0, 0,
                                       0,    0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x40, 0,    0,    0,    0}));
    EXPECT_EQ(r, expected);
}

TEST_F(WriterFormsTest, ImageRowsCarryTheirDisplayMode) {
    Add(IMAGE_T);
    Add(TEXT_T);
    CTbObjTab& tab = *db.Tab(0);
    tab.PlaceField(1, 1)->SetImageDisplay(2);
    tab.PlaceField(2, 2)->SetImageDisplay(2);  // not an image field: the bits stay 0
    std::vector<uint8_t> r = Written().Record(TbPdb::kFormRecord);
    const size_t firstRow = 11, rowSize = 25;
    EXPECT_EQ(r[firstRow + 20], 0x40);
    EXPECT_EQ(r[firstRow + rowSize + 20], 0x00);
}

TEST_F(WriterFormsTest, EveryTabIsWritten) {
    db.AddTab()->SetName("Second");
    db.AddTab()->SetFirstColumnWidth(90);
    std::vector<uint8_t> r = Written().Record(TbPdb::kFormRecord);
    EXPECT_EQ(r[2], 3);
    EXPECT_EQ(
        std::vector<uint8_t>(r.begin() + 11, r.end()),
        Concat(Concat(TextBytes("Second"), Bytes({0, 60, 0, 0, 0})), Bytes({'T', 'a', 'b', 0, 90, 0, 0, 0})));
}

TEST_F(WriterFormsTest, ViewRecord) {
    Add(TEXT_T);
    Add(INTEGER_T);
    CTbObjView& view = *db.AddView();
    view.SetName("By name");
    view.AddColumn(1)->SetWidth(80);
    view.AddColumn(2)->SetIdenticalSuppress(true);
    view.SetSortKey(1, 1, 0);
    view.SetSortKey(2, 2, 1);
    view.SetDefaultFilter(13);
    view.SetFrozenColumns(1);
    std::vector<uint8_t> r = Written().Record(TbPdb::kViewRecord);
    std::vector<uint8_t> name = TextBytes("By name");
    name.resize(21, 0);
    std::vector<uint8_t> expected = Concat(Bytes({85, 1}), name);
    expected = Concat(expected, Bytes({1, 2, 0, 0, 1, 0, 0x20, 0x00, 1, 0, 0, 0, 0, 0, 0, 0, 2}));
    expected = Concat(expected, Bytes({1, 80, 0, 0, 0, 2, 60, 1, 0, 0}));
    EXPECT_EQ(r, expected);
}

TEST_F(WriterFormsTest, DefaultFilterMaskIsOneHot) {
    struct Case {
        uint16_t filter;
        uint16_t mask;
    } cases[] = {{NoFilter, 0x0000}, {0, 0x0001}, {2, 0x0004}, {13, 0x2000}};
    for (const Case& c : cases) {
        db.DeleteView(0);
        db.AddView()->SetDefaultFilter(c.filter);
        PdbBytes file = Written();
        EXPECT_EQ(file.U16(file.Offset(TbPdb::kViewRecord) + 2 + 21 + 6), c.mask) << c.filter;
    }
}

TEST_F(WriterFormsTest, FilterRecordEndsWithExternalAndQuickFilters) {
    CTbObjFilter& filter = *db.AddFilter();
    filter.SetName("Big");
    filter.SetCondition(0, 3, TbCompare::GreaterOrEqual, 0, "100");
    filter.SetCondition(1, 4, TbCompare::Equal, 5, "");
    filter.SetLogicOperator(0, TbCompare::And);
    filter.SetLogicOperator(1, TbCompare::Or);
    db.ExternalFilter().SetName("Ext");
    db.QuickFilter().SetCondition(2, 7, TbCompare::ContainsNoCase, 0, std::string(25, 'q'));
    std::vector<uint8_t> r = Written().Record(TbPdb::kFilterRecord);
    ASSERT_EQ(r.size(), 2u + 3 * 96);
    EXPECT_EQ(r[1], 1);

    std::vector<uint8_t> block(r.begin() + 2, r.begin() + 98);
    std::vector<uint8_t> expected = TextBytes("Big");
    expected.resize(21, 0);
    expected = Concat(expected, Bytes({3, 0, 4, 5, 0, 0}));
    std::vector<uint8_t> constant = TextBytes("100");
    constant.resize(60, 0);
    expected = Concat(expected, constant);
    expected = Concat(expected, Bytes({'J', '=', '=', 'A', 'O', 0, 0, 0, 0}));
    EXPECT_EQ(block, expected);

    EXPECT_EQ(std::string(r.begin() + 98, r.begin() + 101), "Ext");
    std::vector<uint8_t> quick(r.begin() + 194, r.end());
    EXPECT_EQ(quick[25], 7) << "condition 3 field";
    EXPECT_EQ(std::string(quick.begin() + 67, quick.begin() + 87), std::string(20, 'q'))
        << "constant cut to 20";
    EXPECT_EQ(quick[89], 'h');
    for (int i = 92; i < 96; ++i) EXPECT_EQ(quick[i], 0) << "reserved byte " << i;
}

}  // namespace
