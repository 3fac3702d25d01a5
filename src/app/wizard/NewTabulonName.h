// NewTabulonName: the creation wizard's checks of a new Tabulon's name, each failure with its
// message: empty, holding a character a file name cannot hold, or taken in the library (by a
// Tabulon, or by one deleted since the last HotSync).
#pragma once

#include <string>

class CTbBrowser;

namespace orvanta::app {

inline constexpr int kTabulonNameLimit = 27;

// The message for a refused name, or empty for a name that may be created.
std::string NewTabulonNameProblem(const CTbBrowser& library, const std::string& name);

}  // namespace orvanta::app
