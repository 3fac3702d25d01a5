// The sample Tabulons the program installs: each is designed, created as a new file, then
// completed with its views, filters, form and records, and saved again.
#pragma once

#include "model/TbObjDB.h"

#include <string>
#include <vector>

namespace samples {

struct SampleTabulon {
    const char* name;                // the Tabulon's name; its file is "MRA_" + name + ".PDB"
    void (*design)(CTbObjDB& db);    // fields and categories, before the file exists
    void (*complete)(CTbObjDB& db);  // views, filters, form and records, after it is created
};

const SampleTabulon& ContactsSample();
const SampleTabulon& HouseholdInventorySample();
const SampleTabulon& ReadingListSample();
const SampleTabulon& TimeLogSample();
// A joined pair: "Workshop Stock" joins "Suppliers".
const SampleTabulon& SuppliersSample();
const SampleTabulon& WorkshopStockSample();
std::vector<const SampleTabulon*> AllSamples();

// Builds a sample into db and writes it to folder: the design, CreateNew, the rest, Save.
// Returns the first failing result (the writer's message is then db.Writer().GetErrorText()).
TbResult MakeSample(const SampleTabulon& sample, const std::string& folder, CTbObjDB& db);

}  // namespace samples
