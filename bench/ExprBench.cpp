// Advanced Expression evaluation over the largest Tabulon: one expression of about ten tokens
// over three fields, evaluated through TbObjExprEvaluator (with the per-record value arrays
// and the expression component) for every record. Target: 250,000 records per second.
#include "LargeTabulon.h"

#include "expr/CTbRecalculator.h"
#include "expr/TbObjExprEvaluator.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

constexpr int kExpressionSlot = 80;  // the last Time field becomes the expression

// The large Tabulon with its last field turned into an Advanced Expression over three fields.
CTbObjDB& Tabulon() {
    static std::unique_ptr<CTbObjDB> db = [] {
        std::unique_ptr<CTbObjDB> built = BuildLargeTabulon();
        built->SetFieldType(kExpressionSlot, ADV_EXPRESSION_T, "Score");
        CTbObjField& field = *built->Field(kExpressionSlot);
        for (int i = 0; i < built->Records().Count(true); ++i)
            built->Records().RecordInStoredOrder(i)->Value(kExpressionSlot)->Reset(&field, false);
        std::string error;
        if (TbObjExprEvaluator(*built).SetExpression(
                field, "If(Int0 > 500, Float0 * 2, Float0 - Long0 / 1000)", nullptr, &error) != 0)
            throw std::runtime_error(error);
        return built;
    }();
    return *db;
}

void BM_AdvancedExpressionPerRecord(benchmark::State& state) {
    CTbObjDB& db = Tabulon();
    const CTbObjField& field = *db.Field(kExpressionSlot);
    CTbObjRecordList& records = db.Records();
    int count = records.Count(true);
    for (auto _ : state) {
        const CTbObjRecord* previous = nullptr;
        for (int i = 0; i < count; ++i) {
            CTbObjRecord* record = records.RecordInStoredOrder(i);
            benchmark::DoNotOptimize(TbObjExprEvaluator(db).Evaluate(*record, field, previous));
            previous = record;
        }
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_AdvancedExpressionPerRecord)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same through the whole recalculation pass (dependency step included).
void BM_RecalculateAll(benchmark::State& state) {
    CTbObjDB& db = Tabulon();
    for (auto _ : state) {
        CTbRecalculator recalculator(db);
        benchmark::DoNotOptimize(recalculator.RecalculateAll(nullptr));
    }
    state.SetItemsProcessed(state.iterations() * db.Records().Count(true));
}
BENCHMARK(BM_RecalculateAll)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
