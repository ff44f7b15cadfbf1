// Every store command on the largest collections the program keeps: a
// history of 1000 entries and a favourites table of 5000 rows. Each command
// must answer well within 100 ms. The orphan cascade is run both as single
// runs (one removal per table rewrite) and as the sweep the pass uses.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "collections/CHistoryStore.h"
#include "collections/COkiniiriStore.h"

namespace {

using namespace lumora;

std::filesystem::path tempFolder() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "lumora-bench-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) std::abort();
    return tmpl;
}

void writeFile(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

FigureRecord record(int seed) {
    FigureRecord r;
    for (int i = 0; i < FigureRecord::kValueCount; ++i) r[i] = (seed * 17 + i * 5) % 200;
    r[FigureRecord::RecordSum] = recordSum(r);
    return r;
}

std::string history(int n) {
    std::array<bool, 20> active;
    active.fill(true);
    std::string out;
    for (int i = 0; i < n; ++i) out += CHistoryStore::entryLine(record(i), active);
    return out;
}

const std::string kTop = "1,0,\x82\xA8\x8B\x43\x82\xC9\x93\xFC\x82\xE8,1,1,1\r\n";

std::string favouriteRow(int id, int parent) {
    const FigureRecord r = record(id);
    std::string row = std::to_string(id) + "," + std::to_string(parent) + ",name" + std::to_string(id) + ",0,0";
    for (int i = 0; i < FigureRecord::kSize; ++i) row += "," + std::to_string(r[i]);
    return row + "," + std::to_string(wrappingSum(r.v.data(), FigureRecord::kSize)) + "\r\n";
}

// 50 folders under the top, 4950 favourites spread over them.
std::string favourites(int n) {
    std::string out = kTop;
    for (int id = 2; id <= 51; ++id) out += std::to_string(id) + ",1,folder" + std::to_string(id) + ",1,1,1\r\n";
    for (int id = 52; id <= n; ++id) out += favouriteRow(id, 2 + id % 50);
    return out;
}

// A chain of folders, each inside the one before it.
std::string chain(int n) {
    std::string out = kTop;
    for (int id = 2; id <= n; ++id) out += std::to_string(id) + "," + std::to_string(id - 1) + ",c,1,1,1\r\n";
    return out;
}

struct HistoryBench : benchmark::Fixture {
    void SetUp(benchmark::State&) override {
        folder = tempFolder();
        writeFile(folder / "csv_history0", history(1000));
    }
    void TearDown(benchmark::State&) override { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
};

BENCHMARK_F(HistoryBench, AppendAndTrim)(benchmark::State& state) {
    CHistoryStore store(folder);
    std::array<bool, 20> active;
    active.fill(true);
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(store.AppendEntry(record(i++), active));
}
BENCHMARK_F(HistoryBench, Check)(benchmark::State& state) {
    CHistoryStore store(folder);
    for (auto _ : state) benchmark::DoNotOptimize(store.CheckEntries());
}
BENCHMARK_F(HistoryBench, ReadOldestEntry)(benchmark::State& state) {
    CHistoryStore store(folder);
    for (auto _ : state) benchmark::DoNotOptimize(store.ReadEntry(999));
}
BENCHMARK_F(HistoryBench, Count)(benchmark::State& state) {
    CHistoryStore store(folder);
    for (auto _ : state) benchmark::DoNotOptimize(store.CountEntries());
}
BENCHMARK_F(HistoryBench, ExportImport)(benchmark::State& state) {
    CHistoryStore store(folder);
    for (auto _ : state) {
        store.ExportHistory(folder / "out.lmhis");
        benchmark::DoNotOptimize(store.ImportHistory(folder / "out.lmhis"));
    }
}

struct FavouritesBench : benchmark::Fixture {
    void SetUp(benchmark::State&) override {
        folder = tempFolder();
        table = favourites(5000);
        writeFile(folder / "csv_okiniiri0", table);
    }
    void TearDown(benchmark::State&) override { std::filesystem::remove_all(folder); }
    void reset() { writeFile(folder / "csv_okiniiri0", table); }
    std::filesystem::path folder;
    std::string table;
};

BENCHMARK_F(FavouritesBench, IntegrityPassOnValidTable)(benchmark::State& state) {
    COkiniiriStore store(folder);
    for (auto _ : state) benchmark::DoNotOptimize(store.RunIntegrityPass());
}
BENCHMARK_F(FavouritesBench, ReadRowsAndDeriveTree)(benchmark::State& state) {
    COkiniiriStore store(folder);
    for (auto _ : state) {
        auto rows = store.ReadRows();
        benchmark::DoNotOptimize(COkiniiriStore::DeriveTree(rows.rows, TreeScope::AllRows));
    }
}
BENCHMARK_F(FavouritesBench, MoveFavouriteTopToBottom)(benchmark::State& state) {
    COkiniiriStore store(folder);
    for (auto _ : state) {
        state.PauseTiming();
        reset();
        state.ResumeTiming();
        benchmark::DoNotOptimize(store.MoveFavourite(52, 4999));
    }
}
BENCHMARK_F(FavouritesBench, RemoveFolderWithItsFavourites)(benchmark::State& state) {
    COkiniiriStore store(folder);
    for (auto _ : state) {
        state.PauseTiming();
        reset();
        state.ResumeTiming();
        benchmark::DoNotOptimize(store.RemoveRow(2));
    }
}
BENCHMARK_F(FavouritesBench, RenameRow)(benchmark::State& state) {
    COkiniiriStore store(folder);
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(store.RenameRow(3000, "renamed" + std::to_string(i++)));
}
BENCHMARK_F(FavouritesBench, SyncExpansionFlags)(benchmark::State& state) {
    COkiniiriStore store(folder);
    std::vector<std::optional<bool>> shown(5000);
    bool open = false;
    for (auto _ : state) {
        open = !open;
        for (int i = 1; i <= 50; ++i) shown[static_cast<std::size_t>(i)] = open;
        benchmark::DoNotOptimize(store.SyncExpansionFlags(shown));
    }
}
BENCHMARK_F(FavouritesBench, AppendFavourite)(benchmark::State& state) {
    COkiniiriStore store(folder);
    for (auto _ : state) {
        state.PauseTiming();
        reset();
        state.ResumeTiming();
        benchmark::DoNotOptimize(store.AppendFavourite(2, "new", record(1)));
    }
}

// Removing the head of a chain of folders orphans the next one each time.
void OrphanCascade(benchmark::State& state, bool singleRuns) {
    const std::filesystem::path folder = tempFolder();
    const int n = static_cast<int>(state.range(0));
    std::string t = chain(n);
    t.replace(t.find("\r\n2,1,") + 4, 1, "0");  // line 2's parent names nothing
    COkiniiriStore store(folder);
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(folder / "csv_okiniiri0", t);
        state.ResumeTiming();
        if (singleRuns) {
            for (int run = 0; run < n && store.RemoveOneOrphan().removed; ++run) {
            }
        } else {
            store.RemoveOrphans();
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK_CAPTURE(OrphanCascade, SingleRuns, true)->Arg(250)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OrphanCascade, Sweep, false)->Arg(250)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
