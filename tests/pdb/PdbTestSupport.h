// Tabulon files for the reader and writer tests: files built byte by byte for a test to change or
// break, written files read back byte by byte, and the fixture that fills a rich Tabulon.
#pragma once

#include "io/QnException.h"
#include "model/TbObjDB.h"
#include "pdb/TbPDBFormat.h"
#include "pdb/TbPDBReader.h"
#include "pdb/TbPDBWriter.h"
#include "support/Recorders.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pdbtest {

// Bytes in the file's order: numbers big-endian, texts as given.
class Bytes {
public:
    Bytes() = default;
    Bytes(std::initializer_list<int> values) {
        for (int v : values) U8(v);
    }
    explicit Bytes(std::vector<uint8_t> data) : m_data(std::move(data)) {}
    Bytes& U8(int v) { return Repeat(v, 1); }
    Bytes& U16(int v) { return U8(v >> 8).U8(v); }
    Bytes& U32(uint32_t v) { return U16(static_cast<int>(v >> 16)).U16(static_cast<int>(v & 0xFFFF)); }
    Bytes& Str(std::string_view text) { return Raw(text).U8(0); }  // the text and its NUL
    Bytes& Raw(std::string_view text) {
        m_data.insert(m_data.end(), text.begin(), text.end());
        return *this;
    }
    // The text zero-padded (or cut) to size bytes.
    Bytes& Fixed(std::string_view text, size_t size) {
        return Raw(text.substr(0, size)).Zeros(size - std::min(size, text.size()));
    }
    Bytes& Zeros(size_t n) { return Repeat(0, n); }
    Bytes& Repeat(int v, size_t n) {
        m_data.insert(m_data.end(), n, static_cast<uint8_t>(v));
        return *this;
    }
    Bytes& Add(const Bytes& more) {
        m_data.insert(m_data.end(), more.m_data.begin(), more.m_data.end());
        return *this;
    }
    uint8_t& operator[](size_t at) { return m_data.at(at); }
    uint8_t operator[](size_t at) const { return m_data.at(at); }
    size_t Size() const { return m_data.size(); }
    const std::vector<uint8_t>& Data() const { return m_data; }
    void Resize(size_t size) { m_data.resize(size); }
    Bytes Slice(size_t from, size_t to) const {
        return Bytes(std::vector<uint8_t>(m_data.begin() + static_cast<long>(from),
                                          m_data.begin() + static_cast<long>(to)));
    }
    bool operator==(const Bytes&) const = default;
    friend void PrintTo(const Bytes& bytes, std::ostream* out) {  // hex, 16 to a line, 512 at most
        for (size_t i = 0; i < std::min<size_t>(bytes.Size(), 512); ++i)
            *out << (i % 16 ? " " : "\n") << "0123456789ABCDEF"[bytes[i] >> 4]
                 << "0123456789ABCDEF"[bytes[i] & 15];
    }

private:
    std::vector<uint8_t> m_data;
};

// One entry of record 1: FieldEntry(3, TEXT_T, "Name").Default("x").AutoWriter(1).
struct FieldEntry {
    FieldEntry(int number, int type, std::string name = "F")
        : number(number), type(type), name(std::move(name)) {}
    FieldEntry& Default(std::string text) { return defaultValue = std::move(text), *this; }
    FieldEntry& Extra(int value) { return extra = value, *this; }
    FieldEntry& AutoWriter(int code) { return autoWriter = code, *this; }
    FieldEntry& IncDec(int value) { return incDec = value, *this; }
    FieldEntry& Attributes(int value) { return attributes = value, *this; }
    Bytes Encode() const {
        return Bytes{number, type, 0, extra, autoWriter, incDec, attributes}.Zeros(5).Str(name).Str(
            defaultValue);
    }

    int number, type;
    std::string name, defaultValue;
    int extra = 0, autoWriter = 0, incDec = 0, attributes = 0;
};

// A list block: the count, the indexes, the texts.
inline Bytes ListBlock(const std::vector<std::pair<int, std::string>>& items) {
    Bytes bytes{static_cast<int>(items.size())};
    for (const auto& item : items) bytes.U8(item.first);
    for (const auto& item : items) bytes.Str(item.second);
    return bytes;
}

struct Condition {
    int field = 0;
    char op = '=';
    int secondField = 0;
    std::string constant;
};

