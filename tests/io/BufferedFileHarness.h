// Drives a QnBufferedFile with a script of operations and mirrors each on a plain byte
// vector; any difference in contents, position or failure is reported. Used by the
// randomized tests and by the fuzz target.
#pragma once

#include "io/QnBufferedFile.h"
#include "io/QnException.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

class BufferedFileHarness {
public:
    explicit BufferedFileHarness(const std::string& path, PlatformType order = PLATFORM_PALM)
        : m_path(path), m_order(order) {
        m_file.SetPath(path.c_str());
        m_file.Create();
        m_file.Open(QN_OPEN_SHARED_READWRITE);
        m_file.SetByteSwapMethod(order);
    }

    // Runs one operation taken from the script at *at; returns "" or what went wrong.
    std::string Step(const uint8_t* script, size_t size, size_t* at) {
        auto next = [&]() -> uint32_t { return *at < size ? script[(*at)++] : 0; };
        uint32_t op = next() % 10;
        uint32_t amount = next() * 37 % 9000;
        switch (op) {
            case 0:
                return WriteBlock(amount);
            case 1:
                return ReadBlock(amount);
            case 2:
                return SeekTo(next() * 97 % (m_model.size() + 200));
            case 3:
                return WriteWord(amount * 2654435761u);
            case 4:
                return ReadWord();
            case 5:
                return Insert(amount % 6000);
            case 6:
                return Delete(amount);
            case 7:
                return Truncate(amount);
            case 8:
                return m_file.GetLength() == m_model.size() ? "" : "mismatch after GetLength";
            default:
                return Reopen();
        }
    }

    // Closes the file and compares it with the model byte for byte.
    std::string Finish() {
        m_file.Close();
        QnFile plain(m_path.c_str());
        plain.Open(QN_OPEN_READ);
        std::vector<uint8_t> bytes(plain.GetLength());
        uint32_t count = static_cast<uint32_t>(bytes.size());
        plain.Read(bytes.data(), &count);
        return bytes == m_model ? "" : "mismatch after file contents";
    }

private:
    std::string CheckPosition(const char* what) {
        uint32_t actual = m_file.GetPosition();
        if (actual == m_pos) return {};
        return "position " + std::to_string(actual) + " instead of " + std::to_string(m_pos) + " after " +
               what;
    }

    // Where the i-th byte on disk of a 32-bit word sits in its value, in the file's byte order.
    int Shift(int i) const { return m_order == PLATFORM_PALM ? 24 - 8 * i : 8 * i; }

    void ModelWrite(const uint8_t* bytes, uint32_t n) {
        if (n == 0) return;
        if (m_model.size() < m_pos + n) m_model.resize(m_pos + n, 0);
        std::copy(bytes, bytes + n, m_model.begin() + m_pos);
        m_pos += n;
    }

    std::string WriteBlock(uint32_t n) {
        std::vector<uint8_t> bytes(n);
        for (uint32_t i = 0; i < n; ++i) bytes[i] = static_cast<uint8_t>(m_counter++ * 7 + 1);
        m_file.WriteN(bytes.data(), n);
        ModelWrite(bytes.data(), n);
        return CheckPosition("WriteN");
    }

    std::string WriteWord(uint32_t value) {
        m_file.WriteU32(value);
        uint8_t bytes[4];
        for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(value >> Shift(i));
        ModelWrite(bytes, 4);
        return CheckPosition("WriteU32");
    }

    std::string ReadBlock(uint32_t n) {
        std::vector<uint8_t> bytes(n);
        bool shortRead = n > 0 && m_pos + n > m_model.size();
        try {
            m_file.ReadN(bytes.data(), n);
        } catch (const QnAutoError& error) {
            if (!shortRead || error.GetCode() != QN_E_ASSERT) return "unexpected failure in ReadN";
            m_pos = std::max<uint32_t>(m_pos, static_cast<uint32_t>(m_model.size()));
            return CheckPosition("short ReadN");
        }
        if (shortRead) return "ReadN past the end did not fail";
        if (n > 0 && !std::equal(bytes.begin(), bytes.end(), m_model.begin() + m_pos)) return "ReadN bytes";
        m_pos += n;
        return CheckPosition("ReadN");
    }

    std::string ReadWord() {
        if (m_pos + 4 > m_model.size()) return ReadBlock(4);
        uint32_t expected = 0;
        for (int i = 0; i < 4; ++i) expected |= uint32_t{m_model[m_pos + i]} << Shift(i);
        if (m_file.ReadU32() != expected) return "ReadU32 value";
        m_pos += 4;
        return CheckPosition("ReadU32");
    }

    std::string SeekTo(uint32_t offset) {
        m_file.SetPosition(offset);
        m_pos = offset;
        return CheckPosition("SetPosition");
    }

    std::string Insert(uint32_t n) {
        std::vector<uint8_t> bytes(n, static_cast<uint8_t>(0xA0 + n % 16));
        m_file.InsertBytes(bytes.data(), n);
        if (n == 0) return CheckPosition("InsertBytes");  // the model may end before the position
        if (m_model.size() < m_pos) m_model.resize(m_pos, 0);
        m_model.insert(m_model.begin() + m_pos, bytes.begin(), bytes.end());
        m_pos += n;
        return CheckPosition("InsertBytes");
    }

    std::string Delete(uint32_t n) {
        m_file.DeleteBytes(n);
        if (m_pos < m_model.size()) {
            uint32_t removed = std::min<uint32_t>(n, static_cast<uint32_t>(m_model.size()) - m_pos);
            m_model.erase(m_model.begin() + m_pos, m_model.begin() + m_pos + removed);
        }
        return CheckPosition("DeleteBytes");
    }

    std::string Truncate(uint32_t n) {
        m_file.SetLength(n);
        m_model.resize(n, 0);
        m_pos = std::min(m_pos, n);
        return CheckPosition("SetLength");
    }

    std::string Reopen() {
        m_file.Close();
        m_file.Open(QN_OPEN_SHARED_READWRITE);
        m_pos = 0;
        return CheckPosition("reopen");
    }

    std::string m_path;
    PlatformType m_order;
    QnBufferedFile m_file;
    std::vector<uint8_t> m_model;
    uint32_t m_pos = 0;
    uint32_t m_counter = 0;
};
