// Resolving joins of a Tabulon of 65,448 records against a joined Tabulon of 65,448 records:
// one DB Join on a Text key and two DB Lookups, every record matched through the join index.
#include "library/CTbBrowser.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

constexpr int kRecords = 65448;

std::string Code(int i) { return "S-" + std::to_string(100000 + i); }

void WriteSuppliers(const std::string& folder) {
    CTbObjDB db;
    db.AddField("Code", TEXT_T);
    db.AddField("Name", TEXT_T);
    db.AddField("Rating", FLOATING_T);
    db.CreateNew("Suppliers", 0, folder);
    db.Records().Reserve(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        CTbObjRecord& record = *db.Records().AddRecord(true, false);
        record.Value(1)->SetText(Code(i));
        record.Value(2)->SetText("Supplier number " + std::to_string(i));
        record.Value(3)->SetFloat(static_cast<float>(i % 50) / 10);
    }
    db.Save();
}

void WriteItems(const std::string& folder) {
    CTbObjDB db;
    const std::pair<TbFieldType, int> fields[] = {{DB_JOIN_T, 1}, {DB_LOOKUP_T, 2}, {DB_LOOKUP_T, 3}};
    for (auto [type, shown] : fields) {
        CTbObjFieldJoin& props = *db.AddField("Join", type)->JoinProps();
        props.SetSourceDatabase(type == DB_JOIN_T ? "Suppliers" : "");
        props.SetJoinField(1);
        props.SetDisplayField(static_cast<uint8_t>(shown));
        props.SetJoinFieldType(TEXT_T);
    }
    db.CreateNew("Items", 0, folder);
    db.Records().Reserve(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        CTbObjRecordValue& join = *db.Records().AddRecord(true, false)->Value(1);
        join.SetType(TEXT_T);
        join.SetText(Code(static_cast<int>((static_cast<int64_t>(i) * 7919) % kRecords)));
    }
    db.Save();
}

// The user's HotSync folder with the two Tabulons, written once per run.
const std::string& UserDirectory() {
    static const std::string folder = [] {
        std::string home = (std::filesystem::temp_directory_path() / "orvanta-bench-joins").string();
        std::filesystem::remove_all(home);
        std::filesystem::create_directories(home + "/Orvanta");
        WriteSuppliers(home + "/Orvanta");
        WriteItems(home + "/Orvanta");
        return home;
    }();
    return folder;
}

void BM_ResolveJoinsOf65448RecordsAgainst65448(benchmark::State& state) {
    CTbBrowser browser(nullptr, nullptr);
    browser.OpenUserDirectory(UserDirectory(), "Bench");
    CTbItem* items = browser.FindByDisplayName("Items");
    if (!items || items->Load(false) < 0) return state.SkipWithError("Items could not be read");
    items->ResolveJoins();  // reads the joined Tabulon in full once, outside the timing
    for (auto _ : state) items->ResolveJoins();
    CTbObjRecord& last = *items->Db().Records().RecordInStoredOrder(kRecords - 1);
    if (last.Value(2)->JoinedValue().GetText().rfind("Supplier number ", 0) != 0)
        state.SkipWithError("a record was not matched");
    state.counters["records"] = kRecords;
}
BENCHMARK(BM_ResolveJoinsOf65448RecordsAgainst65448)->Unit(benchmark::kMillisecond);

}  // namespace
