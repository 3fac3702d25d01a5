// The picture arithmetic of image import on pictures small enough to work out by hand:
// scaled sizes, grey levels, the popularity palette with its ties, 5-6-5 packing, and the
// depth conversion of BMP files in blocks of 100 rows.
#include "image/DepthConversion.h"
#include "image/DepthReduction.h"
#include "image/Scaling.h"
#include "support/Recorders.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using orvanta::platform::Dib;
using orvanta::platform::DibColour;
namespace image = orvanta::image;

struct SizeCase {
    const char* name;
    int width, height, bits;
    int scaledWidth, scaledHeight;
};

class ScaledSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ScaledSizeTest, FitsTheBox) {
    const SizeCase& c = GetParam();
    EXPECT_EQ(QSize(c.scaledWidth, c.scaledHeight), image::ScaledSize(QSize(c.width, c.height), c.bits));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ScaledSizeTest,
                         ::testing::Values(SizeCase{"WideTruncatedThenRaised", 300, 100, 24, 154, 52},
                                           SizeCase{"SmallEnlargedHeightToFour", 30, 20, 24, 154, 104},
                                           SizeCase{"TallOddLimitRaised", 10, 200, 24, 6, 136},
                                           SizeCase{"FourBitWidthToFour", 98, 135, 4, 100, 136},
                                           SizeCase{"FlatHeightAtLeastOne", 1000, 1, 8, 154, 1},
                                           SizeCase{"EightBitKeepsEvenHeight", 300, 100, 8, 154, 52},
                                           SizeCase{"ExactBox", 154, 135, 8, 154, 136}),
                         [](const auto& info) { return std::string(info.param.name); });

struct GreyCase {
    const char* name;
    DibColour colour;
    uint32_t index;
};

class GreyIndexTest : public ::testing::TestWithParam<GreyCase> {};

TEST_P(GreyIndexTest, CountsTheThresholdsReached) {
    EXPECT_EQ(GetParam().index, image::GreyIndex16(GetParam().colour));
}

INSTANTIATE_TEST_SUITE_P(
    Greys, GreyIndexTest,
    ::testing::Values(GreyCase{"White", {255, 255, 255}, 0}, GreyCase{"Black", {0, 0, 0}, 15},
                      GreyCase{"BelowFirst", {7, 7, 7}, 15}, GreyCase{"AtFirst", {8, 8, 8}, 14},
                      GreyCase{"BelowLast", {245, 245, 245}, 1}, GreyCase{"AtLast", {246, 246, 246}, 0},
                      GreyCase{"RedIs76", {255, 0, 0}, 10},    // reaches 8 ... 76
                      GreyCase{"GreenIs149", {0, 255, 0}, 6},  // 149.685 truncated
                      GreyCase{"BlueIs29", {0, 0, 255}, 13}),  // 29.07
    [](const auto& info) { return std::string(info.param.name); });

Dib RgbRow(const std::vector<DibColour>& colours) {
    Dib dib = Dib::Blank(static_cast<int>(colours.size()), 1, 24);
    for (size_t x = 0; x < colours.size(); ++x) dib.SetColour(static_cast<int>(x), 0, colours[x]);
    return dib;
}

TEST(Reduction, FourBitsStoreHandheldIndexesUnderAnAscendingGreyPalette) {
    const Dib grey = image::ReduceToGrey16(RgbRow({{255, 255, 255}, {0, 0, 0}, {255, 0, 0}}));
    EXPECT_EQ(4, grey.bitsPerPixel);
    EXPECT_EQ(0x0F, grey.bits[0]);  // white 0 in the high nibble, black 15 in the low one
    EXPECT_EQ(0xA0, grey.bits[1]);
    ASSERT_EQ(16u, grey.palette.size());
    EXPECT_EQ((DibColour{0, 0, 0}), grey.palette[0]);
    EXPECT_EQ((DibColour{255, 255, 255}), grey.palette[15]);
}

TEST(Reduction, PopularityPaletteTakesTheFullestBinsLowestKeyFirst) {
    // Red twice; blue (key 0x00F) and green (0x0F0) once each: the tie goes to blue.
    const Dib dib =
        image::ReduceToPopularPalette(RgbRow({{0, 255, 0}, {255, 0, 0}, {0, 0, 255}, {250, 9, 9}}));
    ASSERT_EQ(256u, dib.palette.size());
    EXPECT_EQ((DibColour{255, 0, 0}), dib.palette[0]);
    EXPECT_EQ((DibColour{0, 0, 255}), dib.palette[1]);
    EXPECT_EQ((DibColour{0, 255, 0}), dib.palette[2]);
    EXPECT_EQ((DibColour{0, 0, 0}), dib.palette[3]);  // unused entries are black
    EXPECT_EQ((std::vector<uint32_t>{2, 0, 1, 0}),
              (std::vector<uint32_t>{dib.Index(0, 0), dib.Index(1, 0), dib.Index(2, 0), dib.Index(3, 0)}));
}

