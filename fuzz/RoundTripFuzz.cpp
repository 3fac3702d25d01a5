// Reads fuzzer-chosen bytes as a Tabulon, saves what was read and reads the saved file again.
// The save must succeed and the second read must give the Tabulon of the first, less what the
// first read passed over or repaired (which the save leaves out or writes as repaired); aborts
// with the differences otherwise.
#include "FuzzFolder.h"

#include "cli/JsonDiff.h"
#include "cli/JsonExport.h"
#include "model/TbObjDB.h"
#include "pdb/TbPDBReader.h"
#include "pdb/TbPDBWriter.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const std::string& what, const std::vector<std::string>& lines = {}) {
    std::fprintf(stderr, "%s\n", what.c_str());
    for (const std::string& line : lines) std::fprintf(stderr, "  %s\n", line.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzFolder& folder = FuzzFolder::Instance();
    std::string path = folder.Write("MRA_Fuzz.PDB", data, size);
    CTbObjDB first;
    first.SetLocation(path, true);
    if (first.Load(false) >= 0) {
        first.SetLocation(folder.File("MRA_Saved.PDB"), true);
        if (first.Save() < 0) Fail("the save failed: " + first.Writer().GetErrorLines());
        CTbObjDB second;
        second.SetLocation(folder.File("MRA_Saved.PDB"), true);
        if (second.Load(false) < 0) Fail("the saved file does not read: " + second.Reader().GetErrorLines());
        if (!second.LoadWarnings().empty())
            Fail("the saved file reads with warnings: " + second.LoadWarnings()[0].text);
        std::vector<std::string> differences =
            orvanta::cli::DiffJson(orvanta::cli::JsonAfterRoundTrip(orvanta::cli::TabulonToJson(first)),
                                   orvanta::cli::TabulonToJson(second));
        if (!differences.empty()) Fail("the second read differs from the first:", differences);
    }
    folder.Empty();
    return 0;
}
