// Builds Tabulon files byte by byte for the reader tests: the header, the record list and the
// record bodies, each of which a test may change or break; and a fixture that reads them.
#pragma once

#include "io/QnException.h"
#include "model/IProgressIndicator.h"
#include "model/TbObjDB.h"
#include "pdb/TbPDBReader.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace readertest {

// Bytes in the file's order: numbers big-endian, texts as given.
class Bytes {
public:
    Bytes() = default;
    Bytes(std::initializer_list<int> values) {
        for (int v : values) U8(v);
    }
    Bytes& U8(int v) { return Push(static_cast<uint8_t>(v)); }
    Bytes& U16(int v) { return U8(v >> 8).U8(v); }
    Bytes& U32(uint32_t v) { return U16(static_cast<int>(v >> 16)).U16(static_cast<int>(v & 0xFFFF)); }
    // The text and its NUL.
    Bytes& Str(std::string_view text) { return Raw(text).U8(0); }
    Bytes& Raw(std::string_view text) {
        for (char c : text) Push(static_cast<uint8_t>(c));
        return *this;
    }
    // The text zero-padded (or cut) to size bytes.
    Bytes& Fixed(std::string_view text, size_t size) {
        return Raw(text.substr(0, size)).Zeros(size - std::min(size, text.size()));
    }
    Bytes& Zeros(size_t n) { return Repeat(0, n); }
    Bytes& Repeat(int v, size_t n) {
        for (size_t i = 0; i < n; ++i) U8(v);
        return *this;
    }
    Bytes& Add(const Bytes& more) {
        m_data.insert(m_data.end(), more.m_data.begin(), more.m_data.end());
        return *this;
    }
    uint8_t& operator[](size_t at) { return m_data.at(at); }
    size_t Size() const { return m_data.size(); }
    const std::vector<uint8_t>& Data() const { return m_data; }
    void Resize(size_t size) { m_data.resize(size); }

private:
    Bytes& Push(uint8_t byte) {
        m_data.push_back(byte);
        return *this;
    }
    std::vector<uint8_t> m_data;
};

struct PdbRecord {
    Bytes body;
    uint8_t attributes = 0x40;
    uint32_t uniqueId = 0;
    std::optional<uint32_t> offset;  // where the list says the record is; laid out in order otherwise
};

// Record 0 of version 30: every setting 0, global find on, no passwords, no startup screen.
inline Bytes HeaderRecord() {
    Bytes body{0, 0, 0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0x80};
    return body.Zeros(9 + 60 + 40).Str("");
}

// One entry of record 1: FieldEntry(3, TEXT_T, "Name").Default("x").AutoWriter(1).
struct FieldEntry {
    FieldEntry(int number, int type, std::string name = "F")
        : number(number), type(type), name(std::move(name)) {}
    FieldEntry& Default(std::string text) { return defaultValue = std::move(text), *this; }
    FieldEntry& Extra(int value) { return extra = value, *this; }
    FieldEntry& AutoWriter(int code) { return autoWriter = code, *this; }
    FieldEntry& IncDec(int value) { return incDec = value, *this; }
    FieldEntry& Attributes(int value) { return attributes = value, *this; }
    FieldEntry& PrintSequence(int value) { return printSequence = value, *this; }

    Bytes Encode() const {
        Bytes bytes{number, type, printSequence, extra, autoWriter, incDec, attributes};
        return bytes.Zeros(5).Str(name).Str(defaultValue);
    }

    int number;
    int type;
    std::string name;
    std::string defaultValue;
    int extra = 0;
    int autoWriter = 0;
    int incDec = 0;
    int attributes = 0;
    int printSequence = 0;
};

inline Bytes FieldRecord(const std::vector<FieldEntry>& entries) {
    Bytes body{1, static_cast<int>(entries.size())};
    for (const FieldEntry& entry : entries) body.Add(entry.Encode());
    return body;
}

// A list block: the count, the indexes, the texts.
inline Bytes ListBlock(const std::vector<std::pair<int, std::string>>& items) {
    Bytes bytes{static_cast<int>(items.size())};
    for (const auto& item : items) bytes.U8(item.first);
    for (const auto& item : items) bytes.Str(item.second);
    return bytes;
}

// One condition of a filter block.
struct Condition {
    int field = 0;
    char op = '=';
    int secondField = 0;
    std::string constant;
};

inline Bytes FilterBlock(const std::string& name, const std::vector<Condition>& conditions = {},
                         char logic1 = 'A', char logic2 = 'O') {
    std::vector<Condition> all = conditions;
    all.resize(3);
    Bytes bytes;
    bytes.Fixed(name, 21);
    for (const Condition& c : all) bytes.U8(c.field).U8(c.secondField);
    for (const Condition& c : all) bytes.Fixed(c.constant, 20);
    for (const Condition& c : all) bytes.U8(c.op);
    return bytes.U8(logic1).U8(logic2).Zeros(4);
}

