// The desktop program through its real widgets (offscreen): choosing a HotSync user whose
// library holds 1,000 Tabulons, until the list of Tabulons is filled; opening the largest
// Tabulon's Records tab until its first rows are drawn, and sorting it by a text column.
#include "LargeTabulon.h"

#include "app/records/CDataViewerTab.h"
#include "app/records/TbRecordsModel.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CPivotryApp.h"
#include "app/shell/CPivotryDoc.h"
#include "app/shell/CPvtrTitleBar.h"
#include "app/shell/CTbListCtrl.h"
#include "app/shell/DesktopSeams.h"
#include "app/shell/TbListModel.h"
#include "library/CTbBrowser.h"
#include "model/TbObjDB.h"
#include "platform/Registry.h"

#include <QApplication>
#include <QComboBox>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <algorithm>
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

// A Palm Desktop of its own with one user whose folder holds a number of small Tabulons.
void MakeDesktop(const std::string& root, const std::string& user, int tabulons) {
    fs::remove_all(root);
    std::string desktop = root + "/desktop";
    std::string folder = user;
    std::transform(folder.begin(), folder.end(), folder.begin(), ::tolower);
    fs::create_directories(desktop + "/" + folder + "/Orvanta");
    std::ofstream(desktop + "/Users") << user << "\t" << folder << "\t0\n";
    fs::create_symlink(std::string(ORVANTA_COMPONENT_DIR) + "/libinstaide.so", desktop + "/libinstaide.so");
    ::setenv("ORVANTA_REGISTRY", (root + "/registry").c_str(), 1);
    ::setenv("ORVANTA_PROGRAM_FOLDER", root.c_str(), 1);
    pf::RegistrySetValue(pf::RegistryRoot::CurrentUser, "Software\\U.S. Robotics\\Pilot Desktop\\Core",
                         "HotSyncPath", pf::RegistryString(desktop + "/HotSync.exe"));
    for (int i = 0; i < tabulons; ++i) {
        CTbObjDB db;
        db.AddField("Name", TEXT_T);
        db.AddField("Amount", FLOATING_T);
        db.CreateNew("Tabulon " + std::to_string((i * 7919) % kTabulons), 0,
                     desktop + "/" + folder + "/Orvanta");
    }
}

void BM_ChooseUserWith1000Tabulons(benchmark::State& state) {
    static const bool made =
        (MakeDesktop((fs::temp_directory_path() / "orvanta-bench-app").string(), "Bench", kTabulons), true);
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

// A desktop whose user "Large" holds the largest Tabulon, written once.
std::string LargeDesktop() {
    static const std::string root = [] {
        std::string folder = (fs::temp_directory_path() / "orvanta-bench-app-large").string();
        MakeDesktop(folder, "Large", 0);
        std::unique_ptr<CTbObjDB> db = BuildLargeTabulon();
        db->SetPdbName("MRA_Largest");
        db->SetLocation(folder + "/desktop/large/Orvanta", false);
        db->SetLoadState(TB_LOAD_NEW);
        if (db->Save() < 0) std::abort();
        return folder;
    }();
    ::setenv("ORVANTA_REGISTRY", (root + "/registry").c_str(), 1);
    ::setenv("ORVANTA_PROGRAM_FOLDER", root.c_str(), 1);
    return root;
}

// The program started on the large desktop with its user chosen.
struct LargeProgram {
    LargeProgram() : program({nullptr, &opener}, "orvanta-bench-app-large") {
        if (!program.Start()) std::abort();
        emit program.MainFrame()->TitleBar().UserSelector()->activated(0);
    }
    orvanta::app::CMainFrame& Frame() { return *program.MainFrame(); }
    // Shows the Records tab of the largest Tabulon and draws its first rows.
    void ShowRecords() {
        Frame().List().SelectItem(program.Doc()->Browser().FindByDisplayName("Largest"));
        Frame().TabsView().SelectTab(orvanta::app::CTabsView::Records);
        DrawGrid();
    }
    void DrawGrid() { benchmark::DoNotOptimize(Frame().RecordsTab().Grid()->viewport()->grab()); }
    NoOpener opener;
    orvanta::app::CPivotryApp program;
};

void BM_OpenLargestRecordsTab(benchmark::State& state) {
    LargeDesktop();
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<LargeProgram>();
        program->Frame().resize(1024, 700);
        state.ResumeTiming();
        program->ShowRecords();
        if (program->Frame().RecordsTab().Model().rowCount() != kLargeTabulonRecords)
            state.SkipWithError("the grid missed records");
        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
    }
    state.counters["records"] = kLargeTabulonRecords;
}
BENCHMARK(BM_OpenLargestRecordsTab)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SortLargestByText(benchmark::State& state) {
    LargeDesktop();
    LargeProgram program;
    program.Frame().resize(1024, 700);
    program.ShowRecords();
    orvanta::app::CDataViewerTab& tab = program.Frame().RecordsTab();
    for (auto _ : state) {
        tab.SortByColumn(0);  // a Text field
        program.DrawGrid();
    }
    state.counters["records"] = kLargeTabulonRecords;
}
BENCHMARK(BM_SortLargestByText)->Unit(benchmark::kMillisecond)->Iterations(4);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
