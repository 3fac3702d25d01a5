// Runs fuzzer-chosen scripts of buffered-file operations against a plain byte vector and
// aborts on the first difference in contents, position or failure.
#include "io/BufferedFileHarness.h"

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/orvanta-fuzz-" + std::to_string(::getpid()) + ".bin";
    ::unlink(path.c_str());
    {
        BufferedFileHarness harness(path);
        for (size_t at = 0; at < size;) {
            std::string failure = harness.Step(data, size, &at);
            if (!failure.empty()) {
                std::fprintf(stderr, "%s\n", failure.c_str());
                std::abort();
            }
        }
        std::string failure = harness.Finish();
        if (!failure.empty()) {
            std::fprintf(stderr, "%s\n", failure.c_str());
            std::abort();
        }
    }
    ::unlink(path.c_str());
    return 0;
}
