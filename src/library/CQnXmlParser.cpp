// The XML parser's scanner. No entity or character reference is decoded; comments and
// declarations read as start tags whose names begin with "!" or "?".
#include "library/CQnXmlParser.h"

#include "io/QnException.h"
#include "io/QnFile.h"

#include <algorithm>
#include <stdexcept>

namespace {
constexpr int32_t kFail = static_cast<int32_t>(0x80004005u);
constexpr int32_t kFileNotFound = static_cast<int32_t>(0x80030002u);

bool IsBlank(char c) { return c == '\t' || c == '\n' || c == '\r' || c == ' '; }
}  // namespace

CQnXmlParser::CQnXmlParser() : m_file(std::make_unique<QnFile>()) {}
CQnXmlParser::~CQnXmlParser() = default;

void CQnXmlParser::Reset() {
    m_handlers.clear();
    m_ready = false;
    m_size = m_position = m_blockFill = m_blockPos = 0;
    m_state = State::BeforeFirstTag;
    m_element.Clear();
    m_text.Clear();
    m_attributeName.Clear();
    m_attributeValue.Clear();
}

int32_t CQnXmlParser::Load(const std::string& path, IQnXmlPersistedObj* root) {
    Reset();
    m_path = path;
    if (!root) return kFail;
    m_handlers.push_back(root);
    m_file->SetPath(path.c_str());
    if (!m_file->Exists(true)) return kFileNotFound;
    m_ready = true;
    return 0;
}

int32_t CQnXmlParser::Parse() {
    if (!m_ready) return kFail;
    int32_t result = 0;
    try {
        m_file->Open(QN_OPEN_SHARED_READWRITE);
        m_size = m_file->GetLength();
        for (char c; NextByte(&c);) Scan(c);
    } catch (QnException* failure) {
        result = failure->GetCode();
        failure->Reset();
    } catch (...) {
        result = kFail;
    }
    m_file->Close();
    return result;
}

bool CQnXmlParser::NextByte(char* c) {
    if (m_blockPos == m_blockFill) {
        if (m_position >= m_size) return false;
        uint32_t count = std::min<uint32_t>(sizeof m_block, m_size - m_position);
        m_file->Read(m_block, &count);
        if (count == 0) return false;  // the file became shorter while being read
        m_position += count;
        m_blockFill = count;
        m_blockPos = 0;
    }
    *c = m_block[m_blockPos++];
    return true;
}

void CQnXmlParser::Scan(char c) {
    switch (m_state) {
        case State::BeforeFirstTag:
            if (c != '<') return;
            m_element.Clear();
            m_state = State::TagName;
            return;
        case State::TagName:
            return ScanTagName(c);
        case State::AttributeName:
            if (c != '=') return m_attributeName.Append(c);
            m_state = State::AttributeValue;
            return;
        case State::AttributeValue:
            return ScanAttributeValue(c);
        case State::EndTagName:
            if (c != '>') return m_element.Append(c);
            EndElement();
            m_state = State::Content;
            return;
        case State::Content:
            return ScanContent(c);
    }
}

void CQnXmlParser::ScanTagName(char c) {
    if (c == '>' || c == ' ') {
        StartElement();
        m_state = c == '>' ? State::Content : State::AttributeName;
    } else if (c == '/' && m_element.Empty()) {
        m_state = State::EndTagName;
    } else {
        m_element.Append(c);
    }
}

void CQnXmlParser::ScanAttributeValue(char c) {
    const Buffer<512>& value = m_attributeValue;
    bool quoted = !value.Empty() && value.bytes[0] == '"';
    bool closed = quoted && value.length > 1 && value.bytes[value.length - 1] == '"';
    if (c == '>') {
        DeliverAttribute();
        m_state = State::Content;
    } else if (c == ' ' && (value.Empty() || (quoted && !closed))) {
        m_attributeValue.Append(c);
    } else if (c == ' ') {
        DeliverAttribute();
        m_state = State::AttributeName;
    } else {
        m_attributeValue.Append(c);
    }
}

void CQnXmlParser::ScanContent(char c) {
    if (c == '<') {
        if (!m_text.Empty()) {
            if (IQnXmlPersistedObj* top = Top()) top->OnText(m_element.Text(), m_text.Text(), 0);
            m_text.Clear();
        }
        m_element.Clear();
        m_state = State::TagName;
    } else if (!IsBlank(c) || !m_text.Empty()) {
        m_text.Append(c);
    }
}

void CQnXmlParser::StartElement() {
    if (m_handlers.size() >= kMaxDepth) throw std::length_error("elements nested too deeply");
    IQnXmlPersistedObj* top = Top();
    IQnXmlPersistedObj* child = top ? top->OnStartElement(m_element.Text()) : nullptr;
    m_handlers.push_back(child ? child : top);
}

void CQnXmlParser::DeliverAttribute() {
    std::string value = m_attributeValue.Text();
    if (value.size() > 1 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    if (IQnXmlPersistedObj* top = Top()) top->OnAttribute(m_element.Text(), m_attributeName.Text(), value);
    m_attributeName.Clear();
    m_attributeValue.Clear();
}

void CQnXmlParser::EndElement() {
    IQnXmlPersistedObj* top = Top();
    if (top) top->OnEndElement(m_element.Text());
    if (!m_handlers.empty()) m_handlers.pop_back();
}
