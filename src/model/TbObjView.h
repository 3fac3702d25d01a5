// The presentation design of a Tabulon: views (columns and sort keys), filters (up to three
// conditions that select records) and the form (tabs of rows). Setters mark the database modified.
#pragma once

#include "model/TbTypes.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class CTbObjDB;
class CTbObjRecord;

class CTbObjViewColumn {
public:
    CTbObjViewColumn(CTbObjDB* db, uint16_t field) : m_field(field), m_db(db) {}
    virtual ~CTbObjViewColumn() = default;

    uint16_t GetField() const { return m_field; }
    void SetField(uint16_t slot);
    uint16_t GetWidth() const { return m_width; }
    void SetWidth(uint16_t width);
    bool GetIdenticalSuppress() const { return m_identicalSuppress; }
    void SetIdenticalSuppress(bool on);

private:
    uint16_t m_field;
    uint16_t m_width = 60;
    bool m_identicalSuppress = false;
    CTbObjDB* m_db;
};

class CTbObjView {
public:
    struct SortKey {
        uint16_t field = 0;      // 0 ends the list of keys
        uint16_t direction = 0;  // 0 ascending, anything else descending
    };

    CTbObjView(CTbObjDB* db, int number);
    virtual ~CTbObjView();

    // Name "View" + the two-digit number, no sort keys, no default filter, no columns.
    void Reset(int number);

    const std::string& GetName() const { return m_name; }
    void SetName(std::string name);
    // k is 1, 2 or 3; other values are ignored (and give an empty key).
    SortKey GetSortKey(int k) const;
    void SetSortKey(int k, uint16_t field, uint16_t direction);
    uint16_t GetDefaultFilter() const { return m_defaultFilter; }
    void SetDefaultFilter(uint16_t filter);
    uint16_t GetFrozenColumns() const { return m_frozenColumns; }
    void SetFrozenColumns(uint16_t count);

    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    CTbObjViewColumn* Column(int index) const;
    bool HasColumn(uint16_t field) const;
    CTbObjViewColumn* AddColumn(uint16_t field);
    void MoveColumn(int index, bool up);
    void RemoveColumnOfField(uint16_t field);
    // Clears every sort key whose field has no column in the view.
    void CheckSortKeys();

private:
    std::string m_name;
    std::array<SortKey, 3> m_sortKeys{};
    uint16_t m_defaultFilter = NoFilter;
    uint16_t m_frozenColumns = 0;
    std::vector<std::unique_ptr<CTbObjViewColumn>> m_columns;
    CTbObjDB* m_db;
};

// The current date and time of day, packed, as the "T" and "W" constants of filters mean them.
struct TbFilterClock {
    uint32_t packedDate = 0;  // year × 65536 + month × 256 + day
    uint32_t packedTime = 0;  // hour × 65536 + minute × 256 + second
    static TbFilterClock UtcNow();
};

class CTbObjFilter {
public:
    struct Condition {
        uint16_t field = 0;  // 0: the condition is unused
        char op = TbCompare::Equal;
        uint16_t secondField = 0;  // 0: compare with the constant
        std::string constant;
    };

    explicit CTbObjFilter(CTbObjDB* db) : m_db(db) {}
    virtual ~CTbObjFilter() = default;

    const std::string& GetName() const { return m_name; }
    void SetName(std::string name);
    // i is 0, 1 or 2; other indexes are ignored (and give an unused condition).
    Condition GetCondition(int i) const;
    void SetCondition(int i, uint16_t field, char op, uint16_t secondField, std::string constant);
    char GetCompareOperator(int i) const { return GetCondition(i).op; }
    // j is 0 (between conditions 1 and 2) or 1 (between that result and condition 3).
    char GetLogicOperator(int j) const { return j == 0 || j == 1 ? m_logic[j] : '\0'; }
    void SetLogicOperator(int j, char op);
    // True when condition 1 names a user field (1 to 80).
    bool IsDefined() const { return m_conditions[0].field >= 1 && m_conditions[0].field <= MaxUserFields; }

