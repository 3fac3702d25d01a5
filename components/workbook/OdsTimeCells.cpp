// Walking the first table of content.xml row by row and cell by cell, repeats counted, for the
// time cells.
#include "OdsTimeCells.h"

#include "PackageXml.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using TimeCells = std::map<std::pair<int, int>, TimeOfDay>;

// "PT10H30M00S" (seconds may have a fraction); false for any other text or a time beyond a day.
bool ParseDuration(const std::string& text, TimeOfDay* time) {
    double seconds = 0;
    if (std::sscanf(text.c_str(), "PT%dH%dM%lfS", &time->hour, &time->minute, &seconds) != 3) return false;
    time->second = static_cast<int>(seconds);
    return time->hour >= 0 && time->hour < 24 && time->minute >= 0 && time->minute < 60 &&
           time->second >= 0 && time->second < 60;
}

// The most rows and columns a table has; repeats beyond them are cut.
constexpr long kRows = 1048576, kColumns = 16384;

int Repeats(const XmlAttributes& attributes, const char* name, long most) {
    const long count = std::strtol(AttributeOf(attributes, name).c_str(), nullptr, 10);
    return static_cast<int>(std::clamp(count, 1L, most));
}

// The position of each row and cell of the first table, and its time cells.
class TableWalk {
public:
    void Start(std::string_view name, const XmlAttributes& attributes) {
        if (name == "table") ++m_tables;
        if (m_tables != 1 || m_ended) return;
        if (name == "table-row") {
            m_row = m_nextRow;
            m_nextRow =
                std::min<long>(kRows, m_nextRow + Repeats(attributes, "table:number-rows-repeated", kRows));
            m_column = 0;
        } else if (name == "table-cell" || name == "covered-table-cell") {
            const int repeats = Repeats(attributes, "table:number-columns-repeated", kColumns);
            TimeOfDay time;
            if (AttributeOf(attributes, "office:value-type") == "time" &&
                ParseDuration(AttributeOf(attributes, "office:time-value"), &time))
                for (int i = 0; i < repeats && m_column + i < kColumns; ++i)
                    m_cells[{m_row, m_column + i}] = time;
            m_column = std::min<long>(kColumns, m_column + repeats);
        }
    }
    void End(std::string_view name) {
        if (name == "table" && m_tables == 1) m_ended = true;
    }
    TimeCells& Cells() { return m_cells; }

private:
    int m_tables = 0;
    bool m_ended = false;
    int m_row = 0, m_nextRow = 0, m_column = 0;
    TimeCells m_cells;
};

}  // namespace

TimeCells ReadOdsTimeCells(const char* workbookPath) {
    std::vector<unsigned char> xml;
    if (!ReadPackagePart(workbookPath, "content.xml", &xml)) return {};
    TableWalk table;
    XmlWalk walk;
    walk.start = [&](std::string_view name, const XmlAttributes& attributes) {
        table.Start(name, attributes);
    };
    walk.end = [&](std::string_view name) { table.End(name); };
    try {
        WalkXml(xml, walk);
    } catch (...) {
        return {};
    }
    return std::move(table.Cells());
}
