// Reading the records of a Tabulon: each refusal with its message, and what the reader makes of
// bytes the writer never produces (lenient lengths, odd defaults, masks, damaged lists, LF).
#include "PdbTestSupport.h"

namespace {

using namespace pdbtest;
using ReaderRecordsTest = PdbTest;

// A Tabulon with record r's body replaced, or one byte of it changed.
PdbFile WithRecord(int r, const Bytes& body) {
    PdbFile file = PdbFile::Tabulon();
    file.Record(r).body = body;
    return file;
}
PdbFile Patched(int r, size_t at, int value) {
    PdbFile file = PdbFile::Tabulon();
    file.Record(r).body[at] = static_cast<uint8_t>(value);
    return file;
}

// A Tabulon whose slot of entry has its type and this advanced-properties body.
PdbFile WithField(const FieldEntry& entry, const Bytes& body) {
    PdbFile file = PdbFile::Tabulon();
    file.SetFields({entry});
    file.SetAdvanced(entry.number, body);
    return file;
}

// A Tabulon with these fields and one data record holding these entries. The extra attribute
// of an expression field's entry is its result format.
PdbFile OneRecord(const std::vector<FieldEntry>& fields, const Bytes& entries) {
    PdbFile file = PdbFile::Tabulon();
    file.SetFields(fields);
    for (const FieldEntry& field : fields) {
        if (field.type == LIST_T || field.type == RADIO_T)
            file.SetAdvanced(field.number, ListBlock({{1, "One"}, {7, "Seven"}}));
        else if (field.type == EXPRESSION_T || field.type == ADV_EXPRESSION_T)
            file.SetAdvanced(field.number, Bytes{field.extra}.Zeros(field.type == EXPRESSION_T ? 180 : 48));
    }
    file.AddData(DataRecord(2, 0x01020304, entries));
    return file;
}

// A record of a type, head bytes and a counted list of items: tabs, views.
Bytes Counted(std::initializer_list<int> head, const std::vector<Bytes>& items) {
    Bytes body(head);
    body.U8(static_cast<int>(items.size()));
    for (const Bytes& item : items) body.Add(item);
    return body;
}

// A tab named T with one row placing field at position 3.
Bytes Tab(int labelFont = 0, int fieldFont = 0, int field = 1, int attributes = 0) {
    Bytes tab = Bytes{}.Str("T").U8(60).Zeros(2).U8(1).U8(field).U8(3).U8(labelFont);
    return tab.U32(0).U32(0).U8(fieldFont).U32(0).U32(0).U8(attributes).Zeros(2).Str("Label").Str("");
}

Bytes View(std::vector<int> sort = {0, 0, 0, 0, 0, 0}, int defaultFilter = 0, std::vector<int> columns = {}) {
    Bytes view = Bytes{}.Fixed("V", 21);
    for (int byte : sort) view.U8(byte);
    view.U16(defaultFilter).U8(1).U8(9).Zeros(6).U8(static_cast<int>(columns.size()));
    for (int field : columns) view.U8(field).U8(field * 10).U8(field % 2).Zeros(2);
    return view;
}

Bytes Conditional(int falseColour) {
    Bytes block = FilterBlock("cond", {Condition{2, 'J', 0, "10"}}).U8(3).Fixed("big", 21).U8(TB_RED);
    return block.U8(-1).Fixed("small", 21).U8(falseColour);
}

TEST_F(ReaderRecordsTest, EachRefusalHasItsMessage) {
    const char* kTabs = "Invalid tab count - must have at least one tab (Tab 0) and up to 14";
    const char* kCorrupt = "Corrupt Advanced Properties Record";
    const char* kNoExpression = "Could not read expression object from internal object model.";
    const char* kTextExpression = "Invalid expression return type for (old) expressions.";
    Bytes cutExpression = Bytes{0, 2, 90, 3}.Zeros(45 + 22);  // three values in use, the third cut
    std::pair<PdbFile, const char*> cases[] = {
        {Patched(0, 0, 1), "Record 0: Invalid Record Type"},
        {Patched(1, 0, 0), "Invalid Record Type - Record 1 not valid"},
        {PdbFile::Tabulon().SetFields({FieldEntry(81, TEXT_T)}),
         "Invalid field number in field properties record."},
        {Patched(40, 0, 41), "Invalid Record Type"},
        {WithField(FieldEntry(1, ONE_TO_MANY_T), Bytes{}), kCorrupt},
        {WithField(FieldEntry(1, EXPRESSION_T), Bytes{14}.Zeros(180)), "Invalid expresssion result type"},
        {WithField(FieldEntry(1, ADV_EXPRESSION_T), cutExpression), kCorrupt},
        {WithField(FieldEntry(1, COND_EXP_T), Conditional(5)),
         "Invalid color on a conditional expression field."},
        {Patched(83, 0, 84), "Invalid Record Type"},
        {WithRecord(84, Counted({84, 0}, {})), kTabs},
        {WithRecord(84, Counted({84, 0}, std::vector<Bytes>(16, Tab()))), kTabs},
        {WithRecord(84, Counted({84, 0}, {Tab(4, 0)})), "Invalid label font setting on a tab row."},
        {WithRecord(84, Counted({84, 0}, {Tab(0, 4)})), "Invalid field font setting on a tab row."},
        {Patched(85, 0, 86), "Invalid database format - view record invalid type."},
        {WithRecord(85, Counted({85}, std::vector<Bytes>(13, View()))),
         "Could not create a new view in the internal object model."},
        {Patched(86, 0, 85), "Filters data record has an invalid record type."},
        {OneRecord({}, Bytes{2, 81, 0, 1}), "Invalid field number in data record."},
        {OneRecord({FieldEntry(1, MEMO_T)}, Bytes{10, 1, 0xFF, 0xFF}.Raw("abc")),
         "Couldn't read in all bytes in ReadN()"},
        {OneRecord({FieldEntry(1, EXPRESSION_T).Extra(EXPR_RESULT_TEXT)}, Bytes{9, 1, 0, 0, 0, 0}),
         kTextExpression},
        {OneRecord({FieldEntry(1, TEXT_T)}, Bytes{9, 1, 0, 0, 0, 0}), kNoExpression},
        {OneRecord({FieldEntry(1, TEXT_T)}, Bytes{22, 1, 0, 0, 0, 0, 0, 0}), kNoExpression},
    };
    for (const auto& [file, message] : cases) {
        SCOPED_TRACE(message);
        ExpectRefused(file, message);
    }
}

TEST_F(ReaderRecordsTest, RecordZeroIsStoredBeforeItsVersionCheckAndTakesAnyNonZeroAsOn) {
    PdbFile file = PdbFile::Tabulon();
    file.Record(0).body[7] = 31;
    ExpectRefused(file, "Version of Tabulon is higher than this component can read!");
    EXPECT_EQ(db.GetDbVersion(), 31);
    EXPECT_EQ(Read(file, CTbPDBReader::TB_READ_CONTINUE), -1) << "a continued read checks it too";
    EXPECT_EQ(reader.GetErrorText(), "Version of Tabulon is higher than this component can read!");
    EXPECT_EQ(db.GetDbVersion(), 30) << "but stores nothing";

    file.Record(0).body[3] = 7;  // report amount type: any value but 0 is percent
    file.Record(0).body[7] = 29;
    file.Record(0).body[14] = 0x7F;                            // only the top bit is global find
    std::string scrambled = CTbObjDB::Scramble("0123456789");  // ten bytes: no terminator
    for (size_t i = 0; i < 10; ++i) file.Record(0).body[24 + i] = static_cast<uint8_t>(scrambled[i]);
    Load(file);
    EXPECT_TRUE(db.GetReportAmountType());
    EXPECT_EQ(db.GetDbVersion(), 29);
    EXPECT_FALSE(db.GetIncludeInGlobalFind());
    EXPECT_TRUE(db.SetEnteredPassword(TB_PASSWORD_LOGIN, "0123456789"));
}

TEST_F(ReaderRecordsTest, FieldEntriesKeepOnlyWhatTheirTypeUses) {
    PdbFile file = PdbFile::Tabulon();
    file.SetFields({FieldEntry(1, CHECKBOX_T).Attributes(0xC0), FieldEntry(2, MEMO_T).Extra(1).AutoWriter(9),
                    FieldEntry(3, INTEGER_T).Extra(5).IncDec(1), FieldEntry(4, AUTO_INC_T).IncDec(1),
                    FieldEntry(5, DATE_T).Default("Updated"), FieldEntry(6, TIME_T).Default("x"),
                    FieldEntry(7, LIST_T).Default("\x03"), FieldEntry(8, LIST_T).Default(""),
                    FieldEntry(9, RADIO_T).Default("3")});
    file.Record(1).body[3] = TEXT_T;  // slot 0 is the category list whatever its entry says
    for (int slot : {7, 8, 9}) file.SetAdvanced(slot, ListBlock({}));
    Load(file);
    EXPECT_EQ(db.Field(0)->GetType(), LIST_T);
    EXPECT_EQ(db.Field(1)->GetAttributes(), 0x80) << "only the global find bit is taken";
    EXPECT_FALSE(db.Field(2)->TextProps()->GetAutoShift());
    EXPECT_EQ(db.Field(2)->TextProps()->GetAutoWriter(), 0) << "an invalid separator is stored as 0";
    EXPECT_EQ(db.Field(3)->NumberProps()->GetDecimals(), 3) << "the extra attribute is for Float only";
    EXPECT_EQ(db.Field(3)->NumberProps()->GetIncDec(), 1);
    EXPECT_EQ(db.Field(4)->NumberProps()->GetIncDec(), 0) << "not an increment/decrement type";
    EXPECT_EQ(db.Field(5)->DateTimeProps()->GetDefaultValue(), 2u) << "only the first character counts";
    EXPECT_EQ(db.Field(6)->DateTimeProps()->GetDefaultValue(), 0u);
    EXPECT_EQ(db.Field(7)->ListProps()->Items().GetDefaultIndex(), 3) << "a List default is a byte";
    EXPECT_EQ(db.Field(8)->ListProps()->Items().GetDefaultIndex(), 0);
    EXPECT_EQ(db.Field(9)->ListProps()->Items().GetDefaultIndex(), 3) << "a Radio default is text";
}

TEST_F(ReaderRecordsTest, ShortOrOddAdvancedRecordsAreToleratedAsTheHandheldLeavesThem) {
    Load(WithField(FieldEntry(1, RADIO_T), Bytes{3, 1, 2, 3, 0, 0}));  // one byte short of three items
    EXPECT_EQ(db.Field(1)->ListProps()->Items().Count(), 0);
    Load(WithField(FieldEntry(1, MEMO_T), ListBlock({{1, "alpha"}})));
    EXPECT_EQ(db.Field(1)->TextProps()->Words().Count(), 0) << "the auto-writer is off";
    Load(WithField(FieldEntry(1, AUTO_INC_T), Bytes{}.U32(41).Zeros(20)));
    EXPECT_EQ(db.Field(1)->NumberProps()->GetNextValue(), 42) << "a longer record is fine";
    Load(WithField(FieldEntry(1, AUTO_INC_T), Bytes{0}));
    EXPECT_EQ(db.Field(1)->NumberProps()->GetNextValue(), 1) << "a 2-byte record holds no counter";

    Load(WithField(FieldEntry(1, COND_EXP_T), Conditional(TB_YELLOW)));
    EXPECT_EQ(db.Field(1)->CondExprProps()->GetFalseField(), 0xFFFF) << "passed on as read, -1";
    Bytes shortConditional = Conditional(TB_BLUE);
    shortConditional.Resize(136);  // 137 bytes with the type byte
    Load(WithField(FieldEntry(1, COND_EXP_T), shortConditional));
    EXPECT_EQ(db.Field(1)->CondExprProps()->GetTrueConstant(), "");
}

TEST_F(ReaderRecordsTest, AutoWriterWordsKeepTheIndexesTheHandheldGaveThem) {
    Bytes words = ListBlock({{2, "alpha"}, {5, "beta"}});
    Load(WithField(FieldEntry(1, MEMO_T).AutoWriter(1), words));
    const CTbObjListItems& read = db.Field(1)->TextProps()->Words();
    ASSERT_EQ(read.Count(), 2);
    EXPECT_EQ(read.TextOfIndex(5), "beta");
    EXPECT_EQ(Written().Record(3), Bytes{3}.Add(words));
}

TEST_F(ReaderRecordsTest, FormsViewsAndFiltersAsTheHandheldLeavesThem) {
    PdbFile file = PdbFile::Tabulon();
    file.SetFields({FieldEntry(1, IMAGE_T), FieldEntry(2, TEXT_T)});
    file.Record(84).body = Counted({84, 0}, {Tab(0, 0, 1, 0xC0), Tab(0, 0, 2, 0xC0)});
    file.Record(85).body =
        Counted({85}, {View({2, 7, 0, 1, 0, 0}, 0x0006, {1, 2})});  // field 7 has no column
    file.Record(86).body =
        Bytes{86, 1}.Add(FilterBlock("Big", {{3, 'x', 5, "100"}})).Add(FilterBlock("")).Add(FilterBlock(""));
    Load(file);

    EXPECT_EQ(db.Tab(0)->RowAt(3)->GetImageDisplay(), 2u) << "bits 5-6 of an Image field's row";
    EXPECT_EQ(db.Tab(1)->RowAt(3)->GetImageDisplay(), 0u) << "other fields have no image display";
    EXPECT_TRUE(db.Tab(1)->RowAt(3)->GetReadOnly());
    const CTbObjView& view = *db.View(0);
    EXPECT_EQ(view.GetSortKey(1).field, 2);
    EXPECT_EQ(view.GetSortKey(2).field, 0) << "cleared: the view has no column of field 7";
    EXPECT_EQ(view.GetDefaultFilter(), 1) << "the lowest bit set";
    EXPECT_EQ(db.Filter(0)->GetCondition(0).op, 'x') << "an unknown operator is kept";

    for (auto [mask, index] : std::vector<std::pair<int, int>>{
             {0x0000, NoFilter}, {0x0004, 2}, {0xC000, NoFilter}, {0x2000, 13}}) {
        file.Record(85).body = Counted({85}, {View({0, 0, 0, 0, 0, 0}, mask)});
        Load(file);
        EXPECT_EQ(db.View(0)->GetDefaultFilter(), index) << mask;
    }
    file.Record(84).body = Counted({84, 0}, std::vector<Bytes>(15, Tab()));
    Load(file);
    EXPECT_EQ(db.TabCount(), 15);
}

TEST_F(ReaderRecordsTest, DataValuesAsTheHandheldLeavesThem) {
    Bytes entries{1, 5, 0, 0};                           // an empty text
    entries.Add(Bytes{10, 6}.U16(3).Raw("a\nb").U8(0));  // LF in a memo
    entries.Add(Bytes{5, 1, 0xFF}).Add(Bytes{5, 3, 7});  // list selections
    entries.Add(Bytes{7, 2, 0, 0, 0, 0});                // no date
    entries.Add(Bytes{22, 4, 9, 0, 0, 0, 0, 0});         // a colour outside 0-4, an empty text
    entries.Add(Bytes{19, 7, TB_RED, 0, 0});             // a zero length still has its NUL
    entries.Add(Bytes{12, 8, MEMO_T}).Add(Bytes{12, 9, KEY_T}.U32(99));  // join values by the original type
    entries.Add(Bytes{30, 200}).Add(Bytes{0, 6});                        // unknown types: no value bytes
    entries.Add(Bytes{1, 10, 1}).Raw("z").U8(0);
    entries.Add(Bytes{22, 11, TB_GREEN, 0, 13, 45, 59, 0});  // a time result, an empty text
    Load(OneRecord(
        {FieldEntry(1, LIST_T), FieldEntry(2, DATE_T), FieldEntry(3, LIST_T),
         FieldEntry(4, ADV_EXPRESSION_T).Extra(EXPR_RESULT_TEXT), FieldEntry(5, TEXT_T),
         FieldEntry(6, MEMO_T), FieldEntry(7, COND_EXP_T), FieldEntry(8, DB_JOIN_T), FieldEntry(9, DB_JOIN_T),
         FieldEntry(10, TEXT_T), FieldEntry(11, ADV_EXPRESSION_T).Extra(EXPR_RESULT_TIME)},
        entries));
    CTbObjRecord& record = Data(0);
    EXPECT_TRUE(record.Value(5)->HasValue());
    EXPECT_EQ(record.Value(5)->GetText(), "");
    EXPECT_EQ(record.Value(6)->GetText(), "a\r\nb");
    EXPECT_EQ(record.Value(1)->GetShort(), -1) << "0xFF is sign-extended";
    EXPECT_EQ(record.Value(1)->GetText(), "");
    EXPECT_EQ(record.Value(3)->GetText(), "Seven");
    EXPECT_FALSE(record.Value(2)->HasValue()) << "0 0 0 0 is no date";
    EXPECT_EQ(record.Value(4)->GetColour(), TB_BLACK) << "a colour outside 0-4 is black";
    EXPECT_EQ(record.Value(7)->GetText(), "");
    EXPECT_EQ(record.Value(7)->GetColour(), TB_RED);
    EXPECT_EQ(record.Value(8)->GetType(), MEMO_T) << "no value bytes, but the type is taken";
    EXPECT_EQ(record.Value(9)->GetType(), KEY_T);
    EXPECT_EQ(record.Value(9)->GetLong(), 99);
    EXPECT_EQ(record.Value(10)->GetText(), "z") << "reading went on after the unknown types";
    EXPECT_EQ(record.Value(11)->PackedTime(), 13u * 65536 + 45 * 256 + 59);
    EXPECT_EQ(record.Value(11)->GetColour(), TB_GREEN);
}

}  // namespace
