// View, export and import of image values through the real converter: the depths a field can
// have, the temporary files and their names, and the messages of each failure.
#include "image/BitmapLib.h"
#include "image/IImageViewer.h"
#include "model/TbObjRecord.h"
#include "platform/Dib.h"
#include "support/Recorders.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <set>

namespace {

using orvanta::platform::Dib;
using orvanta::platform::DibColour;
namespace image = orvanta::image;

class RecordingViewer : public image::IImageViewer {
public:
    bool Open(const std::string& path) override {
        opened.push_back(path);
        return true;
    }
    std::vector<std::string> opened;
};

class ImageOperationsTest : public ::testing::Test {
protected:
    // A 300 x 100 PNG in thirds: white, red, black.
    std::string ThirdsPicture() {
        QImage picture(300, 100, QImage::Format_RGB32);
        for (int x = 0; x < 300; ++x)
            for (int y = 0; y < 100; ++y) picture.setPixel(x, y, x < 100 ? 0xFFFFFF : x < 200 ? 0xFF0000 : 0);
        const std::string path = m_dir.File("thirds.png");
        picture.save(QString::fromStdString(path), "PNG");
        return path;
    }

    Dib Exported(const CTbObjRecordValue& value) {
        Dib dib;
        std::string error;
        EXPECT_TRUE(m_lib.ExportImage(value, m_dir.File("out.bmp")));
        EXPECT_TRUE(orvanta::platform::ReadDib(m_dir.File("out.bmp"), &dib, &error)) << error;
        return dib;
    }

    // The temporary files left, as prefix and extension ("ORV.bmp").
    std::multiset<std::string> TempKinds() {
        std::multiset<std::string> kinds;
        for (const auto& entry : std::filesystem::directory_iterator(m_temp.Path())) {
            const std::string name = entry.path().filename().string();
            kinds.insert(name.substr(0, 3) + entry.path().extension().string());
        }
        return kinds;
    }

    TempDir m_dir, m_temp;
    ScopedEnv m_tmpdir{"TMPDIR", m_temp.Path().c_str()};
    RecordingPrompt m_prompt;
    RecordingViewer m_viewer;
    image::CBitmapLib m_lib{&m_prompt, &m_viewer};
};

struct DepthCase {
    const char* name;
    int bits;
    DibColour white, red, black;  // as the exported BMP shows them
    int palmDepth;
};

class ImportDepthTest : public ImageOperationsTest, public ::testing::WithParamInterface<DepthCase> {};

TEST_P(ImportDepthTest, ImportsScaledAndReducedThenExports) {
    const DepthCase& c = GetParam();
    CTbObjRecordValue value;
    ASSERT_TRUE(m_lib.ImportImage(value, c.bits, ThirdsPicture()));
    ASSERT_GE(value.GetData().size(), 16u);
    EXPECT_EQ(c.palmDepth, value.GetData()[8]);
    const Dib dib = Exported(value);
    ASSERT_EQ(154, dib.width);
    ASSERT_EQ(52, dib.height);
    EXPECT_EQ(c.white, dib.Colour(25, 26));
    EXPECT_EQ(c.red, dib.Colour(77, 26));
    EXPECT_EQ(c.black, dib.Colour(128, 26));
    EXPECT_TRUE(m_prompt.texts.empty());
    EXPECT_TRUE(TempKinds().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Depths, ImportDepthTest,
    ::testing::Values(DepthCase{"BlackAndWhite", 1, {255, 255, 255}, {0, 0, 0}, {0, 0, 0}, 1},
                      DepthCase{"FourGreys", 2, {255, 255, 255}, {85, 85, 85}, {0, 0, 0}, 2},
                      DepthCase{
                          "SixteenGreys", 4, {255, 255, 255}, {85, 85, 85}, {0, 0, 0}, 4},  // red: index 10
                      DepthCase{"Colours256", 8, {255, 255, 255}, {255, 0, 0}, {0, 0, 0}, 8},
                      DepthCase{"Colours65536", 16, {255, 255, 255}, {255, 0, 0}, {0, 0, 0}, 16}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImageOperationsTest, ViewOpensTheConvertedBmpInTheViewer) {
    CTbObjRecordValue value;
    ASSERT_TRUE(m_lib.ImportImage(value, 8, ThirdsPicture()));
    ASSERT_TRUE(m_lib.ViewImage(value));
    ASSERT_EQ(1u, m_viewer.opened.size());
    const std::filesystem::path opened = m_viewer.opened[0];
    EXPECT_EQ(m_temp.Path(), opened.parent_path());
    EXPECT_EQ("ORV", opened.filename().string().substr(0, 3));
    EXPECT_EQ(".bmp", opened.extension());
    EXPECT_EQ((std::multiset<std::string>{"ORV.bmp"}), TempKinds());
    Dib dib;
    std::string error;
    EXPECT_TRUE(orvanta::platform::ReadDib(opened.string(), &dib, &error)) << error;
}

struct FailureCase {
    const char* name;
    std::vector<uint8_t> data;
    int operation;  // 0 view, 1 export, 2 import of a missing file, 3 of a file that is no picture
    const char* message;
};

class FailureTest : public ImageOperationsTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailureTest, ShowsTheMessageAndLeavesTheValue) {
    const FailureCase& c = GetParam();
    CTbObjRecordValue value;
    value.SetData(c.data);
    bool done = true;
    if (c.operation == 0) done = m_lib.ViewImage(value);
    if (c.operation == 1) done = m_lib.ExportImage(value, m_dir.File("out.bmp"));
    if (c.operation == 3) WriteBytes(m_dir.File("text.png"), {'n', 'o', 't'});
    if (c.operation >= 2)
        done = m_lib.ImportImage(value, 8, m_dir.File(c.operation == 2 ? "missing.png" : "text.png"));
    EXPECT_FALSE(done);
    EXPECT_EQ((std::vector<std::string>{c.message}), m_prompt.texts);
    EXPECT_EQ((std::vector<std::string>{"Orvanta"}), m_prompt.titles);
    EXPECT_EQ(c.data, value.GetData());
    EXPECT_TRUE(m_viewer.opened.empty());
    EXPECT_FALSE(TempKinds().empty());  // a failure leaves its temporary files
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailureTest,
    ::testing::Values(FailureCase{"ViewDamaged", {1, 2, 3}, 0, image::kViewFailed},
                      FailureCase{"ViewNothing", {}, 0, image::kViewFailed},
                      FailureCase{"ExportDamaged", {0, 1, 0, 1, 0, 2, 0, 0, 9, 1}, 1, image::kExportFailed},
                      FailureCase{"ImportMissing", {7, 7}, 2, image::kImportFailed},
                      FailureCase{"ImportNoPicture", {}, 3, image::kImportFailed}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
