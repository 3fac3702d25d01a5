// The temporary files of the image operations: a new empty file in the system's temporary
// folder named from a three-letter prefix, with the system's extension replaced by another.
#pragma once

#include <string>

namespace orvanta::image {

// Creates "<prefix>XXXXXX.<extension>" empty in the temporary folder; false when it cannot.
bool MakeImageTempFile(const std::string& prefix, const std::string& extension, std::string* path);

}  // namespace orvanta::image
