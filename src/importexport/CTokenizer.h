// The delimited-text tokenizers: CToken (one field read from a file) and CTokenizerBase with
// its tab, comma and semicolon forms, which split records into fields and quote values for output.
#pragma once

#include "io/QnVFile.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One field as read: its bytes with quotes, doubled quotes and, after CR LF, the CR kept.
class CToken {
public:
    CToken(std::string text, bool endOfRecord) : m_text(std::move(text)), m_endOfRecord(endOfRecord) {}
    const std::string& Text() const { return m_text; }
    uint32_t Length() const { return static_cast<uint32_t>(m_text.size()); }
    // Set on the last field of its record (ended by a line break or by the end of the file).
    bool EndOfRecord() const { return m_endOfRecord; }
    std::string CopyText() const { return m_text; }
    // Hands the text over, leaving the token empty.
    std::string TakeText() { return std::move(m_text); }

private:
    std::string m_text;
    bool m_endOfRecord;
};

// Holds the splitting rules; the derived classes only give the delimiter. Every call is given
// the file and a byte position and advances the position past the byte that ended the token.
// Bytes are read through a window kept between calls, so reading record after record costs no
// seek; a position outside the window, or another file, reads afresh.
class CTokenizerBase {
public:
    static constexpr int32_t kUnexpectedEnd = -245;
    static constexpr int32_t kNoDelimiter = -1;

    virtual ~CTokenizerBase() = default;
    // 0 with a new token and position advanced by (token length + 1); otherwise the file's
    // status, -245 when the file ended inside a token it had more bytes for, or -1 without a
    // delimiter; no token and position unchanged then.
    virtual int32_t GetNextToken(std::unique_ptr<CToken>* token, QnVFile& file, uint32_t* position);
    // GetNextToken into text (whose capacity is reused, so reading row after row allocates
    // nothing); text is left unspecified on a failure.
    int32_t ReadToken(QnVFile& file, uint32_t* position, std::string* text, bool* endOfRecord);
    // The token's text without surrounding white space and, when it then starts and ends with a
    // double quote, without those two; doubled quotes inside stay doubled. text may view result.
    virtual void Unquote(std::string_view text, std::string* result) const;
    // The value enclosed in double quotes, with its quotes doubled, when it holds the delimiter,
    // a double quote or LF; otherwise as it is.
    virtual void QuoteForOutput(std::string_view value, std::string* result) const;

    char Delimiter() const { return m_delimiter; }

protected:
    explicit CTokenizerBase(char delimiter);

private:
    // The byte at offset (reading the window there when needed): 0..255, -1 at the end of the
    // file, -2 when the file gave fewer bytes than its length promised; *status a file failure.
    int ByteAt(QnVFile& file, uint32_t offset, int32_t* status);
    int32_t Fill(QnVFile& file, uint32_t offset);
    // Appends the bytes from offset up to the next delimiter, quote or line break held in the
    // window (none of which changes the token's state); the number of bytes taken.
    uint32_t TakeOrdinaryBytes(uint32_t offset, std::string* text) const;

    char m_delimiter;
    bool m_special[256] = {};
    QnVFile* m_file = nullptr;
    std::vector<char> m_window;
    uint32_t m_windowStart = 0;
    uint32_t m_windowLength = 0;
    uint32_t m_fileLength = 0;
};

class CTabTokenizer : public CTokenizerBase {
public:
    CTabTokenizer() : CTokenizerBase('\t') {}
    // Tabs in the value become spaces first, so that output never holds a tab inside a value.
    void QuoteForOutput(std::string_view value, std::string* result) const override;
};

class CCommaTokenizer : public CTokenizerBase {
public:
    CCommaTokenizer() : CTokenizerBase(',') {}
};

class CSemiColonTokenizer : public CTokenizerBase {
public:
    CSemiColonTokenizer() : CTokenizerBase(';') {}
};

// The tokenizer for a delimiter option (0 tab, 1 comma, 2 semicolon); none for other values.
std::unique_ptr<CTokenizerBase> MakeTokenizer(int32_t delimiter);
