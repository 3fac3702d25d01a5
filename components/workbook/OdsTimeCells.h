// The time cells of an OpenDocument spreadsheet's first table (office:value-type "time", a
// duration such as "PT10H30M00S"), which liborcus 0.17 passes over: read from content.xml.
#pragma once

#include <map>
#include <utility>

struct TimeOfDay {
    int hour = 0, minute = 0, second = 0;
};

// By row and column (from 0); empty when there are none or the file cannot be read.
std::map<std::pair<int, int>, TimeOfDay> ReadOdsTimeCells(const char* workbookPath);
