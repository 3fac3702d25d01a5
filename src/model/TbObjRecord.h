// The data of a Tabulon: CTbObjRecordValue (one field's value), CTbObjRecord (a key and 81
// values) and CTbObjRecordList (all records plus a filtered, sorted subset for display).
#pragma once

#include "model/TbRecordBlocks.h"
#include "model/TbText.h"
#include "model/TbTextArena.h"
#include "model/TbTypes.h"

#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CTbObjDB;
class CTbObjField;

// One value. Values are packed (a Tabulon may hold 65,448 records of 81 values): the numeric
// members share storage, and a getter of a member that was not the one stored gives 0, as
// separate members would. The text is one word: a text of the value's own, a text shared
// from the Tabulon's text arena (what the reader stores), or an extension that only values
// with image bytes, a joined value or the file's further word allocate, holding the text too.
class CTbObjRecordValue {
public:
    CTbObjRecordValue();
    CTbObjRecordValue(const CTbObjRecordValue& other);
    CTbObjRecordValue& operator=(const CTbObjRecordValue& other);
    CTbObjRecordValue(CTbObjRecordValue&&) noexcept;
    CTbObjRecordValue& operator=(CTbObjRecordValue&&) noexcept;
    // Only a value's own text or extension is freed; a shared text stays with its arena.
    ~CTbObjRecordValue() {
        if (m_store != 0 && StoreKind() != TagSharedText) ReleaseStore();
    }

    // Clears everything; with applyDefaults the field's default for new records is stored.
    void Reset(const CTbObjField* field, bool applyDefaults);

    uint16_t GetType() const { return m_type; }
    // Changes the recorded type only.
    void SetType(uint16_t type) { m_type = static_cast<uint8_t>(type); }
    bool HasValue() const { return m_bits & kHasValue; }
    void SetHasValue(bool on) { SetBit(kHasValue, on); }

    std::string_view GetText() const;
    // Stores a copy of the text (up to its first NUL) and sets has value.
    void SetText(std::string_view text);
    // Refers to a text stored in the Tabulon's text arena (nullptr: empty) instead of a copy,
    // and sets has value. The arena must outlive the value, as a record list's arena does its
    // records; copies and moves of the value take a copy of their own.
    void ShareText(const char* stored);
    int16_t GetShort() const { return StoredKind() == KindShort ? m_parts[0] : 0; }
    void SetShort(int16_t value);
    int32_t GetLong() const;
    void SetLong(int32_t value);
    float GetFloat() const;
    void SetFloat(float value);
    bool GetChecked() const { return m_bits & kChecked; }
    void SetChecked(bool checked);
    // Colour code of a computed result: 0 black, 1 red, 2 green, 3 blue, 4 yellow; other codes store 0.
    uint32_t GetColour() const { return (m_bits >> kColourShift) & 7u; }
    void SetColour(uint32_t colour);
    uint32_t GetExtraWord() const;
    void SetExtraWord(uint32_t word);

    // Date: has value becomes true unless all three are 0.
    void SetDate(int year, int month, int day);
    void GetDate(int16_t* year, int16_t* month, int16_t* day) const;
    void SetTime(int hour, int minute, int second);
    void GetTime(int16_t* hour, int16_t* minute, int16_t* second) const;
    void SetToday();
    void SetNow();
    uint32_t PackedDate() const;  // year × 65536 + month × 256 + day
    uint32_t PackedTime() const;  // hour × 65536 + minute × 256 + second
    // The date in the user's short date form; empty when not set. An invalid stored date gives
    // empty text and is cleared to 0, 0, 0.
    std::string DateAsText();
    // The time in the user's time form; an invalid stored time is cleared and shows midnight.
    std::string TimeAsText();

    const std::vector<uint8_t>& GetData() const;
    void SetData(std::vector<uint8_t> data);
    // The value found in the other Tabulon for a DB Join or DB Lookup; created empty on first request.
    CTbObjRecordValue& JoinedValue();
    const CTbObjRecordValue* JoinedValueIfAny() const;

    // Writes the data bytes to a file of their own (creating it when missing); does nothing for
    // empty data. Failures throw the file layer's QnAutoError.
    void SaveData(const std::string& path) const;
    // Reads the whole file into the data bytes; failures throw as SaveData does.
    void LoadData(const std::string& path);

private:
    struct Extension;
    enum Kind : uint8_t { KindNone = 0, KindShort, KindLong, KindFloat, KindParts };
    enum Tag : uintptr_t { TagOwnText = 0, TagSharedText = 1, TagExtension = 2, TagMask = 3 };
    static constexpr uint8_t kHasValue = 1, kChecked = 2, kColourShift = 2, kKindShift = 5;

    void SetBit(uint8_t bit, bool on) {
        m_bits = static_cast<uint8_t>(on ? (m_bits | bit) : (m_bits & ~bit));
    }
    Kind StoredKind() const { return static_cast<Kind>(m_bits >> kKindShift); }
    void SetKind(Kind kind) { m_bits = static_cast<uint8_t>((m_bits & 0x1F) | (kind << kKindShift)); }
    void StoreParts(int a, int b, int c);
    Extension& Ext();
    Tag StoreKind() const { return static_cast<Tag>(m_store & TagMask); }
    const char* StoredText() const { return reinterpret_cast<const char*>(m_store & ~uintptr_t{TagMask}); }
    // The extension, when the value has one.
    Extension* ExtIfAny() const {
        return StoreKind() == TagExtension ? reinterpret_cast<Extension*>(m_store & ~uintptr_t{TagMask})
                                           : nullptr;
    }
    std::string_view ExtensionText() const;
    // ShareText for a value whose own text or extension is in the way.
    void ShareTextReplacingOwn(const char* stored);
    void TakeStore(const CTbObjRecordValue& other);
    void ReleaseStore();
    void StoreOwnText(std::string_view text);