// A data record: type 87, category, key, the entries, the end mark.
inline Bytes DataRecord(int category, uint32_t key, const Bytes& entries = {}) {
    Bytes body{87, category};
    return body.U32(key).Add(entries).U8(0).U8(0);
}

class PdbFile {
public:
    // A valid Tabulon of 87 design records: the category field only, one empty tab, no views,
    // no filters, next key 0. Design record r has unique ID 0x1000 + r.
    static PdbFile Tabulon() {
        PdbFile file;
        file.records.resize(87);
        for (int r = 0; r < 87; ++r) {
            file.records[r].body = Bytes{r};
            file.records[r].uniqueId = 0x1000u + r;
        }
        file.records[0].body = HeaderRecord();
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
        std::vector<FieldEntry> all{FieldEntry(0, 0, "Categories")};
        all.insert(all.end(), entries.begin(), entries.end());
        records[1].body = FieldRecord(all);
        return *this;
    }
    // The advanced-properties record of a slot: its type byte, then body.
    PdbFile& SetAdvanced(int slot, const Bytes& body) {
        records[slot + 2].body = Bytes{slot + 2}.Add(body);
        return *this;
    }
    PdbFile& AddData(const Bytes& body, uint8_t attributes = 0x40) {
        PdbRecord record;
        record.body = body;
        record.attributes = attributes;
        record.uniqueId = 0x2000u + static_cast<uint32_t>(records.size());
        records.push_back(record);
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
        out.Fixed(name, 32).U16(attributes).U16(version).U32(created).U32(modified).U32(backedUp);
        out.U32(modificationNumber).U32(appInfo).U32(0).Raw(type).Raw(creator).U32(seed).U32(0);
        out.U16(count ? *count : static_cast<int>(records.size()));
        uint32_t at = 78 + 8 * static_cast<uint32_t>(records.size()) + 2;
        for (const PdbRecord& record : records) {
            out.U32(record.offset ? *record.offset : at).U8(record.attributes);
            out.U8(static_cast<int>(record.uniqueId >> 16)).U16(static_cast<int>(record.uniqueId & 0xFFFF));
            at += static_cast<uint32_t>(record.body.Size());
        }
        out.Zeros(2);
        for (const PdbRecord& record : records) out.Add(record.body);
        return out.Data();
    }
    std::string WriteTo(const TempDir& dir, const std::string& fileName = "MRA_Test.PDB") const {
        std::string path = dir.File(fileName);
        WriteBytes(path, Build());
        return path;
    }

    std::string name = "MRA_Test";
    uint16_t attributes = 0x0008;
    uint16_t version = 1;
    uint32_t created = 0xC0000000;
    uint32_t modified = 0xC0000100;
    uint32_t backedUp = 0;
    uint32_t modificationNumber = 5;
    uint32_t appInfo = 0;
    std::string type = "data";
    std::string creator = "MNDR";
    uint32_t seed = 0;
    std::optional<int> count;  // the header's record count; the number of records otherwise
    std::vector<PdbRecord> records;
};

// Records every progress call as one line of text: "SetRange 90", "Step 1", "SetText ...".
class ProgressLog : public IProgressIndicator {
public:
    void Begin() override { calls.push_back("Begin"); }
    void End() override { calls.push_back("End"); }
    void SetRange(int n) override { calls.push_back("SetRange " + std::to_string(n)); }
    void Step(int k) override { calls.push_back("Step " + std::to_string(k)); }
    void SetText(const std::string& text) override { calls.push_back("SetText " + text); }
    std::vector<std::string> calls;
};

// Writes a file into a test folder and reads it into a fresh db.
class ReaderTest : public ::testing::Test {
protected:
    void SetUp() override { QnFileException::Instance().Reset(); }

    // Reads the file into db, emptied first.
    TbResult Read(const PdbFile& file, int mode = CTbPDBReader::TB_READ_FULL,
                  IProgressIndicator* progress = nullptr) {
        db.Clear();
        db.Reset();
        path = file.WriteTo(dir);
        return reader.Read(db, path, mode, progress);
    }
    // Reads and expects success.
    void Load(const PdbFile& file, int mode = CTbPDBReader::TB_READ_FULL) {
        ASSERT_EQ(Read(file, mode), TB_S_OK) << reader.GetErrorText();
    }
    // Reads and expects the failure with code -1 and this message.
    void ExpectRefused(const PdbFile& file, const std::string& message) {
        EXPECT_EQ(Read(file), -1) << message;
        EXPECT_EQ(reader.GetErrorText(), message);
    }
    // The record at a position after a full read.
    CTbObjRecord& Data(int position) {
        CTbObjRecord* record = db.Records().RecordInStoredOrder(position);
        if (!record) throw std::out_of_range("no such record");
        return *record;
    }

    TempDir dir;
    CTbObjDB db;
    CTbPDBReader reader;
    std::string path;
};

}  // namespace readertest
