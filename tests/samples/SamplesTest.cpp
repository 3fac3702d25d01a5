// The sample Tabulons the build writes: each loads back in full and holds exactly what the
// sample program builds in memory, and building again writes the very same bytes.
#include "Samples.h"
#include "pdb/TbPDBWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
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

void ExpectSameValue(const CTbObjField& field, const CTbObjRecordValue& built,
                     const CTbObjRecordValue& loaded) {
    SCOPED_TRACE(field.GetName());
    int16_t a[3], b[3];
    EXPECT_EQ(built.GetColour(), loaded.GetColour());
    switch (field.GetValueType()) {
        case TEXT_T:
        case MEMO_T:
            EXPECT_EQ(built.GetText(), loaded.GetText());
            break;
        case INTEGER_T:
        case LIST_T:
        case RADIO_T:
            EXPECT_EQ(built.GetShort(), loaded.GetShort());
            break;
        case LONG_T:
        case AUTO_INC_T:
            EXPECT_EQ(built.GetLong(), loaded.GetLong());
            break;
        case FLOATING_T:
            EXPECT_EQ(built.GetFloat(), loaded.GetFloat());
            break;
        case CHECKBOX_T:
            EXPECT_EQ(built.GetChecked(), loaded.GetChecked());
            break;
        case IMAGE_T:
            EXPECT_EQ(built.GetData(), loaded.GetData());
            break;
        case DATE_T:
        case TIME_T:
            built.GetDate(&a[0], &a[1], &a[2]);
            loaded.GetDate(&b[0], &b[1], &b[2]);
            EXPECT_EQ(std::memcmp(a, b, sizeof a), 0) << a[0] << "-" << a[1] << "-" << a[2];
            break;
        default:
            ADD_FAILURE() << "a sample field of an unexpected type";
            break;
    }
}

void ExpectSameDesign(CTbObjDB& built, CTbObjDB& loaded) {
    EXPECT_EQ(built.GetPdbName(), loaded.GetPdbName());
    ASSERT_EQ(built.UsedFieldCount(), loaded.UsedFieldCount());
    for (int slot = 0; slot < MaxFieldSlots; ++slot) {
        const CTbObjField& a = *built.Field(slot);
        const CTbObjField& b = *loaded.Field(slot);
        EXPECT_EQ(a.GetType(), b.GetType()) << "slot " << slot;
        if (!a.IsUsed() || !a.ListProps() || !b.ListProps()) continue;
        const CTbObjListItems& items = b.ListProps()->Items();
        ASSERT_EQ(a.ListProps()->Items().Count(), items.Count()) << a.GetName();
        for (int i = 0; i < items.Count(); ++i)
            EXPECT_EQ(a.ListProps()->Items().ItemAt(i)->text, items.ItemAt(i)->text);
    }
    ASSERT_EQ(built.ViewCount(), loaded.ViewCount());
    for (int v = 0; v < built.ViewCount(); ++v) {
        const CTbObjView& a = *built.View(v);
        const CTbObjView& b = *loaded.View(v);
        EXPECT_EQ(a.GetName(), b.GetName());
        EXPECT_EQ(a.GetDefaultFilter(), b.GetDefaultFilter()) << a.GetName();
        ASSERT_EQ(a.ColumnCount(), b.ColumnCount()) << a.GetName();
        for (int c = 0; c < a.ColumnCount(); ++c) EXPECT_EQ(a.Column(c)->GetField(), b.Column(c)->GetField());
        for (int k = 1; k <= 3; ++k) EXPECT_EQ(a.GetSortKey(k).field, b.GetSortKey(k).field) << a.GetName();
    }
    ASSERT_EQ(built.FilterCount(), loaded.FilterCount());
    for (int f = 0; f < built.FilterCount(); ++f) {
        EXPECT_EQ(built.Filter(f)->GetName(), loaded.Filter(f)->GetName());
        EXPECT_EQ(built.Filter(f)->GetCondition(0).constant, loaded.Filter(f)->GetCondition(0).constant);
    }
    ASSERT_EQ(built.TabCount(), loaded.TabCount());
    for (int t = 0; t < built.TabCount(); ++t) {
        EXPECT_EQ(built.Tab(t)->GetName(), loaded.Tab(t)->GetName());
        EXPECT_EQ(built.Tab(t)->UsedRowCount(), loaded.Tab(t)->UsedRowCount()) << built.Tab(t)->GetName();
    }
}

