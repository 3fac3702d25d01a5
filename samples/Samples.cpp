// The list of sample Tabulons and the one way each is made: designed, created as a new file
// with fixed header dates, completed and saved again, so every build writes the same bytes.
#include "Samples.h"

#include "SampleKit.h"

namespace samples {

std::vector<const SampleTabulon*> AllSamples() {
    return {&ContactsSample(), &HouseholdInventorySample(), &ReadingListSample(),
            &TimeLogSample(),  &SuppliersSample(),          &WorkshopStockSample()};
}

TbResult MakeSample(const SampleTabulon& sample, const std::string& folder, CTbObjDB& db) {
    sample.design(db);
    db.SetCreationDate(PalmSeconds(2004, 11, 1, 9, 0));
    db.SetModificationDate(PalmSeconds(2004, 11, 20, 17, 30));
    TbResult result = db.CreateNew(sample.name, 0, folder);
    if (result < 0) return result;
    sample.complete(db);
    // Opened on the handheld (and in the Records tab), a sample shows all its records: every
    // category, no filter.
    db.SetCurrentCategory(0xFF);
    db.SetCurrentFilter(0xFFFF);
    return db.Save();
}

}  // namespace samples
