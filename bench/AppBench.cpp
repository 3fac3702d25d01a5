// The desktop program through its real widgets (offscreen): choosing a HotSync user whose
// library holds 1,000 Tabulons, until the list of Tabulons is filled.
#include "app/shell/CMainFrame.h"
#include "app/shell/CPivotryApp.h"
#include "app/shell/CPvtrTitleBar.h"
#include "app/shell/DesktopSeams.h"
#include "app/shell/TbListModel.h"
#include "model/TbObjDB.h"
#include "platform/Registry.h"

#include <QApplication>
#include <QComboBox>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;
namespace pf = orvanta::platform;
constexpr int kTabulons = 1000;

class NoOpener : public orvanta::app::IDocumentOpener {
public:
    bool Open(const QString&) override { return true; }
};

// A Palm Desktop of its own with one user, "Bench", whose folder holds 1,000 Tabulons.
void MakeDesktop(const std::string& root) {
    fs::remove_all(root);
    std::string desktop = root + "/desktop";
    fs::create_directories(desktop + "/bench/Orvanta");
    std::ofstream(desktop + "/Users") << "Bench\tbench\t0\n";
    fs::create_symlink(std::string(ORVANTA_COMPONENT_DIR) + "/libinstaide.so", desktop + "/libinstaide.so");
    ::setenv("ORVANTA_REGISTRY", (root + "/registry").c_str(), 1);
    ::setenv("ORVANTA_PROGRAM_FOLDER", root.c_str(), 1);
    pf::RegistrySetValue(pf::RegistryRoot::CurrentUser, "Software\\U.S. Robotics\\Pilot Desktop\\Core",
                         "HotSyncPath", pf::RegistryString(desktop + "/HotSync.exe"));
    for (int i = 0; i < kTabulons; ++i) {
        CTbObjDB db;
        db.AddField("Name", TEXT_T);
        db.AddField("Amount", FLOATING_T);
        db.CreateNew("Tabulon " + std::to_string((i * 7919) % kTabulons), 0, desktop + "/bench/Orvanta");
    }
}

void BM_ChooseUserWith1000Tabulons(benchmark::State& state) {
    static const bool made = (MakeDesktop((fs::temp_directory_path() / "orvanta-bench-app").string()), true);
    (void)made;
    NoOpener opener;
    orvanta::app::CPivotryApp program({nullptr, &opener}, "orvanta-bench-app");
    if (!program.Start()) state.SkipWithError("the program did not start");
    QComboBox* users = program.MainFrame()->TitleBar().UserSelector();
    for (auto _ : state) {
        emit users->activated(0);
        if (program.MainFrame()->ListModel().rowCount() != kTabulons)
            state.SkipWithError("the list missed Tabulons");
    }
    state.counters["tabulons"] = kTabulons;
}
BENCHMARK(BM_ChooseUserWith1000Tabulons)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
