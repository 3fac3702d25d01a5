// Feeds fuzzer-chosen bytes to the Tabulon reader as a file on disk and reads it in full,
// header only, and header first then the rest. Any crash, hang, leak or sanitizer report
// is a bug; refusing the file with a message is the expected outcome for damaged input.
#include "model/TbObjDB.h"
#include "pdb/TbPDBReader.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cstdio>
#include <string>

namespace {

const std::string& InputPath() {
    static const std::string path = "/tmp/orvanta-fuzz-" + std::to_string(::getpid()) + "/MRA_Fuzz.PDB";
    return path;
}

void WriteInput(const uint8_t* data, size_t size) {
    static bool made = false;
    if (!made) {
        std::string folder = InputPath().substr(0, InputPath().rfind('/'));
        ::mkdir(folder.c_str(), 0700);
        made = true;
    }
    FILE* file = std::fopen(InputPath().c_str(), "wb");
    if (!file) return;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInput(data, size);
    {
        CTbObjDB db;
        db.SetLocation(InputPath(), true);
        db.Load(false);
    }
    {
        CTbObjDB db;
        db.SetLocation(InputPath(), true);
        if (db.Load(true) >= 0) db.Load(false);
    }
    return 0;
}
