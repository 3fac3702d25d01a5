// Written files read back: the design and the values come back as they were, a file read and
// written again is byte for byte the file written first, and records keep their unique IDs.
#include "WriterTestSupport.h"
#include "pdb/TbPDBFormat.h"
#include "pdb/TbPDBReader.h"

namespace {

struct RoundTripTest : WriterFixture {
    // A Tabulon with a field of most types, a form, a view, filters and two records.
    void BuildRichTabulon() {
        db.SetStartupScreen("Hello");
        db.SetStoredPassword(TB_PASSWORD_MODIFY, CTbObjDB::Scramble("pw"));
        db.SetIncludeInGlobalFind(false);
        db.SetUniqueIdSeed(0x123);
        db.Field(0)->ListProps()->Items().AddItem("Business");
        CTbObjField& text = Add(TEXT_T, "Name");
        text.TextProps()->SetAutoWriter(1);
        text.TextProps()->SetAutoWriterWords({"Ann", "Bob"});
        Add(MEMO_T, "Notes");
        Add(INTEGER_T, "Count").NumberProps()->SetDefaultValue("12");
        Add(FLOATING_T, "Price").NumberProps()->SetDecimals(2);
        CTbObjField& list = Add(LIST_T, "Colour");
        list.ListProps()->Items().AddItem("Red");
        list.ListProps()->Items().AddItem("Green");
        Add(CHECKBOX_T, "Done");
        Add(DATE_T, "When").DateTimeProps()->SetDefaultValue(2);
        Add(TIME_T, "At");
        CTbObjField& expr = Add(ADV_EXPRESSION_T, "Total");
        expr.ExprProps()->SetResultFormat(EXPR_RESULT_FLOATING);
        expr.ExprProps()->SetTokens({3, 92, 4}, {"", "", ""});
        CTbObjField& cond = Add(COND_EXP_T, "Big");
        cond.CondExprProps()->Condition().SetCondition(0, 3, TbCompare::Greater, 0, "10");
        cond.CondExprProps()->SetTrueConstant("yes");
        Add(RADIO_T, "Size").ListProps()->SetButtonCount(3);
        Add(DB_JOIN_T, "Client").JoinProps()->SetSourceDatabase("Clients");
        db.Tab(0)->PlaceField(1, 1)->SetLabelText("Name:");
        CTbObjView& view = *db.AddView();
        view.AddColumn(1);
        view.AddColumn(3);
        view.SetSortKey(1, 3, 1);
        CTbObjFilter& filter = *db.AddFilter();
        filter.SetName("Many");
        filter.SetCondition(0, 3, TbCompare::GreaterOrEqual, 0, "5");

        CTbObjRecord& first = *db.Records().AddRecord(true);
        first.Value(0)->SetShort(1);
        first.Value(1)->SetText("Ann");
        first.Value(2)->SetText("line 1\r\nline 2");
        first.Value(3)->SetShort(-7);
        first.Value(4)->SetFloat(2.25f);
        first.Value(5)->SetShort(2);
        first.Value(6)->SetChecked(true);
        first.Value(7)->SetDate(2004, 10, 27);
        first.Value(8)->SetTime(8, 30, 0);
        first.Value(9)->SetFloat(-15.75f);
        first.Value(9)->SetText("-15.75");
        first.Value(9)->SetColour(TB_RED);
        first.Value(10)->SetText("yes");
        first.Value(11)->SetShort(0);
        first.Value(12)->SetType(TEXT_T);
        first.Value(12)->SetText("ACME");
        db.Records().AddRecord(true)->Value(1)->SetText("Bob");
    }

