// CORVTDTSysDB: the catalogue "ORVTSysDB.dat" of a user's Tabulons: status, handheld stamp and
// card of each, the Tabulons deleted since the last HotSync, and the expansion cards.
#pragma once

#include "library/CTbItem.h"
#include "library/IQnXmlPersistedObj.h"

#include <cstdint>
#include <memory>
#include <string>

class CTbBrowser;

class CORVTDTSysDB : public IQnXmlPersistedObj {
public:
    static constexpr const char* kFileName = "ORVTSysDB.dat";
    // A catalogue larger than this was not written by the program and is not read.
    static constexpr int64_t kMaxFileSize = 16 * 1024 * 1024;

    CORVTDTSysDB() = default;
    ~CORVTDTSysDB() override = default;

    // The catalogue of dataFolder (ending in "/"), applied to and written from owner's lists.
    void SetFile(const std::string& dataFolder, CTbBrowser* owner);
    const std::string& Path() const { return m_path; }
    bool Exists() const;
    // Applies the file to the owner's items: the parser's result, negative when it cannot be read.
    int32_t Load();
    // Writes the owner's lists to a new file that then replaces the old one; always 0.
    int32_t Save();

    IQnXmlPersistedObj* OnStartElement(const std::string& element) override;
    void OnAttribute(const std::string& element, const std::string& name, const std::string& value) override;
    void OnText(const std::string& element, const std::string& text, int reserved) override;
    void OnEndElement(const std::string& element) override;

    // 24 hexadecimal digits; any other character counts as 0, at most 12 bytes are used.
    static CardId DecodeCardId(const std::string& hex);
    static std::string EncodeCardId(const CardId& card);

private:
    struct PendingCard {
        std::string name;
        CardId id{};
    };
    void OnItemAttribute(const std::string& name, const std::string& value);
    void OnDeletedItemAttribute(const std::string& name, const std::string& value);
    void OnCardAttribute(const std::string& name, const std::string& value);

    std::string m_path;
    std::string m_dataFolder;
    CTbBrowser* m_owner = nullptr;
    CTbItem* m_currentItem = nullptr;
    std::unique_ptr<PendingCard> m_currentCard;
};
