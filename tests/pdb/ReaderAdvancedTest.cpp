// Reading records 2 to 82: the advanced properties of each field type, the length check and
// the tolerance of corrupted lists.
#include "PdbBytes.h"

namespace {

using namespace readertest;
using ReaderAdvancedTest = ReaderTest;

// A Tabulon whose slot 1 has the type and advanced-properties body given.
PdbFile WithField(FieldEntry entry, const Bytes& body) {
    PdbFile file = PdbFile::Tabulon();
    file.SetFields({entry});
    file.SetAdvanced(entry.number, body);
    return file;
}

// The element types, then the values: of every slot for an old expression, of the elements
// in use for an advanced one.
Bytes ExpressionElements(const std::vector<std::pair<int, std::string>>& elements, size_t slots) {
    Bytes types, values;
    for (const auto& [type, value] : elements) {
        types.U8(type);
        values.Fixed(value, 11);
    }
    if (slots == 15) values.Zeros(11 * (slots - elements.size()));
    return types.Zeros(slots - elements.size()).Add(values);
}

TEST_F(ReaderAdvancedTest, ListChoicesKeepTheirIndexes) {
    Load(WithField(FieldEntry(1, LIST_T), ListBlock({{4, "Red"}, {2, "Green"}, {9, ""}})));
    const CTbObjListItems& items = db.Field(1)->ListProps()->Items();
    ASSERT_EQ(items.Count(), 3);
    EXPECT_EQ(items.ItemAt(0)->index, 4);
    EXPECT_EQ(items.ItemAt(0)->text, "Red");
    EXPECT_EQ(items.TextOfIndex(2), "Green");
    EXPECT_EQ(items.ItemAt(2)->index, 9);
    EXPECT_EQ(items.GetNextIndex(), 10);
}

TEST_F(ReaderAdvancedTest, AListTooShortForItsCountIsDroppedWithoutError) {
    // Three items need 2 + 2 * 3 bytes; the record has one byte less.
    Bytes body{3, 1, 2, 3, 0, 0};
    Load(WithField(FieldEntry(1, RADIO_T), body));
    EXPECT_EQ(db.Field(1)->ListProps()->Items().Count(), 0);
}

TEST_F(ReaderAdvancedTest, TheCategoryListIsRecordTwo) {
    PdbFile file = PdbFile::Tabulon();
    file.SetAdvanced(0, ListBlock({{1, "Business"}, {2, "Personal"}}));
    Load(file);
    EXPECT_EQ(db.Field(0)->ListProps()->Items().TextOfIndex(2), "Personal");
}

TEST_F(ReaderAdvancedTest, AutoWriterWordsAreReadOnlyWhenTheAutoWriterIsOn) {
    Load(WithField(FieldEntry(1, TEXT_T).AutoWriter(1), ListBlock({{1, "alpha"}, {2, "beta"}})));
    EXPECT_EQ(db.Field(1)->TextProps()->GetAutoWriterWords(), (std::vector<std::string>{"alpha", "beta"}));

    Load(WithField(FieldEntry(1, MEMO_T), ListBlock({{1, "alpha"}})));
    EXPECT_TRUE(db.Field(1)->TextProps()->GetAutoWriterWords().empty());
}

TEST_F(ReaderAdvancedTest, JoinBlock) {
    Load(WithField(FieldEntry(1, DB_JOIN_T), Bytes{}.Str("Customers").U8(3).U8(-1).U8(2).U8(TEXT_T)));
    const CTbObjFieldJoin& join = *db.Field(1)->JoinProps();
    EXPECT_EQ(join.GetSourceDatabase(), "Customers");
    EXPECT_EQ(join.GetJoinField(), 3);
    EXPECT_EQ(join.GetDisplayField(), 0xFF);
    EXPECT_EQ(join.GetViewNumber(), 2);
    EXPECT_EQ(join.GetJoinFieldType(), TEXT_T);
    EXPECT_EQ(db.Field(1)->GetValueType(), TEXT_T);
}

TEST_F(ReaderAdvancedTest, AJoinRecordOfTwoBytesIsNotRead) {
    Load(WithField(FieldEntry(1, ADDR_BK_LOOKUP_T), Bytes{7}));
    EXPECT_EQ(db.Field(1)->JoinProps()->GetSourceDatabase(), "");
}

TEST_F(ReaderAdvancedTest, OneToManyBlock) {
    Bytes body;
    body.Fixed("Orders", 33).U8(2).U8(5).Fixed("By date", 21).Fixed("Orders", 21).U8(-3);
    Load(WithField(FieldEntry(1, ONE_TO_MANY_T), body));
    const CTbObjFieldOTM& link = *db.Field(1)->OtmProps();
    EXPECT_EQ(link.GetRelatedDatabase(), "Orders");
    EXPECT_EQ(link.GetParentField(), 2);
    EXPECT_EQ(link.GetRelatedField(), 5);
    EXPECT_EQ(link.GetViewName(), "By date");
    EXPECT_EQ(link.GetViewLabel(), "Orders");
    EXPECT_EQ(link.GetExtraSetting(), -3);
}

TEST_F(ReaderAdvancedTest, OldExpressionHasFifteenElements) {
    Bytes body{EXPR_RESULT_DAYS};
    body.Add(ExpressionElements({{3, ""}, {91, "x"}, {86, "12345678901"}}, 15));
    ASSERT_EQ(body.Size() + 1, 182u);
    Load(WithField(FieldEntry(1, EXPRESSION_T), body));
    const CTbObjFieldExpr& expr = *db.Field(1)->ExprProps();
    EXPECT_EQ(expr.GetResultFormat(), EXPR_RESULT_DAYS);
    EXPECT_EQ(expr.GetTokenTypes(), (std::vector<uint8_t>{3, 91, 86}));
    EXPECT_EQ(expr.GetTokenValues(), (std::vector<std::string>{"", "x", "12345678901"}));
}

TEST_F(ReaderAdvancedTest, AdvancedExpressionCarriesOnlyTheValuesInUse) {
    Load(WithField(FieldEntry(1, ADV_EXPRESSION_T), Bytes{EXPR_RESULT_TEXT}.Zeros(48)));
    EXPECT_TRUE(db.Field(1)->ExprProps()->GetTokenTypes().empty()) << "a 50-byte record";

    Load(WithField(FieldEntry(1, ADV_EXPRESSION_T), Bytes{EXPR_RESULT_FLOATING}.Add(ExpressionElements(
                                                        {{2, ""}, {90, ""}, {86, "1.5"}}, 48))));
    EXPECT_EQ(db.Field(1)->ExprProps()->GetTokenValues(), (std::vector<std::string>{"", "", "1.5"}));
}

TEST_F(ReaderAdvancedTest, ExpressionChecks) {
    ExpectRefused(WithField(FieldEntry(1, EXPRESSION_T), Bytes{14}.Add(ExpressionElements({}, 15))),
                  "Invalid expresssion result type");
    // Three elements in use but the record ends after two of their values.
    Bytes cut{EXPR_RESULT_FLOATING};
    cut.Add(ExpressionElements({{2, ""}, {90, ""}, {3, ""}}, 48));
    cut.Resize(cut.Size() - 11);
    ExpectRefused(WithField(FieldEntry(1, ADV_EXPRESSION_T), cut), "Corrupt Advanced Properties Record");
}

Bytes Conditional(int trueColour, int falseColour) {
    return FilterBlock("cond", {Condition{2, 'J', 0, "10"}}, 'A', 'A')
        .U8(3)
        .Fixed("big", 21)
        .U8(trueColour)
        .U8(-1)
        .Fixed("small", 21)
        .U8(falseColour);
}

TEST_F(ReaderAdvancedTest, ConditionalExpression) {
    Load(WithField(FieldEntry(1, COND_EXP_T), Conditional(TB_RED, TB_YELLOW)));
    const CTbObjFieldCondExpr& conditional = *db.Field(1)->CondExprProps();
    CTbObjFilter::Condition condition = conditional.Condition().GetCondition(0);
    EXPECT_EQ(conditional.Condition().GetName(), "cond");
    EXPECT_EQ(condition.field, 2);
    EXPECT_EQ(condition.op, 'J');
    EXPECT_EQ(condition.constant, "10");
    EXPECT_EQ(conditional.GetTrueField(), 3);
    EXPECT_EQ(conditional.GetTrueConstant(), "big");
    EXPECT_EQ(conditional.GetTrueColour(), TB_RED);
    EXPECT_EQ(conditional.GetFalseField(), 0xFFFF) << "passed on as read, -1";
    EXPECT_EQ(conditional.GetFalseConstant(), "small");
    EXPECT_EQ(conditional.GetFalseColour(), TB_YELLOW);

    ExpectRefused(WithField(FieldEntry(1, COND_EXP_T), Conditional(TB_RED, 5)),
                  "Invalid color on a conditional expression field.");
}

TEST_F(ReaderAdvancedTest, AShortConditionalRecordIsSkipped) {
    Bytes body = Conditional(TB_RED, TB_BLUE);
    body.Resize(136);  // 137 bytes with the type byte
    Load(WithField(FieldEntry(1, COND_EXP_T), body));
    EXPECT_EQ(db.Field(1)->CondExprProps()->GetTrueConstant(), "");
}

TEST_F(ReaderAdvancedTest, AutoIncrementCounterGivesTheNextValue) {
    Load(WithField(FieldEntry(1, AUTO_INC_T), Bytes{}.U32(41)));
    EXPECT_EQ(db.Field(1)->NumberProps()->GetNextValue(), 42);
    Load(WithField(FieldEntry(1, AUTO_INC_T), Bytes{0}));
    EXPECT_EQ(db.Field(1)->NumberProps()->GetNextValue(), 1) << "a 2-byte record holds no counter";
}

TEST_F(ReaderAdvancedTest, PlugInBlock) {
    Bytes body;
    body.Raw("GPSx").U8(1).Add(Bytes{4, 5, 0, 0, 0, 0, 0, 0, 0, 80}).Zeros(4).U8(2);
    body.U8(0).U8(7).U8(1).U8(3).Raw("abc");
    Load(WithField(FieldEntry(1, PLUGIN_T), body));
    const CTbObjFieldPlugIn& plugIn = *db.Field(1)->PlugInProps();
    EXPECT_EQ(plugIn.GetPlugInType(), 0x47505378u);
    EXPECT_TRUE(plugIn.GetAutoActivate());
    EXPECT_EQ(plugIn.GetResultField(), 4);
    EXPECT_EQ(plugIn.GetResultFields(), (std::vector<uint16_t>{4, 5, 0, 0, 0, 0, 0, 0, 0, 80}));
    ASSERT_EQ(plugIn.GetParameterCount(), 2);
    EXPECT_EQ(plugIn.GetParameters()[0].kind, 0);
    EXPECT_EQ(plugIn.GetParameters()[0].field, 7);
    EXPECT_EQ(plugIn.GetParameters()[1].kind, 1);
    EXPECT_EQ(plugIn.GetParameters()[1].constant, "abc");
}

TEST_F(ReaderAdvancedTest, RecordTypeAndLengthChecks) {
    PdbFile wrongType = PdbFile::Tabulon();
    wrongType.Record(40).body[0] = 41;
    ExpectRefused(wrongType, "Invalid Record Type");

    // A One To Many record of its type byte only: the block runs into the next records.
    ExpectRefused(WithField(FieldEntry(1, ONE_TO_MANY_T), Bytes{}), "Corrupt Advanced Properties Record");

    // Longer than the body is fine.
    Load(WithField(FieldEntry(1, AUTO_INC_T), Bytes{}.U32(5).Zeros(20)));
    EXPECT_EQ(db.Field(1)->NumberProps()->GetNextValue(), 6);
}

}  // namespace
