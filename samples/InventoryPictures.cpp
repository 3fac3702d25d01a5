// Paints the inventory pictures: a wall and floor lit from the upper left, and the object
// drawn from rectangles, circles and strokes with a little shading so it reads as a photo.
#include "InventoryPictures.h"

#include <algorithm>
#include <cmath>

namespace samples {

namespace {

Rgb Scale(Rgb c, double f) {
    auto channel = [f](int v) { return std::clamp(static_cast<int>(std::lround(v * f)), 0, 255); };
    return {channel(c.r), channel(c.g), channel(c.b)};
}

Rgb Mix(Rgb a, Rgb b, double t) {
    auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

bool InBox(int x, int y, int left, int top, int right, int bottom) {
    return x >= left && x <= right && y >= top && y <= bottom;
}

double Distance(double x, double y, double cx, double cy) { return std::hypot(x - cx, y - cy); }

// Distance from a point to the segment (ax, ay)-(bx, by).
double ToSegment(double x, double y, double ax, double ay, double bx, double by) {
    double dx = bx - ax, dy = by - ay;
    double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return Distance(x, y, ax + t * dx, ay + t * dy);
}

// The room: a pale wall down to row 17, a wooden floor below, light falling off to the right.
// The wall stays grey so that the dither adds no colour noise to it.
Rgb Room(int x, int y) {
    double light = 1.0 - 0.25 * x / kPictureWidth;
    if (y <= 17) return Scale(Mix({250, 250, 250}, {214, 214, 214}, y / 17.0), light);
    Rgb floor = Mix({153, 102, 51}, {122, 82, 41}, (y - 18) / 5.0);
    return Scale((x + 2 * y) % 9 == 0 ? Scale(floor, 0.8) : floor, light);
}

// The object's colour, lighter towards the upper left as the room's light falls.
Rgb Shaded(Rgb colour, int x, int y) { return Scale(colour, 1.15 - 0.012 * x - 0.012 * y); }

Rgb PaintScreen(Rgb colour, int x, int y) {
    const Rgb frame{48, 48, 54};
    if (InBox(x, y, 8, 5, 23, 15)) return Mix(Shaded(colour, x, y), {255, 255, 255}, x + y < 16 ? 0.35 : 0.0);
    if (InBox(x, y, 6, 3, 25, 17)) return frame;
    if (InBox(x, y, 14, 18, 17, 19) || InBox(x, y, 11, 20, 20, 20)) return Scale(frame, 1.3);
    return Room(x, y);
}

Rgb PaintCabinet(Rgb colour, int x, int y) {
    if (!InBox(x, y, 9, 2, 22, 21)) return Room(x, y);
    if (y == 9 || x == 9 || x == 22 || y == 2) return Scale(colour, 0.6);  // outline, door gap
    if (x == 20 && (InBox(x, y, 20, 4, 20, 7) || InBox(x, y, 20, 11, 20, 15))) return {200, 200, 204};
    return Shaded(colour, x, y);
}

Rgb PaintLamp(Rgb colour, int x, int y) {
    double halfWidth = 3.0 + (y - 3) * 0.6;  // the shade widens downwards
    if (y >= 3 && y <= 10 && std::fabs(x + 0.5 - 16) <= halfWidth) return Shaded(colour, x, y);
    if (InBox(x, y, 15, 11, 16, 19)) return {90, 84, 78};
    if (InBox(x, y, 11, 20, 20, 21)) return {60, 56, 52};
    double glow = std::max(0.0, 1.0 - Distance(x, y, 16, 12) / 12.0);
    return Mix(Room(x, y), {255, 244, 200}, glow * 0.6);
}

Rgb PaintTable(Rgb colour, int x, int y) {
    if (InBox(x, y, 3, 10, 28, 12)) return y == 12 ? Scale(colour, 0.75) : Shaded(colour, x, y);
    if (InBox(x, y, 6, 13, 25, 14)) return Scale(colour, 0.7);  // the apron
    if (InBox(x, y, 5, 13, 6, 21) || InBox(x, y, 25, 13, 26, 21)) return Scale(colour, 0.8);
    if (InBox(x, y, 8, 22, 23, 23)) return Scale(Room(x, y), 0.75);  // the shadow
    return Room(x, y);
}

Rgb PaintBicycle(Rgb colour, int x, int y) {
    double px = x + 0.5, py = y + 0.5;
    for (double cx : {8.5, 23.5}) {
        double d = Distance(px, py, cx, 15.5);
        if (d > 4.6 && d < 6.0) return {40, 40, 40};  // tyre
        if (d < 1.0) return {170, 170, 176};          // hub
    }
    const double frame[][4] = {{8.5, 15.5, 14.5, 9.5},  {14.5, 9.5, 22.0, 9.5},  {22.0, 9.5, 23.5, 15.5},
                               {14.5, 9.5, 16.0, 15.5}, {16.0, 15.5, 8.5, 15.5}, {16.0, 15.5, 22.0, 9.5}};
    for (const auto& s : frame)
        if (ToSegment(px, py, s[0], s[1], s[2], s[3]) < 0.8) return Shaded(colour, x, y);
    if (InBox(x, y, 12, 7, 16, 7) || InBox(x, y, 21, 6, 23, 6)) return {30, 30, 30};  // saddle, bars
    return Room(x, y);
}

}  // namespace

namespace {

Rgb PaintPixel(PictureKind kind, Rgb colour, int x, int y) {
    switch (kind) {
        case PictureKind::Screen:
            return PaintScreen(colour, x, y);
        case PictureKind::Cabinet:
            return PaintCabinet(colour, x, y);
        case PictureKind::Lamp:
            return PaintLamp(colour, x, y);
        case PictureKind::Table:
            return PaintTable(colour, x, y);
        case PictureKind::Bicycle:
            return PaintBicycle(colour, x, y);
    }
    return Room(x, y);
}

}  // namespace

QImage PaintItemPicture(PictureKind kind, Rgb colour) {
    QImage picture(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    for (int y = 0; y < kPictureHeight; ++y)
        for (int x = 0; x < kPictureWidth; ++x) {
            const Rgb c = PaintPixel(kind, colour, x, y);
            picture.setPixel(x, y, qRgb(c.r, c.g, c.b));
        }
    return picture;
}

}  // namespace samples
