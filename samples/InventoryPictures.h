// Small photo-like pictures of household things for the "Household Inventory" sample: a lit
// room corner with one object in it, painted pixel by pixel.
#pragma once

#include <QImage>

namespace samples {

struct Rgb {
    int r, g, b;  // 0 to 255 each
};

enum class PictureKind { Screen, Cabinet, Lamp, Table, Bicycle };

inline constexpr int kPictureWidth = 32;
inline constexpr int kPictureHeight = 24;

// The object of that kind in its main colour, 32 x 24 pixels.
QImage PaintItemPicture(PictureKind kind, Rgb colour);

}  // namespace samples
