// Reading and writing the largest Tabulon the format holds: a full read, a header-only read
// and a write, in MB/s of file, and the peak resident memory each adds against the file's size.
#include "LargeTabulon.h"
#include "pdb/TbPDBWriter.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <sys/wait.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <functional>
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

// A figure of /proc/self/status in bytes ("VmRSS", "VmHWM").
double StatusBytes(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key + ":", 0) == 0) return std::stod(line.substr(key.size() + 1)) * 1024.0;
    return -1;
}

// How far the resident memory (high-water RSS) rises above what the process holds before the
// work, measured in a child process so that nothing the benchmark did before counts.
double PeakRssGrowth(const std::function<void()>& work) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return -1;
    pid_t child = ::fork();
    if (child == 0) {
        ::malloc_trim(0);  // free heap the benchmark left behind would otherwise absorb the work
        double before = StatusBytes("VmRSS");
        std::ofstream("/proc/self/clear_refs") << "5";  // the high-water mark starts again from here
        work();
        double growth = StatusBytes("VmHWM") - before;
        ssize_t written = ::write(pipeEnds[1], &growth, sizeof growth);
        ::_exit(written == sizeof growth ? 0 : 1);
    }
    double growth = -1;
    if (::read(pipeEnds[0], &growth, sizeof growth) != sizeof growth) growth = -1;
    ::waitpid(child, nullptr, 0);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    return growth;
}

void BM_FullRead(benchmark::State& state) {
    const std::string& path = LargeFile();
    for (auto _ : state) {
        CTbObjDB db;
        db.SetLocation(path, true);
        if (db.Load(false) < 0) state.SkipWithError(db.GetLastErrorText().c_str());
        benchmark::DoNotOptimize(db.RecordCount());
        state.PauseTiming();
        db.Clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * FileSize(path)));
    state.counters["file_MB"] = FileSize(path) / 1e6;
    state.counters["peak_rss_x_file"] = PeakRssGrowth([&] {
                                            CTbObjDB db;
                                            db.SetLocation(path, true);
                                            db.Load(false);
                                        }) /
                                        FileSize(path);
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
    // What the save adds to the memory of the Tabulon it writes.
    state.counters["save_peak_rss_x_file"] = PeakRssGrowth([&] { db->Save(); }) / FileSize(db->FullPath());
    std::filesystem::remove_all(folder);
}

}  // namespace

BENCHMARK(BM_FullRead)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_HeaderOnlyRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Write)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
