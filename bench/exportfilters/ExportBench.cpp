// Exporting a book of a million transactions (every list chosen) as text and as HTML.
// Goals: text at most 2 s, HTML at most 4 s. The HTML file of such a book is about 790 MB, so the
// time depends on how fast the file system takes it; QB_BENCH_DIR=/dev/shm measures without a disk.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "DefaultColumnSets.h"
#include "ExportRunner.h"
#include "SyntheticBook.h"

namespace {

struct TBench {
  TBookLists L;
  TGridInfo Grids[ColumnSetCount];
  TQBInfo Info;
  std::string Dir;

  TBench() {
    TBookSize Size;
    Size.EntryOrder = true;  // as a book file is kept and compacted
    BuildSyntheticBook(L, Size);
    for (int S = 0; S < ColumnSetCount; ++S) LoadDefaultGridInfo(S, Grids[S]);
    L.SubActs.SortBy(Grids[2].SortIndex);
    L.Cats.SortBy(Grids[4].SortIndex);
    Info.IncludeDisabledInCalc = IncludeDisabledInCalc;
    Info.SortedByDateAscending = true;
    Info.Trans = &L.Trans;
    Info.MainActs = &L.MainActs;
    Info.SubActs = &L.SubActs;
    Info.Groups = &L.Groups;
    Info.Cats = &L.Cats;
    Info.TransGrid = &Grids[0];
    Info.MainActGrid = &Grids[1];
    Info.SubActGrid = &Grids[2];
    Info.GroupGrid = &Grids[3];
    Info.CatGrid = &Grids[4];
    Info.BaseName = "Benchmark";
    // QB_BENCH_DIR picks the file system written to (the temporary folder by default).
    const char* Where = std::getenv("QB_BENCH_DIR");
    std::filesystem::path Base = Where && *Where ? std::filesystem::path(Where) : std::filesystem::temp_directory_path();
    std::string Pattern = (Base / "qbexportbench-XXXXXX").string();
    Dir = mkdtemp(Pattern.data());
  }
  ~TBench() { std::filesystem::remove_all(Dir); }
};

TBench& Book() {
  static TBench B;
  return B;
}

void Export(benchmark::State& State, TExportKind Kind) {
  TBench& B = Book();
  const std::string Name = B.Dir + (Kind == ekText ? "/book.txt" : "/book.htm");
  std::uintmax_t Bytes = 0;
  for (auto _ : State) {
    TExportResult R = WriteExport(Kind, B.Info, esAll, Name);
    if (!R.Written) State.SkipWithError(R.Message.c_str());
    Bytes = std::filesystem::file_size(Name);
  }
  State.counters["rows"] = B.L.Trans.VisibleCount;
  State.counters["MB"] = static_cast<double>(Bytes) / 1e6;
  State.SetBytesProcessed(static_cast<std::int64_t>(Bytes) * State.iterations());
}

void BM_ExportText(benchmark::State& State) { Export(State, ekText); }
void BM_ExportHtml(benchmark::State& State) { Export(State, ekHtml); }

}  // namespace

BENCHMARK(BM_ExportText)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportHtml)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