    // Reads the file at FilePath() into a new database.
    std::unique_ptr<CTbObjDB> ReadBack() {
        auto copy = std::make_unique<CTbObjDB>();
        copy->SetLocation(FilePath(), true);
        EXPECT_EQ(copy->Load(false), TB_S_OK) << copy->GetLastErrorText();
        return copy;
    }
};

TEST_F(RoundTripTest, DesignComesBack) {
    BuildRichTabulon();
    Written();
    std::unique_ptr<CTbObjDB> copy = ReadBack();
    EXPECT_EQ(copy->GetPdbName(), "MRA_Test");
    EXPECT_EQ(copy->GetStartupScreen(), "Hello");
    EXPECT_EQ(copy->GetStoredPassword(TB_PASSWORD_MODIFY), CTbObjDB::Scramble("pw"));
    EXPECT_FALSE(copy->GetIncludeInGlobalFind());
    EXPECT_EQ(copy->GetUniqueIdSeed(), 0x123u);
    EXPECT_EQ(copy->UsedFieldCount(), db.UsedFieldCount());
    for (int slot = 0; slot < MaxFieldSlots; ++slot) {
        EXPECT_EQ(copy->Field(slot)->GetType(), db.Field(slot)->GetType()) << slot;
        EXPECT_EQ(copy->Field(slot)->GetName(), db.Field(slot)->GetName()) << slot;
    }
    EXPECT_EQ(copy->Field(1)->TextProps()->GetAutoWriterWords(), (std::vector<std::string>{"Ann", "Bob"}));
    EXPECT_EQ(copy->Field(3)->NumberProps()->GetDefaultValue(), "12");
    EXPECT_EQ(copy->Field(5)->ListProps()->Items().TextOfIndex(2), "Green");
    EXPECT_EQ(copy->Field(7)->DateTimeProps()->GetDefaultValue(), 2u);
    EXPECT_EQ(copy->Field(9)->ExprProps()->GetTokenTypes(), (std::vector<uint8_t>{3, 92, 4}));
    EXPECT_EQ(copy->Field(10)->CondExprProps()->GetTrueConstant(), "yes");
    EXPECT_EQ(copy->Field(11)->ListProps()->GetButtonCount(), 3);
    EXPECT_EQ(copy->Field(12)->JoinProps()->GetSourceDatabase(), "Clients");
    EXPECT_EQ(copy->Tab(0)->RowAt(1)->GetLabelText(), "Name:");
    ASSERT_EQ(copy->ViewCount(), 1);
    EXPECT_EQ(copy->View(0)->ColumnCount(), 2);
    EXPECT_EQ(copy->View(0)->GetSortKey(1).field, 3);
    ASSERT_EQ(copy->FilterCount(), 1);
    EXPECT_EQ(copy->Filter(0)->GetName(), "Many");
}

TEST_F(RoundTripTest, ValuesComeBack) {
    BuildRichTabulon();
    Written();
    std::unique_ptr<CTbObjDB> copy = ReadBack();
    ASSERT_EQ(copy->Records().Count(true), 2);
    const CTbObjRecord& first = *copy->Records().RecordInStoredOrder(0);
    EXPECT_EQ(first.GetCategory(), 1);
    EXPECT_EQ(first.GetKey(), db.Records().RecordInStoredOrder(0)->GetKey());
    EXPECT_EQ(first.Value(1)->GetText(), "Ann");
    EXPECT_EQ(first.Value(2)->GetText(), "line 1\r\nline 2");
    EXPECT_EQ(first.Value(3)->GetShort(), -7);
    EXPECT_EQ(first.Value(4)->GetFloat(), 2.25f);
    EXPECT_EQ(first.Value(5)->GetShort(), 2);
    EXPECT_TRUE(first.Value(6)->GetChecked());
    EXPECT_EQ(first.Value(7)->PackedDate(), 2004u * 65536 + 10 * 256 + 27);
    EXPECT_EQ(first.Value(8)->PackedTime(), 8u * 65536 + 30 * 256);
    EXPECT_EQ(first.Value(9)->GetFloat(), -15.75f);
    EXPECT_EQ(first.Value(9)->GetColour(), TB_RED);
    EXPECT_EQ(first.Value(10)->GetText(), "yes");
    EXPECT_EQ(first.Value(12)->GetText(), "ACME");
    EXPECT_EQ(copy->Records().RecordInStoredOrder(1)->Value(1)->GetText(), "Bob");
}

TEST_F(RoundTripTest, ReadingAndWritingAgainGivesTheSameBytes) {
    BuildRichTabulon();
    std::vector<uint8_t> first = Written().Bytes();
    std::unique_ptr<CTbObjDB> copy = ReadBack();
    CTbPDBWriter writer;
    ASSERT_EQ(writer.Write(*copy, FilePath(), nullptr), TB_S_OK) << writer.GetErrorText();
    EXPECT_EQ(ReadBytes(FilePath()), first);
}

TEST_F(RoundTripTest, BackupBitIsGoneAfterARoundTrip) {
    Written();
    EXPECT_EQ(ReadBack()->GetPdbAttributes() & TbPdb::kAttrBackup, 0);
}

TEST_F(RoundTripTest, RecordsKeepTheirIdsPastADeletedOne) {
    Add(INTEGER_T);
    for (int i = 0; i < 3; ++i) db.Records().AddRecord(true)->Value(1)->SetShort(static_cast<int16_t>(i));
    std::vector<uint8_t> bytes = Written().Bytes();
    // Records 87, 88 and 89 get IDs 100, 101 and 102; 88 is marked deleted.
    for (int r = 87; r <= 89; ++r) {
        size_t entry = 78 + 8 * static_cast<size_t>(r);
        bytes[entry + 4] = r == 88 ? TbPdb::kRecordDeleted : TbPdb::kRecordDirty;
        bytes[entry + 5] = 0, bytes[entry + 6] = 0, bytes[entry + 7] = static_cast<uint8_t>(100 + r - 87);
    }
    WriteBytes(FilePath(), bytes);

    std::unique_ptr<CTbObjDB> copy = ReadBack();
    ASSERT_EQ(copy->Records().Count(true), 2);
    CTbPDBWriter writer;
    ASSERT_EQ(writer.Write(*copy, FilePath(), nullptr), TB_S_OK);
    PdbBytes file = PdbBytes::FromFile(FilePath());
    ASSERT_EQ(file.RecordCount(), 89);
    EXPECT_EQ(file.UniqueId(87), 100u);
    EXPECT_EQ(file.UniqueId(88), 102u);
    EXPECT_EQ(file.Record(88)[9], 2) << "the third record's value";
}

TEST_F(RoundTripTest, ListSelectionZeroReadsBackAsZero) {
    Add(LIST_T).ListProps()->Items().AddItem("a");
    db.Records().AddRecord(true, false)->Value(1)->SetShort(0);
    Written();
    EXPECT_EQ(ReadBack()->Records().RecordInStoredOrder(0)->Value(1)->GetShort(), 0);
}

TEST_F(RoundTripTest, ValueOfField80ComesBack) {
    for (int i = 0; i < MaxUserFields; ++i) Add(LONG_T);
    db.Records().AddRecord(true, false)->Value(80)->SetLong(-123456);
    Written();
    EXPECT_EQ(ReadBack()->Records().RecordInStoredOrder(0)->Value(80)->GetLong(), -123456);
}

TEST_F(RoundTripTest, SaveAfterLoadReplacesTheFileAndKeepsItsIds) {
    BuildRichTabulon();
    Written();
    std::unique_ptr<CTbObjDB> copy = ReadBack();
    std::vector<uint32_t> ids = copy->UniqueIds();
    copy->Records().RecordInStoredOrder(1)->Value(1)->SetText("Bobby");
    ASSERT_EQ(copy->Save(), TB_S_OK) << copy->Writer().GetErrorText();
    EXPECT_EQ(copy->UniqueIds(), ids);
    EXPECT_EQ(ReadBack()->Records().RecordInStoredOrder(1)->Value(1)->GetText(), "Bobby");
}

}  // namespace
