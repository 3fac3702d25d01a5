// orvanta-cli image export, import and convert run as a user runs them, on a Tabulon with a
// 4-bit Image field, with the real converter and real picture files.
#include "CliRunner.h"

#include "model/TbObjDB.h"
#include "pdb/TbPDBWriter.h"
#include "platform/Dib.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

using orvanta::platform::Dib;

constexpr int kPhoto = 2;

// "MRA_Pictures.PDB": a Name and a 4-bit Photo field, two records without pictures.
std::string WriteImageTabulon(const TempDir& dir) {
    CTbObjDB db;
    db.SetPdbName("MRA_Pictures");
    db.SetLocation(dir.Path().string(), false);
    db.SetLoadState(TB_LOAD_NEW);
    db.AddField("Name", TEXT_T);
    db.AddField("Photo", IMAGE_T)->ImageProps()->SetBitsPerPixel(4);
    for (const char* name : {"Lamp", "Desk"}) db.Records().AddRecord(true, false)->Value(1)->SetText(name);
    EXPECT_GE(db.Save(), 0) << db.Writer().GetErrorText();
    return db.FullPath();
}

Dib ReadBmp(const std::string& path) {
    Dib dib;
    std::string error;
    EXPECT_TRUE(orvanta::platform::ReadDib(path, &dib, &error)) << error;
    return dib;
}

class CliImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_tabulon = WriteImageTabulon(m_dir);
        QImage picture(60, 40, QImage::Format_RGB32);  // left half white, right half black
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x) picture.setPixel(x, y, x < 30 ? 0xFFFFFF : 0);
        ASSERT_TRUE(picture.save(QString::fromStdString(m_dir.File("in.png")), "PNG"));
    }
    std::string Q(const std::string& name) { return ShellQuote(m_dir.File(name)); }

    TempDir m_dir;
    std::string m_tabulon;
};

TEST_F(CliImageTest, ImportSavesThePictureAndExportWritesItAsBmp) {
    const std::string tabulon = ShellQuote(m_tabulon);
    CliRun run = RunCli(m_dir, "image import " + tabulon + " 2 2 " + Q("in.png"));
    ASSERT_EQ(0, run.status) << run.err;
    run = RunCli(m_dir, "image export " + tabulon + " 2 2 " + Q("out.bmp"));
    ASSERT_EQ(0, run.status) << run.err;
    const Dib dib = ReadBmp(m_dir.File("out.bmp"));
    EXPECT_EQ(154, dib.width);   // 60 x 40 enlarged: 154 x 102.67, truncated
    EXPECT_EQ(104, dib.height);  // a 24-bit source: 102 raised to a multiple of 4
    EXPECT_EQ((orvanta::platform::DibColour{255, 255, 255}), dib.Colour(10, 50));
    EXPECT_EQ((orvanta::platform::DibColour{0, 0, 0}), dib.Colour(140, 50));

    run = RunCli(m_dir, "image export " + tabulon + " 1 2 " + Q("none.bmp"));
    EXPECT_EQ(1, run.status);
    EXPECT_TRUE(Contains(run.err, "Record 1 has no image.")) << run.err;
}

TEST_F(CliImageTest, ConvertGoesBothWaysByExtension) {
    ASSERT_EQ(0, RunCli(m_dir, "image convert " + Q("in.png") + " " + Q("in.bmp")).status);
    ASSERT_EQ(0, RunCli(m_dir, "image convert " + Q("in.bmp") + " " + Q("mid.pbmp")).status);
    ASSERT_EQ(0, RunCli(m_dir, "image convert " + Q("mid.pbmp") + " " + Q("back.bmp")).status);
    const Dib in = ReadBmp(m_dir.File("in.bmp")), back = ReadBmp(m_dir.File("back.bmp"));
    ASSERT_EQ(60, back.width);
    for (int x : {0, 29, 30, 59}) EXPECT_EQ(in.Colour(x, 7), back.Colour(x, 7)) << x;
    ASSERT_EQ(0, RunCli(m_dir, "image convert " + Q("in.png") + " " + Q("direct.pbmp")).status);
    EXPECT_EQ(60, ReadBytes(m_dir.File("direct.pbmp"))[1]);  // its width, big-endian
}

struct Refusal {
    const char* name;
    std::string args;  // TABULON stands for the Tabulon, DIR/ for the test folder
    const char* message;
};

class CliImageRefusalTest : public CliImageTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(CliImageRefusalTest, FailsWithItsMessage) {
    std::string args = GetParam().args;
    if (size_t at = args.find("TABULON"); at != std::string::npos) args.replace(at, 7, ShellQuote(m_tabulon));
    for (size_t at; (at = args.find("DIR/")) != std::string::npos;)
        args.replace(at, 4, m_dir.Path().string() + "/");
    const CliRun run = RunCli(m_dir, args);
    EXPECT_EQ(1, run.status);
    EXPECT_TRUE(Contains(run.err, GetParam().message)) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, CliImageRefusalTest,
    ::testing::Values(
        Refusal{"NotAnImageSlot", "image export TABULON 1 1 DIR/x.bmp", "Slot 1 is not an Image field."},
        Refusal{"NoSuchRecord", "image export TABULON 3 2 DIR/x.bmp", "No record 3: the Tabulon has 2"},
        Refusal{"PictureMissing", "image import TABULON 1 2 DIR/missing.png", "Failed to import!!!!!!!!!!!"},
        Refusal{"PalmBitmapMissing", "image convert DIR/missing.pbmp DIR/x.bmp", "cannot be read"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
