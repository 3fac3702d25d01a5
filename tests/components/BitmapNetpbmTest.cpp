// The converter against netpbm: every bitmap pnmtopalm writes (each depth and compression it
// offers, colour tables, transparency, high density) shows the pixels palmtopnm shows, and
// every bitmap the converter writes, palmtopnm and the converter itself decode to the BMP's pixels.
#include "BitmapFixture.h"

namespace bitmap_test {
namespace {

using orvanta::platform::Dib;

// Level v of a grey scale with top as its largest level, in 0..255.
uint8_t Grey(int v, int top) { return static_cast<uint8_t>(v * 255 / top); }

// A 13 x 6 picture of n colours in diagonal stripes, with one row of a single colour.
Picture Stripes(const std::vector<DibColour>& colours) {
    Picture picture{13, 6, {}};
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.pixels.push_back(colours[static_cast<size_t>(y == 3 ? 1 : (x + 2 * y) % colours.size())]);
    return picture;
}

std::vector<DibColour> Greys(int levels) {
    std::vector<DibColour> greys;
    for (int v = 0; v < levels; ++v)
        greys.push_back({Grey(v, levels - 1), Grey(v, levels - 1), Grey(v, levels - 1)});
    return greys;
}

const std::vector<DibColour> kSystemColours{{255, 255, 255}, {255, 0, 0},  {0, 0, 255},     {51, 102, 153},
                                            {0, 0, 0},       {17, 17, 17}, {192, 192, 192}, {0, 128, 128}};
const std::vector<DibColour> kOwnColours{
    {12, 34, 56}, {200, 100, 50}, {1, 2, 3}, {250, 251, 252}, {90, 0, 180}};

struct FromNetpbm {
    const char* name;
    int depth;
    std::vector<DibColour> colours;
    const char* options;
};

class FromNetpbmTest : public BitmapTest, public ::testing::WithParamInterface<FromNetpbm> {};

TEST_P(FromNetpbmTest, ShowsWhatPalmtopnmShows) {
    if (!HaveTool("pnmtopalm") || !HaveTool("palmtopnm")) GTEST_SKIP() << "netpbm is not installed";
    const FromNetpbm& row = GetParam();
    const Picture picture = Stripes(row.colours);
    const bool grey = row.depth <= 4;
    const std::string pnm = m_dir.File("in.pnm"), palm = m_dir.File("in.palm"), back = m_dir.File("back.pnm");
    WritePnm(pnm, picture, grey ? (1 << row.depth) - 1 : 255, grey);
    ASSERT_TRUE(RunShell("pnmtopalm -depth=" + std::to_string(row.depth) + " " + row.options + " " + pnm +
                         " >" + palm));
    ASSERT_TRUE(RunShell("palmtopnm " + palm + " >" + back));
    const Picture shown = ShownPicture(palm);
    EXPECT_TRUE(SamePicture(ReadPnm(back), shown));
    if (row.depth <= 8) {
        EXPECT_TRUE(SamePicture(picture, shown));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bitmaps, FromNetpbmTest,
    ::testing::Values(
        FromNetpbm{"Mono", 1, Greys(2), ""}, FromNetpbm{"MonoScanline", 1, Greys(2), "-scanline"},
        FromNetpbm{"MonoRle", 1, Greys(2), "-rle"}, FromNetpbm{"MonoPackBits", 1, Greys(2), "-packbits"},
        FromNetpbm{"Grey2", 2, Greys(4), ""}, FromNetpbm{"Grey2Scanline", 2, Greys(4), "-scanline"},
        FromNetpbm{"Grey2Rle", 2, Greys(4), "-rle"}, FromNetpbm{"Grey2PackBits", 2, Greys(4), "-packbits"},
        FromNetpbm{"Grey4", 4, Greys(16), ""}, FromNetpbm{"Grey4Scanline", 4, Greys(16), "-scanline"},
        FromNetpbm{"Grey4Rle", 4, Greys(16), "-rle"}, FromNetpbm{"Grey4PackBits", 4, Greys(16), "-packbits"},
        FromNetpbm{"Colour8", 8, kSystemColours, ""},
        FromNetpbm{"Colour8Scanline", 8, kSystemColours, "-scanline"},
        FromNetpbm{"Colour8Rle", 8, kSystemColours, "-rle"},
        FromNetpbm{"Colour8PackBits", 8, kSystemColours, "-packbits"},
        FromNetpbm{"ColourTable8", 8, kOwnColours, "-colormap"},
        FromNetpbm{"ColourTable8PackBits", 8, kOwnColours, "-colormap -packbits"},
        FromNetpbm{"Transparent8", 8, kSystemColours, "-transparent=red"},
        FromNetpbm{"Transparent8Rle", 8, kSystemColours, "-transparent=blue -rle"},
        FromNetpbm{"HighDensity8", 8, kSystemColours, "-density=144"},
        FromNetpbm{"HighDensity8Rle", 8, kOwnColours, "-colormap -density=144 -rle"},
        FromNetpbm{"Direct16", 16, kOwnColours, ""},
        FromNetpbm{"HighDensity16", 16, kOwnColours, "-density=144 -transparent=rgb:01/02/03"}),
    [](const auto& info) { return std::string(info.param.name); });

// A BMP the converter is given, what palmtopnm must show of the Palm bitmap it writes, and
// what that bitmap's header says.
struct ToNetpbm {
    const char* name;
    int bmpDepth;
    std::vector<DibColour> palette;  // also the colours painted, for 16 to 32 bits
    int width, height;               // one row never compresses
    int version;
    bool colourTable;
    bool compressed;
};

DibColour Quantized565(DibColour c) {
    return {static_cast<uint8_t>((c.r >> 3) * 255 / 31), static_cast<uint8_t>((c.g >> 2) * 255 / 63),
            static_cast<uint8_t>((c.b >> 3) * 255 / 31)};
}

// Blocks of 5 x 6 pixels through the colours, so that wide pictures compress.
Dib BlockDib(const ToNetpbm& row, Picture* expected) {
    Dib dib = Dib::Blank(row.width, row.height, row.bmpDepth);
    if (row.bmpDepth <= 8) dib.palette = row.palette;
    *expected = Picture{dib.width, dib.height, {}};
    for (int y = 0; y < dib.height; ++y)
        for (int x = 0; x < dib.width; ++x) {
            const size_t i = static_cast<size_t>(x / 5 + y / 6) % row.palette.size();
            if (row.bmpDepth <= 8)
                dib.SetIndex(x, y, static_cast<uint32_t>(i));
            else
                dib.SetColour(x, y, row.palette[i]);
            expected->pixels.push_back(row.bmpDepth <= 8 ? row.palette[i] : Quantized565(row.palette[i]));
        }
    return dib;
}

class ToNetpbmTest : public BitmapTest, public ::testing::WithParamInterface<ToNetpbm> {};

TEST_P(ToNetpbmTest, PalmtopnmShowsTheBmp) {
    if (!HaveTool("palmtopnm")) GTEST_SKIP() << "netpbm is not installed";
    const ToNetpbm& row = GetParam();
    Picture expected;
    const std::string bmp = m_dir.File("in.bmp"), palm = m_dir.File("out.palm"),
                      back = m_dir.File("back.pnm");
    ASSERT_TRUE(orvanta::platform::WriteDib(bmp, BlockDib(row, &expected)));
    ASSERT_EQ(0, m_converter->BmpToPalm(bmp, palm)) << m_converter->ErrorDescription();
    const std::vector<uint8_t> bytes = ReadBytes(palm);
    ASSERT_GE(bytes.size(), 16u);
    EXPECT_EQ(row.version, bytes[9]);
    EXPECT_EQ(row.colourTable, (bytes[6] & 0x40) != 0);
    EXPECT_EQ(row.compressed, (bytes[6] & 0x80) != 0);
    ASSERT_TRUE(RunShell("palmtopnm " + palm + " >" + back));
    EXPECT_TRUE(SamePicture(expected, ReadPnm(back)));
    EXPECT_TRUE(SamePicture(expected, ShownPicture(palm)));
}

std::vector<DibColour> ImportRamp() {
    std::vector<DibColour> ramp;
    for (int i = 0; i < 16; ++i) ramp.push_back({Grey(i, 15), Grey(i, 15), Grey(i, 15)});
    return ramp;
}

std::vector<DibColour> Reversed(std::vector<DibColour> colours) { return {colours.rbegin(), colours.rend()}; }

INSTANTIATE_TEST_SUITE_P(
    Bitmaps, ToNetpbmTest,
    ::testing::Values(
        ToNetpbm{"Mono", 1, Reversed(Greys(2)), 9, 1, 1, false, false},
        ToNetpbm{"MonoBlackFirst", 1, Greys(2), 9, 1, 1, false, false},
        ToNetpbm{"MonoWide", 1, Greys(2), 150, 12, 1, false, true},
        ToNetpbm{"Grey2", 4, Reversed(Greys(4)), 11, 12, 1, false, true},
        ToNetpbm{"Grey4", 4, Reversed(ImportRamp()), 40, 12, 1, false, true},
        ToNetpbm{"Colour4", 4, kOwnColours, 7, 1, 1, true, false},
        ToNetpbm{"Colour8", 8, kSystemColours, 40, 12, 1, false, true},
        ToNetpbm{"ColourTable8", 8, kOwnColours, 40, 12, 1, true, true},
        ToNetpbm{"ColourTable8OneRow", 8, kOwnColours, 30, 1, 1, true, false},
        ToNetpbm{"SystemThenOwnColours8", 8, {{255, 255, 255}, {0, 0, 0}, {3, 4, 5}}, 40, 12, 1, true, true},
        ToNetpbm{"Direct16", 16, kOwnColours, 40, 12, 2, false, true},
        ToNetpbm{"Direct24", 24, kOwnColours, 40, 12, 2, false, true},
        ToNetpbm{"Direct32OnePixel", 32, kOwnColours, 1, 1, 2, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace bitmap_test