    int16_t m_parts[3] = {0, 0, 0};  // short; long or float bits in the first four bytes; date or time
    uint8_t m_type = NOTUSED_T;
    uint8_t m_bits = 0;     // has value, checked, colour code (3 bits), stored kind (3 bits)
    uintptr_t m_store = 0;  // 0: no text and no extension; else a pointer tagged with its Store kind
};

inline std::string_view CTbObjRecordValue::GetText() const {
    if (m_store == 0) return {};
    if (StoreKind() == TagExtension) return ExtensionText();
    return TbStoredTextView(StoredText());
}

inline void CTbObjRecordValue::ShareText(const char* stored) {
    if (m_store != 0 && StoreKind() != TagSharedText) return ShareTextReplacingOwn(stored);
    m_store = reinterpret_cast<uintptr_t>(stored) | (stored ? TagSharedText : TagOwnText);
    SetHasValue(true);
}

inline int32_t CTbObjRecordValue::GetLong() const {
    if (StoredKind() != KindLong) return 0;
    int32_t value;
    std::memcpy(&value, m_parts, sizeof value);
    return value;
}

inline float CTbObjRecordValue::GetFloat() const {
    if (StoredKind() != KindFloat) return 0;
    float value;
    std::memcpy(&value, m_parts, sizeof value);
    return value;
}

class CTbObjRecord {
public:
    CTbObjRecord(CTbObjDB* db, uint32_t key) : m_key(key), m_db(db) {}

    uint32_t GetKey() const { return m_key; }
    void SetKey(uint32_t key);
    // The 24-bit unique ID of the record's entry in the file; 0 until it has one.
    uint32_t GetUniqueId() const { return m_uniqueId; }
    void SetUniqueId(uint32_t id) { m_uniqueId = id; }
    // The value of a slot 0 to 80; none otherwise.
    CTbObjRecordValue* Value(int slot) {
        return slot >= 0 && slot < MaxFieldSlots ? &m_values[slot] : nullptr;
    }
    const CTbObjRecordValue* Value(int slot) const {
        return slot >= 0 && slot < MaxFieldSlots ? &m_values[slot] : nullptr;
    }
    // The record's category: the item index of its "Categories" value.
    uint16_t GetCategory() const { return static_cast<uint16_t>(m_values[0].GetShort()); }
    // Gives every value its field's type and resets it (with the fields' defaults when asked).
    void InitValues(bool applyDefaults);
    // Gives every value of a record that holds nothing yet its field's type: InitValues(false)
    // without the resets.
    void InitFreshValues();
    // A detached deep copy (no database) of key and values.
    std::unique_ptr<CTbObjRecord> Copy() const;
    CTbObjDB* Database() const { return m_db; }

private:
    uint32_t m_key;
    uint32_t m_uniqueId = 0;
    CTbObjDB* m_db;
    std::array<CTbObjRecordValue, MaxFieldSlots> m_values;
};

class CTbObjRecordList {
public:
    explicit CTbObjRecordList(CTbObjDB* db) : m_db(db) {}
    virtual ~CTbObjRecordList();

    // Creates a record (with the next key when assignKey), appends it to all records and,
    // when the subset is active, to the subset. Values get the fields' defaults when asked.
    CTbObjRecord* AddRecord(bool assignKey, bool applyDefaults = true);
    // The subset's size when it is active and all is false, else the number of all records.
    int Count(bool all = false) const;
    CTbObjRecord* Record(int position) const;
    CTbObjRecord* RecordInStoredOrder(int position) const;
    void RemoveRecord(CTbObjRecord* record);
    void DeleteAllRecords();
    void Reserve(size_t count) { m_records.reserve(count); }
    // Where the reader keeps the texts of the records it adds; freed with the records.
    TbTextArena& Texts() { return m_texts; }

    uint32_t GetNextKey() const { return m_nextKey; }
    void SetNextKey(uint32_t key) { m_nextKey = key; }

    // Keeps the records of a category (0xFFFF: all) that pass a filter (-1: none) as the subset.
    void ApplyFilter(uint16_t category, int16_t filterIndex);
    // Re-applies category and filter, then orders the subset by the view's sort keys.
    void ApplyView(int viewIndex);
    // As ApplyView, ordered by one field; remembered as the manual sort.
    void SortByField(int16_t slot, bool ascending);
    void ClearSubset();
    bool IsSubsetActive() const { return m_subsetActive; }
    int16_t GetCurrentFilterIndex() const { return m_filterIndex; }
    uint16_t GetCurrentCategory() const { return m_category; }
    int16_t GetManualSortField() const { return m_manualSortField; }
    bool GetManualSortAscending() const { return m_manualSortAscending; }

    // -1, 0 or 1: two records compared on a field, as sorting orders them.
    static int CompareRecords(const CTbObjRecord& a, const CTbObjRecord& b, const CTbObjField& field);

private:
    struct SortKey {
        const CTbObjField* field;
        bool descending;
    };
    void RefilterForSort();
    void SortSubset(const std::vector<SortKey>& keys);
    void MarkModified();
    void DestroyRecords();

    CTbObjDB* m_db;
    TbTextArena m_texts;  // declared before the records, which may share its texts, so it goes after them
    uint32_t m_nextKey = 0;
    bool m_subsetActive = false;
    TbRecordBlocks m_blocks;               // where the records live
    std::vector<CTbObjRecord*> m_records;  // all records, in stored order
    std::vector<CTbObjRecord*> m_subset;
    int16_t m_filterIndex = -1;
    uint16_t m_category = AllCategories;
    int16_t m_manualSortField = -1;
    bool m_manualSortAscending = true;
};
