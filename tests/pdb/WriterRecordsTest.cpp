// The records the writer emits for the rich Tabulon, byte for byte: record 0, the field table,
// each type's advanced properties, next key, form, views and filters, and each type's values.
#include "PdbTestSupport.h"

#include <map>

namespace {

using namespace pdbtest;

struct WriterRecordsTest : PdbTest {
    void SetUp() override {
        BuildRichTabulon();
        file.emplace(Written());
    }
    std::optional<PdbView> file;
};

TEST_F(WriterRecordsTest, HeaderAndRecordListPlaceEveryRecord) {
    EXPECT_EQ(file->Text(0, 32), "MRA_Test" + std::string(24, '\0'));
    EXPECT_EQ(file->U16(32), TbPdb::kAttrNoBeam | 0x8000) << "without the backup bit";
    EXPECT_EQ(db.GetPdbAttributes() & TbPdb::kAttrBackup, TbPdb::kAttrBackup)
        << "the database keeps its bits";
    EXPECT_EQ(file->U16(34), 2);
    EXPECT_EQ(file->U32(36), 0xC1000001u);
    EXPECT_EQ(file->U32(40), 0xC2000002u);
    EXPECT_EQ(file->U32(44), 0xC3000003u);
    EXPECT_EQ(file->U32(48), 9u);
    EXPECT_EQ(file->Text(52, 16), std::string(8, '\0') + "dataMNDR") << "no AppInfo or SortInfo block";
    EXPECT_EQ(file->U32(68), 0x00ABCDEFu);
    EXPECT_EQ(file->U32(72), 0u) << "next record list";
    ASSERT_EQ(file->RecordCount(), 89);
    EXPECT_EQ(file->Offset(0), 78u + 89 * 8 + 2);
    EXPECT_EQ(file->U16(file->Offset(0) - 2), 0) << "two zero bytes after the list";
    for (int r = 0; r < file->RecordCount(); ++r) {
        EXPECT_EQ(file->U8(file->Offset(r)), r < 87 ? r : 87)
            << "record " << r << " starts with its type byte";
        EXPECT_EQ(file->Attributes(r), 0x40) << "record " << r << " is marked dirty only";
    }
}

TEST_F(WriterRecordsTest, RecordZeroHoldsTheSettingsPasswordsAndStartupScreen) {
    Bytes expected{0, 4, 2, 1, 0x01, 0x02, 1, 30, 9, 1, 1, 1, 0x0A, 0x0B, 0x00};  // DB version always 30
    expected.Zeros(9);
    for (const char* name : {"login", "modify", "view", "design"})
        expected.Fixed(CTbObjDB::Scramble(name), 10);
    expected.Raw("0123456789").Fixed(CTbObjDB::Scramble("copyr"), 10).Zeros(40).Str("Welcome");
    EXPECT_EQ(file->Record(TbPdb::kHeaderRecord), expected);
}

TEST_F(WriterRecordsTest, FieldEntriesCarryTypeSettingsNameAndDefault) {
    struct Entry {
        int type, printSequence, extra, autoWriter, incDec, attributes;
        const char* name;
        std::string defaultText;
    } entries[] = {
        {0, 0, 0, 0, 0, 0, "Categories", ""},  // the category list travels as type 0
        {TEXT_T, 0xFE, 1, 3, 0, 0x80, "Name", "abc"},
        {MEMO_T, 0, 1, 0, 0, 0, "Notes", ""},
        {INTEGER_T, 0, 0, 0, 1, 0, "Count", "12"},
        {FLOATING_T, 0, 2, 0, 0, 0, "Price", "1.5"},
        {LIST_T, 0, 0, 0, 0, 0, "Colour", "\x07"},
        {CHECKBOX_T, 0, 0, 0, 0, 0, "Done", ""},
        {DATE_T, 0, 0, 0, 0, 0, "When", "A"},
        {TIME_T, 0, 0, 0, 0, 0, "At", "U"},
        {ADV_EXPRESSION_T, 0, 1, 0, 0, 0, "Total", ""},
        {COND_EXP_T, 0, 0, 0, 0, 0, "Big", ""},
        {RADIO_T, 0, 4, 0, 0, 0, "Size", "12"},
        {DB_JOIN_T, 0, 0, 0, 0, 0, "Client", ""},
        {LONG_T, 0, 0, 0, 0, 0, "Big number", ""},
        {EXPRESSION_T, 0, 5, 0, 0, 0, "Due", ""},
        {ONE_TO_MANY_T, 0, 0, 0, 0, 0, "Orders", ""},
        {PLUGIN_T, 0, 0, 0, 0, 0, "GPS", ""},
        {IMAGE_T, 0, 4, 0, 0, 0, "Photo", ""},
        {ADDR_BK_JOIN_T, 0, 0, 0, 0, 0, "Contact", ""},
        {ADDR_BK_LOOKUP_T, 0, 0, 0, 0, 0, "Phone", ""},
        {DB_LOOKUP_T, 0, 0, 0, 0, 0, "Looked up", ""},
        {KEY_T, 0, 0, 0, 0, 0, "Id", ""},
        {ADV_EXPRESSION_T, 0, 3, 0, 0, 0, "Label", ""},
        {ADV_EXPRESSION_T, 0, 3, 0, 0, 0, "Empty", ""},
    };
    Bytes expected{1, MaxFieldSlots};
    for (int slot = 0; slot < MaxFieldSlots; ++slot) {
        Entry e = slot < 24 ? entries[slot] : Entry{LONG_T, 0, 0, 0, 0, 0, "More", ""};
        expected.Add(Bytes{slot, e.type, e.printSequence, e.extra, e.autoWriter, e.incDec, e.attributes});
        expected.Zeros(5).Str(e.name).Str(e.defaultText);
    }
    EXPECT_EQ(file->Record(TbPdb::kFieldRecord), expected);
}

TEST_F(WriterRecordsTest, AdvancedPropertiesByType) {
    std::map<int, Bytes> bodies = {
        // after the type byte; the other slots have none
        {0, Bytes{1, 1}.Str("Business")},
        {1, Bytes{2, 1, 2}.Str("red").Str("blue")},  // a text field always has a word list
        {2, Bytes{0}},
        {5, Bytes{2, 7, 2}.Str("Red").Str("Green")},
        {9, Bytes{EXPR_RESULT_FLOATING, 3, 92, 86}.Zeros(45 + 22).Fixed("2", 11)},
        {10, FilterBlock("C", {{1, '>', 0, "10"}})
                 .U8(2)
                 .Fixed("yes", 21)
                 .U8(TB_GREEN)
                 .U8(0)
                 .Fixed("no", 21)
                 .U8(TB_RED)},
        {11, Bytes{0}},
        {12, Bytes{}.Str("Clients").U8(3).U8(4).U8(1).U8(TEXT_T)},
        // 182 bytes: 15 element types and 15 values
        {14, Bytes{EXPR_RESULT_DATE_DAYS, 7, 90, 86}.Zeros(12 + 22).Fixed("30", 11).Zeros(12 * 11)},
        {15, Bytes{}.Fixed("Rel", 33).U8(2).U8(5).Repeat('v', 21).Fixed("L", 21).U8(0xFF)},
        {18, Bytes{0, 0, 0, 0, 0}},  // the address book and lookup fields have a join block too
        {19, Bytes{0, 0, 0, 0, 0}},
        {20, Bytes{0, 0, 0, 0, 0}},
        {16, Bytes{}.Raw("ABCD").U8(1).U8(5).U8(6).Zeros(8 + 4).U8(2).U8(0).U8(7).U8(1).U8(3).Raw("xyz")},
        // 48 element types, then the values up to the first zero type
        {22, Bytes{EXPR_RESULT_TEXT, 88, 90, 88}.Zeros(45).Fixed("ab", 11).Zeros(11).Fixed("cd", 11)},
        {23, Bytes{}.Zeros(49)},
    };
    for (int slot = 0; slot < MaxFieldSlots; ++slot)
        EXPECT_EQ(file->Record(TbPdb::kFirstAdvancedRecord + slot), Bytes{slot + 2}.Add(bodies[slot]))
            << slot;
}

TEST_F(WriterRecordsTest, NextKeyFormViewsAndFilters) {
    EXPECT_EQ(file->Record(TbPdb::kNextKeyRecord), (Bytes{83, 1, 2, 3, 4}));

    Bytes form{84, 0xFF, 2};
    form.Str("Tab").U8(60).Zeros(2).U8(2);
    form.Add(Bytes{1, 3, 1}.U32(0x00112233).U32(0xFFFFFFFF).U8(2).U32(0).U32(0xFFFFFFFF).U8(0x80).Zeros(2));
    form.Str("Name").Str("?");  // read only; no image display on a Text field
    form.Add(
        Bytes{0xFF, 5, 0}.U32(0).U32(0xFFFFFFFF).U8(0).U32(0).U32(0xFFFFFFFF).U8(0x40).Zeros(2).Zeros(2));
    form.Str("Second").U8(90).Zeros(2).U8(1);
    form.Add(Bytes{17, 1, 0}.U32(0).U32(0xFFFFFFFF).U8(0).U32(0).U32(0xFFFFFFFF).U8(0x40).Zeros(2).Zeros(2));
    EXPECT_EQ(file->Record(TbPdb::kFormRecord), form);

    Bytes view{85, 1};
    view.Fixed("By name", 21).Add(Bytes{1, 2, 0, 0, 1, 0, 0x20, 0x00, 1, 0}).Zeros(6);  // default filter 13
    view.Add(Bytes{2, 1, 80, 0, 0, 0, 2, 60, 1, 0, 0});
    EXPECT_EQ(file->Record(TbPdb::kViewRecord), view);

    Bytes filters{86, 1};
    filters.Add(FilterBlock("Big", {{3, 'J', 0, "100"}, {4, '=', 5, ""}}, 'A', 'O')).Add(FilterBlock("Ext"));
    filters.Add(FilterBlock("", {{}, {}, {7, 'h', 0, std::string(20, 'q')}}));
    EXPECT_EQ(file->Record(TbPdb::kFilterRecord), filters);

    for (auto [filter, mask] :
         std::vector<std::pair<uint16_t, int>>{{NoFilter, 0x0000}, {0, 0x0001}, {2, 0x0004}}) {
        db.View(0)->SetDefaultFilter(filter);
        PdbView again = Written();
        EXPECT_EQ(again.U16(again.Offset(TbPdb::kViewRecord) + 2 + 21 + 6), mask) << filter;
    }
}

TEST_F(WriterRecordsTest, DataRecordsInStoredOrderWithEachTypesValue) {
    const std::optional<Bytes> none;  // no entry at all
    struct Value {
        int slot;
        std::optional<Bytes> ann, bob;  // after the field's type and slot
    } values[] = {
        {1, Bytes{3}.Str("abc"),
         Bytes{255}.Repeat('x', 200).Repeat('t', 55).U8(0)},  // the CRs go before the cut
        {2, Bytes{0, 3}.Str("a\nb"), Bytes{0x0F, 0xFF}.Repeat('m', 4095).U8(0)},
        {3, Bytes{0xFF, 0xFE}, Bytes{0, 0}},
        {4, Bytes{0x3F, 0xC0, 0, 0}, Bytes{0, 0, 0, 0}},
        {5, Bytes{2}, none},  // a List without selection is left out
        {6, Bytes{1}, Bytes{0}},
        {7, Bytes{0x07, 0xD4, 10, 27}, Bytes{0, 0, 0, 0}},
        {8, Bytes{0, 13, 45, 59}, Bytes{0, 0, 0, 0}},
        {9, Bytes{TB_BLUE, 0xC0, 0, 0, 0, 4}.Str("-2.0"),
         Bytes{0, 0, 0, 0, 0, 0}},                          // an empty text ends at its length
        {10, Bytes{TB_RED, 3}.Str("big"), Bytes{0, 0, 0}},  // but keeps its NUL here
        {11, Bytes{0}, Bytes{0}},                           // a Radio selection 0 is written
        {12, Bytes{DATE_T, 0x07, 0xD4, 10, 27}, Bytes{TEXT_T, 0, 0}},
        {13, Bytes{0x12, 0x34, 0x56, 0x78}, Bytes{0, 0, 0, 0}},
        {14, Bytes{0x07, 0xD4, 11, 26}, Bytes{0, 0, 0, 0}},
        {15, Bytes{}, Bytes{}},  // One To Many, Plug-In and DB Lookup: the entry head alone
        {16, Bytes{}, Bytes{}},
        {17, Bytes{0, 3, 0, 9, 8, 7}, none},  // an Image without bytes is left out
        {18, Bytes{0, 1, 2, 3, 3}.Str("Ann"), Bytes{0, 0, 0, 0, 0, 0}},
        {19, Bytes{3}.Str("555"), Bytes{255}.Repeat('z', 255).U8(0)},
        {20, Bytes{}, Bytes{}},
        {21, none, none},  // a Key field has no value
        {22, Bytes{0, 0, 0, 0, 0, 2}.Str("hi"),
         Bytes{0, 0, 0, 0, 0, 0}},  // a text result has zero result bytes
        {23, Bytes{0, 0, 0, 0, 0, 0}, Bytes{0, 0, 0, 0, 0, 0}},
    };
    Bytes ann = Bytes{87, 3}.U32(0x0A0B0C0D), bob = Bytes{87, 0}.U32(2);
    for (const Value& v : values) {
        int type = db.Field(v.slot)->GetType();
        if (v.ann) ann.Add(Bytes{type, v.slot}).Add(*v.ann);
        if (v.bob) bob.Add(Bytes{type, v.slot}).Add(*v.bob);
    }
    for (int slot = 24; slot <= MaxUserFields; ++slot) {
        ann.Add(Bytes{LONG_T, slot}.U32(slot == 80 ? 0x180 : 0));
        bob.Add(Bytes{LONG_T, slot}.U32(0));
    }
    db.Records().SortByField(1, false);  // the shown order does not change the file's
    PdbView sorted = Written();
    EXPECT_EQ(sorted.Record(87), ann.U8(0).U8(0));
    EXPECT_EQ(sorted.Record(88), bob.U8(0).U8(0));
}

}  // namespace
