// Recomputation, linking and sorting on a book of a million transactions.
#include <benchmark/benchmark.h>

#include "SyntheticBook.h"

namespace {
// Argument 0: dates in random file order (worst case); 1: file in entry order (see TBookSize).
TBookLists& Book(const benchmark::State& State) {
  static TBookLists* Books[2] = {nullptr, nullptr};
  int Which = State.range(0) ? 1 : 0;
  if (!Books[Which]) {
    // Only one large book in memory at a time.
    delete Books[1 - Which];
    Books[1 - Which] = nullptr;
    TBookSize Size;
    Size.EntryOrder = Which == 1;
    Books[Which] = new TBookLists;
    BuildSyntheticBook(*Books[Which], Size);
  }
  return *Books[Which];
}

void BM_RecalcAll(benchmark::State& State) {
  TBookLists& L = Book(State);
  for (auto _ : State) RecalcAll(L);
  State.counters["visible"] = L.Trans.VisibleCount;
}

void BM_ResolveLinks(benchmark::State& State) {
  TBookLists& L = Book(State);
  for (auto _ : State) ResolveLinks(L);
}

// Sort code 1 (date) starting from the amount order, so every run sorts shuffled rows.
void BM_SortByDate(benchmark::State& State) {
  TBookLists& L = Book(State);
  for (auto _ : State) {
    State.PauseTiming();
    L.Trans.SortBy(9);
    State.ResumeTiming();
    L.Trans.SortBy(1);
  }
}

void BM_RecalcBookTotals(benchmark::State& State) {
  TBookLists& L = Book(State);
  for (auto _ : State) RecalcBookTotals(L);
}

// All runs on one book before the other is built.
BENCHMARK(BM_RecalcAll)->Unit(benchmark::kMillisecond)->ArgName("entry_order")->Arg(0);
BENCHMARK(BM_ResolveLinks)->Unit(benchmark::kMillisecond)->ArgName("entry_order")->Arg(0);
BENCHMARK(BM_SortByDate)->Unit(benchmark::kMillisecond)->ArgName("entry_order")->Arg(0);
BENCHMARK(BM_RecalcBookTotals)->Unit(benchmark::kMillisecond)->ArgName("entry_order")->Arg(0);
BENCHMARK(BM_RecalcAll)->Unit(benchmark::kMillisecond)->ArgName("entry_order")->Arg(1);
BENCHMARK(BM_ResolveLinks)->Unit(benchmark::kMillisecond)->ArgName("entry_order")->Arg(1);
BENCHMARK(BM_SortByDate)->Unit(benchmark::kMillisecond)->ArgName("entry_order")->Arg(1);
BENCHMARK(BM_RecalcBookTotals)->Unit(benchmark::kMillisecond)->ArgName("entry_order")->Arg(1);
}  // namespace

BENCHMARK_MAIN();
