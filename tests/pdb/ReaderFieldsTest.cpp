// Reading records 0 and 1: the database header information and the field properties.
#include "PdbBytes.h"

namespace {

using namespace readertest;
using ReaderFieldsTest = ReaderTest;

TEST_F(ReaderFieldsTest, RecordZeroFillsTheHeaderSettings) {
    PdbFile file = PdbFile::Tabulon();
    Bytes body{0, 3, 2, 7};
    body.U16(0x0102).U8(1).U8(29).U8(6).U8(1).U8(1).U8(1).U16(0x0304).U8(0x00).Zeros(9);
    for (const char* password : {"Lg", "Md", "Vw", "Ds", "Bm", "Cp"}) body.Fixed(password, 10);
    body.Zeros(40).Str("Welcome!");
    file.Record(0).body = body;
    Load(file);

    EXPECT_EQ(db.GetCurrentCategory(), 3);
    EXPECT_EQ(db.GetCurrentView(), 2);
    EXPECT_TRUE(db.GetReportAmountType()) << "any value but 0 is percent";
    EXPECT_EQ(db.GetCurrentFilter(), 0x0102);
    EXPECT_TRUE(db.GetReportGraphMode());
    EXPECT_EQ(db.GetDbVersion(), 29);
    EXPECT_EQ(db.GetDbCategory(), 6);
    EXPECT_TRUE(db.GetDoNotBackup());
    EXPECT_TRUE(db.GetReadOnly());
    EXPECT_TRUE(db.GetUseStartupScreen());
    EXPECT_EQ(db.GetCurrentMultiFilter(), 0x0304);
    EXPECT_FALSE(db.GetIncludeInGlobalFind());
    EXPECT_EQ(db.GetStoredPassword(TB_PASSWORD_LOGIN), "Lg");
    EXPECT_EQ(db.GetStoredPassword(TB_PASSWORD_MODIFY), "Md");
    EXPECT_EQ(db.GetStoredPassword(TB_PASSWORD_VIEW), "Vw");
    EXPECT_EQ(db.GetStoredPassword(TB_PASSWORD_DESIGN), "Ds");
    EXPECT_EQ(db.GetStoredPassword(TB_PASSWORD_BEAM), "Bm");
    EXPECT_EQ(db.GetStoredPassword(TB_PASSWORD_COPYRIGHT), "Cp");
    EXPECT_EQ(db.GetStartupScreen(), "Welcome!");
}

TEST_F(ReaderFieldsTest, ATenBytePasswordHasNoTerminator) {
    PdbFile file = PdbFile::Tabulon();
    std::string scrambled = CTbObjDB::Scramble("0123456789");
    ASSERT_EQ(scrambled.size(), 10u);
    for (size_t i = 0; i < 10; ++i) file.Record(0).body[24 + i] = static_cast<uint8_t>(scrambled[i]);
    Load(file);
    EXPECT_TRUE(db.SetEnteredPassword(TB_PASSWORD_LOGIN, "0123456789"));
}

TEST_F(ReaderFieldsTest, RecordZeroChecks) {
    PdbFile wrongType = PdbFile::Tabulon();
    wrongType.Record(0).body[0] = 1;
    ExpectRefused(wrongType, "Record 0: Invalid Record Type");

    PdbFile newer = PdbFile::Tabulon();
    newer.Record(0).body[7] = 31;
    ExpectRefused(newer, "Version of Tabulon is higher than this component can read!");
    EXPECT_EQ(db.GetDbVersion(), 31) << "stored before the check";
}

TEST_F(ReaderFieldsTest, RecordOneChecks) {
    PdbFile wrongType = PdbFile::Tabulon();
    wrongType.Record(1).body[0] = 0;
    ExpectRefused(wrongType, "Invalid Record Type - Record 1 not valid");

    PdbFile noSlot = PdbFile::Tabulon();
    noSlot.SetFields({FieldEntry(81, TEXT_T)});
    ExpectRefused(noSlot, "Invalid field number in field properties record.");
}

TEST_F(ReaderFieldsTest, FieldZeroIsAlwaysTheCategoryList) {
    PdbFile file = PdbFile::Tabulon();
    file.Record(1).body = FieldRecord({FieldEntry(0, TEXT_T, "Whatever")});
    Load(file);
    EXPECT_EQ(db.Field(0)->GetType(), LIST_T);
    EXPECT_EQ(db.Field(0)->GetName(), "Categories");
}

TEST_F(ReaderFieldsTest, EntriesGiveTypeNameSequenceAndGlobalFind) {
    PdbFile file = PdbFile::Tabulon();
    file.SetFields({FieldEntry(1, CHECKBOX_T, "Done").PrintSequence(-2).Attributes(0xC0),
                    FieldEntry(80, KEY_T, "Id").Attributes(0x40)});
    Load(file);
    EXPECT_EQ(db.Field(1)->GetType(), CHECKBOX_T);
    EXPECT_EQ(db.Field(1)->GetName(), "Done");
    EXPECT_EQ(db.Field(1)->GetPrintSequence(), -2);
    EXPECT_EQ(db.Field(1)->GetAttributes(), 0x80) << "only the global find bit is taken";
    EXPECT_EQ(db.Field(80)->GetType(), KEY_T);
    EXPECT_EQ(db.Field(80)->GetAttributes(), 0);
    EXPECT_FALSE(db.Field(2)->IsUsed());
}

TEST_F(ReaderFieldsTest, TextFieldsTakeAutoShiftAutoWriterAndDefault) {
    PdbFile file = PdbFile::Tabulon();
    file.SetFields({FieldEntry(1, TEXT_T).Extra(0).AutoWriter(3).Default("Hello"),
                    FieldEntry(2, MEMO_T).Extra(1).AutoWriter(9)});
    Load(file);
    const CTbObjFieldText& text = *db.Field(1)->TextProps();
    EXPECT_TRUE(text.GetAutoShift());
    EXPECT_EQ(text.GetAutoWriter(), 3);
    EXPECT_EQ(text.GetDefaultValue(), "Hello");
    const CTbObjFieldText& memo = *db.Field(2)->TextProps();
    EXPECT_FALSE(memo.GetAutoShift());
    EXPECT_EQ(memo.GetAutoWriter(), 0) << "an invalid separator is stored as 0";
}

TEST_F(ReaderFieldsTest, NumberFieldsTakeDecimalsIncDecAndDefault) {
    PdbFile file = PdbFile::Tabulon();
    file.SetFields({FieldEntry(1, FLOATING_T).Extra(2).IncDec(1).Default("2.5"),
                    FieldEntry(2, INTEGER_T).Extra(5).IncDec(1).Default("12"),
                    FieldEntry(3, AUTO_INC_T).IncDec(1)});
    Load(file);
    EXPECT_EQ(db.Field(1)->NumberProps()->GetDecimals(), 2);
    EXPECT_EQ(db.Field(1)->NumberProps()->GetIncDec(), 1);
    EXPECT_EQ(db.Field(1)->NumberProps()->GetDefaultValue(), "2.5");
    EXPECT_EQ(db.Field(2)->NumberProps()->GetDecimals(), 3) << "the extra attribute is for Float only";
    EXPECT_EQ(db.Field(2)->NumberProps()->GetIncDec(), 1);
    EXPECT_EQ(db.Field(2)->NumberProps()->GetDefaultValue(), "12");
    EXPECT_EQ(db.Field(3)->NumberProps()->GetIncDec(), 0) << "not an increment/decrement type";
}

TEST_F(ReaderFieldsTest, DateAndTimeDefaultsGoByTheirFirstCharacter) {
    PdbFile file = PdbFile::Tabulon();
    file.SetFields({FieldEntry(1, DATE_T).Default("Added"), FieldEntry(2, DATE_T).Default("Updated"),
                    FieldEntry(3, TIME_T).Default("x"), FieldEntry(4, TIME_T).Default("")});
    Load(file);
    EXPECT_EQ(db.Field(1)->DateTimeProps()->GetDefaultValue(), 1u);
    EXPECT_EQ(db.Field(2)->DateTimeProps()->GetDefaultValue(), 2u);
    EXPECT_EQ(db.Field(3)->DateTimeProps()->GetDefaultValue(), 0u);
    EXPECT_EQ(db.Field(4)->DateTimeProps()->GetDefaultValue(), 0u);
}

TEST_F(ReaderFieldsTest, ListAndRadioDefaultsAndButtonCount) {
    PdbFile file = PdbFile::Tabulon();
    file.SetFields({FieldEntry(1, LIST_T).Default("\x03"), FieldEntry(2, LIST_T).Default(""),
                    FieldEntry(3, RADIO_T).Default("3").Extra(4), FieldEntry(4, RADIO_T)});
    for (int slot = 1; slot <= 4; ++slot) file.SetAdvanced(slot, ListBlock({}));
    Load(file);
    EXPECT_EQ(db.Field(1)->ListProps()->Items().GetDefaultIndex(), 3);
    EXPECT_EQ(db.Field(2)->ListProps()->Items().GetDefaultIndex(), 0);
    EXPECT_EQ(db.Field(3)->ListProps()->Items().GetDefaultIndex(), 3);
    EXPECT_EQ(db.Field(3)->ListProps()->GetButtonCount(), 4);
    EXPECT_EQ(db.Field(4)->ListProps()->Items().GetDefaultIndex(), 0);
}

TEST_F(ReaderFieldsTest, ExpressionDecimalsAndImageDepth) {
    PdbFile file = PdbFile::Tabulon();
    file.SetFields({FieldEntry(1, ADV_EXPRESSION_T).Extra(1), FieldEntry(2, IMAGE_T).Extra(4)});
    file.SetAdvanced(1, Bytes{0}.Zeros(48));
    Load(file);
    EXPECT_EQ(db.Field(1)->ExprProps()->GetDecimals(), 1);
    EXPECT_EQ(db.Field(2)->ImageProps()->GetBitsPerPixel(), 4u);
}

}  // namespace
