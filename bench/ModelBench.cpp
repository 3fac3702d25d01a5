// The object model at the largest size a Tabulon holds: 65,448 records of 80 used fields.
// Reports the memory per record and the time to apply a three-key view and a two-condition filter.
#include "model/TbObjDB.h"

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr int kRecords = 65448;

// The field mix: 16 Text, 8 Memo, and 8 each of Integer, Long, Float, List, Checkbox, Date, Time.
void AddFields(CTbObjDB& db) {
    struct Group { TbFieldType type; int count; const char* name; };
    const Group groups[] = {{TEXT_T, 16, "Text"},   {MEMO_T, 8, "Memo"},       {INTEGER_T, 8, "Int"},
                            {LONG_T, 8, "Long"},    {FLOATING_T, 8, "Float"},  {LIST_T, 8, "List"},
                            {CHECKBOX_T, 8, "Check"}, {DATE_T, 8, "Date"},     {TIME_T, 8, "Time"}};
    for (const Group& group : groups)
        for (int i = 0; i < group.count; ++i) {
            CTbObjField* field = db.AddField(group.name + std::to_string(i), group.type);
            if (group.type == LIST_T)
                for (const char* item : {"Red", "Green", "Blue", "Yellow"}) field->ListProps()->Items().AddItem(item);
        }
}

std::string Word(std::mt19937& random, size_t length) {
    std::string text(length, ' ');
    for (char& c : text) c = static_cast<char>('a' + random() % 26);
    return text;
}

void FillRecord(CTbObjDB& db, CTbObjRecord& record, std::mt19937& random) {
    for (int slot = 1; slot <= MaxUserFields; ++slot) {
        CTbObjRecordValue& value = *record.Value(slot);
        switch (db.Field(slot)->GetType()) {
        case TEXT_T: value.SetText(Word(random, 20)); break;
        case MEMO_T: value.SetText(Word(random, 100)); break;
        case INTEGER_T: value.SetShort(static_cast<int16_t>(random() % 1000)); break;
        case LONG_T: value.SetLong(static_cast<int32_t>(random())); break;
        case FLOATING_T: value.SetFloat(static_cast<float>(random() % 100000) / 100.0f); break;
        case LIST_T: {
            int index = 1 + static_cast<int>(random() % 4);
            value.SetShort(static_cast<int16_t>(index));
            value.SetText(db.Field(slot)->ListProps()->Items().TextOfIndex(index));
            break;
        }
        case CHECKBOX_T: value.SetChecked(random() % 2); break;
        case DATE_T: value.SetDate(1990 + random() % 30, 1 + random() % 12, 1 + random() % 28); break;
        case TIME_T: value.SetTime(random() % 24, random() % 60, random() % 60); break;
        default: break;
        }
    }
}

size_t HeapInUse() {
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

std::unique_ptr<CTbObjDB> BuildDatabase() {
    auto db = std::make_unique<CTbObjDB>();
    AddFields(*db);
    std::mt19937 random(42);
    db->Records().Reserve(kRecords);
    for (int i = 0; i < kRecords; ++i) FillRecord(*db, *db->Records().AddRecord(true, false), random);
    return db;
}

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
