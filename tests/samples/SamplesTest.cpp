// The sample Tabulons the build writes: each loads back in full with the design it promises, a
// fresh build writes the very same bytes, and all of it comes back on reading, so that writing
// what was read gives those bytes again; and the computed fields and pictures the samples show.
#include "Samples.h"
#include "pdb/TbPDBWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kSamplesDir = ORVANTA_SAMPLES_DIR;

struct SampleCase {
    const samples::SampleTabulon* sample;
    int minRecords;  // what each sample promises its users
};

std::string PrintName(const testing::TestParamInfo<SampleCase>& info) {
    std::string name = info.param.sample->name;
    for (char& c : name)
        if (c == ' ') c = '_';
    return name;
}

std::string FileOf(const samples::SampleTabulon& sample, const std::string& folder) {
    return folder + "/MRA_" + sample.name + ".PDB";
}

// Reads a sample as the build wrote it.
void LoadSample(const samples::SampleTabulon& sample, CTbObjDB& db) {
    db.SetLocation(FileOf(sample, kSamplesDir), true);
    ASSERT_GE(db.Load(false), 0) << db.GetLastErrorText();
}

class SampleTabulonTest : public testing::TestWithParam<SampleCase> {};

TEST_P(SampleTabulonTest, LoadsInFullWithTheDesignItPromises) {
    CTbObjDB db;
    ASSERT_NO_FATAL_FAILURE(LoadSample(*GetParam().sample, db));
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_FULL);
    EXPECT_GE(db.RecordCount(), GetParam().minRecords);
    EXPECT_GE(db.UsedFieldCount(), 8);
    EXPECT_GE(db.ViewCount(), 2);
    EXPECT_GE(db.FilterCount(), 1);
    EXPECT_GE(db.TabCount(), 2);
    EXPECT_GE(db.Field(0)->ListProps()->Items().Count(), 2);  // categories
}

TEST_P(SampleTabulonTest, BuildingAgainAndWritingWhatWasReadGiveTheSameBytes) {
    TempDir dir;
    CTbObjDB built;
    ASSERT_GE(samples::MakeSample(*GetParam().sample, dir.Path().string(), built), 0)
        << built.Writer().GetErrorText();
    std::vector<uint8_t> generated = ReadBytes(FileOf(*GetParam().sample, kSamplesDir));
    ASSERT_FALSE(generated.empty());
    EXPECT_TRUE(ReadBytes(FileOf(*GetParam().sample, dir.Path().string())) == generated);

    CTbObjDB loaded;
    ASSERT_NO_FATAL_FAILURE(LoadSample(*GetParam().sample, loaded));
    for (int slot = 1; slot < MaxFieldSlots; ++slot)  // a stored counter reads as the last value given
        if (loaded.Field(slot)->GetType() == AUTO_INC_T)
            loaded.Field(slot)->NumberProps()->SetNextValue(
                loaded.Field(slot)->NumberProps()->GetNextValue() - 1);
    CTbPDBWriter writer;
    ASSERT_EQ(writer.Write(loaded, dir.File("again.PDB"), nullptr), TB_S_OK) << writer.GetErrorText();
    EXPECT_TRUE(ReadBytes(dir.File("again.PDB")) == generated) << "something was lost on reading";
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleTabulonTest,
                         testing::Values(SampleCase{&samples::ContactsSample(), 12},
                                         SampleCase{&samples::HouseholdInventorySample(), 10},
                                         SampleCase{&samples::ReadingListSample(), 15},
                                         SampleCase{&samples::TimeLogSample(), 20}),
                         PrintName);