inline Bytes FilterBlock(const std::string& name, std::vector<Condition> conditions = {}, char logic1 = 0,
                         char logic2 = 0) {
    conditions.resize(3);
    Bytes bytes;
    bytes.Fixed(name, 21);
    for (const Condition& c : conditions) bytes.U8(c.field).U8(c.secondField);
    for (const Condition& c : conditions) bytes.Fixed(c.constant, 20);
    for (const Condition& c : conditions) bytes.U8(c.op);
    return bytes.U8(logic1).U8(logic2).Zeros(4);
}

// A data record: type 87, category, key, the entries, the end mark.
inline Bytes DataRecord(int category, uint32_t key, const Bytes& entries = {}) {
    return Bytes{87, category}.U32(key).Add(entries).U8(0).U8(0);
}

struct PdbRecord {
    Bytes body;
    uint8_t attributes = 0x40;
    uint32_t uniqueId = 0;
    std::optional<uint32_t> offset;  // where the list says the record is; laid out in order otherwise
};

// A Tabulon file built record by record.
class PdbFile {
public:
    // 87 design records: the category field only, one empty tab, no views, no filters, next
    // key 0, record 0 of version 30 with global find on. Design record r has unique ID 0x1000 + r.
    static PdbFile Tabulon() {
        PdbFile file;
        file.records.resize(87);
        for (int r = 0; r < 87; ++r) file.records[r] = PdbRecord{Bytes{r}, 0x40, 0x1000u + r, {}};
        file.records[0].body =
            Bytes{0, 0, 0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0x80}.Zeros(9 + 60 + 40).Str("");
        file.SetFields({});
        file.records[2].body = Bytes{2, 0};
        file.records[83].body = Bytes{83}.U32(0);
        file.records[84].body = Bytes{84, 0, 1}.Str("Tab").U8(60).Zeros(2).U8(0);
        file.records[85].body = Bytes{85, 0};
        file.records[86].body = Bytes{86, 0}.Add(FilterBlock("")).Add(FilterBlock(""));
        return file;
    }
    // Record 1 with the category entry first, then these.
    PdbFile& SetFields(const std::vector<FieldEntry>& entries) {
        Bytes& body = records[1].body = Bytes{1, static_cast<int>(entries.size()) + 1};
        body.Add(FieldEntry(0, 0, "Categories").Encode());
        for (const FieldEntry& entry : entries) body.Add(entry.Encode());
        return *this;
    }
    // The advanced-properties record of a slot: its type byte, then body.
    PdbFile& SetAdvanced(int slot, const Bytes& body) {
        records[slot + 2].body = Bytes{slot + 2}.Add(body);
        return *this;
    }
    PdbFile& AddData(const Bytes& body, uint8_t attributes = 0x40) {
        records.push_back(PdbRecord{body, attributes, 0x2000u + static_cast<uint32_t>(records.size()), {}});
        return *this;
    }
    PdbRecord& Record(int r) { return records.at(r); }
    // Where record r starts when the records are laid out in order after the list.
    uint32_t LaidOutOffset(int r) const {
        uint32_t at = 78 + 8 * static_cast<uint32_t>(records.size()) + 2;
        for (int i = 0; i < r; ++i) at += static_cast<uint32_t>(records[i].body.Size());
        return at;
    }
    std::vector<uint8_t> Build() const {
        Bytes out;
        out.Fixed(name, 32).U16(0x0008).U16(1).U32(0xC0000000).U32(0xC0000100).U32(0).U32(5).U32(appInfo);
        out.U32(0).Raw(type).Raw(creator).U32(0).U32(0).U16(count ? *count
                                                                  : static_cast<int>(records.size()));
        for (size_t r = 0; r < records.size(); ++r) {
            const PdbRecord& record = records[r];
            out.U32(record.offset ? *record.offset : LaidOutOffset(static_cast<int>(r)))
                .U8(record.attributes);
            out.U8(static_cast<int>(record.uniqueId >> 16)).U16(static_cast<int>(record.uniqueId & 0xFFFF));
        }
        out.Zeros(2);
        for (const PdbRecord& record : records) out.Add(record.body);
        return out.Data();
    }
    std::string WriteTo(const TempDir& dir, const std::string& fileName = "MRA_Test.PDB") const {
        WriteBytes(dir.File(fileName), Build());
        return dir.File(fileName);
    }

