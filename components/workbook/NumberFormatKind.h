// What a spreadsheet number format shows a number as: a date, a time of day, both, or neither,
// read from its format code or, for the built-in formats that carry none, from its number.
#pragma once

#include <cstddef>
#include <string_view>

struct NumberFormatKind {
    bool date = false;
    bool time = false;
};

// Letters in quotes, after a backslash or in [colour] brackets are not read; y and d make a
// date, h and s a time ([h], [mm] and [ss] elapsed times too), "AM/PM" and "A/P" say nothing.
NumberFormatKind KindOfFormatCode(std::string_view code);
// The built-in formats of Office Open XML: 14-17 dates, 18-21 and 45-47 times, 22 both.
NumberFormatKind KindOfBuiltInFormat(size_t identifier);
