// CsvSheet: one worksheet written as CSV lines in the user's list separator and the Windows-1252
// code page, with the cell texts as the user's locale shows numbers, dates and times.
#pragma once

#include "platform/Locale.h"

#include <cstdio>
#include <string>
#include <string_view>

class CsvSheet {
public:
    CsvSheet(std::FILE* out, const orvanta::platform::Locale& locale) : m_out(out), m_locale(locale) {}

    const orvanta::platform::Locale& GetLocale() const { return m_locale; }
    // The next cell of the row, its text in Windows-1252 (quoted here when it needs to be).
    void Cell(std::string_view text);
    // Ends the row with CR LF and writes it; false when the file could not take it.
    bool EndRow();

    // The texts of the kinds of cell, as the locale shows them.
    std::string NumberText(double value) const;
    std::string BooleanText(bool value) const;
    // A cell's UTF-8 text; a character Windows-1252 cannot hold becomes "?".
    static std::string Utf8Text(std::string_view utf8);
    // The date, the time of day, or both with a space between, as the parts say.
    std::string DateTimeText(int year, int month, int day, int hour, int minute, int second, bool date,
                             bool time) const;

private:
    std::FILE* m_out;
    orvanta::platform::Locale m_locale;
    std::string m_line;
    bool m_rowStarted = false;
};
