// The slots of a Tabulon's own fields: every used slot from 1 to 80 (slot 0 holds the categories).
#pragma once

#include <vector>

class CTbObjDB;

namespace orvanta::app {

std::vector<int> UserFieldSlots(const CTbObjDB& db);

}  // namespace orvanta::app