    std::string name = "MRA_Test";
    std::string type = "data";
    std::string creator = "MNDR";
    uint32_t appInfo = 0;
    std::optional<int> count;  // the header's record count; the number of records otherwise
    std::vector<PdbRecord> records;
};

// Loads the Tabulon at path into db in full, failing the test when the read fails.
inline CTbObjDB& Opened(CTbObjDB& db, const std::string& path) {
    db.SetLocation(path, true);
    EXPECT_EQ(db.Load(false), TB_S_OK) << db.GetLastErrorText();
    return db;
}

// A written file's bytes, read the way a hex editor shows a PDB.
class PdbView {
public:
    explicit PdbView(const std::string& path) : m_bytes(ReadBytes(path)) {}
    const std::vector<uint8_t>& All() const { return m_bytes.Data(); }
    uint8_t U8(size_t at) const { return m_bytes[at]; }
    uint16_t U16(size_t at) const { return static_cast<uint16_t>(U8(at) << 8 | U8(at + 1)); }
    uint32_t U32(size_t at) const { return static_cast<uint32_t>(U16(at)) << 16 | U16(at + 2); }
    std::string Text(size_t at, size_t size) const {
        return std::string(All().begin() + at, All().begin() + at + size);
    }
    uint16_t RecordCount() const { return U16(76); }
    uint32_t Offset(int r) const { return U32(78 + 8 * static_cast<size_t>(r)); }
    uint8_t Attributes(int r) const { return U8(78 + 8 * static_cast<size_t>(r) + 4); }
    uint32_t UniqueId(int r) const { return U32(78 + 8 * static_cast<size_t>(r) + 4) & 0xFFFFFF; }
    // The bytes from the record's offset to the next record's (or the end of the file).
    Bytes Record(int r) const {
        return m_bytes.Slice(Offset(r), r + 1 < RecordCount() ? Offset(r + 1) : All().size());
    }

private:
    Bytes m_bytes;
};

// A test folder, a Tabulon "MRA_Test" that saves into it, and a reader and a writer.
class PdbTest : public ::testing::Test {
protected:
    PdbTest() {
        QnFileException::Instance().Reset();
        db.SetPdbName("MRA_Test");
        db.SetLocation(dir.Path().string(), false);
    }
    // Writes the file and reads it into db, emptied first.
    TbResult Read(const PdbFile& file, int mode = CTbPDBReader::TB_READ_FULL,
                  IProgressIndicator* progress = nullptr) {
        db.Clear();
        db.Reset();
        path = file.WriteTo(dir);
        return reader.Read(db, path, mode, progress);
    }
    void Load(const PdbFile& file, int mode = CTbPDBReader::TB_READ_FULL) {
        ASSERT_EQ(Read(file, mode), TB_S_OK) << reader.GetErrorText();
    }
    // Reads and expects the failure with code -1 and this message.
    void ExpectRefused(const PdbFile& file, const std::string& message) {
        EXPECT_EQ(Read(file), -1) << message;
        EXPECT_EQ(reader.GetErrorText(), message);
    }
    // The record at a position after a read.
    CTbObjRecord& Data(int position) {
        CTbObjRecord* record = db.Records().RecordInStoredOrder(position);
        if (!record) throw std::out_of_range("no such record");
        return *record;
    }

    // The database's file in the test's folder (a read leaves db without a folder of its own).
    std::string FilePath() { return (dir.Path() / std::filesystem::path(db.FullPath()).filename()).string(); }
    // Writes db to FilePath() and fails the test when the writer fails.
    PdbView Written() {
        EXPECT_EQ(writer.Write(db, FilePath(), nullptr), TB_S_OK) << writer.GetErrorText();
        return PdbView(FilePath());
    }
    // Adds a user field and returns it.
    CTbObjField& Add(TbFieldType type, const std::string& name = "F") {
        CTbObjField* field = db.AddField(name, type);
        if (!field) throw std::runtime_error("no free field slot");
        return *field;
    }

