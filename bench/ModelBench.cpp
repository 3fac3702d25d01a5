// The object model at the largest size a Tabulon holds: 65,448 records of 80 used fields.
// Reports the memory per record and the time to apply a three-key view and a two-condition filter.
#include "LargeTabulon.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr int kRecords = kLargeTabulonRecords;

std::unique_ptr<CTbObjDB> BuildDatabase() { return BuildLargeTabulon(); }

void BM_BuildRecords(benchmark::State& state) {
    double bytesPerRecord = 0;
    for (auto _ : state) {
        size_t before = HeapInUse();
        auto db = BuildDatabase();
        bytesPerRecord = static_cast<double>(HeapInUse() - before) / kRecords;
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    state.counters["bytes_per_record"] = bytesPerRecord;
    state.counters["records"] = kRecords;
}

// A view sorted by a List field, then a Text field descending, then a Date field.
void BM_ApplyThreeKeyView(benchmark::State& state) {
    auto db = BuildDatabase();
    CTbObjView* view = db->AddView();
    const int list = db->FindField("List0", LIST_T), text = db->FindField("Text0", TEXT_T),
              date = db->FindField("Date0", DATE_T);
    for (int slot : {list, text, date}) view->AddColumn(static_cast<uint16_t>(slot));
    view->SetSortKey(1, static_cast<uint16_t>(list), 0);
    view->SetSortKey(2, static_cast<uint16_t>(text), 1);
    view->SetSortKey(3, static_cast<uint16_t>(date), 0);
    for (auto _ : state) {
        db->Records().ApplyView(0);
        benchmark::DoNotOptimize(db->Records().Record(0));
    }
    state.counters["records"] = db->Records().Count();
}

// Integer below 500 and a Text containing "ab", ignoring case.
void BM_ApplyTwoConditionFilter(benchmark::State& state) {
    auto db = BuildDatabase();
    CTbObjFilter* filter = db->AddFilter();
    filter->SetCondition(0, static_cast<uint16_t>(db->FindField("Int0", INTEGER_T)), '<', 0, "500");
    filter->SetCondition(1, static_cast<uint16_t>(db->FindField("Text3", TEXT_T)), 'h', 0, "ab");
    filter->SetLogicOperator(0, 'A');
    for (auto _ : state) {
        db->Records().ApplyFilter(AllCategories, 0);
        benchmark::DoNotOptimize(db->Records().Count());
    }
    state.counters["passing"] = db->Records().Count();
}

}  // namespace

BENCHMARK(BM_BuildRecords)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ApplyThreeKeyView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApplyTwoConditionFilter)->Unit(benchmark::kMillisecond);
