// Small photo-like pictures of household things for the "Household Inventory" sample, as the
// 8-bit Palm bitmaps an Image field keeps: a lit room corner with one object in it.
#pragma once

#include "PalmBitmap.h"

#include <cstdint>
#include <vector>

namespace samples {

enum class PictureKind { Screen, Cabinet, Lamp, Table, Bicycle };

inline constexpr int kPictureWidth = 32;
inline constexpr int kPictureHeight = 24;

// The object of that kind in its main colour, 32 x 24 pixels.
std::vector<uint8_t> PaintItemPicture(PictureKind kind, Rgb colour);

}  // namespace samples
