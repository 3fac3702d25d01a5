// The slots of a Tabulon's own fields: every used slot from 1 to 80 (slot 0 holds the categories),
// or those its form places, in the form's order.
#pragma once

#include <vector>

class CTbObjDB;

namespace orvanta::app {

std::vector<int> UserFieldSlots(const CTbObjDB& db);
// The used fields of the form's rows, tab by tab and row by row, each once; empty without a form.
std::vector<int> FormFieldSlots(const CTbObjDB& db);

}  // namespace orvanta::app
