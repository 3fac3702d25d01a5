// The bitmap converter loaded from its shared library as the program loads it, small pictures
// as colour grids, netpbm's PNM files written and read, and netpbm's tools run when present.
#pragma once

#include "components/bitmap/IBitmapConverter.h"
#include "platform/Component.h"
#include "platform/Dib.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace bitmap_test {

using orvanta::platform::Dib;
using orvanta::platform::DibColour;

// A picture as rows of colours, top row first.
struct Picture {
    int width = 0, height = 0;
    std::vector<DibColour> pixels;
    DibColour At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

inline Picture PictureOf(const Dib& dib) {
    Picture picture{dib.width, dib.height, {}};
    for (int y = 0; y < dib.height; ++y)
        for (int x = 0; x < dib.width; ++x) picture.pixels.push_back(dib.Colour(x, y));
    return picture;
}

inline std::string Describe(DibColour c) {
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

// Pictures equal pixel for pixel; the first difference is reported.
inline ::testing::AssertionResult SamePicture(const Picture& expected, const Picture& actual) {
    if (expected.width != actual.width || expected.height != actual.height)
        return ::testing::AssertionFailure() << "size " << actual.width << "x" << actual.height
                                             << ", expected " << expected.width << "x" << expected.height;
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x)
            if (!(expected.At(x, y) == actual.At(x, y)))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << "," << y << ") is " << Describe(actual.At(x, y)) << ", expected "
                       << Describe(expected.At(x, y));
    return ::testing::AssertionSuccess();
}

// Writes a binary PPM (P6) or, when every pixel is grey, a PGM (P5) with the given maxval
// (channel values are scaled from 0..255 to it).
inline void WritePnm(const std::string& path, const Picture& picture, int maxval, bool grey) {
    std::ofstream out(path, std::ios::binary);
    out << (grey ? "P5\n" : "P6\n") << picture.width << " " << picture.height << "\n" << maxval << "\n";
    for (const DibColour& c : picture.pixels)
        for (int channel : grey ? std::vector<int>{c.r} : std::vector<int>{c.r, c.g, c.b})
            out.put(static_cast<char>(channel * maxval / 255));
}

// Reads a binary PBM, PGM or PPM (maxval up to 255) as colours scaled to 0..255.
inline Picture ReadPnm(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    Picture picture;
    int maxval = 1;
    in >> magic >> picture.width >> picture.height;
    if (magic != "P4") in >> maxval;
    in.get();
    for (int y = 0; y < picture.height; ++y) {
        std::vector<uint8_t> bits;
        if (magic == "P4") bits.resize(static_cast<size_t>((picture.width + 7) / 8));
        in.read(reinterpret_cast<char*>(bits.data()), static_cast<std::streamsize>(bits.size()));
        for (int x = 0; x < picture.width; ++x) {
            if (magic == "P4") {
                const uint8_t v = (bits[static_cast<size_t>(x / 8)] >> (7 - x % 8)) & 1 ? 0 : 255;
                picture.pixels.push_back({v, v, v});
                continue;
            }
            uint8_t c[3];
            for (int i = 0; i < (magic == "P5" ? 1 : 3); ++i)
                c[i] = static_cast<uint8_t>(in.get() * 255 / maxval);
            picture.pixels.push_back(magic == "P5" ? DibColour{c[0], c[0], c[0]}
                                                   : DibColour{c[0], c[1], c[2]});
        }
    }
    return picture;
}

inline bool HaveTool(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs a shell command; true when it exits with 0.
inline bool RunShell(const std::string& command) {
    return std::system((command + " 2>/dev/null").c_str()) == 0;
}

class BitmapTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(0,
                  orvanta::platform::CreateComponentInterface(
                      orvanta::bitmap::kProgId, orvanta::bitmap::kInterfaceName, &m_component, &m_converter));
    }

    // The picture of a Palm bitmap file as the converter shows it in a BMP.
    Picture ShownPicture(const std::string& palm) {
        const std::string bmp = m_dir.File("shown.bmp");
        EXPECT_EQ(0, m_converter->PalmToBmp(palm, bmp)) << m_converter->ErrorDescription();
        Dib dib;
        std::string error;
        EXPECT_TRUE(orvanta::platform::ReadDib(bmp, &dib, &error)) << error;
        return PictureOf(dib);
    }

    TempDir m_dir;
    std::unique_ptr<orvanta::platform::IComponent> m_component;
    orvanta::bitmap::IBitmapConverter* m_converter = nullptr;
};

}  // namespace bitmap_test
