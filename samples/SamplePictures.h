// Pictures put into the samples' Image fields the way a user imports them: through the image
// operations and the bitmap converter, at the field's depth.
#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

namespace samples {

// The Palm bitmap that importing the picture at that many bits per pixel stores; throws
// std::runtime_error when the import fails.
std::vector<uint8_t> ImportedPicture(const QImage& picture, int bitsPerPixel);

}  // namespace samples