TEST(Reduction, PopularityPaletteKeepsThe256FullestOf300Bins) {
    // Keys 44..299 twice, keys 0..43 once: the palette is keys 44..299 in key order.
    std::vector<DibColour> colours;
    auto colourOf = [](int key) {
        return DibColour{static_cast<uint8_t>((key >> 8) * 16), static_cast<uint8_t>(((key >> 4) & 15) * 16),
                         static_cast<uint8_t>((key & 15) * 16)};
    };
    for (int key = 0; key < 300; ++key)
        for (int n = 0; n < (key >= 44 ? 2 : 1); ++n) colours.push_back(colourOf(key));
    const Dib dib = image::ReduceToPopularPalette(RgbRow(colours));
    EXPECT_EQ((DibColour{0, 2 * 17, 12 * 17}), dib.palette[0]);     // key 44
    EXPECT_EQ((DibColour{17, 2 * 17, 11 * 17}), dib.palette[255]);  // key 299
    // Key 0 (black): entry 4 (key 48, distance 3) is passed by entry 212 (key 256, distance 1).
    EXPECT_EQ(212u, dib.Index(0, 0));
    // Key 43 (0, 2, 11) is one step from key 44: the search stops at entry 0.
    EXPECT_EQ(0u, dib.Index(43, 0));
    EXPECT_EQ(0u, dib.Index(44, 0));
    EXPECT_EQ(255u, dib.Index(static_cast<int>(colours.size()) - 1, 0));
}

TEST(Reduction, SixteenBitsPack565LowByteFirst) {
    const Dib dib = image::ReduceTo565(RgbRow({{255, 255, 255}, {8, 4, 8}, {0x87, 0x46, 0x21}}));
    EXPECT_EQ((std::vector<uint8_t>{0xFF, 0xFF, 0x21, 0x08, 0x24, 0x82}),
              std::vector<uint8_t>(dib.bits.begin(), dib.bits.begin() + 6));
}

TEST(DepthConversion, MonochromeSourceKeepsItsPixelsAt24Bits) {
    TempDir dir;
    Dib mono = Dib::Blank(10, 3, 1);
    mono.palette = {{0, 0, 0}, {255, 255, 255}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 10; ++x) mono.SetIndex(x, y, (x + y) % 3 == 0);
    ASSERT_TRUE(orvanta::platform::WriteDib(dir.File("mono.bmp"), mono));
    ASSERT_TRUE(image::ConvertBmpDepth(dir.File("mono.bmp"), dir.File("rgb.bmp"), 24, nullptr));
    Dib rgb;
    std::string error;
    ASSERT_TRUE(orvanta::platform::ReadDib(dir.File("rgb.bmp"), &rgb, &error)) << error;
    ASSERT_EQ(24, rgb.bitsPerPixel);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 10; ++x) EXPECT_EQ(mono.Colour(x, y), rgb.Colour(x, y)) << x << "," << y;
}

TEST(DepthConversion, PaletteTargetsTakeColoursInFileOrderInBlocksOf100Rows) {
    TempDir dir;
    const std::vector<DibColour> colours{{1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {5, 0, 0}};
    Dib source = Dib::Blank(3, 250, 24);
    for (int y = 0; y < 250; ++y)
        for (int x = 0; x < 3; ++x) source.SetColour(x, y, colours[static_cast<size_t>(y % 5)]);
    ASSERT_TRUE(orvanta::platform::WriteDib(dir.File("in.bmp"), source));
    RecordingProgress progress;
    ASSERT_TRUE(image::ConvertBmpDepth(dir.File("in.bmp"), dir.File("out.bmp"), 4, &progress));
    const std::string range = "SetRange " + std::to_string(ReadBytes(dir.File("in.bmp")).size());
    EXPECT_EQ((std::vector<std::string>{range, "Step 1200", "Step 1200", "Step 600"}),
              progress.calls);  // rows of 12 bytes
    Dib out;
    std::string error;
    ASSERT_TRUE(orvanta::platform::ReadDib(dir.File("out.bmp"), &out, &error)) << error;
    ASSERT_EQ(16u, out.palette.size());
    // The file starts with the bottom row (y = 249, colour 4), so the palette runs backwards.
    EXPECT_EQ(colours[4], out.palette[0]);
    EXPECT_EQ(colours[0], out.palette[4]);
    EXPECT_EQ((DibColour{255, 255, 255}), out.palette[5]);
    for (int y = 0; y < 250; y += 7) EXPECT_EQ(source.Colour(2, y), out.Colour(2, y)) << y;

    EXPECT_FALSE(image::ConvertBmpDepth(dir.File("in.bmp"), dir.File("mono.bmp"), 1, nullptr));  // 5 colours
}

}  // namespace
