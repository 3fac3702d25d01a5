// Data records as the writer emits them: category, key, and each field type's value encoding,
// including what is left out and how long texts are cut.
#include "WriterTestSupport.h"
#include "pdb/TbPDBFormat.h"

namespace {

struct WriterValuesTest : WriterFixture {
    // The one data record's entries: the bytes between its 6-byte head and its end mark.
    std::vector<uint8_t> Entries() {
        std::vector<uint8_t> r = Written().Record(TbPdb::kDesignRecords);
        EXPECT_GE(r.size(), 8u);
        EXPECT_EQ(r[0], TbPdb::kDataRecordType);
        EXPECT_EQ(std::vector<uint8_t>(r.end() - 2, r.end()), Bytes({0, 0})) << "end mark";
        return std::vector<uint8_t>(r.begin() + 6, r.end() - 2);
    }
    // A record with one field of the type at slot 1, and that record's value.
    CTbObjRecordValue& OneValue(TbFieldType type) {
        Add(type);
        return *db.Records().AddRecord(true, false)->Value(1);
    }
};

TEST_F(WriterValuesTest, RecordHeadIsTypeCategoryAndKey) {
    CTbObjRecord& record = *db.Records().AddRecord(false);
    record.SetKey(0x0A0B0C0D);
    record.Value(0)->SetShort(3);
    EXPECT_EQ(Written().Record(TbPdb::kDesignRecords), Bytes({87, 3, 0x0A, 0x0B, 0x0C, 0x0D, 0, 0}));
}

TEST_F(WriterValuesTest, TextIsLengthBytesAndNul) {
    OneValue(TEXT_T).SetText("abc");
    EXPECT_EQ(Entries(), Bytes({TEXT_T, 1, 3, 'a', 'b', 'c', 0}));
}

TEST_F(WriterValuesTest, EmptyTextStillCarriesItsNul) {
    OneValue(TEXT_T);
    EXPECT_EQ(Entries(), Bytes({TEXT_T, 1, 0, 0}));
}

TEST_F(WriterValuesTest, TextIsCutTo255Bytes) {
    OneValue(TEXT_T).SetText(std::string(300, 't'));
    std::vector<uint8_t> entries = Entries();
    ASSERT_EQ(entries.size(), 3u + 255 + 1);
    EXPECT_EQ(entries[2], 255);
    EXPECT_EQ(entries.back(), 0);
}

TEST_F(WriterValuesTest, TextLosesItsCarriageReturnsBeforeTheCut) {
    std::string text;
    for (int i = 0; i < 200; ++i) text += "x\r";  // 400 bytes, 200 without the CRs
    OneValue(TEXT_T).SetText(text);
    std::vector<uint8_t> entries = Entries();
    EXPECT_EQ(entries[2], 200);
    EXPECT_EQ(std::vector<uint8_t>(entries.begin() + 3, entries.end() - 1), std::vector<uint8_t>(200, 'x'));
}

TEST_F(WriterValuesTest, MemoCrLfBecomesLf) {
    OneValue(MEMO_T).SetText("a\r\nb");
    EXPECT_EQ(Entries(), Bytes({MEMO_T, 1, 0, 3, 'a', '\n', 'b', 0}));
}

TEST_F(WriterValuesTest, MemoIsCutTo4095Bytes) {
    OneValue(MEMO_T).SetText(std::string(5000, 'm'));
    std::vector<uint8_t> entries = Entries();
    ASSERT_EQ(entries.size(), 4u + 4095 + 1);
    EXPECT_EQ(entries[2], 0x0F);
    EXPECT_EQ(entries[3], 0xFF);
}

TEST_F(WriterValuesTest, Numbers) {
    Add(INTEGER_T);
    Add(LONG_T);
    Add(FLOATING_T);
    Add(AUTO_INC_T);
    CTbObjRecord& record = *db.Records().AddRecord(true, false);
    record.Value(1)->SetShort(-2);
    record.Value(2)->SetLong(0x12345678);
    record.Value(3)->SetFloat(1.5f);
    record.Value(4)->SetLong(41);
    EXPECT_EQ(Entries(),
              Bytes({INTEGER_T, 1,    0xFF, 0xFE, LONG_T, 2,          0x12, 0x34, 0x56, 0x78, FLOATING_T,
                     3,         0x3F, 0xC0, 0,    0,      AUTO_INC_T, 4,    0,    0,    0,    41}));
}

TEST_F(WriterValuesTest, ListWithSelectionZeroIsLeftOut) {
    OneValue(LIST_T).SetShort(0);
    EXPECT_EQ(Entries(), Bytes({}));
}

TEST_F(WriterValuesTest, ListWithASelectionIsWritten) {
    OneValue(LIST_T).SetShort(2);
    EXPECT_EQ(Entries(), Bytes({LIST_T, 1, 2}));
}

TEST_F(WriterValuesTest, RadioZeroIsWritten) {
    OneValue(RADIO_T).SetShort(0);
    EXPECT_EQ(Entries(), Bytes({RADIO_T, 1, 0}));
}

TEST_F(WriterValuesTest, CheckboxDateAndTime) {
    Add(CHECKBOX_T);
    Add(DATE_T);
    Add(TIME_T);
    Add(DATE_T);
    CTbObjRecord& record = *db.Records().AddRecord(true, false);
    record.Value(1)->SetChecked(true);
    record.Value(2)->SetDate(2004, 10, 27);
    record.Value(3)->SetTime(13, 45, 59);
    EXPECT_EQ(Entries(), Bytes({CHECKBOX_T, 1,  1,  DATE_T, 2,      0x07, 0xD4, 10, 27, TIME_T, 3,
                                0,          13, 45, 59,     DATE_T, 4,    0,    0,  0,  0}));
}

TEST_F(WriterValuesTest, KeyAndUnusedFieldsAreNeverWritten) {
    Add(KEY_T);
    Add(INTEGER_T);
    db.DeleteField(2);
    Add(CHECKBOX_T, "later");  // takes slot 2 again
    db.SetFieldType(3, NOTUSED_T, "gone");
    db.Records().AddRecord(true, false);
    EXPECT_EQ(Entries(), Bytes({CHECKBOX_T, 2, 0}));
}

TEST_F(WriterValuesTest, FieldsWithoutStoredValuesWriteTheirHeadOnly) {
    Add(DB_LOOKUP_T);
    Add(ONE_TO_MANY_T);
    Add(PLUGIN_T);
    db.Records().AddRecord(true, false);
    EXPECT_EQ(Entries(), Bytes({DB_LOOKUP_T, 1, ONE_TO_MANY_T, 2, PLUGIN_T, 3}));
}

TEST_F(WriterValuesTest, ImageOnlyWithBytes) {
    Add(IMAGE_T);
    Add(IMAGE_T);
    CTbObjRecord& record = *db.Records().AddRecord(true, false);
    record.Value(2)->SetData({9, 8, 7});
    EXPECT_EQ(Entries(), Bytes({IMAGE_T, 2, 0, 3, 0, 9, 8, 7}));
}

TEST_F(WriterValuesTest, ExpressionResultByFormat) {
    struct Case {
        int32_t format;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {EXPR_RESULT_FLOATING, Bytes({0x3F, 0xC0, 0, 0})},
        {EXPR_RESULT_HHMM, Bytes({0x3F, 0xC0, 0, 0})},
        {EXPR_RESULT_DATE_DAYS, Bytes({0x07, 0xD4, 10, 27})},
        {EXPR_RESULT_DATE_YEARS, Bytes({0x07, 0xD4, 10, 27})},
        {EXPR_RESULT_TIME, Bytes({0, 13, 45, 59})},
    };
    CTbObjField& field = Add(EXPRESSION_T);
    CTbObjRecord& record = *db.Records().AddRecord(true, false);
    for (const Case& c : cases) {
        field.ExprProps()->SetResultFormat(c.format);
        CTbObjRecordValue& value = *record.Value(1);
        if (ExprResultValueType(c.format) == FLOATING_T) value.SetFloat(1.5f);
        if (ExprResultValueType(c.format) == DATE_T) value.SetDate(2004, 10, 27);
        if (ExprResultValueType(c.format) == TIME_T) value.SetTime(13, 45, 59);
        EXPECT_EQ(Entries(), Concat(Bytes({EXPRESSION_T, 1}), c.bytes)) << ExprResultName(c.format);
    }
}

TEST_F(WriterValuesTest, AdvancedExpressionCarriesColourResultAndText) {
    CTbObjField& field = Add(ADV_EXPRESSION_T);
    field.ExprProps()->SetResultFormat(EXPR_RESULT_FLOATING);
    CTbObjRecordValue& value = *db.Records().AddRecord(true, false)->Value(1);
    value.SetColour(TB_BLUE);
    value.SetFloat(-2.0f);
    value.SetText("-2.0");
    EXPECT_EQ(Entries(), Bytes({ADV_EXPRESSION_T, 1, TB_BLUE, 0xC0, 0, 0, 0, 4, '-', '2', '.', '0', 0}));
}

TEST_F(WriterValuesTest, AdvancedExpressionTextResultHasZeroResultBytes) {
    Add(ADV_EXPRESSION_T).ExprProps()->SetResultFormat(EXPR_RESULT_TEXT);
    CTbObjRecordValue& value = *db.Records().AddRecord(true, false)->Value(1);
    value.SetText("hi");
    EXPECT_EQ(Entries(), Bytes({ADV_EXPRESSION_T, 1, 0, 0, 0, 0, 0, 2, 'h', 'i', 0}));
}

TEST_F(WriterValuesTest, AdvancedExpressionEmptyTextEndsAfterItsLength) {
    Add(ADV_EXPRESSION_T).ExprProps()->SetResultFormat(EXPR_RESULT_TEXT);
    db.Records().AddRecord(true, false);
    EXPECT_EQ(Entries(), Bytes({ADV_EXPRESSION_T, 1, 0, 0, 0, 0, 0, 0}));
}

TEST_F(WriterValuesTest, ConditionalExpressionEmptyTextKeepsItsNul) {
    OneValue(COND_EXP_T).SetColour(TB_RED);
    EXPECT_EQ(Entries(), Bytes({COND_EXP_T, 1, TB_RED, 0, 0}));
}

TEST_F(WriterValuesTest, ShortTextsOfComputedAndAddressFieldsAreCutTo255) {
    Add(COND_EXP_T);
    Add(ADDR_BK_LOOKUP_T);
    Add(ADV_EXPRESSION_T).ExprProps()->SetResultFormat(EXPR_RESULT_TEXT);
    CTbObjRecord& record = *db.Records().AddRecord(true, false);
    for (int slot = 1; slot <= 3; ++slot) record.Value(slot)->SetText(std::string(256 + slot, 'z'));
    std::vector<uint8_t> entries = Entries();
    const size_t condSize = 2 + 1 + 1 + 255 + 1, lookupSize = 2 + 1 + 255 + 1,
                 advSize = 2 + 1 + 4 + 1 + 255 + 1;
    ASSERT_EQ(entries.size(), condSize + lookupSize + advSize);
    EXPECT_EQ(entries[3], 255);
    EXPECT_EQ(entries[condSize + 2], 255);
    EXPECT_EQ(entries[condSize + lookupSize + 7], 255);
}

TEST_F(WriterValuesTest, AddressJoinCarriesItsRecordId) {
    CTbObjRecordValue& value = OneValue(ADDR_BK_JOIN_T);
    value.SetExtraWord(0x00010203);
    value.SetText("Ann");
    EXPECT_EQ(Entries(), Bytes({ADDR_BK_JOIN_T, 1, 0, 1, 2, 3, 3, 'A', 'n', 'n', 0}));
}

TEST_F(WriterValuesTest, DbJoinValueFollowsTheJoinedFieldType) {
    Add(DB_JOIN_T).JoinProps()->SetJoinFieldType(INTEGER_T);
    Add(DB_JOIN_T).JoinProps()->SetJoinFieldType(TEXT_T);
    CTbObjRecord& record = *db.Records().AddRecord(true, false);
    record.Value(1)->SetShort(5);
    record.Value(2)->SetType(DATE_T);  // the type a read or a resolution gave the value
    record.Value(2)->SetDate(2004, 10, 27);
    EXPECT_EQ(Entries(), Bytes({DB_JOIN_T, 1, INTEGER_T, 0, 5, DB_JOIN_T, 2, DATE_T, 0x07, 0xD4, 10, 27}));
}

TEST_F(WriterValuesTest, DbJoinEmptyTextKeepsItsNul) {
    Add(DB_JOIN_T).JoinProps()->SetJoinFieldType(TEXT_T);
    db.Records().AddRecord(true, false);
    EXPECT_EQ(Entries(), Bytes({DB_JOIN_T, 1, TEXT_T, 0, 0}));
}

TEST_F(WriterValuesTest, EightyFieldsAreAllWritten) {
    for (int i = 0; i < MaxUserFields; ++i) Add(INTEGER_T);
    CTbObjRecord& record = *db.Records().AddRecord(true, false);
    record.Value(80)->SetShort(0x0180);
    std::vector<uint8_t> entries = Entries();
    ASSERT_EQ(entries.size(), 80u * 4);
    EXPECT_EQ(std::vector<uint8_t>(entries.end() - 4, entries.end()), Bytes({INTEGER_T, 80, 0x01, 0x80}));
}

TEST_F(WriterValuesTest, RecordsAreWrittenInStoredOrder) {
    Add(INTEGER_T);
    for (int i = 0; i < 3; ++i)
        db.Records().AddRecord(true, false)->Value(1)->SetShort(static_cast<int16_t>(10 + i));
    db.Records().SortByField(1, false);  // the shown order does not change the file's
    PdbBytes file = Written();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(file.Record(TbPdb::kDesignRecords + i)[9], 10 + i);
}

}  // namespace
