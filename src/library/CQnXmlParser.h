// CQnXmlParser: reads the XML subset that CQnXmlWriter produces, byte by byte through a
// six-state scanner, and hands each element, attribute and text run to IQnXmlPersistedObj.
#pragma once

#include "library/IQnXmlPersistedObj.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QnFile;

class CQnXmlParser {
public:
    CQnXmlParser();
    virtual ~CQnXmlParser();
    CQnXmlParser(const CQnXmlParser&) = delete;
    CQnXmlParser& operator=(const CQnXmlParser&) = delete;

    // Resets and keeps the path and root handler: 0 when the file exists, 0x80030002 when it
    // does not, 0x80004005 without a handler.
    int32_t Load(const std::string& path, IQnXmlPersistedObj* root);
    // Runs the scanner over the whole file: 0, the file stream's code when opening or reading
    // fails, 0x80004005 without a successful Load or when elements nest deeper than kMaxDepth.
    int32_t Parse();

    // Deeper nesting than any file of this program has ends the parse.
    static constexpr size_t kMaxDepth = 1024;

private:
    enum class State { BeforeFirstTag, TagName, AttributeName, AttributeValue, EndTagName, Content };

    // A fixed buffer: what does not fit is dropped, so nothing is stored beyond it.
    template <size_t Size>
    struct Buffer {
        char bytes[Size] = {};
        size_t length = 0;
        void Clear() { length = 0; }
        void Append(char c) {
            if (length < Size - 1) bytes[length++] = c;
        }
        bool Empty() const { return length == 0; }
        std::string Text() const { return std::string(bytes, length); }
    };

    void Reset();
    bool NextByte(char* c);
    void Scan(char c);
    void ScanTagName(char c);
    void ScanAttributeValue(char c);
    void ScanContent(char c);
    void StartElement();
    void DeliverAttribute();
    void EndElement();
    IQnXmlPersistedObj* Top() const { return m_handlers.empty() ? nullptr : m_handlers.back(); }

    std::string m_path;
    std::unique_ptr<QnFile> m_file;
    std::vector<IQnXmlPersistedObj*> m_handlers;
    bool m_ready = false;
    uint32_t m_size = 0;
    uint32_t m_position = 0;
    char m_block[256] = {};
    uint32_t m_blockFill = 0;
    uint32_t m_blockPos = 0;
    State m_state = State::BeforeFirstTag;
    Buffer<64> m_element;
    Buffer<1024> m_text;
    Buffer<64> m_attributeName;
    Buffer<512> m_attributeValue;
};
