// Helpers of the writer tests: a Tabulon file taken apart from its bytes (header, record
// list, record bodies), a progress sink that records its calls, and small database builders.
#pragma once

#include "model/IProgressIndicator.h"
#include "model/TbObjDB.h"
#include "pdb/TbPDBWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

// A written file's bytes, read the way a hex editor shows a PDB.
class PdbBytes {
public:
    explicit PdbBytes(std::vector<uint8_t> bytes) : m_bytes(std::move(bytes)) {}
    static PdbBytes FromFile(const std::string& path) { return PdbBytes(ReadBytes(path)); }

    const std::vector<uint8_t>& Bytes() const { return m_bytes; }
    uint8_t U8(size_t at) const { return m_bytes.at(at); }
    uint16_t U16(size_t at) const { return static_cast<uint16_t>(U8(at) << 8 | U8(at + 1)); }
    uint32_t U32(size_t at) const { return static_cast<uint32_t>(U16(at)) << 16 | U16(at + 2); }
    std::string Text(size_t at, size_t size) const {
        return std::string(m_bytes.begin() + static_cast<long>(at),
                           m_bytes.begin() + static_cast<long>(at + size));
    }

    std::string Name() const { return Text(0, 32).c_str(); }
    uint16_t RecordCount() const { return U16(76); }
    uint32_t Offset(int record) const { return U32(78 + 8 * static_cast<size_t>(record)); }
    uint8_t Attributes(int record) const { return U8(78 + 8 * static_cast<size_t>(record) + 4); }
    uint32_t UniqueId(int record) const { return U32(78 + 8 * static_cast<size_t>(record) + 4) & 0xFFFFFF; }
    // The bytes from the record's offset to the next record's (or the end of the file).
    std::vector<uint8_t> Record(int record) const {
        size_t end = record + 1 < RecordCount() ? Offset(record + 1) : m_bytes.size();
        return std::vector<uint8_t>(m_bytes.begin() + Offset(record),
                                    m_bytes.begin() + static_cast<long>(end));
    }

private:
    std::vector<uint8_t> m_bytes;
};

// Records every progress call as one line of text: "SetRange 90", "Step 1", "SetText ...".
class RecordingProgress : public IProgressIndicator {
public:
    void Begin() override { calls.push_back("Begin"); }
    void End() override { calls.push_back("End"); }
    void SetRange(int n) override { calls.push_back("SetRange " + std::to_string(n)); }
    void Step(int k) override { calls.push_back("Step " + std::to_string(k)); }
    void SetText(const std::string& text) override { calls.push_back("SetText " + text); }
    std::vector<std::string> calls;
};

// A Tabulon named "MRA_Test" in a test's folder, ready to be written to FilePath().
struct WriterFixture : ::testing::Test {
    WriterFixture() {
        db.SetPdbName("MRA_Test");
        db.SetLocation(dir.Path().string(), false);
    }
    std::string FilePath() { return db.FullPath(); }
    // Writes db with the writer and fails the test when the writer fails.
    PdbBytes Written() {
        CTbPDBWriter writer;
        TbResult result = writer.Write(db, FilePath(), nullptr);
        EXPECT_EQ(result, TB_S_OK) << writer.GetErrorText();
        return PdbBytes::FromFile(FilePath());
    }
    // Adds a user field and returns it.
    CTbObjField& Add(TbFieldType type, const std::string& name = "F") {
        CTbObjField* field = db.AddField(name, type);
        if (!field) ADD_FAILURE() << "no free slot";
        return *field;
    }

    TempDir dir;
    CTbObjDB db;
};

inline std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<uint8_t> bytes;
    for (int v : values) bytes.push_back(static_cast<uint8_t>(v));
    return bytes;
}

inline std::vector<uint8_t> Concat(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline std::vector<uint8_t> TextBytes(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}
