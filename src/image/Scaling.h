// Step 3 of image import: the picture scaled to fit the handheld's 154 x 135 image area,
// keeping its aspect ratio and enlarging small pictures.
#pragma once

#include <QImage>
#include <QSize>

#include <string>

namespace orvanta::image {

inline constexpr int kBoxWidth = 154;
inline constexpr int kBoxHeight = 135;

// The size for a source of that size and bits per pixel: the larger of width / 154 and
// height / 135 divides both sides, each truncated and raised by 1 when odd; a height of 0
// becomes 1. A 24-bit source's even height that is not a multiple of 4 is raised by 2, and so is
// a 4-bit source's width.
QSize ScaledSize(QSize source, int sourceBits);

// The bits per pixel of a picture file: a BMP's own, else what the loaded picture holds
// (1 for monochrome, 8 for palette pictures, 24 for the rest).
int SourceBits(const std::string& path, const QImage& picture);

// The picture at the scaled size: a monochrome bitmap for a 1-bit source, 32-bit colour otherwise.
QImage ScalePicture(const QImage& picture, int sourceBits);

}  // namespace orvanta::image
