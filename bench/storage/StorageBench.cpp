// Book file benchmarks on a 1,000,000-transaction example book:
//   open with the load sequence, in this process and in a fresh one (and, for comparison,
//   `cat FILE > /dev/null` in the same run), peak memory of a process that opened the book, one appended transaction with and without
//   sync, and closing after one change.
// The book is made by `qbtool example` when missing (QB_BENCH_BOOK overrides its path; the write
// benchmarks work on a copy).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
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

// What a fresh process measures opening the book once (this benchmark started again with
// --open-once): the open with the load sequence in milliseconds, and the peak resident memory.
struct TFreshOpen {
  double Ms = 0;
  long PeakKb = 0;
};

TFreshOpen OpenOnceHere(const std::string& Name) {
  auto Start = std::chrono::steady_clock::now();
  TOpenBook B(Name);
  TFreshOpen Out;
  Out.Ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start).count();
  rusage Use{};
  getrusage(RUSAGE_SELF, &Use);
  Out.PeakKb = Use.ru_maxrss;
  return Out;
}

bool OpenInFreshProcess(TFreshOpen& Out) {
  static const std::string Self = std::filesystem::read_symlink("/proc/self/exe").string();
  std::string Cmd = "'" + Self + "' --open-once '" + Book() + "'";
  FILE* Child = popen(Cmd.c_str(), "r");
  if (!Child) return false;
  bool Ok = std::fscanf(Child, "%lf %ld", &Out.Ms, &Out.PeakKb) == 2;
  return pclose(Child) == 0 && Ok;
}

// Opening as the program does it, once per process: all the memory the book needs is new to the
// process (the in-process benchmark above reuses what earlier iterations freed).
void BM_OpenInFreshProcess(benchmark::State& State) {
  for (auto _ : State) {
    TFreshOpen Out;
    if (!OpenInFreshProcess(Out)) State.SkipWithError("child failed");
    State.SetIterationTime(Out.Ms / 1000);
  }
}

// Peak resident memory of a fresh process that opened the book and ran the load sequence.
void BM_PeakMemory(benchmark::State& State) {
  double PeakBytes = 0;
  for (auto _ : State) {
    TFreshOpen Out;
    if (!OpenInFreshProcess(Out)) State.SkipWithError("child failed");
    PeakBytes = static_cast<double>(Out.PeakKb) * 1024;
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

// Closing after one changed transaction: counts, the transactions stream checked (no record moved,
// so it is only cut), sync, freeing the lists. No backup (answered No).
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

// And the worst case: a delete near the start moves nearly every record, so the whole book is
// written into a new file that then replaces it.
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
BENCHMARK(BM_OpenInFreshProcess)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_AppendTransaction)->Unit(benchmark::kMicrosecond)->Iterations(2000)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_AppendTransactionSynced)->Unit(benchmark::kMicrosecond)->Iterations(200)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_CloseAfterOneChange)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_CloseAfterDeleteNearStart)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);
int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--open-once") {
    TFreshOpen Out = OpenOnceHere(argv[2]);
    std::printf("%.3f %ld\n", Out.Ms, Out.PeakKb);
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
