// make-samples: writes the sample Tabulons (Contacts, Household Inventory, Reading List, Time
// Log) into the folder given as its argument, creating the folder when needed.
#include "Samples.h"

#include "pdb/TbPDBWriter.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argc > 0 ? argv[0] : "make-samples");
        return 2;
    }
    const std::string folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "make-samples: cannot create %s: %s\n", folder.c_str(), error.message().c_str());
        return 1;
    }
    for (const samples::SampleTabulon* sample : samples::AllSamples()) {
        CTbObjDB db;
        TbResult result;
        try {
            result = samples::MakeSample(*sample, folder, db);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "make-samples: %s: %s\n", sample->name, e.what());
            return 1;
        }
        if (result < 0) {
            std::string message = db.Writer().GetErrorText();
            if (message.empty()) message = "the file could not be written";
            std::fprintf(stderr, "make-samples: %s (0x%08X): %s\n", db.FullPath().c_str(),
                         static_cast<unsigned>(result), message.c_str());
            return 1;
        }
        std::printf("%s: %d records\n", db.FullPath().c_str(), db.RecordCount());
    }
    return 0;
}
