#include "storage/ClientDataSet.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A memo table of 10,000 rows with the memo pad's fields and texts of typical length.
void FillMemoTable(TClientDataSet& table) {
    table.CreateDataSet({AutoIncFieldDef("ID"), StringFieldDef("MemoTitle", 50),
                         StringFieldDef("MemoMemo", 5000), StringFieldDef("httpUrl", 255),
                         StringFieldDef("MemoGroup", 20), BooleanFieldDef("FilterCheck"),
                         StringFieldDef("MapAreaName", 50), BooleanFieldDef("MapAlwaysDisplays"),
                         StringFieldDef("MapTitle", 50), IntegerFieldDef("MapX"),
                         IntegerFieldDef("MapY"), IntegerFieldDef("MapPointX"),
                         IntegerFieldDef("MapPointY"), BooleanFieldDef("SystemCheck"),
                         BooleanFieldDef("URLIEOpen"), IntegerFieldDef("FontSize")});
    for (int i = 0; i < 10000; ++i) {
        table.Append();
        table.FieldByName("MemoTitle").SetAsString("メモ その" + std::to_string(i));
        table.FieldByName("MemoMemo")
            .SetAsString("メモ その" + std::to_string(i) +
                         "\r\nダンバートンの銀行の前で待ち合わせ。\r\n\"引用\" & <記号> \\ 表");
        table.FieldByName("httpUrl").SetAsString("http://example.com/search?q=[検索文字列UTF8]");
        table.FieldByName("MemoGroup").SetAsString(i % 3 ? "NPC" : "未分類");
        table.FieldByName("FilterCheck").SetAsBoolean(i % 2 == 0);
        table.FieldByName("MapAreaName").SetAsString("ダンバートン");
        table.FieldByName("MapAlwaysDisplays").SetAsBoolean(false);
        table.FieldByName("MapTitle").SetAsString("銀行");
        table.FieldByName("MapX").SetAsInteger(i % 1000);
        table.FieldByName("MapY").SetAsInteger(i % 700);
        table.FieldByName("SystemCheck").SetAsBoolean(false);
        table.FieldByName("URLIEOpen").SetAsBoolean(false);
        table.FieldByName("FontSize").SetAsInteger(8);
        table.Post();
    }
    table.MergeChangeLog();
    table.SetIndexFieldNames("MemoGroup;MapAreaName;ID");
}

std::string BenchFile() {
    return (std::filesystem::temp_directory_path() / "yorra-table-bench.xml").string();
}

void BM_SaveMemoTable(benchmark::State& state) {
    TClientDataSet table;
    FillMemoTable(table);
    const std::string path = BenchFile();
    for (auto _ : state)
        table.SaveToFile(path);
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveMemoTable)->Unit(benchmark::kMillisecond);

void BM_LoadMemoTable(benchmark::State& state) {
    TClientDataSet table;
    FillMemoTable(table);
    const std::string path = BenchFile();
    table.SaveToFile(path);
    TClientDataSet loaded;
    loaded.SetIndexFieldNames("MemoGroup;MapAreaName;ID");
    for (auto _ : state) {
        loaded.LoadFromFile(path);
        benchmark::DoNotOptimize(loaded.RecordCount());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadMemoTable)->Unit(benchmark::kMillisecond);

// The memo pad's filter run: store the match of every record in FilterCheck, then show only
// the rows that passed.
void BM_FilterMemoTable(benchmark::State& state) {
    TClientDataSet table;
    FillMemoTable(table);
    TField& check = table.FieldByName("FilterCheck");
    TField& memo = table.FieldByName("MemoMemo");
    for (auto _ : state) {
        table.SetFiltered(false);
        for (table.First(); !table.Eof(); table.Next()) {
            table.Edit();
            check.SetAsBoolean(memo.AsString().find("9") != std::string::npos);
            table.Post();
        }
        table.SetFilter("FilterCheck = True ");
        table.SetFiltered(true);
        benchmark::DoNotOptimize(table.RecordCount());
    }
}
BENCHMARK(BM_FilterMemoTable)->Unit(benchmark::kMillisecond);

} // namespace
