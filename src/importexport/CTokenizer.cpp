// Splitting delimited text into fields: quote parity decides whether a delimiter or a line
// break belongs to the field; CR LF, LF and a lone CR end a record.
#include "importexport/CTokenizer.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t kWindowSize = 1u << 16;
constexpr int kEndOfFile = -1;
constexpr int kFileShrank = -2;

bool IsTrimmed(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

CTokenizerBase::CTokenizerBase(char delimiter) : m_delimiter(delimiter) {
    for (unsigned char c :
         {static_cast<unsigned char>(delimiter), uint8_t{'"'}, uint8_t{'\r'}, uint8_t{'\n'}})
        m_special[c] = true;
}

uint32_t CTokenizerBase::TakeOrdinaryBytes(uint32_t offset, std::string* text) const {
    if (offset < m_windowStart || offset - m_windowStart >= m_windowLength) return 0;
    const char* begin = m_window.data() + (offset - m_windowStart);
    const char* end = m_window.data() + m_windowLength;
    const char* p = begin;
    // Eight bytes at a time while none of them is special, then byte by byte.
    constexpr uint64_t kOnes = 0x0101010101010101u, kHighs = 0x8080808080808080u;
    auto holds = [](uint64_t word, uint64_t repeated) {
        const uint64_t x = word ^ repeated;
        return ((x - kOnes) & ~x & kHighs) != 0;
    };
    const uint64_t delimiter = kOnes * static_cast<unsigned char>(m_delimiter);
    for (uint64_t word = 0; end - p >= 8; p += 8) {
        std::memcpy(&word, p, 8);
        if (holds(word, delimiter) || holds(word, kOnes * '"') || holds(word, kOnes * '\r') ||
            holds(word, kOnes * '\n'))
            break;
    }
    while (p < end && !m_special[static_cast<unsigned char>(*p)]) ++p;
    text->append(begin, p);
    return static_cast<uint32_t>(p - begin);
}

int32_t CTokenizerBase::Fill(QnVFile& file, uint32_t offset) {
    if (QnResult status = file.Seek(offset, QN_SEEK_BEGIN); status != QN_OK) return status;
    m_fileLength = file.GetLength();
    const uint32_t wanted = offset < m_fileLength ? std::min(kWindowSize, m_fileLength - offset) : 0;
    m_window.resize(kWindowSize);
    uint32_t got = wanted;
    if (QnResult status = file.Read(m_window.data(), &got); status != QN_OK) return status;
    m_windowStart = offset;
    m_windowLength = got;
    return 0;
}

int CTokenizerBase::ByteAt(QnVFile& file, uint32_t offset, int32_t* status) {
    if (offset - m_windowStart < m_windowLength && offset >= m_windowStart)
        return static_cast<unsigned char>(m_window[offset - m_windowStart]);
    if ((*status = Fill(file, offset)) != 0) return kEndOfFile;
    if (m_windowLength > 0) return static_cast<unsigned char>(m_window[0]);
    return offset < m_fileLength ? kFileShrank : kEndOfFile;
}

int32_t CTokenizerBase::GetNextToken(std::unique_ptr<CToken>* token, QnVFile& file, uint32_t* position) {
    token->reset();
    std::string text;
    bool endOfRecord = false;
    const int32_t status = ReadToken(file, position, &text, &endOfRecord);
    if (status == 0) *token = std::make_unique<CToken>(std::move(text), endOfRecord);
    return status;
}

int32_t CTokenizerBase::ReadToken(QnVFile& file, uint32_t* position, std::string* out, bool* endOfRecordOut) {
    if (m_delimiter == 0) return kNoDelimiter;
    if (&file != m_file) {
        m_file = &file;
        m_windowLength = 0;
    }
    std::string& text = *out;
    text.clear();
    bool quoted = false, done = false, endOfRecord = false;
    uint32_t quoteCount = 0;
    int32_t status = 0;
    for (uint32_t at = *position; !done; ++at) {
        // Runs of ordinary bytes go across at once; a quote among them would set quoted only
        // as the first byte, and only a special byte is looked at one by one.
        at += TakeOrdinaryBytes(at, &text);
        int c = ByteAt(file, at, &status);
        if (status != 0) return status;
        if (c == kFileShrank && !text.empty()) return kUnexpectedEnd;
        if (c < 0) {
            done = endOfRecord = true;
            break;
        }
        const bool inside = quoted && (quoteCount & 1);
        if (c == static_cast<unsigned char>(m_delimiter) && !inside) {
            done = true;
        } else if (c == '\r') {
            if (!inside) done = endOfRecord = true;
            const int next = ByteAt(file, at + 1, &status);
            if (status != 0) return status;
            if (next == '\n') {
                text.push_back('\r');
                ++at;
                c = '\n';
            } else if (next < 0) {
                // A CR that ends the file stays in the text; the end of the file ends the token.
                done = endOfRecord = false;
            }
        } else if (c == '\n' && !inside) {
            done = endOfRecord = true;
        }
        if (done) break;
        if (c == '"') {
            if (text.empty()) quoted = true;
            ++quoteCount;
        }
        text.push_back(static_cast<char>(c));
    }
    *position += static_cast<uint32_t>(text.size()) + 1;
    *endOfRecordOut = endOfRecord;
    return 0;
}

void CTokenizerBase::Unquote(std::string_view text, std::string* result) const {
    while (!text.empty() && IsTrimmed(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsTrimmed(text.back())) text.remove_suffix(1);
    if (!text.empty() && text.front() == '"' && text.back() == '"') {
        text.remove_prefix(1);
        if (!text.empty()) text.remove_suffix(1);
    }
    result->assign(text);
}

void CTokenizerBase::QuoteForOutput(std::string_view value, std::string* result) const {
    const bool plain = std::none_of(value.begin(), value.end(),
                                    [this](char c) { return c == m_delimiter || c == '"' || c == '\n'; });
    if (plain) {
        result->assign(value);
        return;
    }
    result->clear();
    result->reserve(2 * value.size() + 3);
    result->push_back('"');
    for (char c : value) {
        if (c == '"') result->push_back('"');
        result->push_back(c);
    }
    result->push_back('"');
}

void CTabTokenizer::QuoteForOutput(std::string_view value, std::string* result) const {
    std::string spaced(value);
    std::replace(spaced.begin(), spaced.end(), '\t', ' ');
    CTokenizerBase::QuoteForOutput(spaced, result);
}

std::unique_ptr<CTokenizerBase> MakeTokenizer(int32_t delimiter) {
    switch (delimiter) {
        case 0:
            return std::make_unique<CTabTokenizer>();
        case 1:
            return std::make_unique<CCommaTokenizer>();
        case 2:
            return std::make_unique<CSemiColonTokenizer>();
        default:
            return nullptr;
    }
}