class SampleTabulonTest : public testing::TestWithParam<SampleCase> {
protected:
    // The sample as the build wrote it, loaded in full.
    void LoadGenerated(CTbObjDB& db) {
        db.SetLocation(FileOf(*GetParam().sample, kSamplesDir), true);
        TbResult result = db.Load(false);
        ASSERT_GE(result, 0) << db.GetLastErrorText();
    }
};

TEST_P(SampleTabulonTest, LoadsInFullWithTheDesignItPromises) {
    CTbObjDB db;
    ASSERT_NO_FATAL_FAILURE(LoadGenerated(db));
    EXPECT_EQ(db.GetLoadState(), TB_LOAD_FULL);
    EXPECT_GE(db.RecordCount(), GetParam().minRecords);
    EXPECT_GE(db.UsedFieldCount(), 8);
    EXPECT_GE(db.ViewCount(), 2);
    EXPECT_GE(db.FilterCount(), 1);
    EXPECT_GE(db.TabCount(), 2);
    EXPECT_GE(db.Field(0)->ListProps()->Items().Count(), 2);  // categories
}

TEST_P(SampleTabulonTest, HoldsWhatTheSampleProgramBuilds) {
    TempDir dir;
    CTbObjDB built;
    ASSERT_GE(samples::MakeSample(*GetParam().sample, dir.Path().string(), built), 0)
        << built.Writer().GetErrorText();
    CTbObjDB loaded;
    ASSERT_NO_FATAL_FAILURE(LoadGenerated(loaded));
    ExpectSameDesign(built, loaded);
    ASSERT_EQ(built.RecordCount(), loaded.RecordCount());
    for (int r = 0; r < built.RecordCount(); ++r) {
        const CTbObjRecord& a = *built.Records().RecordInStoredOrder(r);
        const CTbObjRecord& b = *loaded.Records().RecordInStoredOrder(r);
        SCOPED_TRACE("record " + std::to_string(r));
        EXPECT_EQ(a.GetKey(), b.GetKey());
        EXPECT_EQ(a.GetCategory(), b.GetCategory());
        for (int slot = 1; slot < MaxFieldSlots; ++slot)
            if (built.Field(slot)->IsUsed())
                ExpectSameValue(*built.Field(slot), *a.Value(slot), *b.Value(slot));
    }
}

TEST_P(SampleTabulonTest, BuildingAgainWritesTheSameBytes) {
    TempDir dir;
    CTbObjDB db;
    ASSERT_GE(samples::MakeSample(*GetParam().sample, dir.Path().string(), db), 0)
        << db.Writer().GetErrorText();
    std::vector<uint8_t> generated = ReadBytes(FileOf(*GetParam().sample, kSamplesDir));
    ASSERT_FALSE(generated.empty());
    EXPECT_TRUE(ReadBytes(FileOf(*GetParam().sample, dir.Path().string())) == generated);
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleTabulonTest,
                         testing::Values(SampleCase{&samples::ContactsSample(), 12},
                                         SampleCase{&samples::HouseholdInventorySample(), 10},
                                         SampleCase{&samples::ReadingListSample(), 15},
                                         SampleCase{&samples::TimeLogSample(), 20}),
                         PrintName);

// Reads a sample as the build wrote it.
void LoadSample(const samples::SampleTabulon& sample, CTbObjDB& db) {
    db.SetLocation(FileOf(sample, kSamplesDir), true);
    ASSERT_GE(db.Load(false), 0) << db.GetLastErrorText();
}

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
    db.SetLocation(FileOf(samples::HouseholdInventorySample(), kSamplesDir), true);
    ASSERT_GE(db.Load(false), 0) << db.GetLastErrorText();
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
