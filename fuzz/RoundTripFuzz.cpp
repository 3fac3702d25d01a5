// Reads fuzzer-chosen bytes as a Tabulon, saves what was read and reads the saved file again:
// the save must succeed, the saved file must read without warnings and with every record the
// first read kept, and a second round trip must give the second read's Tabulon unchanged. (The
// first round trip may still settle the form of values: the writer writes an entry for every
// used field, so a value the file left out reads back as set to its empty value.) Aborts with
// the differences otherwise.
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
    FuzzFolder::Instance().Remove();
    std::fprintf(stderr, "%s\n", what.c_str());
    for (const std::string& line : lines) std::fprintf(stderr, "  %s\n", line.c_str());
    std::abort();
}

// Saves db as name in the fuzzing folder and reads it back into again.
void RoundTrip(CTbObjDB& db, const std::string& name, CTbObjDB& again) {
    std::string path = FuzzFolder::Instance().File(name);
    db.SetLocation(path, true);
    if (db.Save() < 0) Fail("the save failed: " + db.Writer().GetErrorLines());
    again.SetLocation(path, true);
    if (again.Load(false) < 0) Fail("the saved file does not read: " + again.Reader().GetErrorLines());
    if (!again.LoadWarnings().empty())
        Fail("the saved file reads with warnings: " + again.LoadWarnings()[0].text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace orvanta::cli;
    FuzzFolder& folder = FuzzFolder::Instance();
    std::string path = folder.Write("MRA_Fuzz.PDB", data, size);
    CTbObjDB first;
    first.SetLocation(path, true);
    if (first.Load(false) >= 0) {
        const bool damaged = !first.LoadWarnings().empty();
        CTbObjDB second, third;
        RoundTrip(first, "MRA_Saved.PDB", second);
        if (!damaged && second.Records().Count(true) != first.Records().Count(true))
            Fail("the save lost records of a file read without warnings");
        Json settled = JsonAfterRoundTrip(TabulonToJson(second));
        RoundTrip(second, "MRA_Again.PDB", third);
        std::vector<std::string> differences = DiffJson(settled, TabulonToJson(third));
        if (!differences.empty()) Fail("the third read differs from the second:", differences);
    }
    folder.Empty();
    return 0;
}
