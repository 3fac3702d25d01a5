// The converter on its own: hand-made Palm bitmaps of the older and newer versions, and damaged
// files refused with a message. (BMP -> Palm -> BMP at every depth is in the netpbm tests.)
#include "BitmapFixture.h"

namespace bitmap_test {
namespace {

// A version 0 bitmap of 2 x 2 pixels (pixel size 0 means 1 bit): white, black / black, white.
const std::vector<uint8_t> kVersion0{0, 2, 0, 2, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x40, 0, 0x80, 0};

TEST_F(BitmapTest, ReadsVersion0AndPassesOverTheDummyHeader) {
    const Picture expected{2, 2, {{255, 255, 255}, {0, 0, 0}, {0, 0, 0}, {255, 255, 255}}};
    WriteBytes(m_dir.File("v0.palm"), kVersion0);
    EXPECT_TRUE(SamePicture(expected, ShownPicture(m_dir.File("v0.palm"))));

    // A dummy (pixel size 0xFF), then a version 3 16-bit bitmap of 1 x 2 pixels, red over blue.
    const std::vector<uint8_t> v3{0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 1, 0,  0,   0, 0,    0, 0,  // dummy
                                  0, 1, 0, 2, 0, 2, 0, 0, 16,   3, 24, 1,   0, 0xFF, 0, 144,
                                  0, 0, 0, 0, 0, 0, 0, 0, 0xF8, 0, 0,  0x1F};
    WriteBytes(m_dir.File("v3.palm"), v3);
    EXPECT_TRUE(SamePicture(Picture{1, 2, {{255, 0, 0}, {0, 0, 255}}}, ShownPicture(m_dir.File("v3.palm"))));
}

struct Damage {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* message;
};

std::vector<uint8_t> With(std::vector<uint8_t> bytes, size_t at, uint8_t value) {
    bytes[at] = value;
    return bytes;
}

// A version 2 RLE bitmap of 4 x 1 at 8 bits with a two-colour table: indexes 0, 0, 1, 1.
const std::vector<uint8_t> kRle{0, 4, 0, 1, 0, 4, 0xC0, 0, 8, 2, 0, 0, 0, 1, 0, 0,
                                0, 2, 0, 9, 9, 9, 1,    7, 7, 7, 0, 6, 2, 0, 2, 1};

class DamageTest : public BitmapTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamageTest, IsRefusedWithAMessage) {
    const std::string palm = m_dir.File("bad.palm"), bmp = m_dir.File("out.bmp");
    WriteBytes(palm, GetParam().bytes);
    EXPECT_LT(m_converter->PalmToBmp(palm, bmp), 0);
    EXPECT_THAT(m_converter->ErrorDescription(), ::testing::HasSubstr(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Bitmaps, DamageTest,
    ::testing::Values(
        Damage{"Empty", {}, "header is cut short"},
        Damage{"HeaderCut", {0, 4, 0, 1, 0}, "header is cut short"},
        Damage{"Version4", With(kRle, 9, 4), "version 4 is unknown"},
        Damage{"PixelSize3", With(kRle, 8, 3), "pixel size 3 is not supported"},
        Damage{"NoWidth", With(kRle, 1, 0), "is empty"},
        Damage{"RowTooShort", With(kRle, 5, 3), "row length is too short"},
        Damage{"CompressionType9", With(kRle, 13, 9), "compression type 9 is unknown"},
        Damage{"TableTooLong", With(kRle, 17, 200), "colour table is cut short"},
        Damage{"ZeroCount", With(kRle, 28, 0), "compressed pixels are damaged"},
        Damage{"RunPastRow", With(kRle, 28, 5), "compressed pixels are damaged"},
        Damage{"IndexOutsideTable", With(kRle, 31, 2), "not in the bitmap's colour table"},
        Damage{"PixelsCut", {kRle.begin(), kRle.end() - 1}, "compressed pixels are damaged"},
        Damage{"PlainPixelsCut", {kVersion0.begin(), kVersion0.end() - 2}, "pixels are cut short"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BitmapTest, EveryCutOfAGoodFileIsRefusedAndTheWholeIsRead) {
    const std::string palm = m_dir.File("cut.palm"), bmp = m_dir.File("out.bmp");
    for (size_t length = 0; length < kRle.size(); ++length) {
        WriteBytes(palm, {kRle.begin(), kRle.begin() + static_cast<std::ptrdiff_t>(length)});
        EXPECT_LT(m_converter->PalmToBmp(palm, bmp), 0) << length << " bytes";
    }
    WriteBytes(palm, kRle);
    const Picture expected{4, 1, {{9, 9, 9}, {9, 9, 9}, {7, 7, 7}, {7, 7, 7}}};
    EXPECT_TRUE(SamePicture(expected, ShownPicture(palm)));
}

TEST_F(BitmapTest, RefusesWhatIsNotABmp) {
    WriteBytes(m_dir.File("not.bmp"), std::vector<uint8_t>(60, 0x50));
    EXPECT_LT(m_converter->BmpToPalm(m_dir.File("not.bmp"), m_dir.File("out.palm")), 0);
    EXPECT_THAT(m_converter->ErrorDescription(), ::testing::HasSubstr("not a Windows bitmap"));
    EXPECT_LT(m_converter->BmpToPalm(m_dir.File("missing.bmp"), m_dir.File("out.palm")), 0);
}

}  // namespace
}  // namespace bitmap_test
