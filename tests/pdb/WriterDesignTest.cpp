// Design records 0 to 82 as the writer emits them: header settings and passwords, the field
// table, and each field type's advanced-property record.
#include "WriterTestSupport.h"
#include "pdb/TbPDBFormat.h"

#include <functional>

namespace {

using WriterHeaderRecordTest = WriterFixture;

TEST_F(WriterHeaderRecordTest, SettingsSitAtTheirOffsets) {
    db.SetCurrentCategory(4);
    db.SetCurrentView(2);
    db.SetReportAmountType(true);
    db.SetCurrentFilter(0x0102);
    db.SetReportGraphMode(true);
    db.SetDbVersion(12);
    db.SetDbCategory(9);
    db.SetDoNotBackup(true);
    db.SetReadOnly(true);
    db.SetUseStartupScreen(true);
    db.SetCurrentMultiFilter(0x0A0B);
    db.SetIncludeInGlobalFind(true);
    db.SetStartupScreen("Welcome");
    std::vector<uint8_t> r = Written().Record(TbPdb::kHeaderRecord);

    std::vector<uint8_t> head(r.begin(), r.begin() + 15);
    EXPECT_EQ(head, Bytes({0, 4, 2, 1, 0x01, 0x02, 1, 30, 9, 1, 1, 1, 0x0A, 0x0B, 0x80}))
        << "DB version is always 30";
    EXPECT_EQ(std::vector<uint8_t>(r.begin() + 124, r.end()), Concat(TextBytes("Welcome"), Bytes({0})));
}

TEST_F(WriterHeaderRecordTest, FlagsOffAreZeroAndReservedBytesStayZero) {
    db.SetIncludeInGlobalFind(false);
    std::vector<uint8_t> r = Written().Record(TbPdb::kHeaderRecord);
    ASSERT_EQ(r.size(), 125u);
    EXPECT_EQ(r[3], 0);
    EXPECT_EQ(r[6], 0);
    EXPECT_EQ(r[14], 0);
    for (int i = 15; i < 24; ++i) EXPECT_EQ(r[i], 0) << i;
    for (int i = 84; i < 125; ++i) EXPECT_EQ(r[i], 0) << i;
}

TEST_F(WriterHeaderRecordTest, PasswordsGoLoginModifyViewDesignBeamCopyright) {
    const char* names[] = {"login", "modify", "design", "view", "copyr", "beam"};
    for (int kind = 0; kind < TbPasswordKindCount; ++kind)
        db.SetStoredPassword(kind, CTbObjDB::Scramble(names[kind]));
    db.SetStoredPassword(TB_PASSWORD_BEAM, "0123456789AB");  // longer than the 10 bytes kept
    std::vector<uint8_t> r = Written().Record(TbPdb::kHeaderRecord);
    auto at = [&](int offset) { return std::string(r.begin() + offset, r.begin() + offset + 10); };
    auto padded = [](std::string text) { return text.append(10 - text.size(), '\0'); };
    EXPECT_EQ(at(24), padded(CTbObjDB::Scramble("login")));
    EXPECT_EQ(at(34), padded(CTbObjDB::Scramble("modify")));
    EXPECT_EQ(at(44), padded(CTbObjDB::Scramble("view")));
    EXPECT_EQ(at(54), padded(CTbObjDB::Scramble("design")));
    EXPECT_EQ(at(64), "0123456789");
    EXPECT_EQ(at(74), padded(CTbObjDB::Scramble("copyr")));
}

using WriterFieldRecordTest = WriterFixture;

TEST_F(WriterFieldRecordTest, CategoriesFieldTravelsAsTypeZero) {
    std::vector<uint8_t> r = Written().Record(TbPdb::kFieldRecord);
    std::vector<uint8_t> expected = Bytes({1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    expected = Concat(Concat(expected, TextBytes("Categories")), Bytes({0, 0}));
    EXPECT_EQ(r, expected);
}

TEST_F(WriterFieldRecordTest, EntriesCarryTypeSettingsNameAndDefault) {
    CTbObjField& text = Add(TEXT_T, "Name");
    text.TextProps()->SetAutoShift(false);
    text.TextProps()->SetAutoWriter(3);
    text.TextProps()->SetDefaultValue("abc");
    text.SetAttributes(0x81);
    text.SetPrintSequence(-2);
    CTbObjField& number = Add(FLOATING_T, "Price");
    number.NumberProps()->SetDecimals(2);
    number.NumberProps()->SetIncDec(1);
    number.NumberProps()->SetDefaultValue("1.5");
    std::vector<uint8_t> r = Written().Record(TbPdb::kFieldRecord);

    ASSERT_EQ(r[1], 3) << "Categories, Name and Price";
    size_t first = 2 + 12 + 11 + 1;  // after the categories entry
    std::vector<uint8_t> textEntry(r.begin() + static_cast<long>(first),
                                   r.begin() + static_cast<long>(first) + 21);
    EXPECT_EQ(textEntry,
              Concat(Bytes({1, TEXT_T, 0xFE, 1, 3, 0, 0x80, 0, 0, 0, 0, 0}),
                     Concat(TextBytes("Name"), Concat(Bytes({0}), Concat(TextBytes("abc"), Bytes({0}))))));
    std::vector<uint8_t> floatEntry(r.begin() + static_cast<long>(first) + 21, r.end());
    EXPECT_EQ(floatEntry,
              Concat(Bytes({2, FLOATING_T, 0, 2, 0, 1, 0, 0, 0, 0, 0, 0}),
                     Concat(TextBytes("Price"), Concat(Bytes({0}), Concat(TextBytes("1.5"), Bytes({0}))))));
}

// The entry of the single user field (slot 1): its 12 fixed bytes, then name and default.
std::vector<uint8_t> UserEntry(const PdbBytes& file) {
    std::vector<uint8_t> r = file.Record(TbPdb::kFieldRecord);
    return std::vector<uint8_t>(r.begin() + 2 + 12 + 11 + 1, r.end());
}

TEST_F(WriterFieldRecordTest, DefaultsByType) {
    struct Case {
        TbFieldType type;
        std::function<void(CTbObjField&)> set;
        int extra;
        std::vector<uint8_t> defaultBytes;
    };
    std::vector<Case> cases = {
        {DATE_T, [](CTbObjField& f) { f.DateTimeProps()->SetDefaultValue(1); }, 0, TextBytes("A")},
        {TIME_T, [](CTbObjField& f) { f.DateTimeProps()->SetDefaultValue(2); }, 0, TextBytes("U")},
        {TIME_T, [](CTbObjField&) {}, 0, {}},
        {LIST_T,
         [](CTbObjField& f) {
             for (const char* item : {"a", "b", "c"}) f.ListProps()->Items().AddItem(item);
             f.ListProps()->Items().SetDefaultIndex(3);
         },
         0, Bytes({3})},
        {LIST_T, [](CTbObjField&) {}, 0, {}},
        {RADIO_T,
         [](CTbObjField& f) {
             f.ListProps()->SetButtonCount(4);
             f.ListProps()->Items().SetDefaultIndex(12);
         },
         4, TextBytes("12")},
        {RADIO_T, [](CTbObjField&) {}, 0, {}},
        {EXPRESSION_T, [](CTbObjField& f) { f.ExprProps()->SetDecimals(5); }, 5, {}},
        {IMAGE_T, [](CTbObjField& f) { f.ImageProps()->SetBitsPerPixel(4); }, 4, {}},
        {AUTO_INC_T, [](CTbObjField& f) { f.NumberProps()->SetDefaultValue("7"); }, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(FieldTypeName(c.type));
        db.DeleteField(1);
        CTbObjField& field = Add(c.type, "X");
        c.set(field);
        std::vector<uint8_t> entry = UserEntry(Written());
        EXPECT_EQ(entry[1], c.type);
        EXPECT_EQ(entry[3], static_cast<uint8_t>(c.extra));
        EXPECT_EQ(std::vector<uint8_t>(entry.begin() + 14, entry.end()), Concat(c.defaultBytes, Bytes({0})));
    }
}

using WriterAdvancedRecordTest = WriterFixture;

TEST_F(WriterAdvancedRecordTest, TextRecordAlwaysHoldsAWordList) {
    Add(TEXT_T);
    CTbObjField& memo = Add(MEMO_T);
    memo.TextProps()->SetAutoWriterWords({"red", "blue"});
    PdbBytes file = Written();
    EXPECT_EQ(file.Record(3), Bytes({3, 0}));
    EXPECT_EQ(file.Record(4),
              Concat(Bytes({4, 2, 1, 2}),
                     Concat(TextBytes("red"), Concat(Bytes({0}), Concat(TextBytes("blue"), Bytes({0}))))));
}

TEST_F(WriterAdvancedRecordTest, ListItemsKeepTheirIndexes) {
    CTbObjListItems& items = Add(LIST_T).ListProps()->Items();
    items.AddItemWithIndex(7, "x");
    items.AddItemWithIndex(2, "yz");
    EXPECT_EQ(Written().Record(3), Bytes({3, 2, 7, 2, 'x', 0, 'y', 'z', 0}));
}

TEST_F(WriterAdvancedRecordTest, JoinBlock) {
    CTbObjFieldJoin& join = *Add(DB_JOIN_T).JoinProps();
    join.SetSourceDatabase("Other");
    join.SetJoinField(3);
    join.SetDisplayField(4);
    join.SetViewNumber(1);
    join.SetJoinFieldType(TEXT_T);
    EXPECT_EQ(Written().Record(3),
              Concat(Concat(Bytes({3}), TextBytes("Other")), Bytes({0, 3, 4, 1, TEXT_T})));
}

TEST_F(WriterAdvancedRecordTest, OneToManyBlockHasFixedTexts) {
    CTbObjFieldOTM& otm = *Add(ONE_TO_MANY_T).OtmProps();
    otm.SetRelatedDatabase("Rel");
    otm.SetParentField(2);
    otm.SetRelatedField(5);
    otm.SetViewName(std::string(30, 'v'));
    otm.SetViewLabel("L");
    otm.SetExtraSetting(-1);
    std::vector<uint8_t> r = Written().Record(3);
    ASSERT_EQ(r.size(), 1u + 33 + 2 + 21 + 21 + 1);
    EXPECT_EQ(std::string(r.begin() + 1, r.begin() + 5), std::string("Rel\0", 4));
    EXPECT_EQ(r[34], 2);
    EXPECT_EQ(r[35], 5);
    EXPECT_EQ(std::string(r.begin() + 36, r.begin() + 57), std::string(21, 'v')) << "cut to 21 bytes";
    EXPECT_EQ(r[57], 'L');
    EXPECT_EQ(r[58], 0);
    EXPECT_EQ(r.back(), 0xFF);
}

TEST_F(WriterAdvancedRecordTest, OldExpressionBlockIs182Bytes) {
    CTbObjFieldExpr& expr = *Add(EXPRESSION_T).ExprProps();
    expr.SetResultFormat(EXPR_RESULT_HOURS);
    expr.SetTokens({1, 90, 86}, {"", "", "2.5"});
    std::vector<uint8_t> r = Written().Record(3);
    ASSERT_EQ(r.size(), 182u);
    EXPECT_EQ(r[1], EXPR_RESULT_HOURS);
    EXPECT_EQ(std::vector<uint8_t>(r.begin() + 2, r.begin() + 6), Bytes({1, 90, 86, 0}));
    EXPECT_EQ(std::string(r.begin() + 17 + 22, r.begin() + 17 + 33), std::string("2.5\0\0\0\0\0\0\0\0", 11));
}

TEST_F(WriterAdvancedRecordTest, AdvancedExpressionWritesValuesUpToTheFirstZeroType) {
    CTbObjFieldExpr& expr = *Add(ADV_EXPRESSION_T).ExprProps();
    expr.SetResultFormat(EXPR_RESULT_TEXT);
    expr.SetTokens({88, 90, 88}, {"ab", "", "cd"});
    std::vector<uint8_t> r = Written().Record(3);
    ASSERT_EQ(r.size(), 50u + 3 * 11);
    EXPECT_EQ(r[1], EXPR_RESULT_TEXT);
    EXPECT_EQ(std::string(r.begin() + 50, r.begin() + 52), "ab");
    EXPECT_EQ(std::string(r.begin() + 72, r.begin() + 74), "cd");
}

TEST_F(WriterAdvancedRecordTest, AdvancedExpressionWithoutTokensIs50Bytes) {
    Add(ADV_EXPRESSION_T);
    EXPECT_EQ(Written().Record(3).size(), 50u);
}

TEST_F(WriterAdvancedRecordTest, ConditionalExpressionBlock) {
    CTbObjFieldCondExpr& cond = *Add(COND_EXP_T).CondExprProps();
    cond.Condition().SetName("C");
    cond.Condition().SetCondition(0, 1, TbCompare::Greater, 0, "10");
    cond.SetTrueField(2);
    cond.SetTrueConstant("yes");
    cond.SetTrueColour(TB_GREEN);
    cond.SetFalseField(0);
    cond.SetFalseConstant("no");
    cond.SetFalseColour(TB_RED);
    std::vector<uint8_t> r = Written().Record(3);
    ASSERT_EQ(r.size(), 1u + 96 + 1 + 21 + 1 + 1 + 21 + 1);
    EXPECT_EQ(r[1], 'C');
    EXPECT_EQ(r[22], 1) << "condition 1 field";
    EXPECT_EQ(r[88], '>') << "condition 1 operator";
    EXPECT_EQ(r[97], 2);
    EXPECT_EQ(std::string(r.begin() + 98, r.begin() + 101), "yes");
    EXPECT_EQ(r[119], TB_GREEN);
    EXPECT_EQ(r[120], 0);
    EXPECT_EQ(std::string(r.begin() + 121, r.begin() + 123), "no");
    EXPECT_EQ(r[142], TB_RED);
}

TEST_F(WriterAdvancedRecordTest, AutoIncrementWritesTheNextValue) {
    Add(AUTO_INC_T).NumberProps()->SetNextValue(42);
    EXPECT_EQ(Written().Record(3), Bytes({3, 0, 0, 0, 42}));
}

TEST_F(WriterAdvancedRecordTest, PlugInBlock) {
    CTbObjFieldPlugIn& plugIn = *Add(PLUGIN_T).PlugInProps();
    plugIn.SetPlugInType(0x41424344);  // "ABCD"
    plugIn.SetAutoActivate(true);
    plugIn.SetResultFields({5, 6});
    plugIn.SetParameters({{0, 7, ""}, {1, 0, "xyz"}});
    std::vector<uint8_t> expected = Bytes(
        {3, 'A', 'B', 'C', 'D', 1, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 7, 1, 3, 'x', 'y', 'z'});
    EXPECT_EQ(Written().Record(3), expected);
}

TEST_F(WriterAdvancedRecordTest, PlugInWithOneResultFieldPutsItFirst) {
    Add(PLUGIN_T).PlugInProps()->SetResultField(9);
    std::vector<uint8_t> r = Written().Record(3);
    EXPECT_EQ(r[6], 9);
    EXPECT_EQ(r[7], 0);
    EXPECT_EQ(r.size(), 1u + 4 + 1 + 10 + 4 + 1);
}

TEST_F(WriterAdvancedRecordTest, TypesWithoutPropertiesAreTheTypeByteAlone) {
    Add(CHECKBOX_T);
    Add(KEY_T);
    Add(INTEGER_T);
    PdbBytes file = Written();
    EXPECT_EQ(file.Record(3), Bytes({3}));
    EXPECT_EQ(file.Record(4), Bytes({4}));
    EXPECT_EQ(file.Record(5), Bytes({5}));
    EXPECT_EQ(file.Record(82), Bytes({82}));
}

}  // namespace
