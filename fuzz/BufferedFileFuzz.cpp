// Runs fuzzer-chosen scripts of buffered-file operations against a plain byte vector and
// aborts on the first difference in contents, position or failure.
#include "FuzzFolder.h"
#include "io/BufferedFileHarness.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void FailIf(const std::string& failure) {
    if (failure.empty()) return;
    FuzzFolder::Instance().Remove();
    std::fprintf(stderr, "%s\n", failure.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzFolder& folder = FuzzFolder::Instance();
    {
        BufferedFileHarness harness(folder.File("file.bin"));
        for (size_t at = 0; at < size;) FailIf(harness.Step(data, size, &at));
        FailIf(harness.Finish());
    }
    folder.Empty();
    return 0;
}