    // Fills db with a field of every type but Auto-Increment (whose counter the reader takes as
    // the last value given, so it moves on with each read), 80 used slots, every design record
    // set, and two records: Ann with a value of each type, Bob with values to cut, drop or leave.
    void BuildRichTabulon() {
        db.SetPdbAttributes(TbPdb::kAttrBackup | TbPdb::kAttrNoBeam | 0x8000);
        db.SetPdbVersion(2);
        db.SetCreationDate(0xC1000001);
        db.SetModificationDate(0xC2000002);
        db.SetBackupDate(0xC3000003);
        db.SetModificationNumber(9);
        db.SetUniqueIdSeed(0x00ABCDEF);
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
        db.SetIncludeInGlobalFind(false);
        db.SetStartupScreen("Welcome");
        const char* passwords[] = {"login", "modify", "design",
                                   "view",  "copyr",  "beam"};  // in the order of the kinds
        for (int kind = 0; kind < TbPasswordKindCount; ++kind)
            db.SetStoredPassword(kind, CTbObjDB::Scramble(passwords[kind]));
        db.SetStoredPassword(TB_PASSWORD_BEAM, "0123456789AB");  // longer than the 10 bytes kept
        db.Field(0)->ListProps()->Items().AddItem("Business");
        // The fields.
        CTbObjField& name = Add(TEXT_T, "Name");
        name.TextProps()->SetAutoShift(false);
        name.TextProps()->SetAutoWriter(3);
        name.TextProps()->SetAutoWriterWords({"red", "blue"});
        name.TextProps()->SetDefaultValue("abc");
        name.SetAttributes(0x81);
        name.SetPrintSequence(-2);
        Add(MEMO_T, "Notes");
        Add(INTEGER_T, "Count").NumberProps()->SetDefaultValue("12");
        db.Field(3)->NumberProps()->SetIncDec(1);
        Add(FLOATING_T, "Price").NumberProps()->SetDecimals(2);
        db.Field(4)->NumberProps()->SetDefaultValue("1.5");
        CTbObjListItems& colours = Add(LIST_T, "Colour").ListProps()->Items();
        colours.AddItemWithIndex(7, "Red");
        colours.AddItemWithIndex(2, "Green");
        colours.SetDefaultIndex(7);
        Add(CHECKBOX_T, "Done");
        Add(DATE_T, "When").DateTimeProps()->SetDefaultValue(1);
        Add(TIME_T, "At").DateTimeProps()->SetDefaultValue(2);
        CTbObjFieldExpr& total = *Add(ADV_EXPRESSION_T, "Total").ExprProps();
        total.SetDecimals(1);
        total.SetTokens({3, 92, 86}, {"", "", "2"});
        CTbObjFieldCondExpr& big = *Add(COND_EXP_T, "Big").CondExprProps();
        big.Condition().SetName("C");
        big.Condition().SetCondition(0, 1, TbCompare::Greater, 0, "10");
        big.SetTrueField(2);
        big.SetTrueConstant("yes");
        big.SetTrueColour(TB_GREEN);
        big.SetFalseConstant("no");
        big.SetFalseColour(TB_RED);
        Add(RADIO_T, "Size").ListProps()->SetButtonCount(4);
        db.Field(11)->ListProps()->Items().SetDefaultIndex(12);
        CTbObjFieldJoin& client = *Add(DB_JOIN_T, "Client").JoinProps();
        client.SetSourceDatabase("Clients");
        client.SetJoinField(3);
        client.SetDisplayField(4);
        client.SetViewNumber(1);
        client.SetJoinFieldType(TEXT_T);
        Add(LONG_T, "Big number");
        CTbObjFieldExpr& due = *Add(EXPRESSION_T, "Due").ExprProps();
        due.SetResultFormat(EXPR_RESULT_DATE_DAYS);
        due.SetDecimals(5);
        due.SetTokens({7, 90, 86}, {"", "", "30"});
        CTbObjFieldOTM& orders = *Add(ONE_TO_MANY_T, "Orders").OtmProps();
        orders.SetRelatedDatabase("Rel");
        orders.SetParentField(2);
        orders.SetRelatedField(5);
        orders.SetViewName(std::string(30, 'v'));  // cut to 21 bytes
        orders.SetViewLabel("L");
        orders.SetExtraSetting(-1);
        CTbObjFieldPlugIn& gps = *Add(PLUGIN_T, "GPS").PlugInProps();
        gps.SetPlugInType(0x41424344);
        gps.SetAutoActivate(true);
        gps.SetResultFields({5, 6});
        gps.SetParameters({{0, 7, ""}, {1, 0, "xyz"}});
        Add(IMAGE_T, "Photo").ImageProps()->SetBitsPerPixel(4);
        Add(ADDR_BK_JOIN_T, "Contact");
        Add(ADDR_BK_LOOKUP_T, "Phone");
        Add(DB_LOOKUP_T, "Looked up");
        Add(KEY_T, "Id");
        CTbObjFieldExpr& label = *Add(ADV_EXPRESSION_T, "Label").ExprProps();
        label.SetResultFormat(EXPR_RESULT_TEXT);
        label.SetTokens({88, 90, 88}, {"ab", "", "cd"});
        Add(ADV_EXPRESSION_T, "Empty");
        while (db.UsedFieldCount() < MaxFieldSlots) Add(LONG_T, "More");
        // Next key, form, view and filters.
        db.Records().SetNextKey(0x01020304);
        db.SetFormTabRow(-1);
        CTbObjTabRow& row = *db.Tab(0)->PlaceField(1, 3);
        row.SetReadOnly(true);
        row.SetLabelFont(1);
        row.SetLabelForeground(0x00112233);
        row.SetFieldFont(2);
        row.SetLabelText("Name");
        row.SetPopupHelp("?");
        row.SetImageDisplay(2);  // not an Image field: not written
        db.Tab(0)->PlaceField(LabelRowField, 5)->SetAlignment(1);
        CTbObjTab& second = *db.AddTab();
        second.SetName("Second");
        second.SetFirstColumnWidth(90);
        second.PlaceField(17, 1)->SetImageDisplay(2);
        CTbObjView& view = *db.AddView();
        view.SetName("By name");
        view.AddColumn(1)->SetWidth(80);
        view.AddColumn(2)->SetIdenticalSuppress(true);
        view.SetSortKey(1, 1, 0);
        view.SetSortKey(2, 2, 1);
        view.SetDefaultFilter(13);
        view.SetFrozenColumns(1);
        CTbObjFilter& filter = *db.AddFilter();
        filter.SetName("Big");
        filter.SetCondition(0, 3, TbCompare::GreaterOrEqual, 0, "100");
        filter.SetCondition(1, 4, TbCompare::Equal, 5, "");
        filter.SetLogicOperator(0, TbCompare::And);
        filter.SetLogicOperator(1, TbCompare::Or);
        db.ExternalFilter().SetName("Ext");
        db.QuickFilter().SetCondition(2, 7, TbCompare::ContainsNoCase, 0, std::string(25, 'q'));  // cut to 20
        // Ann and Bob.
        CTbObjRecord& ann = *db.Records().AddRecord(false, false);
        ann.SetKey(0x0A0B0C0D);
        ann.Value(0)->SetShort(3);
        ann.Value(1)->SetText("abc");
        ann.Value(2)->SetText("a\r\nb");
        ann.Value(3)->SetShort(-2);
        ann.Value(4)->SetFloat(1.5f);
        ann.Value(5)->SetShort(2);
        ann.Value(6)->SetChecked(true);
        ann.Value(7)->SetDate(2004, 10, 27);
        ann.Value(8)->SetTime(13, 45, 59);
        ann.Value(9)->SetColour(TB_BLUE);
        ann.Value(9)->SetFloat(-2.0f);
        ann.Value(9)->SetText("-2.0");
        ann.Value(10)->SetColour(TB_RED);
        ann.Value(10)->SetText("big");
        ann.Value(12)->SetType(DATE_T);  // the type a read or a resolution gave the value wins
        ann.Value(12)->SetDate(2004, 10, 27);
        ann.Value(13)->SetLong(0x12345678);
        ann.Value(14)->SetDate(2004, 11, 26);
        ann.Value(17)->SetData({9, 8, 7});
        ann.Value(18)->SetExtraWord(0x00010203);
        ann.Value(18)->SetText("Ann");
        ann.Value(19)->SetText("555");
        ann.Value(22)->SetText("hi");
        ann.Value(80)->SetLong(0x180);
        CTbObjRecord& bob = *db.Records().AddRecord(false, false);
        bob.SetKey(2);
        std::string crs;
        for (int i = 0; i < 200; ++i) crs += "x\r";
        bob.Value(1)->SetText(crs + std::string(100, 't'));  // 300 bytes once the CRs are gone
        bob.Value(2)->SetText(std::string(5000, 'm'));
        bob.Value(19)->SetText(std::string(300, 'z'));
    }

    TempDir dir;
    CTbObjDB db;
    CTbPDBReader reader;
    CTbPDBWriter writer;
    std::string path;
};

}  // namespace pdbtest
