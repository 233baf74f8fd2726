// Book file benchmarks on a 1,000,000-transaction example book:
//   open with the load sequence (and, for comparison, `cat FILE > /dev/null` in the same run),
//   peak memory of a process that opened the book, one appended transaction with and without
//   sync, and closing after one change.
// The book is made by `qbtool example` when missing (QB_BENCH_BOOK overrides its path; the write
// benchmarks work on a copy).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "FileManager.h"
#include "LoadSequence.h"
#include "ScriptedPrompts.h"

namespace {
std::string BookPath() {
  const char* Env = std::getenv("QB_BENCH_BOOK");
  return Env ? Env : QB_BENCH_BOOK;
}

const std::string& Book() {
  static const std::string Path = [] {
    std::string P = BookPath();
    if (!std::filesystem::exists(P)) {
      std::string Cmd = std::string(QB_QBTOOL) + " example '" + P + "' --transactions 1000000 --books 3 --seed 1";
      std::fprintf(stderr, "making the benchmark book: %s\n", Cmd.c_str());
      if (std::system(Cmd.c_str()) != 0) std::abort();
    }
    return P;
  }();
  return Path;
}

// A copy for the benchmarks that write.
const std::string& WritableCopy() {
  static const std::string Path = [] {
    std::string P = Book() + ".write-copy.qbk";
    std::filesystem::copy_file(Book(), P, std::filesystem::copy_options::overwrite_existing);
    return P;
  }();
  return Path;
}

struct TOpenBook {
  TBookLists Lists;
  TScriptedPrompts Prompts;
  TFileManager FM{Lists, Prompts};
  explicit TOpenBook(const std::string& Name) {
    FM.DriveKindProbe = [](const std::string&) { return dkFixed; };
    FM.AutoBackup = false;
    Prompts.DefaultAnswer = mbNo;  // no backup on closing
    FM.InstallWriteThrough();
    if (!FM.Open(Name, true)) std::abort();
    RunLoadSequence(Lists);
  }
};

void BM_CatFile(benchmark::State& State) {
  std::string Cmd = "cat '" + Book() + "' > /dev/null";
  for (auto _ : State)
    if (std::system(Cmd.c_str()) != 0) State.SkipWithError("cat failed");
  State.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(Book())) / 1e6;
}

void BM_OpenWithLoadSequence(benchmark::State& State) {
  for (auto _ : State) {
    auto* B = new TOpenBook(Book());
    benchmark::DoNotOptimize(B->Lists.Trans.Count());
    State.PauseTiming();
    B->FM.Close(true, false);
    delete B;
    State.ResumeTiming();
  }
}

// Peak resident memory of a fresh process that opens the book and runs the load sequence.
void BM_PeakMemory(benchmark::State& State) {
  double PeakBytes = 0;
  for (auto _ : State) {
    int Pipe[2];
    if (pipe(Pipe) != 0) std::abort();
    pid_t Child = fork();
    if (Child == 0) {
      TOpenBook B(Book());
      rusage Use{};
      getrusage(RUSAGE_SELF, &Use);
      long Kb = Use.ru_maxrss;
      if (write(Pipe[1], &Kb, sizeof Kb) != sizeof Kb) _exit(1);
      _exit(0);
    }
    close(Pipe[1]);
    long Kb = 0;
    if (read(Pipe[0], &Kb, sizeof Kb) != sizeof Kb) State.SkipWithError("child failed");
    close(Pipe[0]);
    waitpid(Child, nullptr, 0);
    PeakBytes = static_cast<double>(Kb) * 1024;
  }
  double FileBytes = static_cast<double>(std::filesystem::file_size(Book()));
  State.counters["peak_MB"] = PeakBytes / 1e6;
  State.counters["peak_over_file"] = PeakBytes / FileBytes;
}

void AppendOne(benchmark::State& State, bool Sync) {
  TOpenBook B(WritableCopy());
  B.FM.SyncWrites = Sync;
  std::int32_t No = B.Lists.Trans.NextTransNo();
  TDateTime Date = B.Lists.Trans.DateTo;
  for (auto _ : State) {
    auto R = std::make_unique<TTransRec>();
    R->TransNo = No++;
    R->Date = Date;
    R->Kind = tkIncome;
    R->MainActNo = 100;
    R->SubActNo = 1;
    R->Amount = 1234500;
    R->Reference = "BENCH";
    R->Details = "Appended by the benchmark";
    B.Lists.Trans.Add(std::move(R));
  }
  if (B.FM.ReadOnly) State.SkipWithError("a write failed");
  // Take the appended records out again (after the timed loop) so the copy keeps its size.
  B.FM.SyncWrites = false;
  while (B.Lists.Trans.Count() > 0 && B.Lists.Trans.Items(B.Lists.Trans.Count() - 1).Reference == "BENCH")
    B.Lists.Trans.Delete(B.Lists.Trans.Count() - 1);
  B.FM.Close(true, true);
}
void BM_AppendTransaction(benchmark::State& State) { AppendOne(State, false); }
void BM_AppendTransactionSynced(benchmark::State& State) { AppendOne(State, true); }

// Closing after one changed transaction: counts, compaction of the transactions stream, sync,
// freeing the lists. No backup (answered No).
void BM_CloseAfterOneChange(benchmark::State& State) {
  for (auto _ : State) {
    State.PauseTiming();
    auto* B = new TOpenBook(WritableCopy());
    TTransRec& R = B->Lists.Trans.Items(B->Lists.Trans.Count() / 2);
    R.Details = R.Details == "changed" ? "changed again" : "changed";
    B->Lists.Trans.NotifyChanged(B->Lists.Trans.Count() / 2);
    State.ResumeTiming();
    if (!B->FM.Close(true, true)) State.SkipWithError("close failed");
    State.PauseTiming();
    delete B;
    State.ResumeTiming();
  }
}

// And the worst case: a delete near the start, so nearly the whole stream is rewritten.
void BM_CloseAfterDeleteNearStart(benchmark::State& State) {
  for (auto _ : State) {
    State.PauseTiming();
    auto* B = new TOpenBook(WritableCopy());
    // Re-add what is deleted so the copy keeps its size between iterations.
    TTransRec Copy;
    Copy.Assign(B->Lists.Trans.Items(10));
    B->Lists.Trans.Delete(10);
    auto Again = std::make_unique<TTransRec>();
    Again->Assign(Copy);
    B->Lists.Trans.Add(std::move(Again));
    State.ResumeTiming();
    if (!B->FM.Close(true, true)) State.SkipWithError("close failed");
    State.PauseTiming();
    delete B;
    State.ResumeTiming();
  }
}
}  // namespace

BENCHMARK(BM_CatFile)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenWithLoadSequence)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_AppendTransaction)->Unit(benchmark::kMicrosecond)->Iterations(2000)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_AppendTransactionSynced)->Unit(benchmark::kMicrosecond)->Iterations(200)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_CloseAfterOneChange)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_CloseAfterDeleteNearStart)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
