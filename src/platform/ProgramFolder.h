// Where the program's own folders are: "Sample Tabulons", "Handheld" and "Documentation" stand
// beside the program, in ../share/orvanta from it once installed, or in the build tree's samples.
#pragma once

#include <string>

namespace orvanta::platform {

// The folder of the running program file ("" when it cannot be told).
std::string ProgramFolder();

// The folder that holds the program folder sub: $ORVANTA_PROGRAM_FOLDER when set, else the
// program's folder, ../share/orvanta or ../samples from it, whichever has sub; "" when none has.
std::string ProgramFolderWith(const std::string& sub);

}  // namespace orvanta::platform
