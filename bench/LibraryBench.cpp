// Opening a user's library of 1,000 Tabulons: the scan with a header read of each file, the
// catalogue merged into the items, and the catalogue written when the library closes.
#include "library/CTbBrowser.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

constexpr int kTabulons = 1000;

// The user's HotSync folder, filled once per run: 1,000 Tabulons with a few fields, a catalogue.
const std::string& UserDirectory() {
    static const std::string folder = [] {
        std::string home = (std::filesystem::temp_directory_path() / "orvanta-bench-library").string();
        std::filesystem::remove_all(home);
        std::filesystem::create_directories(home + "/Orvanta");
        for (int i = 0; i < kTabulons; ++i) {
            CTbObjDB db;
            db.AddField("Name", TEXT_T);
            db.AddField("Amount", FLOATING_T);
            db.CreateNew("Tabulon " + std::to_string((i * 7919) % kTabulons), 0, home + "/Orvanta");
        }
        CTbBrowser browser(nullptr, nullptr);
        browser.OpenUserDirectory(home, "Bench");  // writes the catalogue the runs merge
        return home;
    }();
    return folder;
}

void BM_OpenLibraryOf1000Tabulons(benchmark::State& state) {
    const std::string& home = UserDirectory();
    for (auto _ : state) {
        CTbBrowser browser(nullptr, nullptr);
        browser.OpenUserDirectory(home, "Bench");
        if (browser.Items().size() != kTabulons) state.SkipWithError("the scan missed Tabulons");
        browser.Reset();
    }
    state.counters["tabulons"] = kTabulons;
}
BENCHMARK(BM_OpenLibraryOf1000Tabulons)->Unit(benchmark::kMillisecond);

}  // namespace
