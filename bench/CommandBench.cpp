// What users feel of orvanta-cli on the largest Tabulon: resave (a full read and a save), json,
// check, info, import of a CSV file of that size (in Windows-1252 and in UTF-8), and export as
// CSV, .xlsx and SQLite, each run as its own process: wall and CPU time, and peak memory
// (high-water RSS).
#include "LargeTabulon.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstdio>
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

// One row of the import file: 80 values of mixed types, cycling through 30-character texts,
// integers, longs, reals, dates and times or checkboxes. The UTF-8 file's texts have a
// two-byte character where the other's have "a".
void AppendCsvRow(std::string* line, int row, bool utf8) {
    char value[64];
    for (int column = 0; column < 80; ++column) {
        const int n = row * 80 + column;
        switch (column % 8) {
            case 3:
                std::snprintf(value, sizeof value, "%d", n % 30000);
                break;
            case 4:
                std::snprintf(value, sizeof value, "%d", 100000 + n % 9000000);
                break;
            case 5:
                std::snprintf(value, sizeof value, "%d.%03d", n % 10000, n % 1000);
                break;
            case 6:
                std::snprintf(value, sizeof value, "%d/%d/%d", 1 + n % 12, 1 + n % 28, 1950 + n % 80);
                break;
            case 7:
                if (column % 16 == 7)
                    std::snprintf(value, sizeof value, "%d:%02d", n % 24, n % 60);
                else
                    std::snprintf(value, sizeof value, "%s", n % 2 ? "True" : "False");
                break;
            default:
                std::snprintf(value, sizeof value, "\"V%sue %08d, of row %06d\"", utf8 ? "\xC3\xA4l" : "al",
                              n, row);
        }
        line->append(value).push_back(column == 79 ? '\n' : ',');
    }
}

// A CSV of 65,448 rows of 80 columns (about 90 MB) with a header row, written once per run, and
// an empty Tabulon to import it into. The UTF-8 one begins with its signature.
std::string WriteLargeCsv(const char* name, bool utf8) {
    std::filesystem::path file = std::filesystem::temp_directory_path() / "orvanta-bench-cli" / name;
    std::filesystem::create_directories(file.parent_path());
    std::FILE* out = std::fopen(file.c_str(), "wb");
    std::string line = utf8 ? "\xEF\xBB\xBF" : "";
    for (int column = 0; column < 80; ++column)
        line.append("Column ").append(std::to_string(column + 1)).push_back(column == 79 ? '\n' : ',');
    for (int row = 0; row < kLargeTabulonRecords; ++row) {
        AppendCsvRow(&line, row, utf8);
        std::fwrite(line.data(), 1, line.size(), out);
        line.clear();
    }
    std::fclose(out);
    return file.string();
}

const std::string& LargeCsv() {
    static const std::string path = WriteLargeCsv("large.csv", false);
    return path;
}

const std::string& LargeUtf8Csv() {
    static const std::string path = WriteLargeCsv("large-utf8.csv", true);
    return path;
}

const std::string& EmptyTabulon() {
    static const std::string path = [] {
        std::filesystem::path folder = std::filesystem::temp_directory_path() / "orvanta-bench-cli" / "empty";
        std::filesystem::create_directories(folder);
        CTbObjDB db;
        db.CreateNew("Empty", 0, folder.string());
        return (folder / "MRA_Empty.PDB").string();
    }();
    return path;
}

void BenchCommand(benchmark::State& state, const std::vector<std::string>& arguments,
                  const std::string& measuredFile = LargeFile(), void (*prepare)() = nullptr) {
    double fileSize = static_cast<double>(std::filesystem::file_size(measuredFile));
    Run worst;
    double cpu = 0;
    for (auto _ : state) {
        if (prepare) prepare();
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

// Analyse, import into a new field per column, and save (peak memory against the CSV's size).
void BM_ImportCommand(benchmark::State& state) {
    static const std::string target = EmptyTabulon() + ".import.PDB";
    BenchCommand(state, {"import", target, LargeCsv(), "--add-all"}, LargeCsv(), [] {
        std::filesystem::copy_file(EmptyTabulon(), target, std::filesystem::copy_options::overwrite_existing);
    });
}
// The same from the UTF-8 file, transcoded first (the target: within 1.2 times the ANSI import).
void BM_ImportUtf8Command(benchmark::State& state) {
    static const std::string target = EmptyTabulon() + ".import-utf8.PDB";
    BenchCommand(state, {"import", target, LargeUtf8Csv(), "--add-all", "--encoding", "utf-8"},
                 LargeUtf8Csv(), [] {
                     std::filesystem::copy_file(EmptyTabulon(), target,
                                                std::filesystem::copy_options::overwrite_existing);
                 });
}
void BM_ExportCommand(benchmark::State& state) {
    BenchCommand(state, {"export", LargeFile(), LargeFile() + ".csv"});
}
// Targets: under 4 s for the workbook, under 1.5 s for the SQLite table.
void BM_ExportXlsxCommand(benchmark::State& state) {
    BenchCommand(state, {"export", LargeFile(), LargeFile() + ".xlsx"});
}
// Into a new database, the usual case (one with the table already: --replace drops it first).
void BM_ExportSqliteCommand(benchmark::State& state) {
    static const std::string out = LargeFile() + ".sqlite";
    BenchCommand(state, {"export", LargeFile(), out}, LargeFile(), [] { std::filesystem::remove(out); });
}

}  // namespace

BENCHMARK(BM_ResaveCommand)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_JsonCommand)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_CheckCommand)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_InfoCommand)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();
BENCHMARK(BM_ImportCommand)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_ImportUtf8Command)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_ExportCommand)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_ExportXlsxCommand)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_ExportSqliteCommand)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