    // Whether a record of the owning database passes the three conditions.
    bool Passes(const CTbObjRecord& record, const TbFilterClock& clock) const;
    bool Passes(const CTbObjRecord& record) const { return Passes(record, TbFilterClock::UtcNow()); }

private:
    bool ConditionHolds(const Condition& condition, const CTbObjRecord& record,
                        const TbFilterClock& clock) const;

    std::string m_name;
    std::array<Condition, 3> m_conditions{};
    std::array<char, 2> m_logic{'\0', '\0'};
    CTbObjDB* m_db;
};

// One row of a form tab: a field (or, with field 255, a label) and how it is shown.
class CTbObjTabRow {
public:
    CTbObjTabRow(CTbObjDB* db, uint16_t position) : m_position(position), m_db(db) {}
    virtual ~CTbObjTabRow() = default;

    uint16_t GetField() const { return m_field; }
    void SetField(uint16_t slot);
    void MakeLabelRow() { SetField(LabelRowField); }
    bool IsLabelRow() const { return m_field == LabelRowField; }
    uint16_t GetPosition() const { return m_position; }
    void SetPosition(uint16_t position);
    uint32_t GetLabelFont() const { return m_labelFont; }
    void SetLabelFont(uint32_t font);
    uint32_t GetLabelForeground() const { return m_labelForeground; }
    void SetLabelForeground(uint32_t rgb);
    int32_t GetLabelBackground() const { return m_labelBackground; }
    void SetLabelBackground(int32_t rgb);
    const std::string& GetLabelText() const { return m_labelText; }
    void SetLabelText(std::string text);
    const std::string& GetPopupHelp() const { return m_popupHelp; }
    void SetPopupHelp(std::string text);
    uint32_t GetFieldFont() const { return m_fieldFont; }
    void SetFieldFont(uint32_t font);
    uint32_t GetFieldForeground() const { return m_fieldForeground; }
    void SetFieldForeground(uint32_t rgb);
    int32_t GetFieldBackground() const { return m_fieldBackground; }
    void SetFieldBackground(int32_t rgb);
    uint32_t GetAlignment() const { return m_alignment; }
    void SetAlignment(uint32_t alignment);
    bool GetReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool on);
    uint32_t GetImageDisplay() const { return m_imageDisplay; }
    void SetImageDisplay(uint32_t code);
    bool IsEmpty() const { return m_empty; }
    // Empty again also restores every row default; not empty just marks the row in use.
    void SetEmpty(bool empty);

private:
    void RestoreDefaults();
    void MarkModified();

    uint16_t m_field = 0;
    uint16_t m_position;
    uint32_t m_labelFont = 0;
    uint32_t m_labelForeground = 0;
    int32_t m_labelBackground = -1;
    std::string m_labelText;
    std::string m_popupHelp;
    uint32_t m_fieldFont = 0;
    uint32_t m_fieldForeground = 0;
    int32_t m_fieldBackground = -1;
    uint32_t m_alignment = 2;
    bool m_readOnly = false;
    uint32_t m_imageDisplay = 0;
    bool m_empty = true;
    CTbObjDB* m_db;
};

class CTbObjTab {
public:
    explicit CTbObjTab(CTbObjDB* db);
    virtual ~CTbObjTab();

    const std::string& GetName() const { return m_name; }
    void SetName(std::string name);
    uint16_t GetFirstColumnWidth() const { return m_firstColumnWidth; }
    void SetFirstColumnWidth(uint16_t width);

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    CTbObjTabRow* RowAtIndex(int index) const;
    // The row whose position equals position; none when there is no such row.
    CTbObjTabRow* RowAt(int position) const;
    int UsedRowCount() const;
    // Puts a field into the row at position; none when there is no such row.
    CTbObjTabRow* PlaceField(uint16_t field, int position);
    // A row as a file gives it: the row at position takes the field, or a new row is
    // appended when the tab has no row at that position.
    CTbObjTabRow* AddRow(uint16_t field, int16_t position);
    void ClearAllRows();

private:
    std::string m_name = "Tab";
    uint16_t m_firstColumnWidth = 60;
    std::vector<std::unique_ptr<CTbObjTabRow>> m_rows;
    CTbObjDB* m_db;
};