TEST(SampleComputedFields, TheTimeLogWorksOutDurationsHoursAndDayTotals) {
    CTbObjDB db;
    ASSERT_NO_FATAL_FAILURE(LoadSample(samples::TimeLogSample(), db));
    int duration = db.FindField("Duration", EXPRESSION_T), hours = db.FindField("Hours", ADV_EXPRESSION_T);
    int total = db.FindField("Day total", ADV_EXPRESSION_T), pause = db.FindField("Break", COND_EXP_T);
    ASSERT_GT(duration, 0);
    ASSERT_GT(hours, 0);
    ASSERT_GT(total, 0);
    ASSERT_GT(pause, 0);
    // The second entry of 8 November: 9:00 to 11:15, after half an hour of planning.
    const CTbObjRecord& entry = *db.Records().RecordInStoredOrder(1);
    EXPECT_FLOAT_EQ(entry.Value(duration)->GetFloat(), 2 * 3600 + 15 * 60);
    EXPECT_FLOAT_EQ(entry.Value(hours)->GetFloat(), 2.25f);
    EXPECT_FLOAT_EQ(entry.Value(total)->GetFloat(), 2.75f);
    EXPECT_EQ(entry.Value(pause)->GetText(), "");
    // The fourth (13:30 to 16:45) is long enough for the reminder; the first of the next day starts a new
    // total.
    EXPECT_EQ(db.Records().RecordInStoredOrder(3)->Value(pause)->GetText(), "Take a break");
    EXPECT_EQ(db.Records().RecordInStoredOrder(3)->Value(pause)->GetColour(), TB_RED);
    EXPECT_FLOAT_EQ(db.Records().RecordInStoredOrder(5)->Value(total)->GetFloat(), 1.75f);
}

TEST(SampleComputedFields, TheReadingListShowsOverdueLoansAndReadingPace) {
    CTbObjDB db;
    ASSERT_NO_FATAL_FAILURE(LoadSample(samples::ReadingListSample(), db));
    int overdue = db.FindField("Overdue", COND_EXP_T), days = db.FindField("Days to read", EXPRESSION_T);
    int pace = db.FindField("Pages a day", ADV_EXPRESSION_T),
        dueIn = db.FindField("Due in", ADV_EXPRESSION_T);
    ASSERT_GT(overdue, 0);
    ASSERT_GT(days, 0);
    ASSERT_GT(pace, 0);
    ASSERT_GT(dueIn, 0);
    const CTbObjRecord& pride = *db.Records().RecordInStoredOrder(0);  // 5 to 28 January 2004, 432 pages
    EXPECT_FLOAT_EQ(pride.Value(days)->GetFloat(), 23.0f);
    EXPECT_FLOAT_EQ(pride.Value(pace)->GetFloat(), 18.0f);
    EXPECT_EQ(pride.Value(overdue)->GetText(), "");
    const CTbObjRecord& hobbit = *db.Records().RecordInStoredOrder(8);  // lent out, due 10 November 2004
    EXPECT_EQ(hobbit.Value(overdue)->GetText(), "Overdue");
    EXPECT_EQ(hobbit.Value(overdue)->GetColour(), TB_RED);
    EXPECT_EQ(hobbit.Value(dueIn)->GetText(), "Overdue");
    EXPECT_EQ(hobbit.Value(dueIn)->GetColour(), TB_RED);
}

TEST(SampleImages, InventoryPhotosArePalmBitmapsImportedAtEachFieldsDepth) {
    CTbObjDB db;
    ASSERT_NO_FATAL_FAILURE(LoadSample(samples::HouseholdInventorySample(), db));
    ASSERT_GT(db.RecordCount(), 0);
    for (const auto& [name, depth] :
         std::vector<std::pair<const char*, int>>{{"Photo", 8}, {"Grey photo", 4}, {"Line photo", 1}}) {
        SCOPED_TRACE(name);
        const int slot = db.FindField(name, IMAGE_T);
        ASSERT_GT(slot, 0);
        EXPECT_EQ(static_cast<uint32_t>(depth), db.Field(slot)->ImageProps()->GetBitsPerPixel());
        const std::vector<uint8_t>& bytes = db.Records().RecordInStoredOrder(0)->Value(slot)->GetData();
        ASSERT_GE(bytes.size(), 16u);
        EXPECT_EQ(154, bytes[0] << 8 | bytes[1]);  // 32 x 24 enlarged to fit 154 x 135
        EXPECT_EQ(116, bytes[2] << 8 | bytes[3]);  // 115.5 truncated, raised to even
        EXPECT_EQ(depth, bytes[8]);
        EXPECT_EQ(1, bytes[9]);  // version
    }
}

}  // namespace
