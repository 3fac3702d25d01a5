// The text cells of an .xlsx workbook's first worksheet that keep their text in the cell itself
// ("inlineStr"), as streaming writers (the export of this program among them) write
// them. liborcus 0.17 passes over such cells, so they are read here from the worksheet's XML.
#pragma once

#include <map>
#include <string>
#include <utility>

struct InlineTexts {
    // By row and column (from 0), the UTF-8 text of each such cell, "_xHHHH_" escapes decoded.
    std::map<std::pair<int, int>, std::string> cells;
    // The cells holding a value of another kind, which liborcus is to have read.
    size_t valueCells = 0;
};

// Nothing when the workbook cannot be read (liborcus reports that itself).
InlineTexts ReadInlineStrings(const char* workbookPath);
