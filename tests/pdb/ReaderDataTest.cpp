// Reading data records: category, key and unique ID, and the value encoding of each type.
#include "PdbBytes.h"

#include <cmath>

namespace {

using namespace readertest;
using ReaderDataTest = ReaderTest;

// A Tabulon with these fields and one data record holding these entries.
PdbFile OneRecord(const std::vector<FieldEntry>& fields, const Bytes& entries) {
    PdbFile file = PdbFile::Tabulon();
    file.SetFields(fields);
    for (const FieldEntry& field : fields) {
        if (field.type == LIST_T || field.type == RADIO_T)
            file.SetAdvanced(field.number, ListBlock({{1, "One"}, {7, "Seven"}}));
        else if (field.type == EXPRESSION_T)
            file.SetAdvanced(field.number, Bytes{field.extra}.Zeros(15 + 15 * 11));
        else if (field.type == ADV_EXPRESSION_T)
            file.SetAdvanced(field.number, Bytes{field.extra}.Zeros(48));
    }
    file.AddData(DataRecord(2, 0x01020304, entries));
    return file;
}

// An Expression or Advanced Expression field of a result format (kept in the entry's extra
// attribute only to build its advanced-properties record).
FieldEntry Expr(int number, int type, int format) { return FieldEntry(number, type).Extra(format); }

TEST_F(ReaderDataTest, CategoryKeyAndUniqueId) {
    Load(OneRecord({}, Bytes{}));
    ASSERT_EQ(db.Records().Count(true), 1);
    EXPECT_EQ(Data(0).GetCategory(), 2);
    EXPECT_TRUE(Data(0).Value(0)->HasValue());
    EXPECT_EQ(Data(0).GetKey(), 0x01020304u);
    EXPECT_EQ(Data(0).GetUniqueId(), 0x2000u + 87);
}

TEST_F(ReaderDataTest, TextAndMemoTurnLfIntoCrLf) {
    Load(OneRecord(
        {FieldEntry(5, TEXT_T), FieldEntry(6, MEMO_T), FieldEntry(7, TEXT_T)},
        Bytes{1, 5, 0, 0}.Add(Bytes{10, 6}.U16(3).Raw("a\nb").U8(0)).Add(Bytes{1, 7, 2}.Raw("hi").U8(0))));
    EXPECT_TRUE(Data(0).Value(5)->HasValue());
    EXPECT_EQ(Data(0).Value(5)->GetText(), "");
    EXPECT_EQ(Data(0).Value(6)->GetText(), "a\r\nb");
    EXPECT_EQ(Data(0).Value(7)->GetText(), "hi");
    EXPECT_FALSE(Data(0).Value(8)->HasValue());
}

TEST_F(ReaderDataTest, Numbers) {
    Bytes entries{2, 1};
    entries.U16(0xFFFE).U8(3).U8(2).U32(0x80000000).U8(20).U8(3).U32(77).U8(4).U8(4).U32(0x3FC00000);
    Load(OneRecord({FieldEntry(1, INTEGER_T), FieldEntry(2, LONG_T), FieldEntry(3, AUTO_INC_T),
                    FieldEntry(4, FLOATING_T)},
                   entries));
    EXPECT_EQ(Data(0).Value(1)->GetShort(), -2);
    EXPECT_EQ(Data(0).Value(2)->GetLong(), INT32_MIN);
    EXPECT_EQ(Data(0).Value(3)->GetLong(), 77);
    EXPECT_EQ(Data(0).Value(4)->GetFloat(), 1.5f);
}

TEST_F(ReaderDataTest, ListAndRadioKeepIndexAndItemText) {
    Load(OneRecord({FieldEntry(1, LIST_T), FieldEntry(2, RADIO_T), FieldEntry(3, LIST_T)},
                   Bytes{5, 1, 7, 17, 2, 1, 5, 3, 0xFF}));
    EXPECT_EQ(Data(0).Value(1)->GetShort(), 7);
    EXPECT_EQ(Data(0).Value(1)->GetText(), "Seven");
    EXPECT_EQ(Data(0).Value(2)->GetShort(), 1);
    EXPECT_EQ(Data(0).Value(2)->GetText(), "One");
    EXPECT_EQ(Data(0).Value(3)->GetShort(), -1) << "0xFF is sign-extended";
    EXPECT_EQ(Data(0).Value(3)->GetText(), "");
}

TEST_F(ReaderDataTest, CheckboxDateAndTime) {
    Bytes entries{6, 1, 2, 7, 2};
    entries.Add(Bytes{0x07, 0xD4, 0x0A, 0x1B}).Add(Bytes{7, 3, 0, 0, 0, 0}).Add(Bytes{8, 4, 0, 13, 5, 9});
    Load(OneRecord(
        {FieldEntry(1, CHECKBOX_T), FieldEntry(2, DATE_T), FieldEntry(3, DATE_T), FieldEntry(4, TIME_T)},
        entries));
    EXPECT_TRUE(Data(0).Value(1)->GetChecked());
    int16_t a, b, c;
    Data(0).Value(2)->GetDate(&a, &b, &c);
    EXPECT_EQ(std::vector<int>({a, b, c}), std::vector<int>({2004, 10, 27}));
    EXPECT_FALSE(Data(0).Value(3)->HasValue()) << "0 0 0 0 is no date";
    Data(0).Value(4)->GetTime(&a, &b, &c);
    EXPECT_EQ(std::vector<int>({a, b, c}), std::vector<int>({13, 5, 9}));
    EXPECT_TRUE(Data(0).Value(4)->HasValue());
}

TEST_F(ReaderDataTest, OldExpressionResultsFollowTheFieldsFormat) {
    Bytes entries{9, 1};
    entries.U32(0x40000000).Add(Bytes{9, 2, 0x07, 0xD0, 1, 2}).Add(Bytes{9, 3, 0, 23, 59, 58});
    Load(OneRecord({Expr(1, EXPRESSION_T, EXPR_RESULT_HOURS), Expr(2, EXPRESSION_T, EXPR_RESULT_DATE_DAYS),
                    Expr(3, EXPRESSION_T, EXPR_RESULT_TIME)},
                   entries));
    EXPECT_EQ(Data(0).Value(1)->GetFloat(), 2.0f);
    EXPECT_EQ(Data(0).Value(2)->PackedDate(), 2000u * 65536 + 1 * 256 + 2);
    EXPECT_EQ(Data(0).Value(3)->PackedTime(), 23u * 65536 + 59 * 256 + 58);
}

TEST_F(ReaderDataTest, OldExpressionFailures) {
    ExpectRefused(OneRecord({Expr(1, EXPRESSION_T, EXPR_RESULT_TEXT)}, Bytes{9, 1, 0, 0, 0, 0}),
                  "Invalid expression return type for (old) expressions.");
    ExpectRefused(OneRecord({FieldEntry(1, TEXT_T)}, Bytes{9, 1, 0, 0, 0, 0}),
                  "Could not read expression object from internal object model.");
    ExpectRefused(OneRecord({FieldEntry(1, TEXT_T)}, Bytes{22, 1, 0, 0, 0, 0, 0, 0}),
                  "Could not read expression object from internal object model.");
}

TEST_F(ReaderDataTest, AdvancedExpressionColourResultAndText) {
    Bytes entries{22, 1, TB_GREEN};
    entries.U32(0x3FC00000).U8(3).Raw("1.5").U8(0);
    entries.Add(Bytes{22, 2, 9, 0, 0, 0, 0, 0});  // text result, empty: nothing after the length
    entries.Add(Bytes{22, 3, TB_BLUE, 0, 0, 0, 0, 1}).Raw("x").U8(0);
    Load(OneRecord({Expr(1, ADV_EXPRESSION_T, EXPR_RESULT_FLOATING),
                    Expr(2, ADV_EXPRESSION_T, EXPR_RESULT_TEXT), Expr(3, ADV_EXPRESSION_T, EXPR_RESULT_TEXT)},
                   entries));
    EXPECT_EQ(Data(0).Value(1)->GetColour(), TB_GREEN);
    EXPECT_EQ(Data(0).Value(1)->GetFloat(), 1.5f);
    EXPECT_EQ(Data(0).Value(1)->GetText(), "1.5");
    EXPECT_EQ(Data(0).Value(2)->GetColour(), TB_BLACK) << "a colour outside 0-4 is black";
    EXPECT_EQ(Data(0).Value(2)->GetText(), "");
    EXPECT_EQ(Data(0).Value(3)->GetText(), "x");
}

TEST_F(ReaderDataTest, ConditionalAndAddressValues) {
    Bytes entries{19, 1, TB_RED, 3};
    entries.Raw("big").U8(0).Add(Bytes{19, 2, 0, 0, 0});
    entries.Add(Bytes{15, 3}).U32(0x00ABCDEF).U8(4).Raw("Anna").U8(0).Add(Bytes{16, 4, 2}).Raw("NY").U8(0);
    Load(OneRecord({FieldEntry(1, COND_EXP_T), FieldEntry(2, COND_EXP_T), FieldEntry(3, ADDR_BK_JOIN_T),
                    FieldEntry(4, ADDR_BK_LOOKUP_T)},
                   entries));
    EXPECT_EQ(Data(0).Value(1)->GetColour(), TB_RED);
    EXPECT_EQ(Data(0).Value(1)->GetText(), "big");
    EXPECT_EQ(Data(0).Value(2)->GetText(), "") << "a zero length still has its NUL";
    EXPECT_EQ(Data(0).Value(3)->GetExtraWord(), 0x00ABCDEFu);
    EXPECT_EQ(Data(0).Value(3)->GetText(), "Anna");
    EXPECT_EQ(Data(0).Value(4)->GetText(), "NY");
}

TEST_F(ReaderDataTest, JoinValuesTakeTheOriginalType) {
    Bytes entries{12, 1, TEXT_T, 0, 0};
    entries.Add(Bytes{12, 2, INTEGER_T}).U16(300).Add(Bytes{12, 3, KEY_T}).U32(99);
    entries.Add(Bytes{12, 4, DATE_T, 0x07, 0xD4, 2, 29}).Add(Bytes{12, 5, MEMO_T});
    std::vector<FieldEntry> fields;
    for (int slot = 1; slot <= 5; ++slot) fields.push_back(FieldEntry(slot, DB_JOIN_T));
    Load(OneRecord(fields, entries));
    EXPECT_EQ(Data(0).Value(1)->GetType(), TEXT_T);
    EXPECT_TRUE(Data(0).Value(1)->HasValue());
    EXPECT_EQ(Data(0).Value(2)->GetShort(), 300);
    EXPECT_EQ(Data(0).Value(3)->GetType(), KEY_T);
    EXPECT_EQ(Data(0).Value(3)->GetLong(), 99);
    EXPECT_EQ(Data(0).Value(4)->PackedDate(), 2004u * 65536 + 2 * 256 + 29);
    EXPECT_EQ(Data(0).Value(5)->GetType(), MEMO_T) << "no value bytes, but the type is taken";
}

TEST_F(ReaderDataTest, ImagesAndEntriesWithoutValues) {
    Bytes entries{18, 1};
    entries.U16(3).U8(1).Add(Bytes{1, 2, 3}).Add(Bytes{11, 2, 13, 3, 14, 4, 21, 5});
    entries.Add(Bytes{30, 200}).Add(Bytes{0, 6});  // unknown types: no value bytes either
    entries.Add(Bytes{1, 6, 1}).Raw("z").U8(0);
    Load(OneRecord({FieldEntry(1, IMAGE_T), FieldEntry(6, TEXT_T)}, entries));
    EXPECT_EQ(Data(0).Value(1)->GetData(), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_TRUE(Data(0).Value(1)->HasValue());
    EXPECT_EQ(Data(0).Value(6)->GetText(), "z") << "reading went on after the unknown types";
}

TEST_F(ReaderDataTest, AValueForASlotAbove80IsRefused) {
    ExpectRefused(OneRecord({}, Bytes{2, 81, 0, 1}), "Invalid field number in data record.");
}

TEST_F(ReaderDataTest, AMemoLongerThanTheFileFailsAsAShortRead) {
    ExpectRefused(OneRecord({FieldEntry(1, MEMO_T)}, Bytes{10, 1, 0xFF, 0xFF}.Raw("abc")),
                  "Couldn't read in all bytes in ReadN()");
}

}  // namespace
