// Where two JSON documents differ, as lines a person can follow: the JSON path of each
// difference and both values, e.g. records[3].values.5: "abc" != "abd".
#pragma once

#include "cli/JsonExport.h"

#include <string>
#include <vector>

namespace orvanta::cli {

// One line per difference, in document order; empty when the documents are equal. Objects are
// compared key by key (a key on one side only shows "(missing)" for the other), arrays element
// by element (a length difference is one line, "N items != M items", after the shared part).
// Values longer than 80 characters are shortened with "...". path names where the two
// documents sit inside larger ones ("" for whole documents).
std::vector<std::string> DiffJson(const Json& left, const Json& right, const std::string& path = "");

// What a Tabulon's JSON must look like after a save and a read. The writer stores an Auto
// Incremental field's next value and the reader takes the stored number plus one, so every
// round trip raises it by one: that is the file format, not a difference. Everything else
// must come back unchanged.
Json JsonAfterRoundTrip(Json json);

}  // namespace orvanta::cli
