#include "app/DueList.h"
#include "schedule/RotationList.h"
#include "schedule/ScheduleTable.h"
#include "storage/Cp932.h"

#include "AllocationCounter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

// A program folder with a 2,000-entry schedule spread over the game day and three areas.
struct Folder {
    std::filesystem::path path = std::filesystem::temp_directory_path() / "yorra-duelist-bench";
    Folder() {
        std::filesystem::create_directories(path / "PeriodicData");
        TClientDataSet table;
        table.CreateDataSet(ScheduleTableFields());
        const char* areas[] = {"ティルコネイル", "ダンバートン", ""};
        for (int i = 0; i < 2000; ++i) {
            table.Append();
            table.FieldByName("Hour").SetAsInteger(i % 24);
            table.FieldByName("Minutes").SetAsInteger((i * 7) % 60);
            table.FieldByName("Area").SetAsString(areas[i % 3]);
            table.FieldByName("Place").SetAsString("広場 " + std::to_string(i));
            table.FieldByName("Memo").SetAsString("メモ\r\n" + std::to_string(i));
            table.FieldByName("CheckVisible").SetAsBoolean(true);
            table.FieldByName("AlarmName").SetAsString("アルバイトアラーム");
            table.Post();
        }
        table.SaveToFile((path / "YorraPDA13.xml").string());
        std::ofstream(path / "gate.ini", std::ios::binary)
            << Utf8ToCp932("[MoonGate]\r\nGate1=ダンバートン\r\n");
        std::ofstream(path / "week.ini", std::ios::binary)
            << Utf8ToCp932("[Lughnasadh]\r\nName=木曜\r\n");
    }
    ~Folder() { std::filesystem::remove_all(path); }
};

struct Engine {
    Folder folder;
    TRotationList moonGate{(folder.path / "gate.ini").string(), MoonGateRotation};
    TRotationList price{(folder.path / "gate.ini").string(), PriceRotation};
    TYorraWeeksList weeks{(folder.path / "week.ini").string()};
    TDueListEngine engine{(folder.path / "YorraPDA13.xml").string(), moonGate, price, weeks};
    Engine() { engine.RebuildViewTable("ティルコネイル", 60, 180); }
};

const TLocalDateTime Thursday = EncodeDateTime(2026, 12, 10, 12, 0);

} // namespace

// The refresh of every tick on which nothing changed; counts its heap allocations.
static void BM_RefreshDueList_Unchanged(benchmark::State& state) {
    Engine e;
    e.engine.RefreshDueList(600, Thursday);
    e.engine.RefreshDueList(600, Thursday);
    const std::size_t before = AllocationCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(e.engine.RefreshDueList(600, Thursday));
    state.counters["allocations"] = static_cast<double>(AllocationCount() - before);
}
BENCHMARK(BM_RefreshDueList_Unchanged)->Unit(benchmark::kMicrosecond);

// The refresh of a new game minute: marks and entries change.
static void BM_RefreshDueList_NextMinute(benchmark::State& state) {
    Engine e;
    int minute = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(e.engine.RefreshDueList(minute, Thursday));
        minute = (minute + 1) % 1440;
    }
}
BENCHMARK(BM_RefreshDueList_NextMinute)->Unit(benchmark::kMicrosecond);
