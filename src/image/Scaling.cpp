// Scaling arithmetic with whole-number truncation, and the scaling itself through QImage.
#include "image/Scaling.h"

#include <cstdint>
#include <fstream>

namespace orvanta::image {

namespace {

int RaisedWhenOdd(int n) { return n % 2 ? n + 1 : n; }
int RaisedToFour(int n) { return n % 2 == 0 && n % 4 != 0 ? n + 2 : n; }

}  // namespace

QSize ScaledSize(QSize source, int sourceBits) {
    // The factor is width / 154 or height / 135, whichever is larger; dividing by it is done in
    // whole numbers so that the truncation is exact.
    const int64_t w = source.width(), h = source.height();
    const bool byWidth = w * kBoxHeight >= h * kBoxWidth;
    int width = RaisedWhenOdd(static_cast<int>(byWidth ? kBoxWidth : w * kBoxHeight / h));
    int height = RaisedWhenOdd(static_cast<int>(byWidth ? h * kBoxWidth / w : kBoxHeight));
    if (height == 0) height = 1;
    if (sourceBits == 24) height = RaisedToFour(height);
    if (sourceBits == 4) width = RaisedToFour(width);
    return {width, height};
}

int SourceBits(const std::string& path, const QImage& picture) {
    std::ifstream in(path, std::ios::binary);
    unsigned char header[30] = {};
    if (in.read(reinterpret_cast<char*>(header), sizeof header) && header[0] == 'B' && header[1] == 'M')
        return header[28] | header[29] << 8;
    if (picture.depth() == 1) return 1;
    if (picture.format() == QImage::Format_Indexed8) return 8;
    return 24;
}

QImage ScalePicture(const QImage& picture, int sourceBits) {
    const QSize size = ScaledSize(picture.size(), sourceBits);
    if (sourceBits == 1)
        return picture.convertToFormat(QImage::Format_Mono)
            .scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .convertToFormat(QImage::Format_Mono);
    return picture.convertToFormat(QImage::Format_RGB32)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace orvanta::image
