// What users feel of orvanta-cli on the largest Tabulon: resave (a full read and a save), json,
// check and info, each run as its own process: wall and CPU time, and peak memory (high-water RSS).
#include "LargeTabulon.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// The benchmark file, written once per run into the temporary folder by a child process: the
// commands' peak memory would otherwise include what this process once held.
const std::string& LargeFile() {
    static const std::string path = [] {
        std::filesystem::path folder = std::filesystem::temp_directory_path() / "orvanta-bench-cli";
        std::filesystem::create_directories(folder);
        pid_t child = ::fork();
        if (child == 0) {
            auto db = BuildLargeTabulon();
            ::_exit(db->CreateNew("Benchmark", 0, folder.string()) < 0 ? 1 : 0);
        }
        ::waitpid(child, nullptr, 0);
        return (folder / "MRA_Benchmark.PDB").string();
    }();
    return path;
}

struct Run {
    double wallSeconds = 0, cpuSeconds = 0, peakBytes = 0;
    bool ok = false;
};

// Runs orvanta-cli with the arguments, its output thrown away, and measures it.
Run RunCli(const std::vector<std::string>& arguments) {
    std::vector<char*> argv{const_cast<char*>(ORVANTA_CLI)};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    Run run;
    auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, ORVANTA_CLI, &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        struct rusage usage {};
        wait4(child, &status, 0, &usage);
        run.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        run.peakBytes = static_cast<double>(usage.ru_maxrss) * 1024.0;
        run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

void BenchCommand(benchmark::State& state, const std::vector<std::string>& arguments) {
    double fileSize = static_cast<double>(std::filesystem::file_size(LargeFile()));
    Run worst;
    double cpu = 0;
    for (auto _ : state) {
        Run run = RunCli(arguments);
        if (!run.ok) state.SkipWithError("orvanta-cli failed");
        state.SetIterationTime(run.wallSeconds);
        cpu += run.cpuSeconds;
        if (run.peakBytes > worst.peakBytes) worst = run;
    }
    state.counters["cpu_s"] = cpu / static_cast<double>(state.iterations());
    state.counters["peak_MB"] = worst.peakBytes / 1e6;
    state.counters["peak_x_file"] = worst.peakBytes / fileSize;
}

void BM_ResaveCommand(benchmark::State& state) {
    BenchCommand(state, {"resave", LargeFile(), "-o", LargeFile() + ".out.PDB"});
}
void BM_JsonCommand(benchmark::State& state) { BenchCommand(state, {"json", LargeFile()}); }
void BM_CheckCommand(benchmark::State& state) { BenchCommand(state, {"check", LargeFile()}); }
void BM_InfoCommand(benchmark::State& state) { BenchCommand(state, {"info", LargeFile()}); }

}  // namespace

BENCHMARK(BM_ResaveCommand)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_JsonCommand)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_CheckCommand)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_InfoCommand)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();
