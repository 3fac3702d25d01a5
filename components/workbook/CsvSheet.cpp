// Writing a worksheet's cells as CSV lines.
#include "CsvSheet.h"

#include "platform/CodePage.h"
#include "platform/OleDate.h"
#include "platform/OleVariant.h"

namespace pf = orvanta::platform;

void CsvSheet::Cell(std::string_view text) {
    if (m_rowStarted) m_line.push_back(m_locale.listSeparator);
    m_rowStarted = true;
    // Quoted, with quotes doubled, when it holds the separator, a quote or a line break.
    const char special[] = {m_locale.listSeparator, '"', '\r', '\n', 0};
    if (text.find_first_of(special) == std::string_view::npos) {
        m_line.append(text);
        return;
    }
    m_line.push_back('"');
    for (char c : text) {
        if (c == '"') m_line.push_back('"');
        m_line.push_back(c);
    }
    m_line.push_back('"');
}

bool CsvSheet::EndRow() {
    m_line.append("\r\n");
    const bool written = std::fwrite(m_line.data(), 1, m_line.size(), m_out) == m_line.size();
    m_line.clear();
    m_rowStarted = false;
    return written;
}

std::string CsvSheet::NumberText(double value) const { return pf::VarTextFromR8(value, m_locale); }

std::string CsvSheet::BooleanText(bool value) const { return value ? m_locale.trueWord : m_locale.falseWord; }

std::string CsvSheet::Utf8Text(std::string_view utf8) {
    std::string text;
    pf::Windows1252FromUtf8(utf8, &text);
    return text;
}

std::string CsvSheet::DateTimeText(int year, int month, int day, int hour, int minute, int second, bool date,
                                   bool time) const {
    std::string shown;
    if (date) shown = pf::FormatDateOnly(year, month, day, m_locale);
    if (date && time) shown.push_back(' ');
    if (time) shown.append(pf::FormatTimeOnly(hour, minute, second, m_locale));
    return shown;
}
