// The XML writer: start tags stay pending until a child or the end tag completes them, so an
// element without children is always written as one line.
#include "library/CQnXmlWriter.h"

CQnXmlWriter::~CQnXmlWriter() { Close(); }

bool CQnXmlWriter::Open(const std::string& path, bool indent) {
    m_indent = indent;
    return Open(path);
}

bool CQnXmlWriter::Open(const std::string& path) {
    Close();
    m_file = std::fopen(path.c_str(), "wb");
    m_fileOpen = m_file != nullptr;
    m_hasFileObject = m_fileOpen;
    m_lineCount = 0;
    return m_fileOpen;
}

bool CQnXmlWriter::SetIndent(bool indent) {
    m_indent = indent;
    return true;
}

void CQnXmlWriter::Close() {
    if (!m_fileOpen) return;
    std::fflush(m_file);
    std::fclose(m_file);
    m_file = nullptr;
    m_fileOpen = false;
    m_elements.clear();
}

std::string CQnXmlWriter::Indentation() const {
    return m_indent && !m_elements.empty() ? std::string(m_elements.size() - 1, '\t') : std::string();
}

bool CQnXmlWriter::StartElement(const std::string& name) {
    if (!m_pendingStartTag.empty()) {
        std::string line = m_pendingStartTag + ">" + m_pendingValue;
        m_pendingStartTag.clear();
        m_pendingValue.clear();
        if (!WriteLine(line)) return false;
    }
    m_elements.push_back(name);
    m_pendingStartTag = Indentation() + "<" + name;
    return true;
}

bool CQnXmlWriter::EndElement() {
    if (m_elements.empty()) return true;
    std::string line;
    if (!m_pendingStartTag.empty()) {
        line = m_pendingStartTag + ">" + m_pendingValue;
        m_pendingStartTag.clear();
        m_pendingValue.clear();
    } else {
        line = Indentation();
    }
    line += "</" + m_elements.back() + ">";
    bool written = WriteLine(line);
    m_elements.pop_back();
    return written;
}

bool CQnXmlWriter::AddAttribute(const std::string& name, bool value) {
    return AddAttribute(name, std::string(value ? "1" : "0"));
}

bool CQnXmlWriter::AddAttribute(const std::string& name, int32_t value) {
    return AddAttribute(name, std::to_string(value));
}

bool CQnXmlWriter::AddAttribute(const std::string& name, const std::string& value) {
    if (m_elements.empty()) return true;
    m_pendingStartTag += " " + name + "=\"" + value + "\"";
    return true;
}

bool CQnXmlWriter::SetValue(const std::string& text, bool cdata) {
    m_pendingValue = cdata ? "<![CDATA[" + text + "]]>" : text;
    return true;
}

bool CQnXmlWriter::WriteLine(const std::string& text) {
    if (!m_hasFileObject) {
        m_buffer += text + "\n";
        return true;
    }
    if (!m_fileOpen) {
        m_lastError = "File not open";
        return false;
    }
    // The file is written as Windows writes a text-mode file: each line ends in CR LF.
    std::string line = text + "\r\n";
    if (std::fwrite(line.data(), 1, line.size(), m_file) != line.size()) return false;
    if (++m_lineCount > 32) {
        std::fflush(m_file);
        m_lineCount = 0;
    }
    return true;
}
