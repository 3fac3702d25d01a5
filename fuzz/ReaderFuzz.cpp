// Feeds fuzzer-chosen bytes to the Tabulon reader as a file on disk and reads it in full,
// header only, and header first then the rest. Any crash, hang, leak or sanitizer report
// is a bug; refusing the file with a message is the expected outcome for damaged input.
#include "FuzzFolder.h"

#include "model/TbObjDB.h"
#include "pdb/TbPDBReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzFolder& folder = FuzzFolder::Instance();
    std::string path = folder.Write("MRA_Fuzz.PDB", data, size);
    {
        CTbObjDB db;
        db.SetLocation(path, true);
        db.Load(false);
    }
    {
        CTbObjDB db;
        db.SetLocation(path, true);
        if (db.Load(true) >= 0) db.Load(false);
    }
    folder.Empty();
    return 0;
}
