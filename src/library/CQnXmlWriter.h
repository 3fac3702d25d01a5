// CQnXmlWriter: writes the small XML files of the library (catalogue, import/export
// specifications): one element per line, tab indentation, CR LF, nothing escaped.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class CQnXmlWriter {
public:
    CQnXmlWriter() = default;
    // Closes an open file.
    virtual ~CQnXmlWriter();
    CQnXmlWriter(const CQnXmlWriter&) = delete;
    CQnXmlWriter& operator=(const CQnXmlWriter&) = delete;

    // "File not open" after a write to a file that is not open; empty otherwise.
    virtual std::string GetLastError() const { return m_lastError; }
    virtual bool Open(const std::string& path, bool indent);
    virtual bool SetIndent(bool indent);
    // Flushes and closes an open file and forgets the open elements.
    virtual void Close();
    // The output when no file was opened.
    virtual const std::string& GetBuffer() const { return m_buffer; }
    // Completes the parent's start tag and begins this element's.
    virtual bool StartElement(const std::string& name);
    // Writes the innermost element's end tag: on the start tag's line when it had no child.
    virtual bool EndElement();
    // Written as "1" or "0".
    virtual bool AddAttribute(const std::string& name, bool value);
    virtual bool AddAttribute(const std::string& name, int32_t value);
    // Appends name="value" to the innermost start tag, the value verbatim; nothing without one.
    virtual bool AddAttribute(const std::string& name, const std::string& value);
    bool AddAttribute(const std::string& name, const char* value) {
        return AddAttribute(name, std::string(value));
    }
    // The text content of the innermost element, or with cdata "<![CDATA[text]]>".
    virtual bool SetValue(const std::string& text, bool cdata);
    // Writes text and a line end: to the file (CR LF) or, without one, to the buffer (LF).
    virtual bool WriteLine(const std::string& text);
    // Creates or empties the file.
    virtual bool Open(const std::string& path);

private:
    std::string Indentation() const;

    std::string m_lastError;
    std::vector<std::string> m_elements;
    std::string m_pendingStartTag;
    std::string m_pendingValue;
    bool m_indent = false;
    std::FILE* m_file = nullptr;
    bool m_hasFileObject = false;  // a file was opened; later lines never go to the buffer
    bool m_fileOpen = false;
    int m_lineCount = 0;
    std::string m_buffer;
};
