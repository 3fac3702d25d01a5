// Reading the catalogue attribute by attribute into the browser's items, and writing it.
#include "library/CORVTDTSysDB.h"

#include "library/CQnXmlParser.h"
#include "library/CQnXmlWriter.h"
#include "library/CTbBrowser.h"
#include "platform/FileSystem.h"

#include <strings.h>
#include <unistd.h>

#include <cstdlib>

namespace pf = orvanta::platform;

namespace {

bool Is(const std::string& text, const char* name) { return strcasecmp(text.c_str(), name) == 0; }

int Nibble(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

int32_t DecimalLong(const std::string& text) {
    return static_cast<int32_t>(std::strtol(text.c_str(), nullptr, 10));
}

}  // namespace

void CORVTDTSysDB::SetFile(const std::string& dataFolder, CTbBrowser* owner) {
    m_dataFolder = dataFolder;
    m_path = dataFolder;
    if (m_path.empty() || m_path.back() != '/') m_path += '/';
    m_path += kFileName;
    m_owner = owner;
}

bool CORVTDTSysDB::Exists() const {
    pf::FileInfo info;
    return pf::FindFile(m_path, &info) == 0 && !info.isDirectory;
}

int32_t CORVTDTSysDB::Load() {
    pf::FileInfo info;
    if (pf::FindFile(m_path, &info) == 0 && (info.isDirectory || info.size > kMaxFileSize))
        return static_cast<int32_t>(0x80004005u);
    CQnXmlParser parser;
    int32_t result = parser.Load(m_path, this);
    if (result >= 0) result = parser.Parse();
    m_currentItem = nullptr;
    m_currentCard.reset();
    return result;
}

int32_t CORVTDTSysDB::Save() {
    std::string temp = pf::FolderOf(m_path) + "/." + kFileName + "." + std::to_string(::getpid()) + ".tmp";
    CQnXmlWriter writer;
    if (!writer.Open(temp, true)) return 0;
    writer.StartElement("ORVTSYSDB");
    writer.AddAttribute("VERS", int32_t{301});
    for (CTbItem* item = m_owner->FirstItem(); item; item = m_owner->NextItem()) {
        if (item->GetStatus() == TB_STATUS_UNUSED) item->SetStatus(TB_STATUS_CURRENT);
        writer.StartElement("TBITEM");
        writer.AddAttribute("NAME", item->PdbName());
        writer.AddAttribute("FILENAME", item->FileName());
        writer.AddAttribute("STATUS", item->GetStatus());
        writer.AddAttribute("HHLASTMOD", item->GetHandheldStamp());
        writer.AddAttribute("CARD_GUID", EncodeCardId(item->GetCardId()));
        writer.EndElement();
    }
    for (CTbItem* item = m_owner->FirstDeletedItem(); item; item = m_owner->NextDeletedItem()) {
        writer.StartElement("DELTBITEM");
        writer.AddAttribute("NAME", item->PdbName());
        writer.AddAttribute("HHLASTMOD", item->GetHandheldStamp());
        writer.AddAttribute("CARD_GUID", EncodeCardId(item->GetCardId()));
        writer.EndElement();
    }
    for (int i = 0; i < m_owner->CardCount(); ++i) {
        writer.StartElement("EXP_CARD");
        writer.AddAttribute("CARD_NAME", m_owner->Card(i).name);
        writer.AddAttribute("CARD_GUID", EncodeCardId(m_owner->Card(i).id));
        writer.EndElement();
    }
    bool written = writer.EndElement();
    writer.Close();
    // A catalogue that could not be written whole leaves the old one as it was.
    if (!written || pf::ReplaceFile(temp, m_path) != 0) pf::DeleteFile(temp);
    return 0;
}

IQnXmlPersistedObj* CORVTDTSysDB::OnStartElement(const std::string&) { return nullptr; }
void CORVTDTSysDB::OnText(const std::string&, const std::string&, int) {}

void CORVTDTSysDB::OnAttribute(const std::string& element, const std::string& name,
                               const std::string& value) {
    if (Is(element, "TBITEM"))
        OnItemAttribute(name, value);
    else if (Is(element, "DELTBITEM"))
        OnDeletedItemAttribute(name, value);
    else if (Is(element, "EXP_CARD"))
        OnCardAttribute(name, value);
}

void CORVTDTSysDB::OnItemAttribute(const std::string& name, const std::string& value) {
    if (Is(name, "NAME")) {
        m_currentItem = m_owner->FindByPdbName(value);
    } else if (Is(name, "FILENAME")) {
        if (!m_currentItem || strcasecmp(m_currentItem->FileName().c_str(), value.c_str()) != 0)
            m_currentItem = m_owner->FindByFileName(value);
    } else if (!m_currentItem) {
        return;
    } else if (Is(name, "STATUS")) {
        m_currentItem->SetStatus(value == "1" ? TB_STATUS_NEEDS_SYNC : value == "2" ? TB_STATUS_MODIFIED : 0);
    } else if (Is(name, "HHLASTMOD")) {
        m_currentItem->SetHandheldStamp(DecimalLong(value));
    } else if (Is(name, "CARD_GUID")) {
        m_currentItem->SetCardId(DecodeCardId(value));
    }
}

void CORVTDTSysDB::OnDeletedItemAttribute(const std::string& name, const std::string& value) {
    if (Is(name, "NAME")) {
        m_currentItem = m_owner->AddDeletedItem(value);
    } else if (!m_currentItem) {
        return;
    } else if (Is(name, "HHLASTMOD")) {
        m_currentItem->SetHandheldStamp(DecimalLong(value));
    } else if (Is(name, "CARD_GUID")) {
        m_currentItem->SetCardId(DecodeCardId(value));
    }
}

void CORVTDTSysDB::OnCardAttribute(const std::string& name, const std::string& value) {
    if (!m_currentCard) m_currentCard = std::make_unique<PendingCard>();
    if (Is(name, "CARD_NAME"))
        m_currentCard->name = value;
    else if (Is(name, "CARD_GUID"))
        m_currentCard->id = DecodeCardId(value);
}

void CORVTDTSysDB::OnEndElement(const std::string& element) {
    if (Is(element, "TBITEM")) {
        m_currentItem = nullptr;
    } else if (Is(element, "EXP_CARD") && m_currentCard) {
        m_owner->AddOrRenameCard(m_currentCard->name, m_currentCard->id);
        m_currentCard.reset();
    }
}

CardId CORVTDTSysDB::DecodeCardId(const std::string& hex) {
    CardId card{};
    for (size_t i = 0; i + 1 < hex.size() && i / 2 < card.size(); i += 2)
        card[i / 2] = static_cast<uint8_t>(Nibble(hex[i]) * 16 + Nibble(hex[i + 1]));
    return card;
}

std::string CORVTDTSysDB::EncodeCardId(const CardId& card) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (uint8_t byte : card) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}
