// Reading and writing the largest Tabulon the format holds: a full read, a header-only read
// and a write, in MB/s of file, and the peak memory of a full read against the file's size.
#include "LargeTabulon.h"
#include "pdb/TbPDBWriter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

// The benchmark file, written once per run into the temporary folder.
const std::string& LargeFile() {
    static const std::string path = [] {
        std::string folder = (std::filesystem::temp_directory_path() / "orvanta-bench-file").string();
        std::filesystem::create_directories(folder);
        auto db = BuildLargeTabulon();
        db->CreateNew("Benchmark", 0, folder);
        return db->FullPath();
    }();
    return path;
}

double FileSize(const std::string& path) { return static_cast<double>(std::filesystem::file_size(path)); }

// Peak resident memory (kB) since the last ResetPeak(), from the kernel's own bookkeeping.
long StatusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == key) {
            long kb = 0;
            status >> kb;
            return kb;
        }
    return 0;
}

void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

void BM_FullRead(benchmark::State& state) {
    const std::string& path = LargeFile();
    double peakRatio = 0;
    for (auto _ : state) {
        ResetPeak();
        long before = StatusKb("VmRSS:");
        CTbObjDB db;
        db.SetLocation(path, true);
        if (db.Load(false) < 0) state.SkipWithError(db.GetLastErrorText().c_str());
        peakRatio = static_cast<double>(StatusKb("VmHWM:") - before) * 1024.0 / FileSize(path);
        benchmark::DoNotOptimize(db.RecordCount());
        state.PauseTiming();
        db.Clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * FileSize(path)));
    state.counters["file_MB"] = FileSize(path) / 1e6;
    state.counters["peak_memory_x_file"] = peakRatio;
}

void BM_HeaderOnlyRead(benchmark::State& state) {
    const std::string& path = LargeFile();
    for (auto _ : state) {
        CTbObjDB db;
        db.SetLocation(path, true);
        if (db.Load(true) < 0) state.SkipWithError(db.GetLastErrorText().c_str());
        benchmark::DoNotOptimize(db.RecordCount());
    }
}

void BM_Write(benchmark::State& state) {
    auto db = BuildLargeTabulon();
    std::string folder = (std::filesystem::temp_directory_path() / "orvanta-bench-write").string();
    std::filesystem::create_directories(folder);
    db->CreateNew("Benchmark Write", 0, folder);
    for (auto _ : state)
        if (db->Save() < 0) state.SkipWithError(db->Writer().GetErrorText().c_str());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * FileSize(db->FullPath())));
    std::filesystem::remove_all(folder);
}

}  // namespace

BENCHMARK(BM_FullRead)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_HeaderOnlyRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write)->Unit(benchmark::kMillisecond)->Iterations(3);
