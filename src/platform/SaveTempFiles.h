// The temporary files of saves: hidden, named after the file they will replace and the process
// writing them, so that a later save into the folder can remove those a killed save left.
#pragma once

#include <cstdint>
#include <string>

namespace orvanta::platform {

// Creates an empty file ".<name>.orvanta-<process id>-XXXXXX" beside target; 0 or a Windows error.
uint32_t MakeSaveTempFile(const std::string& target, std::string* path);

// Removes the save temporary files in folder whose process no longer runs; returns how many.
int RemoveStaleSaveTempFiles(const std::string& folder);

}  // namespace orvanta::platform
