// Reading damaged files: records passed over and values dropped, cut or ended
// at their record's end, each kept as a warning with its record; and a save of
// what was read reads back clean.
#include "PdbTestSupport.h"

namespace {

using namespace pdbtest;
using ReaderDamageTest = PdbTest;

// Name (Text) and Age (Integer); Anna 42, Bob 7, Cy; a startup screen "Hi".
PdbFile People() {
    PdbFile file = PdbFile::Tabulon();
    file.Record(0).body.Resize(file.Record(0).body.Size() - 1);
    file.Record(0).body.Str("Hi");
    file.SetFields({FieldEntry(1, TEXT_T, "Name"), FieldEntry(2, INTEGER_T, "Age")});
    file.AddData(DataRecord(0, 1, Bytes{1, 1, 4}.Str("Anna").Add(Bytes{2, 2}.U16(42))));
    file.AddData(DataRecord(0, 2, Bytes{1, 1, 3}.Str("Bob").Add(Bytes{2, 2}.U16(7))));
    file.AddData(DataRecord(0, 3, Bytes{1, 1, 2}.Str("Cy")));
    return file;
}

// Record 87 ("Anna") without its end mark, and without that many more bytes.
void CutAnna(PdbFile& f, size_t bytes) { f.Record(87).body.Resize(f.Record(87).body.Size() - 2 - bytes); }

using Kind = TbLoadWarningKind;

struct Damage {
    const char* name;
    void (*damage)(PdbFile&);
    Kind kind;
    int record;
    const char* names;     // the Name of each record read
    const char* annasAge;  // "" when dropped
};

const Damage kDamages[] = {
    {"offset past the end", [](PdbFile& f) { f.Record(88).offset = 1u << 20; }, Kind::RecordOutOfRange, 88,
     "Anna Cy", "42"},
    {"offset into the header", [](PdbFile& f) { f.Record(88).offset = 40; }, Kind::RecordOutOfRange, 88,
     "Anna Cy", "42"},
    {"offset back onto another record", [](PdbFile& f) { f.Record(89).offset = f.LaidOutOffset(87); },
     Kind::RecordOverlaps, 89, "Anna Bob", "42"},
    {"wrong type", [](PdbFile& f) { f.Record(88).body[0] = 86; }, Kind::RecordWrongType, 88, "Anna Cy", "42"},
    // The text keeps what comes before its first NUL.
    {"text length 255", [](PdbFile& f) { f.Record(87).body[8] = 255; }, Kind::TextCut, 87, "Anna Bob Cy", ""},
    {"no end mark", [](PdbFile& f) { CutAnna(f, 0); }, Kind::ValuePastEnd, 87, "Anna Bob Cy", "42"},
    {"number cut short", [](PdbFile& f) { CutAnna(f, 1); }, Kind::ValuePastEnd, 87, "Anna Bob Cy", ""},
    {"startup text without terminator",
     [](PdbFile& f) { f.Record(0).body.Resize(f.Record(0).body.Size() - 1); }, Kind::TextUnterminated, 0,
     "Anna Bob Cy", "42"},
    {"name without terminator", [](PdbFile& f) { f.name = std::string(32, 'N'); }, Kind::TextUnterminated, -1,
     "Anna Bob Cy", "42"},
};

// The Name of each record in stored order, separated by spaces.
std::string Names(CTbObjDB& db) {
    std::string names;
    for (int i = 0; i < db.Records().Count(true); ++i)
        names.append(i ? " " : "").append(db.Records().RecordInStoredOrder(i)->Value(1)->GetText());
    return names;
}

TEST_F(ReaderDamageTest, EachDamageIsPassedOverOrRepairedWithAWarningAndASaveReadsBackClean) {
    Load(People());
    EXPECT_TRUE(db.LoadWarnings().empty());
    EXPECT_EQ(db.GetStartupScreen(), "Hi");
    for (const Damage& d : kDamages) {
        SCOPED_TRACE(d.name);
        PdbFile file = People();
        d.damage(file);
        Load(file);
        ASSERT_EQ(db.LoadWarnings().size(), 1u);
        const TbLoadWarning& warning = db.LoadWarnings()[0];
        EXPECT_EQ(warning.kind, d.kind);
        EXPECT_EQ(warning.record, d.record);
        EXPECT_EQ(warning.text.rfind(d.record < 0 ? "Header" : "Record " + std::to_string(d.record), 0), 0u)
            << warning.text;
        EXPECT_EQ(Names(db), d.names);
        const CTbObjRecordValue& age = *db.Records().RecordInStoredOrder(0)->Value(2);
        EXPECT_EQ(age.HasValue() ? std::to_string(age.GetShort()) : "", d.annasAge);
        EXPECT_EQ(db.GetStartupScreen(), "Hi");

        db.SetLocation(path, true);
        db.SetLoadState(TB_LOAD_FULL);
        ASSERT_EQ(db.Save(), TB_S_OK) << db.Writer().GetErrorText();
        EXPECT_TRUE(db.LoadWarnings().empty()) << "the file now holds what the Tabulon holds";
        CTbObjDB again;
        ASSERT_EQ(reader.Read(again, path, CTbPDBReader::TB_READ_FULL, nullptr), TB_S_OK);
        EXPECT_TRUE(again.LoadWarnings().empty());
        EXPECT_EQ(Names(again), d.names);
    }
}

TEST_F(ReaderDamageTest, TheLastRecordCutShortStillFailsAsAShortRead) {
    PdbFile file = People();
    file.Record(89).body.Resize(file.Record(89).body.Size() - 2);
    ExpectRefused(file, "Couldn't read in all bytes in ReadN()");
}

}  // namespace
